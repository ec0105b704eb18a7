#pragma once

#include <QString>
#include <Qt>

class QKeyEvent;

// Windows virtual-key codes and shift states of Qt key events, as key events pass them on. A key is named
// by its place on a US keyboard, so Ctrl+B means the same key under a Russian layout, and a key with no
// Latin letter or sign on it under the layout in use (Cyrillic letters, punctuation moved by the layout)
// still has its code.
namespace platform::keys {

// Shift states of the key and mouse events, added together.
enum ShiftState { ShiftMask = 1, CtrlMask = 2, AltMask = 4 };

// The virtual-key code of the key; 0 for a key that has none.
int VirtualKeyCode(const QKeyEvent &event);
int ShiftStateOf(Qt::KeyboardModifiers modifiers);

// The Qt key of a virtual-key code, for a key event made anew from a code that a handler put in; 0 for a
// code that names no key.
int QtKeyOf(int code);

// The character code of the text that a key typed: the character's byte in the system code page
// (Windows-1251), "?" for a character that the code page lacks; 0 when the key typed no single character.
int CharacterCode(const QString &text);

} // namespace platform::keys
