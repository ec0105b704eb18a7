#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <sys/mount.h>

// A file system of its own of `kilobytes` (a tmpfs mounted on a temporary folder), for a disk that
// really fills up: a write past its room fails with ENOSPC. Mounting needs root, as the test machines
// run; ok() says whether it is there.
class SmallFileSystem {
public:
    explicit SmallFileSystem(int kilobytes)
    {
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0777";
        mounted_ = ::mount("tmpfs", QFile::encodeName(folder_.path()).constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallFileSystem()
    {
        if (mounted_)
            ::umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;

    bool ok() const { return mounted_; }
    QString path(const QString &name) const { return folder_.filePath(name); }

private:
    QTemporaryDir folder_;
    bool mounted_ = false;
};
