#pragma once

#include <QString>

// What a path names, as the file system says (a symbolic link is followed): only a regular file holds text
// that can be read; a folder, a FIFO, a device or a socket is there but is no file to open.
namespace platform::files {

enum class EntryKind { Missing, File, Folder, Fifo, Device, Socket };

EntryKind KindOf(const QString &path);

} // namespace platform::files
