#include "app/core/mdlProgram.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"

#include <QDir>
#include <QFileInfo>

namespace mdlProgram {

bool GetCommandFile(QString &path, const QString &commandLine)
{
    path.clear();
    QString file = mdlLibrary::TrimSpaces(commandLine);
    if (file.size() <= 2)
        return false;
    if (file.startsWith(u'"') || file.startsWith(u'\''))
        file.remove(0, 1);
    if (file.endsWith(u'"') || file.endsWith(u'\''))
        file.chop(1);

    // A relative path is the program folder's; a second copy, which has no program folder yet, takes it
    // from its current folder and makes it absolute, since the running copy has another current folder.
    const QString base = mdlLoad::ProgramFolder.isEmpty() ? QDir::currentPath() + u'/' : mdlLoad::ProgramFolder;
    file = mdlLibrary::OutsidePath(file, base);
    const QString longName = GetLongFileName(file);
    if (!longName.isEmpty())
        file = longName;
    if (!mdlLibrary::IsTextFile(file))
        return false;
    path = file;
    return true;
}

QString GetLongFileName(const QString &path)
{
    // Host file names have one form only: an existing path is already its long form.
    return QFileInfo::exists(path) ? path : QString();
}

} // namespace mdlProgram
