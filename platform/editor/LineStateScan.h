#pragma once

#include "platform/editor/LineStates.h"

#include <QtGlobal>

#include <mutex>
#include <vector>

namespace platform::editor {

class SyntaxLexer;

// Finds the state at the end of each block of lines of a text that is read in pieces of UTF-8, colouring
// nothing: with it the lexer knows the state of every line of a text that was read at once. The pieces are
// scanned apart from each other, on threads of their own while the text is read, each as if its first line
// started in the text's first state, and then joined. A line that a piece starts in another state (inside a
// tag that goes on over a line end, say) makes the blocks below it start in other states than the scan took:
// those are lexed again when a line below them is asked for, as LineStates does with every block whose start
// no longer holds. The lexer's language must not change meanwhile.
//
// A piece keeps no text: the lines that go on from one piece into the next are lexed when the pieces are
// joined, from the whole text, so that a text of long lines costs no more memory than one of short lines.
namespace LineStateScan {

// Offsets count bytes from the piece's start.
struct Piece {
    qsizetype length = 0;
    // The piece up to its first line end: the end of a line that began in the pieces before.
    qsizetype headLength = 0;
    // The lines that lie wholly in the piece, after the head.
    std::vector<LineStates::Block> blocks;
    // Where a line starts that goes on in the next piece; `length` when none does.
    qsizetype tailStart = 0;
    // The piece has no line end of its own (a CR at its very end may yet be followed by an LF): it is all head.
    bool whole = false;
};

// May run on any thread, on as many pieces at once as there are threads.
Piece Scan(const SyntaxLexer &lexer, const char *text, qsizetype length);

// The blocks of the whole text, `text`, from all of its pieces, in order; empty when the pieces do not make
// up the text.
std::vector<LineStates::Block> Join(const SyntaxLexer &lexer, const std::vector<Piece> &pieces, const char *text,
                                    qsizetype length);

// The pieces of one text, scanned by several threads at once, each piece by one of them.
class Pieces {
public:
    explicit Pieces(const SyntaxLexer &lexer) : lexer_(lexer) {}
    // Scans piece number `index`; may run on several threads at once.
    void Scan(size_t index, const char *text, qsizetype length);
    // The blocks of the whole text, `text`, once every piece is scanned.
    std::vector<LineStates::Block> Join(const char *text, qsizetype length);

private:
    const SyntaxLexer &lexer_;
    std::mutex mutex_;
    std::vector<Piece> pieces_;
};

} // namespace LineStateScan

} // namespace platform::editor
