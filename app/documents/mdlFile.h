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

// ---- What the dialogs hand back to the main window -----------------------------------------------

// The Open dialog's choice: the file, the code page it is written in and the one to show it in (1-based
// indices into the code table, 0 for no recoding).
struct OpenChoice {
    QString Path;
    QString Name;
    int CodeFrom = 0;
    int CodeTo = 0;
};

// The re-encoding dialog's result: the whole text converted, and the code page it is in now.
struct RecodedText {
    QString Text;
    int Code = 0;
};

} // namespace mdlFile
