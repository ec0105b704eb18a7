#pragma once

#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/mainwindow/frmMain.h"
#include "platform/editor/Editor.h"
#include "platform/widgets/TabStrip.h"
#include "tests/LoadedProgram.h"
#include "tests/QtPrinting.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <Qsci/qsciscintilla.h>

// The program's windows with documents opened from files of a temporary folder, the frame active, so
// that keys go through the menus' shortcuts, the window's key preview and the editor as a user's do.
class OpenDocuments : public LoadedProgram {
protected:
    void SetUp() override
    {
        LoadedProgram::SetUp();
        main()->resize(900, 700);
        QApplication::setActiveWindow(main());
    }

    // Opens a file holding `bytes`; its syntax language follows the extension. Returns its number.
    int open(const QString &name, const QByteArray &bytes = "text")
    {
        const QString path = files.write(name, bytes);
        EXPECT_TRUE(mdlFile::OpenDocumentFile(path, name, 0, 0));
        settle();
        return mdlFile::DocumentCount();
    }

    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    static platform::editor::Editor *editor(int number) { return document(number)->txtContent; }

    // A key pressed and released on the document's editor, with the focus there.
    static void key(int number, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QsciScintilla *control = editor(number)->Control();
        control->setFocus();
        QTest::keyClick(control, key, modifiers);
        settle();
    }

    static void select(int number, int startLine, int startCol, int endLine, int endCol)
    {
        editor(number)->SetSel({startLine, startCol, endLine, endCol});
    }

    // Opens the Window menu and chooses `item` with the mouse.
    static void chooseInWindowsMenu(QAction *item)
    {
        QMenu *menu = main()->mnuWindows;
        menu->popup(main()->mapToGlobal(QPoint(10, 10)));
        settle();
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        settle();
    }

    // Clicks the document's tab.
    static void clickTab(int number)
    {
        TabStrip *tabs = main()->tbsFiles;
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(record(number).TabIndex - 1).center());
        settle();
    }

    TempFolder files;
};
