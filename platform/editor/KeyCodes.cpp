#include "platform/editor/Editor.h"

#include <QKeyEvent>

// Windows virtual-key codes of Qt key events. A key is named by its place on a US keyboard, so
// Ctrl+B means the same key under a Russian layout.
namespace platform::editor {

namespace {

struct KeyPair {
    int key;
    int code;
};

// Keys whose Qt and Windows codes differ; letters and digits agree.
constexpr KeyPair qtKeys[] = {
    {Qt::Key_Backspace, 8},  {Qt::Key_Tab, 9},       {Qt::Key_Backtab, 9},     {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},     {Qt::Key_Shift, 16},    {Qt::Key_Control, 17},    {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},     {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},     {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},    {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},        {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},      {Qt::Key_Up, 38},       {Qt::Key_Right, 39},      {Qt::Key_Down, 40},
    {Qt::Key_Insert, 45},    {Qt::Key_Delete, 46},   {Qt::Key_Menu, 93},       {Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, 186},    {Qt::Key_Equal, 187},   {Qt::Key_Plus, 187},      {Qt::Key_Comma, 188},
    {Qt::Key_Less, 188},     {Qt::Key_Minus, 189},   {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},  {Qt::Key_Slash, 191},   {Qt::Key_Question, 191},  {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219}, {Qt::Key_BraceLeft, 219}, {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},      {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222}, {Qt::Key_Exclam, 49},   {Qt::Key_At, 50},         {Qt::Key_NumberSign, 51},
    {Qt::Key_Dollar, 52},    {Qt::Key_Percent, 53},  {Qt::Key_AsciiCircum, 54}, {Qt::Key_Ampersand, 55},
    {Qt::Key_Asterisk, 56},  {Qt::Key_ParenLeft, 57}, {Qt::Key_ParenRight, 48},
};

// X11 key codes of the US keyboard's typing keys, for keys that a non-Latin layout renames.
constexpr KeyPair scanCodes[] = {
    {10, '1'}, {11, '2'}, {12, '3'}, {13, '4'}, {14, '5'}, {15, '6'}, {16, '7'}, {17, '8'}, {18, '9'},
    {19, '0'}, {20, 189}, {21, 187}, {24, 'Q'}, {25, 'W'}, {26, 'E'}, {27, 'R'}, {28, 'T'}, {29, 'Y'},
    {30, 'U'}, {31, 'I'}, {32, 'O'}, {33, 'P'}, {34, 219}, {35, 221}, {38, 'A'}, {39, 'S'}, {40, 'D'},
    {41, 'F'}, {42, 'G'}, {43, 'H'}, {44, 'J'}, {45, 'K'}, {46, 'L'}, {47, 186}, {48, 222}, {49, 192},
    {51, 220}, {52, 'Z'}, {53, 'X'}, {54, 'C'}, {55, 'V'}, {56, 'B'}, {57, 'N'}, {58, 'M'}, {59, 188},
    {60, 190}, {61, 191},
};

int Lookup(const KeyPair *pairs, size_t count, int key)
{
    for (size_t i = 0; i < count; ++i) {
        if (pairs[i].key == key)
            return pairs[i].code;
    }
    return 0;
}

} // namespace

int VirtualKeyCode(const QKeyEvent &event)
{
    const int key = event.key();
    // The numeric keypad's digits have codes of their own, apart from the main keyboard's.
    if (key >= Qt::Key_0 && key <= Qt::Key_9 && event.modifiers().testFlag(Qt::KeypadModifier))
        return 96 + (key - Qt::Key_0);
    // A typing key is known by its place before by what it types: under a Russian layout the key of "/"
    // types "." and Shift+2 types a double quote. Keys made up by a program carry no place.
    if (const int code = Lookup(scanCodes, std::size(scanCodes), static_cast<int>(event.nativeScanCode())))
        return code;
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    return Lookup(qtKeys, std::size(qtKeys), key);
}

int ShiftStateOf(Qt::KeyboardModifiers modifiers)
{
    int shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= ShiftMask;
    if (modifiers & Qt::ControlModifier)
        shift |= CtrlMask;
    if (modifiers & Qt::AltModifier)
        shift |= AltMask;
    return shift;
}

} // namespace platform::editor
