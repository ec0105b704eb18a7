#pragma once

#include "app/core/SharedTypes.h"
#include "app/core/Table.h"
#include "app/core/mdlLibrary.h"

#include "platform/forms/Twips.h"

#include <QString>

// The program's folders and files, its settings (setting.ini and user.ini) and the settings' reading,
// repair and writing.
namespace mdlLoad {

// ---- Folders and files: set once at start; every folder ends with "/" --------------------------------

inline QString ProgramFolder, TmpFolder, ButtonsFolder, IconsFolder, TabImagesFolder, HelpFolder,
    PatternFolder, LanguageFolder, SettingFolder;
inline QString SettingIni, UserIni, MoneyHtm, TmpMoneyHtm, AdviceIni, TypefileIni, LanguageIni, CodeIni,
    HelpIni, NewfileIni, PatternIni, ColorIni, PhraseIni, SymbolIni, PanelIni, ButtonIni, TesterIni, ServerIni,
    AdviceHtm, TmpAdviceHtm, TesterFullHtm, TesterGroupHtm, TesterManHtm, TmpTesterHtm;

// Sets every folder and file above from the program's own folder (the executable's).
void InitPaths(const QString &applicationPath);

// False while the main window loads, True from the splash's end until the exit has closed every document.
inline bool ProgramLoaded = false;

// The colour picker's hand-over. The caller puts the starting colour text into SelColorValue and False
// into SelColorOK before it shows the picker; an accept leaves the chosen text ("#" and six upper-case
// hexadecimal digits) and True, a cancel False and the text untouched.
inline QString SelColorValue;
inline bool SelColorOK = false;

// The text of the message that a file cannot be opened, shown under "Ошибка чтения".
QString CannotOpenMessage(const QString &name);

// ---- Screen measures ------------------------------------------------------------------------------

// Lengths are twips while the program runs (platform/forms/Twips.h); setting.ini stores pixels.

// Set by the window side before the settings are read: the screen and the main window's inner area.
struct ScreenMetrics {
    int ScreenWidth = platform::forms::Twips(1024);
    int ScreenHeight = platform::forms::Twips(768);
    int MainScaleWidth = platform::forms::Twips(1024);
    int MainScaleHeight = platform::forms::Twips(700);
};
inline ScreenMetrics Screen;

// ---- setting.ini ----------------------------------------------------------------------------------

// [start_program]
inline bool FileCreat, DialogNew, DialogOpen, DialogAdvice;
inline int NewFile, AdviceNow;
// [setting_common]
inline QString PathOpen, PathSave;
inline bool PathOsEqual;
inline QString TypeviewOpen, TypeviewSave;
inline int MaxMagazine;
inline bool MagazineClearStart, MainCode1, MainCode2, SaveF2, StatusFullpath, TabsfilesTop, PrintSetup,
    OpenUpdate, SaveUpdate;
// [setting_edit]
inline bool ViewSpace, ViewSpaceReg;
inline QString ColorPink;
inline int SaveCode;
inline bool SaveView, SaveBrowser, UseDefaultLng, ViewTmpfile, BrowserTmpfile;
inline QString FilenameMax;
inline bool FiletabPicture;
inline int CodeMaxlen;
inline bool ServerView, ServerBrowser;
// [view_panel]
inline bool ViewPanelStandart, ViewPanelServise, ViewPanelTegs, ViewPanelFiles, ViewPanelStatus;
// [position]; geometry in twips
inline int NewDialog, OpenDialog, SaveDialog, PanelButtons, PanelServis, MagazineName, MagazinePath;
inline QString FilterMain, Code1Main, Code2Main;
inline bool EditMaxform, FormMaxsize;
inline int FormLeft, FormTop, FormWidth, FormHeight, ServiseWidth, ServiseHeight;
inline int FilenewLeft, FilenewTop, FilenewWidth, FilenewHeight;
inline int FileopenLeft, FileopenTop, FileopenWidth, FileopenHeight;
inline int FilesaveLeft, FilesaveTop, FilesaveWidth, FilesaveHeight;
inline int AdviceLeft, AdviceTop, AdviceWidth, AdviceHeight;
inline int CodeLeft, CodeTop, CodeWidth, CodeHeight;
inline int TesterLeft, TesterTop, TesterWidth, TesterHeight;
// [open_file]: the recent files, oldest first (name, folder)
inline Table<StringPair> Magazine;

// The ranges that the repair at start holds these settings in, and the settings dialog's number boxes.
struct WholeRange {
    int Low;
    int High;
};
inline constexpr WholeRange MaxMagazineRange{0, 100};
inline constexpr WholeRange FilenameMaxRange{5, 100};
inline constexpr WholeRange CodeMaxlenRange{3000, 100000};

// ---- user.ini ---------------------------------------------------------------------------------------

inline int StartCount;
inline bool Updated, Viewform;

// ---- Reading, repair, writing ----------------------------------------------------------------------

void LoadSettings(const QString &path);
void ValidateSettings();
void LoadUserIni(const QString &path);
// The whole texts that the writers put into the files.
QString SettingIniText();
QString UserIniText();
mdlLibrary::TextWritten SaveSettingIni(const QString &path);
mdlLibrary::TextWritten SaveUserIni(const QString &path);
QString BoolToStr(bool value);

} // namespace mdlLoad
