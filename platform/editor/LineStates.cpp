#include "platform/editor/LineStates.h"

#include <algorithm>

namespace platform::editor {

void LineStates::Reset(long lineCount)
{
    lineCount_ = std::max(lineCount, 0L);
    blocks_.clear();
    if (lineCount_ > 0)
        blocks_.push_back({lineCount_, 0, 0, false});
}

bool LineStates::Take(std::vector<Block> blocks, long lineCount)
{
    long total = 0;
    for (const Block &block : blocks) {
        if (block.lines <= 0)
            return false;
        total += block.lines;
    }
    if (total != lineCount || blocks.empty())
        return false;
    blocks_ = std::move(blocks);
    lineCount_ = lineCount;
    return true;
}

size_t LineStates::BlockOf(long line, long &first) const
{
    first = 0;
    for (size_t i = 0; i + 1 < blocks_.size(); ++i) {
        if (line < first + blocks_[i].lines)
            return i;
        first += blocks_[i].lines;
    }
    return blocks_.empty() ? 0 : blocks_.size() - 1;
}

void LineStates::Changed(long first, long last, long lineCount)
{
    if (blocks_.empty() || lineCount <= 0) {
        Reset(lineCount);
        return;
    }
    long start = 0, ignored = 0;
    size_t from = BlockOf(first, start);
    const size_t to = std::max(from, BlockOf(std::max(first, last), ignored));
    // The blocks that the edited lines lie in become one, to be lexed again; the lines that the edit
    // added or removed are theirs.
    Block merged;
    for (size_t i = from; i <= to; ++i)
        merged.lines += blocks_[i].lines;
    merged.lines += lineCount - lineCount_;
    blocks_.erase(blocks_.begin() + static_cast<long>(from) + 1, blocks_.begin() + static_cast<long>(to) + 1);
    blocks_[from] = merged;
    // An edit that took every line of the block (a line end joined to the one above it) leaves its
    // neighbour's first line edited.
    while (blocks_[from].lines <= 0 && blocks_.size() > 1) {
        const size_t other = from + 1 < blocks_.size() ? from + 1 : from - 1;
        blocks_[std::min(from, other)].lines = blocks_[from].lines + blocks_[other].lines;
        blocks_[std::min(from, other)].known = false;
        blocks_.erase(blocks_.begin() + static_cast<long>(std::max(from, other)));
        from = std::min(from, other);
    }
    lineCount_ = lineCount;
    if (blocks_[from].lines <= 0)
        Reset(lineCount);
}

void LineStates::Relex(size_t index, long first, int state, const Lex &lex)
{
    const long lines = blocks_[index].lines;
    std::vector<Block> pieces;
    for (long done = 0; done < lines;) {
        const long count = std::min(BlockLines, lines - done);
        const int end = lex(first + done, count, state);
        pieces.push_back({count, state, end, true});
        state = end;
        done += count;
    }
    blocks_[index] = pieces.front();
    blocks_.insert(blocks_.begin() + static_cast<long>(index) + 1, pieces.begin() + 1, pieces.end());
}

int LineStates::StateAt(long line, const Lex &lex)
{
    // A line past the end starts where the text ends.
    line = std::clamp(line, 0L, lineCount_);
    int state = 0;
    long first = 0;
    for (size_t i = 0; i < blocks_.size(); ++i) {
        if (line < first + blocks_[i].lines || i + 1 == blocks_.size()) {
            // A long block (a text never scanned, a large paste) gives up its lines above the asked one as
            // blocks of their own, so that the next line asked for below them is found from there.
            // The block keeps at least the asked line, or its last one.
            while (line - first >= BlockLines && blocks_[i].lines > BlockLines) {
                const int end = lex(first, BlockLines, state);
                Block &rest = blocks_[i];
                rest.known = rest.known && rest.start == state;
                rest.start = end;
                rest.lines -= BlockLines;
                blocks_.insert(blocks_.begin() + static_cast<long>(i), {BlockLines, state, end, true});
                ++i;
                state = end;
                first += BlockLines;
            }
            const long above = std::min(line, first + blocks_[i].lines) - first;
            return above > 0 ? lex(first, above, state) : state;
        }
        if (!blocks_[i].known || blocks_[i].start != state)
            Relex(i, first, state, lex);
        state = blocks_[i].end;
        first += blocks_[i].lines;
    }
    return state;
}

} // namespace platform::editor
