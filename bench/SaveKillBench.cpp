// Kills a 100 MB save at random moments and looks at what is left. Each run starts this program again as
// a child that opens the page in the program's own windows (offscreen), types one character and saves it
// the way Ctrl+S does; the child is killed (SIGKILL) at a random moment within the save's length,
// measured first by a save that is let finish. After each kill the file must hold the old content or the
// new one, byte for byte; written in place (the file has a second hard link), it may hold part of the new
// content only while the old one is whole in a backup in tmp/ whose record names the file (the backup the
// next start offers to put back).
// Run by hand: build/bench/SaveKillBench [kills per way] [megabytes]
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/documents/mdlFileSave.h"
#include "app/mainwindow/frmMain.h"
#include "bench/InProcessProgram.h"
#include "bench/LargePage.h"
#include "platform/editor/Editor.h"
#include "platform/files/SaveBackups.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <Qsci/qsciscintilla.h>

#include <cstdio>
#include <csignal>
#include <unistd.h>

namespace {

// The child: opens `path`, types "x" at its start, says "saving", saves, says "saved".
int SaveInChild(int argc, char **argv, const QString &path)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InProcessProgram program;
    std::printf("tmp %s\n", qPrintable(mdlLoad::TmpFolder));
    if (!mdlFile::OpenDocumentFile(path, QFileInfo(path).fileName(), 0, 0))
        return 1;
    const int n = mdlFile::DocumentCount();
    frmContent *document = mdlFile::Documents[n];
    document->txtContent->Control()->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, 0UL, "x");
    document->txtContent->FlushChange();
    std::printf("saving\n");
    std::fflush(stdout);
    const bool saved = mdlFile::WriteDocumentFile(n, forms::frmMain.get()).written();
    std::printf(saved ? "saved\n" : "failed\n");
    std::fflush(stdout);
    program.RemoveFolder();
    _exit(saved ? 0 : 1);
}

QByteArray Digest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&file);
    return hash.result();
}

struct Outcome {
    int old = 0, fresh = 0, oldInBackup = 0, lost = 0;
};

class Child {
public:
    explicit Child(const QString &path)
    {
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), path});
    }
    // Reads the child's lines until one starts with `prefix`; the rest of that line.
    QString WaitFor(const QString &prefix)
    {
        while (process_.state() != QProcess::NotRunning || process_.canReadLine()) {
            if (!process_.canReadLine() && !process_.waitForReadyRead(100))
                continue;
            const QString line = QString::fromUtf8(process_.readLine()).trimmed();
            if (line.startsWith(prefix)) {
                tmp_ = line.startsWith(QStringLiteral("tmp ")) ? line.mid(4) : tmp_;
                return line.mid(prefix.size());
            }
        }
        return QStringLiteral("(gone)");
    }
    void Kill()
    {
        ::kill(pid_t(process_.processId()), SIGKILL);
        process_.waitForFinished();
    }
    void Finish() { process_.waitForFinished(-1); }
    // The child's program folder, which a killed child leaves behind.
    QString Tmp() const { return tmp_; }

private:
    QProcess process_;
    QString tmp_;
};

// One way: the page as `page`, a second hard link to it when `inPlace`.
Outcome KillSaves(const QString &folder, bool inPlace, int kills, const QByteArray &original)
{
    const QString page = folder + QStringLiteral("/big.html");
    const QString second = folder + QStringLiteral("/second name.html");
    const auto lay = [&] {
        QFile::remove(second);
        QFile out(page);
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        out.write(original);
        out.close();
        if (inPlace)
            ::link(QFile::encodeName(page).constData(), QFile::encodeName(second).constData());
    };
    const QByteArray oldDigest = QCryptographicHash::hash(original, QCryptographicHash::Sha1);
    const QByteArray newDigest = QCryptographicHash::hash("x" + original, QCryptographicHash::Sha1);

    // A save let finish gives the length that the kills fall in.
    lay();
    QElapsedTimer timer;
    Child measured(page);
    measured.WaitFor(QStringLiteral("tmp "));
    measured.WaitFor(QStringLiteral("saving"));
    timer.start();
    measured.WaitFor(QStringLiteral("saved"));
    const qint64 lengthMs = timer.elapsed();
    measured.Finish();
    std::printf("%s: a whole save takes %lld ms; %s\n", inPlace ? "in place" : "replacing", qint64(lengthMs),
                Digest(page) == newDigest ? "it wrote the new content" : "IT DID NOT WRITE THE NEW CONTENT");

    Outcome outcome;
    for (int i = 0; i < kills; ++i) {
        lay();
        Child child(page);
        child.WaitFor(QStringLiteral("tmp "));
        child.WaitFor(QStringLiteral("saving"));
        const qint64 delay = QRandomGenerator::global()->bounded(qint64(lengthMs * 11 / 10 + 1));
        QThread::msleep(delay);
        child.Kill();
        const QByteArray digest = Digest(page);
        QString backup;
        for (const QString &name : QDir(child.Tmp()).entryList({QStringLiteral("*.bak")}, QDir::Files))
            if (platform::files::ReadBackupRecord(platform::files::BackupRecordPath(child.Tmp() + name)) == page &&
                Digest(child.Tmp() + name) == oldDigest)
                backup = name;
        const char *what = "LOST: neither the old nor the new content, nor the old in a recorded backup";
        if (digest == oldDigest) {
            what = "the old content";
            ++outcome.old;
        } else if (digest == newDigest) {
            what = "the new content";
            ++outcome.fresh;
        } else if (!backup.isEmpty()) {
            what = "part of the new content, the old one whole in a recorded backup in tmp/";
            ++outcome.oldInBackup;
        } else {
            ++outcome.lost;
        }
        std::printf("  kill %2d at %4lld ms: %s%s\n", i + 1, qint64(delay), what,
                    backup.isEmpty() ? "" : qPrintable(QStringLiteral(" (backup ") + backup + u')'));
        QDir(QFileInfo(child.Tmp() + QStringLiteral("..")).absoluteFilePath()).removeRecursively();
    }
    return outcome;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 2 && QByteArray(argv[1]) == "--child")
        return SaveInChild(argc, argv, QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    const int kills = argc > 1 ? QByteArray(argv[1]).toInt() : 20;
    const qint64 megabytes = argc > 2 ? QByteArray(argv[2]).toLongLong() : 100;
    QTemporaryDir folder;
    const QByteArray original = MakeLargePage(megabytes * 1024 * 1024);
    for (const bool inPlace : {false, true}) {
        const Outcome o = KillSaves(folder.path(), inPlace, kills, original);
        std::printf("%s, %d kills: old content %d, new content %d, restorable from the recorded backup %d, lost %d\n\n",
                    inPlace ? "in place" : "replacing", kills, o.old, o.fresh, o.oldInBackup, o.lost);
    }
    return 0;
}
