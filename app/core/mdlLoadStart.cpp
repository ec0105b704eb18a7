#include "app/core/mdlLoadStart.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadCodes.h"
#include "app/core/mdlLoadHelps.h"
#include "app/core/mdlLoadNewFiles.h"
#include "app/core/mdlLoadTypeFiles.h"
#include "app/core/mdlProgram.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/documents/mdlLanguage.h"
#include "app/documents/mdlLanguageApply.h"
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
    mdlLanguage::InitLanguages(LanguageIni, LanguageFolder);
    mdlLanguage::FillLanguageMenu();
    LoadTypeFiles(TypefileIni);
    LoadCodes(CodeIni);
    LoadHelps(HelpIni);
    LoadNewFiles(NewfileIni);
    LoadPatterns(PatternIni);
    RestoreMainWindow();
    mdlFile::TrimMagazine();
}

void RestoreMainWindow()
{
    frmMain *main = forms::frmMain.get();
    if (FormMaxsize || FormWidth < 1 || FormHeight < 1) {
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
        mdlFile::OpenDocumentFile(path, mdlLibrary::GetFileName(path), 0, 0);
        const QString folder = mdlLibrary::GetFolderOf(path);
        if (mdlLibrary::IsFolderExist(folder))
            PathOpen = folder;
        return;
    }
    if (FileCreat && NewFile >= 1) {
        if (NewFile <= NewFiles.count()) {
            const NewFileType &kind = NewFiles[NewFile];
            mdlFile::NewDocumentEmpty(kind.BaseName, kind.Ext, kind.Type, false);
        } else if (NewFile <= NewFiles.count() + Patterns.count()) {
            const NewFilePattern &pattern = Patterns[NewFile - NewFiles.count()];
            mdlFile::NewDocumentFromPattern(pattern.BaseName, pattern.Ext, pattern.Type, pattern.TemplateFile, false);
        }
    }
}

} // namespace mdlLoad
