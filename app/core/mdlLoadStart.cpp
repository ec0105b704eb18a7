#include "app/core/mdlLoadStart.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadButtons.h"
#include "app/core/mdlLoadCodes.h"
#include "app/core/mdlLoadHelps.h"
#include "app/core/mdlLoadNewFiles.h"
#include "app/core/mdlLoadServer.h"
#include "app/core/mdlLoadTegs.h"
#include "app/core/mdlLoadTrees.h"
#include "app/core/mdlLoadTypeFiles.h"
#include "app/core/mdlLoadWorkPanel.h"
#include "app/core/mdlProgram.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileCommands.h"
#include "app/documents/mdlFileOpen.h"
#include "app/documents/mdlFileWindows.h"
#include "app/documents/mdlLanguage.h"
#include "app/documents/mdlLanguageApply.h"
#include "app/dialogs/MwFSOHost.h"
#include "app/mainwindow/frmMain.h"
#include "platform/application/Application.h"
#include "platform/forms/StoredRect.h"
#include "platform/widgets/TabStrip.h"
#include "platform/widgets/Pictures.h"

#include <QApplication>
#include <QAction>
#include <QDir>
#include <QIcon>
#include <QPixmap>
#include <QGuiApplication>
#include <QScreen>

namespace mdlLoad {
namespace {

void MeasureScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        Screen.ScreenWidth = platform::forms::Twips(screen->geometry().width());
        Screen.ScreenHeight = platform::forms::Twips(screen->geometry().height());
    }
    const frmMain *main = forms::frmMain.get();
    Screen.MainScaleWidth = platform::forms::Twips(main->width());
    Screen.MainScaleHeight = platform::forms::Twips(main->height());
}

// The tag bar's picture list holding its own four pictures, the built-in button's first, ready for
// button.ini's. A picture that does not load stays blank in its place: the buttons' numbers then never
// shift down onto the built-in button's.
ImageList &PanelPictures()
{
    ImageList &pictures = forms::frmMain->imgPanel;
    pictures.Clear();
    for (int n = 1; n <= 4; ++n)
        pictures.AddOwn(SettingFolder + QStringLiteral("panel%1.gif").arg(n));
    return pictures;
}

} // namespace

void InitPathsAndLoad()
{
    InitPaths(platform::application::Path());
    QDir().mkpath(TmpFolder);
    // The main window and every document window show the program's own icon.
    QApplication::setWindowIcon(platform::widgets::LoadIcon(SettingFolder + QStringLiteral("vellicor.gif")));
    mdlFile::ClearDocuments();

    MeasureScreen();
    LoadSettings(SettingIni);
    ValidateSettings();
    LoadUserIni(UserIni);
    mdlLanguage::InitLanguages(LanguageIni, LanguageFolder);
    mdlLanguage::FillLanguageMenu();
    LoadTypeFiles(TypefileIni);
    LoadCodes(CodeIni);
    LoadPanels(PanelIni);
    LoadButtons(ButtonIni, PanelPictures());
    LoadHelps(HelpIni);
    LoadNewFiles(NewfileIni);
    LoadPatterns(PatternIni);
    LoadPhrases(PhraseIni);
    LoadColors(ColorIni);
    LoadSymbols(SymbolIni);
    LoadServerIni(ServerIni);
    RestoreMainWindow();
    ArrangeMainToolbars();
    FillMainPanels();
    FillTegsTabs();
    mdlFile::TrimMagazine();
}

void RestoreMainWindow()
{
    frmMain *main = forms::frmMain.get();
    platform::forms::RestoreRect(*main, {FormLeft, FormTop, FormWidth, FormHeight});
    if (FormMaxsize || FormWidth < 1 || FormHeight < 1)
        main->setWindowState(main->windowState() | Qt::WindowMaximized);
    else
        main->setWindowState(main->windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
}

void ArrangeMainToolbars()
{
    frmMain *main = forms::frmMain.get();
    main->ActiveFileIndex = 0;
    FillCodeMenus();
    SelColorValue = ColorPink;
    main->LoadCommandBarPictures();
    // Every bar starts hidden and unchecked: each switch run once shows its bar and checks its item.
    const std::pair<bool, void (frmMain::*)()> switches[] = {
        {ViewPanelStandart, &frmMain::mnuView_ToolBar_Standart_Click},
        {ViewPanelServise, &frmMain::mnuView_ToolBar_Servise_Click},
        {ViewPanelTegs, &frmMain::mnuView_ToolBar_Tegs_Click},
        {ViewPanelStatus, &frmMain::mnuView_ToolBar_StatusBar_Click},
        {ViewPanelFiles, &frmMain::mnuView_ToolBar_Files_Click}};
    for (const auto &[shown, click] : switches)
        if (shown)
            (main->*click)();
    if (TabsfilesTop)
        main->DockFilesPanel(true);
    mdlFile::RefreshDocumentCommands();
}

void OpenOnStart(const QStringList &arguments)
{
    frmMain *main = forms::frmMain.get();
    // The file panel's split as the user left it, as if its splitter were dragged there; a maximised frame
    // may still have its normal size here and takes the split once it has grown.
    main->RestoreFilesSplit(ServiseHeight);
    // The file panel shows the folder of the last file, which is the active document.
    if (const QString path = mdlProgram::OpenCommandFiles(arguments); !path.isEmpty()) {
        const QString folder = mdlLibrary::GetFolderOf(path);
        if (mdlLibrary::IsFolderExist(folder)) {
            PathOpen = folder;
            main->cmbDrive->SetPath(PathOpen);
        }
    } else {
        if (FileCreat && NewFile >= 1) {
            if (NewFile <= NewFiles.count()) {
                const NewFileType &kind = NewFiles[NewFile];
                mdlFile::NewDocumentEmpty(kind.BaseName, kind.Ext, kind.Type, false);
            } else if (NewFile <= NewFiles.count() + Patterns.count()) {
                const NewFilePattern &pattern = Patterns[NewFile - NewFiles.count()];
                mdlFile::NewDocumentFromPattern(pattern.BaseName, pattern.Ext, pattern.Type, pattern.TemplateFile,
                                                false);
            }
        }
        // Each dialog is modal: the next one opens when the one before it has closed.
        if (DialogAdvice)
            main->mnuServis_Advice_Click();
        if (DialogNew)
            main->mnuFile_New_Click();
        if (DialogOpen)
            main->mnuFile_Open_Click();
    }
    // The start counter was raised for this start already: the page shows on the 20th, 40th, ... start.
    if (Viewform && StartCount % 20 == 0)
        main->mnuHelp_User_Click();
}

void FillHelpMenu()
{
    frmMain *main = forms::frmMain.get();
    for (const StringPair &entry : Helps)
        main->AddHelpItem(entry.First);
    main->mnuHelp_Line1->setVisible(!Helps.isEmpty());
}

void LoadFileTabImages()
{
    TabStrip *tabs = forms::frmMain->tbsFiles;
    int *indices[] = {&mdlFile::TabImageNew, &mdlFile::TabImageNewChanged, &mdlFile::TabImageOpen,
                      &mdlFile::TabImageOpenChanged};
    const char *files[] = {"new.gif", "newch.gif", "open.gif", "opench.gif"};
    for (int i = 0; i < 4; ++i) {
        *indices[i] = 0;
        const QPixmap picture = platform::widgets::LoadPicture(TabImagesFolder + QLatin1String(files[i]));
        if (picture.isNull())
            continue;
        tabs->Images.append(QIcon(picture));
        *indices[i] = static_cast<int>(tabs->Images.size());
    }
}

} // namespace mdlLoad
