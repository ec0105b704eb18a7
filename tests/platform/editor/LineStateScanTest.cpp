#include "platform/editor/LineStateScan.h"
#include "platform/editor/SyntaxLexer.h"
#include "platform/editor/TextLines.h"
#include "tests/platform/editor/HtmlLanguage.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace platform::editor;

namespace {

// A text of many lines, every kind of line end among them, with comments, tags and strings that run over
// line ends.
QByteArray MixedText()
{
    const char *const pieces[] = {"\r", "\n", "\r\n", "\r\r", "\n\r", "<!-- ", " -->", "<p a=\"", "\"", "'",
                                  "<b>", "text ", "&amp;", ">", "<", "при"};
    std::mt19937 random(11);
    QByteArray text;
    while (text.size() < 40000)
        text += pieces[std::uniform_int_distribution<size_t>(0, std::size(pieces) - 1)(random)];
    return text;
}

// A page whose every line starts outside any tag, comment or string.
QByteArray Page()
{
    QByteArray page;
    for (int i = 0; i < 3000; ++i)
        page += "<p class=\"x\">Строка &amp; <b>text</b> <!-- note --></p>" + QByteArray(i % 3 ? "\r\n" : "\n");
    return page;
}

// The text's lines, their line ends included; the last one has none and may be empty.
std::vector<QByteArray> LinesOf(const QByteArray &text)
{
    std::vector<QByteArray> lines;
    TextLines found(text.constData(), text.size());
    for (long at = 0; at < text.size();) {
        const long end = found.EndOf(at);
        lines.push_back(text.mid(at, end - at));
        at = end;
    }
    if (lines.empty() || lines.back().endsWith('\n') || lines.back().endsWith('\r'))
        lines.emplace_back();
    return lines;
}

class StateScan : public testing::Test {
protected:
    void SetUp() override { lexer.SetDefinition(HtmlLanguage()); }

    // Scans `text` in pieces of `pieceSize` and keeps what the scan found.
    bool Read(const QByteArray &text, qsizetype pieceSize)
    {
        lines = LinesOf(text);
        std::vector<LineStateScan::Piece> pieces;
        for (qsizetype at = 0; at < text.size(); at += pieceSize)
            pieces.push_back(LineStateScan::Scan(lexer, text.constData() + at, std::min(pieceSize, text.size() - at)));
        return states.Take(LineStateScan::Join(lexer, pieces, text.constData(), text.size()),
                           static_cast<long>(lines.size()));
    }

    int StateAt(long line)
    {
        return states.StateAt(line, [this](long first, long count, int state) {
            for (long i = first; i < first + count; ++i) {
                const QByteArray &text = lines[static_cast<size_t>(i)];
                state = lexer.LexLine(text.constData(), static_cast<int>(text.size()), state, nullptr);
            }
            lexed += count;
            return state;
        });
    }

    // Every line's state as lexing the whole text from its start finds it.
    void ExpectEveryLineAsLexedWhole()
    {
        int state = 0;
        for (size_t line = 0; line < lines.size(); ++line) {
            ASSERT_EQ(StateAt(static_cast<long>(line)), state) << "line " << line;
            state = lexer.LexLine(lines[line].constData(), static_cast<int>(lines[line].size()), state, nullptr);
        }
    }

    SyntaxLexer lexer;
    LineStates states;
    std::vector<QByteArray> lines;
    long lexed = 0;
};

TEST_F(StateScan, GivesEveryLineTheStateOfTheWholeTextWhateverPiecesItComesIn)
{
    const QByteArray texts[] = {MixedText(), MixedText() + "\r", MixedText() + "\r\n", Page(), QByteArray(),
                                "\r", "\n", "\r\n", "a", "a\r", "<!-- a\r\rb", QByteArray(200, '\r')};
    for (const QByteArray &text : texts) {
        for (const qsizetype pieceSize : {1, 2, 3, 5, 64, 1000, 1 << 20}) {
            SCOPED_TRACE(std::to_string(text.size()) + " bytes in pieces of " + std::to_string(pieceSize));
            ASSERT_TRUE(Read(text, pieceSize));
            ExpectEveryLineAsLexedWhole();
        }
    }
}

TEST_F(StateScan, AJumpToTheEndOfAPageLexesOnlyTheLinesOfItsLastBlock)
{
    const QByteArray page = Page();
    for (const qsizetype pieceSize : {1000, 7001, 1 << 16}) {
        ASSERT_TRUE(Read(page, pieceSize));
        lexed = 0;
        StateAt(static_cast<long>(lines.size()) - 1);
        EXPECT_LT(lexed, LineStates::BlockLines) << pieceSize;
    }
}

TEST_F(StateScan, JoinsLinesThatRunOverManyPieces)
{
    // Minified markup: lines far longer than a piece, some of them ending inside a comment or a tag, and
    // one of megabytes.
    QByteArray text;
    for (int i = 0; i < 40; ++i) {
        text += QByteArray("<p class=\"x\">Строка &amp; <b>text</b></p>").repeated(100 + 37 * i);
        text += i % 5 == 0 ? "<!-- open\n" : i % 7 == 0 ? "<a href=\"x\n" : "\n";
    }
    text += "<p>\n" + QByteArray(5 << 20, 'x') + "\n<!--\nend";
    for (const qsizetype pieceSize : {1000, 7001, 1 << 16}) {
        SCOPED_TRACE(pieceSize);
        ASSERT_TRUE(Read(text, pieceSize));
        ExpectEveryLineAsLexedWhole();
    }
}

TEST_F(StateScan, PiecesThatDoNotMakeUpTheTextJoinToNothing)
{
    const QByteArray page = Page();
    std::vector<LineStateScan::Piece> pieces;
    for (qsizetype at = 0; at < page.size(); at += 1000) {
        const qsizetype length = std::min<qsizetype>(1000, page.size() - at);
        pieces.push_back(LineStateScan::Scan(lexer, page.constData() + at, length));
    }
    pieces.erase(pieces.begin() + 3);
    EXPECT_TRUE(LineStateScan::Join(lexer, pieces, page.constData(), page.size()).empty());
}

} // namespace
