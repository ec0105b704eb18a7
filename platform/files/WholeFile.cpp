#include "platform/files/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform::files {

bool IsFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

bool IsFolder(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool CanRead(const QString &path)
{
    if (!IsFile(path))
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

ReadResult ReadWhole(const QString &path)
{
    if (!IsFile(path))
        return {{}, FileError::Missing};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, FileError::Unreadable};
    ReadResult result;
    result.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, FileError::Unreadable};
    return result;
}

FileError ReadSlices(const QString &path, qint64 sliceSize, const std::function<void(QByteArrayView)> &take)
{
    if (!IsFile(path))
        return FileError::Missing;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileError::Unreadable;
    QByteArray buffer(sliceSize, Qt::Uninitialized);
    while (true) {
        const qint64 read = file.read(buffer.data(), sliceSize);
        if (read < 0)
            return FileError::Unreadable;
        if (read == 0)
            return FileError::None;
        take(QByteArrayView(buffer.constData(), read));
    }
}

FileError WriteWhole(const QString &path, const QByteArray &bytes)
{
    SliceWriter writer(path);
    writer.Write(bytes);
    return writer.Commit();
}

SliceWriter::SliceWriter(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || info.isDir() || (info.exists() && !info.isWritable())) {
        failed_ = true;
        return;
    }
    file_ = std::make_unique<QSaveFile>(path);
    failed_ = !file_->open(QIODevice::WriteOnly);
}

SliceWriter::~SliceWriter() = default;

void SliceWriter::Write(const QByteArray &slice)
{
    if (!failed_ && file_->write(slice) != slice.size())
        failed_ = true;
}

FileError SliceWriter::Commit()
{
    if (failed_) {
        if (file_)
            file_->cancelWriting();
        return FileError::Unwritable;
    }
    return file_->commit() ? FileError::None : FileError::Unwritable;
}

} // namespace platform::files
