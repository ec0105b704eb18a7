#include "platform/pages/ModuleFile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::pages {
namespace {

bool Within(quint64 offset, quint64 length, quint64 size)
{
    return offset <= size && length <= size - offset;
}

bool ReadAt(int fd, quint64 offset, void *into, size_t length)
{
    auto *bytes = static_cast<char *>(into);
    while (length > 0) {
        const ssize_t n = ::pread(fd, bytes, length, off_t(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes += n;
        offset += quint64(n);
        length -= size_t(n);
    }
    return true;
}

// The headers of the library of `size` bytes open as `fd` place every part within the file.
bool PartsWithin(int fd, quint64 size)
{
    ElfW(Ehdr) header;
    if (!ReadAt(fd, 0, &header, sizeof header))
        return false;
    const bool native = std::memcmp(header.e_ident, ELFMAG, SELFMAG) == 0 &&
                        header.e_ident[EI_CLASS] == (__ELF_NATIVE_CLASS == 64 ? ELFCLASS64 : ELFCLASS32) &&
                        header.e_ident[EI_DATA] == (__BYTE_ORDER == __LITTLE_ENDIAN ? ELFDATA2LSB : ELFDATA2MSB) &&
                        header.e_type == ET_DYN && header.e_phentsize == sizeof(ElfW(Phdr));
    if (!native || !Within(header.e_phoff, quint64(header.e_phnum) * sizeof(ElfW(Phdr)), size))
        return false;
    // The section table comes last: a cut file loses it first.
    if (header.e_shoff != 0 &&
        (header.e_shentsize != sizeof(ElfW(Shdr)) ||
         !Within(header.e_shoff, quint64(header.e_shnum) * sizeof(ElfW(Shdr)), size)))
        return false;
    for (ElfW(Half) i = 0; i < header.e_phnum; ++i) {
        ElfW(Phdr) part;
        if (!ReadAt(fd, header.e_phoff + quint64(i) * sizeof part, &part, sizeof part) ||
            !Within(part.p_offset, part.p_filesz, size))
            return false;
    }
    return true;
}

} // namespace

ModuleFile CheckModuleFile(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info;
    if (path.isEmpty() || ::stat(native.constData(), &info) != 0)
        return errno == EACCES ? ModuleFile::Unreadable : ModuleFile::Missing;
    if (!S_ISREG(info.st_mode))
        return ModuleFile::NotRegular;
    if (info.st_size > MaxModuleBytes)
        return ModuleFile::TooLarge;
    // Not blocking, in case a FIFO has taken the file's place since; what was opened is looked at again.
    int fd;
    do
        fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return ModuleFile::Unreadable;
    ModuleFile state = ModuleFile::Damaged;
    if (::fstat(fd, &info) != 0)
        state = ModuleFile::Unreadable;
    else if (!S_ISREG(info.st_mode))
        state = ModuleFile::NotRegular;
    else if (info.st_size > MaxModuleBytes)
        state = ModuleFile::TooLarge;
    else if (PartsWithin(fd, quint64(info.st_size)))
        state = ModuleFile::Sound;
    ::close(fd);
    return state;
}

} // namespace platform::pages
