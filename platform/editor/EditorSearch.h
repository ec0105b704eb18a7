#pragma once

#include "platform/editor/SearchDialogs.h"

class QsciScintilla;

namespace platform::editor {

class Editor;

// The editor's find, find next, replace and go-to-line commands. Searches wrap around the text.
class EditorSearch {
public:
    EditorSearch(Editor &editor, QsciScintilla &control);

    void Find();
    // Repeats the last search; asks for one when there was none.
    void FindNext();
    void Replace();
    void GotoLine();

private:
    // Selects the next match after (or before) the selection; false when there is none.
    bool SelectNext(const SearchRequest &request);
    bool SelectNextFolded(const SearchRequest &request);
    bool SelectionMatches(const SearchRequest &request) const;
    void ReplaceSelection(const QString &replacement);
    int ReplaceAll(const SearchRequest &request, const QString &replacement);
    void ReportNotFound(const QString &text);

    Editor &editor_;
    QsciScintilla &control_;
    SearchRequest last_;
    QString replacement_;
};

} // namespace platform::editor
