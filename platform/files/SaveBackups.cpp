#include "platform/files/SaveBackups.h"

#include "platform/files/WholeFile.h"

namespace platform::files {

namespace {

// Room for the record's ".path" after the longest backup name.
constexpr qsizetype MaxBackupNameBytes = MaxNameBytes - 5;
// A path the system takes is at most 4096 bytes; the line end comes after.
constexpr qint64 MaxRecordBytes = 4097;

} // namespace

QString CutName(const QString &name, qsizetype maxBytes)
{
    qsizetype bytes = 0;
    qsizetype at = 0;
    while (at < name.size()) {
        const char32_t c = name.at(at).isHighSurrogate() && at + 1 < name.size() && name.at(at + 1).isLowSurrogate()
                               ? QChar::surrogateToUcs4(name.at(at), name.at(at + 1))
                               : char32_t(name.at(at).unicode());
        const qsizetype size = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
        if (bytes + size > maxBytes)
            break;
        bytes += size;
        at += c >= 0x10000 ? 2 : 1;
    }
    return name.left(at);
}

QString BackupPath(const QString &folder, const QString &fileName, int number)
{
    const QString suffix =
        (number == 1 ? QString() : u'.' + QString::number(number)) + QStringLiteral(".bak");
    return folder + u'/' + CutName(fileName, MaxBackupNameBytes - suffix.size()) + suffix;
}

QString BackupRecordPath(const QString &backupPath)
{
    return backupPath + QStringLiteral(".path");
}

QByteArray BackupRecordText(const QString &filePath)
{
    return filePath.toUtf8() + '\n';
}

QString ReadBackupRecord(const QString &recordPath)
{
    const ReadResult read = ReadWhole(recordPath, MaxRecordBytes);
    if (!read.ok() || !read.bytes.startsWith('/') || !read.bytes.endsWith('\n') ||
        read.bytes.indexOf('\n') != read.bytes.size() - 1 || read.bytes.contains('\0'))
        return {};
    const QByteArray path = read.bytes.chopped(1);
    const QString text = QString::fromUtf8(path);
    return text.toUtf8() == path ? text : QString();
}

} // namespace platform::files
