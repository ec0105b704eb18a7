#include "platform/editor/LineStates.h"

#include "tests/CaseNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using platform::editor::LineStates;

namespace {

// A small language of its own: "<" opens a tag and ">" ends it, "{" opens a comment that only "}" ends,
// and a quote in a tag opens a string that runs to the next quote, over line ends.
enum State { Text = 0, Tag = 1, Comment = 2, String = 3 };

int LexLine(const std::string &line, int state)
{
    for (const char c : line) {
        if (state == Text && c == '<')
            state = Tag;
        else if (state == Text && c == '{')
            state = Comment;
        else if (state == Comment && c == '}')
            state = Text;
        else if (state == Tag && c == '>')
            state = Text;
        else if (state == Tag && c == '"')
            state = String;
        else if (state == String && c == '"')
            state = Tag;
    }
    return state;
}

// A text of lines, the states kept for it, and the number of lines lexed to find them.
class KeptStates : public testing::Test {
protected:
    LineStates::Lex Lexer()
    {
        return [this](long first, long count, int state) {
            EXPECT_LE(first + count, static_cast<long>(lines.size())) << "lexed past the end";
            for (long line = first; line < first + count && line < static_cast<long>(lines.size()); ++line)
                state = LexLine(lines[static_cast<size_t>(line)], state);
            lexed += count;
            return state;
        };
    }

    int StateAt(long line) { return states.StateAt(line, Lexer()); }

    // The state at the start of `line`, lexing every line above it.
    int Scanned(long line) const
    {
        int state = Text;
        for (long i = 0; i < line; ++i)
            state = LexLine(lines[static_cast<size_t>(i)], state);
        return state;
    }

    // Lines `first` to `last` give way to `replacement`.
    void Edit(long first, long last, const std::vector<std::string> &replacement)
    {
        lines.erase(lines.begin() + first, lines.begin() + last + 1);
        lines.insert(lines.begin() + first, replacement.begin(), replacement.end());
        if (lines.empty())
            lines.emplace_back();
        states.Changed(first, last, static_cast<long>(lines.size()));
    }

    // The blocks that a scan of the whole text finds, as the open hands them over.
    void Scan()
    {
        std::vector<LineStates::Block> blocks;
        int state = Text;
        for (size_t first = 0; first < lines.size(); first += LineStates::BlockLines) {
            const size_t count = std::min(lines.size() - first, size_t(LineStates::BlockLines));
            int end = state;
            for (size_t line = first; line < first + count; ++line)
                end = LexLine(lines[line], end);
            blocks.push_back({static_cast<long>(count), state, end, true});
            state = end;
        }
        ASSERT_TRUE(states.Take(blocks, static_cast<long>(lines.size())));
    }

    void ExpectEveryLineAsScanned()
    {
        int scanned = Text;
        for (size_t line = 0; line < lines.size(); ++line) {
            if (line % 7 == 0 || line + 1 == lines.size()) {
                ASSERT_EQ(StateAt(static_cast<long>(line)), scanned) << "line " << line;
            }
            scanned = LexLine(lines[line], scanned);
        }
    }

    std::vector<std::string> lines = std::vector<std::string>(20000, "<p class=\"x\">text</p> and more");
    LineStates states;
    long lexed = 0;
};

TEST_F(KeptStates, AfterAScanAnyLineCostsOnlyTheLinesAboveItInItsBlock)
{
    lines[10] = "{ a comment opened";
    lines[15000] = "closed } <b";
    Scan();
    for (const long line : {19999L, 0L, 12345L, 15001L, 64L}) {
        lexed = 0;
        EXPECT_EQ(StateAt(line), Scanned(line)) << line;
        EXPECT_LT(lexed, LineStates::BlockLines) << line;
    }
}

TEST_F(KeptStates, WithoutAScanTheFirstJumpLexesOnceAndTheNextOnesNoMore)
{
    states.Reset(static_cast<long>(lines.size()));
    EXPECT_EQ(StateAt(19999), Scanned(19999));
    EXPECT_EQ(lexed, 19999);
    lexed = 0;
    EXPECT_EQ(StateAt(19990), Scanned(19990));
    EXPECT_LT(lexed, LineStates::BlockLines);
}

struct EditCase {
    const char *what;
    long first;
    long last;
    std::vector<std::string> replacement;
    // At most this many lines are lexed for the jump to the end after the edit.
    long lexedAtMost;
    // A line that closes comments, put in before the scan; none when negative.
    long closerAt = -1;
};

void PrintTo(const EditCase &edit, std::ostream *out)
{
    casenames::Print(out, edit.what);
}

const EditCase edits[] = {
    {"a word typed at the top", 3, 3, {"<p class=\"x\">text</p> and more words"}, 2 * LineStates::BlockLines},
    {"a comment opened at the top, closed nowhere", 3, 3, {"{ <p>"}, 20000},
    // From the edited block to the block where the states below the closer are those of the scan again.
    {"a comment opened and closed three hundred lines on", 3, 3, {"{ <p>"}, 303 + 2 * LineStates::BlockLines, 303},
    {"a tag string opened", 100, 100, {"<a title=\"open"}, 20000},
    {"lines deleted across blocks", 100, 300, {"<p>joined"}, 2 * LineStates::BlockLines},
    {"lines put in among others", 500, 500, {"one", "<two", "three>", "four"}, 2 * LineStates::BlockLines},
    {"a line joined to the one above", 64, 64, {}, 2 * LineStates::BlockLines},
    {"the last lines deleted", 19000, 19999, {"<p>end"}, 2 * LineStates::BlockLines},
    {"every line replaced", 0, 19999, {"{", "}"}, 2},
};

class KeptStatesAfterAnEdit : public KeptStates, public testing::WithParamInterface<EditCase> {};

TEST_P(KeptStatesAfterAnEdit, FollowTheTextAsAScanOfItWould)
{
    const EditCase &edit = GetParam();
    if (edit.closerAt >= 0)
        lines[static_cast<size_t>(edit.closerAt)] = "}";
    Scan();
    Edit(edit.first, edit.last, edit.replacement);
    lexed = 0;
    const long last = static_cast<long>(lines.size()) - 1;
    EXPECT_EQ(StateAt(last), Scanned(last));
    EXPECT_LE(lexed, edit.lexedAtMost);
    ExpectEveryLineAsScanned();
}

INSTANTIATE_TEST_SUITE_P(Edits, KeptStatesAfterAnEdit, testing::ValuesIn(edits), casenames::Named(&EditCase::what));

TEST_F(KeptStates, ManyEditsAnywhereKeepEveryLineAsAScanFindsIt)
{
    const std::string pieces[] = {"<", ">", "{", "}", "\"", "text ", "<b>", "{}", "\"a\""};
    std::mt19937 random(7);
    const auto line = [&] {
        std::string text;
        for (int i = std::uniform_int_distribution<int>(0, 4)(random); i > 0; --i)
            text += pieces[std::uniform_int_distribution<size_t>(0, std::size(pieces) - 1)(random)];
        return text;
    };
    lines.resize(3000);
    for (std::string &text : lines)
        text = line();
    Scan();
    for (int round = 0; round < 300; ++round) {
        const long count = static_cast<long>(lines.size());
        const long first = std::uniform_int_distribution<long>(0, count - 1)(random);
        const long last = std::min(count - 1, first + std::uniform_int_distribution<long>(0, 150)(random) / 50);
        std::vector<std::string> replacement(std::uniform_int_distribution<size_t>(0, 3)(random));
        for (std::string &text : replacement)
            text = line();
        Edit(first, last, replacement);
        const long asked = std::uniform_int_distribution<long>(0, static_cast<long>(lines.size()) - 1)(random);
        ASSERT_EQ(StateAt(asked), Scanned(asked)) << "round " << round << ", line " << asked;
    }
    ExpectEveryLineAsScanned();
}

TEST_F(KeptStates, ALinePastTheEndStartsInTheStateTheTextEndsInAndKeepsTheBlocksWhole)
{
    const long count = static_cast<long>(lines.size());
    lines.back() = "<b";
    for (const bool scanned : {false, true}) {
        SCOPED_TRACE(scanned ? "scanned" : "never scanned");
        if (scanned)
            Scan();
        else
            states.Reset(count);
        for (const long line : {count, count + 1, count + 1000, -5L}) {
            EXPECT_EQ(StateAt(line), Scanned(std::clamp(line, 0L, count))) << line;
            long total = 0;
            for (const LineStates::Block &block : states.Blocks()) {
                ASSERT_GT(block.lines, 0) << line;
                total += block.lines;
            }
            EXPECT_EQ(total, count) << line;
        }
        ExpectEveryLineAsScanned();
    }
}

TEST_F(KeptStates, BlocksThatDoNotMakeUpTheTextAreRefused)
{
    EXPECT_FALSE(states.Take({{10, Text, Text, true}}, 11));
    EXPECT_FALSE(states.Take({{0, Text, Text, true}}, 0));
    EXPECT_FALSE(states.Take({}, 0));
    EXPECT_TRUE(states.Take({{10, Text, Tag, true}, {1, Tag, Tag, true}}, 11));
    EXPECT_EQ(states.LineCount(), 11);
}

} // namespace
