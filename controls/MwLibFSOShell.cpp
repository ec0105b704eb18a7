#include "controls/MwLibFSOShell.h"

#include "controls/MwFSOTypes.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace MwFSO {

namespace {

void DesktopExecute(const ShellRequest &request)
{
    const QFileInfo file(request.Path);
    if (!request.Parameters.isEmpty() && file.isFile() && file.isExecutable()) {
        QProcess::startDetached(file.absoluteFilePath(), QProcess::splitCommand(request.Parameters));
        return;
    }
    const QUrl url = request.Path.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(request.Path)
                                                               : QUrl::fromUserInput(request.Path);
    QDesktopServices::openUrl(url);
}

ShellExecuteHook &Hook()
{
    static ShellExecuteHook hook = DesktopExecute;
    return hook;
}

QString Location(QStandardPaths::StandardLocation location)
{
    return QDir::cleanPath(QStandardPaths::writableLocation(location));
}

} // namespace

void SetShellExecuteHook(ShellExecuteHook hook)
{
    Hook() = hook ? std::move(hook) : ShellExecuteHook(DesktopExecute);
}

void ShellExecute(const ShellRequest &request)
{
    Hook()(request);
}

QString SpecialFolderPath(qint32 id)
{
    switch (id) {
    case ElementSpecDesktop:
    case ElementSpecDesktop2: return Location(QStandardPaths::DesktopLocation);
    case ElementSpecPrograms:
    case ElementSpecStartMenu: return Location(QStandardPaths::ApplicationsLocation);
    case ElementSpecPersonal: return Location(QStandardPaths::DocumentsLocation);
    case ElementSpecStartup: return Location(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart");
    case ElementSpecFonts: return Location(QStandardPaths::FontsLocation);
    case ElementSpecTemplates: return Location(QStandardPaths::TemplatesLocation);
    case ElementSpecAppData: return Location(QStandardPaths::GenericConfigLocation);
    default: return QString();
    }
}

} // namespace MwFSO
