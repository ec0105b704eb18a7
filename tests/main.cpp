#include "platform/application/Application.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The page engine refuses its sandbox to a process run by root, as test machines often do.
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Windows made in this process list themselves in a window table of the run's own, so that they
    // never meet a running copy of the program.
    QTemporaryDir windowTable;
    qputenv("VELLICOR_WINDOW_TABLE", windowTable.path().toUtf8());
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marrowin Vellicor"));
    QApplication::setQuitOnLastWindowClosed(false);
    // Russian whatever the system's locale, as the program sets it at its start.
    platform::application::UseRussian();
    // The exit routine that a test runs ends nothing: the tests after it run in this process.
    platform::application::SetEndHook([](int) {});
    return RUN_ALL_TESTS();
}
