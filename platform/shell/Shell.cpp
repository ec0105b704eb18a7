#include "platform/shell/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <utility>

namespace platform::shell {
namespace {

ShellHook shellHook;

bool HasScheme(const QString &target)
{
    static const QStringList schemes = {QStringLiteral("http:"), QStringLiteral("https:"), QStringLiteral("ftp:"),
                                        QStringLiteral("mailto:"), QStringLiteral("file:")};
    for (const QString &scheme : schemes)
        if (target.startsWith(scheme, Qt::CaseInsensitive))
            return true;
    return false;
}

bool IsExecutableFile(const QFileInfo &info)
{
    return info.isFile() && info.isExecutable();
}

// The executable that `file` names: the file itself, else a program of that name on the search path.
QString ProgramOf(const QString &file)
{
    const QFileInfo info(file);
    // The absolute path starts the file that was tested, never a namesake on the search path.
    if (IsExecutableFile(info))
        return info.absoluteFilePath();
    return QStandardPaths::findExecutable(file);
}

// Without parameters the target is opened as the shell opens it: a program file, or a bare name found on
// the search path, is run; anything else goes to its associated program. A file marked executable keeps
// the document's way too, tried when it does not run: drives from other systems mark every file so.
ShellCall CallOf(const QString &file, const QString &parameters, bool maximized)
{
    ShellCall call{file, parameters, maximized, {}, {}};
    if (HasScheme(file)) {
        call.address = QUrl(file);
    } else if (!parameters.isEmpty()) {
        call.program = ProgramOf(file);
    } else if (!file.isEmpty()) {
        const QFileInfo info(file);
        if (IsExecutableFile(info))
            call.program = info.absoluteFilePath();
        else if (!info.exists())
            call.program = QStandardPaths::findExecutable(file);
        if (info.exists() || call.program.isEmpty())
            call.address = QUrl::fromLocalFile(file);
    }
    return call;
}

bool Run(const ShellCall &call)
{
    const QStringList arguments = call.parameters.isEmpty() ? QStringList() : QStringList{call.parameters};
    if (!call.program.isEmpty() && QProcess::startDetached(call.program, arguments))
        return true;
    return call.address.isValid() && !call.address.isEmpty() && QDesktopServices::openUrl(call.address);
}

} // namespace

bool ShellOpen(const QString &file, const QString &parameters, bool maximized)
{
    const ShellCall call = CallOf(file, parameters, maximized);
    return shellHook ? shellHook(call) : Run(call);
}

void SetShellHook(ShellHook hook)
{
    shellHook = std::move(hook);
}

} // namespace platform::shell
