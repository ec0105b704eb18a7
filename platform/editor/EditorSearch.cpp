#include "platform/editor/EditorSearch.h"

#include "platform/dialogs/MessageBox.h"
#include "platform/editor/Editor.h"
#include "platform/editor/ScintillaCall.h"
#include "platform/text/AnsiCodePage.h"

#include <Qsci/qsciscintilla.h>

#include <QLineEdit>

namespace platform::editor {

namespace {

int SearchFlags(const SearchRequest &request)
{
    return (request.matchCase ? QsciScintillaBase::SCFIND_MATCHCASE : 0) |
           (request.wholeWord ? QsciScintillaBase::SCFIND_WHOLEWORD : 0);
}

// Character offset of a line and column in `text`, lines ending at CR LF, LF or a lone CR.
qsizetype OffsetOf(const QString &text, int line, int column)
{
    qsizetype at = 0;
    for (int l = 0; l < line && at < text.size(); ++l) {
        while (at < text.size() && text[at] != u'\r' && text[at] != u'\n')
            ++at;
        if (at < text.size() && text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n')
            ++at;
        ++at;
    }
    return std::min<qsizetype>(at + column, text.size());
}

Range RangeOf(const QString &text, qsizetype start, qsizetype end)
{
    Range range;
    int line = 0;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < end; ++i) {
        if (i == start) {
            range.StartLine = line;
            range.StartCol = int(start - lineStart);
        }
        const QChar c = text[i];
        if (c == u'\n' || (c == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n'))) {
            ++line;
            lineStart = i + 1;
        }
    }
    if (start == end) {
        range.StartLine = line;
        range.StartCol = int(start - lineStart);
    }
    range.EndLine = line;
    range.EndCol = int(end - lineStart);
    return range;
}

bool IsWordAt(const QString &text, qsizetype at)
{
    return at >= 0 && at < text.size() && (text[at].isLetterOrNumber() || text[at] == u'_');
}

// The control folds letter case for Latin text only; Cyrillic and other text is searched here.
bool NeedsFolding(const SearchRequest &request)
{
    if (request.matchCase)
        return false;
    for (const QChar c : request.text)
        if (c.unicode() >= 0x80)
            return true;
    return false;
}

bool FoldedMatchAt(const QString &text, const SearchRequest &request, qsizetype at)
{
    const qsizetype n = request.text.size();
    return !request.wholeWord || (!IsWordAt(text, at - 1) && !IsWordAt(text, at + n));
}

// The first match of the request in any letter case that starts at `from` or later and ends by `limit`;
// -1 when there is none.
qsizetype NextFoldedMatch(const QString &text, const SearchRequest &request, qsizetype from, qsizetype limit)
{
    const qsizetype n = request.text.size();
    for (qsizetype at = text.indexOf(request.text, from, Qt::CaseInsensitive); at >= 0 && at + n <= limit;
         at = text.indexOf(request.text, at + 1, Qt::CaseInsensitive))
        if (FoldedMatchAt(text, request, at))
            return at;
    return -1;
}

// The same backwards: the last match that starts at `from` or earlier and at `limit` or later.
qsizetype PreviousFoldedMatch(const QString &text, const SearchRequest &request, qsizetype from, qsizetype limit)
{
    for (qsizetype at = text.lastIndexOf(request.text, from, Qt::CaseInsensitive); at >= limit;
         at = at > 0 ? text.lastIndexOf(request.text, at - 1, Qt::CaseInsensitive) : -1)
        if (FoldedMatchAt(text, request, at))
            return at;
    return -1;
}

} // namespace

EditorSearch::EditorSearch(Editor &editor, QsciScintilla &control) : editor_(editor), control_(control) {}

void EditorSearch::Find()
{
    FindDialog dialog(last_, &editor_);
    if (editor_.SelLength() > 0 && !editor_.SelText().contains(QLatin1Char('\n')) &&
        !editor_.SelText().contains(QLatin1Char('\r')))
        dialog.findEdit->setText(editor_.SelText());
    if (dialogs::ShowModal(dialog) != QDialog::Accepted)
        return;
    last_ = dialog.Request();
    if (!SelectNext(last_))
        ReportNotFound(last_.text);
}

void EditorSearch::FindNext()
{
    if (last_.text.isEmpty()) {
        Find();
        return;
    }
    if (!SelectNext(last_))
        ReportNotFound(last_.text);
}

void EditorSearch::Replace()
{
    ReplaceDialog dialog(last_, replacement_, &editor_);
    QObject::connect(&dialog, &ReplaceDialog::FindNextClicked, &dialog, [&] {
        dialog.ShowResult(SelectNext(dialog.Request()) ? QString() : QStringLiteral("Текст не найден"));
    });
    QObject::connect(&dialog, &ReplaceDialog::ReplaceClicked, &dialog, [&] {
        const SearchRequest request = dialog.Request();
        if (SelectionMatches(request))
            ReplaceSelection(dialog.Replacement());
        dialog.ShowResult(SelectNext(request) ? QString() : QStringLiteral("Текст не найден"));
    });
    QObject::connect(&dialog, &ReplaceDialog::ReplaceAllClicked, &dialog, [&] {
        dialog.ShowResult(QStringLiteral("Заменено: %1").arg(ReplaceAll(dialog.Request(), dialog.Replacement())));
    });
    dialogs::ShowModal(dialog);
    last_ = dialog.Request();
    replacement_ = dialog.Replacement();
}

void EditorSearch::GotoLine()
{
    GotoLineDialog dialog(editor_.LineCount(), editor_.GetSel(false).EndLine + 1, &editor_);
    if (dialogs::ShowModal(dialog) != QDialog::Accepted)
        return;
    editor_.SetCaretPos(dialog.LineNumber() - 1, 0);
}

bool EditorSearch::SelectNext(const SearchRequest &request)
{
    if (request.text.isEmpty())
        return false;
    if (NeedsFolding(request))
        return SelectNextFolded(request);
    const QByteArray needle = request.text.toUtf8();
    const long length = Sci(&control_, QsciScintillaBase::SCI_GETLENGTH);
    const long selStart = Sci(&control_, QsciScintillaBase::SCI_GETSELECTIONSTART);
    const long selEnd = Sci(&control_, QsciScintillaBase::SCI_GETSELECTIONEND);
    Sci(&control_, QsciScintillaBase::SCI_SETSEARCHFLAGS, static_cast<unsigned long>(SearchFlags(request)));
    // A target running backwards searches backwards.
    const long ranges[2][2] = {
        {request.backward ? selStart : selEnd, request.backward ? 0 : length},
        {request.backward ? length : 0, request.backward ? selStart : selEnd},
    };
    for (const auto &range : ranges) {
        Sci(&control_, QsciScintillaBase::SCI_SETTARGETSTART, static_cast<unsigned long>(range[0]));
        Sci(&control_, QsciScintillaBase::SCI_SETTARGETEND, static_cast<unsigned long>(range[1]));
        if (control_.SendScintilla(QsciScintillaBase::SCI_SEARCHINTARGET, static_cast<uintptr_t>(needle.size()),
                                   needle.constData()) >= 0) {
            const long start = Sci(&control_, QsciScintillaBase::SCI_GETTARGETSTART);
            const long end = Sci(&control_, QsciScintillaBase::SCI_GETTARGETEND);
            Sci(&control_, QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(start), end);
            return true;
        }
    }
    return false;
}

bool EditorSearch::SelectNextFolded(const SearchRequest &request)
{
    const QString text = editor_.Text();
    const Range selection = editor_.GetSel(true);
    const qsizetype selStart = OffsetOf(text, selection.StartLine, selection.StartCol);
    const qsizetype selEnd = OffsetOf(text, selection.EndLine, selection.EndCol);
    const qsizetype n = request.text.size();
    qsizetype found = request.backward ? PreviousFoldedMatch(text, request, selStart - n, 0)
                                       : NextFoldedMatch(text, request, selEnd, text.size());
    if (found < 0) // wrap around
        found = request.backward ? PreviousFoldedMatch(text, request, text.size() - n, selStart)
                                 : NextFoldedMatch(text, request, 0, selEnd);
    if (found < 0)
        return false;
    editor_.SetSel(RangeOf(text, found, found + n));
    return true;
}

bool EditorSearch::SelectionMatches(const SearchRequest &request) const
{
    return editor_.SelLength() > 0 &&
           editor_.SelText().compare(request.text, request.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0;
}

void EditorSearch::ReplaceSelection(const QString &replacement)
{
    editor_.SetSelText(replacement);
    // Continue after the replacement, not inside it.
    const long end = Sci(&control_, QsciScintillaBase::SCI_GETSELECTIONEND);
    Sci(&control_, QsciScintillaBase::SCI_SETEMPTYSELECTION, static_cast<unsigned long>(end));
}

int EditorSearch::ReplaceAll(const SearchRequest &request, const QString &replacement)
{
    if (request.text.isEmpty())
        return 0;
    const QByteArray bytes = text::AnsiOnly(replacement).toUtf8();
    // Byte ranges of the matches, found as Find finds them.
    QList<std::pair<long, long>> matches;
    if (NeedsFolding(request)) {
        const QString text = editor_.Text();
        const QStringView view(text);
        const qsizetype n = request.text.size();
        long position = 0;
        qsizetype counted = 0;
        for (qsizetype at = NextFoldedMatch(text, request, 0, text.size()); at >= 0;
             at = NextFoldedMatch(text, request, at + n, text.size())) {
            position += long(text::Utf8Length(view.sliced(counted, at - counted)));
            counted = at;
            // The match's own bytes: a letter of another case may be written with more or fewer.
            matches.append({position, position + long(text::Utf8Length(view.sliced(at, n)))});
        }
    } else {
        const QByteArray needle = request.text.toUtf8();
        Sci(&control_, QsciScintillaBase::SCI_SETSEARCHFLAGS, static_cast<unsigned long>(SearchFlags(request)));
        const long length = Sci(&control_, QsciScintillaBase::SCI_GETLENGTH);
        for (long from = 0;;) {
            Sci(&control_, QsciScintillaBase::SCI_SETTARGETSTART, static_cast<unsigned long>(from));
            Sci(&control_, QsciScintillaBase::SCI_SETTARGETEND, static_cast<unsigned long>(length));
            if (control_.SendScintilla(QsciScintillaBase::SCI_SEARCHINTARGET, static_cast<uintptr_t>(needle.size()),
                                       needle.constData()) < 0)
                break;
            from = Sci(&control_, QsciScintillaBase::SCI_GETTARGETEND);
            matches.append({Sci(&control_, QsciScintillaBase::SCI_GETTARGETSTART), from});
        }
    }
    if (matches.isEmpty())
        return 0;
    // From the last match back, so that the ones still to go keep their places; one undo step for all.
    Sci(&control_, QsciScintillaBase::SCI_BEGINUNDOACTION);
    for (qsizetype k = matches.size() - 1; k >= 0; --k) {
        Sci(&control_, QsciScintillaBase::SCI_SETTARGETRANGE, static_cast<unsigned long>(matches[k].first),
            matches[k].second);
        control_.SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, static_cast<uintptr_t>(bytes.size()),
                               bytes.constData());
    }
    Sci(&control_, QsciScintillaBase::SCI_ENDUNDOACTION);
    return int(matches.size());
}

void EditorSearch::ReportNotFound(const QString &text)
{
    dialogs::MsgBox(QStringLiteral("Текст \"%1\" не найден.").arg(text), dialogs::vbInformation,
                    QStringLiteral("Найти"), &editor_);
}

} // namespace platform::editor
