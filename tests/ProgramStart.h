#pragma once

#include "app/mainwindow/frmMain.h"
#include "platform/application/Application.h"
#include "platform/dialogs/MessageBox.h"
#include "tests/LoadedProgram.h"
#include "tests/TempFolder.h"
#include "tests/TempRegistry.h"

#include <QDialog>

#include <gtest/gtest.h>

// The whole start of a first copy, run in this process by the main window's load handler on a program
// folder of its own (the shipped data), with MwFSO registered for the dialogs' controls. Modal dialogs are
// cancelled.
class ProgramStart : public testing::Test {
protected:
    void SetUp() override
    {
        TempFolder::CopyTree(QStringLiteral(VELLICOR_SOURCE_DIR "/data"), folder.path());
        registry.Register(QStringLiteral(VELLICOR_PROGRAM_FOLDER "/MwFSO.so"));
        platform::application::SetPath(folder.path());
        platform::dialogs::SetDialogHook([](QDialog &) { return int(QDialog::Rejected); });
    }

    void TearDown() override
    {
        UnloadProgramWindows();
        platform::dialogs::SetDialogHook(nullptr);
        platform::application::SetPath(QString());
    }

    static frmMain *start()
    {
        frmMain *main = forms::frmMain.get();
        main->MDIForm_Load();
        return main;
    }

    TempFolder folder;
    TempRegistry registry;
};
