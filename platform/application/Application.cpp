#include "platform/application/Application.h"

#include <QCoreApplication>
#include <QStringList>

#include <unistd.h>

namespace platform::application {
namespace {
bool ended = false;
QString pathOverride;
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

void UseHugePages(char **argv)
{
    if (qEnvironmentVariableIsSet("GLIBC_TUNABLES"))
        return;
    qputenv("GLIBC_TUNABLES", "glibc.malloc.hugetlb=1");
    execv("/proc/self/exe", argv);
}

void End(int code)
{
    ended = true;
    QCoreApplication::exit(code);
}

bool Ended()
{
    return ended;
}

} // namespace platform::application
