#include "app/core/mdlProgram.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marrowin Vellicor"));
    QApplication::setQuitOnLastWindowClosed(false);
    if (!mdlProgram::Main())
        return 0;
    return QApplication::exec();
}
