#pragma once

#include "app/core/mdlLoad.h"
#include "app/dialogs/MwFSOHost.h"
#include "app/dialogs/TwipLayout.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/mainwindow/frmMain.h"
#include "platform/editor/Editor.h"
#include "platform/widgets/MultiRowTabStrip.h"
#include "tests/LoadedProgram.h"
#include "tests/TempFolder.h"
#include "tests/TempRegistry.h"

#include <QDir>

// The loaded program whose main window hosts MwFSO's controls in its file panel, from a component
// registry of its own; the window is 900 by 700 pixels.
class WorkPanelFixture : public LoadedProgram {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(registry.Register(QStringLiteral(VELLICOR_PROGRAM_FOLDER "/MwFSO.so")));
        LoadedProgram::SetUp();
        resizeMain(900, 700);
        ASSERT_TRUE(main()->cmbDrive->Created() && main()->trvDir->Created() && main()->lstDirFiles->Created());
    }

    // A folder of the test's own, ending with "/".
    QString folder(const QString &name) const
    {
        QDir().mkpath(files.path(name));
        return QDir(files.path(name)).canonicalPath() + u'/';
    }

    // A new document with `text`, active.
    frmContent *newDocument(const QString &text = QString())
    {
        mdlFile::NewDocumentEmpty(QStringLiteral("new"), QStringLiteral("html"), QString(), false);
        frmContent *document = mdlFile::OpenDocumentWindow(main()->ActiveFileIndex);
        if (document)
            document->txtContent->SetText(text);
        return document;
    }

    static QRect rect(const QWidget *widget) { return TwipLayout::Rect(widget); }

    // Resizes the main window and lets its layout follow, as the event loop would.
    static void resizeMain(int width, int height)
    {
        main()->resize(width, height);
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    TempRegistry registry;
    TempFolder files;
};
