#include "app/core/mdlLibraryShell.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/shell/Shell.h"
#include "tests/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QStandardPaths>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

namespace shell = platform::shell;

namespace platform::shell {
void PrintTo(const ShellCall &call, std::ostream *out)
{
    *out << '{' << (call.kind == ShellKind::Start ? "start " : "open ") << call.file.toStdString() << " | " << call.parameters.toStdString() << " | " << call.maximized
         << " -> program " << call.program.toStdString() << ", address " << call.address.toString().toStdString()
         << '}';
}
} // namespace platform::shell

namespace {

// The shell calls are recorded, never carried out; the folder picker is answered by the test.
class ShellHelpers : public testing::Test {
protected:
    void SetUp() override
    {
        shell::SetShellHook([this](const shell::ShellCall &call) {
            calls.append(call);
            return true;
        });
    }

    void TearDown() override
    {
        shell::SetShellHook(nullptr);
        platform::dialogs::SetDialogHook(nullptr);
    }

    // Runs the folder picker over `owner`, the user choosing `folder` (cancelling when it is empty).
    QString Pick(QWidget *owner, const QString &title, const QString &folder)
    {
        platform::dialogs::SetDialogHook([&](QDialog &dialog) {
            auto *picker = qobject_cast<QFileDialog *>(&dialog);
            if (!picker)
                return int(QDialog::Rejected);
            shown = {picker->windowTitle(), picker->parentWidget(), picker->fileMode(),
                     picker->testOption(QFileDialog::ShowDirsOnly)};
            if (folder.isEmpty())
                return int(QDialog::Rejected);
            picker->setDirectory(folder);
            return int(QDialog::Accepted);
        });
        return mdlLibrary::BrowseFolder(owner, title, QString());
    }

    struct Shown {
        QString title;
        QWidget *owner = nullptr;
        QFileDialog::FileMode mode = QFileDialog::AnyFile;
        bool foldersOnly = false;
    } shown;
    QList<shell::ShellCall> calls;
    TempFolder files;
};

TEST_F(ShellHelpers, AddressesDocumentsAndProgramsGoToTheDesktopAsTheirKindAsks)
{
    const QString tool = files.write("my tools/make page", "#!/bin/sh\n");
    QFile::setPermissions(tool, QFile::permissions(tool) | QFileDevice::ExeOwner);
    const QString page = files.write("Мои страницы/index.htm", "<html></html>");
    const QString folder = files.path("Мои страницы") + '/';
    // A page that is also a program, as a .cgi or an .html with a "#!" line often is in a web folder.
    const QString script = files.write("Мои страницы/form.cgi", "#!/bin/sh\necho ran\n");
    QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeOwner);
    const QString shell = QStandardPaths::findExecutable("sh");
    ASSERT_FALSE(shell.isEmpty());

    const auto Open = shell::ShellKind::Open;
    const auto Start = shell::ShellKind::Start;
    struct Case {
        shell::ShellKind kind; // a document to open, or a tag button's program to start
        QString file;
        QString parameters;
        bool maximized;
        QString program;
        QUrl address;
    } cases[] = {
        // An address goes to the browser or mail program, whatever the caller.
        {Open, "http://example.com/a b?x=1", "", true, "", QUrl("http://example.com/a b?x=1")},
        {Open, "ftp://example.com/pub/", "", false, "", QUrl("ftp://example.com/pub/")},
        {Open, "mailto:info@example.com?subject=Вопрос", "", false, "",
         QUrl("mailto:info@example.com?subject=Вопрос")},
        {Open, "file:///usr/share/doc/", "", true, "", QUrl("file:///usr/share/doc/")},
        {Start, "HTTPS://example.com/", "--new-window", false, "", QUrl("https://example.com/")},
        // A document or a folder opens with its associated program, and is never run, even when it is
        // executable or a program's bare name.
        {Open, page, "", true, "", QUrl::fromLocalFile(page)},
        {Open, folder, "", false, "", QUrl::fromLocalFile(folder)},
        {Open, script, "", true, "", QUrl::fromLocalFile(script)},
        {Open, tool, "", true, "", QUrl::fromLocalFile(tool)},
        {Open, "sh", "", false, "", QUrl::fromLocalFile("sh")},
        {Open, "", "", false, "", {}},
        // A tag button's program: the file itself, or one found on the search path.
        {Start, tool, page, false, tool, {}},
        {Start, "sh", "-x", true, shell, {}},
        // Without parameters it runs on its own, and a file marked executable keeps its document's way
        // for when it does not run; a bare name is a program on the search path, else a file.
        {Start, tool, "", true, tool, QUrl::fromLocalFile(tool)},
        {Start, "sh", "", true, shell, {}},
        {Start, "no-such-program-here", "", false, "", QUrl::fromLocalFile("no-such-program-here")},
        {Start, page, "", false, "", QUrl::fromLocalFile(page)},
        // Neither a program nor found: nothing can start.
        {Start, page, "-x", false, "", {}},
        {Start, files.path("missing/editor"), "-x", false, "", {}},
        {Start, "", "", false, "", {}},
    };
    for (const Case &c : cases) {
        calls.clear();
        if (c.kind == Open)
            mdlLibrary::ShellOpen(c.file, c.maximized);
        else
            mdlLibrary::ShellStart(c.file, c.parameters, c.maximized);
        ASSERT_EQ(calls.size(), 1) << c.file.toStdString();
        EXPECT_EQ(calls[0], (shell::ShellCall{c.kind, c.file, c.parameters, c.maximized, c.program, c.address}));
    }
}

TEST_F(ShellHelpers, ThePickedFolderEndsWithOneSlashAndOnlyACancelGivesNothing)
{
    const QString folder = files.path("Мои страницы");
    QDir().mkpath(folder);
    QWidget owner;
    const QString title = QStringLiteral("Выбор каталога для открытия файлов");

    EXPECT_EQ(Pick(&owner, title, folder), folder + '/');
    EXPECT_EQ(shown.title, title);
    EXPECT_EQ(shown.owner, &owner);
    EXPECT_EQ(shown.mode, QFileDialog::Directory);
    EXPECT_TRUE(shown.foldersOnly);

    EXPECT_EQ(Pick(&owner, title, "/"), "/") << "the root is a folder like any other";
    EXPECT_EQ(Pick(&owner, title, QString()), QString()) << "cancelled";
}

} // namespace
