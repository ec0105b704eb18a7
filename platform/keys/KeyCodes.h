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

// The virtual-key codes that the program's handlers name. A letter's or a digit's code is its upper-case
// character ('R').
enum VirtualKey : int {
    VK_BACK = 8,
    VK_TAB = 9,
    VK_RETURN = 13,
    VK_SHIFT = 16,
    VK_CONTROL = 17,
    VK_MENU = 18,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_END = 35,
    VK_HOME = 36,
    VK_LEFT = 37,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_INSERT = 45,
    VK_DELETE = 46,
    VK_F2 = 113,
    VK_F4 = 115,
    VK_F5 = 116,
    VK_OEM_COMMA = 188,
    VK_OEM_PERIOD = 190,
    VK_OEM_2 = 191, // "/"
};

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
