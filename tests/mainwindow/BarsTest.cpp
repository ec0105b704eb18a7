#include "app/core/mdlLoad.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/mainwindow/frmMain.h"
#include "platform/widgets/StatusBar.h"
#include "platform/widgets/TabStrip.h"
#include "tests/ProgramStart.h"

#include <QAction>
#include <QMdiArea>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

// The main window's bars, switched from the View menu and remembered across starts: each start here is
// the real load handler on a program folder of the test's own.
class Bars : public ProgramStart {
protected:
    // Ends the run as the exit does for the settings: they are written, and the windows go.
    static void Restart()
    {
        mdlLoad::SaveSettingIni(mdlLoad::SettingIni);
        UnloadProgramWindows();
    }
};

struct Bar {
    const char *key; // in setting.ini's [view_panel]
    QAction *frmMain::*item;
    QWidget *(*widget)(frmMain *);
};

const Bar BarTable[] = {
    {"standart", &frmMain::mnuView_ToolBar_Standart, [](frmMain *m) -> QWidget * { return m->picToolbar; }},
    {"servise", &frmMain::mnuView_ToolBar_Servise, [](frmMain *m) -> QWidget * { return m->picServise; }},
    {"tegs", &frmMain::mnuView_ToolBar_Tegs, [](frmMain *m) -> QWidget * { return m->picTegs; }},
    {"files", &frmMain::mnuView_ToolBar_Files, [](frmMain *m) -> QWidget * { return m->picFiles; }},
    {"status", &frmMain::mnuView_ToolBar_StatusBar, [](frmMain *m) -> QWidget * { return m->sttMain; }},
};

TEST_F(Bars, EachSwitchShowsHidesAndIsRememberedAtTheNextStart)
{
    for (const Bar &bar : BarTable) {
        folder.write("setting.ini", "[start_program]\r\nfile_creat=False\r\n");
        frmMain *main = start();
        QAction *item = main->*bar.item;
        EXPECT_TRUE(item->isChecked()) << bar.key << " is shown by default";
        EXPECT_TRUE(bar.widget(main)->isVisible()) << bar.key;

        item->trigger();
        EXPECT_FALSE(item->isChecked()) << bar.key;
        EXPECT_FALSE(bar.widget(main)->isVisible()) << bar.key;
        Restart();
        EXPECT_TRUE(folder.read("setting.ini").contains(QByteArray(bar.key) + "=False")) << bar.key;

        main = start();
        item = main->*bar.item;
        EXPECT_FALSE(item->isChecked()) << bar.key << " stays hidden at the next start";
        EXPECT_FALSE(bar.widget(main)->isVisible()) << bar.key;
        item->trigger();
        EXPECT_TRUE(bar.widget(main)->isVisible()) << bar.key;
        Restart();
        EXPECT_TRUE(folder.read("setting.ini").contains(QByteArray(bar.key) + "=True")) << bar.key;
    }
}

TEST_F(Bars, WithoutTheCommandAndTagBarsTheTopBarGoesToo)
{
    folder.write("setting.ini", "[start_program]\r\nfile_creat=False\r\n");
    frmMain *main = start();
    main->mnuView_ToolBar_Standart->trigger();
    EXPECT_TRUE(main->picMain->isVisible()) << "the tag panel still shows";
    main->mnuView_ToolBar_Tegs->trigger();
    EXPECT_FALSE(main->picMain->isVisible());
    main->mnuView_ToolBar_Standart->trigger();
    EXPECT_TRUE(main->picMain->isVisible());
}

// The command bars stand at the left edge of the top strip with the tag panel beside them or without it,
// so that the tag panel's switch stays under the pointer that has just switched the panel off.
TEST_F(Bars, TheTagPanelSwitchStaysWhereItWasClicked)
{
    folder.write("setting.ini", "[start_program]\r\nfile_creat=False\r\n");
    frmMain *main = start();
    QCoreApplication::processEvents();
    QWidget *button = main->tlbMenuFile->widgetForAction(main->mnuView_ToolBar_Tegs);
    ASSERT_NE(button, nullptr);
    const auto leftInFrame = [main](QWidget *widget) { return widget->mapTo(main, QPoint(0, 0)).x(); };
    const QPoint at = button->mapTo(main, button->rect().center());
    const int bars = leftInFrame(main->picToolbar);
    EXPECT_EQ(bars, leftInFrame(main->picMain)) << "at the left edge";
    const QRect tags = main->tbsTegs->geometry();
    EXPECT_GT(tags.right(), main->picMain->width() - 10) << "the tag panel takes the rest of the strip";
    for (const bool shown : {false, true}) {
        QWidget *under = main->childAt(at);
        ASSERT_NE(under, nullptr) << shown;
        QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(main, at));
        QCoreApplication::processEvents();
        EXPECT_EQ(main->picTegs->isVisible(), shown);
        EXPECT_EQ(main->mnuView_ToolBar_Tegs->isChecked(), shown);
        EXPECT_EQ(leftInFrame(main->picToolbar), bars) << shown;
        EXPECT_EQ(button->mapTo(main, button->rect().center()), at) << shown;
        if (shown) {
            EXPECT_EQ(main->tbsTegs->geometry(), tags);
        }
    }
}

TEST_F(Bars, AToolBarButtonIsItsMenuItemsOwnAction)
{
    folder.write("setting.ini", "[start_program]\r\nfile_creat=False\r\n");
    frmMain *main = start();
    const QList<QAction *> file = main->tlbMenuFile->actions();
    const QList<QAction *> action = main->tlbMenuAction->actions();
    EXPECT_TRUE(file.contains(main->mnuFile_Save));
    EXPECT_TRUE(action.contains(main->mnuEdit_Cut));
    EXPECT_TRUE(action.contains(main->mnuSearch_Replace));
    // Enabled and pressed together with its menu item, since it is the same action.
    EXPECT_FALSE(main->mnuFile_Save->isEnabled()) << "no document";
    mdlFile::NewDocumentEmpty("new", "html", "HTML", false);
    EXPECT_TRUE(main->mnuFile_Save->isEnabled());
    EXPECT_TRUE(main->mnuView_ToolBar_Servise->isChecked());
    main->mnuView_ToolBar_Servise->trigger();
    EXPECT_FALSE(main->picServise->isVisible()) << "the \"servise\" button hides the work panel";
    QStringList keys;
    for (QAction *button : file + action)
        keys << (button->isSeparator() ? QStringLiteral("-") : button->objectName());
    EXPECT_EQ(keys, (QStringList{"new", "open", "-", "save", "saveall", "-", "print", "-", "servise", "tegs", "cut",
                                 "copy", "paste", "-", "undo", "redo", "-", "find", "findnext", "replace"}));
    for (QAction *button : file + action) {
        if (!button->isSeparator()) {
            EXPECT_FALSE(button->icon().pixmap(16, 16).isNull()) << button->objectName().toStdString();
        }
    }
}

} // namespace
