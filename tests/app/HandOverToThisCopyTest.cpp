#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileLimit.h"
#include "app/documents/mdlFileWindows.h"
#include "app/mainwindow/frmMain.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/windows/WindowTable.h"
#include "tests/ProgramCopies.h"
#include "tests/SparseFile.h"
#include "tests/documents/OpenDocumentsFixture.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace dialogs = platform::dialogs;

namespace {

// This process runs the program's windows on a program folder that holds the real executable as well:
// copies started from there are second starts that hand their files over to this process through its
// window table.
class HandOverToThisCopy : public OpenDocuments {
protected:
    void SetUp() override
    {
        OpenDocuments::SetUp();
        ASSERT_TRUE(QFile::copy(QStringLiteral(VELLICOR_EXECUTABLE), folder.path("Vellicor")));
    }

    // Starts a copy with `arguments` in `workingFolder` and serves this process's events until it ends.
    void HandOver(const QStringList &arguments, const QString &workingFolder)
    {
        const std::string argument = arguments.join(' ').toStdString();
        QProcess copy;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("VELLICOR_WINDOW_TABLE", platform::windows::TableFolder());
        copy.setProcessEnvironment(environment);
        copy.setWorkingDirectory(workingFolder);
        copy.start(folder.path("Vellicor"), arguments);
        ServeUntilFinished(copy);
        EXPECT_EQ(copy.exitStatus(), QProcess::NormalExit) << argument;
        EXPECT_EQ(copy.exitCode(), 0) << "the copy handed its files over and ended: " << argument;
    }

    // A new document with typed text: it has no file and counts as changed.
    int newChangedDocument()
    {
        mdlFile::NewDocumentEmpty("new", "html", "HTML", false);
        const int number = mdlFile::DocumentCount();
        key(number, Qt::Key_X);
        EXPECT_EQ(record(number).State, mdlFile::DocumentState::NewChanged);
        return number;
    }

    static int active() { return main()->ActiveFileIndex; }
};

struct HandedOver {
    const char *name;
    bool open; // the handed-over file is open already, with unsaved changes
};

const HandedOver handedOverFiles[] = {{"an open document with changes", true}, {"a file that is not open", false}};

// The close question of a document that was never saved is on screen when a second start hands over
// another file. The hand-over waits until the question is answered: under it, no other document becomes
// the active one, so "Да" goes to the document being closed and never saves the handed-over one.
TEST_F(HandOverToThisCopy, AHandOverDuringTheCloseQuestionIsCarriedOutAfterTheAnswer)
{
    for (const HandedOver &c : handedOverFiles) {
        SCOPED_TRACE(c.name);
        const QString other = files.write(QStringLiteral("other%1.html").arg(c.open), "<p>other</p>");
        int otherNumber = 0;
        if (c.open) {
            otherNumber = open(QStringLiteral("other%1.html").arg(c.open), "<p>other</p>");
            key(otherNumber, Qt::Key_Y);
            ASSERT_EQ(record(otherNumber).State, mdlFile::DocumentState::SavedChanged);
        }
        const int closing = newChangedDocument();
        const int openBefore = mdlFile::CountOpenDocuments();

        QStringList questions;
        int activeUnderTheBox = -1;
        int openUnderTheBox = -1;
        dialogs::SetMessageBoxHook([&](const dialogs::MessageBoxCall &call) {
            questions << call.prompt;
            HandOver({other}, files.path());
            activeUnderTheBox = active();
            openUnderTheBox = mdlFile::CountOpenDocuments();
            return int(dialogs::vbYes);
        });
        QList<int> savedDocuments;
        dialogs::SetDialogHook([&](QDialog &) {
            savedDocuments << forms::frmFileSave->DocumentNumber();
            return int(QDialog::Rejected);
        });
        document(closing)->subWindow->close();
        const int activeAfterTheAnswer = active();
        settle();
        dialogs::SetDialogHook(nullptr);
        dialogs::SetMessageBoxHook(nullptr);

        ASSERT_EQ(questions.size(), 1);
        EXPECT_TRUE(questions[0].contains("не сохранен")) << questions[0].toStdString();
        EXPECT_EQ(activeUnderTheBox, closing);
        EXPECT_EQ(openUnderTheBox, openBefore) << "nothing opens under the box";
        EXPECT_EQ(activeAfterTheAnswer, closing) << "nor once it is answered, while the closing goes on";
        EXPECT_EQ(savedDocuments, QList<int>{closing}) << "\"Да\" saves the document being closed";
        EXPECT_FALSE(record(closing).Closed) << "its Save dialog was cancelled";
        EXPECT_EQ(files.read(QStringLiteral("other%1.html").arg(c.open)), "<p>other</p>") << "not saved";

        const int handedOver = c.open ? otherNumber : mdlFile::DocumentCount();
        EXPECT_EQ(active(), handedOver) << "the hand-over is carried out after the box";
        EXPECT_EQ(record(handedOver).Path, other);
        EXPECT_EQ(record(handedOver).State,
                  c.open ? mdlFile::DocumentState::SavedChanged : mdlFile::DocumentState::Saved);
        EXPECT_EQ(mdlFile::CountOpenDocuments(), openBefore + (c.open ? 0 : 1));
    }
}

// The same for a dialog of the program run modal by its own event loop, as the user has it on screen.
TEST_F(HandOverToThisCopy, AHandOverDuringAModalDialogIsCarriedOutOnceTheDialogHasClosed)
{
    for (const HandedOver &c : handedOverFiles) {
        SCOPED_TRACE(c.name);
        const QString name = QStringLiteral("page%1.html").arg(c.open);
        const QString other = files.write(name, "<p>");
        const int first = open("first.html");
        const int otherNumber = c.open ? open(name, "<p>") : 0;
        if (c.open)
            mdlFile::ActivateDocument(first, true, false);
        settle();
        ASSERT_EQ(active(), first);
        const int openBefore = mdlFile::CountOpenDocuments();

        int activeUnderTheDialog = -1;
        int openUnderTheDialog = -1;
        QTimer underTheDialog;
        underTheDialog.setInterval(10);
        QObject::connect(&underTheDialog, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            underTheDialog.stop();
            HandOver({other}, files.path());
            activeUnderTheDialog = active();
            openUnderTheDialog = mdlFile::CountOpenDocuments();
            dialog->reject();
        });
        underTheDialog.start();
        main()->mnuFile_New_Click();
        settle();

        EXPECT_EQ(activeUnderTheDialog, first);
        EXPECT_EQ(openUnderTheDialog, openBefore);
        EXPECT_EQ(active(), c.open ? otherNumber : mdlFile::DocumentCount());
        EXPECT_EQ(record(active()).Path, other);
        main()->mnuFile_CloseAll->trigger();
        settle();
    }
}

// A second start names an open file in another way than it was opened: the open document is activated,
// and the file is not opened a second time.
TEST_F(HandOverToThisCopy, EveryPathOfAnOpenFileActivatesItsDocument)
{
    const int page = open("site/page.html", "<p>");
    const QString site = files.path("site");
    QDir().mkpath(files.path("site/sub"));
    ASSERT_TRUE(QFile::link(files.path("site/page.html"), files.path("site/link.html")));
    ASSERT_TRUE(QFile::link(site, files.path("linked-site")));
    const int other = open("other.html");
    ASSERT_EQ(mdlLoad::Magazine.count(), 2);
    const StringPair newest = mdlLoad::Magazine[2];

    struct Case {
        const char *argument;
        QString workingFolder;
    } cases[] = {
        {"./page.html", site},
        {"sub/../page.html", site},
        {"link.html", site},
        {"linked-site//page.html", files.path()},
    };
    for (const Case &c : cases) {
        mdlFile::ActivateDocument(other, true, false);
        settle();
        ASSERT_EQ(active(), other);
        HandOver({c.argument}, c.workingFolder);
        settle();
        EXPECT_EQ(active(), page) << c.argument;
        EXPECT_EQ(mdlFile::CountOpenDocuments(), 2) << c.argument;
        EXPECT_EQ(mdlLoad::Magazine.count(), 2) << c.argument;
        EXPECT_EQ(mdlLoad::Magazine[2], newest) << "activating moves nothing in the recent files";
    }

    // A file that is not open yet opens under its clean path, which later hand-overs find.
    files.write("site/fresh.html", "<p>");
    HandOver({"/" + site + "//./fresh.html"}, files.path());
    settle();
    const int fresh = mdlFile::DocumentCount();
    EXPECT_EQ(record(fresh).Path, files.path("site/fresh.html"));
    EXPECT_EQ(record(fresh).Name, "fresh.html");
    EXPECT_EQ(mdlLoad::Magazine[mdlLoad::Magazine.count()], (StringPair{"fresh.html", site + "/"}));
    HandOver({"./fresh.html"}, site);
    settle();
    EXPECT_EQ(mdlFile::DocumentCount(), fresh);
    EXPECT_EQ(active(), fresh);
}

// A FIFO, a device and a folder handed over among files: the files open in order, and the running copy
// names the others, with what each is, in one message once they are open.
TEST_F(HandOverToThisCopy, WhatIsNoFileIsNamedAndTheFilesAroundItOpenInOrder)
{
    const QString one = files.write("one.html", "<p>1</p>");
    const QString two = files.write("two.html", "<p>2</p>");
    const QString fifo = files.path("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QDir().mkpath(files.path("folder"));
    const int before = mdlFile::DocumentCount();
    int openWhenTold = -1;
    dialogs::SetMessageBoxHook([&](const dialogs::MessageBoxCall &call) {
        boxes.append(call);
        openWhenTold = mdlFile::CountOpenDocuments();
        return int(dialogs::vbOK);
    });

    HandOver({one, "pipe", "/dev/zero", "folder/", two}, files.path());
    settle();

    ASSERT_EQ(mdlFile::DocumentCount(), before + 2);
    EXPECT_EQ(record(before + 1).Path, one);
    EXPECT_EQ(record(before + 2).Path, two);
    EXPECT_EQ(active(), before + 2);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].prompt, "Открыть можно только файл, а это не файлы:\r\n" + fifo + " — канал (FIFO)\r\n" +
                                   "/dev/zero — устройство\r\n" + files.path("folder") + " — папка");
    EXPECT_EQ(openWhenTold, 2) << "told once both files are open";
}

// A second start hands over a file too large to open, laid out sparse, then a page. Before any of the
// large file is read, this copy refuses it by name and size, then opens the page; the document with unsaved
// text that it held stays as it was.
TEST_F(HandOverToThisCopy, AFileLargerThanTheLimitIsRefusedAndTheUnsavedDocumentSurvives)
{
    constexpr qint64 size = qint64(2) << 30;
    const QString big = WriteSparse(files, "big.html", size);
    ASSERT_FALSE(big.isEmpty());
    const QString page = files.write("page.html", "<p>");
    mdlFile::NewDocumentEmpty("new", "html", "HTML", false);
    const int unsaved = mdlFile::DocumentCount();
    type(unsaved, QStringLiteral("несохраненный текст"));
    settle();
    const int remembered = mdlLoad::Magazine.count();

    HandOver({big, page}, files.path());
    settle();

    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].prompt, mdlFile::TooLargeMessage(big, size));
    EXPECT_EQ(boxes[0].title, "Ошибка чтения");
    ASSERT_EQ(mdlFile::DocumentCount(), unsaved + 1) << "only the page opened";
    EXPECT_EQ(record(unsaved + 1).Path, page);
    EXPECT_EQ(active(), unsaved + 1);
    EXPECT_FALSE(record(unsaved).Closed);
    EXPECT_EQ(record(unsaved).State, mdlFile::DocumentState::NewChanged);
    EXPECT_EQ(editor(unsaved)->Text(), QStringLiteral("несохраненный текст"));
    EXPECT_EQ(mdlLoad::Magazine.count(), remembered + 1) << "the refused file is not a recent file";
}

} // namespace
