#include "app/core/mdlProgram.h"
#include "platform/application/Application.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marrowin Vellicor"));
    QApplication::setQuitOnLastWindowClosed(false);
    platform::application::UseRussian();
    if (!mdlProgram::Main())
        return 0;
    return QApplication::exec();
}
