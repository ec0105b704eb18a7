#include "platform/files/EntryKind.h"

#include "platform/files/PosixFile.h"

#include <sys/stat.h>

namespace platform::files {

EntryKind KindOf(const QString &path)
{
    struct stat info;
    if (path.isEmpty() || ::stat(posix::NativePath(path).constData(), &info) != 0)
        return EntryKind::Missing;
    if (S_ISREG(info.st_mode))
        return EntryKind::File;
    if (S_ISDIR(info.st_mode))
        return EntryKind::Folder;
    if (S_ISFIFO(info.st_mode))
        return EntryKind::Fifo;
    if (S_ISSOCK(info.st_mode))
        return EntryKind::Socket;
    return EntryKind::Device;
}

} // namespace platform::files
