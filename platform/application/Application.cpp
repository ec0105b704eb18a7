#include "platform/application/Application.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

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

void InstallQtTranslations()
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // Qt's widgets and dialogs, and the page engine's menus.
    for (const char *catalogue : {"qtbase_ru", "qtwebengine_ru"}) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(QLatin1String(catalogue), folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
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
