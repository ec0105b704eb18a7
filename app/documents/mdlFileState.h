#pragma once

#include "platform/files/FileError.h"

#include <QString>

#include <functional>

// A document's state and what changing, saving and closing do to it: which question a close asks, which
// code page a save writes in, and which documents Save All and Close All reach and where they stop.
namespace mdlFile {

struct DocumentRecord;

// What the document's text is to its file. The numbers are the order of the tab pictures.
enum class DocumentState {
    New = 0,          // no file yet, unchanged since it was made
    NewChanged = 1,   // no file yet, typed in
    Saved = 2,        // opened or saved, unchanged since
    SavedChanged = 3, // opened or saved, changed since
};

constexpr bool IsNew(DocumentState state)
{
    return state == DocumentState::New || state == DocumentState::NewChanged;
}

constexpr bool HasFile(DocumentState state)
{
    return !IsNew(state);
}

constexpr bool IsChanged(DocumentState state)
{
    return state == DocumentState::NewChanged || state == DocumentState::SavedChanged;
}

// After an edit: the text differs from what was made, read or written.
constexpr DocumentState AfterChange(DocumentState state)
{
    return IsNew(state) ? DocumentState::NewChanged : DocumentState::SavedChanged;
}

// After a close: the change went with the text.
constexpr DocumentState AfterClose(DocumentState state)
{
    return IsNew(state) ? DocumentState::New : DocumentState::Saved;
}

// The editor's change; true when the state moved, so that the tab's picture follows.
bool MarkChanged(DocumentRecord &record);

// The close: the record stays, marked closed, without its change.
void MarkClosed(DocumentRecord &record);

// The document's whole text has been written as `path` in code page `code` (1-based; outside the code
// table the text went out as it is shown, and FileCode stays), the file then having `stamp`: the
// document is that file's, unchanged.
void MarkSaved(DocumentRecord &record, const QString &path, int code, const platform::files::FileStamp &stamp);

// The code page a save writes the document in unless the user picks another: by the save_code setting,
// 1 the file's own, 2 the one shown, any other the first of the table.
int SaveCodePage(const DocumentRecord &record);

enum class SaveMode {
    SaveAs,   // the file written becomes the document's
    SaveCopy, // a copy; the document stays bound to its own file
};

// Whether writing document `record` as `path` in `mode` makes the document that file's: always for Save
// As; for a copy only when it lands on the document's own file (by any spelling or link), whose content it
// then is.
bool SaveBindsDocument(SaveMode mode, const QString &path, const DocumentRecord &record);

// What closing a document asks first.
enum class CloseQuestion {
    None,        // nothing to lose: unchanged, or a new document without text
    SaveNew,     // a new document with text: save it through the Save dialog?
    SaveChanges, // a changed document with a file: write the changes into it?
};
CloseQuestion CloseQuestionFor(const DocumentRecord &record, bool hasText);

// Save All: `save` is given each open document in number order whose file does not hold its text (new
// ones, changed or not, and changed ones). The first one that still does not afterwards (a cancelled
// Save dialog, a failed write) ends the round.
void SaveAllDocuments(const std::function<void(int)> &save);

// Close All: `close` is given each open document in number order. The first one still open afterwards
// (its user cancelled the question) ends the round and is returned; 0 when every document closed.
int CloseAllDocuments(const std::function<void(int)> &close);

} // namespace mdlFile
