#include "app/core/mdlProgram.h"
#include "platform/windows/WindowTable.h"

#include "tests/ProgramCopies.h"
#include "tests/ProgramDriver.h"
#include "tests/ProgramFolder.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace windows = platform::windows;

namespace {

const QString Title = QStringLiteral("Прежнее содержимое файла");
const QString Partial = QStringLiteral("Сам файл может быть пуст или записан не полностью");

// The old content of a page in the system code page: Cyrillic bytes, both kinds of line end.
const QByteArray OldPage = "<html>\r\n<p>\xcf\xf0\xe8\xe2\xe5\xf2, \xec\xe8\xf0!</p>\n</html>\r\n";
// What a killed in-place save left in the file itself.
const QByteArray PartialPage = "<html>\r\n<p>\xcd\xee";

// The real program on a program folder of its own, started as the user starts it, with the test driver
// inside each copy to read its message boxes and click their buttons.
class LeftBackupsReport : public testing::Test {
protected:
    void TearDown() override
    {
        if (copy)
            EndProcess(*copy);
    }

    // Lays a backup in tmp/ as a killed save leaves it, with its record when `file` is given.
    QString LayBackup(const QString &name, const QByteArray &old, const QString &file) const
    {
        const QString backup = folder.root.write("tmp/" + name, old);
        if (!file.isEmpty())
            folder.root.write("tmp/" + name + ".path", file.toUtf8() + '\n');
        return backup;
    }

    // Starts a new copy with `arguments`; the driver of the copy before is dropped.
    void Start(const QStringList &arguments = {})
    {
        if (copy)
            EndProcess(*copy);
        ++starts;
        user = std::make_unique<ProgramDriver>(folder.path(QStringLiteral(".driver%1").arg(starts)));
        QProcessEnvironment environment = folder.environment();
        user->AddTo(environment);
        copy = std::make_unique<QProcess>();
        copy->setProcessEnvironment(environment);
        copy->setWorkingDirectory(folder.path());
        copy->start(folder.executable(), arguments);
        ASSERT_TRUE(copy->waitForStarted());
    }

    // The one message box shown now, waited for.
    ProgramDriver::Box OneBox()
    {
        const QList<ProgramDriver::Box> boxes = user->WaitForBoxes(30000);
        EXPECT_EQ(boxes.size(), 1) << "no message: " << user->problem.toStdString();
        return boxes.value(0);
    }

    // No message box is shown; a copy still starting is waited for, as its driver answers only once the
    // start is through or a message box is up.
    void ExpectNoBox()
    {
        const std::optional<QList<ProgramDriver::Box>> boxes = user->Boxes(30000);
        ASSERT_TRUE(boxes) << user->problem.toStdString();
        EXPECT_TRUE(boxes->isEmpty()) << boxes->value(0).text.toStdString();
    }

    void Click(const QString &button) { ASSERT_TRUE(user->Click(button)) << user->problem.toStdString(); }

    // The copy's main window, once it is up; 0 when it does not come.
    windows::Handle MainWindow() const
    {
        const ScopedEnvironment table = folder.useWindowTable();
        return WaitForCopyWindow(*copy, [](const windows::WindowEntry &entry) {
            return entry.title.endsWith(QLatin1String("Marrowin Vellicor"));
        });
    }

    // Closes the copy's main window as the user does and waits for the copy to end.
    void Close()
    {
        const windows::Handle window = MainWindow();
        ASSERT_NE(window, 0) << "no main window";
        const ScopedEnvironment table = folder.useWindowTable();
        ASSERT_TRUE(windows::SendMessage(window, mdlProgram::WM_CLOSE, 0, 0));
        ASSERT_TRUE(copy->waitForFinished(30000));
        EXPECT_EQ(copy->exitCode(), 0);
    }

    // The backups in tmp/.
    QStringList Backups() const { return QDir(folder.path("tmp")).entryList({"*.bak"}, QDir::Files, QDir::Name); }

    // Lays a page of 48 MB with a second hard link, so that it is saved in place, and opens it in a new
    // copy, with a character typed at its start, so that every byte after it moves; the page's content,
    // empty when the copy did not take it.
    QByteArray OpenLargeLinkedPage()
    {
        const QByteArray line = "<p>\xcf\xf0\xe8\xe2\xe5\xf2, \xec\xe8\xf0! 0123456789 abcdefghijklmnopqrstuvw</p>\n";
        QByteArray large;
        while (large.size() < (48 << 20))
            large += line;
        const QString page = folder.root.write("site/index.html", large);
        const QByteArray link = QFile::encodeName(folder.path("site/second.html"));
        if (::link(QFile::encodeName(page).constData(), link.constData()) != 0)
            return {};
        Start({page});
        ExpectNoBox();
        if (!user->Key("Ctrl+Home", 60000) || !user->Type("X"))
            return {};
        return large;
    }

    // Saves the page with Ctrl+S and sends the copy `signal` once the save has named its backup in tmp/ and
    // begun to write the page itself (its modification time moves), well before the new content is all
    // written; whether it was sent.
    bool SaveAndSignalHalfWay(int signal)
    {
        const QByteArray page = QFile::encodeName(folder.path("site/index.html"));
        struct stat before;
        const int watch = ::inotify_init1(IN_CLOEXEC);
        if (::stat(page.constData(), &before) != 0 || watch < 0 ||
            ::inotify_add_watch(watch, QFile::encodeName(folder.path("tmp")).constData(), IN_CREATE) < 0)
            return false;
        const pid_t running = pid_t(copy->processId());
        bool sent = false;
        std::thread watcher([&] {
            alignas(inotify_event) char events[4096];
            pollfd ready{watch, POLLIN, 0};
            bool named = false;
            while (!named && ::poll(&ready, 1, 30000) > 0) {
                const ssize_t size = ::read(watch, events, sizeof events);
                for (ssize_t at = 0; at < size && !named;) {
                    const auto *event = reinterpret_cast<const inotify_event *>(events + at);
                    named = event->len > 0 && QByteArray(event->name).endsWith(".bak");
                    at += ssize_t(sizeof(inotify_event) + event->len);
                }
            }
            const QDeadlineTimer deadline(10000);
            struct stat now;
            while (named && !deadline.hasExpired() && ::stat(page.constData(), &now) == 0 &&
                   now.st_mtim.tv_sec == before.st_mtim.tv_sec && now.st_mtim.tv_nsec == before.st_mtim.tv_nsec) {
            }
            sent = named && ::kill(running, signal) == 0;
        });
        // The copy does not answer once the signal has stopped or ended it.
        user->Key("Ctrl+S", 2000);
        watcher.join();
        ::close(watch);
        return sent;
    }

    // The backups and records in tmp/ (the preview's working copies left aside).
    QStringList TmpEntries() const
    {
        return QDir(folder.path("tmp")).entryList({"*.bak", "*.bak.path"}, QDir::Files | QDir::Hidden, QDir::Name);
    }

    ProgramFolder folder;
    std::unique_ptr<ProgramDriver> user;
    std::unique_ptr<QProcess> copy;
    int starts = 0;
};

// The report names the file and where its old content is and asks; "Да" puts the exact old bytes back
// before the command line's file opens, so the document holds the old content: typed to and saved, the
// file is the old content and the typing.
TEST_F(LeftBackupsReport, PuttingBackRestoresTheOldBytesBeforeTheCommandLineFileOpens)
{
    const QString page = folder.root.write("site/index.html", PartialPage);
    const QString backup = LayBackup("index.html.bak", OldPage, page);
    Start({page});

    const ProgramDriver::Box box = OneBox();
    EXPECT_EQ(box.title, Title);
    EXPECT_TRUE(box.text.contains(page + "\r\n")) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains(backup + "\r\n")) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains(Partial)) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains(QStringLiteral("Вернуть файлу прежнее содержимое?"))) << box.text.toStdString();
    EXPECT_EQ(box.buttons, (QStringList{"Да", "Нет"}));
    Click("Да");

    const ScopedEnvironment table = folder.useWindowTable();
    ASSERT_NE(WaitForCopyTitle(*copy, "index.html - Marrowin Vellicor"), 0) << "the file did not open";
    EXPECT_EQ(folder.root.read("site/index.html"), OldPage);
    EXPECT_EQ(TmpEntries(), QStringList()) << "backup and record removed, no other left";
    ExpectNoBox();

    ASSERT_TRUE(user->Key("Ctrl+End")) << user->problem.toStdString();
    ASSERT_TRUE(user->Type("X")) << user->problem.toStdString();
    ASSERT_TRUE(user->Key("Ctrl+S")) << user->problem.toStdString();
    const QDeadlineTimer deadline(10000);
    while (folder.root.read("site/index.html") != OldPage + "X" && !deadline.hasExpired())
        QThread::msleep(20);
    EXPECT_EQ(folder.root.read("site/index.html"), OldPage + "X");
    ExpectNoBox();
    Close();
}

// "Нет" keeps both files and the partial file as they are; the next start asks again.
TEST_F(LeftBackupsReport, AKeptBackupStaysAndIsReportedAgainAtTheNextStart)
{
    const QString page = folder.root.write("site/index.html", PartialPage);
    const QString backup = LayBackup("index.html.bak", OldPage, page);
    const QStringList left = TmpEntries();

    for (int start = 0; start < 2; ++start) {
        Start();
        const ProgramDriver::Box box = OneBox();
        EXPECT_EQ(box.title, Title);
        EXPECT_TRUE(box.text.contains(page)) << box.text.toStdString();
        EXPECT_TRUE(box.text.contains(backup)) << box.text.toStdString();
        Click("Нет");
        Close();
        EXPECT_EQ(folder.root.read("site/index.html"), PartialPage);
        EXPECT_EQ(folder.root.read("tmp/index.html.bak"), OldPage);
        EXPECT_EQ(TmpEntries(), left);
    }
}

// Two files of one name in two folders: each report names its own file and its own backup, and each
// file gets its own old content back.
TEST_F(LeftBackupsReport, SameNamedFilesInTwoFoldersAreEachNamedByTheirOwnPath)
{
    const QString first = folder.root.write("one/index.html", "");
    const QString second = folder.root.write("two/index.html", PartialPage);
    const QMap<QString, QString> backups = {{LayBackup("index.html.bak", "<p>one</p>", first), first},
                                            {LayBackup("index.html.2.bak", "<p>two</p>", second), second}};
    Start();

    QStringList named;
    for (int report = 0; report < 2; ++report) {
        const ProgramDriver::Box box = OneBox();
        EXPECT_EQ(box.title, Title);
        for (auto it = backups.begin(); it != backups.end(); ++it)
            if (box.text.contains(it.key() + "\r\n")) {
                named << it.key();
                EXPECT_TRUE(box.text.contains(it.value() + "\r\n")) << box.text.toStdString();
                EXPECT_FALSE(box.text.contains(it.value() == first ? second : first)) << box.text.toStdString();
            }
        Click("Да");
    }
    named.sort();
    EXPECT_EQ(named, QStringList(backups.keys()));
    Close();
    EXPECT_EQ(folder.root.read("one/index.html"), "<p>one</p>");
    EXPECT_EQ(folder.root.read("two/index.html"), "<p>two</p>");
    EXPECT_EQ(TmpEntries(), QStringList());
}

// A backup of an older version has no record: the user is told where the old content of an unknown file
// is, and nothing is offered or removed.
TEST_F(LeftBackupsReport, ABackupWithoutARecordIsReportedAsTheOldContentOfAnUnknownFile)
{
    const QString backup = LayBackup("index.html.bak", OldPage, QString());
    Start();

    const ProgramDriver::Box box = OneBox();
    EXPECT_EQ(box.title, Title);
    EXPECT_TRUE(box.text.contains(QStringLiteral("имя которого неизвестно"))) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains(Partial)) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains(backup + "\r\n")) << box.text.toStdString();
    EXPECT_EQ(box.buttons, QStringList{"ОК"});
    Click("ОК");
    Close();
    EXPECT_EQ(TmpEntries(), QStringList{"index.html.bak"});
    EXPECT_EQ(folder.root.read("tmp/index.html.bak"), OldPage);
}

// A record naming a file whose folder has gone since: putting back says why it failed and where the old
// content stays, and keeps it.
TEST_F(LeftBackupsReport, APutBackIntoAFolderThatIsGoneSaysWhyAndKeepsTheBackup)
{
    const QString gone = folder.path("gone");
    const QString backup = LayBackup("index.html.bak", OldPage, gone + "/index.html");
    const QStringList left = TmpEntries();
    Start();

    ProgramDriver::Box box = OneBox();
    EXPECT_EQ(box.title, Title);
    Click("Да");
    box = OneBox();
    EXPECT_EQ(box.title, QStringLiteral("Ошибка записи"));
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("Прежнее содержимое нельзя вернуть в файл ") + gone +
                                    "/index.html,"))
        << box.text.toStdString();
    EXPECT_TRUE(box.text.contains(QStringLiteral("так как папки ") + gone)) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains(backup)) << box.text.toStdString();
    Click("ОК");
    Close();
    EXPECT_FALSE(QDir(gone).exists());
    EXPECT_EQ(TmpEntries(), left);
    EXPECT_EQ(folder.root.read("tmp/index.html.bak"), OldPage);
}

// A copy that hands its file over to the running copy opens no window and reports nothing: it ends at
// once, the file opens in the running copy, and the backup stays for the next start to report.
TEST_F(LeftBackupsReport, ACopyThatHandsItsFileOverReportsNothing)
{
    Start();
    ExpectNoBox();
    ASSERT_NE(MainWindow(), 0);
    const ScopedEnvironment table = folder.useWindowTable();
    const QString page = folder.root.write("site/index.html", PartialPage);
    LayBackup("index.html.bak", OldPage, page);
    const QStringList left = TmpEntries();

    QProcess second;
    folder.start(second, {page});
    EXPECT_TRUE(second.waitForFinished(30000)) << "the second copy did not end";
    EXPECT_EQ(second.exitCode(), 0);
    EndProcess(second);
    ASSERT_NE(WaitForCopyTitle(*copy, "index.html - Marrowin Vellicor"), 0);
    ExpectNoBox();
    Close();
    EXPECT_EQ(TmpEntries(), left);
}

// A copy whose in-place save is stopped half way (SIGSTOP) still holds its backup: a copy started
// meanwhile, which opens a window of its own once it has given up on the stopped one, does not take that
// backup for one left behind. Let go on, the save completes and removes it.
TEST_F(LeftBackupsReport, AStartPassesByTheBackupOfASaveThatIsStoppedHalfWay)
{
    const QByteArray large = OpenLargeLinkedPage();
    ASSERT_FALSE(large.isEmpty());
    ASSERT_TRUE(SaveAndSignalHalfWay(SIGSTOP)) << "the save made no backup";
    const pid_t running = pid_t(copy->processId());
    ASSERT_EQ(Backups(), QStringList{"index.html.bak"}) << "the save was stopped half way";
    const QByteArray halfWay = folder.root.read("site/index.html");
    EXPECT_TRUE(halfWay != large && halfWay != "X" + large) << "stopped while the page itself was written";

    // With a file of its own to open: a start without one only activates the running copy and ends.
    const QString other = folder.root.write("site/other.html", "<p>other</p>");
    QProcess second;
    ProgramDriver secondUser(folder.path(".driver-second"));
    QProcessEnvironment environment = folder.environment();
    secondUser.AddTo(environment);
    second.setProcessEnvironment(environment);
    second.setWorkingDirectory(folder.path());
    second.start(folder.executable(), {other});
    const std::optional<QList<ProgramDriver::Box>> boxes = secondUser.Boxes(60000);
    {
        const ScopedEnvironment table = folder.useWindowTable();
        EXPECT_NE(WaitForCopyTitle(second, "other.html - Marrowin Vellicor"), 0) << "a window of its own";
    }
    ::kill(running, SIGCONT);
    ASSERT_TRUE(boxes) << secondUser.problem.toStdString();
    EXPECT_TRUE(boxes->isEmpty()) << boxes->value(0).text.toStdString();

    const QDeadlineTimer deadline(60000);
    while ((!TmpEntries().isEmpty() || folder.root.read("site/index.html") != "X" + large) && !deadline.hasExpired())
        QThread::msleep(50);
    EXPECT_EQ(TmpEntries(), QStringList());
    EXPECT_TRUE(folder.root.read("site/index.html") == "X" + large) << "the save completed";
    EndProcess(second);
    Close();
}

// The whole way: a real in-place save of a large page, killed (SIGKILL) while it writes the page, leaves
// the backup and its record; the next start names the page and its backup, and "Да" puts
// the old content back byte for byte and leaves nothing in tmp/.
TEST_F(LeftBackupsReport, AKilledInPlaceSaveIsReportedAtTheNextStartAndPutBack)
{
    const QByteArray large = OpenLargeLinkedPage();
    ASSERT_FALSE(large.isEmpty());
    const QString page = folder.path("site/index.html");
    ASSERT_TRUE(SaveAndSignalHalfWay(SIGKILL)) << "the save made no backup";
    ASSERT_TRUE(copy->waitForFinished(30000));
    ASSERT_EQ(Backups(), QStringList{"index.html.bak"});
    const QByteArray halfWay = folder.root.read("site/index.html");
    EXPECT_TRUE(halfWay != large && halfWay != "X" + large) << "killed while the page itself was written";
    EXPECT_TRUE(folder.root.read("tmp/index.html.bak") == large) << "the backup holds the whole old content";
    EXPECT_EQ(folder.root.read("tmp/index.html.bak.path"), page.toUtf8() + '\n');

    Start();
    const ProgramDriver::Box box = OneBox();
    EXPECT_EQ(box.title, Title);
    EXPECT_TRUE(box.text.contains(page + "\r\n")) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains(folder.path("tmp/index.html.bak") + "\r\n")) << box.text.toStdString();
    Click("Да");
    // The put-back runs before the copy takes its close.
    Close();
    EXPECT_TRUE(folder.root.read("site/index.html") == large) << "the old content is back";
    EXPECT_TRUE(folder.root.read("site/second.html") == large) << "in the file itself, which both names share";
    EXPECT_EQ(TmpEntries(), QStringList());
}

} // namespace
