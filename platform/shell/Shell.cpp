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

// The address under which the desktop opens `target`; none for an empty target.
QUrl AddressOf(const QString &target)
{
    if (HasScheme(target))
        return QUrl(target);
    return target.isEmpty() ? QUrl() : QUrl::fromLocalFile(target);
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

ShellCall StartCall(const QString &file, const QString &parameters, bool maximized)
{
    ShellCall call{ShellKind::Start, file, parameters, maximized, {}, {}};
    if (HasScheme(file)) {
        call.address = QUrl(file);
        return call;
    }
    if (!file.isEmpty())
        call.program = ProgramOf(file);
    // Without parameters the entry may name a document: it goes to its associated program when it is no
    // program, or when the program does not start.
    if (parameters.isEmpty() && (QFileInfo::exists(file) || (call.program.isEmpty() && !file.isEmpty())))
        call.address = QUrl::fromLocalFile(file);
    return call;
}

bool Run(const ShellCall &call)
{
    const QStringList arguments = call.parameters.isEmpty() ? QStringList() : QStringList{call.parameters};
    if (!call.program.isEmpty() && QProcess::startDetached(call.program, arguments))
        return true;
    return call.address.isValid() && !call.address.isEmpty() && QDesktopServices::openUrl(call.address);
}

bool Hand(const ShellCall &call)
{
    return shellHook ? shellHook(call) : Run(call);
}

} // namespace

bool OpenDocument(const QString &target, bool maximized)
{
    return Hand({ShellKind::Open, target, QString(), maximized, QString(), AddressOf(target)});
}

bool StartProgram(const QString &program, const QString &parameters, bool maximized)
{
    return Hand(StartCall(program, parameters, maximized));
}

void SetShellHook(ShellHook hook)
{
    shellHook = std::move(hook);
}

} // namespace platform::shell
