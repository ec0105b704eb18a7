#include "platform/keys/KeyCodes.h"

#include "tests/CaseNames.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

namespace keys = platform::keys;

namespace {

// X11 key codes of a few places on the keyboard, as the platform reports them.
constexpr quint32 PlaceA = 38, PlaceSemicolon = 47, PlaceSlash = 61, PlaceTwo = 11;
constexpr int CyrillicEf = 0x0424, CyrillicZhe = 0x0416; // Qt names a Cyrillic key by its capital

struct KeyCase {
    const char *what;
    int key;
    quint32 place; // 0: the platform did not tell
    int code;
};

void PrintTo(const KeyCase &c, std::ostream *out)
{
    casenames::Print(out, c.what);
}

class KeyCodes : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyCodes, AreTheWindowsCodesOfTheKeysPlaceOnAUsKeyboard)
{
    const KeyCase &c = GetParam();
    const QKeyEvent event(QEvent::KeyPress, c.key, Qt::NoModifier, c.place, 0, 0);
    EXPECT_EQ(keys::VirtualKeyCode(event), c.code) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyCodes,
    testing::Values(KeyCase{"A", Qt::Key_A, 0, 65}, KeyCase{"7", Qt::Key_7, 0, 55}, KeyCase{"F5", Qt::Key_F5, 0, 116},
                    KeyCase{"Enter", Qt::Key_Return, 0, 13}, KeyCase{"Home", Qt::Key_Home, 0, 36},
                    KeyCase{";", Qt::Key_Semicolon, 0, 186}, KeyCase{"=", Qt::Key_Equal, 0, 187},
                    KeyCase{",", Qt::Key_Comma, 0, 188}, KeyCase{"-", Qt::Key_Minus, 0, 189},
                    KeyCase{".", Qt::Key_Period, 0, 190}, KeyCase{"/", Qt::Key_Slash, 0, 191},
                    KeyCase{"`", Qt::Key_QuoteLeft, 0, 192}, KeyCase{"[", Qt::Key_BracketLeft, 0, 219},
                    KeyCase{"\\", Qt::Key_Backslash, 0, 220}, KeyCase{"]", Qt::Key_BracketRight, 0, 221},
                    KeyCase{"'", Qt::Key_Apostrophe, 0, 222}, KeyCase{"! on Shift and 1", Qt::Key_Exclam, 0, 49},
                    KeyCase{"Ф on the A key", CyrillicEf, PlaceA, 65},
                    KeyCase{"Ж on the ; key", CyrillicZhe, PlaceSemicolon, 186},
                    KeyCase{"Russian . on the / key", Qt::Key_Period, PlaceSlash, 191},
                    KeyCase{"Russian \" on the 2 key", Qt::Key_QuoteDbl, PlaceTwo, 50},
                    KeyCase{"a Cyrillic key of unknown place", CyrillicEf, 0, 0},
                    KeyCase{"a key without a code", Qt::Key_VolumeUp, 0, 0}),
    casenames::Named(casenames::Spell(&KeyCase::what)));

TEST(KeyCodesBack, ACodeGivesAKeyThatMapsToItAgain)
{
    for (const int code : {65, 48, 116, 13, 27, 36, 186, 188, 191, 219, 222}) {
        const int key = keys::QtKeyOf(code);
        ASSERT_NE(key, 0) << code;
        EXPECT_EQ(keys::VirtualKeyCode(QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier)), code) << code;
    }
    EXPECT_EQ(keys::QtKeyOf(0), 0);
    EXPECT_EQ(keys::QtKeyOf(255), 0);
}

// The codes that the handlers name stand beside the table of keys: each must be the code its key gives.
TEST(NamedKeyCodes, AreTheCodesTheirKeysGive)
{
    struct Named {
        int code;
        int key;
    };
    using namespace keys;
    const Named named[] = {
        {VK_BACK, Qt::Key_Backspace}, {VK_TAB, Qt::Key_Tab},         {VK_RETURN, Qt::Key_Return},
        {VK_SHIFT, Qt::Key_Shift},    {VK_CONTROL, Qt::Key_Control}, {VK_MENU, Qt::Key_Alt},
        {VK_ESCAPE, Qt::Key_Escape},  {VK_SPACE, Qt::Key_Space},     {VK_END, Qt::Key_End},
        {VK_HOME, Qt::Key_Home},      {VK_LEFT, Qt::Key_Left},       {VK_RIGHT, Qt::Key_Right},
        {VK_DOWN, Qt::Key_Down},      {VK_INSERT, Qt::Key_Insert},   {VK_DELETE, Qt::Key_Delete},
        {VK_F2, Qt::Key_F2},          {VK_F4, Qt::Key_F4},           {VK_F5, Qt::Key_F5},
        {VK_OEM_COMMA, Qt::Key_Comma}, {VK_OEM_PERIOD, Qt::Key_Period}, {VK_OEM_2, Qt::Key_Slash},
    };
    for (const Named &n : named)
        EXPECT_EQ(VirtualKeyCode(QKeyEvent(QEvent::KeyPress, n.key, Qt::NoModifier)), n.code) << n.code;
}

TEST(ShiftStates, AreAddedTogether)
{
    EXPECT_EQ(keys::ShiftStateOf(Qt::NoModifier), 0);
    EXPECT_EQ(keys::ShiftStateOf(Qt::ShiftModifier), keys::ShiftMask);
    EXPECT_EQ(keys::ShiftStateOf(Qt::ControlModifier | Qt::AltModifier), keys::CtrlMask | keys::AltMask);
    EXPECT_EQ(keys::ShiftStateOf(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier), 7);
}

TEST(CharacterCodes, AreTheCharactersBytesInTheCodePage)
{
    struct Case {
        QString text;
        int code;
    };
    const Case cases[] = {
        {QStringLiteral("a"), 97},         {QStringLiteral(";"), 59},  {QStringLiteral("\r"), 13},
        {QStringLiteral("ф"), 0xF4},       {QStringLiteral("Ё"), 0xA8}, {QStringLiteral("№"), 0xB9},
        {QStringLiteral("€"), 0x88},       {QStringLiteral("中"), '?'},  {QStringLiteral("\U0001F600"), '?'},
        {QString(), 0},                    {QStringLiteral("ab"), 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(keys::CharacterCode(c.text), c.code) << c.text.toStdString();
}

} // namespace
