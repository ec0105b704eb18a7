#pragma once

#include "platform/editor/Language.h"

#include <Qsci/qscilexercustom.h>

#include <QByteArray>
#include <QHash>

#include <utility>
#include <vector>

namespace platform::editor {

// Colours text by a language's word lists. Scintilla asks for the lines it is about to show; each
// line's end state (inside a block comment, a tag or a string in a tag) is kept as the line's state,
// so styling resumes at any line start without looking further back.
class SyntaxLexer : public QsciLexerCustom {
    Q_OBJECT

public:
    explicit SyntaxLexer(QObject *parent = nullptr);

    void SetDefinition(const LanguageDefinition &definition);
    // Off: every character is plain text.
    void SetColorSyntax(bool on);
    bool CaseSensitive() const { return caseSensitive_; }
    // The keyword list's spelling of a word that matches a keyword when case is ignored; empty when none.
    QByteArray KeywordSpelling(const QByteArray &word) const;

    const char *language() const override;
    QString description(int style) const override;
    void styleText(int start, int end) override;

    // Styles one line (line end included) that begins in `state`; returns the state at its end.
    int LexLine(const char *text, int length, int state, char *styles) const;

private:
    QByteArray Folded(const char *text, int length) const;
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
};

} // namespace platform::editor
