#include "app/core/mdlExit.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadNewFiles.h"
#include "app/core/mdlLoadStart.h"
#include "app/core/mdlSetting.h"
#include "app/dialogs/frmAdvice.h"
#include "app/dialogs/frmSetting.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/documents/mdlFileWindows.h"
#include "app/mainwindow/frmMain.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/widgets/CheckBox.h"
#include "platform/widgets/StatusBar.h"
#include "platform/widgets/TabStrip.h"
#include "tests/LoadedProgram.h"
#include "tests/TempRegistry.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMdiArea>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace dialogs = platform::dialogs;

namespace {

// The settings dialog shown by the main window's settings command over the loaded program; `act` stands
// in for the user while it is shown, `pick` for the user of the folder picker opened over it.
class SettingDialog : public LoadedProgram {
protected:
    void TearDown() override
    {
        mdlSetting::SettingUpdated = false;
        LoadedProgram::TearDown();
    }

    // Runs the settings command; returns whether the dialog was still loaded once the command returned.
    bool showSetting(const std::function<void(frmSetting &)> &act)
    {
        dialogs::SetDialogHook([&](QDialog &dialog) {
            if (auto *picker = qobject_cast<QFileDialog *>(&dialog)) {
                pickerTitles.append(picker->windowTitle());
                pickerStarts.append(picker->directory().absolutePath());
                if (picked.isEmpty())
                    return int(QDialog::Rejected);
                picker->setDirectory(picked);
                return int(QDialog::Accepted);
            }
            auto &shown = static_cast<frmSetting &>(dialog);
            shown.show();
            QApplication::setActiveWindow(&shown);
            act(shown);
            return int(QDialog::Rejected);
        });
        main()->mnuServis_Setting_Click();
        dialogs::SetDialogHook(nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return forms::frmSetting.isLoaded();
    }

    static QTreeWidgetItem *node(frmSetting &d, const QString &key)
    {
        for (QTreeWidgetItemIterator it(d.trvSetting); *it; ++it)
            if ((*it)->data(0, Qt::UserRole).toString() == key)
                return *it;
        return nullptr;
    }

    // Clicks the page's node in the tree, as the user would.
    static void openPage(frmSetting &d, const QString &key)
    {
        QTreeWidgetItem *item = node(d, key);
        ASSERT_NE(item, nullptr) << qPrintable(key);
        QTest::mouseClick(d.trvSetting->viewport(), Qt::LeftButton, {},
                          d.trvSetting->visualItemRect(item).center());
    }

    // The page that the dialog shows; -1 when none or several.
    static int shownPage(frmSetting &d)
    {
        int shown = -1;
        for (auto page = d.picInfo.cbegin(); page != d.picInfo.cend(); ++page)
            if (page.value()->isVisible())
                shown = shown == -1 ? page.key() : -2;
        return shown < 0 ? -1 : shown;
    }

    // Puts `text` into the box as the user would (typed or pasted), then moves the focus away from it.
    static void typeAndLeave(frmSetting &d, QLineEdit *box, const QString &text)
    {
        box->setFocus(Qt::TabFocusReason);
        box->clear();
        box->insert(text);
        d.trvSetting->setFocus(Qt::TabFocusReason);
    }

    QString picked;
    QStringList pickerTitles, pickerStarts;
    TempFolder files;
};

// One setting of the dialog: its value `v` (0 or 1) put into its variable, looked for there and in its
// control, and put into the control as the user would.
struct SettingRow {
    QString key;
    QString page;
    std::function<void(int)> set;
    std::function<bool(int)> is;
    std::function<QWidget *(frmSetting &)> control;
    std::function<bool(frmSetting &, int)> shows;
    std::function<void(frmSetting &, int)> enter;
};

SettingRow CheckRow(const char *key, const char *page, bool &value, CheckBox *frmSetting::*box)
{
    return {key, page, [&value](int v) { value = v == 1; }, [&value](int v) { return value == (v == 1); },
            [box](frmSetting &d) -> QWidget * { return d.*box; },
            [box](frmSetting &d, int v) { return (d.*box)->isChecked() == (v == 1); },
            [box](frmSetting &d, int v) {
                if ((d.*box)->isChecked() != (v == 1))
                    QTest::mouseClick(d.*box, Qt::LeftButton, {}, QPoint(4, 4));
            }};
}

template <typename T>
SettingRow ListRow(const char *key, const char *page, T &value, QComboBox *frmSetting::*list,
                   std::array<std::pair<T, int>, 2> values)
{
    return {key, page, [&value, values](int v) { value = values[v].first; },
            [&value, values](int v) { return value == values[v].first; },
            [list](frmSetting &d) -> QWidget * { return d.*list; },
            [list, values](frmSetting &d, int v) { return (d.*list)->currentIndex() == values[v].second; },
            [list, values](frmSetting &d, int v) { (d.*list)->setCurrentIndex(values[v].second); }};
}

template <typename T>
SettingRow TextRow(const char *key, const char *page, T &value, QLineEdit *frmSetting::*box,
                   std::array<std::pair<T, QString>, 2> values)
{
    return {key, page, [&value, values](int v) { value = values[v].first; },
            [&value, values](int v) { return value == values[v].first; },
            [box](frmSetting &d) -> QWidget * { return d.*box; },
            [box, values](frmSetting &d, int v) { return (d.*box)->text() == values[v].second; },
            [box, values](frmSetting &d, int v) {
                (d.*box)->clear();
                (d.*box)->insert(values[v].second);
            }};
}

// new_file: value 0 is the second kind of empty file, value 1 the second template. The options and lists
// are enabled exactly while "Создавать новый файл указанного типа" is ticked; to choose while it is not,
// the user ticks it, chooses and clears it again.
SettingRow NewFileRow()
{
    const auto newFile = [](int v) { return v == 0 ? 2 : mdlLoad::NewFiles.count() + 2; };
    return {"new_file", "start", [newFile](int v) { mdlLoad::NewFile = newFile(v); },
            [newFile](int v) { return mdlLoad::NewFile == newFile(v); },
            [](frmSetting &d) -> QWidget * { return d.optStart_New[1]; },
            [](frmSetting &d, int v) {
                const bool on = d.chcStart_New->isChecked();
                return d.optStart_New[v]->isChecked() && d.cmbStart_New[v]->currentIndex() == 1 &&
                       d.cmbStart_New[v]->isEnabled() == on && !d.cmbStart_New[1 - v]->isEnabled();
            },
            [](frmSetting &d, int v) {
                const bool off = !d.chcStart_New->isChecked();
                if (off)
                    QTest::mouseClick(d.chcStart_New, Qt::LeftButton, {}, QPoint(4, 4));
                d.optStart_New[v]->click();
                d.cmbStart_New[v]->setCurrentIndex(1);
                if (off)
                    QTest::mouseClick(d.chcStart_New, Qt::LeftButton, {}, QPoint(4, 4));
            }};
}

// Every setting on every page.
std::vector<SettingRow> SettingRows(const QString &folderA, const QString &folderB)
{
    using namespace mdlLoad;
    return {
        CheckRow("file_creat", "start", FileCreat, &frmSetting::chcStart_New),
        NewFileRow(),
        CheckRow("dialog_new", "start", DialogNew, &frmSetting::chcStart_Create),
        CheckRow("dialog_open", "start", DialogOpen, &frmSetting::chcStart_Open),
        CheckRow("dialog_advice", "start", DialogAdvice, &frmSetting::chcStart_Advice),
        CheckRow("main_code1", "main", MainCode1, &frmSetting::chcMain_Code_File),
        CheckRow("main_code2", "main", MainCode2, &frmSetting::chcMain_Code_View),
        CheckRow("status_fullpath", "main", StatusFullpath, &frmSetting::chcMain_FullPath),
        CheckRow("standart", "main_panels", ViewPanelStandart, &frmSetting::chcMain_Panels_Standart),
        CheckRow("servise", "main_panels", ViewPanelServise, &frmSetting::chcMain_Panels_Servise),
        CheckRow("tegs", "main_panels", ViewPanelTegs, &frmSetting::chcMain_Panels_Tegs),
        CheckRow("files", "main_panels", ViewPanelFiles, &frmSetting::chcMain_Panels_Files),
        CheckRow("status", "main_panels", ViewPanelStatus, &frmSetting::chcMain_Panels_Status),
        ListRow<bool>("tabsfiles_top", "main_files", TabsfilesTop, &frmSetting::cmbMain_Files_Place,
                      {{{true, 0}, {false, 1}}}),
        TextRow<QString>("filename_max", "main_files", FilenameMax, &frmSetting::txtMain_Files_LenFile,
                         {{{"30", "30"}, {"45", "45"}}}),
        CheckRow("filetab_picture", "main_files", FiletabPicture, &frmSetting::chcMain_Files_Picture),
        TextRow<QString>("path_open", "dialogs", PathOpen, &frmSetting::txtDialogs_Open_Path,
                         {{{folderA, folderA}, {folderB, folderB}}}),
        TextRow<QString>("path_save", "dialogs", PathSave, &frmSetting::txtDialogs_Save_Path,
                         {{{folderB, folderB}, {folderA, folderA}}}),
        ListRow<QString>("typeview_open", "dialogs", TypeviewOpen, &frmSetting::cmbDialogs_Open_View,
                         {{{"icons", 0}, {"detals", 3}}}),
        ListRow<QString>("typeview_save", "dialogs", TypeviewSave, &frmSetting::cmbDialogs_Save_View,
                         {{{"small", 1}, {"list", 2}}}),
        CheckRow("path_os_equal", "dialogs", PathOsEqual, &frmSetting::chcDialogs_Equal),
        TextRow<int>("code_maxlen", "dialogs", CodeMaxlen, &frmSetting::txtDialogs_CodeMax,
                     {{{5000, "5000"}, {70000, "70000"}}}),
        CheckRow("save_f2", "files", SaveF2, &frmSetting::chcFiles_F2),
        ListRow<int>("save_code", "files", SaveCode, &frmSetting::cmbFiles_SaveCode, {{{1, 0}, {3, 2}}}),
        TextRow<int>("max_magazine", "files", MaxMagazine, &frmSetting::txtFiles_Magazin_Count,
                     {{{7, "7"}, {0, "0"}}}),
        CheckRow("magazine_clear_start", "files", MagazineClearStart, &frmSetting::chcFiles_Magazin_Clear),
        CheckRow("save_view", "files_view", SaveView, &frmSetting::chcFiles_View_SaveInner),
        CheckRow("save_browser", "files_view", SaveBrowser, &frmSetting::chcFiles_View_SaveOuter),
        CheckRow("view_tmpfile", "files_view", ViewTmpfile, &frmSetting::chcFiles_View_OpenInner),
        CheckRow("browser_tmpfile", "files_view", BrowserTmpfile, &frmSetting::chcFiles_View_OpenOuter),
        CheckRow("server_view", "files_view", ServerView, &frmSetting::chcFiles_View_ServerInner),
        CheckRow("server_browser", "files_view", ServerBrowser, &frmSetting::chcFiles_View_ServerOuter),
        CheckRow("use_default_lng", "text", UseDefaultLng, &frmSetting::chcText_Default),
        CheckRow("view_space_reg", "text", ViewSpaceReg, &frmSetting::chcText_NoPrint),
        CheckRow("print_setup", "text", PrintSetup, &frmSetting::chcText_PrintSetup),
    };
}

// Each setting shows on its page, goes back into its variable on "Обновить" and not on "Отменить", and
// comes back from setting.ini at the next start.
TEST_F(SettingDialog, EverySettingIsFilledWrittenBackOnlyOnUpdateAndStoredAtExit)
{
    const QString folderA = files.path("site a") + u'/';
    const QString folderB = files.path("сайт б") + u'/';
    QDir().mkpath(folderA);
    QDir().mkpath(folderB);
    const std::vector<SettingRow> rows = SettingRows(folderA, folderB);
    ASSERT_EQ(rows.size(), 35u);
    ASSERT_GE(mdlLoad::NewFiles.count(), 2);
    ASSERT_GE(mdlLoad::Patterns.count(), 2);

    // In pass k a setting starts from bit k of its row's number (counted from 1), so that any two
    // settings start apart in some pass and each one goes both ways.
    for (int bit = 0; bit < 6; ++bit) {
        const auto from = [bit](size_t i) { return int((i + 1) >> bit) & 1; };
        const auto to = [&from](size_t i) { return 1 - from(i); };
        for (size_t i = 0; i < rows.size(); ++i)
            rows[i].set(from(i));

        showSetting([&](frmSetting &d) {
            EXPECT_EQ(shownPage(d), 0);
            for (size_t i = 0; i < rows.size(); ++i) {
                openPage(d, rows[i].page);
                EXPECT_TRUE(rows[i].control(d)->isVisible()) << qPrintable(rows[i].key) << " is on its page";
                EXPECT_TRUE(rows[i].shows(d, from(i))) << qPrintable(rows[i].key) << " filled, pass " << bit;
                rows[i].enter(d, to(i));
            }
            d.cmmUpdate->click();
        });
        for (size_t i = 0; i < rows.size(); ++i)
            EXPECT_TRUE(rows[i].is(to(i))) << qPrintable(rows[i].key) << " written back, pass " << bit;

        showSetting([&](frmSetting &d) {
            for (size_t i = 0; i < rows.size(); ++i) {
                openPage(d, rows[i].page);
                EXPECT_TRUE(rows[i].shows(d, to(i))) << qPrintable(rows[i].key) << " filled again, pass " << bit;
                rows[i].enter(d, from(i));
            }
            d.cmmCancel->click();
        });
        for (size_t i = 0; i < rows.size(); ++i)
            EXPECT_TRUE(rows[i].is(to(i))) << qPrintable(rows[i].key) << " untouched by Отменить, pass " << bit;

        mdlExit::SaveSettings();
        for (size_t i = 0; i < rows.size(); ++i)
            rows[i].set(from(i));
        mdlLoad::LoadSettings(mdlLoad::SettingIni);
        mdlLoad::ValidateSettings();
        for (size_t i = 0; i < rows.size(); ++i)
            EXPECT_TRUE(rows[i].is(to(i))) << qPrintable(rows[i].key) << " read back from setting.ini, pass " << bit;
    }
}

// The settings changed in the dialog are written by the program's own exit and read by its next start.
TEST_F(SettingDialog, ChangedSettingsComeBackAfterTheExitAndTheNextStart)
{
    TempRegistry registry;
    const QString folderA = files.path("site a") + u'/';
    const QString folderB = files.path("сайт б") + u'/';
    QDir().mkpath(folderA);
    QDir().mkpath(folderB);
    const std::vector<SettingRow> rows = SettingRows(folderA, folderB);
    for (const int v : {0, 1}) {
        for (const SettingRow &row : rows)
            row.set(1 - v);
        showSetting([&](frmSetting &d) {
            for (const SettingRow &row : rows) {
                openPage(d, row.page);
                row.enter(d, v);
            }
            d.cmmUpdate->click();
        });

        main()->mnuFile_Exit_Click();
        ASSERT_FALSE(mdlLoad::ProgramLoaded) << "the exit ran to its end";
        UnloadProgramWindows();
        for (const SettingRow &row : rows)
            row.set(1 - v);
        // The dialogs that the settings open at start are cancelled.
        dialogs::SetDialogHook([](QDialog &) { return int(QDialog::Rejected); });
        forms::frmMain.get()->MDIForm_Load();
        dialogs::SetDialogHook(nullptr);
        ASSERT_TRUE(mdlLoad::ProgramLoaded) << "the start ran to its end";
        for (const SettingRow &row : rows)
            EXPECT_TRUE(row.is(v)) << qPrintable(row.key) << " after the exit and the start, value " << v;
    }
    forms::frmAdvice.unload();
}

// With no template to choose, "По шаблону" stores no kind: the next start creates nothing, where the
// option's number would otherwise name the last kind of empty file.
TEST_F(SettingDialog, TheTemplateOptionWithoutTemplatesStoresNoNewDocument)
{
    mdlLoad::Patterns.clear();
    mdlLoad::FileCreat = true;
    mdlLoad::NewFile = 2;
    showSetting([](frmSetting &d) {
        EXPECT_EQ(d.cmbStart_New[1]->count(), 0);
        d.optStart_New[1]->click();
        d.cmmUpdate->click();
    });
    EXPECT_EQ(mdlLoad::NewFile, 0);

    mdlLoad::DialogAdvice = mdlLoad::DialogNew = mdlLoad::DialogOpen = mdlLoad::Viewform = false;
    mdlLoad::OpenOnStart({});
    EXPECT_EQ(mdlFile::DocumentCount(), 0) << "no document at start";
}

// Only the bars whose setting changed are switched: with the status bar switched off in the dialog, the
// other four bars and their View-menu checks stay as they were, the hidden one too.
TEST_F(SettingDialog, UpdateSwitchesOnlyTheBarsWhoseSettingChanged)
{
    frmMain *m = main();
    const std::pair<QAction *, QWidget *> bars[] = {{m->mnuView_ToolBar_Standart, m->picToolbar},
                                                    {m->mnuView_ToolBar_Servise, m->picServise},
                                                    {m->mnuView_ToolBar_Tegs, m->picTegs},
                                                    {m->mnuView_ToolBar_Files, m->picFiles},
                                                    {m->mnuView_ToolBar_StatusBar, m->sttMain}};
    const bool before[] = {true, false, true, true, true};
    for (int i = 0; i < 5; ++i)
        if (bars[i].first->isChecked() != before[i])
            bars[i].first->trigger();
    std::vector<std::unique_ptr<QSignalSpy>> switched;
    for (const auto &bar : bars)
        switched.push_back(std::make_unique<QSignalSpy>(bar.first, &QAction::triggered));

    showSetting([](frmSetting &d) {
        openPage(d, "main_panels");
        EXPECT_FALSE(d.chcMain_Panels_Servise->isChecked());
        QTest::mouseClick(d.chcMain_Panels_Status, Qt::LeftButton, {}, QPoint(4, 4));
        d.cmmUpdate->click();
    });
    const bool after[] = {true, false, true, true, false};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(switched[i]->count(), i == 4 ? 1 : 0) << qPrintable(bars[i].first->text());
        EXPECT_EQ(bars[i].first->isChecked(), after[i]) << qPrintable(bars[i].first->text());
        EXPECT_EQ(bars[i].second->isVisible(), after[i]) << qPrintable(bars[i].first->text());
    }
    EXPECT_FALSE(mdlLoad::ViewPanelStatus);
}

TEST_F(SettingDialog, ConfirmingWithoutChangesKeepsEverySettingButTheNameLengthsPlainForm)
{
    mdlLoad::FilenameMax = QStringLiteral(" 030");
    mdlLoad::TypeviewSave = QStringLiteral("Detals");
    const QString before = mdlLoad::SettingIniText();
    showSetting([](frmSetting &d) {
        EXPECT_EQ(d.cmbDialogs_Save_View->currentText(), "Список");
        d.cmmUpdate->click();
    });
    QString expected = before;
    expected.replace("filename_max= 030", "filename_max=30").replace("typeview_save=Detals", "typeview_save=list");
    EXPECT_EQ(mdlLoad::SettingIniText(), expected);
}

// Each number box holds its text within its range once it loses the focus; the code-length box's range
// starts at 3000, so a small number gives 3000 there.
TEST_F(SettingDialog, NumberBoxesKeepTheirRangeWhenTheyLoseTheFocus)
{
    struct Case {
        QLineEdit *frmSetting::*box;
        const char *typed;
        const char *shown;
    };
    const Case cases[] = {
        {&frmSetting::txtDialogs_CodeMax, "2500", "3000"},
        {&frmSetting::txtDialogs_CodeMax, "200000", "100000"},
        {&frmSetting::txtDialogs_CodeMax, "abc", "3000"},
        {&frmSetting::txtDialogs_CodeMax, "12.6", "3000"},
        {&frmSetting::txtDialogs_CodeMax, "4 000 0 символов", "40000"},
        {&frmSetting::txtDialogs_CodeMax, "99999999999", "3000"},
        {&frmSetting::txtFiles_Magazin_Count, "0", "0"},
        {&frmSetting::txtFiles_Magazin_Count, "-3", "0"},
        {&frmSetting::txtFiles_Magazin_Count, "250", "100"},
        {&frmSetting::txtFiles_Magazin_Count, "", "0"},
        {&frmSetting::txtFiles_Magazin_Count, "12.5", "12"},
        {&frmSetting::txtFiles_Magazin_Count, "1e1", "10"},
        {&frmSetting::txtMain_Files_LenFile, "0", "5"},
        {&frmSetting::txtMain_Files_LenFile, "200", "100"},
        {&frmSetting::txtMain_Files_LenFile, "x7", "5"},
        {&frmSetting::txtMain_Files_LenFile, "12.6", "13"},
        {&frmSetting::txtMain_Files_LenFile, "-99999999999", "5"},
    };
    showSetting([&](frmSetting &d) {
        for (const Case &c : cases) {
            typeAndLeave(d, d.*c.box, QString::fromUtf8(c.typed));
            EXPECT_EQ((d.*c.box)->text(), c.shown) << c.typed;
        }
        // Enter presses "Обновить" with the focus still in a box: its limit applies all the same.
        d.txtDialogs_CodeMax->setFocus(Qt::TabFocusReason);
        d.txtDialogs_CodeMax->clear();
        QTest::keyClicks(d.txtDialogs_CodeMax, "250000");
        QTest::keyClick(d.txtDialogs_CodeMax, Qt::Key_Return);
    });
    EXPECT_EQ(mdlLoad::CodeMaxlen, 100000);
    EXPECT_EQ(mdlLoad::FilenameMax, "5");
    EXPECT_EQ(mdlLoad::MaxMagazine, 10);
}

TEST_F(SettingDialog, ABoxSelectsItsWholeTextWhenItGetsTheFocus)
{
    showSetting([](frmSetting &d) {
        for (QLineEdit *box : {d.txtDialogs_CodeMax, d.txtDialogs_Open_Path, d.txtFiles_Magazin_Count,
                               d.txtMain_Files_LenFile}) {
            box->setText(QStringLiteral("/usr/"));
            box->deselect();
            box->setFocus(Qt::MouseFocusReason);
            EXPECT_EQ(box->selectedText(), "/usr/");
            d.trvSetting->setFocus(Qt::TabFocusReason);
        }
    });
}

// A folder box takes an existing folder named from the root and gives it one trailing "/"; anything else
// brings back the setting's current value.
TEST_F(SettingDialog, FolderBoxesTakeOnlyExistingFolders)
{
    const QString site = files.path("site");
    QDir().mkpath(site + "/docs");
    const QString working = QDir::currentPath();
    QDir::setCurrent(site);
    mdlLoad::PathOpen = QStringLiteral("/open/");
    mdlLoad::PathSave = QStringLiteral("/save/");
    struct Case {
        QLineEdit *frmSetting::*box;
        QString typed;
        QString shown;
    };
    const Case cases[] = {
        {&frmSetting::txtDialogs_Open_Path, site, site + "/"},
        {&frmSetting::txtDialogs_Save_Path, site + "/docs/", site + "/docs/"},
        {&frmSetting::txtDialogs_Open_Path, "file://" + site, site + "/"},
        {&frmSetting::txtDialogs_Open_Path, site + "/missing", "/open/"},
        {&frmSetting::txtDialogs_Save_Path, site + "/missing", "/save/"},
        {&frmSetting::txtDialogs_Open_Path, "", "/open/"},
        {&frmSetting::txtDialogs_Save_Path, "", "/save/"},
        // A folder relative to the working folder would name another one once that changes.
        {&frmSetting::txtDialogs_Open_Path, "docs", "/open/"},
        {&frmSetting::txtDialogs_Open_Path, "/", "/"},
    };
    showSetting([&](frmSetting &d) {
        for (const Case &c : cases) {
            typeAndLeave(d, d.*c.box, c.typed);
            EXPECT_EQ((d.*c.box)->text(), c.shown) << qPrintable(c.typed);
        }
    });
    QDir::setCurrent(working);
}

// The picker answers through the dialog hook; any folder it gives, "/" too, goes into its box, and a
// cancel leaves the box as it was.
TEST_F(SettingDialog, TheFolderPickerFillsItsBox)
{
    const QString folder = files.path("Мой сайт");
    QDir().mkpath(folder);
    mdlLoad::PathOpen = QStringLiteral("/open/");
    mdlLoad::PathSave = QStringLiteral("/save/");
    struct Case {
        int index;
        QString picked;
        QString open, save;
    };
    const Case cases[] = {
        {0, folder, folder + "/", "/save/"},
        {1, "/", "/open/", "/"},
        {0, "", "/open/", "/save/"},
    };
    for (const Case &c : cases) {
        picked = c.picked;
        pickerTitles.clear();
        showSetting([&](frmSetting &d) {
            d.tlbDialogs_Path[c.index]->actions().first()->trigger();
            EXPECT_EQ(d.txtDialogs_Open_Path->text(), c.open) << qPrintable(c.picked);
            EXPECT_EQ(d.txtDialogs_Save_Path->text(), c.save) << qPrintable(c.picked);
            d.cmmCancel->click();
        });
        EXPECT_EQ(pickerTitles, QStringList{c.index == 0 ? "Выбор каталога для открытия файлов"
                                                         : "Выбор каталога для сохранения файлов"});
    }
}

// The picker opens in the folder that its box names, as it stands when its button is clicked.
TEST_F(SettingDialog, TheFolderPickerOpensWhereItsBoxPoints)
{
    const QString site = files.path("Мой сайт");
    const QString other = files.path("Другой сайт");
    const QString missing = files.path("Нет такой папки");
    QDir().mkpath(site);
    QDir().mkpath(other);
    mdlLoad::PathOpen = site + "/";
    mdlLoad::PathSave = site + "/";
    struct Case {
        int index;
        QString typed; // empty: the box as the dialog filled it
        QString start; // empty: anywhere but the missing folder
    } cases[] = {
        {0, "", site},
        {1, "", site},
        {0, other + "/", other},
        {1, other, other},
        {0, missing + "/", ""},
    };
    for (const Case &c : cases) {
        pickerStarts.clear();
        showSetting([&](frmSetting &d) {
            openPage(d, "dialogs");
            if (!c.typed.isEmpty()) {
                QLineEdit *box = c.index == 0 ? d.txtDialogs_Open_Path : d.txtDialogs_Save_Path;
                box->setFocus(Qt::MouseFocusReason);
                box->clear();
                box->insert(c.typed);
            }
            QToolBar *bar = d.tlbDialogs_Path[c.index];
            QTest::mouseClick(bar->widgetForAction(bar->actions().first()), Qt::LeftButton);
            d.cmmCancel->click();
        });
        ASSERT_EQ(pickerStarts.size(), 1) << qPrintable(c.typed);
        if (c.start.isEmpty()) {
            EXPECT_NE(pickerStarts[0], missing);
            EXPECT_TRUE(QFileInfo(pickerStarts[0]).isDir()) << qPrintable(pickerStarts[0]);
        } else {
            EXPECT_EQ(pickerStarts[0], c.start) << qPrintable(c.typed);
        }
    }
}

TEST_F(SettingDialog, TheTreeLeadsToEveryPageAndCollapsingShowsTheBranchsPage)
{
    const std::pair<const char *, int> pages[] = {{"start", 1}, {"main", 2},  {"dialogs", 3},
                                                  {"files", 4}, {"text", 5},  {"main_panels", 21},
                                                  {"main_files", 22}, {"files_view", 41}, {"index", 0}};
    showSetting([&](frmSetting &d) {
        EXPECT_EQ(d.windowTitle(), "Параметры программы");
        EXPECT_EQ(d.trvSetting->topLevelItemCount(), 1);
        EXPECT_TRUE(d.lblIndex_Text->text().startsWith("    Здесь Вы можете изменить лишь малую долю"));
        EXPECT_TRUE(d.lblIndex_Text->text().contains("в программе.\r\n\r\n    Если Вы хотите"));
        for (const auto &[key, page] : pages) {
            openPage(d, key);
            EXPECT_EQ(shownPage(d), page) << key;
        }
        for (const char *branch : {"index", "main", "files"})
            EXPECT_TRUE(node(d, branch)->isExpanded()) << branch;

        openPage(d, "main_files");
        node(d, "main")->setExpanded(false);
        EXPECT_EQ(shownPage(d), 2) << "collapsing the main window's branch shows its page";
        EXPECT_EQ(d.trvSetting->currentItem(), node(d, "main"));

        // The keyboard moves between pages too.
        d.trvSetting->setFocus();
        d.trvSetting->setCurrentItem(node(d, "dialogs"));
        QTest::keyClick(d.trvSetting, Qt::Key_Down);
        EXPECT_EQ(shownPage(d), 4);
        d.cmmCancel->click();
    });
    // A new opening starts on the introduction page, whichever page was shown before.
    showSetting([](frmSetting &d) {
        EXPECT_EQ(shownPage(d), 0);
        d.close();
    });
}

TEST_F(SettingDialog, TheStartPageCouplesItsOptionsAndLists)
{
    const int kinds = mdlLoad::NewFiles.count();
    mdlLoad::FileCreat = true;
    mdlLoad::NewFile = kinds + 1;
    showSetting([&](frmSetting &d) {
        EXPECT_TRUE(d.optStart_New[1]->isChecked()) << "the first template";
        EXPECT_EQ(d.cmbStart_New[1]->currentIndex(), 0);
        EXPECT_EQ(d.cmbStart_New[0]->currentIndex(), 0);
        EXPECT_EQ(d.cmbStart_New[0]->count(), kinds);
        EXPECT_EQ(d.cmbStart_New[1]->itemText(0), mdlLoad::Patterns[1].Caption);
        EXPECT_FALSE(d.StartNewEmpty);

        QTest::mouseClick(d.chcStart_New, Qt::LeftButton, {}, QPoint(4, 4));
        for (QWidget *w : {static_cast<QWidget *>(d.optStart_New[0]), static_cast<QWidget *>(d.optStart_New[1]),
                           static_cast<QWidget *>(d.cmbStart_New[0]), static_cast<QWidget *>(d.cmbStart_New[1])})
            EXPECT_FALSE(w->isEnabled());
        QTest::mouseClick(d.chcStart_New, Qt::LeftButton, {}, QPoint(4, 4));
        EXPECT_TRUE(d.optStart_New[1]->isChecked()) << "the option last chosen comes back";
        EXPECT_TRUE(d.cmbStart_New[1]->isEnabled());
        EXPECT_FALSE(d.cmbStart_New[0]->isEnabled());

        d.optStart_New[0]->click();
        QTest::mouseClick(d.chcStart_New, Qt::LeftButton, {}, QPoint(4, 4));
        QTest::mouseClick(d.chcStart_New, Qt::LeftButton, {}, QPoint(4, 4));
        EXPECT_TRUE(d.optStart_New[0]->isChecked());
        EXPECT_TRUE(d.cmbStart_New[0]->isEnabled());
        EXPECT_FALSE(d.cmbStart_New[1]->isEnabled());
        d.cmmCancel->click();
    });
    showSetting([](frmSetting &d) { d.cmmUpdate->click(); });
    EXPECT_EQ(mdlLoad::NewFile, kinds + 1) << "confirmed without change";

    struct Case {
        bool fileCreat;
        int newFile;
        int option;
        int kindIndex;
        int stored;
    };
    const Case cases[] = {
        {true, 0, 0, -1, 0},                                  // no kind chosen
        {true, kinds + mdlLoad::Patterns.count() + 1, 0, -1, 0}, // beyond both lists
        {false, 3, 0, 2, 3},                                  // kept while switched off
    };
    for (const Case &c : cases) {
        mdlLoad::FileCreat = c.fileCreat;
        mdlLoad::NewFile = c.newFile;
        showSetting([&](frmSetting &d) {
            EXPECT_TRUE(d.optStart_New[c.option]->isChecked()) << c.newFile;
            EXPECT_EQ(d.cmbStart_New[0]->currentIndex(), c.kindIndex) << c.newFile;
            EXPECT_EQ(d.optStart_New[0]->isEnabled(), c.fileCreat) << c.newFile;
            EXPECT_EQ(d.cmbStart_New[0]->isEnabled(), c.fileCreat) << c.newFile;
            d.cmmUpdate->click();
        });
        EXPECT_EQ(mdlLoad::NewFile, c.stored) << c.newFile;
    }
}

// The open documents and the main window follow the confirmed settings at once; after a cancel nothing of
// them changes.
class SettingsApplied : public SettingDialog {
protected:
    void SetUp() override
    {
        SettingDialog::SetUp();
        mdlLoad::LoadFileTabImages();
        mdlLoad::FilenameMax = QStringLiteral("30");
        mdlLoad::FiletabPicture = true;
        mdlLoad::StatusFullpath = false;
        mdlLoad::TabsfilesTop = false;
        main()->DockFilesPanel(false);
        for (const char *name : {"a_rather_long_document_name.html", "closed_long_document_name.html",
                                 "the_active_long_document_name.html"}) {
            const QString path = files.write(name, "text");
            ASSERT_TRUE(mdlFile::OpenDocumentFile(path, name, 0, 0));
        }
        bool cancel = false;
        document(2)->Form_QueryUnload(cancel);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        mdlFile::ActivateDocument(3, true, false);
    }

    static QString tabText(int number) { return main()->tbsFiles->tabText(record(number).TabIndex - 1); }
    static bool tabHasPicture(int number) { return !main()->tbsFiles->tabIcon(record(number).TabIndex - 1).isNull(); }
    // Whether the strip of open documents stands above the documents' area.
    static bool stripOnTop() { return main()->picFiles->geometry().top() < main()->mdiArea->geometry().top(); }

    // Changes the name length, the tab pictures, the full path and the strip's place in the dialog.
    static void change(frmSetting &d)
    {
        openPage(d, "main_files");
        typeAndLeave(d, d.txtMain_Files_LenFile, "10");
        QTest::mouseClick(d.chcMain_Files_Picture, Qt::LeftButton, {}, QPoint(4, 4));
        d.cmbMain_Files_Place->setCurrentIndex(0);
        openPage(d, "main");
        QTest::mouseClick(d.chcMain_FullPath, Qt::LeftButton, {}, QPoint(4, 4));
    }
};

TEST_F(SettingsApplied, UpdateAppliesTheSettingsToTheTabsTheStatusBarAndTheStrip)
{
    ASSERT_EQ(tabText(1), "a_rather_long_document_name.html");
    ASSERT_TRUE(tabHasPicture(1));
    ASSERT_FALSE(stripOnTop());
    showSetting([](frmSetting &d) {
        change(d);
        d.cmmUpdate->click();
    });
    EXPECT_FALSE(mdlSetting::SettingUpdated);
    // Ten characters at most: seven of the base, the dots and the extension.
    EXPECT_EQ(tabText(1), "a_rathe....html");
    EXPECT_EQ(tabText(3), "the_act....html");
    EXPECT_EQ(main()->mnuWindows_File[record(1).MenuIndex]->text(), "a_rathe....html");
    EXPECT_EQ(main()->mnuWindows_File[2]->text(), "closed_long_document_name.html")
        << "a closed document is left alone";
    EXPECT_FALSE(tabHasPicture(1));
    EXPECT_FALSE(tabHasPicture(3));
    EXPECT_EQ(main()->sttMain->PanelText(1), record(3).Path + " ");
    main()->centralWidget()->layout()->activate();
    EXPECT_TRUE(stripOnTop()) << "the strip is docked at the top";
    EXPECT_EQ(main()->tbsFiles->shape(), QTabBar::RoundedNorth);
    EXPECT_EQ(main()->ActiveFileIndex, 3);

    showSetting([](frmSetting &d) {
        openPage(d, "main_files");
        d.cmbMain_Files_Place->setCurrentIndex(1);
        QTest::mouseClick(d.chcMain_Files_Picture, Qt::LeftButton, {}, QPoint(4, 4));
        d.cmmUpdate->click();
    });
    main()->centralWidget()->layout()->activate();
    EXPECT_FALSE(stripOnTop()) << "back at the bottom";
    EXPECT_EQ(main()->tbsFiles->shape(), QTabBar::RoundedSouth);
    EXPECT_TRUE(tabHasPicture(1));
}

TEST_F(SettingsApplied, CancelAndTheCloseBoxApplyNothing)
{
    ASSERT_FALSE(stripOnTop());
    const std::function<void(frmSetting &)> closings[] = {
        [](frmSetting &d) { d.cmmCancel->click(); },
        [](frmSetting &d) { QTest::keyClick(d.trvSetting, Qt::Key_Escape); },
        [](frmSetting &d) { d.close(); },
    };
    for (const auto &closing : closings) {
        EXPECT_FALSE(showSetting([&](frmSetting &d) {
            change(d);
            closing(d);
        })) << "the dialog unloads itself";
        EXPECT_FALSE(mdlSetting::SettingUpdated);
        EXPECT_EQ(mdlLoad::FilenameMax, "30");
        EXPECT_TRUE(mdlLoad::FiletabPicture);
        EXPECT_FALSE(mdlLoad::StatusFullpath);
        EXPECT_FALSE(mdlLoad::TabsfilesTop);
        EXPECT_EQ(tabText(1), "a_rather_long_document_name.html");
        EXPECT_TRUE(tabHasPicture(1));
        EXPECT_FALSE(stripOnTop());
    }
}

} // namespace
