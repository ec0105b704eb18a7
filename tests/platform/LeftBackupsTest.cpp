#include "platform/files/LeftBackups.h"

#include "platform/files/SaveStream.h"
#include "tests/CaseNames.h"
#include "tests/FileSizeLimit.h"
#include "tests/TempFolder.h"
#include "tests/platform/SavedFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform::files;

namespace {

// Every byte value, and the line ends of both kinds.
QByteArray EveryByte()
{
    QByteArray bytes = "<p>\r\nold\n";
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    return bytes;
}

// ---- The record beside a backup -------------------------------------------------------------------------
// The rules of a record's text are the record reader's (SaveBackups); here, what the look for left backups
// makes of a record of each kind of file.

struct RecordCase {
    const char *name;
    // Lays the record at `record`.
    void (*lay)(const TempFolder &folder, const QString &record);
    // The file the record names; empty: none.
    const char *file;
};

void PrintTo(const RecordCase &c, std::ostream *out)
{
    casenames::Print(out, c.name);
}

void WriteRecord(const TempFolder &folder, const QString &record, const QByteArray &bytes)
{
    folder.write(QFileInfo(record).fileName(), bytes);
}

const RecordCase RecordCases[] = {
    {"whole", [](const TempFolder &f, const QString &r) { WriteRecord(f, r, "/home/u/сайт/index.html\n"); },
     "/home/u/сайт/index.html"},
    {"a name with blanks and a backslash",
     [](const TempFolder &f, const QString &r) { WriteRecord(f, r, "/a b/c\\d.html\n"); }, "/a b/c\\d.html"},
    {"a NUL in the path", [](const TempFolder &f, const QString &r) { WriteRecord(f, r, QByteArray("/a\0b\n", 5)); },
     ""},
    {"missing", [](const TempFolder &, const QString &) {}, ""},
    {"a FIFO", [](const TempFolder &, const QString &r) { EXPECT_EQ(::mkfifo(Native(r).constData(), 0644), 0); }, ""},
    {"a link to /dev/zero", [](const TempFolder &, const QString &r) { EXPECT_TRUE(QFile::link("/dev/zero", r)); },
     ""},
    {"a folder", [](const TempFolder &, const QString &r) { EXPECT_TRUE(QDir().mkpath(r)); }, ""},
};

class Record : public testing::TestWithParam<RecordCase> {};

// A record names the file only when it is a regular file holding one absolute path; the look for left
// backups never waits on a FIFO or reads a device without end, and a backup is listed all the same.
TEST_P(Record, NamesTheFileOnlyWhenWhole)
{
    TempFolder folder;
    const QString backup = folder.write("index.html.bak", "old");
    GetParam().lay(folder, backup + ".path");
    const QList<LeftBackup> left = FindLeftBackups(folder.path());
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(left[0].backup, backup);
    EXPECT_EQ(left[0].file, QString::fromUtf8(GetParam().file));
}

INSTANTIATE_TEST_SUITE_P(Records, Record, testing::ValuesIn(RecordCases), casenames::Named(&RecordCase::name));

// ---- Which backups were left ----------------------------------------------------------------------------

// Of everything in tmp/, the regular *.bak files are the backups, each with the file its record names.
TEST(LeftBackups, AreTheRegularBackupsOfTheFolderWithTheirRecords)
{
    TempFolder tmp;
    tmp.write("index.html.bak", "a");
    tmp.write("index.html.bak.path", "/site/a/index.html\n");
    tmp.write("index.html.2.bak", "b");
    tmp.write("index.html.2.bak.path", "/site/b/index.html\n");
    tmp.write("old.html.bak", "c");
    tmp.write("send.txt", "");
    tmp.write("~page.html", "preview");
    tmp.write("gone.html.bak.path", "/site/gone.html\n");
    QDir().mkpath(tmp.path("folder.bak"));
    ASSERT_TRUE(QFile::link(tmp.path("old.html.bak"), tmp.path("link.bak")));
    ASSERT_EQ(::mkfifo(Native(tmp.path("fifo.bak")).constData(), 0644), 0);

    const QList<LeftBackup> left = FindLeftBackups(tmp.path());
    ASSERT_EQ(left.size(), 3);
    EXPECT_EQ(left[0].backup, tmp.path("index.html.2.bak"));
    EXPECT_EQ(left[0].file, "/site/b/index.html");
    EXPECT_EQ(left[1].backup, tmp.path("index.html.bak"));
    EXPECT_EQ(left[1].file, "/site/a/index.html");
    EXPECT_EQ(left[2].backup, tmp.path("old.html.bak"));
    EXPECT_EQ(left[2].file, QString());
    EXPECT_TRUE(FindLeftBackups(tmp.path("none")).isEmpty());
}

// The backup of a save that still runs, in another process that is stopped half way, is no left backup:
// putting it back would write under the running save. Once that process is killed, it is one.
TEST(LeftBackups, LeaveOutTheBackupOfASaveThatStillRuns)
{
    TempFolder folder;
    const QString tmp = folder.path("tmp");
    QDir().mkpath(tmp);
    const QString path = folder.write("docs/page.html", "old content");
    // A second hard link makes the save write in place.
    ASSERT_EQ(::link(Native(path).constData(), Native(folder.path("docs/second.html")).constData()), 0);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SaveStream stream(path, tmp);
        if (stream.Open() != FileError::None || stream.Way() != SaveWay::InPlace)
            _exit(1);
        stream.Write("new");
        ::raise(SIGSTOP);
        _exit(2);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, WUNTRACED), child);
    ASSERT_TRUE(WIFSTOPPED(status)) << status;
    EXPECT_EQ(QDir(tmp).entryList({"*.bak"}, QDir::Files), QStringList{"page.html.bak"});
    EXPECT_TRUE(FindLeftBackups(tmp).isEmpty());

    ::kill(child, SIGKILL);
    ASSERT_EQ(waitpid(child, &status, 0), child);
    const QList<LeftBackup> left = FindLeftBackups(tmp);
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(left[0].backup, tmp + "/page.html.bak");
    EXPECT_EQ(left[0].file, path);
}

// ---- Putting the old content back -----------------------------------------------------------------------

class PutBackTest : public testing::Test {
protected:
    LeftBackup Lay(const QString &file, const QByteArray &old)
    {
        const QString backup = folder.write("tmp/index.html.bak", old);
        folder.write("tmp/index.html.bak.path", file.toUtf8() + '\n');
        return {backup, file};
    }
    QString tmp() const { return folder.path("tmp"); }

    TempFolder folder;
};

// Into a file that is written in place (a second hard link shares it): every byte comes back, the link
// stays, and tmp/ is left empty.
TEST_F(PutBackTest, WritesTheExactBytesOverThePartialFileAndRemovesTheBackupAndItsRecord)
{
    const QString path = folder.write("site/index.html", "<p>ne");
    const QString second = folder.path("site/second.html");
    ASSERT_EQ(::link(Native(path).constData(), Native(second).constData()), 0);
    const LeftBackup left = Lay(path, EveryByte());

    EXPECT_EQ(PutBack(left, tmp()), FileError::None);
    EXPECT_EQ(folder.read("site/index.html"), EveryByte());
    EXPECT_EQ(folder.read("site/second.html"), EveryByte());
    EXPECT_EQ(Entries(tmp()), QStringList());
}

// A file removed since is made again with its old content.
TEST_F(PutBackTest, MakesAFileThatIsGoneAgain)
{
    QDir().mkpath(folder.path("site"));
    const LeftBackup left = Lay(folder.path("site/index.html"), EveryByte());

    EXPECT_EQ(PutBack(left, tmp()), FileError::None);
    EXPECT_EQ(folder.read("site/index.html"), EveryByte());
    EXPECT_EQ(Entries(tmp()), QStringList());
}

// A file whose folder is gone, or a folder in the file's place: the reason is given and nothing is removed.
TEST_F(PutBackTest, KeepsTheBackupWhenTheFileCannotBeWritten)
{
    const LeftBackup gone = Lay(folder.path("gone/index.html"), "old");
    EXPECT_EQ(PutBack(gone, tmp()), FileError::NoFolder);
    EXPECT_EQ(Entries(tmp()), (QStringList{"index.html.bak", "index.html.bak.path"}));
    EXPECT_EQ(folder.read("tmp/index.html.bak"), "old");

    QDir().mkpath(folder.path("site/index.html"));
    const LeftBackup folderInPlace = Lay(folder.path("site/index.html"), "old");
    EXPECT_EQ(PutBack(folderInPlace, tmp()), FileError::NotRegular);
    EXPECT_EQ(Entries(tmp()), (QStringList{"index.html.bak", "index.html.bak.path"}));

    // Written in place, beyond the size this process may write: refused before the file is touched.
    const QString page = folder.write("docs/page.html", "<p>ne");
    ASSERT_EQ(::link(Native(page).constData(), Native(folder.path("docs/second.html")).constData()), 0);
    const LeftBackup large = Lay(page, QByteArray(256 * 1024, 'o'));
    {
        const FileSizeLimit limit(64 * 1024);
        EXPECT_EQ(PutBack(large, tmp()), FileError::TooLarge);
    }
    EXPECT_EQ(folder.read("docs/page.html"), "<p>ne");
    EXPECT_EQ(Entries(tmp()), (QStringList{"index.html.bak", "index.html.bak.path"}));
}

} // namespace
