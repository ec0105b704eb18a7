#pragma once

#include <functional>
#include <vector>

namespace platform::editor {

// The lexer's state at the start of the lines of a text, kept for blocks of lines: a block holds the state
// that its first line starts in and the state that its last line ends in. A block whose text changed, or
// that the block above it now leaves in another state, is lexed again when a line below it is asked for;
// every other block is passed in one step. So the state of any line costs the lexing of the blocks changed
// since (and of those below them whose state the change carried on into) and of the lines above it in its
// own block, however far down the text it lies. The text starts in state 0. The states belong to the
// window thread: the scan's threads only lay out blocks for Take.
class LineStates {
public:
    // Lines per block, as a scan of the whole text lays them out and as blocks lexed again are cut.
    static constexpr long BlockLines = 64;

    struct Block {
        long lines = 0;
        // The state the block was entered in when `end` was found.
        int start = 0;
        int end = 0;
        // `end` holds for the block's present text.
        bool known = false;
        bool operator==(const Block &) const = default;
    };

    // Lexes `count` lines from line `first` on, entered in `state`, colouring nothing; returns the state
    // at their end.
    using Lex = std::function<int(long first, long count, int state)>;

    // The text has `lineCount` lines, none of them lexed.
    void Reset(long lineCount);
    // The blocks that a scan of the whole text found; false, keeping nothing, when they do not make up
    // `lineCount` lines.
    bool Take(std::vector<Block> blocks, long lineCount);
    // Lines `first` to `last`, numbered as they were before the change, were edited, and the text now has
    // `lineCount` lines: lines that the edit added or removed lie among them.
    void Changed(long first, long last, long lineCount);
    // The state at the start of `line`; a line past the end gives the state the text ends in, one before
    // the first the text's first state.
    int StateAt(long line, const Lex &lex);

    long LineCount() const { return lineCount_; }
    const std::vector<Block> &Blocks() const { return blocks_; }

private:
    // The block that holds `line`, and the number of its first line.
    size_t BlockOf(long line, long &first) const;
    // Finds the end of block `index`, entered in `state`; a long block is cut into blocks of BlockLines.
    void Relex(size_t index, long first, int state, const Lex &lex);

    std::vector<Block> blocks_;
    long lineCount_ = 0;
};

} // namespace platform::editor
