#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadServer.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/mainwindow/frmMain.h"
#include "platform/editor/Editor.h"
#include "platform/pages/FakePagePane.h"
#include "platform/text/AnsiCodePage.h"
#include "tests/DesktopRecorder.h"
#include "tests/EnginePage.h"
#include "tests/LoadedProgram.h"
#include "tests/ShellRecorder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

namespace platform::pages {
// Readable failures: a pane's call as its operation and argument.
void PrintTo(const FakePagePane::Call &call, std::ostream *out)
{
    *out << call.operation.toStdString() << '(' << call.argument.toStdString() << ')';
}
} // namespace platform::pages

namespace dialogs = platform::dialogs;
namespace pages = platform::pages;
using platform::text::StringToAnsi;
using Calls = QList<pages::FakePagePane::Call>;

namespace {

// A folder where the file should be: the message says so, under the designed first line.
const QString WriteErrorText =
    QStringLiteral("Файл нельзя записать,\r\nтак как под этим именем находится папка или устройство, а не файл.");

// Documents switched between their editor and their preview, and handed to the user's browser, in real
// windows; the panes record what they are asked to show, the shell what it is asked to open.
class ContentPreview : public LoadedProgram {
protected:
    void SetUp() override
    {
        LoadedProgram::SetUp();
        main()->resize(900, 700);
        QApplication::setActiveWindow(main());
    }

    // Opens the file `path`, relative to the test's folder, with `text` in windows-1251.
    int open(const QString &path, const QString &text)
    {
        EXPECT_TRUE(mdlFile::OpenDocumentFile(files.write(path, StringToAnsi(text)), QFileInfo(path).fileName(), 0, 0));
        QApplication::processEvents();
        return mdlFile::DocumentCount();
    }

    static pages::FakePagePane *pane(int number) { return static_cast<pages::FakePagePane *>(document(number)->brwIE); }
    static Calls calls(int number) { return pane(number) ? pane(number)->calls : Calls{}; }
    static QString text(int number) { return document(number)->txtContent->Text(); }
    static QString copyText(int number)
    {
        QFile copy(document(number)->filetmp_path);
        return copy.open(QIODevice::ReadOnly) ? platform::text::AnsiToString(copy.readAll()) : QString();
    }

    QStringList writeErrors() const
    {
        QStringList shown;
        for (const dialogs::MessageBoxCall &box : boxes)
            if (box.prompt == WriteErrorText && box.title == QStringLiteral("Ошибка записи"))
                shown << box.title;
        return shown;
    }

    TempFolder files;
    pages::FakePagePanes panes;
};

TEST_F(ContentPreview, SwitchingToThePreviewAndBackKeepsTheTextAndTheCaret)
{
    const int n = open("site/page.html", "<p>one</p>\r\n<p>two</p>");
    EXPECT_EQ(document(n)->brwIE, nullptr) << "a document opens without a pane";
    document(n)->PositionCursor(1, 4);

    main()->mnuView_EditBrowser->trigger();
    QApplication::processEvents(); // the window lays out its children anew
    ASSERT_NE(pane(n), nullptr);
    EXPECT_TRUE(document(n)->browse_mode);
    EXPECT_TRUE(document(n)->picBrowser->isVisible());
    EXPECT_FALSE(document(n)->txtContent->isVisible());
    const QRect place = document(n)->picBrowser->geometry();
    EXPECT_EQ(pane(n)->geometry(), document(n)->picBrowser->rect());
    EXPECT_TRUE(pane(n)->hasFocus());
    const QString folder = files.path("site") + '/';
    EXPECT_EQ(calls(n), (Calls{{"BrowseMode", ""}, {"LoadDocument", folder + "page.html"}, {"BaseURL", folder}}))
        << "an unchanged document shows its file";

    main()->mnuView_EditBrowser->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(document(n)->browse_mode);
    EXPECT_TRUE(document(n)->txtContent->isVisible());
    EXPECT_EQ(document(n)->txtContent->geometry(), place) << "the preview took the editor's place";
    EXPECT_FALSE(document(n)->picBrowser->isVisible());
    EXPECT_EQ(calls(n).size(), 4) << "going back only resets the pane's mode";
    EXPECT_EQ(text(n), "<p>one</p>\r\n<p>two</p>");
    EXPECT_EQ(document(n)->PositionLine(), 1);
    EXPECT_EQ(document(n)->PositionCol(), 4);
    EXPECT_TRUE(document(n)->txtContent->Control()->hasFocus());
    EXPECT_EQ(panes.made.size(), 1) << "one pane for the window's life";
}

TEST_F(ContentPreview, TheToolPanelsButtonsSwitchThePreviewAndOpenTheBrowser)
{
    const int n = open("page.html", "<p>x</p>");
    QAction *viewmode = document(n)->tlbPanel->findChild<QAction *>("viewmode");
    QAction *browser = document(n)->tlbPanel->findChild<QAction *>("browser");
    ASSERT_TRUE(viewmode && browser);
    viewmode->trigger();
    EXPECT_TRUE(document(n)->browse_mode);
    EXPECT_TRUE(viewmode->isChecked());
    // The menu switches back; the button follows the mode whichever way it changed.
    main()->mnuView_EditBrowser->trigger();
    EXPECT_FALSE(document(n)->browse_mode);
    EXPECT_FALSE(viewmode->isChecked());
    ShellRecorder shell;
    browser->trigger();
    EXPECT_EQ(shell.opened, QStringList{files.path("page.html")});
}

TEST_F(ContentPreview, TheKeysAndThePopupReachThePreviewOfTheActiveDocumentOnly)
{
    const int a = open("a.html", "a");
    const int b = open("b.html", "b");
    QTest::keyClick(document(b)->txtContent->Control(), Qt::Key_F12);
    EXPECT_TRUE(document(b)->browse_mode);
    EXPECT_EQ(document(a)->brwIE, nullptr);
    QTest::keyClick(pane(b), Qt::Key_F12);
    EXPECT_FALSE(document(b)->browse_mode) << "F12 in the preview goes back to the editor";

    main()->mnuPopupText_Browser->trigger();
    EXPECT_TRUE(document(b)->browse_mode);

    ShellRecorder shell;
    QTest::keyClick(pane(b), Qt::Key_F11);
    EXPECT_EQ(shell.opened, QStringList{files.path("b.html")});
    EXPECT_TRUE(document(b)->browse_mode) << "the outer browser leaves the window as it is";
}

TEST_F(ContentPreview, ThePreviewCommandsSitInTheirDesignedPlacesAndNeedADocument)
{
    const auto captions = [](QMenu *menu) {
        QStringList items;
        for (QAction *item : menu->actions())
            items << (item->isSeparator() ? QStringLiteral("-") : item->text());
        return items;
    };
    const QStringList view = captions(main()->mnuView);
    const qsizetype lines = view.indexOf(QStringLiteral("Операции над строками"));
    ASSERT_GE(lines, 0);
    EXPECT_EQ(view.mid(lines, 6), (QStringList{"Операции над строками", "-", "Просмотр в браузере",
                                               "Редактор/Просмотр", "-", "Непечатные символы"}));
    EXPECT_EQ(main()->mnuView_OuterBrowser->shortcut(), QKeySequence(Qt::Key_F11));
    EXPECT_EQ(main()->mnuView_EditBrowser->shortcut(), QKeySequence(Qt::Key_F12));
    const QStringList popup = captions(main()->mnuPopupText);
    const qsizetype del = popup.indexOf(QStringLiteral("Удалить"));
    ASSERT_GE(del, 0);
    EXPECT_EQ(popup.mid(del, 5), (QStringList{"Удалить", "-", "Режим просмотра", "-", "Выделить строку"}));

    const QList<QAction *> commands = {main()->mnuView_OuterBrowser, main()->mnuView_EditBrowser,
                                       main()->mnuPopupText_Browser};
    emit main()->mnuView->aboutToShow();
    for (QAction *command : commands)
        EXPECT_FALSE(command->isEnabled()) << command->text().toStdString();
    ShellRecorder shell;
    main()->mnuView_OuterBrowser_Click();
    main()->mnuView_EditBrowser_Click();
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_TRUE(panes.made.isEmpty()) << "without a document nothing is previewed";

    open("a.html", "a");
    emit main()->mnuView->aboutToShow();
    for (QAction *command : commands)
        EXPECT_TRUE(command->isEnabled()) << command->text().toStdString();
}

TEST_F(ContentPreview, APreviewShowsTheEditedTextWhereTheSettingsSaySo)
{
    struct Case {
        bool newDocument;
        bool viewTmpfile;
        bool saveView;
        bool fromCopy;      // else from the file
        bool fileHasEdit;   // the file on disk was saved with the edit
        const char *what;
    };
    const Case cases[] = {
        {true, false, true, true, false, "a new document shows its copy and is never saved here"},
        {false, true, false, true, false, "the copy when the settings ask for it"},
        {false, false, false, false, false, "the file as it is on disk, without the edit"},
        {false, false, true, false, true, "the file, saved first"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        mdlLoad::ViewTmpfile = c.viewTmpfile;
        mdlLoad::SaveView = c.saveView;
        boxes.clear();
        const int n = c.newDocument ? createDocument() : open("site/page.html", "<p>старый</p>");
        type(n, QStringLiteral("<p>новый</p>"));
        const QString edited = text(n);

        main()->mnuView_EditBrowser->trigger();
        EXPECT_TRUE(document(n)->browse_mode);
        EXPECT_EQ(copyText(n), edited) << "the copy is rewritten before every preview";
        const QString folder = files.path("site") + '/';
        const QString shown = c.fromCopy ? document(n)->filetmp_path : folder + "page.html";
        const QString base = c.newDocument ? QString() : folder;
        EXPECT_EQ(calls(n), (Calls{{"BrowseMode", ""}, {"LoadDocument", shown}, {"BaseURL", base}}));
        if (!c.newDocument) {
            EXPECT_EQ(files.read("site/page.html"), StringToAnsi(c.fileHasEdit ? edited : QStringLiteral("<p>старый</p>")));
            EXPECT_EQ(record(n).State,
                      c.fileHasEdit ? mdlFile::DocumentState::Saved : mdlFile::DocumentState::SavedChanged);
        } else {
            EXPECT_EQ(record(n).State, mdlFile::DocumentState::NewChanged);
        }
        EXPECT_TRUE(boxes.isEmpty()) << "no Save dialog and no message";
        document(n)->subWindow->close();
    }
}

TEST_F(ContentPreview, TheOuterBrowserGetsTheFileItsAddressOrTheCopy)
{
    mdlLoad::Server.PathToUrl.append({files.path("site") + '/', "http://localhost/~u/"});
    struct Case {
        bool newDocument;
        bool browserTmpfile;
        bool serverBrowser;
        bool saveBrowser;
        const char *target; // "copy", "file" or an address
        const char *what;
    };
    const Case cases[] = {
        {false, false, true, false, "http://localhost/~u/my%20page.html", "the file's address"},
        {false, false, false, false, "file", "the file itself with mapping off"},
        {false, true, true, false, "copy", "the copy when the settings ask for it"},
        {true, false, true, true, "copy", "a new document's copy, never saved here"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        mdlLoad::BrowserTmpfile = c.browserTmpfile;
        mdlLoad::ServerBrowser = c.serverBrowser;
        mdlLoad::SaveBrowser = c.saveBrowser;
        const int n = c.newDocument ? createDocument() : open("site/my page.html", "<p>старый</p>");
        type(n, QStringLiteral("новый"));
        ShellRecorder shell;
        QTest::keyClick(document(n)->txtContent->Control(), Qt::Key_F11);
        const QString target = QString::fromUtf8(c.target);
        const QString expected = target == "copy"   ? document(n)->filetmp_path
                                 : target == "file" ? files.path("site/my page.html")
                                                    : target;
        ASSERT_EQ(shell.calls.size(), 1);
        EXPECT_EQ(shell.calls[0].file, expected);
        EXPECT_EQ(shell.calls[0].parameters, QString());
        EXPECT_TRUE(shell.calls[0].maximized);
        EXPECT_EQ(copyText(n), text(n));
        EXPECT_FALSE(document(n)->browse_mode);
        EXPECT_EQ(document(n)->brwIE, nullptr) << "the outer browser needs no pane";
        EXPECT_TRUE(boxes.isEmpty());
    }
}

// A page that is also a program, as a .cgi or an .html with a "#!" line and the executable bit often is in
// a web folder: every way to the user's browser hands it over as a document, and nothing runs it. The
// shell's hook records the call; then the real call reaches the desktop's handler of "file:" addresses.
TEST_F(ContentPreview, AnExecutablePageGivenToTheBrowserRunsNothing)
{
    const struct {
        const char *file;
        const char *way;
    } cases[] = {{"site/form.cgi", "F11"}, {"site/page.html", "menu"}, {"site/run.htm", "button"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.way);
        const int n = open(c.file, "#!/bin/sh\ntouch \"$(dirname \"$0\")/ran\"\n<html><body>page</body></html>\n");
        const QString page = files.path(c.file);
        QFile::setPermissions(page, QFile::permissions(page) | QFileDevice::ExeOwner);
        const auto handOver = [&] {
            const QString way = QString::fromUtf8(c.way);
            if (way == "F11")
                QTest::keyClick(document(n)->txtContent->Control(), Qt::Key_F11);
            else if (way == "menu")
                main()->mnuView_OuterBrowser->trigger();
            else
                document(n)->tlbPanel->findChild<QAction *>("browser")->trigger();
        };
        {
            ShellRecorder shell;
            handOver();
            EXPECT_EQ(shell.calls, (QList<platform::shell::ShellCall>{
                                       {platform::shell::ShellKind::Open, page, "", true, "", QUrl::fromLocalFile(page)}}));
        }
        DesktopRecorder desktop;
        handOver();
        EXPECT_EQ(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(page)});
        QTest::qWait(500);
        EXPECT_FALSE(QFile::exists(files.path("site/ran"))) << "the page was run";
    }
}

TEST_F(ContentPreview, APreviewThatCannotBeBroughtUpToDateIsNotShown)
{
    // A folder in the way of a file makes the write fail, under root too.
    const auto block = [](const QString &path) {
        QFile::remove(path);
        QDir().mkpath(path);
    };
    const int n = open("page.html", "<p>старый</p>");
    type(n, QStringLiteral("новый"));
    block(document(n)->filetmp_path);

    mdlLoad::ViewTmpfile = true;
    main()->mnuView_EditBrowser->trigger();
    EXPECT_FALSE(document(n)->browse_mode);
    EXPECT_TRUE(document(n)->txtContent->isVisible());
    EXPECT_EQ(calls(n), (Calls{{"BrowseMode", ""}})) << "nothing is loaded";
    EXPECT_EQ(writeErrors().size(), 1);

    ShellRecorder shell;
    mdlLoad::BrowserTmpfile = true;
    main()->mnuView_OuterBrowser->trigger();
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_EQ(writeErrors().size(), 2);
    mdlLoad::BrowserTmpfile = false;
    main()->mnuView_OuterBrowser->trigger();
    EXPECT_EQ(shell.opened, QStringList{files.path("page.html")}) << "the file does not need the copy";
    EXPECT_EQ(writeErrors().size(), 2);

    // The copy can be written, the file that is to be saved first cannot.
    QDir(document(n)->filetmp_path).removeRecursively();
    block(files.path("page.html"));
    mdlLoad::SaveView = mdlLoad::SaveBrowser = true;
    main()->mnuView_EditBrowser->trigger();
    EXPECT_FALSE(document(n)->browse_mode);
    EXPECT_EQ(calls(n), (Calls{{"BrowseMode", ""}, {"BrowseMode", ""}}));
    main()->mnuView_OuterBrowser->trigger();
    EXPECT_EQ(shell.opened.size(), 1);
    EXPECT_EQ(writeErrors().size(), 4) << "each failed save says so once";
    EXPECT_EQ(record(n).State, mdlFile::DocumentState::SavedChanged) << "the edit is still unsaved";
    EXPECT_EQ(text(n), QStringLiteral("новый<p>старый</p>"));
}

TEST_F(ContentPreview, CtrlRInThePreviewReloadsItAndNothingElseDoes)
{
    const int n = open("page.html", "<p>a</p>");
    main()->mnuView_EditBrowser->trigger();
    pane(n)->calls.clear();
    pane(n)->PressKey(82);
    pane(n)->PressKey(82, true, false, false);
    pane(n)->PressKey(116, false, true, false);
    EXPECT_TRUE(calls(n).isEmpty());
    pane(n)->PressKey(82, false, true, false);
    EXPECT_EQ(calls(n), (Calls{{"Reload", ""}}));
}

TEST_F(ContentPreview, APreviewThatFinishesLoadingInAWindowLeftBehindStaysBehind)
{
    const int a = open("a.html", "a");
    main()->mnuView_EditBrowser->trigger();
    const int b = open("b.html", "b");
    ASSERT_EQ(main()->ActiveFileIndex, b);
    emit pane(a)->DisplayChanged();
    EXPECT_EQ(main()->ActiveFileIndex, b);
    EXPECT_TRUE(document(b)->txtContent->Control()->hasFocus());

    document(a)->SetFocusForm();
    pane(a)->clearFocus();
    emit pane(a)->DisplayChanged();
    EXPECT_TRUE(pane(a)->hasFocus()) << "in its own window the shown page takes the focus";
}

// The real page engine: a page over 2 MB, changed in the editor and shown from its copy, with its text in
// windows-1251 and its picture beside the document's file.
TEST_F(ContentPreview, TheEngineShowsALargeEditedPageWithItsPicture)
{
    pages::SetPagePaneFactory({}); // the engine's own pane
    mdlLoad::ViewTmpfile = true;
    QImage picture(9, 1, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QDir().mkpath(files.path("site/pictures"));
    picture.save(files.path("site/pictures/dot.png"), "PNG");
    QString page = QStringLiteral("<html><body><p id=t>Старый текст</p><img id=i src=\"pictures/dot.png\">");
    const QString line = QStringLiteral("<p>Строка из кириллицы, чтобы страница была велика.</p>\r\n");
    while (page.size() < 2500 * 1024)
        page += line;
    page += QStringLiteral("</body></html>");
    const int n = open("site/large.html", page);
    document(n)->PositionCursor(0, 0);
    type(n, QStringLiteral("<p id=n>Новый текст</p>"));

    main()->mnuView_EditBrowser->trigger();
    ASSERT_TRUE(IsEnginePane(document(n)->brwIE));
    QWidget *web = EngineView(document(n)->brwIE);
    ASSERT_NE(web, nullptr);
    ASSERT_TRUE(WaitForPage(*web)) << EngineLoadedNothing;
    EXPECT_EQ(RunScript(*web, "document.getElementById('n').textContent").toString(), QStringLiteral("Новый текст"));
    EXPECT_EQ(RunScript(*web, "document.getElementById('t').textContent").toString(), QStringLiteral("Старый текст"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return RunScript(*web, "document.getElementById('i').naturalWidth").toInt() == 9; }, 20000))
        << "the picture beside the document's file shows";

    // The frame's keys work with the focus inside the page: F11 hands the page to the browser, F12 goes
    // back to the editor.
    QWidget *input = web->focusProxy();
    ASSERT_NE(input, nullptr);
    input->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return input->hasFocus(); }, 5000));
    ShellRecorder shell;
    QTest::keyClick(input, Qt::Key_F11);
    EXPECT_EQ(shell.calls.size(), 1) << "F11 from inside the page";
    EXPECT_TRUE(document(n)->browse_mode);
    QTest::keyClick(input, Qt::Key_F12);
    EXPECT_FALSE(document(n)->browse_mode) << "F12 from inside the page";
    EXPECT_TRUE(document(n)->txtContent->Control()->hasFocus());
    EXPECT_TRUE(text(n).startsWith(QStringLiteral("<p id=n>Новый текст</p><html>")));
}

} // namespace
