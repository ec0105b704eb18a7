#pragma once

#include <QFileInfo>
#include <QString>

namespace platform::files {

// The Russian name of the kind of a file or folder, as file lists show it: the desktop's type database's
// name for its content type in the default locale, which the program sets to Russian; where the database
// cannot tell the type, or has no Russian name for it, "Файл «EXT»" by the file's extension, "Файл"
// without one, and "Папка" for a folder.
QString FileTypeName(const QFileInfo &item);

} // namespace platform::files
