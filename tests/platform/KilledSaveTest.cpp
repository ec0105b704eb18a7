#include "platform/files/SaveBackups.h"
#include "platform/files/SaveStream.h"

#include "tests/CaseNames.h"
#include "tests/platform/HalfWaySave.h"
#include "tests/platform/SavedFiles.h"
#include "tests/TempFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QRandomGenerator>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform::files;

namespace {

constexpr qsizetype PageBytes = 100 * 1024 * 1024;
constexpr int Kills = 6;

// A page of `bytes` whose every megabyte differs, marked with `mark`, so that a mix of two pages or a
// part of one is never taken for a whole one.
QByteArray Page(char mark)
{
    QByteArray page(PageBytes, mark);
    for (qsizetype at = 0; at < page.size(); at += 1024 * 1024)
        page.replace(at, 16, QByteArray::number(at).rightJustified(16, '0'));
    return page;
}

void Lay(const QString &path, const QByteArray &bytes, bool linked)
{
    QFile::remove(path + ".link");
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(out.write(bytes), bytes.size());
    out.close();
    if (linked) {
        ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(path + ".link").constData()), 0);
    }
}

// Saves `bytes` as `path` in a process of its own, a megabyte at a time, as the program streams a page.
pid_t StartSave(const QString &path, const QString &backups, const QByteArray &bytes)
{
    const pid_t child = fork();
    if (child != 0)
        return child;
    SaveStream stream(path, backups);
    if (stream.Open() != FileError::None)
        _exit(1);
    for (qsizetype at = 0; at < bytes.size(); at += 1024 * 1024)
        stream.Write(QByteArrayView(bytes).sliced(at, qMin<qsizetype>(1024 * 1024, bytes.size() - at)));
    _exit(stream.Commit() == FileError::None ? 0 : 2);
}

int Finish(pid_t child)
{
    int status = 0;
    EXPECT_EQ(waitpid(child, &status, 0), child);
    return status;
}

// The backup in `backups` whose record names `path` and that holds `old` whole.
bool OldInRecordedBackup(const QString &backups, const QString &path, const QByteArray &old)
{
    for (const QString &record : QDir(backups).entryList({"*.bak.path"}, QDir::Files)) {
        const QString backup = backups + u'/' + record.chopped(5);
        if (ReadBackupRecord(backups + u'/' + record) == path && QFileInfo(backup).size() == old.size() &&
            Content(backup) == old)
            return true;
    }
    return false;
}

class KilledSave : public testing::TestWithParam<SaveWay> {};

// The file keeps the old bytes or takes the new ones whole; written in place, it may hold neither only
// while the backup whose record names it holds the old ones whole.
TEST_P(KilledSave, AtAnyMomentLeavesTheOldOrTheNewContentWholeOrTheOldInItsRecordedBackup)
{
    const bool inPlace = GetParam() == SaveWay::InPlace;
    const TempFolder root;
    const QString backups = root.path("tmp");
    QDir().mkpath(backups);
    const QString path = root.path("docs/index.html");
    QDir().mkpath(root.path("docs"));
    const QByteArray old = Page('o');
    const QByteArray fresh = Page('n');

    Lay(path, old, inPlace);
    QElapsedTimer timer;
    timer.start();
    ASSERT_EQ(Finish(StartSave(path, backups, fresh)), 0);
    const qint64 lengthMs = timer.elapsed();
    ASSERT_EQ(Content(path), fresh);

    int kept = 0, taken = 0, inBackup = 0, lost = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        QDir(backups).removeRecursively();
        QDir().mkpath(backups);
        Lay(path, old, inPlace);
        const pid_t child = StartSave(path, backups, fresh);
        const qint64 delay = QRandomGenerator::global()->bounded(lengthMs + 1);
        QThread::msleep(quint64(delay));
        ::kill(child, SIGKILL);
        Finish(child);
        const QByteArray now = Content(path);
        if (now == old)
            ++kept;
        else if (now == fresh)
            ++taken;
        else if (inPlace && OldInRecordedBackup(backups, path, old))
            ++inBackup;
        else
            ADD_FAILURE() << "killed at " << delay << " ms of " << lengthMs << ": the old content is lost" << ++lost;
    }
    std::printf("%s: %d kills within a %lld ms save of 100 MB: old %d, new %d, old in the backup %d, lost %d\n",
                inPlace ? "in place" : "replacing", Kills, qint64(lengthMs), kept, taken, inBackup, lost);
    EXPECT_EQ(lost, 0);

    // A save let finish removes what the killed ones left beside the file.
    ASSERT_EQ(Finish(StartSave(path, backups, fresh)), 0);
    EXPECT_EQ(QDir(root.path("docs")).entryList(QDir::Files | QDir::Hidden),
              inPlace ? (QStringList{"index.html", "index.html.link"}) : QStringList{"index.html"});
}

INSTANTIATE_TEST_SUITE_P(Ways, KilledSave, testing::Values(SaveWay::Replace, SaveWay::InPlace),
                         casenames::Named([](SaveWay way) { return Named(way); }));

// Two files of one name in two folders, both killed while written in place, each in a process of its own:
// two backups, each with the record that names its own file.
TEST(KilledSaves, OfFilesOfOneNameLeaveTwoBackupsEachNamingItsFile)
{
    const TempFolder root;
    const QString backups = root.path("tmp");
    QDir().mkpath(backups);
    const QByteArray large(1024 * 1024, 'n');
    QMap<QString, QByteArray> olds;
    for (const QString &folder : {QStringLiteral("one"), QStringLiteral("two")}) {
        QDir().mkpath(root.path(folder));
        const QString path = root.path(folder + "/index.html");
        olds[path] = "the old content of " + folder.toUtf8();
        Lay(path, olds[path], true);
        const int status = KillSaveHalfWay(path, backups, large);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
    }
    EXPECT_EQ(QDir(backups).entryList(QDir::Files),
              (QStringList{"index.html.2.bak", "index.html.2.bak.path", "index.html.bak", "index.html.bak.path"}));
    for (auto old = olds.cbegin(); old != olds.cend(); ++old) {
        EXPECT_EQ(Content(old.key()), large.first(large.size() / 2));
        EXPECT_TRUE(OldInRecordedBackup(backups, old.key(), old.value())) << old.key().toStdString();
    }
}

} // namespace
