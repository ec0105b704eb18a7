#include "platform/editor/SyntaxLexer.h"

#include "platform/editor/Editor.h"
#include "platform/editor/ScintillaCall.h"
#include "platform/editor/TextLines.h"

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

// Styles go to `styles`; without a buffer (null) a line is only followed for its end state.
void Fill(char *styles, int from, int to, int style)
{
    if (styles && to > from)
        std::memset(styles + from, style, static_cast<size_t>(to - from));
}

void Put(char *styles, int at, int style)
{
    if (styles)
        styles[at] = static_cast<char>(style);
}

// The first position from `at` whose byte is not marked in `skip`, or `length`.
int SkipBytes(const char *text, int length, int at, const bool *skip)
{
    while (at < length && skip[static_cast<unsigned char>(text[at])])
        ++at;
    return at;
}

// Colouring that would reach further below the coloured text than this starts at the shown lines instead.
constexpr long JumpBytes = 1 << 20;

} // namespace

static_assert(KindNormal == 0, "the kept line states start a text in state 0");

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
    if (on == colorSyntax_)
        return;
    colorSyntax_ = on;
    states_.Reset(0);
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
    // The same language again (a language is applied anew each time) keeps what is known of the text.
    if (defined_ && definition == definition_)
        return;
    defined_ = true;
    definition_ = definition;
    states_.Reset(0);
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
    for (const auto *markers : {&operators_, &lineComments_, &commentOpeners_, &stringDelims_})
        MarkFirstBytes(*markers, markerStart_);
    for (int c = 0; c < 256; ++c)
        plainText_[c] = !markerStart_[c] && c != '<' && c != '&' && !IsLineEnd(static_cast<unsigned char>(c));
    // When only the state is wanted, fewer bytes matter. Between tags only "<" and the first byte of a
    // comment opener can change it, as long as no opener begins with a byte that an entity takes in; in a
    // tag only ">" and the first byte of a string delimiter, as long as no delimiter begins with a byte of
    // a name. Otherwise every byte is looked at as for colouring.
    bool normalStops[256] = {}, tagStops[256] = {};
    normalStops['<'] = true;
    MarkFirstBytes(commentOpeners_, normalStops);
    tagStops['>'] = true;
    MarkFirstBytes(stringDelims_, tagStops);
    bool normalExact = true, tagExact = true;
    int normalStopCount = 0;
    for (int c = 0; c < 256; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        if (normalStops[c]) {
            normalExact = normalExact && !IsWordByte(byte) && c != '#' && c != ';';
            normalStopByte_ = c;
            ++normalStopCount;
        }
        tagExact = tagExact && !(tagStops[c] && IsTagNameByte(byte));
    }
    if (!normalExact || normalStopCount > 1)
        normalStopByte_ = -1;
    for (int c = 0; c < 256; ++c) {
        normalSkip_[c] = normalExact ? !normalStops[c] : plainText_[c];
        tagSkip_[c] = tagExact && !tagStops[c];
    }
}

void SyntaxLexer::MarkFirstBytes(const std::vector<QByteArray> &markers, bool *bytes) const
{
    for (const QByteArray &marker : markers) {
        const auto first = static_cast<unsigned char>(marker[0]);
        bytes[first] = true;
        if (!caseSensitive_ && first >= 'a' && first <= 'z')
            bytes[first - 32] = true;
        if (!caseSensitive_ && first >= 'A' && first <= 'Z')
            bytes[first + 32] = true;
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

int SyntaxLexer::WordStyle(const char *text, int length) const
{
    const QByteArray word = Folded(text, length);
    if (keywords_.contains(word))
        return TokenKeyword;
    if (scopeKeywords_.contains(word))
        return TokenScopeKeyword;
    return wordOperators_.contains(word) ? TokenOperator : TokenText;
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
            // The escaped character: a line end is one, CR LF as well as LF or CR.
            i += escape_.size();
            i += i + 1 < length && text[i] == '\r' && text[i + 1] == '\n' ? 2 : 1;
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
            if (styles)
                Fill(styles, i, end, WordStyle(text + i, end - i));
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
        Put(styles, i++, TokenText);
    }
    return KindNormal;
}

int SyntaxLexer::SkipStateless(const char *text, int length, int at) const
{
    if (normalStopByte_ < 0)
        return SkipBytes(text, length, at, normalSkip_);
    const void *stop = std::memchr(text + at, normalStopByte_, static_cast<size_t>(length - at));
    return stop ? static_cast<int>(static_cast<const char *>(stop) - text) : length;
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
            Put(styles, i++, kind == KindNormal ? TokenText : TokenTagText);
            continue;
        }
        if (kind == KindNormal) {
            const int end = styles ? SkipBytes(text, length, i, plainText_) : SkipStateless(text, length, i);
            if (end > i) {
                Fill(styles, i, end, TokenText);
                i = end;
                continue;
            }
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
                    Put(styles, i++, TokenTagText);
                    while (i < length && (text[i] == '/' || text[i] == '!' || text[i] == '?'))
                        Put(styles, i++, TokenTagText);
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
                if (styles) {
                    const bool named = nameEnd > i + 1;
                    const bool known = entities_.isEmpty() || InList(entities_, text + i, end - i) ||
                                       InList(entities_, text + i + 1, nameEnd - i - 1);
                    Fill(styles, i, end, named && known ? TokenTagEntity : TokenText);
                }
                i = end;
                continue;
            }
            Put(styles, i++, TokenText);
            continue;
        }
        if (kind == KindTagName) {
            if (IsTagNameByte(c)) {
                int end = i;
                while (end < length && IsTagNameByte(static_cast<unsigned char>(text[end])))
                    ++end;
                if (styles) {
                    const bool known = elements_.isEmpty() || InList(elements_, text + i, end - i);
                    Fill(styles, i, end, known ? TokenTagElementName : TokenTagText);
                }
                i = end;
                kind = KindInTag;
                continue;
            }
            if (c == ' ' || c == '\t') {
                Put(styles, i++, TokenTagText);
                continue;
            }
            kind = KindInTag;
            continue;
        }
        // Inside a tag.
        if (!styles && tagSkip_[c]) {
            i = SkipBytes(text, length, i, tagSkip_);
            continue;
        }
        if (c == '>') {
            Put(styles, i++, TokenTagText);
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
            if (styles) {
                const bool attribute =
                    !afterEquals && (attributes_.isEmpty() || InList(attributes_, text + i, end - i));
                Fill(styles, i, end, attribute ? TokenTagAttributeName : TokenTagText);
            }
            afterEquals = false;
            i = end;
            continue;
        }
        if (c == '=')
            afterEquals = true;
        Put(styles, i++, TokenTagText);
    }
    return kind;
}

long SyntaxLexer::ControlLineCount() const
{
    return Sci(editor(), QsciScintillaBase::SCI_GETLINECOUNT);
}

void SyntaxLexer::ChangeAt(long position, long deleted)
{
    const QsciScintilla *control = editor();
    if (!control)
        return;
    const auto lineOf = [&](long at) {
        return Sci(control, QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(at));
    };
    const long lines = ControlLineCount();
    // Changes that come one after another (a replacement in every line) are gathered into one stretch of
    // lines, settled when a state is next asked for: each change costs the same, whatever the text's length.
    CountLastChange(lines);
    const long first = lineOf(position), last = lineOf(position + deleted);
    if (!change_.pending)
        change_ = {true, first, last, 0, lines};
    change_.first = std::min(change_.first, first);
    change_.last = std::max(change_.last, last);
    change_.linesBefore = lines;
}

void SyntaxLexer::CountLastChange(long lines)
{
    if (!change_.pending)
        return;
    // The lines that the last change added (or took away, when fewer) lie among the gathered ones.
    const long added = lines - change_.linesBefore;
    change_.last += added;
    change_.added += added;
    change_.linesBefore = lines;
}

void SyntaxLexer::SettleChange()
{
    if (!change_.pending)
        return;
    const long lines = ControlLineCount();
    CountLastChange(lines);
    change_.pending = false;
    // The gathered lines as they were numbered before the changes: the lines below them are the same lines,
    // moved by the lines added.
    states_.Changed(change_.first, std::max(change_.first, change_.last - change_.added), lines);
}

void SyntaxLexer::TextSet(std::vector<LineStates::Block> scanned)
{
    change_.pending = false;
    const long lines = editor() ? ControlLineCount() : 0;
    if (!states_.Take(std::move(scanned), lines))
        states_.Reset(lines);
}

void SyntaxLexer::styleText(int start, int end)
{
    const QsciScintilla *control = editor();
    if (!control)
        return;
    const long startLine = Sci(control, QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(start));
    const long lastLine = Sci(control, QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(end));
    // A request for the shown lines far below the coloured text (a jump to the end of a large text) colours
    // only the shown lines, in the state that a scan which colours nothing finds for them. The coloured end
    // is then set back to the first uncoloured line, so that the lines between are asked for again, and
    // coloured, when they come into view.
    const long firstShown = Sci(control, QsciScintillaBase::SCI_DOCLINEFROMVISIBLE,
                                static_cast<unsigned long>(Sci(control, QsciScintillaBase::SCI_GETFIRSTVISIBLELINE)));
    const long shownLines = Sci(control, QsciScintillaBase::SCI_LINESONSCREEN);
    long first = startLine;
    if (firstShown > startLine && lastLine >= firstShown && lastLine <= firstShown + shownLines + 2 &&
        Sci(control, QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(firstShown)) - start >
            JumpBytes)
        first = firstShown;
    Colour(first, lastLine);
    if (first > startLine)
        Sci(control, QsciScintillaBase::SCI_STARTSTYLING, static_cast<unsigned long>(start), 0);
}

const char *SyntaxLexer::LinesText(long first, long last, long &from, long &to) const
{
    const QsciScintilla *control = editor();
    const long length = Sci(control, QsciScintillaBase::SCI_GETLENGTH);
    from = Sci(control, QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(first));
    to = Sci(control, QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(last + 1));
    if (to < from || to > length)
        to = length;
    if (from < 0 || to <= from)
        return nullptr;
    return reinterpret_cast<const char *>(
        Sci(control, QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), to - from));
}

int SyntaxLexer::LexLines(long first, long count, int state) const
{
    long from = 0, to = 0;
    const char *text = LinesText(first, first + count - 1, from, to);
    if (!text)
        return state;
    TextLines lines(text, to - from);
    for (long at = 0, length = to - from; at < length;) {
        const long end = lines.EndOf(at);
        state = LexLine(text + at, static_cast<int>(end - at), state, nullptr);
        at = end;
    }
    return state;
}

int SyntaxLexer::StateAt(long line)
{
    SettleChange();
    const long lines = ControlLineCount();
    if (states_.LineCount() != lines)
        states_.Reset(lines);
    return states_.StateAt(line, [this](long first, long count, int state) { return LexLines(first, count, state); });
}

void SyntaxLexer::Colour(long first, long last)
{
    int state = StateAt(first);
    long from = 0, to = 0;
    const char *text = LinesText(first, last, from, to);
    if (!text)
        return;
    const QsciScintilla *control = editor();
    // Styles go to the control in pieces of about a megabyte, each ending at a line end.
    constexpr long piece = 1 << 20;
    std::vector<char> styles;
    long pieceStart = 0;
    TextLines lines(text, to - from);
    for (long at = 0, length = to - from; at < length;) {
        const long end = lines.EndOf(at);
        styles.resize(static_cast<size_t>(end - pieceStart));
        state = LexLine(text + at, static_cast<int>(end - at), state, styles.data() + (at - pieceStart));
        at = end;
        if (at - pieceStart >= piece || at >= length) {
            Sci(control, QsciScintillaBase::SCI_STARTSTYLING, static_cast<unsigned long>(from + pieceStart), 0);
            control->SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX, static_cast<uintptr_t>(at - pieceStart),
                                   styles.data());
            pieceStart = at;
            styles.clear();
        }
    }
}

} // namespace platform::editor
