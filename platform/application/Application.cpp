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
    // The executable by its own path, so that the process keeps its name.
    char executable[4096];
    const ssize_t length = readlink("/proc/self/exe", executable, sizeof executable - 1);
    if (length <= 0)
        return;
    executable[length] = '\0';
    qputenv("GLIBC_TUNABLES", "glibc.malloc.hugetlb=1");
    execv(executable, argv);
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
