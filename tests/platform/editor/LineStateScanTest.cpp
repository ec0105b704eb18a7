#include "platform/editor/LineStateScan.h"
#include "platform/editor/SyntaxLexer.h"
#include "platform/editor/TextLines.h"

#include <gtest/gtest.h>

#include <random>

using namespace platform::editor;

namespace {

LanguageDefinition Html()
{
    LanguageDefinition html;
    html.Style = LanguageStyleSgml;
    html.MultiLineComments1 = QStringLiteral("<!--");
    html.MultiLineComments2 = QStringLiteral("-->");
    html.StringDelims = QStringLiteral("\"\n'");
    return html;
}

// The blocks of `text` as the lexer finds them line by line, the text whole.
std::vector<LineStates::Block> LexedWhole(const SyntaxLexer &lexer, const QByteArray &text)
{
    std::vector<LineStates::Block> blocks;
    TextLines lines(text.constData(), text.size());
    int state = 0, blockStart = 0;
    long inBlock = 0;
    long at = 0;
    while (at < text.size()) {
        const long end = lines.EndOf(at);
        state = lexer.LexLine(text.constData() + at, static_cast<int>(end - at), state, nullptr);
        at = end;
        const char last = text.constData()[end - 1];
        if (last != '\r' && last != '\n')
            break; // the last line, without a line end
        if (++inBlock == LineStates::BlockLines) {
            blocks.push_back({inBlock, blockStart, state, true});
            blockStart = state;
            inBlock = 0;
        }
    }
    blocks.push_back({inBlock + 1, blockStart, state, true});
    return blocks;
}

std::vector<LineStates::Block> Scanned(const SyntaxLexer &lexer, const QByteArray &text, qsizetype pieceSize)
{
    LineStateScan scan(lexer);
    for (qsizetype at = 0; at < text.size(); at += pieceSize)
        scan.Add(text.constData() + at, std::min(pieceSize, text.size() - at));
    return scan.Finish();
}

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

class StateScan : public testing::Test {
protected:
    void SetUp() override { lexer.SetDefinition(Html()); }
    SyntaxLexer lexer;
};

TEST_F(StateScan, FindsTheBlocksOfTheWholeTextWhateverPiecesItComesIn)
{
    const QByteArray texts[] = {MixedText(), MixedText() + "\r", MixedText() + "\r\n", QByteArray(),
                                "\r", "\n", "\r\n", "a", "a\r", "<!-- a\r\rb", QByteArray(200, '\r')};
    for (const QByteArray &text : texts) {
        const std::vector<LineStates::Block> expected = LexedWhole(lexer, text);
        for (const qsizetype pieceSize : {1, 2, 3, 5, 64, 1000, 1 << 20}) {
            SCOPED_TRACE(std::to_string(text.size()) + " bytes in pieces of " + std::to_string(pieceSize));
            EXPECT_EQ(Scanned(lexer, text, pieceSize), expected);
        }
    }
}

TEST_F(StateScan, GivesUpOnALineTooLongToCarry)
{
    const QByteArray text = "<p>\n" + QByteArray(5 << 20, 'x') + "\n<!--\nend";
    EXPECT_TRUE(Scanned(lexer, text, 1 << 16).empty());
}

} // namespace
