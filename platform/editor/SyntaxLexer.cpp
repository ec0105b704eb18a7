#include "platform/editor/SyntaxLexer.h"

#include "platform/editor/Editor.h"
#include "platform/editor/ScintillaCall.h"

#include <Qsci/qsciscintilla.h>

#include <QStringList>

#include <algorithm>
#include <cstring>

namespace platform::editor {

namespace {

// Line states: the kind in the low bits, the comment pair or string delimiter above them.
enum LineKind { KindNormal = 0, KindBlockComment = 1, KindTagName = 2, KindInTag = 3, KindTagString = 4 };
constexpr int KindBits = 3;

int MakeState(int kind, int index)
{
    return kind | (index << KindBits);
}

bool IsWordByte(unsigned char c)
{
    return c >= 0x80 || c == '_' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsTagNameByte(unsigned char c)
{
    return IsWordByte(c) || c == '-' || c == ':' || c == '.';
}

bool IsDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

bool IsLineEnd(unsigned char c)
{
    return c == '\r' || c == '\n';
}

unsigned char AsciiLower(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c;
}

QList<QByteArray> Entries(const QString &list)
{
    QList<QByteArray> entries;
    for (QString entry : list.split(QLatin1Char('\n'))) {
        if (entry.endsWith(QLatin1Char('\r')))
            entry.chop(1);
        if (!entry.isEmpty())
            entries.append(entry.toUtf8());
    }
    return entries;
}

void Fill(char *styles, int from, int to, int style)
{
    if (to > from)
        std::memset(styles + from, style, static_cast<size_t>(to - from));
}

} // namespace

SyntaxLexer::SyntaxLexer(QObject *parent) : QsciLexerCustom(parent) {}

const char *SyntaxLexer::language() const
{
    return "Vellicor";
}

QString SyntaxLexer::description(int style) const
{
    static const char *const names[] = {"Text", "Number", "Keyword", "Operator", "ScopeKeyword", "Comment",
                                        "String", "TagText", "TagEntity", "TagElementName", "TagAttributeName"};
    if (style < 0 || style >= static_cast<int>(std::size(names)))
        return {};
    return QString::fromLatin1(names[style]);
}

void SyntaxLexer::SetColorSyntax(bool on)
{
    colorSyntax_ = on;
}

QByteArray SyntaxLexer::Folded(const char *text, int length) const
{
    QByteArray folded(text, length);
    if (caseSensitive_)
        return folded;
    const bool ascii = std::all_of(folded.cbegin(), folded.cend(), [](char c) { return (c & 0x80) == 0; });
    if (!ascii)
        return QString::fromUtf8(folded).toCaseFolded().toUtf8();
    for (char &c : folded)
        c = static_cast<char>(AsciiLower(static_cast<unsigned char>(c)));
    return folded;
}

void SyntaxLexer::SetDefinition(const LanguageDefinition &definition)
{
    caseSensitive_ = definition.CaseSensitive;
    style_ = definition.Style;
    const auto words = [this](const QString &list, QHash<QByteArray, QByteArray> &into) {
        into.clear();
        for (const QByteArray &entry : Entries(list))
            into.insert(Folded(entry.constData(), entry.size()), entry);
    };
    words(definition.Keywords, keywords_);
    scopeKeywords_.clear();
    words(definition.ScopeKeywords1, scopeKeywords_);
    QHash<QByteArray, QByteArray> closers;
    words(definition.ScopeKeywords2, closers);
    scopeKeywords_.insert(closers);
    words(definition.TagElementNames, elements_);
    words(definition.TagAttributeNames, attributes_);
    words(definition.TagEntities, entities_);

    // Operators made of word characters are matched as words, the others by their characters.
    wordOperators_.clear();
    operators_.clear();
    QList<QByteArray> operators = Entries(definition.Operators);
    operators.append(Entries(definition.TerminatorChar));
    for (const QByteArray &entry : operators) {
        if (std::all_of(entry.cbegin(), entry.cend(), [](char c) { return IsWordByte(static_cast<unsigned char>(c)); }))
            wordOperators_.insert(Folded(entry.constData(), entry.size()), entry);
        else
            operators_.push_back(entry);
    }
    const auto list = [](const QString &text) {
        const QList<QByteArray> entries = Entries(text);
        return std::vector<QByteArray>(entries.cbegin(), entries.cend());
    };
    lineComments_ = list(definition.SingleLineComments);
    stringDelims_ = list(definition.StringDelims);
    // Pairs are kept by position, so an empty closer entry still belongs to its opener.
    commentOpeners_.clear();
    commentClosers_.clear();
    const QStringList openers = definition.MultiLineComments1.split(QLatin1Char('\n'));
    const QStringList closersList = definition.MultiLineComments2.split(QLatin1Char('\n'));
    for (int i = 0; i < openers.size() && i < closersList.size(); ++i) {
        QString opener = openers[i], closer = closersList[i];
        if (opener.endsWith(QLatin1Char('\r')))
            opener.chop(1);
        if (closer.endsWith(QLatin1Char('\r')))
            closer.chop(1);
        if (opener.isEmpty() || closer.isEmpty())
            continue;
        commentOpeners_.push_back(opener.toUtf8());
        commentClosers_.push_back(closer.toUtf8());
    }
    escape_ = definition.EscapeChar.left(1).toUtf8();

    std::fill(std::begin(markerStart_), std::end(markerStart_), false);
    for (const auto *markers : {&operators_, &lineComments_, &commentOpeners_, &stringDelims_}) {
        for (const QByteArray &marker : *markers) {
            const auto first = static_cast<unsigned char>(marker[0]);
            markerStart_[first] = true;
            if (!caseSensitive_ && first >= 'a' && first <= 'z')
                markerStart_[first - 32] = true;
            if (!caseSensitive_ && first >= 'A' && first <= 'Z')
                markerStart_[first + 32] = true;
        }
    }
}

QByteArray SyntaxLexer::KeywordSpelling(const QByteArray &word) const
{
    if (caseSensitive_ || word.isEmpty())
        return {};
    const QByteArray key = Folded(word.constData(), word.size());
    for (const auto *list : {&keywords_, &scopeKeywords_}) {
        const auto found = list->constFind(key);
        if (found != list->constEnd())
            return *found == word ? QByteArray() : *found;
    }
    return {};
}

bool SyntaxLexer::MatchesAt(const char *text, int length, int at, const QByteArray &marker) const
{
    if (marker.isEmpty() || at + marker.size() > length)
        return false;
    for (int i = 0; i < marker.size(); ++i) {
        const auto a = static_cast<unsigned char>(text[at + i]);
        const auto b = static_cast<unsigned char>(marker[i]);
        if (a != b && (caseSensitive_ || AsciiLower(a) != AsciiLower(b)))
            return false;
    }
    return true;
}

int SyntaxLexer::MarkerAt(const char *text, int length, int at, const std::vector<QByteArray> &markers) const
{
    int best = -1;
    for (int i = 0; i < static_cast<int>(markers.size()); ++i) {
        if (MatchesAt(text, length, at, markers[i]) && (best < 0 || markers[i].size() > markers[best].size()))
            best = i;
    }
    return best;
}

bool SyntaxLexer::InList(const QHash<QByteArray, QByteArray> &list, const char *text, int length) const
{
    return list.contains(Folded(text, length));
}

int SyntaxLexer::CommentTo(const char *text, int length, int at, int pair, char *styles, bool &open) const
{
    const QByteArray &closer = commentClosers_[pair];
    for (int i = at; i < length; ++i) {
        if (MatchesAt(text, length, i, closer)) {
            Fill(styles, at, i + closer.size(), TokenComment);
            open = false;
            return i + closer.size();
        }
    }
    Fill(styles, at, length, TokenComment);
    open = true;
    return length;
}

int SyntaxLexer::StringTo(const char *text, int length, int at, int delim, int style, char *styles, bool &open) const
{
    const QByteArray &closer = stringDelims_[delim];
    int i = at;
    while (i < length && !IsLineEnd(static_cast<unsigned char>(text[i]))) {
        if (!escape_.isEmpty() && MatchesAt(text, length, i, escape_)) {
            i += escape_.size() + 1;
            continue;
        }
        if (MatchesAt(text, length, i, closer)) {
            Fill(styles, at, i + closer.size(), style);
            open = false;
            return i + closer.size();
        }
        ++i;
    }
    i = std::min(i, length);
    Fill(styles, at, i, style);
    open = true;
    return i;
}

int SyntaxLexer::LexLine(const char *text, int length, int state, char *styles) const
{
    if (!colorSyntax_) {
        Fill(styles, 0, length, TokenText);
        return KindNormal;
    }
    return style_ == LanguageStyleSgml ? LexSgml(text, length, state, styles)
                                       : LexProcedural(text, length, state, styles);
}

int SyntaxLexer::LexProcedural(const char *text, int length, int state, char *styles) const
{
    int i = 0;
    bool open = false;
    if ((state & ((1 << KindBits) - 1)) == KindBlockComment) {
        const int pair = state >> KindBits;
        if (pair >= static_cast<int>(commentClosers_.size()))
            return KindNormal;
        i = CommentTo(text, length, 0, pair, styles, open);
        if (open)
            return state;
    }
    while (i < length) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (markerStart_[c]) {
            int k = MarkerAt(text, length, i, commentOpeners_);
            if (k >= 0) {
                const int from = i;
                i = CommentTo(text, length, i + commentOpeners_[k].size(), k, styles, open);
                Fill(styles, from, from + commentOpeners_[k].size(), TokenComment);
                if (open)
                    return MakeState(KindBlockComment, k);
                continue;
            }
            if (MarkerAt(text, length, i, lineComments_) >= 0) {
                int end = i;
                while (end < length && !IsLineEnd(static_cast<unsigned char>(text[end])))
                    ++end;
                Fill(styles, i, end, TokenComment);
                i = end;
                continue;
            }
            k = MarkerAt(text, length, i, stringDelims_);
            if (k >= 0) {
                Fill(styles, i, i + stringDelims_[k].size(), TokenString);
                i = StringTo(text, length, i + stringDelims_[k].size(), k, TokenString, styles, open);
                continue;
            }
        }
        if (IsDigit(c)) {
            int end = i;
            while (end < length && (IsWordByte(static_cast<unsigned char>(text[end])) || text[end] == '.'))
                ++end;
            Fill(styles, i, end, TokenNumber);
            i = end;
            continue;
        }
        if (IsWordByte(c)) {
            int end = i;
            while (end < length && IsWordByte(static_cast<unsigned char>(text[end])))
                ++end;
            int style = TokenText;
            if (InList(keywords_, text + i, end - i))
                style = TokenKeyword;
            else if (InList(scopeKeywords_, text + i, end - i))
                style = TokenScopeKeyword;
            else if (InList(wordOperators_, text + i, end - i))
                style = TokenOperator;
            Fill(styles, i, end, style);
            i = end;
            continue;
        }
        if (markerStart_[c]) {
            const int k = MarkerAt(text, length, i, operators_);
            if (k >= 0) {
                Fill(styles, i, i + operators_[k].size(), TokenOperator);
                i += operators_[k].size();
                continue;
            }
        }
        styles[i++] = TokenText;
    }
    return KindNormal;
}

int SyntaxLexer::LexSgml(const char *text, int length, int state, char *styles) const
{
    int kind = state & ((1 << KindBits) - 1);
    const int index = state >> KindBits;
    int i = 0;
    bool open = false;
    if (kind == KindBlockComment) {
        if (index >= static_cast<int>(commentClosers_.size()))
            return KindNormal;
        i = CommentTo(text, length, 0, index, styles, open);
        if (open)
            return state;
        kind = KindNormal;
    } else if (kind == KindTagString) {
        if (index >= static_cast<int>(stringDelims_.size()))
            return KindInTag;
        i = StringTo(text, length, 0, index, TokenString, styles, open);
        if (open) {
            Fill(styles, i, length, TokenString);
            return state;
        }
        kind = KindInTag;
    }
    // Set after "=" in a tag: the next bare word is a value, not an attribute name.
    bool afterEquals = false;
    while (i < length) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (IsLineEnd(c)) {
            styles[i++] = kind == KindNormal ? TokenText : TokenTagText;
            continue;
        }
        if (kind == KindNormal) {
            const int k = markerStart_[c] ? MarkerAt(text, length, i, commentOpeners_) : -1;
            if (k >= 0) {
                const int from = i;
                i = CommentTo(text, length, i + commentOpeners_[k].size(), k, styles, open);
                Fill(styles, from, from + commentOpeners_[k].size(), TokenComment);
                if (open)
                    return MakeState(KindBlockComment, k);
                continue;
            }
            if (c == '<' && i + 1 < length) {
                const auto next = static_cast<unsigned char>(text[i + 1]);
                if (next == '/' || next == '!' || next == '?' || (IsWordByte(next) && !IsDigit(next))) {
                    styles[i++] = TokenTagText;
                    while (i < length && (text[i] == '/' || text[i] == '!' || text[i] == '?'))
                        styles[i++] = TokenTagText;
                    kind = KindTagName;
                    continue;
                }
            }
            if (c == '&') {
                int end = i + 1;
                while (end < length && (IsWordByte(static_cast<unsigned char>(text[end])) || text[end] == '#'))
                    ++end;
                const int nameEnd = end;
                if (end < length && text[end] == ';')
                    ++end;
                const bool named = nameEnd > i + 1;
                const bool known = entities_.isEmpty() || InList(entities_, text + i, end - i) ||
                                   InList(entities_, text + i + 1, nameEnd - i - 1);
                Fill(styles, i, end, named && known ? TokenTagEntity : TokenText);
                i = end;
                continue;
            }
            styles[i++] = TokenText;
            continue;
        }
        if (kind == KindTagName) {
            if (IsTagNameByte(c)) {
                int end = i;
                while (end < length && IsTagNameByte(static_cast<unsigned char>(text[end])))
                    ++end;
                const bool known = elements_.isEmpty() || InList(elements_, text + i, end - i);
                Fill(styles, i, end, known ? TokenTagElementName : TokenTagText);
                i = end;
                kind = KindInTag;
                continue;
            }
            if (c == ' ' || c == '\t') {
                styles[i++] = TokenTagText;
                continue;
            }
            kind = KindInTag;
            continue;
        }
        // Inside a tag.
        if (c == '>') {
            styles[i++] = TokenTagText;
            kind = KindNormal;
            afterEquals = false;
            continue;
        }
        const int k = markerStart_[c] ? MarkerAt(text, length, i, stringDelims_) : -1;
        if (k >= 0) {
            Fill(styles, i, i + stringDelims_[k].size(), TokenString);
            i = StringTo(text, length, i + stringDelims_[k].size(), k, TokenString, styles, open);
            afterEquals = false;
            if (open) {
                Fill(styles, i, length, TokenString);
                return MakeState(KindTagString, k);
            }
            continue;
        }
        if (IsTagNameByte(c)) {
            int end = i;
            while (end < length && IsTagNameByte(static_cast<unsigned char>(text[end])))
                ++end;
            const bool attribute = !afterEquals && (attributes_.isEmpty() || InList(attributes_, text + i, end - i));
            Fill(styles, i, end, attribute ? TokenTagAttributeName : TokenTagText);
            afterEquals = false;
            i = end;
            continue;
        }
        if (c == '=')
            afterEquals = true;
        styles[i++] = TokenTagText;
    }
    return kind;
}

void SyntaxLexer::styleText(int start, int end)
{
    const QsciScintilla *control = editor();
    if (!control)
        return;
    const long length = Sci(control, QsciScintillaBase::SCI_GETLENGTH);
    long line = Sci(control, QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(start));
    const long lastLine = Sci(control, QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(end));
    long stop = Sci(control, QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(lastLine + 1));
    if (stop < start || stop > length)
        stop = length;
    if (stop <= start)
        return;
    int state = line > 0
        ? static_cast<int>(Sci(control, QsciScintillaBase::SCI_GETLINESTATE, static_cast<unsigned long>(line - 1)))
        : KindNormal;
    const auto *text = reinterpret_cast<const char *>(
        Sci(control, QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), stop - start));
    if (!text)
        return;

    // Styles go to the control in pieces of about a megabyte, each ending at a line end.
    constexpr long piece = 1 << 20;
    std::vector<char> styles;
    long pieceStart = start;
    long at = start;
    while (at < stop) {
        long lineEnd = at;
        while (lineEnd < stop && !IsLineEnd(static_cast<unsigned char>(text[lineEnd - start])))
            ++lineEnd;
        if (lineEnd < stop && text[lineEnd - start] == '\r' && lineEnd + 1 < stop && text[lineEnd + 1 - start] == '\n')
            ++lineEnd;
        if (lineEnd < stop)
            ++lineEnd;
        styles.resize(static_cast<size_t>(lineEnd - pieceStart));
        state = LexLine(text + (at - start), static_cast<int>(lineEnd - at), state, styles.data() + (at - pieceStart));
        if (Sci(control, QsciScintillaBase::SCI_GETLINESTATE, static_cast<unsigned long>(line)) != state)
            Sci(control, QsciScintillaBase::SCI_SETLINESTATE, static_cast<unsigned long>(line), state);
        ++line;
        at = lineEnd;
        if (at - pieceStart >= piece || at >= stop) {
            Sci(control, QsciScintillaBase::SCI_STARTSTYLING, static_cast<unsigned long>(pieceStart), 0);
            control->SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX, static_cast<uintptr_t>(at - pieceStart),
                                   styles.data());
            pieceStart = at;
            styles.clear();
        }
    }
}

} // namespace platform::editor
