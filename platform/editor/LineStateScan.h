#pragma once

#include "platform/editor/LineStates.h"

#include <QByteArray>

#include <vector>

namespace platform::editor {

class SyntaxLexer;

// Follows a text that comes in pieces of UTF-8, one after another, to the state at the end of each block
// of its lines, colouring nothing: with it the lexer knows the state of every line of a text that was
// read at once. Meant to run beside the reading, on a thread of its own; the lexer's language must not
// change meanwhile.
class LineStateScan {
public:
    explicit LineStateScan(const SyntaxLexer &lexer) : lexer_(lexer) {}

    void Add(const char *text, qsizetype length);
    // The blocks of the whole text, once its last piece is in; empty when a line was too long to carry
    // from one piece into the next.
    std::vector<LineStates::Block> Finish();

private:
    // One line, its line end included.
    void Line(const char *text, qsizetype length);
    // Ends the line carried over from the pieces before with the start of this piece; returns where the
    // rest of the piece begins, or `length` when the line goes on in the next piece too.
    qsizetype Carry(const char *text, qsizetype length);
    // Carries the start of a line into the next piece.
    void Keep(const char *text, qsizetype length);

    const SyntaxLexer &lexer_;
    // The start of a line that the next piece goes on with.
    QByteArray carried_;
    std::vector<LineStates::Block> blocks_;
    long linesInBlock_ = 0;
    int blockStart_ = 0;
    int state_ = 0;
    bool failed_ = false;
};

} // namespace platform::editor
