#pragma once

#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadStart.h"
#include "app/dialogs/frmFileNew.h"
#include "app/dialogs/frmFileOpen.h"
#include "app/dialogs/frmFileSave.h"
#include "app/dialogs/frmMoney.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/mainwindow/frmMain.h"
#include "platform/application/Application.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/editor/Editor.h"
#include "tests/TempFolder.h"
#include "tests/documents/DocumentStatePrinting.h"

#include <QCoreApplication>
#include <QEvent>
#include <QList>

#include <gtest/gtest.h>

// Destroys the document windows, the file dialogs and the frame without asking anything, and empties
// the document table.
inline void UnloadProgramWindows()
{
    for (int i = 1; i <= mdlFile::Documents.count(); ++i) {
        if (frmContent *document = mdlFile::Documents[i]) {
            document->Unload();
            mdlFile::Documents[i] = nullptr;
        }
    }
    forms::frmFileNew.unload();
    forms::frmFileOpen.unload();
    forms::frmFileSave.unload();
    forms::frmMoney.unload();
    // Before the frame goes, so that its close does not run the exit routine.
    mdlLoad::ProgramLoaded = false;
    forms::frmMain.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    mdlFile::ClearDocuments();
}

// Runs the start-up loader on the program folder that the application's path names and shows the main
// window, as after a start without a command line, but without a new document.
inline frmMain *LoadProgramWindows()
{
    mdlLoad::FileCreat = false;
    mdlLoad::InitPathsAndLoad();
    mdlLoad::FileCreat = false; // no new document of the configured kind: each test makes its own
    frmMain *main = forms::frmMain.get();
    main->show();
    mdlLoad::ProgramLoaded = true;
    return main;
}

// The program's windows in this process on a program folder of their own: the shipped data copied to a
// temporary folder, the start-up loader run and the main window shown, as after a start without a
// command line. Message boxes are recorded and answered from `answers` in turn (vbNo once it runs dry).
class LoadedProgram : public testing::Test {
protected:
    void SetUp() override
    {
        TempFolder::CopyTree(QStringLiteral(VELLICOR_SOURCE_DIR "/data"), folder.path());
        platform::application::SetPath(folder.path());
        platform::dialogs::SetMessageBoxHook([this](const platform::dialogs::MessageBoxCall &call) {
            boxes.append(call);
            return answers.isEmpty() ? platform::dialogs::vbNo : answers.takeFirst();
        });
        start();
    }

    static void start() { LoadProgramWindows(); }

    // A dialog hook that the test set goes first, before the windows it may stand in for.
    void TearDown() override
    {
        platform::dialogs::SetDialogHook(nullptr);
        UnloadProgramWindows();
        platform::dialogs::SetMessageBoxHook(nullptr);
        platform::application::SetPath(QString());
    }

    static frmMain *main() { return forms::frmMain.get(); }
    static frmContent *document(int number) { return mdlFile::Documents[number]; }
    static const mdlFile::DocumentRecord &record(int number) { return mdlFile::DocumentRecords[number]; }

    // A new empty HTML document, as the New command makes it, once the events it posts have run; its number.
    static int createDocument()
    {
        mdlFile::NewDocumentEmpty("new", "html", "HTML", false);
        QCoreApplication::processEvents();
        return mdlFile::DocumentCount();
    }

    // Types `text` at the caret, as the user does, so that the document counts as changed.
    static void type(int number, const QString &text)
    {
        document(number)->PasteText(text);
        document(number)->txtContent->FlushChange();
    }

    TempFolder folder;
    QList<int> answers;
    QList<platform::dialogs::MessageBoxCall> boxes;
};
