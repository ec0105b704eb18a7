#pragma once

#include "tests/HostileListFiles.h"
#include "tests/ProcessStatus.h"
#include "tests/ProgramCopies.h"
#include "tests/ScopedEnvironment.h"
#include "tests/TempFolder.h"
#include "tests/Unprivileged.h"

#include "platform/windows/WindowTable.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <memory>
#include <vector>

#include <grp.h>
#include <unistd.h>

// The real program started on a program folder of its own that holds one hostile list or language file,
// with a small page of the file's language on its command line, as a user starts it: the start has
// reached its main window when the frame's title names the page (the last thing the start does is open
// it) and the window answers a message, and it is then asked to close as the window system asks. Several
// starts run side by side, each with a window table of its own. A start whose file must be unreadable runs
// as the unprivileged user "nobody" when this process is root, since permissions do not bind root.
namespace hostile {

struct Case {
    const ListFile *file;
    Kind kind;
};

struct StartResult {
    // Seconds from the start until the main window, naming the page, answers a message; negative when it
    // never did.
    double toWindow = -1;
    // The most memory the process held when its window came, MiB.
    double peakMiB = 0;
    // It ended, with exit code 0, once asked to close; the seconds that took.
    bool closed = false;
    double toClose = -1;
    // Why not, when it failed: the state it was in and the last words it wrote.
    QString problem;

    bool ok() const { return toWindow >= 0 && closed; }
};

class HostileStarts {
public:
    static constexpr uid_t Nobody = 65534;
    static constexpr unsigned WM_NULL = 0;
    static constexpr unsigned WM_CLOSE = 0x10;

    // `timeoutMs` bounds each start and each close: far above a start's second, met only by a hang.
    explicit HostileStarts(int timeoutMs) : timeoutMs_(timeoutMs)
    {
        // The unprivileged copies must reach their folders through this one.
        QFile::setPermissions(base_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                                QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                QFileDevice::ExeOther);
        QDir().mkpath(bin());
        for (const char *name : {"Vellicor", "PageEngine.so", "MwFSO.so", "regsvr"})
            LinkOrCopy(QStringLiteral(VELLICOR_PROGRAM_FOLDER "/") + QLatin1String(name),
                       bin() + u'/' + QLatin1String(name));
        QProcess regsvr;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VELLICOR_COMPONENT_REGISTRY"), registry());
        regsvr.setProcessEnvironment(env);
        regsvr.setStandardOutputFile(QProcess::nullDevice());
        regsvr.start(bin() + QStringLiteral("/regsvr"), {bin() + QStringLiteral("/MwFSO.so")});
        regsvr.waitForFinished();
        QFile::setPermissions(registry(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }

    // Runs every case, at most `concurrent` at a time; the results in the order of the cases.
    std::vector<StartResult> Run(const std::vector<Case> &cases, int concurrent)
    {
        std::vector<StartResult> results(cases.size());
        std::vector<std::unique_ptr<Running>> running;
        size_t next = 0;
        while (next < cases.size() || !running.empty()) {
            while (next < cases.size() && int(running.size()) < concurrent) {
                running.push_back(Begin(cases[next], next));
                ++next;
            }
            for (auto it = running.begin(); it != running.end();) {
                if (Step(**it)) {
                    results[(*it)->index] = (*it)->result;
                    it = running.erase(it);
                } else {
                    ++it;
                }
            }
            QThread::msleep(5);
        }
        return results;
    }

private:
    enum class Phase { Starting, Closing };

    struct Running {
        size_t index = 0;
        QTemporaryDir folder;
        QString page;
        QProcess process;
        QElapsedTimer clock;
        QDeadlineTimer deadline;
        Phase phase = Phase::Starting;
        StartResult result;
    };

    QString bin() const { return base_.filePath(QStringLiteral("bin")); }
    QString registry() const { return base_.filePath(QStringLiteral("components.json")); }

    // A hard link keeps the program folder the link's own; a copy where the two folders lie apart.
    static void LinkOrCopy(const QString &from, const QString &to)
    {
        if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
            QFile::copy(from, to);
    }

    // Gives the folder and everything in it but the linked program files to "nobody".
    static void GiveToNobody(const QString &root)
    {
        (void)!::chown(QFile::encodeName(root).constData(), Nobody, Nobody);
        QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (QFileInfo(path).dir() == QDir(root) &&
                (it.fileName() == QLatin1String("Vellicor") || it.fileName() == QLatin1String("PageEngine.so")))
                continue;
            (void)!::lchown(QFile::encodeName(path).constData(), Nobody, Nobody);
        }
    }

    // The shipped data: the sources' when they are at hand, else the built program folder's.
    static QString DataFolder()
    {
#ifdef VELLICOR_SOURCE_DIR
        return QStringLiteral(VELLICOR_SOURCE_DIR "/data/");
#else
        return QStringLiteral(VELLICOR_PROGRAM_FOLDER "/");
#endif
    }

    static QString Page(const char *extension)
    {
        const QByteArray ext(extension);
        if (ext == "css")
            return QStringLiteral("body { color: #102030; } /* a note */\r\np.note { margin: 0 }\r\n");
        if (ext == "js" || ext == "php" || ext == "pl")
            return QStringLiteral("// a note\r\nfunction f(a) { if (a > 1) return \"text\"; return 0; }\r\n");
        if (ext == "xml")
            return QStringLiteral("<?xml version=\"1.0\"?>\r\n<list><!-- a note --><item key=\"1\">x</item></list>\r\n");
        if (ext == "txt")
            return QStringLiteral("A few words\r\nof plain text.\r\n");
        return QStringLiteral("<html><head><title>Page</title></head>\r\n<body><!-- a note -->\r\n"
                              "<p class=\"a\">Text &amp; more.</p></body></html>\r\n");
    }

    std::unique_ptr<Running> Begin(const Case &c, size_t index)
    {
        auto run = std::make_unique<Running>();
        run->index = index;
        const QString root = run->folder.path();
        const bool unprivileged = c.kind == Kind::Unreadable && ::geteuid() == 0;
        for (const char *name : {"Vellicor", "PageEngine.so"})
            LinkOrCopy(bin() + u'/' + QLatin1String(name), root + u'/' + QLatin1String(name));
        for (const char *data : {"buttons", "help", "icons", "language", "pattern", "setting"})
            TempFolder::CopyTree(DataFolder() + QLatin1String(data), root + u'/' + QLatin1String(data));
        const QString table = root + QStringLiteral("/.windows");
        for (const char *folder : {".windows", "home", "runtime"})
            QDir().mkpath(root + u'/' + QLatin1String(folder));
        QFile::setPermissions(root + QStringLiteral("/runtime"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        run->page = QStringLiteral("hostile.") + QLatin1String(c.file->page);
        QFile page(root + u'/' + run->page);
        page.open(QIODevice::WriteOnly);
        page.write(Page(c.file->page).toLatin1());
        page.close();

        run->result.problem = Prepare(root, *c.file, c.kind);
        if (!run->result.problem.isEmpty()) {
            run->result.problem.prepend(QStringLiteral("not laid out: "));
            return run;
        }
        if (unprivileged) {
            unprivileged::OpenToEveryone(root);
            GiveToNobody(root);
        }

        QProcessEnvironment env = CopyEnvironment(table, registry());
        env.insert(QStringLiteral("HOME"), root + QStringLiteral("/home"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root + QStringLiteral("/runtime"));
        run->process.setProcessEnvironment(env);
        run->process.setWorkingDirectory(root);
        run->process.setStandardOutputFile(QProcess::nullDevice());
        run->process.setStandardErrorFile(root + QStringLiteral("/home/errors.txt"));
        if (unprivileged)
            run->process.setChildProcessModifier([] {
                if (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
                    ::_exit(126);
            });
        run->clock.start();
        run->deadline = QDeadlineTimer(timeoutMs_);
        run->process.start(root + QStringLiteral("/Vellicor"), {root + u'/' + run->page});
        run->process.waitForStarted();
        return run;
    }

    // While the result lives, this process's window table is the run's own.
    static ScopedEnvironment InTableOf(const Running &run)
    {
        return ScopedEnvironment(
            {{"VELLICOR_WINDOW_TABLE", QFile::encodeName(run.folder.filePath(QStringLiteral(".windows"))).constData()}});
    }

    // The main window of the run's copy once its title names the page; 0 before.
    static platform::windows::Handle MainWindow(const Running &run)
    {
        const ScopedEnvironment table = InTableOf(run);
        platform::windows::Handle window = 0;
        for (const platform::windows::WindowEntry &entry : platform::windows::EnumWindows())
            if (!entry.application && entry.title == run.page + QStringLiteral(" - Marrowin Vellicor"))
                window = entry.handle;
        return window;
    }

    static bool Ask(const Running &run, platform::windows::Handle window, unsigned message)
    {
        const ScopedEnvironment table = InTableOf(run);
        return platform::windows::SendMessage(window, message, 0, 0);
    }

    static void Fail(Running &run, const QString &what)
    {
        EndProcess(run.process);
        QFile errors(run.folder.filePath(QStringLiteral("home/errors.txt")));
        errors.open(QIODevice::ReadOnly);
        const QByteArray said = errors.readAll().right(600).trimmed();
        run.result.problem = what + (said.isEmpty() ? QString() : QStringLiteral("; it wrote: ") + QString::fromLocal8Bit(said));
    }

    // Moves the run on by one look; true once it is over.
    bool Step(Running &run)
    {
        if (!run.result.problem.isEmpty())
            return true;
        const bool ended = run.process.state() == QProcess::NotRunning || run.process.waitForFinished(1);
        if (run.phase == Phase::Starting) {
            if (ended) {
                Fail(run, QStringLiteral("ended before its main window, %1 with code %2")
                              .arg(run.process.exitStatus() == QProcess::CrashExit ? QStringLiteral("crashed")
                                                                                    : QStringLiteral("exited"))
                              .arg(run.process.exitCode()));
                return true;
            }
            if (const platform::windows::Handle window = MainWindow(run)) {
                // The window answers once the program is free to: work left running after the start counts.
                if (!Ask(run, window, WM_NULL)) {
                    Fail(run, QStringLiteral("its main window did not answer"));
                    return true;
                }
                run.result.toWindow = run.clock.nsecsElapsed() / 1e9;
                run.result.peakMiB = PeakBytes(run.process.processId()) / 1048576.0;
                run.phase = Phase::Closing;
                run.deadline = QDeadlineTimer(timeoutMs_);
                run.clock.start();
                if (!Ask(run, window, WM_CLOSE)) {
                    Fail(run, QStringLiteral("its main window did not answer the close"));
                    return true;
                }
                return false;
            }
            if (run.deadline.hasExpired()) {
                Fail(run, QStringLiteral("no main window in %1 s").arg(timeoutMs_ / 1000));
                return true;
            }
            return false;
        }
        if (ended) {
            run.result.closed = run.process.exitStatus() == QProcess::NormalExit && run.process.exitCode() == 0;
            run.result.toClose = run.clock.nsecsElapsed() / 1e9;
            if (!run.result.closed)
                Fail(run, QStringLiteral("closed with %1, code %2")
                              .arg(run.process.exitStatus() == QProcess::CrashExit ? QStringLiteral("a crash")
                                                                                    : QStringLiteral("an exit"))
                              .arg(run.process.exitCode()));
            return true;
        }
        if (run.deadline.hasExpired()) {
            Fail(run, QStringLiteral("still running %1 s after the close").arg(timeoutMs_ / 1000));
            return true;
        }
        return false;
    }

    QTemporaryDir base_;
    int timeoutMs_;
};

} // namespace hostile
