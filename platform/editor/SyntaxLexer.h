#pragma once

#include "platform/editor/Language.h"
#include "platform/editor/LineStates.h"

#include <Qsci/qscilexercustom.h>

#include <QByteArray>
#include <QHash>

#include <utility>
#include <vector>

namespace platform::editor {

// Colours text by a language's word lists. Scintilla asks for the lines it is about to show. The state at
// the start of each block of lines (inside a block comment, a tag or a string in a tag) is kept as the
// text is edited, so colouring can begin at any line after lexing, without colouring, the lines changed
// since and the few lines above it.
class SyntaxLexer : public QsciLexerCustom {
    Q_OBJECT

public:
    explicit SyntaxLexer(QObject *parent = nullptr);

    void SetDefinition(const LanguageDefinition &definition);
    // Off: every character is plain text.
    void SetColorSyntax(bool on);
    bool CaseSensitive() const { return caseSensitive_; }
    // The text is about to change at `position`, where `deleted` characters go: what is known of the lines
    // from there on is to be found again.
    void ChangeAt(long position, long deleted);
    // A new text is in: `scanned` holds its blocks as a scan found them, or is empty.
    void TextSet(std::vector<LineStates::Block> scanned);
    // The keyword list's spelling of a word that matches a keyword when case is ignored; empty when none.
    QByteArray KeywordSpelling(const QByteArray &word) const;

    const char *language() const override;
    QString description(int style) const override;
    void styleText(int start, int end) override;

    // Styles one line (line end included) that begins in `state`; returns the state at its end. With
    // `styles` null nothing is styled, and no word is looked up: only the end state is found. The only
    // function that may run on the open's threads, on several lines at once: it changes nothing and reads
    // only the language, which the window thread must leave as it is meanwhile.
    int LexLine(const char *text, int length, int state, char *styles) const;

private:
    // The text of lines `first` to `last`, line ends included, from position `from` to `to`; null when empty.
    const char *LinesText(long first, long last, long &from, long &to) const;
    // The state at the start of `line`, colouring nothing.
    int StateAt(long line);
    // Lexes `count` lines from `first`, entered in `state`, colouring nothing; the state at their end.
    int LexLines(long first, long count, int state) const;
    // Brings the kept states up to the last change of the text.
    void SettleChange();
    // Counts the lines that the change announced last added, once it is done and the text has `lines`.
    void CountLastChange(long lines);
    long ControlLineCount() const;
    // Colours lines `first` to `last`.
    void Colour(long first, long last);
    int WordStyle(const char *text, int length) const;
    // From `at` between tags, the first byte that can change the state.
    int SkipStateless(const char *text, int length, int at) const;
    QByteArray Folded(const char *text, int length) const;
    // Marks the first byte of each marker, in both letter cases where case is ignored.
    void MarkFirstBytes(const std::vector<QByteArray> &markers, bool *bytes) const;
    bool MatchesAt(const char *text, int length, int at, const QByteArray &marker) const;
    // The longest entry of `markers` at `at`, or -1.
    int MarkerAt(const char *text, int length, int at, const std::vector<QByteArray> &markers) const;
    bool InList(const QHash<QByteArray, QByteArray> &list, const char *text, int length) const;
    int LexProcedural(const char *text, int length, int state, char *styles) const;
    int LexSgml(const char *text, int length, int state, char *styles) const;
    // Styles a block comment from `at`, the opener already passed; returns the position after it,
    // setting `open` when the line ends inside it.
    int CommentTo(const char *text, int length, int at, int pair, char *styles, bool &open) const;
    int StringTo(const char *text, int length, int at, int delim, int style, char *styles, bool &open) const;

    LanguageDefinition definition_;
    bool defined_ = false;
    bool colorSyntax_ = true;
    bool caseSensitive_ = false;
    int style_ = LanguageStyleProcedural;
    // Folded entry -> entry as listed.
    QHash<QByteArray, QByteArray> keywords_;
    QHash<QByteArray, QByteArray> scopeKeywords_;
    QHash<QByteArray, QByteArray> wordOperators_;
    QHash<QByteArray, QByteArray> elements_;
    QHash<QByteArray, QByteArray> attributes_;
    QHash<QByteArray, QByteArray> entities_;
    std::vector<QByteArray> operators_;
    std::vector<QByteArray> lineComments_;
    std::vector<QByteArray> commentOpeners_;
    std::vector<QByteArray> commentClosers_;
    std::vector<QByteArray> stringDelims_;
    QByteArray escape_;
    // Bytes that may begin a comment, string or operator.
    bool markerStart_[256] = {};
    // Bytes that, between tags, are plain text whatever follows them.
    bool plainText_[256] = {};
    // Bytes that cannot change the state between tags and in a tag; the one byte that can between tags
    // when there is only one (else negative).
    bool normalSkip_[256] = {};
    bool tagSkip_[256] = {};
    int normalStopByte_ = -1;
    LineStates states_;
    // The stretch of lines that the changes since the states were last settled lie in, numbered as now (once
    // the last change is counted), the lines those changes added, and the line count before the last one.
    struct {
        bool pending = false;
        long first = 0;
        long last = 0;
        long added = 0;
        long linesBefore = 0;
    } change_;
};

} // namespace platform::editor
