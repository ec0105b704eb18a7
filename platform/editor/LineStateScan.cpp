#include "platform/editor/LineStateScan.h"

#include "platform/editor/SyntaxLexer.h"
#include "platform/editor/TextLines.h"

namespace platform::editor::LineStateScan {

namespace {

// A line longer than this is not joined: the scan gives up, and the lexer finds the states when they are
// asked for, as for a text that was never scanned.
constexpr qsizetype MaxJoined = 4 << 20;
// Parts of long lines that pieces keep until they are joined, all together.
constexpr qsizetype MaxKept = 16 << 20;

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
    TextLines lines(text, length);
    long at = lines.EndOf(0);
    if (!Complete(text, length, at)) {
        piece.head = QByteArray(text, length);
        piece.whole = true;
        return piece;
    }
    piece.head = QByteArray(text, at);
    Blocks blocks(lexer, piece.blocks, 0);
    while (at < length) {
        const long end = lines.EndOf(at);
        if (!Complete(text, length, end)) {
            piece.tail = QByteArray(text + at, end - at);
            break;
        }
        blocks.Line(text + at, end - at);
        at = end;
    }
    blocks.End();
    return piece;
}

std::vector<LineStates::Block> Join(const SyntaxLexer &lexer, const std::vector<Piece> &pieces)
{
    std::vector<LineStates::Block> joined;
    QByteArray carried;
    int state = 0;
    // The lines that `carried` holds, all complete, as a block of their own.
    const auto lines = [&](bool last) {
        Blocks blocks(lexer, joined, state);
        TextLines found(carried.constData(), carried.size());
        long at = 0;
        while (at < carried.size()) {
            const long end = found.EndOf(at);
            if (last && !EndsLine(carried.constData()[end - 1]))
                break;
            blocks.Line(carried.constData() + at, end - at);
            at = end;
        }
        if (last)
            blocks.Last(carried.constData() + at, carried.size() - at);
        blocks.End();
        state = blocks.State();
        carried.clear();
    };
    for (const Piece &piece : pieces) {
        carried += piece.head;
        if (carried.size() > MaxJoined)
            return {};
        if (piece.whole)
            continue;
        lines(false);
        joined.insert(joined.end(), piece.blocks.begin(), piece.blocks.end());
        if (!piece.blocks.empty())
            state = piece.blocks.back().end;
        carried = piece.tail;
    }
    // The text's last lines: a lone CR at its end ends one, and the last line follows it, empty.
    lines(true);
    return joined;
}

void Pieces::Scan(size_t index, const char *text, qsizetype length)
{
    {
        const std::lock_guard lock(mutex_);
        if (gaveUp_)
            return;
    }
    Piece piece = LineStateScan::Scan(lexer_, text, length);
    const std::lock_guard lock(mutex_);
    if (piece.whole)
        kept_ += piece.head.size();
    gaveUp_ = gaveUp_ || kept_ > MaxKept;
    if (gaveUp_) {
        pieces_.clear();
        return;
    }
    if (pieces_.size() <= index)
        pieces_.resize(index + 1);
    pieces_[index] = std::move(piece);
}

std::vector<LineStates::Block> Pieces::Join()
{
    const std::lock_guard lock(mutex_);
    return gaveUp_ ? std::vector<LineStates::Block>() : LineStateScan::Join(lexer_, pieces_);
}

} // namespace platform::editor::LineStateScan
