#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadCodes.h"
#include "app/core/mdlProgram.h"
#include "app/dialogs/frmFileSave.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/documents/mdlFileRecode.h"
#include "app/documents/mdlFileSave.h"
#include "app/mainwindow/frmMain.h"
#include "platform/editor/Editor.h"
#include "platform/pages/FakePagePane.h"
#include "platform/text/AnsiCodePage.h"
#include "platform/widgets/StatusBar.h"
#include "tests/CaseNames.h"
#include "tests/FileSizeLimit.h"
#include "tests/SmallFileSystem.h"
#include "tests/Unprivileged.h"
#include "tests/UnprivilegedUser.h"
#include "tests/dialogs/FileDialogFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace dialogs = platform::dialogs;
using platform::text::AnsiToString;
using platform::text::StringToAnsi;

namespace {

constexpr int Windows1251 = 1;
constexpr int Koi8R = 2;

// "Привет" in KOI8-R, and characters that KOI8-R lacks, as the user types them.
const QByteArray KoiHello = QByteArray::fromHex("f0d2c9d7c5d4");
const QString Unwritable = QStringLiteral("— № € « »");

// Presses and releases a key in document `number`'s editor, as the user does.
void key(int number, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(mdlFile::Documents[number]->txtContent->Control(), Qt::Key(key), modifiers);
    QApplication::processEvents();
}

// Documents saved by every way the user has, in real windows of the program in this process: what goes
// to the disk, what is asked first, and what the status bar says afterwards.
class DocumentSave : public FileDialogFixture {
protected:
    void SetUp() override
    {
        FileDialogFixture::SetUp();
        main()->resize(900, 700);
        QApplication::setActiveWindow(main());
        mdlLoad::SaveF2 = true;
        mdlLoad::SaveView = mdlLoad::SaveBrowser = false;
    }

    int open(const QString &name, const QByteArray &bytes, int fileCode = 0, int viewCode = 0)
    {
        EXPECT_TRUE(mdlFile::OpenDocumentFile(files.write(name, bytes), name, fileCode, viewCode));
        QApplication::processEvents();
        return mdlFile::DocumentCount();
    }

    // Types `text` as the user does, and runs the events that the typing posts.
    static void type(int number, const QString &text)
    {
        LoadedProgram::type(number, text);
        QApplication::processEvents();
    }

    // While it is set, the Save dialog is answered with `name` in the document's folder, written in code
    // page `code`: Save pressed, then Cancel if it is still open.
    void AnswerSaveDialog(const QString &name, int code)
    {
        dialogs::SetDialogHook([this, name, code](QDialog &shown) {
            if (&shown != forms::frmFileSave.get())
                return int(QDialog::Rejected);
            savedDocuments << forms::frmFileSave->DocumentNumber();
            shown.setResult(QDialog::Rejected);
            shown.show();
            forms::frmFileSave->txtFileName->setText(name);
            forms::frmFileSave->cmbCode->setCurrentIndex(code - 1);
            forms::frmFileSave->cmmSave->click();
            if (shown.isVisible())
                forms::frmFileSave->cmmCancel->click();
            const int result = shown.result();
            shown.hide();
            return result;
        });
    }

    QStringList prompts() const
    {
        QStringList shown;
        for (const dialogs::MessageBoxCall &box : boxes)
            shown << box.prompt;
        return shown;
    }

    static QString panel(int n) { return main()->sttMain->PanelText(n); }

    QList<int> savedDocuments;
    platform::pages::FakePagePanes panes;
};

#define NEED_CONTROLS()                                                                                        \
    if (!RegisterControls())                                                                                   \
    GTEST_SKIP() << "the MwFSO library is not built"

// ---- The streamed text is the text -----------------------------------------------------------------------

// Each text is written in every code page from every code page it may be shown in: the file holds what
// recoding the whole text at once gives, byte for byte, whatever its line ends and byte values, and however
// the slices cut it.
struct TextCase {
    const char *name;
    std::function<QByteArray()> bytes;
};

void PrintTo(const TextCase &c, std::ostream *out)
{
    casenames::Print(out, c.name);
}

class StreamedSave : public DocumentSave, public testing::WithParamInterface<TextCase> {};

TEST_P(StreamedSave, WritesWhatRecodingTheWholeTextGives)
{
    const QByteArray bytes = GetParam().bytes();
    const int pages = mdlLoad::Codes.count();
    ASSERT_GE(pages, 5);
    for (int view = 1; view <= pages; ++view) {
        const int n = open(QStringLiteral("view%1.txt").arg(view), bytes, view, view);
        const QString text = document(n)->txtContent->Text();
        ASSERT_EQ(StringToAnsi(text), bytes) << "opened without recoding";
        for (int code = 1; code <= pages; ++code) {
            SCOPED_TRACE(QStringLiteral("from %1 to %2").arg(view).arg(code).toStdString());
            const QString path = files.path(QStringLiteral("saved %1 %2.txt").arg(view).arg(code));
            const QByteArray whole = StringToAnsi(mdlFile::RecodeText(text, view, code, QStringLiteral("?")));
            answers = {dialogs::vbYes};
            const mdlFile::SaveResult result = mdlFile::WriteDocumentText(n, path, code, false, main());
            ASSERT_TRUE(result.written());
            EXPECT_TRUE(files.read(QFileInfo(path).fileName()) == whole);
            // Asked exactly when a character became "?".
            EXPECT_EQ(answers.isEmpty(), mdlFile::FindLostCharacters(text, view, code).count > 0);
        }
    }
}

QByteArray Fixture()
{
    QFile file(QStringLiteral(VELLICOR_SOURCE_DIR "/tests/fixtures/every-byte-every-line-end.txt"));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

const TextCase TextCases[] = {
    {"every_byte_every_line_end", Fixture},
    // A few megabytes of every byte value in turn: characters of one, two and three UTF-8 bytes lie
    // across every slice boundary.
    {"many_slices",
     [] {
         QByteArray bytes;
         for (int i = 0; bytes.size() < 3 * 1024 * 1024 + 5; ++i)
             bytes += char(i * 7 % 256);
         return bytes + Fixture();
     }},
};

INSTANTIATE_TEST_SUITE_P(Texts, StreamedSave, testing::ValuesIn(TextCases),
                         casenames::Named(&TextCase::name));

// ---- Characters that the code page lacks -----------------------------------------------------------------

// Every way of saving a document asks before the characters that the file's code page lacks become
// "?": No writes nothing and leaves the document changed; Yes writes them as "?".
struct SavePath {
    const char *name;
    // The save goes through the Save dialog, as a copy or a new name, to another.html.
    bool dialog;
    // The close question comes first, answered Yes.
    bool closing;
    std::function<void(DocumentSave &, int n)> run;
};

void PrintTo(const SavePath &c, std::ostream *out)
{
    casenames::Print(out, c.name);
}

class LossySave : public DocumentSave, public testing::WithParamInterface<SavePath> {};

TEST_P(LossySave, AsksFirstAndNoWritesNothing)
{
    const SavePath &path = GetParam();
    if (path.dialog && !RegisterControls())
        GTEST_SKIP() << "the MwFSO library is not built";
    mdlLoad::SaveCode = 1; // the file's own code page
    const int n = open("page.html", KoiHello, Koi8R, Windows1251);
    type(n, Unwritable);
    const QString target = path.dialog ? "another.html" : "page.html";
    AnswerSaveDialog(target, Koi8R);
    const QString question = QStringLiteral("В кодировке ") + mdlLoad::Codes[Koi8R].Name +
                             QStringLiteral(u" нет символов —\u00A0№\u00A0€\u00A0«\u00A0» (в тексте их\u00A05).\r\nПри записи файла ") + target +
                             QStringLiteral(" они будут заменены знаком \"?\".\r\nЗаписать файл?");

    answers = path.closing ? QList<int>{dialogs::vbYes, dialogs::vbNo} : QList<int>{dialogs::vbNo};
    path.run(*this, n);
    ASSERT_TRUE(prompts().contains(question)) << prompts().join("\n---\n").toStdString();
    const dialogs::MessageBoxCall &asked = boxes[prompts().indexOf(question)];
    EXPECT_EQ(asked.title, "Предупреждение");
    EXPECT_EQ(asked.buttons, dialogs::vbYesNo | dialogs::vbQuestion | dialogs::vbDefaultButton2);
    EXPECT_EQ(files.read("page.html"), KoiHello) << "nothing written";
    EXPECT_FALSE(QFile::exists(files.path("another.html")));
    ASSERT_NE(mdlFile::OpenDocumentWindow(n), nullptr) << "the document stays open";
    EXPECT_EQ(record(n).State, mdlFile::DocumentState::SavedChanged) << "and changed";
    EXPECT_EQ(QDir(mdlLoad::TmpFolder).entryList({"*.bak"}), QStringList());

    boxes.clear();
    answers = path.closing ? QList<int>{dialogs::vbYes, dialogs::vbYes} : QList<int>{dialogs::vbYes};
    path.run(*this, n);
    EXPECT_TRUE(prompts().contains(question));
    EXPECT_EQ(files.read(target), "? ? ? ? ?" + KoiHello);
}

const SavePath SavePaths[] = {
    {"CtrlS", false, false, [](DocumentSave &, int n) { key(n, Qt::Key_S, Qt::ControlModifier); }},
    {"F2", false, false, [](DocumentSave &, int n) { key(n, Qt::Key_F2); }},
    {"SaveAll", false, false, [](DocumentSave &, int) { forms::frmMain->mnuFile_SaveAll->trigger(); }},
    {"TheCloseQuestionsYes", false, true, [](DocumentSave &, int) { forms::frmMain->mnuFile_Close->trigger(); }},
    {"TheSaveBeforeAPreview", false, false,
     [](DocumentSave &, int n) {
         mdlLoad::SaveView = true;
         forms::frmMain->mnuView_EditBrowser->trigger();
         if (mdlFile::Documents[n]->browse_mode)
             forms::frmMain->mnuView_EditBrowser->trigger();
     }},
    {"SaveAs", true, false, [](DocumentSave &, int) { forms::frmMain->mnuFile_SaveAs->trigger(); }},
    {"SaveCopy", true, false, [](DocumentSave &, int) { forms::frmMain->mnuFile_SaveCopy->trigger(); }},
};

INSTANTIATE_TEST_SUITE_P(Paths, LossySave, testing::ValuesIn(SavePaths),
                         casenames::Named(&SavePath::name));

// ---- Another program's change ----------------------------------------------------------------------------

TEST_F(DocumentSave, AFileChangedByAnotherProgramIsAskedAboutAndNoKeepsItsChange)
{
    const int n = open("page.html", "<p>mine</p>");
    type(n, QStringLiteral("edited "));
    // Another program writes the file meanwhile.
    ASSERT_EQ(QProcess::execute("sh", {"-c", "printf '<p>theirs, longer</p>' > \"$0\"", files.path("page.html")}), 0);

    answers = {dialogs::vbNo};
    key(n, Qt::Key_S, Qt::ControlModifier);
    const QString question = QStringLiteral("Файл ") + files.path("page.html") +
                             QStringLiteral(" был изменен другой программой.\r\n"
                                            "Если его записать, эти изменения будут потеряны.\r\nЗаписать файл?");
    ASSERT_EQ(prompts(), QStringList{question});
    EXPECT_EQ(boxes[0].buttons, dialogs::vbYesNo | dialogs::vbQuestion | dialogs::vbDefaultButton2);
    EXPECT_EQ(files.read("page.html"), "<p>theirs, longer</p>");
    EXPECT_EQ(record(n).State, mdlFile::DocumentState::SavedChanged) << "the document stays changed";
    EXPECT_FALSE(panel(2).contains("сохранен"));

    // Asked again at the next save; Yes writes.
    answers = {dialogs::vbYes};
    key(n, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(prompts(), (QStringList{question, question}));
    EXPECT_EQ(files.read("page.html"), "edited <p>mine</p>");
    EXPECT_EQ(record(n).State, mdlFile::DocumentState::Saved);

    // What the program wrote itself is no other program's change, whichever way it was written.
    boxes.clear();
    ASSERT_EQ(::link(QFile::encodeName(files.path("page.html")).constData(),
                     QFile::encodeName(files.path("second name.html")).constData()),
              0);
    for (int round = 0; round < 2; ++round) {
        type(n, QStringLiteral("more "));
        key(n, Qt::Key_S, Qt::ControlModifier);
    }
    EXPECT_EQ(prompts(), QStringList());
    EXPECT_EQ(files.read("second name.html"), "edited more more <p>mine</p>");
}

// ---- The document that is being closed is the one saved ------------------------------------------------

// A second start hands over a file that is open and changed while the close question of another document
// is on screen: the hand-over makes that file's document active, and Yes still saves the document being
// closed.
TEST_F(DocumentSave, TheCloseQuestionsYesSavesTheClosingDocumentWhicheverIsActiveByThen)
{
    const int other = open("other.html", "<p>other</p>");
    type(other, QStringLiteral("changed "));
    const auto handOverDuringQuestion = [&] {
        dialogs::SetMessageBoxHook([&](const dialogs::MessageBoxCall &call) {
            boxes.append(call);
            if (call.prompt.contains("Сохранить")) {
                mdlProgram::OpenCommandFiles({files.path("other.html")});
                EXPECT_EQ(main()->ActiveFileIndex, other) << "the hand-over made the other document active";
            }
            return answers.isEmpty() ? int(dialogs::vbNo) : answers.takeFirst();
        });
    };

    // A document with a file of its own.
    const int saved = open("closing.html", "<p>closing</p>");
    type(saved, QStringLiteral("new "));
    handOverDuringQuestion();
    answers = {dialogs::vbYes};
    main()->mnuFile_Close->trigger();
    EXPECT_EQ(files.read("closing.html"), "new <p>closing</p>");
    EXPECT_EQ(mdlFile::OpenDocumentWindow(saved), nullptr);
    EXPECT_EQ(files.read("other.html"), "<p>other</p>") << "the other file is not saved";
    EXPECT_EQ(record(other).State, mdlFile::DocumentState::SavedChanged);

    // A new document: its Save dialog comes up, for it.
    const int fresh = createDocument();
    type(fresh, QStringLiteral("fresh text"));
    document(fresh)->SetFocusForm();
    handOverDuringQuestion();
    dialogs::SetDialogHook([&](QDialog &) {
        savedDocuments << forms::frmFileSave->DocumentNumber();
        return int(QDialog::Rejected);
    });
    answers = {dialogs::vbYes};
    main()->mnuFile_Close->trigger();
    EXPECT_EQ(savedDocuments, QList<int>{fresh});
    EXPECT_NE(mdlFile::OpenDocumentWindow(fresh), nullptr) << "the dialog was cancelled: it stays";
    EXPECT_EQ(files.read("other.html"), "<p>other</p>");
    EXPECT_EQ(record(other).State, mdlFile::DocumentState::SavedChanged);
}

// ---- The status bar tells the truth ----------------------------------------------------------------------

TEST_F(DocumentSave, AfterASaveInAnotherCodePageTheStatusBarNamesThePageTheFileHolds)
{
    mdlLoad::SaveCode = 2; // the page shown
    const int n = open("koi.html", KoiHello, Koi8R, Windows1251);
    ASSERT_EQ(panel(4), "KOI / WIN ");
    type(n, QStringLiteral("!"));

    key(n, Qt::Key_S, Qt::ControlModifier);

    EXPECT_EQ(files.read("koi.html"), "!" + StringToAnsi(QStringLiteral("Привет")));
    EXPECT_EQ(record(n).FileCode, Windows1251);
    EXPECT_EQ(panel(4), "WIN / WIN ");
    // A save in the file's own page from now on writes Windows-1251 too.
    mdlLoad::SaveCode = 1;
    type(n, QStringLiteral("!"));
    key(n, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(files.read("koi.html"), "!!" + StringToAnsi(QStringLiteral("Привет")));
}

// The message of a save stays in the second panel, through the key's release and the frame's activation,
// until the text changes or another document becomes active.
struct SaveKind {
    const char *name;
    bool dialog;
    // Saves document n; the time stamp is padded for a plain save, not after the dialog.
    std::function<void(DocumentSave &, int n)> run;
    const char *savedName;
};

void PrintTo(const SaveKind &c, std::ostream *out)
{
    casenames::Print(out, c.name);
}

class SavedMessage : public DocumentSave, public testing::WithParamInterface<SaveKind> {};

TEST_P(SavedMessage, StaysUntilTheTextOrTheDocumentChanges)
{
    const SaveKind &kind = GetParam();
    if (kind.dialog && !RegisterControls())
        GTEST_SKIP() << "the MwFSO library is not built";
    const int other = open("other.html", "<p>other</p>");
    const int n = open("page.html", "<p>page</p>");
    type(n, QStringLiteral("x"));
    AnswerSaveDialog(kind.savedName, Windows1251);
    answers = {dialogs::vbYes};

    kind.run(*this, n);

    const QRegularExpression message("^\\d{1,2}:\\d{1,2} - Файл " + QRegularExpression::escape(files.path(kind.savedName)) +
                                     " сохранен$");
    EXPECT_TRUE(message.match(panel(2)).hasMatch()) << panel(2).toStdString();
    main()->MDIForm_Activate();
    document(n)->SetFocusForm();
    QApplication::processEvents();
    EXPECT_TRUE(message.match(panel(2)).hasMatch()) << "after the frame's activation: " << panel(2).toStdString();
    key(n, Qt::Key_Right);
    EXPECT_TRUE(message.match(panel(2)).hasMatch()) << "a key that changes nothing leaves it";

    type(n, QStringLiteral("y"));
    EXPECT_TRUE(panel(2).endsWith(" Kb ")) << panel(2).toStdString();

    answers = {dialogs::vbYes};
    kind.run(*this, n);
    EXPECT_TRUE(message.match(panel(2)).hasMatch());
    document(other)->SetFocusForm();
    QApplication::processEvents();
    EXPECT_TRUE(panel(2).endsWith(" Kb "));
    document(n)->SetFocusForm();
    QApplication::processEvents();
    EXPECT_TRUE(panel(2).endsWith(" Kb ")) << "the message went with the change of document";
}

const SaveKind SaveKinds[] = {
    {"CtrlS", false, [](DocumentSave &, int n) { key(n, Qt::Key_S, Qt::ControlModifier); },
     "page.html"},
    {"SaveAs", true,
     [](DocumentSave &, int) {
         forms::frmMain->mnuFile_SaveAs->trigger();
         QApplication::processEvents();
     },
     "page.html"},
    {"SaveCopy", true,
     [](DocumentSave &, int) {
         forms::frmMain->mnuFile_SaveCopy->trigger();
         QApplication::processEvents();
     },
     "copy.html"},
};

INSTANTIATE_TEST_SUITE_P(Kinds, SavedMessage, testing::ValuesIn(SaveKinds),
                         casenames::Named(&SaveKind::name));

// ---- Files that are more than their content --------------------------------------------------------------

TEST_F(DocumentSave, AHardLinkedFileIsWrittenInPlaceAndABackupIsNotLeftBehind)
{
    const int n = open("page.html", "<p>old</p>");
    ASSERT_EQ(::link(QFile::encodeName(files.path("page.html")).constData(),
                     QFile::encodeName(files.path("published.html")).constData()),
              0);
    type(n, QStringLiteral("new "));
    key(n, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(files.read("published.html"), "new <p>old</p>") << "the other name is the same file still";
    EXPECT_EQ(QFileInfo(files.path("page.html")).fileName(), "page.html");
    struct stat info;
    ASSERT_EQ(::stat(QFile::encodeName(files.path("page.html")).constData(), &info), 0);
    EXPECT_EQ(info.st_nlink, 2u);
    EXPECT_EQ(QDir(mdlLoad::TmpFolder).entryList({"*.bak"}), QStringList());
}

// ---- Write errors say why --------------------------------------------------------------------------------

struct WriteFailure {
    const char *name;
    // Makes the document's file unwritable after it was opened; returns false when this machine cannot.
    std::function<bool(DocumentSave &, const QString &path)> prepare;
    const char *reason;
    bool asNobody = false;
};

void PrintTo(const WriteFailure &c, std::ostream *out)
{
    casenames::Print(out, c.name);
}

class WriteError : public DocumentSave, public testing::WithParamInterface<WriteFailure> {};

TEST_P(WriteError, ThePlainSaveSaysWhyUnderTheDesignedFirstLine)
{
    const WriteFailure &failure = GetParam();
    const SmallFileSystem disk(64);
    const QString folder = QString(failure.name) == "a full disk" ? disk.path("docs") : files.path("docs");
    if (QString(failure.name) == "a full disk" && !disk.ok())
        GTEST_SKIP() << "mounting a small file system needs root, as the test machines run";
    QDir().mkpath(folder);
    const QString path = folder + "/page.html";
    QFile(path).open(QIODevice::WriteOnly);
    ASSERT_TRUE(mdlFile::OpenDocumentFile(path, "page.html", 0, 0));
    const int n = mdlFile::DocumentCount();
    type(n, QString(200 * 1024, u'x'));
    ASSERT_TRUE(failure.prepare(*this, path));

    if (failure.asNobody) {
        unprivileged::OpenToEveryone(files.path());
        unprivileged::OpenToEveryone(mdlLoad::TmpFolder);
        const UnprivilegedUser nobody;
        ASSERT_TRUE(nobody.ok());
        main()->SaveDocument(n);
    } else {
        const FileSizeLimit limit(QString(failure.name) == "a file too large to write" ? 64 * 1024 : RLIM_INFINITY);
        main()->SaveDocument(n);
    }

    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].prompt, QStringLiteral("Файл нельзя записать,\r\n") + QString(failure.reason).replace("%1", folder));
    EXPECT_EQ(boxes[0].title, "Ошибка записи");
    EXPECT_EQ(boxes[0].buttons, dialogs::vbCritical);
    EXPECT_EQ(record(n).State, mdlFile::DocumentState::SavedChanged);
    EXPECT_EQ(panel(2), QString());
}

const WriteFailure WriteFailures[] = {
    {"a read-only file",
     [](DocumentSave &, const QString &path) {
         return QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
     },
     "так как он недоступен для записи.", true},
    {"a missing folder",
     [](DocumentSave &, const QString &path) { return QDir(QFileInfo(path).path()).removeRecursively(); },
     "так как папки %1/ нет."},
    {"a folder in the file's place",
     [](DocumentSave &, const QString &path) { return QFile::remove(path) && QDir().mkpath(path); },
     "так как под этим именем находится папка или устройство, а не файл."},
    {"a file too large to write", [](DocumentSave &, const QString &) { return true; },
     "так как превышен допустимый размер файла."},
    {"a full disk", [](DocumentSave &, const QString &) { return true; }, "так как на диске не хватает места."},
};

INSTANTIATE_TEST_SUITE_P(Failures, WriteError, testing::ValuesIn(WriteFailures),
                         casenames::Named(&WriteFailure::name));

// ---- A failed write shows only its error ----------------------------------------------------------------

struct FailedWay {
    const char *name;
    // The file has a second hard link: it is written in place.
    bool linked;
};

void PrintTo(const FailedWay &c, std::ostream *out)
{
    casenames::Print(out, c.name);
}

class FailedLossyWrite : public DocumentSave, public testing::WithParamInterface<FailedWay> {};

// Characters that the code page lacks would be asked about, but the file cannot take the text: the user is
// not asked "Записать файл?" about a write that cannot be done.
TEST_P(FailedLossyWrite, IsNotAskedAboutTheCharactersThatCannotBeWritten)
{
    mdlLoad::SaveCode = 1; // the file's own code page
    const int n = open("page.html", KoiHello, Koi8R, Windows1251);
    if (GetParam().linked) {
        ASSERT_EQ(::link(QFile::encodeName(files.path("page.html")).constData(),
                         QFile::encodeName(files.path("second name.html")).constData()),
                  0);
    }
    type(n, Unwritable + QString(200 * 1024, u'x'));
    answers = {dialogs::vbYes};
    {
        const FileSizeLimit limit(64 * 1024);
        key(n, Qt::Key_S, Qt::ControlModifier);
    }
    EXPECT_EQ(prompts(), QStringList{"Файл нельзя записать,\r\nтак как превышен допустимый размер файла."});
    EXPECT_EQ(files.read("page.html"), KoiHello);
    EXPECT_EQ(record(n).State, mdlFile::DocumentState::SavedChanged);
    EXPECT_EQ(QDir(mdlLoad::TmpFolder).entryList({"*.bak*"}), QStringList());
}

const FailedWay FailedWays[] = {{"a new file beside it", false}, {"in place", true}};

INSTANTIATE_TEST_SUITE_P(Ways, FailedLossyWrite, testing::ValuesIn(FailedWays), casenames::Named(&FailedWay::name));

TEST_F(DocumentSave, AFullTmpFolderIsNamedNotTheDisk)
{
    const SmallFileSystem tmp(64);
    if (!tmp.ok())
        GTEST_SKIP() << "mounting a small file system needs root, as the test machines run";
    const QByteArray old(256 * 1024, 'o');
    const int n = open("page.html", old);
    ASSERT_EQ(::link(QFile::encodeName(files.path("page.html")).constData(),
                     QFile::encodeName(files.path("second name.html")).constData()),
              0);
    type(n, QStringLiteral("new "));
    const QString programTmp = mdlLoad::TmpFolder;
    mdlLoad::TmpFolder = tmp.path("tmp/");
    QDir().mkpath(mdlLoad::TmpFolder);
    key(n, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(prompts(), QStringList{QStringLiteral("Файл нельзя записать,\r\nтак как в папке ") + tmp.path("tmp/") +
                                     QStringLiteral(" не хватает места для копии прежнего содержимого файла.")});
    mdlLoad::TmpFolder = programTmp;
    EXPECT_EQ(files.read("page.html"), old);
    EXPECT_EQ(record(n).State, mdlFile::DocumentState::SavedChanged);
}

// ---- The document's own file by another name ---------------------------------------------------------------

struct OwnFileCase {
    const char *name;
    mdlFile::SaveMode mode;
    // Lays out another way to the document's file "page.html" in `folder`; the name the dialog is given.
    std::function<QString(const QString &folder)> lay;
};

void PrintTo(const OwnFileCase &c, std::ostream *out)
{
    casenames::Print(out, c.name);
}

class OwnFileByAnotherName : public DocumentSave, public testing::WithParamInterface<OwnFileCase> {};

// Written through the Save dialog by another spelling, the document's own file is still its own: the next
// Ctrl+S takes the program's write for no other program's change.
TEST_P(OwnFileByAnotherName, BindsTheDocumentSoTheNextSaveAsksNothing)
{
    NEED_CONTROLS();
    const OwnFileCase &c = GetParam();
    const int n = open("page.html", "<p>old</p>");
    const QString name = c.lay(files.path());
    type(n, QStringLiteral("new "));
    AnswerSaveDialog(name, Windows1251);
    answers = {dialogs::vbYes}; // the file exists: overwrite it
    (c.mode == mdlFile::SaveMode::SaveAs ? forms::frmMain->mnuFile_SaveAs : forms::frmMain->mnuFile_SaveCopy)
        ->trigger();
    QApplication::processEvents();
    ASSERT_EQ(files.read("page.html"), "new <p>old</p>") << prompts().join("\n---\n").toStdString();
    EXPECT_EQ(record(n).State, mdlFile::DocumentState::Saved);

    boxes.clear();
    QApplication::setActiveWindow(main());
    type(n, QStringLiteral("more "));
    key(n, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(prompts(), QStringList());
    EXPECT_EQ(files.read("page.html"), "new more <p>old</p>");
    EXPECT_TRUE(QFileInfo(files.path(name)).exists());
}

const OwnFileCase OwnFileCases[] = {
    {"a copy through a symbolic link", mdlFile::SaveMode::SaveCopy,
     [](const QString &folder) {
         EXPECT_EQ(::symlink("page.html", QFile::encodeName(folder + "/link.html").constData()), 0);
         return QStringLiteral("link.html");
     }},
    {"a copy through a linked folder", mdlFile::SaveMode::SaveCopy,
     [](const QString &folder) {
         EXPECT_EQ(::symlink(".", QFile::encodeName(folder + "/alias").constData()), 0);
         return QStringLiteral("alias/page.html");
     }},
};

INSTANTIATE_TEST_SUITE_P(Spellings, OwnFileByAnotherName, testing::ValuesIn(OwnFileCases),
                         casenames::Named(&OwnFileCase::name));

// ---- Names the file system refuses -----------------------------------------------------------------------

struct RefusedName {
    const char *name;
    // Lays out what the name meets in `folder`; the name the dialog is given.
    std::function<QString(const QString &folder)> lay;
    const char *reason;
};

void PrintTo(const RefusedName &c, std::ostream *out)
{
    casenames::Print(out, c.name);
}

class RefusedSaveAs : public DocumentSave, public testing::WithParamInterface<RefusedName> {};

TEST_P(RefusedSaveAs, SaysWhyInWordsOfItsOwn)
{
    NEED_CONTROLS();
    const int n = open("page.html", "<p>old</p>");
    type(n, QStringLiteral("new "));
    AnswerSaveDialog(GetParam().lay(files.path()), Windows1251);
    answers = {dialogs::vbCancel};
    forms::frmMain->mnuFile_SaveAs->trigger();
    QApplication::processEvents();
    EXPECT_EQ(prompts(), QStringList{QStringLiteral("Файл не удалось записать,\r\n") + GetParam().reason});
    EXPECT_EQ(record(n).Path, files.path("page.html"));
    EXPECT_EQ(record(n).State, mdlFile::DocumentState::SavedChanged);
}

const RefusedName RefusedNames[] = {
    {"a name of 256 bytes", [](const QString &) { return QString(126, u'ж') + QStringLiteral(".htm"); },
     "так как имя файла или путь к нему слишком длинные."},
    {"links that go round",
     [](const QString &folder) {
         EXPECT_EQ(::symlink("b.html", QFile::encodeName(folder + "/a.html").constData()), 0);
         EXPECT_EQ(::symlink("a.html", QFile::encodeName(folder + "/b.html").constData()), 0);
         return QStringLiteral("a.html");
     },
     "так как на пути к нему слишком много символических ссылок или они замкнуты в круг."},
};

INSTANTIATE_TEST_SUITE_P(Names, RefusedSaveAs, testing::ValuesIn(RefusedNames), casenames::Named(&RefusedName::name));

// ---- Names at the file system's limit -------------------------------------------------------------------

// A name of 252 bytes, which the file system takes: saved as a new file, then in place.
TEST_F(DocumentSave, ANameAtTheLimitSavesAsANewFileAndInPlace)
{
    NEED_CONTROLS();
    const QString name = QString(124, u'ж') + QStringLiteral(".htm");
    const int n = open("page.html", "<p>old</p>");
    type(n, QStringLiteral("new "));
    AnswerSaveDialog(name, Windows1251);
    forms::frmMain->mnuFile_SaveAs->trigger();
    QApplication::processEvents();
    ASSERT_EQ(prompts(), QStringList());
    EXPECT_EQ(files.read(name), "new <p>old</p>");

    ASSERT_EQ(::link(QFile::encodeName(files.path(name)).constData(),
                     QFile::encodeName(files.path("second name.html")).constData()),
              0);
    QApplication::setActiveWindow(main());
    type(n, QStringLiteral("more "));
    key(n, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(prompts(), QStringList());
    EXPECT_EQ(files.read("second name.html"), "new more <p>old</p>");
    EXPECT_EQ(QDir(files.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
    EXPECT_EQ(QDir(mdlLoad::TmpFolder).entryList({"*.bak*"}), QStringList());
}

} // namespace
