#pragma once

#include "app/core/Table.h"

#include <QString>

class frmContent;

// The table of open documents: two parallel tables numbered from 1, the document windows and their
// records. They only grow; a closed document keeps its number with `Closed` set.
namespace mdlFile {

struct DocumentRecord {
    QString Name;
    QString Path;
    bool Closed = false;
    int State = 0; // 0 new, 1 new and changed, 2 opened or saved, 3 opened and changed
    int FileCode = 0;
    int ViewCode = 0;
    int Language = 0;
    bool ViewSpace = false;
    int MenuIndex = 0;
    int TabIndex = 0;
};

inline Table<frmContent *> Documents;
inline Table<DocumentRecord> DocumentRecords;

// The highest document number handed out so far.
inline int DocumentCount() { return DocumentRecords.count(); }

// Empties both tables; documents are numbered from 1 again.
void ClearDocuments();

} // namespace mdlFile
