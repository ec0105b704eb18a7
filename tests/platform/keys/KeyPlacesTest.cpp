#include "platform/keys/KeyCodes.h"

#include "tests/CaseNames.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

#include <ostream>

namespace {

using platform::keys::VirtualKeyCode;

struct KeyCase {
    const char *what;
    int key;
    Qt::KeyboardModifiers modifiers;
    quint32 place; // the X11 key code of the key's place; 0 for a key that a program made up
    int code;
};

void PrintTo(const KeyCase &c, std::ostream *out)
{
    casenames::Print(out, c.what);
}

// Keys as a Russian layout names them, with their modifiers.
class KeyPlaces : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyPlaces, AKeyIsKnownByItsPlaceOnAUsKeyboard)
{
    const KeyCase &c = GetParam();
    const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.place, 0, 0);
    EXPECT_EQ(VirtualKeyCode(event), c.code) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, KeyPlaces,
    testing::Values(KeyCase{"B on a US layout", Qt::Key_B, Qt::ControlModifier, 56, 'B'},
                    KeyCase{"И on the key of B", 0x0418, Qt::ControlModifier, 56, 'B'},
                    KeyCase{"Б on the key of ,", 0x0411, Qt::ControlModifier, 59, 188},
                    KeyCase{". on the key of /", Qt::Key_Period, Qt::ControlModifier, 61, 191},
                    KeyCase{", on Shift and the key of /", Qt::Key_Comma, Qt::ShiftModifier, 61, 191},
                    KeyCase{"\" on Shift and the key of 2", Qt::Key_QuoteDbl, Qt::ShiftModifier, 11, '2'},
                    KeyCase{"/ made up by a program", Qt::Key_Slash, Qt::ControlModifier, 0, 191},
                    KeyCase{"Return", Qt::Key_Return, Qt::ControlModifier, 36, 13},
                    KeyCase{"keypad 7", Qt::Key_7, Qt::KeypadModifier, 79, 103},
                    KeyCase{"F2", Qt::Key_F2, Qt::NoModifier, 68, 113}),
    casenames::Named(casenames::Spell(&KeyCase::what)));

} // namespace
