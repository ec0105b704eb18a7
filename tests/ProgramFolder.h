#pragma once

#include "tests/ProgramCopies.h"
#include "tests/ScopedEnvironment.h"
#include "tests/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

// A complete program folder of its own in a temporary directory: the built executable, the page engine's
// module and the shipped data, with a window table of its own so that copies started by different tests
// never meet.
class ProgramFolder {
public:
    ProgramFolder()
    {
        TempFolder::CopyTree(QStringLiteral(VELLICOR_SOURCE_DIR "/data"), root.path());
        QFile::remove(root.path("CMakeLists.txt"));
        QFile::copy(QStringLiteral(VELLICOR_EXECUTABLE), executable());
        QFile::copy(QStringLiteral(VELLICOR_PROGRAM_FOLDER "/PageEngine.so"), root.path("PageEngine.so"));
        QDir().mkpath(windowTable());
        // The copy's dialogs find MwFSO's controls through a registry of the folder's own.
        QProcess regsvr;
        regsvr.setProcessEnvironment(environment());
        regsvr.start(QStringLiteral(VELLICOR_PROGRAM_FOLDER "/regsvr"), {QStringLiteral(VELLICOR_PROGRAM_FOLDER "/MwFSO.so")});
        regsvr.waitForFinished();
    }

    QString path(const QString &name = QString()) const { return root.path(name); }
    QString executable() const { return root.path("Vellicor"); }
    QString windowTable() const { return root.path(".windows"); }

    // While the result lives, this process's window table is the folder's: it meets the copies started here.
    ScopedEnvironment useWindowTable() const
    {
        return ScopedEnvironment({{"VELLICOR_WINDOW_TABLE", windowTable().toUtf8().constData()}});
    }

    QProcessEnvironment environment() const { return CopyEnvironment(windowTable(), root.path(".components.json")); }

    // Starts a copy of the program with `arguments`; the caller waits for it.
    void start(QProcess &process, const QStringList &arguments = {}) const
    {
        process.setProcessEnvironment(environment());
        process.setWorkingDirectory(root.path());
        process.start(executable(), arguments);
        process.waitForStarted();
    }

    // The recent files that the last copy to end wrote into setting.ini, oldest first.
    QStringList recentFiles() const
    {
        QStringList files;
        for (const QString &line : QString::fromUtf8(root.read("setting.ini")).split("\r\n"))
            if (line.startsWith("file="))
                files.append(line.mid(5));
        return files;
    }

    // Lists a main window titled `title` in the folder's window table for process `pid`, as a copy lists
    // its windows; whether anything answers for it is the caller's.
    void listWindow(qint64 pid, const QString &title) const
    {
        root.write(QStringLiteral(".windows/%1.windows").arg(pid),
                   QStringLiteral("%1\tW\t%2\n").arg(pid * 256 + 1).arg(title).toUtf8());
    }

    TempFolder root;
};
