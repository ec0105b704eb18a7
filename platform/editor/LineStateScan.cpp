#include "platform/editor/LineStateScan.h"

#include "platform/editor/SyntaxLexer.h"
#include "platform/editor/TextLines.h"

namespace platform::editor::LineStateScan {

namespace {

// Lexes lines into blocks of BlockLines, from `state` on.
class Blocks {
public:
    Blocks(const SyntaxLexer &lexer, std::vector<LineStates::Block> &blocks, int state)
        : lexer_(lexer), blocks_(blocks), start_(state), state_(state)
    {
    }
    void Line(const char *text, long length)
    {
        state_ = lexer_.LexLine(text, static_cast<int>(length), state_, nullptr);
        if (++lines_ == LineStates::BlockLines)
            End();
    }
    // The lines since the last block become one.
    void End()
    {
        if (lines_ > 0)
            blocks_.push_back({lines_, start_, state_, true});
        start_ = state_;
        lines_ = 0;
    }
    // Counts the text's last line, which has no line end (and may be empty), into the last block.
    void Last(const char *text, long length)
    {
        if (length > 0)
            state_ = lexer_.LexLine(text, static_cast<int>(length), state_, nullptr);
        ++lines_;
        End();
    }
    int State() const { return state_; }

private:
    const SyntaxLexer &lexer_;
    std::vector<LineStates::Block> &blocks_;
    int start_;
    int state_;
    long lines_ = 0;
};

bool EndsLine(char c)
{
    return c == '\n' || c == '\r';
}

// Whether a line that ends at `end` is known to be complete: it ends in LF, or in a CR that is not the
// text's last byte, where an LF after it would still belong to it.
bool Complete(const char *text, long length, long end)
{
    return end < length || (end > 0 && text[end - 1] == '\n');
}

} // namespace

Piece Scan(const SyntaxLexer &lexer, const char *text, qsizetype length)
{
    Piece piece;
    piece.length = length;
    piece.tailStart = length;
    TextLines lines(text, length);
    long at = lines.EndOf(0);
    if (!Complete(text, length, at)) {
        piece.headLength = length;
        piece.whole = true;
        return piece;
    }
    piece.headLength = at;
    Blocks blocks(lexer, piece.blocks, 0);
    while (at < length) {
        const long end = lines.EndOf(at);
        if (!Complete(text, length, end)) {
            piece.tailStart = at;
            break;
        }
        blocks.Line(text + at, end - at);
        at = end;
    }
    blocks.End();
    return piece;
}

std::vector<LineStates::Block> Join(const SyntaxLexer &lexer, const std::vector<Piece> &pieces, const char *text,
                                    qsizetype length)
{
    qsizetype total = 0;
    for (const Piece &piece : pieces)
        total += piece.length;
    if (total != length)
        return {};
    std::vector<LineStates::Block> joined;
    int state = 0;
    // The lines from `from` to `to`, all complete unless they are the text's last, as blocks of their own.
    const auto lines = [&](qsizetype from, qsizetype to, bool last) {
        Blocks blocks(lexer, joined, state);
        TextLines found(text + from, to - from);
        long at = 0;
        while (at < to - from) {
            const long end = found.EndOf(at);
            if (last && !EndsLine(text[from + end - 1]))
                break;
            blocks.Line(text + from + at, end - at);
            at = end;
        }
        if (last)
            blocks.Last(text + from + at, to - from - at);
        blocks.End();
        state = blocks.State();
    };
    // The start of the lines that went on from the pieces before, not lexed yet.
    qsizetype carried = 0;
    qsizetype start = 0;
    for (const Piece &piece : pieces) {
        if (!piece.whole) {
            lines(carried, start + piece.headLength, false);
            joined.insert(joined.end(), piece.blocks.begin(), piece.blocks.end());
            if (!piece.blocks.empty())
                state = piece.blocks.back().end;
            carried = start + piece.tailStart;
        }
        start += piece.length;
    }
    // The text's last lines: a lone CR at its end ends one, and the last line follows it, empty.
    lines(carried, length, true);
    return joined;
}

void Pieces::Scan(size_t index, const char *text, qsizetype length)
{
    Piece piece = LineStateScan::Scan(lexer_, text, length);
    const std::lock_guard lock(mutex_);
    if (pieces_.size() <= index)
        pieces_.resize(index + 1);
    pieces_[index] = std::move(piece);
}

std::vector<LineStates::Block> Pieces::Join(const char *text, qsizetype length)
{
    const std::lock_guard lock(mutex_);
    return LineStateScan::Join(lexer_, pieces_, text, length);
}

} // namespace platform::editor::LineStateScan
