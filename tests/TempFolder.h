#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

// A temporary folder with helpers to lay out and read back small files.
class TempFolder {
public:
    QString path(const QString &name = QString()) const
    {
        return name.isEmpty() ? dir_.path() : dir_.filePath(name);
    }

    QString write(const QString &name, const QByteArray &bytes) const
    {
        const QString file = path(name);
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        return file;
    }

    QByteArray read(const QString &name) const
    {
        QFile in(path(name));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    // Copies the folder `from` with everything in it to `to`.
    static void CopyTree(const QString &from, const QString &to)
    {
        QDir().mkpath(to);
        for (const QFileInfo &entry : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QString target = to + u'/' + entry.fileName();
            if (entry.isDir())
                CopyTree(entry.filePath(), target);
            else
                QFile::copy(entry.filePath(), target);
        }
    }

private:
    QTemporaryDir dir_;
};
