#include "app/core/mdlLoadStart.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlProgram.h"
#include "app/documents/mdlFile.h"
#include "app/mainwindow/frmMain.h"
#include "platform/application/Application.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

namespace mdlLoad {
namespace {

void MeasureScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        Screen.ScreenWidth = screen->geometry().width() * TwipsPerPixelX;
        Screen.ScreenHeight = screen->geometry().height() * TwipsPerPixelY;
    }
    const frmMain *main = forms::frmMain.get();
    Screen.MainScaleWidth = main->width() * TwipsPerPixelX;
    Screen.MainScaleHeight = main->height() * TwipsPerPixelY;
}

} // namespace

void InitPathsAndLoad()
{
    InitPaths(platform::application::Path());
    QDir().mkpath(TmpFolder);
    mdlFile::ClearDocuments();

    MeasureScreen();
    LoadSettings(SettingIni);
    ValidateSettings();
    LoadUserIni(UserIni);
    RestoreMainWindow();
}

void RestoreMainWindow()
{
    frmMain *main = forms::frmMain.get();
    if (FormMaxsize) {
        main->setWindowState(main->windowState() | Qt::WindowMaximized);
        return;
    }
    if (FormWidth < 1 || FormHeight < 1) {
        main->setWindowState(main->windowState() | Qt::WindowMaximized);
        return;
    }
    main->move(FormLeft / TwipsPerPixelX, FormTop / TwipsPerPixelY);
    main->resize(FormWidth / TwipsPerPixelX, FormHeight / TwipsPerPixelY);
    main->setWindowState(main->windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
}

void OpenOnStart(const QString &commandLine)
{
    QString path;
    if (mdlProgram::GetCommandFile(path, commandLine)) {
        const QString folder = mdlLibrary::GetFolderOf(path);
        if (mdlLibrary::IsFolderExist(folder))
            PathOpen = folder;
    }
}

} // namespace mdlLoad
