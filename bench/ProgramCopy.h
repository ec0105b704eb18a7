#pragma once

#include "tests/TempFolder.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

// A copy of the built program folder in a scratch folder, for copies of the program started as processes:
// a window table and a component registry of their own, MwFSO registered there, and the offscreen
// platform when there is no display.
class ProgramCopy {
public:
    ProgramCopy()
    {
        TempFolder::CopyTree(QStringLiteral(VELLICOR_PROGRAM_FOLDER), folder());
        const QString table = filePath(QStringLiteral("windows"));
        QDir().mkpath(table);
        qputenv("VELLICOR_WINDOW_TABLE", table.toUtf8());
        qputenv("VELLICOR_COMPONENT_REGISTRY", filePath(QStringLiteral("components.json")).toUtf8());
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QProcess::execute(folder() + QStringLiteral("/regsvr"), {folder() + QStringLiteral("/MwFSO.so")});
    }

    ProgramCopy(const ProgramCopy &) = delete;
    ProgramCopy &operator=(const ProgramCopy &) = delete;

    // The program folder.
    QString folder() const { return filePath(QStringLiteral("program")); }
    QString executable() const { return folder() + QStringLiteral("/Vellicor"); }
    // A file or folder of the scratch folder, beside the program folder.
    QString filePath(const QString &name) const { return scratch_.filePath(name); }

private:
    QTemporaryDir scratch_;
};
