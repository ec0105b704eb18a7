#include "app/core/mdlProgram.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "platform/files/EntryKind.h"

#include <QDir>
#include <QFileInfo>

namespace mdlProgram {
namespace {

// An argument cleaned as a whole command line in one string is: blanks trimmed, a quote removed at either
// end; two characters or fewer name nothing.
QString Unquoted(const QString &argument)
{
    QString file = mdlLibrary::TrimSpaces(argument);
    if (file.size() <= 2)
        return {};
    if (file.startsWith(u'"') || file.startsWith(u'\''))
        file.remove(0, 1);
    if (file.endsWith(u'"') || file.endsWith(u'\''))
        file.chop(1);
    return file;
}

QString KindName(platform::files::EntryKind kind)
{
    using platform::files::EntryKind;
    switch (kind) {
    case EntryKind::Folder: return QStringLiteral("папка");
    case EntryKind::Fifo: return QStringLiteral("канал (FIFO)");
    case EntryKind::Socket: return QStringLiteral("сокет");
    case EntryKind::Device: return QStringLiteral("устройство");
    case EntryKind::File:
    case EntryKind::Missing: break;
    }
    return {};
}

} // namespace

QString GetCommandFile(const QString &argument)
{
    // A relative path is the program folder's; a second copy, which has no program folder yet, takes it
    // from its current folder and makes it absolute, since the running copy has another current folder.
    const QString base = mdlLoad::ProgramFolder.isEmpty() ? QDir::currentPath() + u'/' : mdlLoad::ProgramFolder;
    // The shell hands over each path whole and unquoted, and a name may hold blanks and quotes; only an
    // argument that names nothing as it stands is cleaned as a quoted command line was.
    for (const QString &candidate : {argument, Unquoted(argument)}) {
        if (candidate.isEmpty())
            continue;
        QString file = mdlLibrary::OutsidePath(candidate, base);
        const QString longName = GetLongFileName(file);
        if (!longName.isEmpty())
            file = longName;
        if (platform::files::KindOf(file) != platform::files::EntryKind::Missing)
            return file;
    }
    return {};
}

QString GetLongFileName(const QString &path)
{
    // Host file names have one form only: an existing path is already its long form.
    return QFileInfo::exists(path) ? path : QString();
}

QString NotFilesMessage(const QList<NotFile> &entries)
{
    QString message = entries.size() == 1 ? QStringLiteral("Открыть можно только файл, а это не файл:")
                                          : QStringLiteral("Открыть можно только файл, а это не файлы:");
    for (const NotFile &entry : entries)
        message += QStringLiteral("\r\n") + entry.path + QStringLiteral(" — ") + KindName(entry.kind);
    return message;
}

} // namespace mdlProgram
