#include "platform/editor/Editor.h"
#include "platform/editor/Language.h"
#include "platform/text/AnsiCodePage.h"
#include "tests/CaseNames.h"
#include "tests/TempFolder.h"
#include "tests/platform/editor/HtmlLanguage.h"

#include <Qsci/qsciscintilla.h>

#include <QCoreApplication>
#include <QPrinter>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>

using namespace platform::editor;
using Base = QsciScintillaBase;

namespace {

// A page of well over a megabyte ends in `tail`: a jump to its end shows only lines of the tail, whose
// colouring depends on text far above them.
QString Page(const QString &tail, const QString &lineEnd)
{
    QStringList lines;
    lines << QStringLiteral("<html><head><title>Проба</title></head><body>");
    for (int i = 0; i < 22000; ++i)
        lines << QStringLiteral("<p class=\"filler\">Строка %1 &amp; text, 'quoted'</p>").arg(i);
    lines << tail.split(QLatin1Char('\n'));
    return lines.join(lineEnd);
}

QString Repeated(const QString &line, int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << line;
    return lines.join(QLatin1Char('\n'));
}

struct PageTail {
    const char *name;
    QString tail;
};

void PrintTo(const PageTail &tail, std::ostream *out)
{
    casenames::Print(out, tail.name);
}

const PageTail tails[] = {
    {"CommentAcrossTheJump", QStringLiteral("<!-- a comment opened far above\n") +
                                 Repeated(QStringLiteral("<p class=\"x\">inside the comment</p>"), 80) +
                                 QStringLiteral("\nstill inside --> <b>after</b>\n<p>plain</p>")},
    {"StringAcrossTheJump", QStringLiteral("<img alt=\"a string that goes on\n") +
                                Repeated(QStringLiteral("over many lines <b>not a tag</b> & 'no quote'"), 80) +
                                QStringLiteral("\nends here\" src='a.png'><p class=y>after</p>\n<i>x</i>")},
    {"TagAcrossTheJump", QStringLiteral("<table\n") + Repeated(QStringLiteral("  border=1 width=\"100%\""), 80) +
                             QStringLiteral("\n><tr><td>cell</td></tr></table>")},
    {"ScriptWithMarkupInStrings",
     QStringLiteral("<script>\n") +
         Repeated(QStringLiteral("var s = \"<!-- \" + '<p class=\"q\">' + x; if (a < b && c > d) { y = \"-->\"; }"),
                  80) +
         QStringLiteral("\nvar t = '<b>';\n</script>\n<p>after the script</p>")},
};

const char *const lineEnds[] = {"\n", "\r\n", "\r"};

// A page's case with its line end: "CommentAcrossTheJumpCrLf".
template <typename Case>
casenames::Spelling WithLineEnd(const std::tuple<Case, const char *> &c)
{
    return {std::get<0>(c).name + casenames::Spelled(std::get<1>(c))};
}

template <typename Case>
void PrintTo(const std::tuple<Case, const char *> &c, std::ostream *out)
{
    casenames::Print(out, c);
}

class LineEnds : public testing::TestWithParam<const char *> {};

TEST_P(LineEnds, EndStringsAndCommentsLineByLine)
{
    DefineLanguage(QStringLiteral("LineEndHTML"), HtmlLanguage());
    Editor editor;
    editor.SetLanguage(QStringLiteral("LineEndHTML"));
    const QString lineEnd = QString::fromLatin1(GetParam());
    editor.SetText(QStringLiteral("<a title=\"one") + lineEnd + QStringLiteral("two\" href=x>link</a>") + lineEnd +
                   QStringLiteral("<!-- note") + lineEnd + QStringLiteral("--> after"));
    EXPECT_EQ(editor.StyleAt(1, 1), TokenString);
    EXPECT_EQ(editor.StyleAt(1, 5), TokenTagAttributeName);
    EXPECT_EQ(editor.StyleAt(1, 12), TokenText);
    EXPECT_EQ(editor.StyleAt(2, 6), TokenComment);
    EXPECT_EQ(editor.StyleAt(3, 1), TokenComment);
    EXPECT_EQ(editor.StyleAt(3, 5), TokenText);
    UndefineLanguage(QStringLiteral("LineEndHTML"));
}

INSTANTIATE_TEST_SUITE_P(Kinds, LineEnds, testing::ValuesIn(lineEnds), casenames::Named(casenames::Spell()));

struct OddLanguage {
    const char *name;
    LanguageDefinition definition;
    // The language's markers, each put at the very end of a text.
    QStringList markers;
};

void PrintTo(const OddLanguage &language, std::ostream *out)
{
    casenames::Print(out, language.name);
}

LanguageDefinition Definition(int style, const QString &comments1, const QString &comments2, const QString &delims,
                              const QString &escape, const QString &lineComments = QString(),
                              const QString &operators = QString())
{
    LanguageDefinition definition;
    definition.Style = style;
    definition.MultiLineComments1 = comments1;
    definition.MultiLineComments2 = comments2;
    definition.StringDelims = delims;
    definition.EscapeChar = escape;
    definition.SingleLineComments = lineComments;
    definition.Operators = operators;
    return definition;
}

// Language files as a user may write them: markers of one character, an escape that is also the delimiter,
// Cyrillic markers, a closer that is its opener, openers without closers.
const OddLanguage oddLanguages[] = {
    {"EscapeIsTheDelimiter", Definition(LanguageStyleProcedural, "/*", "*/", "\"", "\""), {"\"", "\"x\"", "/*"}},
    {"CyrillicMarkers",
     Definition(LanguageStyleProcedural, QStringLiteral("ж"), QStringLiteral("щ"), QStringLiteral("ё"),
                QStringLiteral("ъ"), QStringLiteral("ю"), QStringLiteral("я\nыы")),
     {QStringLiteral("ж"), QStringLiteral("ё"), QStringLiteral("ёaъ"), QStringLiteral("ю"), QStringLiteral("ыы")}},
    {"OneCharacterPairs", Definition(LanguageStyleProcedural, "<\n#", ">\n#", "'", "\\", "-", "=\n=="),
     {"<", "#", "'", "'\\", "-", "=="}},
    {"OpenersWithoutClosers", Definition(LanguageStyleProcedural, "{\n(*", "\n", "", "\\"), {"{", "(*", "\\"}},
    {"MarkupWithOddPairs", Definition(LanguageStyleSgml, "<\n<!", ">\n", "\"\n<", "\\"),
     {"<", "<!", "<p a=\"", "<p a=\"\\", "<p a=<", "&", "&x"}},
};

// Whatever a language file says, colouring stops at the end of the text: the editor would abort at a style
// past it. Every marker is tried at the very end, before each line end, and alone.
class OddLanguages : public testing::TestWithParam<OddLanguage> {};

TEST_P(OddLanguages, ColourTheTextToItsEndAndNoFurther)
{
    const OddLanguage &language = GetParam();
    DefineLanguage(QStringLiteral("Odd"), language.definition);
    Editor editor;
    editor.SetLanguage(QStringLiteral("Odd"));
    QsciScintilla *control = editor.Control();
    for (const QString &marker : language.markers) {
        for (const QString &ending : {QString(), QStringLiteral("\r"), QStringLiteral("\n"), QStringLiteral("\r\n"),
                                      QStringLiteral("\r\r"), QStringLiteral("\n\r")}) {
            for (const QString &text : {marker + ending, QStringLiteral("a ") + marker + ending + QStringLiteral("b") +
                                                             ending + marker + ending}) {
                SCOPED_TRACE(text.toStdString());
                editor.SetText(text);
                const long length = control->SendScintilla(Base::SCI_GETLENGTH);
                control->SendScintilla(Base::SCI_COLOURISE, 0UL, -1L);
                EXPECT_EQ(control->SendScintilla(Base::SCI_GETENDSTYLED), length);
            }
        }
    }
    UndefineLanguage(QStringLiteral("Odd"));
}

INSTANTIATE_TEST_SUITE_P(Files, OddLanguages, testing::ValuesIn(oddLanguages), casenames::Named(&OddLanguage::name));

// An editor showing the end of a page reached by a jump, beside the colouring of the same text from its start.
class JumpedPage : public testing::Test {
protected:
    static void SetUpTestSuite() { DefineLanguage(QStringLiteral("JumpHTML"), HtmlLanguage()); }
    static void TearDownTestSuite() { UndefineLanguage(QStringLiteral("JumpHTML")); }

    // Shows the end of `text`, set whole or, as a file is opened, read in slices of bytes.
    void ShowTheEnd(const QString &text, bool read = false)
    {
        page = text;
        jumped.resize(500, 240);
        jumped.show();
        jumped.SetLanguage(QStringLiteral("JumpHTML"));
        if (read) {
            const QByteArray bytes = platform::text::StringToAnsi(page);
            jumped.ReadText(platform::text::AnsiUtf8Length(bytes), [&](const Editor::SliceSink &sink) {
                // Slices of an odd size, so that some end between a CR and its LF.
                for (qsizetype at = 0; at < bytes.size(); at += 7001)
                    sink(QByteArrayView(bytes).sliced(at, std::min<qsizetype>(7001, bytes.size() - at)));
                return true;
            });
        } else {
            jumped.SetText(page);
        }
        ShowTheEnd();
    }

    void ShowTheEnd()
    {
        jumped.ExecuteCmd(CmdDocumentEnd);
        Paint();
    }

    // A paint that scrolling cut short is done again when the event loop comes back.
    void Paint()
    {
        jumped.Control()->viewport()->repaint();
        QCoreApplication::processEvents();
    }

    void ScrollTo(long line)
    {
        jumped.Control()->SendScintilla(Base::SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(line));
        Paint();
    }

    long StyleAt(long line, long column)
    {
        QsciScintilla *control = jumped.Control();
        const long start = control->SendScintilla(Base::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
        return control->SendScintilla(Base::SCI_GETSTYLEAT, static_cast<unsigned long>(start + column));
    }

    // Expects the shown lines to be coloured as an editor colours `text` from its start.
    void ExpectShownAsColouredFromTheStart(const QString &text)
    {
        if (!reference || referenceText != text) {
            reference = std::make_unique<Editor>();
            reference->SetLanguage(QStringLiteral("JumpHTML"));
            reference->SetText(text);
            reference->Control()->SendScintilla(Base::SCI_COLOURISE, 0UL, -1L);
            referenceText = text;
        }
        QsciScintilla *expected = reference->Control();
        QsciScintilla *shown = jumped.Control();
        const long first = shown->SendScintilla(Base::SCI_DOCLINEFROMVISIBLE,
                                                shown->SendScintilla(Base::SCI_GETFIRSTVISIBLELINE));
        const long from = shown->SendScintilla(Base::SCI_POSITIONFROMLINE, static_cast<unsigned long>(first));
        const long to = shown->SendScintilla(Base::SCI_GETLINEENDPOSITION,
                                             first + shown->SendScintilla(Base::SCI_LINESONSCREEN));
        ASSERT_EQ(shown->SendScintilla(Base::SCI_GETLENGTH), expected->SendScintilla(Base::SCI_GETLENGTH));
        ASSERT_LT(from, to);
        for (long at = from; at < to; ++at) {
            const auto position = static_cast<unsigned long>(at);
            ASSERT_EQ(shown->SendScintilla(Base::SCI_GETSTYLEAT, position),
                      expected->SendScintilla(Base::SCI_GETSTYLEAT, position))
                << "at line " << shown->SendScintilla(Base::SCI_LINEFROMPOSITION, position) << ", position " << at;
        }
    }

    long LineCount() { return jumped.LineCount(); }

    QString page;
    Editor jumped;
    std::unique_ptr<Editor> reference;
    QString referenceText;
};

class ColouringAfterAJump : public JumpedPage,
                            public testing::WithParamInterface<std::tuple<PageTail, const char *>> {
protected:
    void SetUp() override { ShowTheEnd(Page(std::get<0>(GetParam()).tail, LineEnd())); }
    QString LineEnd() const { return QString::fromLatin1(std::get<1>(GetParam())); }
};

TEST_P(ColouringAfterAJump, ShowsTheEndAsColouredFromTheStart)
{
    ExpectShownAsColouredFromTheStart(page);
}

TEST_P(ColouringAfterAJump, ColoursTheLinesAboveAsTheyComeIntoView)
{
    for (const long line : {LineCount() - 60, LineCount() - 95, 15000L, 3L, LineCount() - 40}) {
        ScrollTo(line);
        ExpectShownAsColouredFromTheStart(page);
    }
}

TEST_P(ColouringAfterAJump, FollowsEditsAboveAndAmongTheShownLines)
{
    // A comment opened at the top takes in everything below it.
    jumped.SetCaretPos(0, 0);
    jumped.SetSelText(QStringLiteral("<!--"));
    ScrollTo(LineCount() - 20);
    ExpectShownAsColouredFromTheStart(QStringLiteral("<!--") + page);
    jumped.Undo();
    Paint();
    ExpectShownAsColouredFromTheStart(page);

    // A string opened on a shown line runs to its end; the lines after it keep their own colouring.
    const int line = jumped.LineCount() - 10;
    jumped.SetCaretPos(line, 0);
    jumped.SetSelText(QStringLiteral("<a title=\"open"));
    Paint();
    QString edited = page;
    qsizetype at = 0;
    for (int i = 0; i < line; ++i)
        at = edited.indexOf(LineEnd(), at) + LineEnd().size();
    edited.insert(at, QStringLiteral("<a title=\"open"));
    ExpectShownAsColouredFromTheStart(edited);
}

INSTANTIATE_TEST_SUITE_P(Pages, ColouringAfterAJump,
                         testing::Combine(testing::ValuesIn(tails), testing::ValuesIn(lineEnds)),
                         casenames::Named(WithLineEnd<PageTail>));

struct PageEdit {
    const char *name;
    // Edits the page in the editor, which shows its end.
    std::function<void(Editor &)> edit;
};

void PrintTo(const PageEdit &edit, std::ostream *out)
{
    casenames::Print(out, edit.name);
}

void Insert(Editor &editor, int line, int column, const QString &text)
{
    editor.SetCaretPos(line, column);
    editor.SetSelText(text);
}

// Edits that change the state of the lines below them, far down to the end or up to a line that puts it
// right again.
const PageEdit pageEdits[] = {
    {"CommentOpenedAtTheTop", [](Editor &e) { Insert(e, 0, 0, QStringLiteral("<!--")); }},
    {"CommentOpenedAndClosed",
     [](Editor &e) {
         Insert(e, 0, 0, QStringLiteral("<!--"));
         Insert(e, 300, 0, QStringLiteral("-->"));
     }},
    {"ScriptTagStringOpened", [](Editor &e) { Insert(e, 5, 3, QStringLiteral("<script type=\"")); }},
    {"TagLeftOpen", [](Editor &e) { Insert(e, 10, 0, QStringLiteral("<table")); }},
    {"LinesDeletedAcrossBlocks",
     [](Editor &e) {
         e.SetSel({100, 5, 3000, 2});
         e.DeleteSel();
     }},
    {"LinesWithACommentPastedIn", [](Editor &e) { Insert(e, 50, 2, QStringLiteral("a\n<!--\nb\r\nc\rd -->e\n<p")); }},
    {"LineEndTakenAway",
     [](Editor &e) {
         e.SetSel({63, e.GetLineLength(63), 64, 0});
         e.DeleteSel();
     }},
    {"CommentOpenedShownThenUndone",
     [](Editor &e) {
         Insert(e, 0, 0, QStringLiteral("<!--"));
         e.ExecuteCmd(CmdDocumentEnd);
         e.Control()->viewport()->repaint();
         e.Undo();
     }},
    {"CommentOpenedNearTheEnd", [](Editor &e) { Insert(e, e.LineCount() - 30, 0, QStringLiteral("<!--")); }},
    // Many changes before the text is shown again, as a replacement in every line makes them.
    {"ManyLinesEditedFromTheBottomUp",
     [](Editor &e) {
         for (int line = e.LineCount() - 5; line > 0; line -= 97)
             Insert(e, line, 3, line % 2 ? QStringLiteral("<i title='a\nb' ") : QStringLiteral("x\n<!--\n-->"));
     }},
    // A comment opened far down, then lines put in above it, both before the text is shown again.
    {"LinesPutInAboveAnOpenedComment",
     [](Editor &e) {
         Insert(e, 5000, 0, QStringLiteral("<!--"));
         Insert(e, 100, 0, QStringLiteral("<p>\n").repeated(50));
     }},
    {"ManyLinesEditedFromTheTopDown",
     [](Editor &e) {
         for (int line = 1; line < e.LineCount() - 5; line += 89) {
             e.SetSel({line, 0, line + 2, 0});
             e.SetSelText(line % 3 ? QStringLiteral("<b") : QStringLiteral("a\nb\nc\n<p title=\"open"));
         }
     }},
    {"WholeTextReplaced",
     [](Editor &e) {
         e.SetSel({0, 0, e.LineCount(), 0});
         e.SetSelText(QStringLiteral("<p class=\"a\n\nb\">text</p>\n<!-- end"));
     }},
};

// A page read as a file is, its end shown, then edited: the lines shown after a jump to the end, and
// elsewhere, are coloured as when the edited text is coloured from its start.
class EditsOfAReadPage : public JumpedPage, public testing::WithParamInterface<std::tuple<PageEdit, const char *>> {};

TEST_P(EditsOfAReadPage, ColourTheLinesBelowAsTheEditedTextFromItsStart)
{
    // A tag open over the last lines, and no comment closer below the top.
    ShowTheEnd(Page(tails[2].tail, QString::fromLatin1(std::get<1>(GetParam()))), true);
    ExpectShownAsColouredFromTheStart(page);
    std::get<0>(GetParam()).edit(jumped);
    Paint();
    const QString edited = jumped.Text();
    ShowTheEnd();
    ExpectShownAsColouredFromTheStart(edited);
    for (const long line : {LineCount() / 2, 2L, LineCount() - 3}) {
        ScrollTo(line);
        ExpectShownAsColouredFromTheStart(edited);
    }
}

INSTANTIATE_TEST_SUITE_P(Edits, EditsOfAReadPage, testing::Combine(testing::ValuesIn(pageEdits), testing::ValuesIn(lineEnds)),
                         casenames::Named(WithLineEnd<PageEdit>));

// "<p" of a filler line in the middle of the page, far above the end.
constexpr long Middle = 15000;

TEST_F(JumpedPage, LeavesTheLinesBetweenUncolouredUntilTheyAreShown)
{
    ShowTheEnd(Page(QStringLiteral("<p>end</p>"), QStringLiteral("\n")));
    EXPECT_EQ(StyleAt(Middle, 1), TokenText);
    ScrollTo(Middle - 5);
    EXPECT_EQ(StyleAt(Middle, 1), TokenTagElementName);
}

TEST_F(JumpedPage, PrintsEveryLineColoured)
{
    ShowTheEnd(Page(QStringLiteral("<p>end</p>"), QStringLiteral("\n")));
    TempFolder folder;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.path("out.pdf"));
    // Printing asks for the lines of one page after another, each far above the shown lines.
    ASSERT_TRUE(jumped.PrintContents(printer, 1, 10));
    EXPECT_EQ(StyleAt(Middle, 1), TokenTagElementName);
}

} // namespace
