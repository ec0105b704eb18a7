#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Windows made in this process list themselves in a window table of the run's own, so that they
    // never meet a running copy of the program.
    QTemporaryDir windowTable;
    qputenv("VELLICOR_WINDOW_TABLE", windowTable.path().toUtf8());
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marrowin Vellicor"));
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
