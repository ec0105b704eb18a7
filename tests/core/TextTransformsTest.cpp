#include "app/core/mdlLibrary.h"

#include "platform/text/AnsiCodePage.h"
#include "tests/CaseNames.h"

#include <gtest/gtest.h>

#include <functional>

using namespace mdlLibrary;

namespace {

QString Text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// ---- Letter case, keyboard layout, transliteration ----------------------------------------------------

struct RegistrCase {
    const char *text;
    int mode;
    const char *expected;
};

void PrintTo(const RegistrCase &c, std::ostream *os)
{
    *os << "mode " << c.mode << ' ';
    casenames::Print(os, c.text);
}

// "Mode1_ghbdtn": the mode, then the text spelled.
casenames::Spelling ModeAndText(const RegistrCase &c)
{
    return {"Mode" + casenames::Spelled(std::to_string(c.mode)) + '_' + casenames::Spelled(c.text)};
}

class RegistrConvertTest : public testing::TestWithParam<RegistrCase> {};

TEST_P(RegistrConvertTest, Converts)
{
    const RegistrCase &c = GetParam();
    EXPECT_EQ(RegistrConvert(Text(c.text), c.mode), Text(c.expected));
}

INSTANTIATE_TEST_SUITE_P(KeyboardLayout, RegistrConvertTest, testing::Values(
    RegistrCase{"ghbdtn", 1, "привет"},
    RegistrCase{"руддщ", 1, "hello"},
    RegistrCase{"ж", 1, ";"},
    RegistrCase{"э", 1, "'"},
    RegistrCase{"Ghbdtn? vbh!", 1, "Привет, мир!"},
    // The keys that print a letter of the Russian layout, both ways.
    RegistrCase{"qwertyuiop[]asdfghjkl;'zxcvbnm,.", 1, "йцукенгшщзхъфывапролджэячсмитьбю"},
    RegistrCase{"йцукенгшщзхъфывапролджэячсмитьбю", 1, "qwertyuiop[]asdfghjkl;'zxcvbnm,."},
    RegistrCase{"QWERTYUIOP{}ASDFGHJKL:\"ZXCVBNM<>", 1, "ЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮ"},
    RegistrCase{"ЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮ", 1, "QWERTYUIOP{}ASDFGHJKL:\"ZXCVBNM<>"},
    RegistrCase{"#", 1, "№"},
    RegistrCase{"№", 1, "#"},
    // One way only: these Latin keys print punctuation in the Russian layout, and that punctuation is
    // read back as the Latin key it also is.
    RegistrCase{"@$^&?/", 1, "\";:?,."},
    RegistrCase{"\";:?,.", 1, "ЭжЖ,бю"},
    RegistrCase{"ёЁ 123 `~-=", 1, "ёЁ 123 `~-="}),
    casenames::Named(ModeAndText));

INSTANTIATE_TEST_SUITE_P(SentenceCase, RegistrConvertTest, testing::Values(
    RegistrCase{"HELLO. world. x.y", 2, "hello. World. X.Y"},
    RegistrCase{"HELLO. world", 0, "hello. World"},
    RegistrCase{"ПРИВЕТ. мир.ДА", 2, "привет. Мир.Да"},
    RegistrCase{"ЁЖ. ёж. ЁЛКА", 2, "ёж. Ёж. Ёлка"},
    // Only one space is skipped: two spaces or a line end after the full stop raise nothing.
    RegistrCase{"a.  b.\r\nc.\nd", 2, "a.  b.\r\nc.\nd"},
    RegistrCase{"end.", 2, "end."},
    RegistrCase{"end. ", 2, "end. "},
    RegistrCase{"a...b", 2, "a...B"}),
    casenames::Named(ModeAndText));

INSTANTIATE_TEST_SUITE_P(UpperAndLowerCase, RegistrConvertTest, testing::Values(
    RegistrCase{"Привет, ёж! hello", 3, "ПРИВЕТ, ЁЖ! HELLO"},
    RegistrCase{"їжак і ґанок, єнот, ўсё", 3, "ЇЖАК І ҐАНОК, ЄНОТ, ЎСЁ"},
    // The micro sign's capital is a Greek letter the code page lacks: it keeps its case.
    RegistrCase{"5 µm", 3, "5 µM"},
    RegistrCase{"ПРИВЕТ, ЁЖ! HELLO", 4, "привет, ёж! hello"},
    RegistrCase{"ЇЖАК І ҐАНОК", 4, "їжак і ґанок"}),
    casenames::Named(ModeAndText));

// Title case is for headings: each word begins with a capital, and a word is what a reader takes for one.
INSTANTIATE_TEST_SUITE_P(TitleCase, RegistrConvertTest, testing::Values(
    RegistrCase{"привет, МИР! hello WORLD", 5, "Привет, Мир! Hello World"},
    RegistrCase{"ёлка-палка ЁЖИК", 5, "Ёлка-Палка Ёжик"},
    // An apostrophe inside a word, plain or typographic, does not start a new one.
    RegistrCase{"don't stop", 5, "Don't Stop"},
    RegistrCase{"ROCK’N’ROLL o'neil", 5, "Rock’n’roll O'neil"},
    // One at a word's start is a quotation mark.
    RegistrCase{"'цитата' и 'ёж'", 5, "'Цитата' И 'Ёж'"},
    // Letters after a digit belong to the number's word, and so does a suffix after its hyphen.
    RegistrCase{"2nd place, x2y, v2.0 beta", 5, "2nd Place, X2y, V2.0 Beta"},
    RegistrCase{"2-й ЭТАЖ, 3-я квартира", 5, "2-й Этаж, 3-я Квартира"},
    // Punctuation and line ends start a new word.
    RegistrCase{"привет,мир!(да)\"нет\"", 5, "Привет,Мир!(Да)\"Нет\""},
    RegistrCase{"2nd o'neil\r\nновая строка\nещё\rодна", 5, "2nd O'neil\r\nНовая Строка\nЕщё\rОдна"}),
    casenames::Named(ModeAndText));

INSTANTIATE_TEST_SUITE_P(CaseInversion, RegistrConvertTest, testing::Values(
    RegistrCase{"Привет World", 6, "пРИВЕТ wORLD"},
    RegistrCase{"Ёлка и ёж", 6, "ЁЛКА И ёЖ"},
    RegistrCase{"AZaz АЯая", 6, "azAZ аяАЯ"},
    // Only the two alphabets invert: the code page's other letters keep their case.
    RegistrCase{"Їжак і Ґанок, єнот, Ўсё 5 µm!", 6, "ЇЖАК і ҐАНОК, єНОТ, ЎСё 5 µM!"}),
    casenames::Named(ModeAndText));

INSTANTIATE_TEST_SUITE_P(Transliteration, RegistrConvertTest, testing::Values(
    RegistrCase{"Щука и ёж", 7, "SCHuka i yozh"},
    RegistrCase{"shchuka", 7, "шчука"},
    RegistrCase{"Schi", 7, "Щи"},
    RegistrCase{"SCH sCH", 7, "Щ щ"},
    RegistrCase{"лучше", 7, "luchshe"},
    RegistrCase{"E'to", 7, "Это"},
    RegistrCase{"Это", 7, "E'to"},
    RegistrCase{"Ёлка Жук Чай Шар Юг Яма Щи Эх", 7, "YOlka ZHuk CHaj SHar YUg YAma SCHi E'x"},
    RegistrCase{"YOlka Zhuk CHaj sHar Jug yama jozh Jo", 7, "Ёлка Жук Чай шар Юг яма ёж Ё"},
    RegistrCase{"абвгдезийклмнопрстуфхцыъь", 7, "abvgdezijklmnoprstufxcy''"},
    RegistrCase{"АБВГДЕЗИЙКЛМНОПРСТУФХЦЫЪЬ", 7, "ABVGDEZIJKLMNOPRSTUFXCY''"},
    RegistrCase{"abcdefghijklmnopqrstuvwxyz", 7, "абцдефгхийклмнопэрстувwхыз"},
    RegistrCase{"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 7, "АБЦДЕФГХИЙКЛМНОПЭРСТУВWХЫЗ"},
    RegistrCase{"съел s'el", 7, "s'el с'ел"},
    RegistrCase{"abc абв 123!\r\nі", 7, "абц abv 123!\r\nі"},
    // Past the end of the text stand spaces: a pair or a triple cut off by the end is single letters.
    RegistrCase{"s", 7, "с"},
    RegistrCase{"sc", 7, "сц"},
    RegistrCase{"y", 7, "ы"},
    RegistrCase{"e", 7, "е"}),
    casenames::Named(ModeAndText));

INSTANTIATE_TEST_SUITE_P(OtherModesAndEmptyText, RegistrConvertTest, testing::Values(
    RegistrCase{"Привет World", 8, "Привет World"},
    RegistrCase{"Привет World", -1, "Привет World"},
    RegistrCase{"", 1, ""},
    RegistrCase{"", 2, ""},
    RegistrCase{"", 7, ""}),
    casenames::Named(ModeAndText));

// Every character of the system code page, bytes 1 to 255.
QString WholeCodePage()
{
    QString text;
    for (int b = 1; b < 256; ++b)
        text += QChar(platform::text::AnsiToChar(static_cast<unsigned char>(b)));
    return text;
}

TEST(RegistrConvert, NoModeMakesACharacterTheCodePageLacks)
{
    const QString all = WholeCodePage();
    for (int mode = 0; mode <= 7; ++mode) {
        const QString converted = RegistrConvert(all, mode);
        for (const QChar c : converted)
            EXPECT_TRUE(platform::text::IsAnsiChar(c.unicode()))
                << "mode " << mode << " gives U+" << std::hex << int(c.unicode());
    }
}

TEST(RegistrConvert, InvertingTwiceGivesTheCodePageBack)
{
    const QString all = WholeCodePage();
    EXPECT_EQ(RegistrConvert(RegistrConvert(all, 6), 6), all);
}

// ---- Spaces, indentation and lines ----------------------------------------------------------------------

// A case of a line transform; "|" in the texts stands for the line end, which each case is run with in
// turn: CR LF, LF and a lone CR. The text is moved in, so the transform rewrites it in its own buffer.
struct LineCase {
    const char *name;
    std::function<QString(QString)> transform;
    const char *text;
    const char *expected;
};

void PrintTo(const LineCase &c, std::ostream *os)
{
    *os << c.name << ' ';
    casenames::Print(os, c.text);
}

void PrintTo(const std::tuple<LineCase, const char *> &c, std::ostream *os)
{
    casenames::Print(os, c);
}

// "runs_aSpaces3bSpaces2c_CrLf": what the transform does, the text, the line end.
casenames::Spelling LineCaseName(const std::tuple<LineCase, const char *> &c)
{
    const auto &[lineCase, end] = c;
    return {casenames::Words(lineCase.name) + '_' + casenames::Spelled(lineCase.text) + '_' + casenames::Spelled(end)};
}

QString WithLineEnd(const char *text, const QString &lineEnd)
{
    return Text(text).replace(u'|', lineEnd);
}

class LineTransformTest : public testing::TestWithParam<std::tuple<LineCase, const char *>> {};

TEST_P(LineTransformTest, Rewrites)
{
    const auto &[c, end] = GetParam();
    const QString lineEnd = Text(end);
    EXPECT_EQ(c.transform(WithLineEnd(c.text, lineEnd)), WithLineEnd(c.expected, lineEnd));
}

std::function<QString(QString)> Spaces(int mode)
{
    return [mode](QString text) { return SpaceDelete(std::move(text), mode); };
}

std::function<QString(QString)> Shift(int width)
{
    return [width](QString text) { return ShiftLines(std::move(text), width); };
}

std::function<QString(QString)> Tabs(bool outdent)
{
    return [outdent](QString text) { return TabBlock(std::move(text), outdent); };
}

const auto LineEnds = testing::Values("\r\n", "\n", "\r");

INSTANTIATE_TEST_SUITE_P(SpaceDelete, LineTransformTest, testing::Combine(testing::Values(
    LineCase{"runs", Spaces(1), "a   b  c", "a b c"},
    LineCase{"runs", Spaces(1), "  a", "a"},
    LineCase{"runs", Spaces(1), "a  |  b \t  c ", "a | b \t c "},
    LineCase{"line starts", Spaces(2), "  a|   b", "  a|b"},
    LineCase{"line starts", Spaces(2), "a||  \t b|  ", "a||\t b|"},
    LineCase{"line ends", Spaces(3), "a  |b  ", "a|b  "},
    LineCase{"line ends", Spaces(3), "|a", "|a"},
    LineCase{"line ends", Spaces(3), "   |a", "|a"},
    LineCase{"line ends", Spaces(3), "a \t |b c|", "a \t|b c|"},
    LineCase{"mode 0", Spaces(0), " a  | b ", " a  | b "},
    LineCase{"mode 4", Spaces(4), " a  | b ", " a  | b "}), LineEnds),
    casenames::Named(LineCaseName));

INSTANTIATE_TEST_SUITE_P(ShiftLines, LineTransformTest, testing::Combine(testing::Values(
    LineCase{"width 4", Shift(4), "\tx", "x"},
    LineCase{"width 4", Shift(4), "    x", "x"},
    LineCase{"width 4", Shift(4), "  x", "  x"},
    LineCase{"width 4", Shift(4), "      x", "  x"},
    LineCase{"width 4", Shift(4), "\t\tx|    y|  z| \tw|", "\tx|y|  z| \tw|"},
    LineCase{"width 4", Shift(4), "", ""},
    LineCase{"width 0", Shift(0), "\tx|    y|\t", "x|    y|"},
    LineCase{"width -3", Shift(-3), "\tx|    y", "x|    y"}), LineEnds),
    casenames::Named(LineCaseName));

INSTANTIATE_TEST_SUITE_P(TabBlock, LineTransformTest, testing::Combine(testing::Values(
    LineCase{"indent", Tabs(false), "", "\t"},
    LineCase{"indent", Tabs(false), "a|", "\ta|\t"},
    LineCase{"indent", Tabs(false), "a||\tb", "\ta|\t|\t\tb"},
    LineCase{"outdent", Tabs(true), "\ta|b|\t\tc|\t", "a|b|\tc|"},
    LineCase{"outdent", Tabs(true), " \ta|    b", " \ta|    b"},
    LineCase{"outdent", Tabs(true), "", ""}), LineEnds),
    casenames::Named(LineCaseName));

INSTANTIATE_TEST_SUITE_P(JoinAndDeleteEmptyLines, LineTransformTest, testing::Combine(testing::Values(
    LineCase{"join", JoinLines, "one|two|three", "one two three"},
    LineCase{"join", JoinLines, "a||b|", "a  b "},
    LineCase{"join", JoinLines, "", ""},
    LineCase{"delete empty", DeleteEmptyLines, "a|b||c|||||d", "a|b|c|d"},
    LineCase{"delete empty", DeleteEmptyLines, "a|||", "a|"},
    LineCase{"delete empty", DeleteEmptyLines, "a| |\t|b", "a| |\t|b"},
    // The block's first line is empty: its line end is the first of the run and stays.
    LineCase{"delete empty", DeleteEmptyLines, "|||a", "|a"}), LineEnds),
    casenames::Named(LineCaseName));

std::function<QString(QString)> Comment(CommentForm form)
{
    return [form](QString text) { return CommentText(text, form, {"<!--", "-->", "//"}); };
}

INSTANTIATE_TEST_SUITE_P(CommentText, LineTransformTest, testing::Combine(testing::Values(
    LineCase{"lines", Comment(CommentForm::Lines), "a", "//a"},
    LineCase{"lines", Comment(CommentForm::Lines), "a|  b||c", "//a|//  b|//|//c"},
    LineCase{"lines", Comment(CommentForm::Lines), "a|", "//a|//"},
    LineCase{"lines", Comment(CommentForm::Lines), "", "//"},
    LineCase{"block", Comment(CommentForm::Block), "a|b|", "<!--a|b|-->"},
    LineCase{"block", Comment(CommentForm::Block), "", "<!---->"},
    LineCase{"none", Comment(CommentForm::None), "a|b", "a|b"}), LineEnds),
    casenames::Named(LineCaseName));

// A selection over lines prefers the block markers, one within a line the line marker; either way a
// language lacking the preferred form takes the other, and one lacking both, or with half a block and
// no line marker, leaves the text alone.
TEST(CommentText, TheFormFollowsTheSelectionAndTheLanguagesMarkers)
{
    const CommentMarkers both{"/*", "*/", "//"}, block{"/*", "*/", ""}, line{"", "", "#"}, half{"/*", "", ""};
    const struct {
        const char *selection;
        const char *language;
        CommentMarkers markers;
        CommentForm form;
    } cases[] = {
        {"a\r\nb", "both", both, CommentForm::Block},  {"a\nb", "both", both, CommentForm::Block},
        {"a\rb", "both", both, CommentForm::Block},     {"a\r\nb", "line", line, CommentForm::Lines},
        {"a\nb", "half", half, CommentForm::None},      {"a\nb", "none", {}, CommentForm::None},
        {"ab", "both", both, CommentForm::Lines},       {"", "both", both, CommentForm::Lines},
        {"ab", "block", block, CommentForm::Block},     {"", "block", block, CommentForm::Block},
        {"ab", "half", half, CommentForm::None},        {"ab", "none", {}, CommentForm::None},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CommentFormFor(Text(c.selection), c.markers), c.form) << '"' << c.selection << "\" " << c.language;
}

TEST(LineTransforms, MixedLineEndsAreEachOneLineEndAndStayAsWritten)
{
    const QString text = QStringLiteral("a \r\n  b\t\n\tc \r  d");
    EXPECT_EQ(SpaceDelete(text, 2), QStringLiteral("a \r\nb\t\n\tc \rd"));
    EXPECT_EQ(SpaceDelete(text, 3), QStringLiteral("a\r\n  b\t\n\tc\r  d"));
    EXPECT_EQ(ShiftLines(text, 2), QStringLiteral("a \r\nb\t\nc \rd"));
    EXPECT_EQ(TabBlock(text, false), QStringLiteral("\ta \r\n\t  b\t\n\t\tc \r\t  d"));
    EXPECT_EQ(TabBlock(QStringLiteral("\ta\r\n\tb\n\tc\r\td"), true), QStringLiteral("a\r\nb\nc\rd"));
    EXPECT_EQ(CommentText(text, CommentForm::Lines, {{}, {}, "//"}), QStringLiteral("//a \r\n//  b\t\n//\tc \r//  d"));
    EXPECT_EQ(JoinLines(QStringLiteral("a\r\nb\nc\rd")), QStringLiteral("a b c d"));
    // LF then CR is two line ends, CR then LF one.
    EXPECT_EQ(JoinLines(QStringLiteral("a\n\rb")), QStringLiteral("a  b"));
    EXPECT_EQ(DeleteEmptyLines(QStringLiteral("a\n\r\n\r\r\nb\r\nc")), QStringLiteral("a\nb\r\nc"));
}

TEST(LineTransforms, WithLineEndsWritesEveryLineEndAsTheOneGiven)
{
    // LF then CR is two line ends, CR then LF one; a CR before a CR LF is a line end of its own.
    const QString mixed = QStringLiteral("a\r\nb\nc\rd\n\r\r\ne\r");
    for (const QString &end : {QStringLiteral("\r\n"), QStringLiteral("\n"), QStringLiteral("\r")}) {
        EXPECT_EQ(WithLineEnds(mixed, end), "a" + end + "b" + end + "c" + end + "d" + end + end + end + "e" + end);
        EXPECT_EQ(WithLineEnds(QStringLiteral("no line end"), end), QStringLiteral("no line end"));
        EXPECT_EQ(WithLineEnds(QString(), end), QString());
    }
}

TEST(TextTransforms, TheCallersTextStaysAsItWas)
{
    const QString original = QStringLiteral("  Ёлка \r\n\r\n\t  ёж  \n end");
    const QString text = QString(original.constData(), original.size());
    const std::function<QString()> transforms[] = {
        [&] { return RegistrConvert(text, 1); }, [&] { return RegistrConvert(text, 2); },
        [&] { return RegistrConvert(text, 3); }, [&] { return RegistrConvert(text, 4); },
        [&] { return RegistrConvert(text, 5); }, [&] { return RegistrConvert(text, 6); },
        [&] { return RegistrConvert(text, 7); }, [&] { return SpaceDelete(text, 1); },
        [&] { return SpaceDelete(text, 2); },    [&] { return SpaceDelete(text, 3); },
        [&] { return ShiftLines(text, 2); },     [&] { return TabBlock(text, false); },
        [&] { return TabBlock(text, true); },    [&] { return JoinLines(text); },
        [&] { return DeleteEmptyLines(text); }};
    for (const auto &transform : transforms) {
        EXPECT_NE(transform(), original);
        EXPECT_EQ(text, original);
    }
}

} // namespace
