#include "app/core/mdlLoadCodes.h"
#include "app/core/mdlLoadStart.h"
#include "app/dialogs/DialogLists.h"
#include "app/dialogs/frmFileOpen.h"
#include "app/dialogs/frmFileSave.h"
#include "app/documents/mdlFileLimit.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/text/AnsiCodePage.h"
#include "platform/widgets/PictureBox.h"
#include "tests/CaseNames.h"
#include "tests/SparseFile.h"
#include "tests/TempMountRoots.h"
#include "tests/mainwindow/WorkPanelFixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

namespace {

namespace dialogs = platform::dialogs;

class FilePanel : public WorkPanelFixture {
protected:
    // The three controls' paths: drive combo, folder tree, file list.
    static QStringList paths()
    {
        return {main()->cmbDrive->Path(), main()->trvDir->Path(), main()->lstDirFiles->Path()};
    }

    static void showFolder(const QString &path)
    {
        mdlLoad::PathOpen = path;
        main()->SyncFilePanelPath();
    }

    // The file list's view and its row that shows `name`.
    static QAbstractItemView *listView()
    {
        for (QAbstractItemView *view : main()->lstDirFiles->Widget()->findChildren<QAbstractItemView *>())
            if (view->isVisible())
                return view;
        return nullptr;
    }
    static QStringList listed()
    {
        QStringList names;
        QAbstractItemView *view = listView();
        for (int row = 0; view && row < view->model()->rowCount(); ++row)
            names << view->model()->index(row, 0).data().toString();
        return names;
    }
    // Double-clicks the list's row that shows `name`, as the user would.
    static void doubleClick(const QString &name)
    {
        QAbstractItemView *view = listView();
        ASSERT_NE(view, nullptr);
        const QModelIndexList found =
            view->model()->match(view->model()->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << name.toStdString();
        const QPoint at = view->visualRect(found.first()).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    }

    // Chooses entry `index` of a list as the user does.
    static void choose(QComboBox *list, int index)
    {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    // The position of a code page in the panel's code-page lists (the heading is 0).
    static int codeItem(const QString &shortName)
    {
        for (int i = 1; i <= mdlLoad::Codes.count(); ++i)
            if (mdlLoad::Codes[i].Title == shortName)
                return i;
        return -1;
    }
};

TEST_F(FilePanel, ADriveChosenInTheComboMovesTreeAndListButNotTheOpenFolder)
{
    const QString deep = folder("a/b");
    showFolder(deep);
    ASSERT_EQ(paths(), QStringList({deep, deep, deep}));

    auto *box = main()->cmbDrive->Widget()->findChild<QComboBox *>();
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(box->itemText(1), "/");
    choose(box, 1);
    EXPECT_EQ(paths(), QStringList({"/", "/", "/"}));
    EXPECT_EQ(mdlLoad::PathOpen, deep);
}

// The panel is as narrow as it starts; the pointer resting on a list whose entry it clips shows the entry
// whole, and on one whose entry fits shows nothing.
TEST_F(FilePanel, AnEntryTooWideForItsListShowsWholeInTheTip)
{
    auto *drives = main()->cmbDrive->Widget()->findChild<QComboBox *>();
    ASSERT_NE(drives, nullptr);
    const auto entry = [](QComboBox *list, const QString &text) {
        const int index = list->findText(text, Qt::MatchContains);
        EXPECT_GE(index, 0) << text.toStdString();
        choose(list, index);
        return list->currentText();
    };
    const QString deep = folder("Сайт о путешествиях по Золотому кольцу");
    struct Case {
        const char *name;
        QComboBox *list;
        std::function<QString()> show; // chooses the entry, gives its whole text
        bool clipped;
    } cases[] = {
        {"a long code page", main()->cmbCode, [&] { return entry(main()->cmbCode, "Кириллица (Windows-1251)"); }, true},
        {"the other code page list", main()->cmbCode2, [&] { return entry(main()->cmbCode2, "Кириллица (Windows-1251)"); }, true},
        {"the computer", drives, [&] { return entry(drives, "Мой компьютер"); }, true},
        {"a long folder name", drives, [&] { showFolder(deep); return drives->currentText(); }, true},
        {"a short file type", main()->cmbFilter, [&] { return entry(main()->cmbFilter, "HTML"); }, false},
        {"a drive", drives, [&] { return entry(drives, "/"); }, false},
    };
    for (const Case &c : cases) {
        const QString whole = c.show();
        ASSERT_TRUE(c.list->isVisible()) << c.name;
        QToolTip::hideText();
        ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
        const QPoint at = c.list->rect().center();
        QHelpEvent rest(QEvent::ToolTip, at, c.list->mapToGlobal(at));
        QApplication::sendEvent(c.list, &rest);
        EXPECT_EQ(QToolTip::isVisible(), c.clipped) << c.name;
        if (c.clipped) {
            EXPECT_EQ(QToolTip::text(), whole) << c.name;
        }
    }
    QToolTip::hideText();
}

TEST_F(FilePanel, FolderUpClimbsToTheParentAndFromADriveRootToTheComputer)
{
    const QString a = folder("a");
    const QString mount = folder("mount");
    const TempMountRoots mounts({mount});
    struct Case {
        QString from, to;
    };
    const Case cases[] = {
        {folder("a/b"), a},
        {a, files.path() + u'/'},
        {"/", ""},
        {"/proc/", "/"}, // a system mount is a folder of "/", not a drive
        {"/usr/", "/"},
        {mount, ""},
        {folder("mount/inner"), mount},
    };
    main()->cmbDrive->SetPath(mount);
    const auto *box = main()->cmbDrive->Widget()->findChild<QComboBox *>();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->currentText().contains(mount)) << "MwFSO shows the mount root as a drive, not as a folder";
    for (const auto &[from, to] : cases) {
        const QString open = mdlLoad::PathOpen = folder("elsewhere");
        main()->cmbDrive->SetPath(from);
        ASSERT_EQ(main()->cmbDrive->Path(), from);
        main()->tlbPathUp_ButtonClick("updir");
        EXPECT_EQ(paths(), QStringList({to, to, to})) << from.toStdString();
        EXPECT_EQ(mdlLoad::PathOpen, open);
    }
}

TEST_F(FilePanel, ADoubleClickedFolderIsFollowedAndBecomesTheOpenFolder)
{
    const QString inner = folder("top/inner");
    const QString top = folder("top");
    showFolder(top);
    doubleClick("inner");
    EXPECT_EQ(paths(), QStringList({inner, inner, inner}));
    EXPECT_EQ(mdlLoad::PathOpen, inner);
}

struct OpenCase {
    const char *what;
    const char *from; // short name of the file's code page; "" the heading, "none" no choice
    const char *to;
    const char *text; // UTF-8
};

void PrintTo(const OpenCase &c, std::ostream *out)
{
    casenames::Print(out, c.what);
}

class FileOpening : public FilePanel, public testing::WithParamInterface<OpenCase> {
protected:
    int item(const char *shortName) const
    {
        const QString name = QLatin1String(shortName);
        return name.isEmpty() ? 0 : name == u"none" ? -1 : codeItem(name);
    }
};

TEST_P(FileOpening, ADoubleClickedFileOpensWithThePanelsCodePages)
{
    const QString dir = folder("texts");
    files.write("texts/koi.html", QByteArray::fromHex("f0d2c9d7c5d4"));
    showFolder(dir);
    main()->cmbCode->setCurrentIndex(item(GetParam().from));
    main()->cmbCode2->setCurrentIndex(item(GetParam().to));
    doubleClick("koi.html");

    ASSERT_GE(main()->ActiveFileIndex, 1);
    EXPECT_EQ(record(main()->ActiveFileIndex).Path, dir + "koi.html");
    EXPECT_EQ(document(main()->ActiveFileIndex)->txtContent->Text(), QString::fromUtf8(GetParam().text));
    EXPECT_TRUE(boxes.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    WorkPanel, FileOpening,
    testing::Values(OpenCase{"recoded from KOI8-R into Windows-1251", "KOI", "WIN", "Привет"},
                    OpenCase{"both headings: as the file holds it", "", "", "рТЙЧЕФ"},
                    OpenCase{"no choice at all: as the file holds it", "none", "none", "рТЙЧЕФ"}),
    casenames::Named(&OpenCase::what));

TEST_F(FilePanel, AnOpenFileIsActivatedAndMovedToTheEndOfTheRecentFiles)
{
    const QString dir = folder("texts");
    const QString first = files.write("texts/first.html", "one");
    const QString second = files.write("texts/second.html", "two");
    mdlFile::OpenDocumentFile(first, "first.html", 0, 0);
    mdlFile::OpenDocumentFile(second, "second.html", 0, 0);
    ASSERT_EQ(main()->ActiveFileIndex, 2);
    document(1)->txtContent->SetText("changed here");

    showFolder(dir);
    doubleClick("first.html");
    EXPECT_EQ(main()->ActiveFileIndex, 1);
    EXPECT_EQ(mdlFile::CountOpenDocuments(), 2);
    EXPECT_EQ(document(1)->txtContent->Text(), "changed here") << "not read again";
    const StringPair &newest = mdlLoad::Magazine[mdlLoad::Magazine.count()];
    EXPECT_EQ(newest.Second + newest.First, first);
}

TEST_F(FilePanel, AFileThatCannotBeReadIsReported)
{
    main()->lstDirFiles_ItemDblClick(files.path("gone.html"), 4);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].title, "Ошибка чтения");
    EXPECT_EQ(boxes[0].prompt, mdlLoad::CannotOpenMessage("gone.html"));
    EXPECT_EQ(mdlFile::CountOpenDocuments(), 0);
}

// A double-click on a file too large to open, laid out sparse: it is refused before any of it is read, and
// the document that was open stays as it was, unsaved text and all.
TEST_F(FilePanel, AFileLargerThanTheLimitIsRefusedAndTheOpenDocumentStays)
{
    constexpr qint64 size = qint64(2) << 30;
    const QString dir = folder("large");
    ASSERT_FALSE(WriteSparse(files, "large/big.html", size).isEmpty());
    ASSERT_NE(newDocument(), nullptr);
    const int unsaved = main()->ActiveFileIndex;
    type(unsaved, QStringLiteral("несохраненный текст"));
    const int remembered = mdlLoad::Magazine.count();

    showFolder(dir);
    doubleClick("big.html");

    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].prompt, mdlFile::TooLargeMessage(dir + "big.html", size));
    EXPECT_EQ(boxes[0].title, "Ошибка чтения");
    EXPECT_EQ(mdlFile::CountOpenDocuments(), 1);
    EXPECT_EQ(main()->ActiveFileIndex, unsaved);
    EXPECT_EQ(document(unsaved)->txtContent->Text(), QStringLiteral("несохраненный текст"));
    EXPECT_EQ(record(unsaved).State, mdlFile::DocumentState::NewChanged);
    EXPECT_EQ(mdlLoad::Magazine.count(), remembered) << "a refused file is not a recent file";
}

TEST_F(FilePanel, OnlyTheUsersChoiceIsStoredAndTheHeadingBringsTheStoredChoiceBack)
{
    mdlLoad::Code1Main = "2";
    mdlLoad::FillCodeCombo(main()->cmbCode, "- ");
    main()->cmbCode->insertItem(0, "КОДИРОВКА ФАЙЛА:");
    EXPECT_EQ(main()->cmbCode->currentIndex(), -1);
    EXPECT_EQ(mdlLoad::Code1Main, "2") << "filling the list is no choice";

    choose(main()->cmbCode, 0);
    EXPECT_EQ(main()->cmbCode->currentIndex(), 3);
    EXPECT_EQ(mdlLoad::Code1Main, "2");
    choose(main()->cmbCode, 1);
    EXPECT_EQ(mdlLoad::Code1Main, "0");

    // The file types: the last one lists every file; the heading keeps it and its pattern.
    const QString dir = folder("mixed");
    files.write("mixed/page.html", "p");
    files.write("mixed/note.txt", "n");
    showFolder(dir);
    EXPECT_EQ(listed(), QStringList({"page.html"}));
    const int all = main()->cmbFilter->count() - 1;
    choose(main()->cmbFilter, all);
    EXPECT_EQ(mdlLoad::FilterMain, QString::number(all - 1));
    choose(main()->cmbFilter, 0);
    EXPECT_EQ(main()->cmbFilter->currentIndex(), all);
    EXPECT_EQ(listed(), QStringList({"note.txt", "page.html"}));
}

TEST_F(FilePanel, OpenSaveAsAndInsertPointThePanelAtTheFolderTheDialogsLeave)
{
    const struct {
        const char *dialog;
        std::function<void()> command;
    } commands[] = {{"frmFileOpen", [] { main()->mnuFile_Open_Click(); }},
                    {"frmFileSave", [] { main()->mnuFile_SaveAs_Click(); }},
                    {"frmFileSave", [] { main()->mnuFile_SaveCopy_Click(); }},
                    {"frmFileOpen", [] { main()->mnuServis_FileInset_Click(); }}};
    newDocument("text");
    // Every folder is there before the tree first reads their parent.
    const QString start = folder("start");
    for (int round = 1; round <= 4; ++round)
        folder(QStringLiteral("chosen%1").arg(round));
    int round = 0;
    for (const auto &[dialog, command] : commands) {
        showFolder(start);
        const QString chosen = folder(QStringLiteral("chosen%1").arg(++round));
        QStringList shown;
        // The dialog, cancelled, leaves another folder and another code page behind.
        dialogs::SetDialogHook([&](QDialog &window) {
            shown << QString::fromLatin1(window.metaObject()->className());
            mdlLoad::PathOpen = chosen;
            mdlLoad::Code1Main = QString::number(round % 2);
            return int(QDialog::Rejected);
        });
        command();
        EXPECT_EQ(shown, QStringList({QLatin1String(dialog)})) << round;
        EXPECT_EQ(paths(), QStringList({chosen, chosen, chosen})) << round;
        if (QLatin1String(dialog) == u"frmFileOpen") {
            EXPECT_EQ(main()->cmbCode->currentIndex(), round % 2 + 1) << round;
        }
    }
}

TEST_F(FilePanel, WithoutADocumentInsertStillBringsThePanelInStep)
{
    const QString chosen = folder("chosen");
    const QString start = folder("start");
    showFolder(start);
    mdlLoad::PathOpen = chosen;
    main()->mnuServis_FileInset_Click();
    EXPECT_EQ(paths(), QStringList({chosen, chosen, chosen}));
}

TEST_F(FilePanel, TheStartRestoresTheSplitAndShowsTheCommandLineFilesFolder)
{
    const QString dir = folder("site");
    const QString page = files.write("site/index.html", "<p>");
    mdlLoad::ServiseHeight = rect(main()->trvDir->place).top() + 1200;
    mdlLoad::OpenOnStart({'"' + page + '"'});
    EXPECT_EQ(rect(main()->picSplFiles).top(), mdlLoad::ServiseHeight);
    EXPECT_EQ(mdlLoad::PathOpen, dir);
    EXPECT_EQ(paths(), QStringList({dir, dir, dir}));
    EXPECT_EQ(record(main()->ActiveFileIndex).Path, page);
}

} // namespace
