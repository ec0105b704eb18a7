#pragma once

#include "tests/CaseNames.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <ostream>

#include <sys/stat.h>

// A component registry that cannot be read, in each form a user's disk may hold one in the registry's
// place; each is laid out over a registry that holds registered libraries.
struct UnreadableRegistry {
    const char *name;
    void (*lay)(const QString &registry);
};

inline void PrintTo(const UnreadableRegistry &registry, std::ostream *out)
{
    casenames::Print(out, registry.name);
}

namespace unreadable_registry {

inline void Fifo(const QString &registry)
{
    QFile::remove(registry);
    ::mkfifo(QFile::encodeName(registry).constData(), 0644);
}

inline void LinkToZero(const QString &registry)
{
    QFile::remove(registry);
    QFile::link(QStringLiteral("/dev/zero"), registry);
}

inline void Folder(const QString &registry)
{
    QFile::remove(registry);
    QDir().mkpath(registry + QStringLiteral("/inside"));
}

// A sparse file of 2 GB: nothing but zeros.
inline void Sparse(const QString &registry)
{
    QFile(registry).resize(qint64(2) << 30);
}

// The registered classes, then a long run of blanks: valid, but larger than any registry is.
inline void Padded(const QString &registry)
{
    QFile file(registry);
    file.open(QIODevice::ReadWrite);
    QByteArray bytes = file.readAll();
    bytes.insert(bytes.lastIndexOf('}'), QByteArray(8 << 20, ' '));
    file.seek(0);
    file.write(bytes);
}

// What an interrupted write leaves.
inline void CutInHalf(const QString &registry)
{
    QFile file(registry);
    file.open(QIODevice::ReadWrite);
    file.resize(file.size() / 2);
}

} // namespace unreadable_registry

inline const UnreadableRegistry UnreadableRegistries[] = {
    {"Fifo", unreadable_registry::Fifo},           {"LinkToDevZero", unreadable_registry::LinkToZero},
    {"Folder", unreadable_registry::Folder},       {"Sparse2GB", unreadable_registry::Sparse},
    {"Padded8MB", unreadable_registry::Padded},    {"CutInHalf", unreadable_registry::CutInHalf},
};

// What a path names, to tell whether it was changed: its kind, where a link leads, a file's size and content.
inline QByteArray Fingerprint(const QString &path)
{
    const QFileInfo info(path);
    QByteArray print = QByteArray::number(info.isSymLink()) + ' ' + QFile::encodeName(info.symLinkTarget()) + ' ' +
                       QByteArray::number(info.isDir()) + ' ' + QByteArray::number(info.isFile());
    struct stat status;
    if (::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode)) {
        print += ' ' + QByteArray::number(qint64(status.st_size));
        QFile file(path);
        QCryptographicHash hash(QCryptographicHash::Sha1);
        if (file.open(QIODevice::ReadOnly) && status.st_size < (qint64(64) << 20))
            hash.addData(&file);
        print += ' ' + hash.result().toHex();
    }
    return print;
}
