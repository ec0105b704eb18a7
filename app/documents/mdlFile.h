#pragma once

#include "app/core/Table.h"
#include "app/documents/mdlFileState.h"
#include "platform/files/FileError.h"

#include <QString>

class frmContent;

// The table of open documents: two parallel tables numbered from 1, the document windows and their
// records. They only grow; a closed document keeps its number with `Closed` set.
namespace mdlFile {

struct DocumentRecord {
    QString Name;
    QString Path;
    bool Closed = false;
    DocumentState State = DocumentState::New;
    int FileCode = 0;
    int ViewCode = 0;
    int Language = 0;
    bool ViewSpace = false;
    int MenuIndex = 0;
    int TabIndex = 0;
    // The file as the document last read or wrote it: a save asks before overwriting a change made since.
    platform::files::FileStamp Stamp;
};

inline Table<frmContent *> Documents;
inline Table<DocumentRecord> DocumentRecords;

// The highest document number handed out so far.
inline int DocumentCount() { return DocumentRecords.count(); }

// Empties both tables; documents are numbered from 1 again.
void ClearDocuments();
// Appends an empty element to both tables and returns its number.
int AppendDocument();

int CountOpenDocuments();
// The window of document `number` while it is open; null for a closed document or a number outside the
// table.
frmContent *OpenDocumentWindow(int number);
// The open document of the file that `path` names (its own path exactly, or the same file reached through
// symbolic links); 0 when none.
int FindDocumentByPath(const QString &path);
int FindDocumentByMenu(int n);
int FindDocumentByTab(int n);
// The name as tabs and menus show it: the base cut to the `FilenameMax` setting, the extension kept.
QString ShortFileName(const QString &name);

// ---- Recent files --------------------------------------------------------------------------------

// Puts the path at the end of the recent files, moving it there when it is listed already.
void AddToMagazine(const QString &path);
// Drops the oldest entries beyond `MaxMagazine`.
void TrimMagazine();

// ---- What the main window and the Open and Save dialogs hand each other --------------------------
// The caller sets the inputs before it shows a dialog modal and reads the results after it has hidden.

// Results of the Open dialog. An empty OpenPath after the call means it was cancelled; the two code
// pages (1-based indices into the code table, 0 for no recoding) change only on a successful Open.
inline QString OpenPath;
inline QString OpenName;
inline int OpenCodeFrom = 0;
inline int OpenCodeTo = 0;

// Inputs of the Save dialog: the document to save and the mode, "saveas" or "savecopy". Its result: the
// path it wrote, empty when it wrote nothing.
inline int SaveDocIndex = 0;
inline QString SaveMode;
inline QString SavedPath;

// The re-encoding dialog. In: the whole text and its code page; out, when CodeOK is True: the converted
// text and its new code page. The caller sets CodeOK False before showing it.
inline QString CodeText;
inline int CodeIndex = 0;
inline bool CodeOK = false;

} // namespace mdlFile
