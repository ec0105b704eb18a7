#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadNewFiles.h"
#include "app/core/mdlLoadStart.h"
#include "app/dialogs/frmAbout.h"
#include "app/dialogs/frmFileOpen.h"
#include "app/dialogs/frmFileSave.h"
#include "app/dialogs/frmMoney.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/documents/mdlFileWindows.h"
#include "platform/widgets/StatusBar.h"
#include "platform/widgets/TabStrip.h"
#include "app/mainwindow/frmMain.h"
#include "platform/application/Application.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/editor/Editor.h"
#include "tests/ProgramStart.h"

#include <QApplication>
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QMdiSubWindow>
#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace dialogs = platform::dialogs;

namespace {

// The whole start of a first copy, with the modal dialogs recorded by class as they are cancelled and the
// message boxes answered from `answers` (vbNo when it runs dry).
class MainWindowStart : public ProgramStart {
protected:
    void SetUp() override
    {
        ProgramStart::SetUp();
        dialogs::SetDialogHook([this](QDialog &dialog) {
            shown.append(QString::fromLatin1(dialog.metaObject()->className()));
            return int(QDialog::Rejected);
        });
        dialogs::SetMessageBoxHook([this](const dialogs::MessageBoxCall &call) {
            boxes.append(call);
            return answers.isEmpty() ? dialogs::vbNo : answers.takeFirst();
        });
    }

    void TearDown() override
    {
        ProgramStart::TearDown();
        dialogs::SetMessageBoxHook(nullptr);
    }

    void settings(const QByteArray &startProgram, const QByteArray &user = {})
    {
        folder.write("setting.ini", "[start_program]\r\n" + startProgram);
        if (!user.isEmpty())
            folder.write("user.ini", user);
    }

    QStringList shown;
    QList<int> answers;
    QList<dialogs::MessageBoxCall> boxes;
};

TEST_F(MainWindowStart, TheSplashGivesWayToAnEnabledFrameWithTheFileDialogsLoadedHidden)
{
    settings("file_creat=False\r\n");
    frmMain *main = start();
    EXPECT_TRUE(mdlLoad::ProgramLoaded);
    EXPECT_TRUE(main->isEnabled());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(forms::frmAbout.isLoaded()) << "the splash is unloaded";
    ASSERT_TRUE(forms::frmFileOpen.isLoaded());
    ASSERT_TRUE(forms::frmFileSave.isLoaded());
    EXPECT_FALSE(forms::frmFileOpen->isVisible());
    EXPECT_FALSE(forms::frmFileSave->isVisible());
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_EQ(mdlFile::DocumentCount(), 0);
    for (const int picture : {mdlFile::TabImageNew, mdlFile::TabImageNewChanged, mdlFile::TabImageOpen,
                              mdlFile::TabImageOpenChanged})
        EXPECT_GT(picture, 0) << "each tab state has its picture";
}

TEST_F(MainWindowStart, TheConfiguredNewDocumentAndTheOpenDialogComeAtStart)
{
    settings("file_creat=True\r\nnew_file=1\r\ndialog_open=True\r\n");
    start();
    ASSERT_EQ(mdlFile::DocumentCount(), 1);
    EXPECT_EQ(mdlFile::DocumentRecords[1].State, mdlFile::DocumentState::New);
    EXPECT_EQ(shown, QStringList{"frmFileOpen"});
}

// The new-document number runs through the kinds of newfile.ini, then on through the templates of
// pattern.ini; past both, and switched off, the start makes none.
TEST_F(MainWindowStart, TheNewDocumentAtStartComesFromAKindOrATemplate)
{
    mdlLoad::LoadNewFiles(folder.path("setting/newfile.ini"));
    mdlLoad::LoadPatterns(folder.path("setting/pattern.ini"));
    const int kinds = mdlLoad::NewFiles.count(), templates = mdlLoad::Patterns.count();
    ASSERT_GT(kinds, 0);
    ASSERT_GT(templates, 1);
    const mdlLoad::NewFileType kind = mdlLoad::NewFiles[1];
    const mdlLoad::NewFilePattern first = mdlLoad::Patterns[1], last = mdlLoad::Patterns[templates];
    struct Case {
        bool create;
        int number;
        QString name, templateFile; // no name: no document
    } cases[] = {
        {true, 1, kind.BaseName + "1." + kind.Ext, {}},
        {true, kinds + 1, first.BaseName + "1." + first.Ext, first.TemplateFile},
        {true, kinds + templates, last.BaseName + "1." + last.Ext, last.TemplateFile},
        {true, kinds + templates + 1, {}, {}},
        {true, 0, {}, {}},
        {false, 1, {}, {}},
    };
    for (const Case &c : cases) {
        settings(QStringLiteral("file_creat=%1\r\nnew_file=%2\r\n")
                     .arg(c.create ? "True" : "False")
                     .arg(c.number)
                     .toLatin1());
        start();
        const std::string what = std::to_string(c.number) + (c.create ? "" : " switched off");
        ASSERT_EQ(mdlFile::DocumentCount(), c.name.isEmpty() ? 0 : 1) << what;
        if (!c.name.isEmpty()) {
            EXPECT_EQ(mdlFile::DocumentRecords[1].Name, c.name) << what;
            const QString text = c.templateFile.isEmpty()
                                     ? QString()
                                     : mdlLibrary::TryReadText(mdlLoad::PatternFolder + c.templateFile).text;
            EXPECT_EQ(mdlFile::Documents[1]->txtContent->Text(), text) << what;
        }
        EXPECT_TRUE(boxes.isEmpty()) << what;
        TearDown();
        SetUp();
    }
}

TEST_F(MainWindowStart, ACommandLineFileIsOpenedInsteadOfTheStartWindows)
{
    settings("file_creat=True\r\nnew_file=1\r\ndialog_open=True\r\n");
    const QString page = folder.write("docs/page.html", "<p>text</p>");
    frmMain *main = forms::frmMain.get();
    mdlLoad::InitPathsAndLoad();
    mdlLoad::ProgramLoaded = true;
    mdlLoad::OpenOnStart({QLatin1Char('"') + page + QLatin1Char('"')});
    ASSERT_EQ(mdlFile::DocumentCount(), 1);
    EXPECT_EQ(mdlFile::DocumentRecords[1].Path, page);
    EXPECT_EQ(mdlLoad::PathOpen, folder.path("docs") + u'/');
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_EQ(main->ActiveFileIndex, 1);
}

// Each argument is one path: the files open in order; what is there but is no file is named in one
// message once they are open, and when no file opens the start goes on with the configured new document.
TEST_F(MainWindowStart, EachCommandLineFileOpensAndWhatIsNoFileIsNamed)
{
    settings("file_creat=True\r\nnew_file=1\r\n");
    const QString one = folder.write("docs/one.html", "<p>1</p>");
    const QString two = folder.write("docs/two words.html", "<p>2</p>");
    const QString fifo = folder.path("docs/pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString told = "Открыть можно только файл, а это не файл:\r\n" + fifo + " — канал (FIFO)";
    struct Case {
        const char *name;
        QStringList arguments;
        QStringList documents; // the paths of the documents made, in order; empty for a new one
    } cases[] = {
        {"files around a FIFO", {one, fifo, two}, {one, two}},
        {"a FIFO alone", {fifo}, {QString()}},
        {"a file named twice", {one, "docs/../docs/one.html"}, {one}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        boxes.clear();
        forms::frmMain.get();
        mdlLoad::InitPathsAndLoad();
        mdlLoad::ProgramLoaded = true;
        mdlLoad::OpenOnStart(c.arguments);
        QStringList documents;
        for (int n = 1; n <= mdlFile::DocumentCount(); ++n)
            documents.append(mdlFile::DocumentRecords[n].Path);
        EXPECT_EQ(documents, c.documents);
        EXPECT_EQ(forms::frmMain->ActiveFileIndex, mdlFile::DocumentCount());
        QStringList prompts;
        for (const dialogs::MessageBoxCall &box : boxes)
            prompts.append(box.prompt);
        EXPECT_EQ(prompts, c.arguments.contains(fifo) ? QStringList{told} : QStringList());
        UnloadProgramWindows();
    }
}

TEST_F(MainWindowStart, EveryTwentiethStartShowsTheSupportPageUnlessSwitchedOff)
{
    struct Case {
        const char *user;
        bool shows;
    } cases[] = {{"start_count=19\r\n", true},
                 {"start_count=39\r\n", true},
                 {"start_count=20\r\n", false},
                 {"start_count=19\r\nviewform=False\r\n", false}};
    for (const Case &c : cases) {
        settings("file_creat=False\r\n", c.user);
        shown.clear();
        start();
        EXPECT_EQ(shown.contains("frmMoney"), c.shows) << c.user;
        TearDown();
        SetUp();
    }
}

TEST_F(MainWindowStart, ExitAsksAboutEveryChangedDocumentAndACancelKeepsTheProgramRunning)
{
    settings("file_creat=False\r\n");
    frmMain *main = start();
    const QString a = folder.write("a.txt", "a"), b = folder.write("b.txt", "b");
    ASSERT_TRUE(mdlFile::OpenDocumentFile(a, "a.txt", 0, 0));
    ASSERT_TRUE(mdlFile::OpenDocumentFile(b, "b.txt", 0, 0));
    for (int n : {1, 2})
        mdlFile::Documents[n]->txtContent->Control()->append(QStringLiteral("!"));
    QCoreApplication::sendPostedEvents();
    // The bookkeeping may name no document at all: both are asked about all the same.
    main->ActiveFileIndex = 0;
    QFile::remove(folder.path("setting.ini"));

    answers = {dialogs::vbNo, dialogs::vbCancel};
    main->mnuFile_Exit_Click();
    EXPECT_EQ(boxes.size(), 2);
    EXPECT_TRUE(mdlLoad::ProgramLoaded) << "the program runs on";
    EXPECT_TRUE(mdlFile::DocumentRecords[1].Closed);
    EXPECT_FALSE(mdlFile::DocumentRecords[2].Closed);
    EXPECT_FALSE(QFile::exists(folder.path("setting.ini"))) << "the settings are not written";
    EXPECT_EQ(folder.read("a.txt"), "a");
}

TEST_F(MainWindowStart, ANewDocumentWhoseSaveDialogIsCancelledStaysOpen)
{
    settings("file_creat=False\r\n");
    frmMain *main = start();
    mdlFile::NewDocumentEmpty("new", "html", "HTML", false);
    mdlFile::Documents[1]->txtContent->Control()->append(QStringLiteral("<p>typed</p>"));
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(mdlFile::DocumentRecords[1].State, mdlFile::DocumentState::NewChanged);

    answers = {dialogs::vbYes};
    EXPECT_FALSE(mdlFile::Documents[1]->subWindow->close());
    EXPECT_EQ(shown, QStringList{"frmFileSave"});
    EXPECT_FALSE(mdlFile::DocumentRecords[1].Closed);
    EXPECT_EQ(mdlFile::DocumentRecords[1].State, mdlFile::DocumentState::NewChanged);
    EXPECT_EQ(main->ActiveFileIndex, 1);
}

TEST_F(MainWindowStart, SaveAsGivesTheDocumentItsNewNameOnTheTabAndInTheWindowMenu)
{
    settings("file_creat=False\r\n");
    frmMain *main = start();
    mdlFile::NewDocumentEmpty("new", "html", "HTML", false);
    mdlFile::Documents[1]->txtContent->Control()->append(QStringLiteral("<p>Привет</p>"));
    QCoreApplication::sendPostedEvents();
    mdlLoad::PathSave = folder.path("site") + u'/';
    QDir().mkpath(mdlLoad::PathSave);
    dialogs::SetDialogHook([](QDialog &dialog) {
        auto *save = qobject_cast<frmFileSave *>(&dialog);
        if (!save)
            return int(QDialog::Rejected);
        dialog.show();
        save->txtFileName->setText(QStringLiteral("saved.html"));
        save->cmmSave->click();
        return int(dialog.result());
    });

    main->mnuFile_SaveAs_Click();
    const mdlFile::DocumentRecord &record = mdlFile::DocumentRecords[1];
    EXPECT_EQ(record.State, mdlFile::DocumentState::Saved);
    EXPECT_EQ(record.Path, folder.path("site/saved.html"));
    EXPECT_EQ(folder.read("site/saved.html"), "<p>\xcf\xf0\xe8\xe2\xe5\xf2</p>");
    EXPECT_EQ(main->tbsFiles->tabText(record.TabIndex - 1), "saved.html");
    EXPECT_EQ(main->tbsFiles->tabToolTip(record.TabIndex - 1), record.Path);
    EXPECT_EQ(main->mnuWindows_File[record.MenuIndex]->text(), "saved.html");
    EXPECT_TRUE(main->sttMain->PanelText(2).endsWith(" - Файл " + record.Path + " сохранен"));
}

TEST_F(MainWindowStart, TheStatusBarReportsOnlyWhatTheSaveDialogWrote)
{
    settings("file_creat=False\r\n");
    frmMain *main = start();
    const QString notes = folder.write("notes.txt", "text");
    ASSERT_TRUE(mdlFile::OpenDocumentFile(notes, "notes.txt", 0, 0));
    QString typed;
    dialogs::SetDialogHook([&](QDialog &dialog) {
        auto *save = qobject_cast<frmFileSave *>(&dialog);
        if (!save || typed.isEmpty())
            return int(QDialog::Rejected);
        dialog.show();
        save->txtFileName->setText(typed);
        save->cmmSave->click();
        return int(dialog.result());
    });
    const QString size = main->sttMain->PanelText(2);
    ASSERT_TRUE(size.endsWith(" Kb "));

    for (auto command : {&frmMain::mnuFile_SaveAs_Click, &frmMain::mnuFile_SaveCopy_Click}) {
        (main->*command)();
        EXPECT_EQ(main->sttMain->PanelText(2), size) << "a cancelled dialog saved nothing";
    }

    typed = "copy.txt";
    main->mnuFile_SaveCopy_Click();
    EXPECT_EQ(folder.read("copy.txt"), "text");
    EXPECT_TRUE(main->sttMain->PanelText(2).endsWith(" - Файл " + folder.path("copy.txt") + " сохранен"));
    EXPECT_EQ(mdlFile::DocumentRecords[1].Path, notes) << "a copy leaves the document where it is";

    typed = "renamed.txt";
    main->mnuFile_SaveAs_Click();
    EXPECT_EQ(mdlFile::DocumentRecords[1].Path, folder.path("renamed.txt")) << "no second extension";
    EXPECT_TRUE(QFile::exists(folder.path("renamed.txt")));
    EXPECT_EQ(main->windowTitle(), "renamed.txt - Marrowin Vellicor");
}

TEST_F(MainWindowStart, AMaximisedFrameKeepsItsNormalPlaceForTheNextStart)
{
    settings("file_creat=False\r\n");
    frmMain *main = start();
    main->showNormal();
    main->setGeometry(100, 80, 700, 500);
    main->showMaximized();
    main->StoreWindowPosition();
    EXPECT_TRUE(mdlLoad::FormMaxsize);
    EXPECT_EQ(QRect(mdlLoad::FormLeft, mdlLoad::FormTop, mdlLoad::FormWidth, mdlLoad::FormHeight),
              QRect(100 * 15, 80 * 15, 700 * 15, 500 * 15));

    mdlLoad::RestoreMainWindow();
    EXPECT_TRUE(main->isMaximized());
    main->showNormal();
    EXPECT_EQ(main->geometry(), QRect(100, 80, 700, 500)) << "restored to where it was before it was maximised";
}

} // namespace
