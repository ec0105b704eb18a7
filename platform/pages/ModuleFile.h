#pragma once

#include <QString>

// Whether a file may be handed to the dynamic loader. The loader maps a library's parts where its headers
// say they lie and reads them on first touch: a part that lies past the end of a cut file faults the
// process (SIGBUS), and opening a FIFO waits for a writer. Only the headers are read here.
namespace platform::pages {

enum class ModuleFile {
    Sound,      // a regular file whose every part lies within it
    Missing,    // nothing at that name, or a link to nothing
    NotRegular, // a folder, FIFO, device or socket, or a link to one
    TooLarge,   // larger than any module of the program
    Unreadable, // it cannot be opened for reading
    Damaged,    // not a shared library of this machine, or cut short
};

inline constexpr qint64 MaxModuleBytes = qint64(256) << 20;

ModuleFile CheckModuleFile(const QString &path);

} // namespace platform::pages
