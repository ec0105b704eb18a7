#include "platform/application/Application.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

#include <optional>

namespace platform::application {
namespace {
QString pathOverride;
std::optional<QStringList> argumentsOverride;
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

QStringList Arguments()
{
    return argumentsOverride ? *argumentsOverride : QCoreApplication::arguments().mid(1);
}

void SetArguments(const QStringList &arguments)
{
    argumentsOverride = arguments;
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
