#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadButtons.h"
#include "app/core/mdlLoadStart.h"
#include "app/core/mdlLoadTegs.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/mainwindow/frmMain.h"
#include "platform/editor/Editor.h"
#include "platform/shell/Shell.h"
#include "platform/widgets/TabStrip.h"
#include "platform/widgets/ToolBar.h"
#include "tests/LoadedProgram.h"
#include "tests/ProgramStart.h"

#include <QFile>

#include <gtest/gtest.h>

using mdlLoad::Buttons;
using mdlLoad::Panels;
using mdlLoad::TegButton;

namespace {

NamedList Group(int number, const QList<qint32> &ids)
{
    NamedList group{QStringLiteral("p%1").arg(number), QStringLiteral("Группа %1").arg(number), {}};
    for (const qint32 id : ids)
        group.Items.append(id);
    return group;
}

QStringList KeysOf(const ToolBar &bar)
{
    QStringList keys;
    for (int j = 1; j <= bar.Count(); ++j)
        keys << bar.Key(j);
    return keys;
}

// The position on the bar of the button with this key; 0 when the bar has none.
int PositionOf(const ToolBar &bar, const QString &key)
{
    return int(KeysOf(bar).indexOf(key)) + 1;
}

// The program loaded on the shipped data, with the desktop's shell calls recorded instead of made.
class TagBar : public LoadedProgram {
protected:
    void SetUp() override
    {
        LoadedProgram::SetUp();
        platform::shell::SetShellHook([this](const platform::shell::ShellCall &call) {
            calls.append(call);
            return true;
        });
    }

    void TearDown() override
    {
        platform::shell::SetShellHook(nullptr);
        LoadedProgram::TearDown();
    }

    ToolBar &bar() const { return *main()->tlbTegs; }

    // A tag group of its own under the tab p1, shown on the bar.
    void ShowGroup(const QList<qint32> &ids)
    {
        Panels.clear();
        Panels.append(Group(1, ids));
        mdlLoad::FillTegsToolbar(QStringLiteral("p1"));
    }

    int AddButton(qint32 id, const QString &text1, const QString &text2, const QString &text3)
    {
        TegButton button;
        button.Id = id;
        button.Text1 = text1;
        button.Text2 = text2;
        button.Text3 = text3;
        return Buttons.append(button);
    }

    void Click(const QString &key)
    {
        const int position = PositionOf(bar(), key);
        ASSERT_GT(position, 0) << key.toStdString();
        bar().Click(position);
    }

    // Opens a file with `text` as the active document.
    frmContent *OpenText(const QString &name, const QByteArray &text)
    {
        const QString path = folder.write(name, text);
        EXPECT_TRUE(mdlFile::OpenDocumentFile(path, mdlLibrary::GetFileName(path), 0, 0));
        return document(main()->ActiveFileIndex);
    }

    QList<platform::shell::ShellCall> calls;
};

TEST_F(TagBar, ButtonKeysFollowTheGroupsIds)
{
    const struct Case {
        QList<qint32> ids;
        QStringList keys;
    } cases[] = {
        {{13, 0, 105}, {"p1m13", "p1s2", "p1u105"}},
        {{100, 101}, {"p1m100", "p1u101"}},
        {{0, 101, 0}, {"p1s1", "p1u101", "p1s3"}},
        // A negative id gets no button; the rest keep their order and their keys.
        {{101, -1, 0, 102}, {"p1u101", "p1s3", "p1u102"}},
        {{}, {}},
    };
    for (const Case &c : cases) {
        ShowGroup(c.ids);
        EXPECT_EQ(KeysOf(bar()), c.keys);
        for (int j = 1; j <= bar().Count(); ++j)
            EXPECT_EQ(bar().IsSeparator(j), bar().Key(j).contains(u's')) << bar().Key(j).toStdString();
    }
}

TEST_F(TagBar, ABarIsRebuiltNotAddedToAndAnUnknownTabLeavesItEmpty)
{
    ShowGroup({101, 0, 102});
    mdlLoad::FillTegsToolbar(QStringLiteral("p1"));
    EXPECT_EQ(KeysOf(bar()), QStringList({"p1u101", "p1s2", "p1u102"}));
    mdlLoad::FillTegsToolbar(QStringLiteral("p2"));
    EXPECT_EQ(bar().Count(), 0);
}

TEST_F(TagBar, ButtonsShowTheLastEntrysPictureAndToolTip)
{
    const int shipped = mdlLoad::FindTegIndex(101);
    ASSERT_GT(shipped, 1);
    TegButton later = Buttons[shipped];
    later.ImageIndex = 2;
    later.ToolTip = QStringLiteral("Позднее описание");
    Buttons.append(later);
    ShowGroup({13, 101, 999});

    const ImageList &pictures = main()->imgPanel;
    EXPECT_EQ(bar().Picture(1).cacheKey(), pictures.Icon(1).cacheKey()) << "the built-in button's picture";
    EXPECT_EQ(bar().Picture(2).cacheKey(), pictures.Icon(2).cacheKey());
    EXPECT_EQ(bar().ToolTip(2), "Позднее описание");
    EXPECT_TRUE(bar().Picture(3).isNull()) << "an id without entry has a button all the same";
    EXPECT_EQ(bar().ToolTip(3), "");
}

TEST_F(TagBar, AButtonWrapsTheSelectionOfTheActiveDocument)
{
    ShowGroup({13, 0, 101, 999});
    frmContent *page = OpenText("page.html", "one word here");
    ASSERT_NE(page, nullptr);
    page->txtContent->SetSel({0, 4, 0, 8});

    Click("p1u101");
    EXPECT_EQ(page->txtContent->Text(), "one <b>word</b> here");
    for (const char *key : {"p1m13", "p1s2", "p1u999"}) {
        Click(key);
        EXPECT_EQ(page->txtContent->Text(), "one <b>word</b> here") << key;
    }
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(TagBar, AButtonDoesNothingWithoutADocument)
{
    AddButton(301, "/usr/bin/true", "%e", "1");
    ShowGroup({101, 301});
    Click("p1u101");
    Click("p1u301");
    EXPECT_EQ(mdlFile::DocumentCount(), 0);
    EXPECT_EQ(main()->ActiveFileIndex, 0);
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(TagBar, ACommandButtonStartsItsProgramWithTheDocumentsPathAsOneArgument)
{
    const QString tool = folder.write("my tools/check page", "#!/bin/sh\n");
    QFile::setPermissions(tool, QFile::permissions(tool) | QFileDevice::ExeOwner);
    AddButton(301, tool, "%e", "1");
    AddButton(302, "http://example.org/check", "%e", "0");
    AddButton(303, tool, "%e", "2");
    AddButton(304, tool, "%e", "0");
    ShowGroup({301, 302, 303, 304});
    frmContent *page = OpenText("my site/index page.html", "<p>text</p>");
    ASSERT_NE(page, nullptr);
    const QString path = record(main()->ActiveFileIndex).Path;

    Click("p1u301");
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0].kind, platform::shell::ShellKind::Start) << "the only calls that may start a program";
    EXPECT_EQ(calls[0].file, tool);
    EXPECT_EQ(calls[0].program, tool);
    EXPECT_EQ(calls[0].parameters, path) << "blanks and all, one argument";
    EXPECT_FALSE(calls[0].maximized);

    Click("p1u302");
    ASSERT_EQ(calls.size(), 2);
    EXPECT_EQ(calls[1].address, QUrl("http://example.org/check"));
    EXPECT_EQ(calls[1].parameters, "");
    EXPECT_TRUE(calls[1].maximized);

    Click("p1u303");
    EXPECT_EQ(calls.size(), 2) << "a third text other than 0 and 1 runs nothing";

    Click("p1u304");
    ASSERT_EQ(calls.size(), 3);
    EXPECT_EQ(calls[2].kind, platform::shell::ShellKind::Start);
    EXPECT_EQ(calls[2].program, tool) << "a program button without the document's path runs the program";
    EXPECT_EQ(calls[2].parameters, "");
    EXPECT_EQ(page->txtContent->Text(), "<p>text</p>") << "a command button inserts nothing";

    mdlFile::NewDocumentEmpty("new", "html", "HTML", false);
    Click("p1u301");
    EXPECT_EQ(calls.size(), 3) << "a new document has no path to give";
}

TEST_F(TagBar, ChoosingATabRecordsItAndRebuildsTheBar)
{
    ASSERT_GE(main()->tbsTegs->Count(), 3);
    EXPECT_EQ(main()->tbsTegs->Count(), Panels.count());
    EXPECT_EQ(main()->tbsTegs->Key(2), "p2");
    EXPECT_EQ(main()->tbsTegs->tabText(1), Panels[2].Title);

    main()->tbsTegs->Select(3);
    EXPECT_EQ(mdlLoad::PanelButtons, 3);
    ASSERT_EQ(bar().Count(), Panels[3].Items.count());
    EXPECT_EQ(bar().Key(1), QStringLiteral("p3u%1").arg(Panels[3].Items[1]));

    // Before the start has finished a tab change records nothing and builds nothing.
    mdlLoad::ProgramLoaded = false;
    mdlLoad::FillTegsTabs();
    main()->tbsTegs->Select(2);
    EXPECT_EQ(mdlLoad::PanelButtons, 3);
    EXPECT_EQ(bar().Count(), 0);
}

// The whole start of a first copy, run by the main window's load handler, on a program folder of its own.
class TagBarStart : public ProgramStart {
protected:
    frmMain *Start(const QByteArray &settings)
    {
        folder.write("setting.ini", "[start_program]\r\nfile_creat=False\r\n" + settings);
        return start();
    }
};

TEST_F(TagBarStart, TheTabSelectedAtTheLastExitComesBackWithItsButtons)
{
    const struct Case {
        const char *stored;
        int tab;
    } cases[] = {{"3", 3}, {"99", 1}, {"0", 1}};
    for (const Case &c : cases) {
        frmMain *main = Start(QByteArray("[position]\r\npanel_buttons=") + c.stored + "\r\n");
        EXPECT_EQ(main->tbsTegs->SelectedPosition(), c.tab) << c.stored;
        EXPECT_EQ(mdlLoad::PanelButtons, c.tab) << c.stored;
        ASSERT_GT(main->tlbTegs->Count(), 0) << c.stored;
        EXPECT_TRUE(main->tlbTegs->Key(1).startsWith(QStringLiteral("p%1u").arg(c.tab))) << c.stored;
        TearDown();
        SetUp();
    }
}

TEST_F(TagBarStart, AChosenTabIsStoredAndRestoredAtTheNextStart)
{
    frmMain *main = Start({});
    main->tbsTegs->Select(4);
    ASSERT_TRUE(mdlLoad::SaveSettingIni(mdlLoad::SettingIni));
    UnloadProgramWindows();
    mdlLoad::PanelButtons = 1;

    main = forms::frmMain.get();
    main->MDIForm_Load();
    EXPECT_EQ(main->tbsTegs->SelectedPosition(), 4);
    EXPECT_EQ(main->tlbTegs->Count(), Panels[4].Items.count());
}

TEST_F(TagBarStart, ThePanelShowsAtStartWhenTheSettingsSaySo)
{
    for (const bool shown : {true, false}) {
        // Without the command bars, the tag panel alone decides whether the top bar shows.
        frmMain *main = Start(shown ? "[view_panel]\r\nstandart=False\r\ntegs=True\r\n"
                                    : "[view_panel]\r\nstandart=False\r\ntegs=False\r\n");
        EXPECT_EQ(main->picMain->isVisible(), shown);
        EXPECT_EQ(main->tbsTegs->isVisible(), shown);
        EXPECT_EQ(main->tlbTegs->isVisible(), shown);
        QCoreApplication::sendPostedEvents();
        // The tabs come after the panel was switched on, and still get their room.
        if (shown) {
            EXPECT_EQ(main->tbsTegs->height(), main->tbsTegs->sizeHint().height());
        }
        main->ShowTegsPanel(!shown);
        EXPECT_EQ(main->picMain->isVisible(), !shown) << "the top bar holds no other bar";
        EXPECT_EQ(main->tlbTegs->isVisible(), !shown);
        TearDown();
        SetUp();
    }
}

} // namespace
