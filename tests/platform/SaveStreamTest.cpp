#include "platform/files/SaveStream.h"

#include "platform/files/SaveBackups.h"

#include "app/core/mdlExit.h"
#include "app/core/mdlLoad.h"
#include "tests/CaseNames.h"
#include "tests/FileSizeLimit.h"
#include "tests/SmallFileSystem.h"
#include "tests/TempFolder.h"
#include "tests/Unprivileged.h"
#include "tests/platform/HalfWaySave.h"
#include "tests/platform/SavedFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace platform::files;

namespace {

constexpr uid_t Nobody = unprivileged::Nobody;
constexpr gid_t NoGroup = 65534;

const QByteArray OldContent = "old content\r\n";
const QByteArray NewContent = "the new content, longer than the old one\r\n";

QString Named(FileError error)
{
    switch (error) {
    case FileError::None:
        return "None";
    case FileError::Missing:
        return "Missing";
    case FileError::NotRegular:
        return "NotRegular";
    case FileError::NoFolder:
        return "NoFolder";
    case FileError::NoPermission:
        return "NoPermission";
    case FileError::NoSpace:
        return "NoSpace";
    case FileError::TooLarge:
        return "TooLarge";
    case FileError::NoSpaceForBackup:
        return "NoSpaceForBackup";
    case FileError::NameTooLong:
        return "NameTooLong";
    case FileError::TooManyLinks:
        return "TooManyLinks";
    case FileError::Failed:
        break;
    }
    return "Failed";
}

// What a file is apart from its content: owner, group, mode, links and extended attributes.
QString Identity(const QString &path)
{
    struct stat info;
    if (::stat(Native(path).constData(), &info) != 0)
        return "(none)";
    QString identity = QString("%1:%2 %3 links %4")
                           .arg(info.st_uid)
                           .arg(info.st_gid)
                           .arg(info.st_mode & 07777, 4, 8, QChar(u'0'))
                           .arg(info.st_nlink);
    QByteArray names(4096, '\0');
    const ssize_t size = ::listxattr(Native(path).constData(), names.data(), names.size());
    for (const QByteArray &name : names.left(qMax<ssize_t>(size, 0)).split('\0')) {
        if (name.isEmpty())
            continue;
        QByteArray value(256, '\0');
        const ssize_t length = ::getxattr(Native(path).constData(), name.constData(), value.data(), value.size());
        identity += " " + QString::fromLatin1(name) + "=" + QString::fromLatin1(value.left(qMax<ssize_t>(length, 0)));
    }
    return identity;
}

QString Write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

void Own(const QString &path, uid_t owner, gid_t group, mode_t mode)
{
    ASSERT_EQ(::chown(Native(path).constData(), owner, group), 0) << path.toStdString();
    ASSERT_EQ(::chmod(Native(path).constData(), mode), 0) << path.toStdString();
}

// Saves `bytes` as `path`, a few bytes at a time; the way it took and, after a blank, the error of a
// failure.
QString Save(const QString &path, const QString &backups, const QByteArray &bytes)
{
    SaveStream stream(path, backups);
    if (const FileError error = stream.Open(); error != FileError::None)
        return "open " + Named(error);
    for (qsizetype at = 0; at < bytes.size(); at += 7)
        stream.Write(QByteArrayView(bytes).sliced(at, qMin<qsizetype>(7, bytes.size() - at)));
    const FileError error = stream.Commit();
    return Named(stream.Way()) + (error == FileError::None ? QString() : " " + Named(error));
}

// The folders of a save: the documents' folder, open to everyone, and the backups' folder.
class SaveStreamTest : public testing::Test {
protected:
    void SetUp() override
    {
        unprivileged::OpenToEveryone(root.path());
        ASSERT_TRUE(QDir().mkpath(docs) && QDir().mkpath(backups));
        ASSERT_EQ(::chmod(Native(docs).constData(), 0777), 0);
        ASSERT_EQ(::chmod(Native(backups).constData(), 0777), 0);
    }

    // Runs the save as the unprivileged user when `asNobody`, else as this process.
    QString SaveAs(bool asNobody, const QString &path, const QByteArray &bytes) const
    {
        if (!asNobody)
            return Save(path, backups, bytes);
        return unprivileged::RunUnprivileged([&] { return Save(path, backups, bytes); });
    }

    TempFolder root;
    const QString docs = root.path("docs");
    const QString backups = root.path("backups");
};

// ---- What the file is stays what it was ---------------------------------------------------------------

struct IdentityCase {
    const char *name;
    bool asNobody;
    SaveWay way;
    // Lays out the file in the documents' folder, as root; returns the path to save and, in `target`,
    // the file that the save is to write.
    std::function<QString(const QString &docs, QString &target)> prepare;
};

void PrintTo(const IdentityCase &c, std::ostream *out)
{
    casenames::Print(out, c.name);
}

class KeptIdentity : public SaveStreamTest, public testing::WithParamInterface<IdentityCase> {};

TEST_P(KeptIdentity, TheNewContentTakesTheOldOnesPlaceAndNothingElseChanges)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "laying out other users' files needs root, as the test machines run";
    const IdentityCase &c = GetParam();
    QString target;
    const QString path = c.prepare(docs, target);
    if (target.isEmpty())
        target = path;
    const QString identity = Identity(target);
    const QStringList entries = Entries(docs);

    EXPECT_EQ(SaveAs(c.asNobody, path, NewContent), Named(c.way));

    EXPECT_EQ(Content(target), NewContent);
    EXPECT_EQ(Identity(target), identity);
    EXPECT_EQ(Entries(docs), entries) << "nothing left beside the file";
    EXPECT_EQ(Entries(backups), QStringList()) << "the backup goes once the new content is complete";
    struct stat info;
    ASSERT_EQ(::stat(Native(target).constData(), &info), 0);
    if (info.st_uid == Nobody) {
        EXPECT_EQ(unprivileged::RunUnprivileged([&] { return QString::fromLatin1(Content(target)); }),
                  QString::fromLatin1(NewContent))
            << "its owner can read it";
    }
}

const IdentityCase IdentityCases[] = {
    {"an ordinary file", false, SaveWay::Replace,
     [](const QString &docs, QString &) { return Write(docs + "/a.html", OldContent); }},
    {"another user's private file, saved by root", false, SaveWay::Replace,
     [](const QString &docs, QString &) {
         const QString path = Write(docs + "/private.html", OldContent);
         Own(path, Nobody, NoGroup, 0600);
         return path;
     }},
    {"a file read-only for everyone, saved by root", false, SaveWay::Replace,
     [](const QString &docs, QString &) {
         const QString path = Write(docs + "/readonly.html", OldContent);
         Own(path, 0, 0, 0444);
         return path;
     }},
    {"a file with its set-group-ID bit", false, SaveWay::Replace,
     [](const QString &docs, QString &) {
         const QString path = Write(docs + "/tool.sh", OldContent);
         Own(path, 0, NoGroup, 02775);
         return path;
     }},
    {"a file with an extended attribute", false, SaveWay::Replace,
     [](const QString &docs, QString &) {
         const QString path = Write(docs + "/tagged.html", OldContent);
         // A user attribute where the file system takes one, else a trusted one (tmpfs).
         if (::setxattr(Native(path).constData(), "user.origin", "camera", 6, 0) != 0) {
             EXPECT_EQ(::setxattr(Native(path).constData(), "trusted.origin", "camera", 6, 0), 0);
         }
         return path;
     }},
    {"one of two hard links", false, SaveWay::InPlace,
     [](const QString &docs, QString &) {
         const QString path = Write(docs + "/linked.html", OldContent);
         EXPECT_EQ(::link(Native(path).constData(), Native(docs + "/other name.html").constData()), 0);
         return path;
     }},
    {"a symbolic link", false, SaveWay::Replace,
     [](const QString &docs, QString &target) {
         target = Write(docs + "/target.html", OldContent);
         EXPECT_EQ(::symlink("target.html", Native(docs + "/link.html").constData()), 0);
         return docs + "/link.html";
     }},
    {"a writable file in a folder that takes no new file", true, SaveWay::InPlace,
     [](const QString &docs, QString &) {
         QDir().mkpath(docs + "/locked");
         const QString path = Write(docs + "/locked/page.html", OldContent);
         Own(path, Nobody, NoGroup, 0644);
         Own(docs + "/locked", 0, 0, 0755);
         return path;
     }},
    {"another user's file that the writer's group may write", true, SaveWay::InPlace,
     [](const QString &docs, QString &) {
         const QString path = Write(docs + "/shared.html", OldContent);
         Own(path, 0, NoGroup, 0664);
         return path;
     }},
    {"the writer's file in a group that the writer is no member of", true, SaveWay::InPlace,
     [](const QString &docs, QString &) {
         const QString path = Write(docs + "/grouped.html", OldContent);
         Own(path, Nobody, 0, 0644);
         return path;
     }},
};

INSTANTIATE_TEST_SUITE_P(Files, KeptIdentity, testing::ValuesIn(IdentityCases),
                         casenames::Named(&IdentityCase::name));

TEST_F(SaveStreamTest, ANewFileTakesTheUsualModeAndALinkStaysALink)
{
    const mode_t mask = ::umask(022);
    EXPECT_EQ(Save(docs + "/new.html", backups, NewContent), "Replace");
    ::umask(mask);
    EXPECT_EQ(Identity(docs + "/new.html").section(' ', 1, 1), "0644");

    Write(docs + "/target.html", OldContent);
    ASSERT_EQ(::symlink("target.html", Native(docs + "/link.html").constData()), 0);
    EXPECT_EQ(Save(docs + "/link.html", backups, NewContent), "Replace");
    EXPECT_EQ(QFileInfo(docs + "/link.html").symLinkTarget(), docs + "/target.html");
    EXPECT_EQ(Content(docs + "/target.html"), NewContent);
}

// ---- What is refused ------------------------------------------------------------------------------------

struct RefusalCase {
    const char *name;
    bool asNobody;
    const char *error;
    std::function<QString(const QString &docs)> prepare;
};

void PrintTo(const RefusalCase &c, std::ostream *out)
{
    casenames::Print(out, c.name);
}

class Refusal : public SaveStreamTest, public testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusal, NothingIsWrittenAndTheReasonIsGiven)
{
    const RefusalCase &c = GetParam();
    if (c.asNobody && geteuid() != 0)
        GTEST_SKIP() << "laying out other users' files needs root, as the test machines run";
    const QString path = c.prepare(docs);
    const QString identity = Identity(path);
    const QByteArray content = QFileInfo(path).isFile() ? Content(path) : QByteArray();
    const QStringList entries = Entries(docs);

    EXPECT_EQ(SaveAs(c.asNobody, path, NewContent), QString("open ") + c.error);

    EXPECT_EQ(Identity(path), identity);
    if (QFileInfo(path).isFile()) {
        EXPECT_EQ(Content(path), content);
    }
    EXPECT_EQ(Entries(docs), entries);
    EXPECT_EQ(Entries(backups), QStringList());
}

const RefusalCase RefusalCases[] = {
    {"a missing folder", false, "NoFolder", [](const QString &docs) { return docs + "/none/a.html"; }},
    {"a folder in the file's place", false, "NotRegular",
     [](const QString &docs) {
         QDir().mkpath(docs + "/folder.html");
         return docs + "/folder.html";
     }},
    {"a FIFO in the file's place", false, "NotRegular",
     [](const QString &docs) {
         EXPECT_EQ(::mkfifo(Native(docs + "/fifo.html").constData(), 0666), 0);
         return docs + "/fifo.html";
     }},
    {"a link to a device", false, "NotRegular",
     [](const QString &docs) {
         EXPECT_EQ(::symlink("/dev/null", Native(docs + "/null.html").constData()), 0);
         return docs + "/null.html";
     }},
    {"a name longer than the file system takes", false, "NameTooLong",
     [](const QString &docs) { return docs + u'/' + QString(126, u'ж') + QStringLiteral(".htm"); }},
    {"links that go round", false, "TooManyLinks",
     [](const QString &docs) {
         EXPECT_EQ(::symlink("b.html", Native(docs + "/a.html").constData()), 0);
         EXPECT_EQ(::symlink("a.html", Native(docs + "/b.html").constData()), 0);
         return docs + "/a.html";
     }},
    {"a link into a missing folder", false, "NoFolder",
     [](const QString &docs) {
         EXPECT_EQ(::symlink("none/a.html", Native(docs + "/dangling.html").constData()), 0);
         return docs + "/dangling.html";
     }},
    {"a read-only file", true, "NoPermission",
     [](const QString &docs) {
         const QString path = Write(docs + "/readonly.html", OldContent);
         Own(path, Nobody, NoGroup, 0444);
         return path;
     }},
    {"a new file in a folder that takes none", true, "NoPermission",
     [](const QString &docs) {
         QDir().mkpath(docs + "/locked");
         Own(docs + "/locked", 0, 0, 0755);
         return docs + "/locked/new.html";
     }},
    // Written in place, its old content could not be kept safe.
    {"a file that may be written but not read, in a folder that takes no new file", true, "NoPermission",
     [](const QString &docs) {
         QDir().mkpath(docs + "/locked");
         const QString path = Write(docs + "/locked/writeonly.html", OldContent);
         Own(path, Nobody, NoGroup, 0200);
         Own(docs + "/locked", 0, 0, 0755);
         return path;
     }},
};

INSTANTIATE_TEST_SUITE_P(Targets, Refusal, testing::ValuesIn(RefusalCases),
                         casenames::Named(&RefusalCase::name));

// ---- A save that fails or is killed half way ------------------------------------------------------------

// The file of a half-way case, saved the way the parameter names: an ordinary file is replaced, one with a
// second hard link written in place.
class HalfWay : public SaveStreamTest, public testing::WithParamInterface<SaveWay> {
protected:
    QString Lay(const QString &folder) const
    {
        const QString path = Write(folder + "/page.html", OldContent);
        if (GetParam() == SaveWay::InPlace) {
            EXPECT_EQ(::link(Native(path).constData(), Native(folder + "/second name.html").constData()), 0);
        }
        return path;
    }

    // A new content far larger than the room the test leaves.
    static QByteArray Large() { return QByteArray(256 * 1024, 'n'); }

    void ExpectOldFile(const QString &path, const QString &identity, const QStringList &entries) const
    {
        EXPECT_EQ(Content(path), OldContent);
        EXPECT_EQ(Identity(path), identity);
        EXPECT_EQ(Entries(QFileInfo(path).path()), entries) << "no part-written file left";
        EXPECT_EQ(Entries(backups), QStringList()) << "the old content is back in the file";
    }
};

TEST_P(HalfWay, AFileThatMayGrowNoFurtherKeepsItsOldContent)
{
    const QString path = Lay(docs);
    const QString identity = Identity(path);
    const QStringList entries = Entries(docs);
    {
        const FileSizeLimit limit(64 * 1024);
        EXPECT_EQ(Save(path, backups, Large()), Named(GetParam()) + " TooLarge");
    }
    ExpectOldFile(path, identity, entries);
}

TEST_P(HalfWay, AFullDiskKeepsTheOldContent)
{
    const SmallFileSystem disk(128);
    if (!disk.ok())
        GTEST_SKIP() << "mounting a small file system needs root, as the test machines run";
    const QString folder = disk.path("docs");
    QDir().mkpath(folder);
    const QString path = Lay(folder);
    const QString identity = Identity(path);
    const QStringList entries = Entries(folder);

    EXPECT_EQ(Save(path, backups, Large()), Named(GetParam()) + " NoSpace");
    ExpectOldFile(path, identity, entries);
}

// A save killed after part of the new content: the file keeps the old content, or the backup does.
TEST_P(HalfWay, AKilledSaveLeavesTheOldContentInTheFileOrInItsBackup)
{
    const QString path = Lay(docs);
    const QByteArray large = Large();
    const int status = KillSaveHalfWay(path, backups, large);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;

    if (GetParam() == SaveWay::Replace) {
        EXPECT_EQ(Content(path), OldContent);
        EXPECT_EQ(Entries(backups), QStringList());
        const QStringList left = Entries(docs).filter(QRegularExpression("^\\.page\\.html\\.[0-9a-z]{6}~$"));
        EXPECT_EQ(left.size(), 1) << Entries(docs).join(' ').toStdString();
        // The next save of the file removes what the killed one left beside it, and only that.
        EXPECT_EQ(Save(path, backups, NewContent), "Replace");
        EXPECT_EQ(Entries(docs), QStringList{"page.html"});
        return;
    }
    EXPECT_EQ(Content(path), large.first(large.size() / 2)) << "the file was being written in place";
    ASSERT_EQ(Entries(backups), (QStringList{"page.html.bak", "page.html.bak.path"}));
    EXPECT_EQ(Content(backups + "/page.html.bak"), OldContent);
    EXPECT_EQ(ReadBackupRecord(backups + "/page.html.bak.path"), path);

    // The exit's clean-up of tmp/ leaves it, and a later save of a file of the same name takes another.
    mdlLoad::TmpFolder = backups + u'/';
    mdlExit::DeleteTempFiles();
    mdlLoad::TmpFolder.clear();
    EXPECT_EQ(Save(path, backups, NewContent), "InPlace");
    EXPECT_EQ(Content(path), NewContent);
    EXPECT_EQ(Entries(backups), (QStringList{"page.html.bak", "page.html.bak.path"}));
    EXPECT_EQ(Content(backups + "/page.html.bak"), OldContent);
}

INSTANTIATE_TEST_SUITE_P(Ways, HalfWay, testing::Values(SaveWay::Replace, SaveWay::InPlace),
                         casenames::Named([](SaveWay way) { return Named(way); }));

// ---- Names at the file system's limit ------------------------------------------------------------------

struct LongNameCase {
    const char *name;
    QString fileName;
    SaveWay way;
    bool exists;
};

void PrintTo(const LongNameCase &c, std::ostream *out)
{
    casenames::Print(out, c.name);
}

class LongName : public SaveStreamTest, public testing::WithParamInterface<LongNameCase> {};

// The hidden file beside it and the backup in the backups' folder are named within the limit, the backup
// and its record while the save runs.
TEST_P(LongName, SavesAndTheFilesOfTheSaveFitTheLimit)
{
    const LongNameCase &c = GetParam();
    const QString path = docs + u'/' + c.fileName;
    ASSERT_LE(Native(c.fileName).size(), 255);
    if (c.exists)
        Write(path, OldContent);
    if (c.way == SaveWay::InPlace) {
        ASSERT_EQ(::link(Native(path).constData(), Native(docs + "/other.html").constData()), 0);
    }
    {
        SaveStream stream(path, backups);
        ASSERT_EQ(Named(stream.Open()), "None");
        EXPECT_EQ(Named(stream.Way()), Named(c.way));
        for (const QString &entry : Entries(docs) + Entries(backups))
            EXPECT_LE(Native(entry).size(), 255) << entry.toStdString();
        if (c.way == SaveWay::InPlace) {
            ASSERT_EQ(Entries(backups).size(), 2);
            EXPECT_EQ(ReadBackupRecord(BackupRecordPath(stream.BackupPath())), path);
            EXPECT_EQ(Content(stream.BackupPath()), OldContent);
        }
        stream.Write(NewContent);
        EXPECT_EQ(Named(stream.Commit()), "None");
    }
    EXPECT_EQ(Content(path), NewContent);
    EXPECT_EQ(Entries(backups), QStringList());
    EXPECT_EQ(Entries(docs).size(), c.way == SaveWay::InPlace ? 2 : 1);
}

const LongNameCase LongNameCases[] = {
    {"a new file of 248 bytes", QString(122, u'ж') + QStringLiteral(".htm"), SaveWay::Replace, false},
    {"a new file of 255 bytes", QString(127, u'ж') + u'x', SaveWay::Replace, false},
    {"a file of 252 bytes replaced", QString(124, u'ж') + QStringLiteral(".htm"), SaveWay::Replace, true},
    {"a file of 255 Latin bytes replaced", QString(250, u'a') + QStringLiteral(".html"), SaveWay::Replace, true},
    {"a file of 252 bytes in place", QString(124, u'ж') + QStringLiteral(".htm"), SaveWay::InPlace, true},
    {"a file of 255 bytes in place", QStringLiteral("€").repeated(85), SaveWay::InPlace, true},
};

INSTANTIATE_TEST_SUITE_P(Names, LongName, testing::ValuesIn(LongNameCases), casenames::Named(&LongNameCase::name));

// ---- Backups and their records --------------------------------------------------------------------------

TEST_F(SaveStreamTest, TheBackupRecordNamesTheFileALinkLeadsToAndGoesWithTheBackup)
{
    const QString target = Write(docs + "/сайт/index.html", OldContent);
    ASSERT_EQ(::link(Native(target).constData(), Native(docs + "/second.html").constData()), 0);
    ASSERT_EQ(::symlink("сайт/index.html", Native(docs + "/link.html").constData()), 0);
    SaveStream stream(docs + "/link.html", backups);
    ASSERT_EQ(Named(stream.Open()), "None");
    ASSERT_EQ(Entries(backups), (QStringList{"index.html.bak", "index.html.bak.path"}));
    EXPECT_EQ(Content(backups + "/index.html.bak.path"), target.toUtf8() + "\n");
    EXPECT_EQ(Content(target), OldContent) << "nothing of the file changes before the first write";
    stream.Cancel();
    EXPECT_EQ(Content(target), OldContent);
    EXPECT_EQ(Entries(backups), QStringList());
}

TEST_F(SaveStreamTest, FilesOfOneNameInTwoFoldersGetTwoBackupsEachNamingItsFile)
{
    const QString one = Write(docs + "/one/index.html", "one");
    const QString two = Write(docs + "/two/index.html", "two");
    for (const QString &path : {one, two})
        ASSERT_EQ(::link(Native(path).constData(), Native(path + ".link").constData()), 0);
    SaveStream first(one, backups);
    SaveStream second(two, backups);
    ASSERT_EQ(Named(first.Open()), "None");
    ASSERT_EQ(Named(second.Open()), "None");
    EXPECT_EQ(Entries(backups),
              (QStringList{"index.html.2.bak", "index.html.2.bak.path", "index.html.bak", "index.html.bak.path"}));
    EXPECT_EQ(ReadBackupRecord(backups + "/index.html.bak.path"), one);
    EXPECT_EQ(Content(backups + "/index.html.bak"), "one");
    EXPECT_EQ(ReadBackupRecord(backups + "/index.html.2.bak.path"), two);
    EXPECT_EQ(Content(backups + "/index.html.2.bak"), "two");
}

TEST_F(SaveStreamTest, OnlyTheHiddenFilesOfEarlierSavesOfTheFileAreRemoved)
{
    const QString path = Write(docs + "/page.html", OldContent);
    const QStringList others = {".other.html.k3j9x2~", ".page.html.backup", ".page.html.k3j9x2",
                                ".page.html.k3J9x2~", "page.html.k3j9x2~"};
    for (const QString &name : others + QStringList{".page.html.k3j9x2~", ".page.html.000000~"})
        Write(docs + u'/' + name, "left");
    EXPECT_EQ(Save(path, backups, NewContent), "Replace");
    QStringList expected = others + QStringList{"page.html"};
    QStringList left = Entries(docs);
    expected.sort();
    left.sort();
    EXPECT_EQ(left, expected);
}

TEST_F(SaveStreamTest, AFullBackupFolderIsNamedAndTheFileIsUntouched)
{
    const SmallFileSystem tmp(64);
    if (!tmp.ok())
        GTEST_SKIP() << "mounting a small file system needs root, as the test machines run";
    const QString path = Write(docs + "/page.html", QByteArray(256 * 1024, 'o'));
    ASSERT_EQ(::link(Native(path).constData(), Native(docs + "/second.html").constData()), 0);
    const QString identity = Identity(path);
    EXPECT_EQ(Save(path, tmp.path("."), NewContent), "open NoSpaceForBackup");
    EXPECT_EQ(Content(path), QByteArray(256 * 1024, 'o'));
    EXPECT_EQ(Identity(path), identity);
    EXPECT_EQ(Entries(tmp.path(".")), QStringList());
}

TEST_F(SaveStreamTest, AReservationBeyondTheFileSizeLimitRefusesBeforeTheFileIsTouched)
{
    const QString path = Write(docs + "/page.html", OldContent);
    ASSERT_EQ(::link(Native(path).constData(), Native(docs + "/second.html").constData()), 0);
    SaveStream stream(path, backups);
    ASSERT_EQ(Named(stream.Open()), "None");
    {
        const FileSizeLimit limit(64 * 1024);
        EXPECT_EQ(Named(stream.Reserve(128 * 1024)), "TooLarge");
    }
    stream.Write(NewContent);
    EXPECT_EQ(Named(stream.Commit()), "TooLarge");
    EXPECT_EQ(Content(path), OldContent);
    EXPECT_EQ(Entries(backups), QStringList());
}

TEST_F(SaveStreamTest, RoomTakenAheadForASaveThatIsDroppedGoesBackToTheDisk)
{
    const QString path = Write(docs + "/page.html", OldContent);
    ASSERT_EQ(::link(Native(path).constData(), Native(docs + "/second.html").constData()), 0);
    SaveStream stream(path, backups);
    ASSERT_EQ(Named(stream.Open()), "None");
    ASSERT_EQ(Named(stream.Reserve(64 * 1024 * 1024)), "None");
    stream.Cancel();
    struct stat info;
    ASSERT_EQ(::stat(Native(path).constData(), &info), 0);
    EXPECT_LT(info.st_blocks * 512, 1024 * 1024) << "the file keeps no room beyond its end";
    EXPECT_EQ(Content(path), OldContent);
    EXPECT_EQ(Entries(backups), QStringList());
}

} // namespace
