#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadHelps.h"
#include "app/mainwindow/frmMain.h"
#include "platform/shell/Shell.h"
#include "platform/text/AnsiCodePage.h"
#include "tests/LoadedProgram.h"
#include "tests/ShellRecorder.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

// The Help menu of the loaded program; what it hands to the shell is recorded, never opened.
class HelpMenu : public LoadedProgram {
protected:
    void TearDown() override
    {
        LoadedProgram::TearDown();
        mdlLoad::Helps.clear();
    }

    // The menu as the user sees it, a separator line as "-".
    static QStringList shownItems()
    {
        QStringList items;
        for (const QAction *action : main()->mnuHelp->actions())
            if (action->isVisible())
                items << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return items;
    }

    ShellRecorder shell;
};

TEST_F(HelpMenu, TheEntriesComeFirstThenTheFixedItems)
{
    QStringList expected;
    for (const StringPair &entry : mdlLoad::Helps)
        expected << entry.First;
    expected << "-" << "Тестеры-сподвижники" << "Автор ждет..." << "О программе";
    EXPECT_EQ(shownItems(), expected);
    ASSERT_EQ(main()->mnuHelp_File.size(), mdlLoad::Helps.count() + 1) << "item i stands for entry i";
    for (int i = 1; i <= mdlLoad::Helps.count(); ++i)
        EXPECT_EQ(main()->mnuHelp_File[i]->isSeparator(), mdlLoad::Helps[i].First == "-") << i;
    EXPECT_FALSE(main()->mnuHelp_File[0]->isVisible()) << "the template stays hidden";
}

// A separator of the list looks like the fixed one above "Тестеры-сподвижники": a line, no caption.
TEST_F(HelpMenu, AListSeparatorIsALineLikeTheFixedOne)
{
    QMenu *menu = main()->mnuHelp;
    menu->popup(main()->mapToGlobal(QPoint(10, 10)));
    QCoreApplication::processEvents();
    const QRect fixed = menu->actionGeometry(main()->mnuHelp_Line1);
    const QImage line = menu->grab(fixed).toImage();
    int separators = 0;
    for (int i = 1; i < main()->mnuHelp_File.size(); ++i) {
        QAction *item = main()->mnuHelp_File[i];
        if (!item->isSeparator())
            continue;
        ++separators;
        const QRect shown = menu->actionGeometry(item);
        EXPECT_EQ(shown.size(), fixed.size()) << i;
        EXPECT_EQ(menu->grab(shown).toImage(), line) << i;
        EXPECT_TRUE(item->text().isEmpty()) << "nothing for assistive technology to read either";
    }
    EXPECT_GE(separators, 2) << "the shipped list has separators";
    menu->hide();
}

TEST_F(HelpMenu, ChoosingAnEntryOpensItsTarget)
{
    int guide = 0;
    for (int i = 1; i <= mdlLoad::Helps.count(); ++i)
        if (mdlLoad::Helps[i].Second == "index.html")
            guide = i;
    ASSERT_GT(guide, 0) << "the shipped guide";
    main()->mnuHelp_File[guide]->trigger();
    ASSERT_EQ(shell.calls.size(), 1);
    EXPECT_EQ(shell.calls[0].address, QUrl::fromLocalFile(folder.path("help/index.html")));
}

// An address goes to the shell as written, anything else is a file of the help folder; the scheme's
// letter case counts. A target that the desktop cannot open is not reported.
TEST_F(HelpMenu, AnAddressIsOpenedAsWrittenAndAnyOtherTargetFromTheHelpFolder)
{
    struct Case {
        const char *target;
        bool address;
        bool opens;
    };
    const Case cases[] = {
        {"guide.html", false, true},
        {"http://a.example/", true, true},
        {"https://b.example/doc", true, true},
        {"ftp://c.example/", true, true},
        {"mailto:author@d.example?subject='Marrowin Vellicor 1.0'", true, true},
        {"HTTP://e.example/", false, true},
        {"Mailto:author@d.example", false, true},
        {"httpx.html", false, true},
        {"marrowin.chm", false, false},
    };
    mdlLoad::Helps.clear();
    for (const Case &c : cases)
        mdlLoad::Helps.append({QStringLiteral("entry"), QString::fromUtf8(c.target)});
    for (int i = 1; i <= mdlLoad::Helps.count(); ++i) {
        const Case &c = cases[i - 1];
        shell.calls.clear();
        shell.started = c.opens;
        main()->mnuHelp_File_Click(i);
        const QString target = c.address ? QString::fromUtf8(c.target) : folder.path("help/") + c.target;
        ASSERT_EQ(shell.calls.size(), 1) << c.target;
        EXPECT_EQ(shell.calls[0].file, target);
        EXPECT_EQ(shell.calls[0].kind, platform::shell::ShellKind::Open) << "a help page is never run";
        EXPECT_TRUE(shell.calls[0].parameters.isEmpty()) << c.target;
        EXPECT_TRUE(shell.calls[0].maximized) << c.target;
    }
    EXPECT_TRUE(boxes.isEmpty()) << "no message, not even for a missing file";
}

// Each opening of the menu shows which entries of help.ini can be opened now: an address always, a file
// of the help folder while it is there; separators are left as they are.
TEST_F(HelpMenu, OpeningTheMenuEnablesTheEntriesThatCanBeOpened)
{
    folder.write("help/guide.html", "<html></html>");
    QDir().mkpath(folder.path("help/pages"));
    folder.write("setting/help.ini", platform::text::StringToAnsi(QStringLiteral("guide.html|Руководство\r\n"
                                                                                "missing.html|Пропавшая\r\n"
                                                                                "pages|Папка\r\n"
                                                                                "a line without a target\r\n"
                                                                                "http://a.example/|Сайт\r\n"
                                                                                "https://b.example/|Защищённый\r\n"
                                                                                "ftp://c.example/|Архив\r\n"
                                                                                "mailto:d@d.example|Письмо\r\n")));
    UnloadProgramWindows();
    start();
    const QList<QAction *> &items = main()->mnuHelp_File;
    const auto item = [&](const QString &caption) -> QAction * {
        for (QAction *action : items)
            if (action->text() == caption)
                return action;
        return nullptr;
    };
    // The separators, the one of the line without a target among them, are disabled beforehand.
    QList<QAction *> separators;
    for (int i = 1; i < items.size(); ++i)
        if (items[i]->isSeparator())
            separators.append(items[i]);
    ASSERT_EQ(separators.size(), 3);
    for (QAction *separator : separators)
        separator->setEnabled(false);

    const auto opened = [&] {
        emit main()->mnuHelp->aboutToShow();
        QStringList enabled;
        for (const char *caption : {"Справка по программе", "Написать письмо автору", "Руководство", "Пропавшая",
                                    "Папка", "Сайт", "Защищённый", "Архив", "Письмо"}) {
            QAction *action = item(QString::fromUtf8(caption));
            EXPECT_NE(action, nullptr) << caption;
            if (action && action->isEnabled())
                enabled << QString::fromUtf8(caption);
        }
        return enabled;
    };
    EXPECT_EQ(opened(), QStringList({"Справка по программе", "Написать письмо автору", "Руководство", "Сайт",
                                     "Защищённый", "Архив", "Письмо"}))
        << "a missing file and a folder cannot be opened";
    for (QAction *separator : separators)
        EXPECT_FALSE(separator->isEnabled()) << "a separator is left alone";

    QFile::remove(folder.path("help/guide.html"));
    folder.write("help/missing.html", "<html></html>");
    EXPECT_EQ(opened(), QStringList({"Справка по программе", "Написать письмо автору", "Пропавшая", "Сайт",
                                     "Защищённый", "Архив", "Письмо"}))
        << "the files as they are when the menu opens";
}

} // namespace
