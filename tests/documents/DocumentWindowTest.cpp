#include "app/core/mdlLoad.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/documents/mdlFileWindows.h"
#include "app/core/mdlLoadCodes.h"
#include "app/core/mdlLoadStart.h"
#include "app/mainwindow/frmMain.h"
#include "platform/editor/Editor.h"
#include "platform/widgets/StatusBar.h"
#include "platform/widgets/TabStrip.h"
#include "tests/LoadedProgram.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace dialogs = platform::dialogs;

namespace {

class DocumentWindow : public LoadedProgram {
protected:
    int open(const QString &name, const QByteArray &bytes, int fileCode = 0, int viewCode = 0)
    {
        const QString path = files.write(name, bytes);
        if (!mdlFile::OpenDocumentFile(path, name, fileCode, viewCode))
            return 0;
        return mdlFile::DocumentCount();
    }

    // A change that leaves the text as it was: the document counts as changed all the same.
    static void touch(int number)
    {
        QsciScintilla *control = document(number)->txtContent->Control();
        control->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, 0UL, "x");
        control->SendScintilla(QsciScintillaBase::SCI_DELETERANGE, 0UL, 1L);
        QCoreApplication::sendPostedEvents();
    }

    static bool close(int number)
    {
        frmContent *window = document(number);
        return window->subWindow->close() || mdlFile::Documents[number] == nullptr;
    }

    static QStringList windowMenu()
    {
        QStringList captions;
        for (QAction *item : main()->mnuWindows_File)
            if (item->isVisible())
                captions << item->text();
        return captions;
    }

    static QString panel(int n) { return main()->sttMain->PanelText(n); }

    TempFolder files;
};

TEST_F(DocumentWindow, NewDocumentsAreNumberedAndEachGetsATabAndAWindowItem)
{
    mdlFile::NewDocumentEmpty("new", "html", "HTML", false);
    mdlFile::NewDocumentEmpty("new", "css", "CSS", false);

    EXPECT_EQ(record(1).Name, "new1.html");
    EXPECT_EQ(record(2).Name, "new2.css");
    EXPECT_EQ(record(2).State, mdlFile::DocumentState::New);
    EXPECT_EQ(main()->ActiveFileIndex, 2);
    EXPECT_EQ(main()->tbsFiles->Count(), 2) << "the \"файлов нет\" tab gives way to the documents";
    EXPECT_EQ(windowMenu(), (QStringList{"new1.html", "new2.css"}));
    EXPECT_EQ(panel(2), "0,00 Kb ");
    EXPECT_EQ(panel(3), " 1 : 1 ");
}

TEST_F(DocumentWindow, ATemplateFillsTheNewDocumentAndAMissingOneIsReported)
{
    mdlFile::NewDocumentFromPattern("page", "html", "HTML", "page.html", false);
    ASSERT_EQ(mdlFile::DocumentCount(), 1);
    QFile shipped(mdlLoad::PatternFolder + "page.html");
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    EXPECT_FALSE(document(1)->txtContent->Text().isEmpty());
    EXPECT_EQ(record(1).State, mdlFile::DocumentState::New);

    mdlFile::NewDocumentFromPattern("page", "html", "HTML", "missing.html", false);
    EXPECT_EQ(mdlFile::DocumentCount(), 1) << "no document without its template";
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].title, "Ошибка чтения");
}

TEST_F(DocumentWindow, TheStatusBarShowsNameSizeCaretAndCodePages)
{
    struct Case {
        int bytes;
        const char *size;
    } cases[] = {{1000, "0,98 Kb "}, {2048, "2,00 Kb "}, {1, "0,00 Kb "}};
    mdlLoad::StatusFullpath = false;
    for (const Case &c : cases) {
        const int n = open(QStringLiteral("size%1.txt").arg(c.bytes), QByteArray(c.bytes, 'a'));
        ASSERT_GT(n, 0);
        EXPECT_EQ(panel(2), c.size) << c.bytes;
        EXPECT_EQ(panel(1), QStringLiteral("size%1.txt ").arg(c.bytes));
    }
    const int n = mdlFile::DocumentCount();
    document(n)->txtContent->Control()->setCursorPosition(0, 1);
    document(n)->Change_Position();
    EXPECT_EQ(panel(3), " 1 : 2 ");
    EXPECT_EQ(panel(4), mdlLoad::Codes[1].Title + " / " + mdlLoad::Codes[1].Title + ' ');
    EXPECT_EQ(main()->windowTitle(), "size1.txt - Marrowin Vellicor");
}

// With the full path asked for, a document that has a file shows its path, one that has none its name,
// changed or not.
TEST_F(DocumentWindow, TheFirstStatusPanelShowsThePathOnlyOfADocumentWithAFile)
{
    mdlLoad::StatusFullpath = true;
    mdlFile::NewDocumentEmpty("new", "html", "HTML", false);
    const int fresh = mdlFile::DocumentCount();
    const int opened = open("page.html", "<p>");
    const QString path = files.path("page.html");
    ASSERT_EQ(record(opened).Path, path);
    struct Case {
        int number;
        bool changed;
        mdlFile::DocumentState state;
        QString shown;
    } cases[] = {{fresh, false, mdlFile::DocumentState::New, "new1.html "},
                 {opened, false, mdlFile::DocumentState::Saved, path + ' '},
                 {fresh, true, mdlFile::DocumentState::NewChanged, "new1.html "},
                 {opened, true, mdlFile::DocumentState::SavedChanged, path + ' '}};
    for (const Case &c : cases) {
        main()->mnuWindows_File_Click(record(c.number).MenuIndex);
        if (c.changed) {
            touch(c.number);
            // Shown again as the window becomes active once more.
            main()->mnuWindows_File_Click(record(c.number == fresh ? opened : fresh).MenuIndex);
            main()->mnuWindows_File_Click(record(c.number).MenuIndex);
        }
        ASSERT_EQ(main()->ActiveFileIndex, c.number);
        EXPECT_EQ(record(c.number).State, c.state);
        EXPECT_EQ(panel(1), c.shown) << "state " << int(c.state);
    }
}

TEST_F(DocumentWindow, AnOpenedFileIsFoundByItsPathAndListedAmongRecentFiles)
{
    const int a = open("a.html", "<p>a</p>");
    const int b = open("b.css", "p {}");
    EXPECT_EQ(mdlFile::FindDocumentByPath(files.path("a.html")), a);
    EXPECT_EQ(mdlFile::FindDocumentByPath(files.path("b.css")), b);
    EXPECT_EQ(mdlFile::FindDocumentByPath(files.path("B.css")), 0) << "host paths differ by letter case";
    ASSERT_EQ(mdlLoad::Magazine.count(), 2);
    EXPECT_EQ(mdlLoad::Magazine[2].Second + mdlLoad::Magazine[2].First, files.path("b.css"));
    EXPECT_EQ(record(a).State, mdlFile::DocumentState::Saved);

    mdlFile::ActivateDocument(a, true, false);
    EXPECT_EQ(main()->ActiveFileIndex, a);
    EXPECT_EQ(main()->tbsFiles->SelectedPosition(), mdlFile::GetDocumentTabIndex(a));
}

TEST_F(DocumentWindow, TabsAndWindowItemsFollowOpenAndClose)
{
    for (const char *name : {"one.txt", "two.txt", "three.txt"})
        ASSERT_GT(open(name, "x"), 0);
    EXPECT_EQ(record(3).TabIndex, 3);
    EXPECT_EQ(record(3).MenuIndex, 3);

    EXPECT_TRUE(close(2));
    EXPECT_EQ(main()->tbsFiles->Count(), 2);
    EXPECT_EQ(record(1).TabIndex, 1);
    EXPECT_EQ(record(3).TabIndex, 2) << "the later tab moves up";
    EXPECT_EQ(windowMenu(), (QStringList{"one.txt", "three.txt"}));

    ASSERT_GT(open("four.txt", "x"), 0);
    EXPECT_EQ(record(4).TabIndex, 3);
    EXPECT_EQ(record(4).MenuIndex, 4) << "a closed document's item number is not given again";
    EXPECT_EQ(main()->tbsFiles->tabToolTip(1), files.path("three.txt")) << "the tab at position 2";
}

// Each tab shows its document's state; switched off, no tab shows a picture, and switched on again a
// tab takes its picture at its next refresh.
TEST_F(DocumentWindow, TabPicturesFollowTheStateUnlessSwitchedOff)
{
    mdlLoad::LoadFileTabImages();
    TabStrip *tabs = main()->tbsFiles;
    const auto picture = [&](int number) { return tabs->tabIcon(record(number).TabIndex - 1); };
    const auto shown = [&](int image) { return tabs->Images.value(image - 1).cacheKey(); };
    for (const bool pictures : {true, false}) {
        mdlLoad::FiletabPicture = pictures;
        mdlFile::NewDocumentEmpty("new", "html", "HTML", false);
        const int fresh = mdlFile::DocumentCount();
        mdlFile::NewDocumentEmpty("new", "html", "HTML", false);
        const int typed = mdlFile::DocumentCount();
        touch(typed);
        const int opened = open(QStringLiteral("opened%1.txt").arg(pictures), "x");
        const int changed = open(QStringLiteral("changed%1.txt").arg(pictures), "x");
        touch(changed);
        using mdlFile::DocumentState;
        const struct {
            int number;
            DocumentState state;
            int image;
        } cases[] = {{fresh, DocumentState::New, mdlFile::TabImageNew},
                     {typed, DocumentState::NewChanged, mdlFile::TabImageNewChanged},
                     {opened, DocumentState::Saved, mdlFile::TabImageOpen},
                     {changed, DocumentState::SavedChanged, mdlFile::TabImageOpenChanged}};
        for (const auto &[number, state, image] : cases) {
            ASSERT_GT(image, 0) << "the shipped pictures load";
            ASSERT_EQ(record(number).State, state);
            if (pictures)
                EXPECT_EQ(picture(number).cacheKey(), shown(image)) << record(number).Name.toStdString();
            else
                EXPECT_TRUE(picture(number).isNull()) << record(number).Name.toStdString();
        }
    }
    const int last = mdlFile::DocumentCount();
    mdlLoad::FiletabPicture = true;
    mdlFile::UpdateDocumentTab(last);
    EXPECT_EQ(picture(last).cacheKey(), shown(mdlFile::TabImageOpenChanged));
}

TEST_F(DocumentWindow, DroppedFilesOpenAsNewDocumentsEvenWhenOpenAlready)
{
    const QString page = files.write("page.html", "<p>x</p>");
    QDir().mkpath(files.path("folder"));
    const auto drop = [&](QWidget *target, const QStringList &paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        // As a drag does: it enters, and the widget that took it receives the drop.
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
        return event.isAccepted();
    };

    EXPECT_TRUE(drop(main(), {page, files.path("folder"), files.path("gone.html")}));
    ASSERT_EQ(mdlFile::DocumentCount(), 1) << "the folder and the missing file are passed over";
    // On a document window the drop reaches the frame just the same, and opens the file again.
    EXPECT_TRUE(drop(document(1)->txtContent->Control()->viewport(), {page}));
    ASSERT_EQ(mdlFile::DocumentCount(), 2);
    EXPECT_EQ(record(2).Path, page);
    EXPECT_EQ(document(1)->txtContent->Text(), "<p>x</p>") << "the file's path is not pasted as text";
    EXPECT_FALSE(drop(main(), {files.path("folder")}));
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(DocumentWindow, AFileThatCannotBeReadOpensNoDocument)
{
    QDir().mkpath(files.path("folder.html"));
    // Neither waits for a writer nor reads without end.
    ASSERT_EQ(mkfifo(QFile::encodeName(files.path("fifo.html")).constData(), 0666), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", files.path("zero.html")));
    EXPECT_FALSE(mdlFile::OpenDocumentFile(files.path("folder.html"), "folder.html", 0, 0));
    EXPECT_FALSE(mdlFile::OpenDocumentFile(files.path("gone.html"), "gone.html", 0, 0));
    EXPECT_FALSE(mdlFile::OpenDocumentFile(files.path("fifo.html"), "fifo.html", 0, 0));
    EXPECT_FALSE(mdlFile::OpenDocumentFile(files.path("zero.html"), "zero.html", 0, 0));
    EXPECT_EQ(mdlFile::DocumentCount(), 0);
    ASSERT_EQ(boxes.size(), 4);
    EXPECT_EQ(boxes[0].title, "Ошибка чтения");
    EXPECT_TRUE(boxes[0].prompt.contains("folder.html"));
    EXPECT_EQ(mdlLoad::Magazine.count(), 0);
}

TEST_F(DocumentWindow, UnloadingTakesAnOpenDocumentsWindowAndNothingElse)
{
    const int kept = open("kept.txt", "x");
    const int closed = open("closed.txt", "x");
    const int unloaded = open("unloaded.txt", "x");
    ASSERT_TRUE(close(closed));
    for (const int number : {0, closed, unloaded + 1})
        EXPECT_FALSE(mdlFile::UnloadDocument(number)) << number;
    EXPECT_EQ(main()->mdiArea->subWindowList().size(), 2) << "a refused unload touches no window";

    QMdiSubWindow *window = document(unloaded)->subWindow;
    EXPECT_TRUE(mdlFile::UnloadDocument(unloaded));
    EXPECT_EQ(mdlFile::Documents[unloaded], nullptr);
    EXPECT_FALSE(main()->mdiArea->subWindowList().contains(window));
    EXPECT_NE(document(kept), nullptr);
    EXPECT_TRUE(boxes.isEmpty()) << "no question: the window goes as it stands";
}

TEST_F(DocumentWindow, AKoi8FileIsShownRecodedAndSavedBackInItsOwnPage)
{
    const QByteArray koi8("\xf0\xd2\xc9\xd7\xc5\xd4", 6); // "Привет"
    const int koi = 2;
    ASSERT_EQ(mdlLoad::Codes[koi].Title.left(3), "KOI");
    const int n = open("koi.txt", koi8, koi, 1);
    ASSERT_GT(n, 0);
    EXPECT_EQ(document(n)->txtContent->Text(), "Привет");

    mdlLoad::SaveCode = 1; // the file's own page
    document(n)->txtContent->Control()->append(QStringLiteral("!"));
    answers = {dialogs::vbYes};
    EXPECT_TRUE(close(n));
    EXPECT_EQ(files.read("koi.txt"), koi8 + '!');
}

TEST_F(DocumentWindow, AFileSavedWithoutRecodingComesBackByteForByte)
{
    QByteArray every;
    for (int b = 0; b < 256; ++b)
        every += char(b);
    const QByteArray cases[] = {every, "one\r\ntwo\r\n", "one\ntwo\n", "one\rtwo\r", "mixed\r\nends\nand\r"};
    int i = 0;
    for (const QByteArray &bytes : cases) {
        const QString name = QStringLiteral("bytes%1.txt").arg(++i);
        const int n = open(name, bytes);
        ASSERT_GT(n, 0);
        touch(n);
        ASSERT_EQ(record(n).State, mdlFile::DocumentState::SavedChanged);
        answers = {dialogs::vbYes};
        EXPECT_TRUE(close(n));
        EXPECT_EQ(files.read(name), bytes) << name.toStdString();
    }
}

TEST_F(DocumentWindow, TheClosePromptsKeepOrDropTheText)
{
    const int n = open("page.html", "<p>old</p>");
    document(n)->txtContent->Control()->append(QStringLiteral("new"));
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(record(n).State, mdlFile::DocumentState::SavedChanged);

    answers = {dialogs::vbCancel};
    EXPECT_FALSE(close(n));
    EXPECT_NE(mdlFile::Documents[n], nullptr) << "Cancel keeps the window";
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].title, "Предупреждение");
    EXPECT_TRUE(boxes[0].prompt.contains("page.html"));

    answers = {dialogs::vbNo};
    EXPECT_TRUE(close(n));
    EXPECT_EQ(files.read("page.html"), "<p>old</p>") << "No leaves the file as it was";
    EXPECT_TRUE(record(n).Closed);
    EXPECT_EQ(mdlFile::Documents[n], nullptr);
    EXPECT_EQ(main()->ActiveFileIndex, 0);
    EXPECT_TRUE(windowMenu().isEmpty());
    EXPECT_EQ(main()->tbsFiles->Count(), 1) << "the \"файлов нет\" tab is back";
    EXPECT_EQ(main()->windowTitle(), "Marrowin Vellicor");
}

TEST_F(DocumentWindow, AWriteThatFailsKeepsTheDocumentOpenAndChanged)
{
    const int n = open("target.html", "<p>text</p>");
    touch(n);
    // A folder where the file was: no write can replace it, whoever runs the test.
    QFile::remove(files.path("target.html"));
    QDir().mkpath(files.path("target.html"));

    answers = {dialogs::vbYes};
    EXPECT_FALSE(close(n));
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[1].title, "Ошибка записи");
    EXPECT_EQ(boxes[1].prompt, "Невозможно записать файл target.html,\r\n"
                               "так как под этим именем находится папка или устройство, а не файл.");
    EXPECT_NE(mdlFile::Documents[n], nullptr);
    EXPECT_EQ(record(n).State, mdlFile::DocumentState::SavedChanged);
    EXPECT_EQ(document(n)->txtContent->Text(), "<p>text</p>");
}

TEST_F(DocumentWindow, AnUnchangedDocumentClosesWithoutAQuestion)
{
    const int a = open("a.txt", "a");
    mdlFile::NewDocumentEmpty("new", "html", "HTML", false);
    const int b = mdlFile::DocumentCount();
    EXPECT_TRUE(close(a));
    EXPECT_TRUE(close(b));
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_EQ(mdlFile::CountOpenDocuments(), 0);
}

} // namespace
