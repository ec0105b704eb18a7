#pragma once

#include "platform/editor/LineStates.h"

#include <QByteArray>

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
namespace LineStateScan {

struct Piece {
    // The piece up to its first line end: the end of a line that began in the pieces before.
    QByteArray head;
    // The lines that lie wholly in the piece, after the head.
    std::vector<LineStates::Block> blocks;
    // The start of a line that goes on in the next piece.
    QByteArray tail;
    // The piece has no line end of its own (a CR at its very end may yet be followed by an LF): it is all head.
    bool whole = false;
};

Piece Scan(const SyntaxLexer &lexer, const char *text, qsizetype length);

// The blocks of the whole text from all of its pieces, in order; empty when a line is too long to join.
std::vector<LineStates::Block> Join(const SyntaxLexer &lexer, const std::vector<Piece> &pieces);

// The pieces of one text, scanned by several threads at once, each piece by one of them.
class Pieces {
public:
    explicit Pieces(const SyntaxLexer &lexer) : lexer_(lexer) {}
    // Scans piece number `index`.
    void Scan(size_t index, const char *text, qsizetype length);
    // The blocks of the whole text once every piece is scanned; empty when lines too long to join make up
    // too much of it.
    std::vector<LineStates::Block> Join();

private:
    const SyntaxLexer &lexer_;
    std::mutex mutex_;
    std::vector<Piece> pieces_;
    // What the pieces without a line end hold: parts of long lines, kept whole until they are joined.
    qsizetype kept_ = 0;
    bool gaveUp_ = false;
};

} // namespace LineStateScan

} // namespace platform::editor
