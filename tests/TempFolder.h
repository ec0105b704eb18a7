#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
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

private:
    QTemporaryDir dir_;
};
