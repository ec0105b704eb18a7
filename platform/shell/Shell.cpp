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

// The executable that `file` names: the file itself, else a program of that name on the search path.
QString ProgramOf(const QString &file)
{
    const QFileInfo info(file);
    // The absolute path starts the file that was tested, never a namesake on the search path.
    if (info.isFile() && info.isExecutable())
        return info.absoluteFilePath();
    return QStandardPaths::findExecutable(file);
}

ShellCall CallOf(const QString &file, const QString &parameters, bool maximized)
{
    ShellCall call{file, parameters, maximized, {}, {}};
    if (HasScheme(file))
        call.address = QUrl(file);
    else if (!parameters.isEmpty())
        call.program = ProgramOf(file);
    else if (!file.isEmpty())
        call.address = QUrl::fromLocalFile(file);
    return call;
}

bool Run(const ShellCall &call)
{
    if (!call.program.isEmpty())
        return QProcess::startDetached(call.program, {call.parameters});
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
