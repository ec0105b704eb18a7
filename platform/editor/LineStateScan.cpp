#include "platform/editor/LineStateScan.h"

#include "platform/editor/SyntaxLexer.h"
#include "platform/editor/TextLines.h"

namespace platform::editor {

namespace {

// A line longer than this is not followed: the scan gives up, and the lexer finds the states when they
// are asked for, as for a text that was never scanned.
constexpr qsizetype MaxCarried = 4 << 20;

bool EndsLine(char c)
{
    return c == '\n' || c == '\r';
}

} // namespace

void LineStateScan::Line(const char *text, qsizetype length)
{
    state_ = lexer_.LexLine(text, static_cast<int>(length), state_, nullptr);
    if (++linesInBlock_ == LineStates::BlockLines) {
        blocks_.push_back({LineStates::BlockLines, blockStart_, state_, true});
        blockStart_ = state_;
        linesInBlock_ = 0;
    }
}

void LineStateScan::Keep(const char *text, qsizetype length)
{
    carried_.append(text, length);
    failed_ = carried_.size() > MaxCarried;
    if (failed_)
        carried_.clear();
}

qsizetype LineStateScan::Carry(const char *text, qsizetype length)
{
    // A line that ended in CR at the end of the pieces before takes the LF that this one may begin with.
    if (carried_.endsWith('\r')) {
        const bool lineFeed = length > 0 && text[0] == '\n';
        if (lineFeed)
            carried_ += '\n';
        Line(carried_.constData(), carried_.size());
        carried_.clear();
        return lineFeed ? 1 : 0;
    }
    TextLines lines(text, length);
    const long end = lines.EndOf(0);
    if (end == length && !(end > 0 && text[end - 1] == '\n')) {
        Keep(text, length);
        return length;
    }
    carried_.append(text, end);
    Line(carried_.constData(), carried_.size());
    carried_.clear();
    return end;
}

void LineStateScan::Add(const char *text, qsizetype length)
{
    qsizetype at = carried_.isEmpty() ? 0 : Carry(text, length);
    TextLines lines(text, length);
    while (!failed_ && at < length) {
        const long end = lines.EndOf(at);
        // A line that reaches the end of the piece without a line end, or with a CR that an LF may yet
        // follow, goes on in the next piece.
        if (end == length && text[end - 1] != '\n') {
            Keep(text + at, end - at);
            break;
        }
        Line(text + at, end - at);
        at = end;
    }
}

std::vector<LineStates::Block> LineStateScan::Finish()
{
    if (failed_)
        return {};
    // The last line has no line end: it is empty when the text ends in one, else the line carried.
    int end = state_;
    if (!carried_.isEmpty() && EndsLine(carried_.back())) {
        Line(carried_.constData(), carried_.size());
        end = state_;
    } else if (!carried_.isEmpty()) {
        end = lexer_.LexLine(carried_.constData(), static_cast<int>(carried_.size()), state_, nullptr);
    }
    carried_.clear();
    blocks_.push_back({linesInBlock_ + 1, blockStart_, end, true});
    return std::move(blocks_);
}

} // namespace platform::editor
