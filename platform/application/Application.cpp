#include "platform/application/Application.h"

#include <QCoreApplication>
#include <QStringList>

namespace platform::application {
namespace {
bool ended = false;
}

QString Path()
{
    return QCoreApplication::applicationDirPath();
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
    ended = true;
    QCoreApplication::exit(code);
}

bool Ended()
{
    return ended;
}

} // namespace platform::application
