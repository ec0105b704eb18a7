#include "app/core/mdlLoad.h"
#include "app/documents/mdlFile.h"
#include "app/dialogs/FolderPane.h"
#include "app/dialogs/frmFileSave.h"
#include "app/documents/mdlFileOpen.h"
#include "platform/editor/Editor.h"
#include "tests/dialogs/FileDialogFixture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

namespace dialogs = platform::dialogs;

namespace {

// "Привет, мир" in Windows-1251 and in KOI8-R.
const QByteArray Win1251 = QByteArray::fromHex("cff0e8e2e5f22c20ece8f0");
const QByteArray Koi8 = QByteArray::fromHex("f0d2c9d7c5d42c20cdc9d2");

class FileSave : public FileDialogFixture {
protected:
    void SetUp() override
    {
        FileDialogFixture::SetUp();
        mdlFile::NewDocumentEmpty("new", "html", "HTML", false);
        number = mdlFile::DocumentCount();
        // Typed, so that the document counts as changed.
        document(number)->txtContent->Control()->append(QStringLiteral("Привет, мир"));
        QCoreApplication::sendPostedEvents();
        ASSERT_EQ(record(number).State, mdlFile::DocumentState::NewChanged);
        saved = number;
        mdlLoad::PathOsEqual = false;
        mdlLoad::PathSave = folder();
        mdlLoad::Magazine.clear();
    }

    static frmFileSave *dialog() { return forms::frmFileSave.get(); }

    QString folder() const { return files.path() + u'/'; }

    // Shows the dialog for document `saved` in `mode` as the main window does, `act` standing in for the
    // user; returns the path it wrote.
    std::optional<QString> Show(const std::function<void()> &act)
    {
        return Showing(act, [&] { return dialog()->ShowSave(saved, mode); });
    }

    // Shows the dialog, types `name`, picks the code page (an empty one keeps the dialog's choice) and
    // presses Save; `then` runs while the dialog would still be open. Returns the path written.
    std::optional<QString> Save(const QString &name, const QString &code, const std::function<void()> &then = [] {})
    {
        return Show([&] {
            dialog()->txtFileName->setText(name);
            if (!code.isEmpty())
                dialog()->cmbCode->setCurrentIndex(CodeEntry(code));
            dialog()->cmmSave->click();
            then();
            if (dialog()->isVisible())
                dialog()->cmmCancel->click();
        });
    }

    int number = 0;
    // The document the dialog is shown for, and how.
    int saved = 0;
    mdlFile::SaveMode mode = mdlFile::SaveMode::SaveAs;
};

// The file list gives the folder to save into.
#define NEED_CONTROLS()                                                                                        \
    if (!RegisterControls())                                                                                   \
    GTEST_SKIP() << "the MwFSO library is not built"

TEST_F(FileSave, SaveAsWritesTheChosenCodePageAndBindsTheDocumentToTheFile)
{
    NEED_CONTROLS();
    const std::optional<QString> written = Save("page", "KOI");

    EXPECT_EQ(dialog()->result(), QDialog::Accepted);
    EXPECT_EQ(written, folder() + "page.html");
    EXPECT_EQ(files.read("page.html"), Koi8) << "the HTML type's default extension is appended";
    EXPECT_EQ(dialog()->txtFileName->text(), "page.html");
    EXPECT_EQ(record(number).Name, "page.html");
    EXPECT_EQ(record(number).Path, folder() + "page.html");
    EXPECT_EQ(record(number).State, mdlFile::DocumentState::Saved);
    EXPECT_EQ(record(number).FileCode, CodeEntry("KOI") + 1);
    EXPECT_EQ(record(number).ViewCode, 1);
    ASSERT_EQ(mdlLoad::Magazine.count(), 1);
    EXPECT_EQ(mdlLoad::Magazine[1], (StringPair{"page.html", folder()}));
    EXPECT_EQ(mdlLoad::PathSave, folder());
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(FileSave, SaveCopyWritesTheFileAndLeavesTheRecordAlone)
{
    NEED_CONTROLS();
    mode = mdlFile::SaveMode::SaveCopy;
    const mdlFile::DocumentRecord before = record(number);

    EXPECT_EQ(Save("copy.html", "WIN"), folder() + "copy.html");

    EXPECT_EQ(files.read("copy.html"), Win1251);
    EXPECT_EQ(record(number).Name, before.Name);
    EXPECT_EQ(record(number).Path, before.Path);
    EXPECT_EQ(record(number).State, before.State);
    EXPECT_EQ(record(number).FileCode, before.FileCode);
    ASSERT_EQ(mdlLoad::Magazine.count(), 1) << "the copy enters the recent files all the same";
    EXPECT_EQ(mdlLoad::Magazine[1].First, "copy.html");
}

// A copy onto the document's own file is that file's new content: the record follows as after Save As.
TEST_F(FileSave, SaveCopyOntoTheDocumentsOwnFileBindsItAsSaveAsDoes)
{
    NEED_CONTROLS();
    files.write("own.html", "old");
    ASSERT_TRUE(mdlFile::OpenDocumentFile(folder() + "own.html", "own.html", 0, 0));
    const int own = mdlFile::DocumentCount();
    document(own)->txtContent->Control()->append(QStringLiteral("Привет, мир"));
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(record(own).State, mdlFile::DocumentState::SavedChanged);
    saved = own;
    mode = mdlFile::SaveMode::SaveCopy;
    answers = {dialogs::vbYes};

    Save("own.html", "KOI");

    ASSERT_EQ(boxes.size(), 1) << "the own file exists: it is asked about";
    EXPECT_EQ(files.read("own.html"), "old" + Koi8);
    EXPECT_EQ(record(own).Path, folder() + "own.html");
    EXPECT_EQ(record(own).Name, "own.html");
    EXPECT_EQ(record(own).State, mdlFile::DocumentState::Saved);
    EXPECT_EQ(record(own).FileCode, CodeEntry("KOI") + 1);
}

// With the file's code page preselected, a document that has none offers no code page, and its text goes
// to the file as it is shown.
TEST_F(FileSave, ADocumentWithoutAFileCodePageIsWrittenUnrecoded)
{
    NEED_CONTROLS();
    mdlLoad::SaveCode = 1;
    mdlFile::DocumentRecords[number].FileCode = 0;
    mdlFile::DocumentRecords[number].ViewCode = CodeEntry("KOI") + 1;

    Save("page.html", QString(), [&] { EXPECT_TRUE(dialog()->isHidden()); });

    EXPECT_EQ(dialog()->cmbCode->currentIndex(), -1);
    EXPECT_EQ(files.read("page.html"), Win1251) << "a recoding from KOI8-R would have changed the bytes";
    EXPECT_EQ(record(number).State, mdlFile::DocumentState::Saved);
    EXPECT_EQ(record(number).FileCode, 0);
}

TEST_F(FileSave, EveryExistingTargetIsAskedAboutAndNoLeavesItUntouched)
{
    NEED_CONTROLS();
    for (const QString name : {"page.html", ".hidden.html"}) {
        files.write(name, "old");
        boxes.clear();
        answers = {dialogs::vbNo};
        const mdlFile::DocumentState state = record(number).State;

        Save(name, "WIN", [&] { EXPECT_TRUE(dialog()->isVisible()) << "No keeps the dialog open"; });

        ASSERT_EQ(boxes.size(), 1) << name.toStdString();
        EXPECT_EQ(boxes[0].prompt, "Файл с именем " + name + " уже существует.\r\nПерезаписать файл?");
        EXPECT_EQ(boxes[0].title, "Предупреждение");
        EXPECT_EQ(boxes[0].buttons, 292);
        EXPECT_EQ(files.read(name), "old");
        EXPECT_EQ(record(number).State, state);

        answers = {dialogs::vbYes};
        Save(name, "WIN");
        EXPECT_EQ(files.read(name), Win1251);
    }
}

TEST_F(FileSave, AnUnwritableTargetIsReportedAndTheDocumentStaysChanged)
{
    NEED_CONTROLS();
    // A folder where the file would go: unwritable even for root.
    QDir().mkpath(files.path("page.html"));

    Save("page.html", "WIN", [&] { EXPECT_TRUE(dialog()->isVisible()); });

    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].prompt,
              "Файл не удалось записать,\r\nтак как под этим именем находится папка или устройство, а не файл.");
    EXPECT_EQ(boxes[0].title, "Ошибка записи");
    EXPECT_EQ(boxes[0].buttons, 22);
    EXPECT_EQ(record(number).State, mdlFile::DocumentState::NewChanged);
    EXPECT_TRUE(record(number).Path.isEmpty());
    EXPECT_EQ(mdlLoad::Magazine.count(), 0);
}

TEST_F(FileSave, AtTheComputerLevelNothingIsSaved)
{
    const bool controls = RegisterControls();
    const QString workingFolder = QDir::currentPath();
    TempFolder elsewhere;
    QDir::setCurrent(elsewhere.path());

    Show([&] {
        if (controls)
            dialog()->picListFiles->SetListPath(QString());
        EXPECT_EQ(dialog()->picListFiles->ListPath(), "");
        dialog()->txtFileName->setText("page.html");
        dialog()->cmmSave->click();
        EXPECT_TRUE(dialog()->isVisible());
        dialog()->cmmCancel->click();
    });
    QDir::setCurrent(workingFolder);

    EXPECT_FALSE(QFile::exists(elsewhere.path("page.html"))) << "no bare name in the working folder";
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_EQ(record(number).State, mdlFile::DocumentState::NewChanged);
    EXPECT_TRUE(record(number).Path.isEmpty());
}

// The name typed may be a path: from "/", or relative to the dialog's folder. The file is written and
// listed under its one clean path, by which opening it again finds the document.
TEST_F(FileSave, ATypedPathIsTakenAsTheCleanPathOfTheFile)
{
    NEED_CONTROLS();
    QDir().mkpath(files.path("sub"));
    struct Case {
        QString typed;
        QString written;
    } cases[] = {
        {"/" + files.path() + "//sub/./one.html", files.path("sub/one.html")},
        {"sub/../two.html", files.path("two.html")},
        {"./three.html", files.path("three.html")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        mdlFile::NewDocumentEmpty("new", "html", "HTML", false);
        saved = mdlFile::DocumentCount();
        document(saved)->txtContent->Control()->append(QStringLiteral("Привет, мир"));
        QCoreApplication::sendPostedEvents();

        EXPECT_EQ(Save(c.typed, "WIN"), c.written);
        EXPECT_EQ(QFile(c.written).size(), Win1251.size());
        EXPECT_EQ(record(saved).Path, c.written);
        EXPECT_EQ(record(saved).Name, QFileInfo(c.written).fileName());
        EXPECT_EQ(mdlLoad::Magazine[mdlLoad::Magazine.count()],
                  (StringPair{QFileInfo(c.written).fileName(), QFileInfo(c.written).path() + u'/'}));
        EXPECT_EQ(mdlFile::FindDocumentByPath(c.written), saved);
    }
    ASSERT_TRUE(QFile::link(files.path("sub/one.html"), files.path("link.html")));
    EXPECT_EQ(mdlFile::FindDocumentByPath(files.path("link.html")), mdlFile::DocumentCount() - 2);

    // The same file saved again under another spelling is still listed once.
    const int listed = mdlLoad::Magazine.count();
    answers = {dialogs::vbYes};
    EXPECT_EQ(Save("/" + files.path() + "/sub//one.html", "WIN"), files.path("sub/one.html"));
    EXPECT_EQ(mdlLoad::Magazine.count(), listed);
    EXPECT_EQ(mdlLoad::Magazine[listed].First, "one.html");
}

TEST_F(FileSave, ASavedDocumentOpensTheDialogInItsOwnFolder)
{
    NEED_CONTROLS();
    const QString own = files.path("own") + u'/';
    QDir().mkpath(own);
    files.write("own/page.html", "text");
    ASSERT_TRUE(mdlFile::OpenDocumentFile(own + "page.html", "page.html", 0, 0));
    saved = mdlFile::DocumentCount();

    Show([&] {
        EXPECT_EQ(dialog()->picListFiles->ListPath(), own);
        EXPECT_EQ(dialog()->txtFileName->text(), "page.html");
        EXPECT_EQ(dialog()->cmbFilter->currentText(), "HTML-документы");
        dialog()->cmmCancel->click();
    });
    EXPECT_EQ(mdlLoad::PathSave, own);
}

TEST_F(FileSave, WithOneSharedFolderANewDocumentStartsInTheOpenDialogsFolder)
{
    NEED_CONTROLS();
    const QString shared = files.path("shared") + u'/';
    QDir().mkpath(shared);
    mdlLoad::PathOsEqual = true;
    mdlLoad::PathOpen = shared;
    mdlLoad::PathSave = "/";

    Show([&] {
        EXPECT_EQ(dialog()->picListFiles->ListPath(), shared);
        dialog()->picListFiles->SetListPath(folder());
        dialog()->cmmCancel->click();
    });
    EXPECT_EQ(mdlLoad::PathSave, folder());
    EXPECT_EQ(mdlLoad::PathOpen, folder()) << "the folder left in this dialog is the Open dialog's too";
}

TEST_F(FileSave, TheFileListEntersFoldersAndLendsFileNames)
{
    NEED_CONTROLS();
    files.write("inner/taken.html", "old");
    const QString inner = files.path("inner") + u'/';
    mode = mdlFile::SaveMode::SaveCopy;

    Show([&] {
        QAbstractItemView *view = ListView(dialog()->picListFiles);
        ASSERT_NE(view, nullptr);
        DoubleClick(view, Row(view, "inner"));
        EXPECT_EQ(dialog()->picListFiles->ListPath(), inner);
        EXPECT_EQ(dialog()->picListFiles->DrivePath(), inner);
        view = ListView(dialog()->picListFiles);
        DoubleClick(view, Row(view, "taken.html"));
        EXPECT_EQ(dialog()->txtFileName->text(), "taken.html");
        EXPECT_TRUE(dialog()->isVisible()) << "a file's name is taken, nothing is saved yet";
        dialog()->cmmCancel->click();
    });
    EXPECT_EQ(mdlLoad::PathSave, inner);
    EXPECT_EQ(files.read("inner/taken.html"), "old");
}

} // namespace
