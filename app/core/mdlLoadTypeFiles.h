#pragma once

#include "app/core/Table.h"

#include <QString>

// The file types of typefile.ini: the families of files that the open and save dialogs and the file
// panel offer, and the syntax language that each family's files get.
namespace mdlLoad {

struct TypeFile {
    QString Name;
    // Appended by the save dialog to a name that has none of the type's extensions.
    QString DefaultExt;
    // A language's SyntaxName.
    QString Language;
    // Without the dot, letter case as written; a single "*" marks the fallback type.
    Table<QString> Extensions;
};

inline Table<TypeFile> TypeFiles;

// Replaces `TypeFiles` with the lines "name|default extension|language|extensions separated by blanks";
// the name, default-extension and language fields must not be empty. A missing file leaves no type.
void LoadTypeFiles(const QString &path);

} // namespace mdlLoad
