#include "app/core/mdlLibraryShell.h"

#include "app/core/mdlLibrary.h"
#include "platform/shell/FolderPicker.h"
#include "platform/shell/Shell.h"

namespace mdlLibrary {

bool ShellOpen(const QString &file, bool maximized)
{
    return platform::shell::OpenDocument(file, maximized);
}

bool ShellStart(const QString &program, const QString &parameters, bool maximized)
{
    return platform::shell::StartProgram(program, parameters, maximized);
}

QString BrowseFolder(QWidget *owner, const QString &title, const QString &startFolder)
{
    const QString picked = platform::shell::BrowseFolder(owner, title, startFolder);
    // "/" is a folder like any other here; only the empty answer is a cancel.
    if (picked.isEmpty())
        return {};
    return AsHostFolder(picked);
}

} // namespace mdlLibrary
