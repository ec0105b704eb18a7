#include "platform/application/Application.h"

#include <QCoreApplication>
#include <QStringList>

namespace platform::application {
namespace {
QString pathOverride;
EndHook endHook;
} // namespace

QString Path()
{
    return pathOverride.isEmpty() ? QCoreApplication::applicationDirPath() : pathOverride;
}

void SetPath(const QString &folder)
{
    pathOverride = folder;
}

QString Title()
{
    return QCoreApplication::applicationName();
}

QString CommandLine()
{
    return QCoreApplication::arguments().mid(1).join(u' ');
}

void End(int code)
{
    if (endHook)
        endHook(code);
    else
        QCoreApplication::exit(code);
}

void SetEndHook(EndHook hook)
{
    endHook = std::move(hook);
}

} // namespace platform::application
