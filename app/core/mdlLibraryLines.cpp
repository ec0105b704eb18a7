#include "app/core/mdlLibrary.h"

#include <utility>

namespace mdlLibrary {
namespace {

// Length of the line end that starts at `i`: 2 for CR LF, 1 for a lone CR or LF, 0 for none.
qsizetype LineEndAt(const char16_t *text, qsizetype i, qsizetype n)
{
    if (text[i] == u'\n')
        return 1;
    if (text[i] != u'\r')
        return 0;
    return i + 1 < n && text[i + 1] == u'\n' ? 2 : 1;
}

bool IsLineEndChar(char16_t c)
{
    return c == u'\r' || c == u'\n';
}

// Reads a text and writes a transform's result. Most transforms only drop characters or put one in place
// of several, so they write over the text they read: the write position never passes the read position,
// and a text that the caller hands over needs no second buffer, which for a large document is most of the
// cost. A transform that adds characters writes into a buffer of the size it has worked out.
class Rewriter {
public:
    explicit Rewriter(QString &&text)
        : out_(std::move(text)), in_(reinterpret_cast<char16_t *>(out_.data())), size_(out_.size()),
          write_(reinterpret_cast<char16_t *>(out_.data()))
    {
    }
    Rewriter(const QString &text, qsizetype capacity)
        : source_(text), out_(capacity, Qt::Uninitialized),
          in_(reinterpret_cast<const char16_t *>(source_.constData())), size_(source_.size()),
          write_(reinterpret_cast<char16_t *>(out_.data()))
    {
    }
    const char16_t *in() const { return in_; }
    qsizetype size() const { return size_; }
    void put(char16_t c) { *write_++ = c; }
    void put(const char16_t *from, qsizetype count)
    {
        for (qsizetype k = 0; k < count; ++k)
            *write_++ = from[k];
    }
    QString take()
    {
        out_.truncate(write_ - reinterpret_cast<const char16_t *>(out_.constData()));
        return std::move(out_);
    }

private:
    QString source_;
    QString out_;
    const char16_t *in_;
    qsizetype size_;
    char16_t *write_;
};

// Copies the text line by line, every line end as it stands. At the start of each line `lineStart(i, out)`
// may write characters of its own and skip characters of the text; it returns where the copy goes on.
template <typename LineStart>
QString RewriteLineStarts(Rewriter &out, LineStart lineStart)
{
    const char16_t *in = out.in();
    const qsizetype n = out.size();
    qsizetype i = 0;
    for (;;) {
        i = lineStart(i, out);
        while (i < n && !IsLineEndChar(in[i]))
            out.put(in[i++]);
        if (i == n)
            return out.take();
        const qsizetype end = LineEndAt(in, i, n);
        out.put(in + i, end);
        i += end;
    }
}

// `prefix` put at the start of every line, empty lines and the empty line after a final line end included.
QString PrefixLines(const QString &text, const QString &prefix)
{
    // A line more than the text has line end characters is room enough, CR LF counting twice.
    const qsizetype lines = 1 + text.count(u'\r') + text.count(u'\n');
    Rewriter out(text, text.size() + lines * prefix.size());
    const auto *marker = reinterpret_cast<const char16_t *>(prefix.constData());
    return RewriteLineStarts(out, [&](qsizetype i, Rewriter &out) {
        out.put(marker, prefix.size());
        return i;
    });
}

bool HasLineEnd(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

QString DeleteRunsOfSpaces(QString text)
{
    Rewriter out(std::move(text));
    const char16_t *in = out.in();
    bool afterSpace = true; // a run at the very start of the text goes entirely
    for (qsizetype i = 0, n = out.size(); i < n; ++i) {
        const char16_t c = in[i];
        if (c != u' ' || !afterSpace)
            out.put(c);
        afterSpace = c == u' ';
    }
    return out.take();
}

QString DeleteSpacesAtLineStarts(QString text)
{
    Rewriter out(std::move(text));
    return RewriteLineStarts(out, [](qsizetype i, Rewriter &out) {
        if (i > 0) // the first line keeps its indentation
            while (i < out.size() && out.in()[i] == u' ')
                ++i;
        return i;
    });
}

QString DeleteSpacesAtLineEnds(QString text)
{
    Rewriter out(std::move(text));
    const char16_t *in = out.in();
    qsizetype spaces = 0; // held back until the next character shows whether they end a line
    for (qsizetype i = 0, n = out.size(); i < n; ++i) {
        const char16_t c = in[i];
        if (c == u' ') {
            ++spaces;
            continue;
        }
        if (!IsLineEndChar(c))
            for (; spaces > 0; --spaces)
                out.put(u' ');
        spaces = 0;
        out.put(c);
    }
    for (; spaces > 0; --spaces) // the last line has no line end after it and keeps them
        out.put(u' ');
    return out.take();
}

} // namespace

QString SpaceDelete(QString text, int mode)
{
    switch (mode) {
    case 1:
        return DeleteRunsOfSpaces(std::move(text));
    case 2:
        return DeleteSpacesAtLineStarts(std::move(text));
    case 3:
        return DeleteSpacesAtLineEnds(std::move(text));
    default:
        return text;
    }
}

QString ShiftLines(QString text, int width)
{
    Rewriter out(std::move(text));
    return RewriteLineStarts(out, [width](qsizetype i, Rewriter &out) {
        const char16_t *in = out.in();
        if (i < out.size() && in[i] == u'\t')
            return i + 1;
        qsizetype spaces = 0;
        while (spaces < width && i + spaces < out.size() && in[i + spaces] == u' ')
            ++spaces;
        return spaces == width ? i + spaces : i;
    });
}

QString TabBlock(QString text, bool outdent)
{
    if (outdent) {
        Rewriter out(std::move(text));
        return RewriteLineStarts(out, [](qsizetype i, Rewriter &out) {
            return i < out.size() && out.in()[i] == u'\t' ? i + 1 : i;
        });
    }
    return PrefixLines(text, QStringLiteral("\t"));
}

QString JoinLines(QString text)
{
    Rewriter out(std::move(text));
    const char16_t *in = out.in();
    for (qsizetype i = 0, n = out.size(); i < n;) {
        const qsizetype end = LineEndAt(in, i, n);
        out.put(end > 0 ? u' ' : in[i]);
        i += end > 0 ? end : 1;
    }
    return out.take();
}

CommentForm CommentFormFor(const QString &selection, const CommentMarkers &markers)
{
    const bool block = !markers.BlockStart.isEmpty() && !markers.BlockEnd.isEmpty();
    const bool line = !markers.Line.isEmpty();
    if (HasLineEnd(selection))
        return block ? CommentForm::Block : line ? CommentForm::Lines : CommentForm::None;
    return line ? CommentForm::Lines : block ? CommentForm::Block : CommentForm::None;
}

QString CommentText(const QString &text, CommentForm form, const CommentMarkers &markers)
{
    switch (form) {
    case CommentForm::Block:
        return markers.BlockStart + text + markers.BlockEnd;
    case CommentForm::Lines:
        return PrefixLines(text, markers.Line);
    default:
        return text;
    }
}

QString WithLineEnds(const QString &text, const QString &lineEnd)
{
    const qsizetype lineEndChars = text.count(u'\r') + text.count(u'\n');
    Rewriter out(text, text.size() + lineEndChars * lineEnd.size());
    const char16_t *in = out.in();
    const auto *end = reinterpret_cast<const char16_t *>(lineEnd.constData());
    for (qsizetype i = 0, n = out.size(); i < n;) {
        if (const qsizetype length = LineEndAt(in, i, n); length > 0) {
            out.put(end, lineEnd.size());
            i += length;
        } else {
            out.put(in[i++]);
        }
    }
    return out.take();
}

QString DeleteEmptyLines(QString text)
{
    Rewriter out(std::move(text));
    const char16_t *in = out.in();
    for (qsizetype i = 0, n = out.size(); i < n;) {
        const qsizetype end = LineEndAt(in, i, n);
        if (end == 0) {
            out.put(in[i++]);
            continue;
        }
        out.put(in + i, end);
        i += end;
        while (i < n && IsLineEndChar(in[i]))
            i += LineEndAt(in, i, n);
    }
    return out.take();
}

} // namespace mdlLibrary
