#pragma once

#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadStart.h"
#include "app/mainwindow/frmMain.h"
#include "platform/application/Application.h"
#include "tests/TempFolder.h"

#include <QApplication>
#include <QSize>
#include <QTemporaryDir>

// The program in this process on a copy of the built program folder with a window table of its own: the
// start-up loader run without a new document and the main window shown, as after a start without a
// command line.
class InProcessProgram {
public:
    // `size` is the main window's; an empty one keeps the size that the settings give it.
    explicit InProcessProgram(const QSize &size = QSize())
    {
        qputenv("VELLICOR_WINDOW_TABLE", folder_.path().toUtf8());
        TempFolder::CopyTree(QStringLiteral(VELLICOR_PROGRAM_FOLDER), folder_.path());
        platform::application::SetPath(folder_.path());
        mdlLoad::InitPathsAndLoad();
        mdlLoad::FileCreat = false;
        if (!size.isEmpty())
            forms::frmMain->resize(size);
        forms::frmMain->show();
        mdlLoad::ProgramLoaded = true;
        QApplication::processEvents();
    }

    // Removes the program's folder, for a run that ends without unwinding.
    void RemoveFolder() { folder_.remove(); }

    InProcessProgram(const InProcessProgram &) = delete;
    InProcessProgram &operator=(const InProcessProgram &) = delete;

private:
    QTemporaryDir folder_;
};
