#include "app/core/mdlProgram.h"
#include "platform/application/Application.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The page engine shares its graphics context with the windows; this must precede the application.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marrowin Vellicor"));
    QApplication::setQuitOnLastWindowClosed(false);
    platform::application::InstallQtTranslations();
    if (!mdlProgram::Main())
        return 0;
    return QApplication::exec();
}
