#include "app/core/mdlLoad.h"
#include "app/dialogs/frmAdvice.h"
#include "app/dialogs/frmFileNew.h"
#include "app/dialogs/frmTester.h"
#include "app/documents/mdlFile.h"
#include "app/mainwindow/frmMain.h"
#include "platform/application/Application.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/pages/FakePagePane.h"
#include "platform/widgets/TabStrip.h"
#include "tests/HostileListFiles.h"
#include "tests/LoadedProgram.h"
#include "tests/TempFolder.h"
#include "tests/TempRegistry.h"
#include "tests/UnprivilegedUser.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>

#include <unistd.h>

namespace dialogs = platform::dialogs;

namespace {

constexpr uid_t Nobody = 65534;

// Puts the program folder's file back as shipped, whatever an earlier case made of it.
void RestoreShipped(const TempFolder &folder, const char *path)
{
    const QString target = folder.path(QString::fromLatin1(path));
    if (QFileInfo(target).isDir())
        QDir(target).removeRecursively();
    else
        QFile::remove(target);
    QFile::copy(QStringLiteral(VELLICOR_SOURCE_DIR "/data/") + QLatin1String(path), target);
}

// Runs `act` as it must run for `kind`: for an unreadable file, when this process is root, as the user
// "nobody", who owns the program folder then but cannot read the file of mode 000.
void AsTheUser(hostile::Kind kind, const TempFolder &folder, const std::function<void()> &act)
{
    if (kind != hostile::Kind::Unreadable || geteuid() != 0) {
        act();
        return;
    }
    (void)!chown(QFile::encodeName(folder.path()).constData(), Nobody, Nobody);
    QDirIterator it(folder.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        (void)!lchown(QFile::encodeName(it.next()).constData(), Nobody, Nobody);
    const UnprivilegedUser user;
    ASSERT_TRUE(user.ok());
    act();
}

std::string CaseName(const char *file, hostile::Kind kind)
{
    return std::string(file) + ", " + hostile::NameOf(kind);
}

const hostile::ListFile &ListFile(const char *path)
{
    for (const hostile::ListFile &file : hostile::ListFiles())
        if (QLatin1String(file.path) == QLatin1String(path))
            return file;
    return hostile::ListFiles().front();
}

// The user in the New dialog: on its tab `tab`, creates what is chosen there, or cancels when the tab
// offers nothing to create.
std::function<void(QDialog &)> CreateFromNewTab(int tab)
{
    return [tab](QDialog &dialog) {
        auto &chooser = static_cast<frmFileNew &>(dialog);
        chooser.tbsTypeDoc->setCurrentIndex(tab);
        if (chooser.cmmCreat->isEnabled())
            chooser.cmmCreat->click();
        else
            chooser.cmmCancel->click();
    };
}

// The windows that read a list file each time they open, opened by their commands over the loaded
// program with that file in every hostile form: each window shows, is stepped through as a user would,
// closes, and leaves the program running.
class HostileListWindows : public LoadedProgram {
protected:
    platform::pages::FakePagePanes panes;
};

TEST_F(HostileListWindows, TheWindowsThatReadAListWhenTheyOpenShowAndClose)
{
    struct Window {
        const char *file;
        std::function<void(frmMain &)> open;
        // The user in the shown window, to its close.
        std::function<void(QDialog &)> use;
    };
    const Window windows[] = {
        {"setting/advice.ini", [](frmMain &main) { main.mnuServis_Advice_Click(); },
         [](QDialog &dialog) {
             auto &tips = static_cast<frmAdvice &>(dialog);
             for (int step = 0; step < 3; ++step)
                 tips.cmmNext->click();
             tips.cmmPreview->click();
             tips.cmmClose->click();
         }},
        {"setting/tester.ini", [](frmMain &main) { main.mnuHelp_Tester_Click(); },
         [](QDialog &dialog) { static_cast<frmTester &>(dialog).cmmClose->click(); }},
        {"setting/newfile.ini", [](frmMain &main) { main.mnuFile_New_Click(); }, CreateFromNewTab(0)},
        {"setting/pattern.ini", [](frmMain &main) { main.mnuFile_New_Click(); }, CreateFromNewTab(1)},
    };
    for (const Window &window : windows) {
        for (const hostile::KindName &kind : hostile::Kinds) {
            if (!hostile::Applies(ListFile(window.file), kind.kind))
                continue;
            SCOPED_TRACE(CaseName(window.file, kind.kind));
            RestoreShipped(folder, window.file);
            ASSERT_EQ(hostile::Prepare(folder.path(), ListFile(window.file), kind.kind), QString());
            bool shown = false;
            dialogs::SetDialogHook([&](QDialog &dialog) {
                dialog.show();
                QCoreApplication::processEvents();
                shown = dialog.isVisible();
                window.use(dialog);
                return int(QDialog::Rejected);
            });
            AsTheUser(kind.kind, folder, [&] { window.open(*main()); });
            dialogs::SetDialogHook(nullptr);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(shown);
            EXPECT_TRUE(mdlLoad::ProgramLoaded);
            EXPECT_TRUE(main()->isVisible());
        }
    }
}

// The start's own new document, of the first kind or the first template as setting.ini chooses, made
// from newfile.ini and pattern.ini in every hostile form: the start runs to its end and the program
// closes.
TEST(HostileNewFileLists, TheStartMakesItsNewDocumentOrNoneAndCloses)
{
    struct List {
        const char *file;
        // setting.ini's choice of what the start creates: new_file 1 is the first kind, one past the
        // shipped kinds the first template.
        int newFile;
    };
    QFile shippedKinds(QStringLiteral(VELLICOR_SOURCE_DIR "/data/setting/newfile.ini"));
    shippedKinds.open(QIODevice::ReadOnly);
    const List lists[] = {{"setting/newfile.ini", 1},
                          {"setting/pattern.ini", int(hostile::LinesOf(shippedKinds.readAll()).size()) + 1}};
    dialogs::SetDialogHook([](QDialog &) { return int(QDialog::Rejected); });
    dialogs::SetMessageBoxHook([](const dialogs::MessageBoxCall &) { return int(dialogs::vbNo); });
    for (const List &list : lists) {
        for (const hostile::KindName &kind : hostile::Kinds) {
            if (!hostile::Applies(ListFile(list.file), kind.kind))
                continue;
            SCOPED_TRACE(CaseName(list.file, kind.kind));
            TempRegistry registry;
            TempFolder folder;
            TempFolder::CopyTree(QStringLiteral(VELLICOR_SOURCE_DIR "/data"), folder.path());
            folder.write("setting.ini", "[start_program]\r\nnew_file=" + QByteArray::number(list.newFile) + "\r\n");
            platform::application::SetPath(folder.path());
            ASSERT_EQ(hostile::Prepare(folder.path(), ListFile(list.file), kind.kind), QString());
            AsTheUser(kind.kind, folder, [&] {
                forms::frmMain.get()->MDIForm_Load();
                EXPECT_TRUE(mdlLoad::ProgramLoaded) << "the start ran to its end";
                forms::frmMain->mnuFile_Exit_Click();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                EXPECT_FALSE(forms::frmMain.isLoaded()) << "the exit ran to its end";
            });
            UnloadProgramWindows();
        }
    }
    dialogs::SetDialogHook(nullptr);
    dialogs::SetMessageBoxHook(nullptr);
    platform::application::SetPath(QString());
}

} // namespace
