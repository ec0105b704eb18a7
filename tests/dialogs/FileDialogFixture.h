#pragma once

#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadCodes.h"
#include "app/documents/mdlFile.h"
#include "app/dialogs/MwFSOControls.h"
#include "platform/components/Registry.h"
#include "platform/dialogs/MessageBox.h"
#include "tests/LoadedProgram.h"
#include "tests/TempFolder.h"
#include "tests/TempRegistry.h"

#include <QAbstractItemView>
#include <QAction>
#include <QDialog>
#include <QFile>
#include <QTest>
#include <QToolBar>

#include <functional>

// The loaded program with a component registry of its own, for the Open and Save dialogs. The registry
// stays empty, so the dialogs load without their MwFSO controls, unless a test asks for the controls.
class FileDialogFixture : public LoadedProgram {
protected:
    // Registers the built MwFSO library; false when it is not built (yet) or lacks the dialogs' controls.
    bool RegisterControls()
    {
        const QString library = QStringLiteral(VELLICOR_PROGRAM_FOLDER "/MwFSO.so");
        return QFile::exists(library) && registry.Register(library) &&
               platform::components::FindClassRegistration(MwFSOControls::CLSID_MwFSOCombo) &&
               platform::components::FindClassRegistration(MwFSOControls::CLSID_MwFSOList);
    }

    // Runs `show`, which shows a dialog modal as the main window does, with `act` standing in for the
    // user while the dialog is shown; returns what `show` returns.
    template <typename Show>
    static auto Showing(const std::function<void()> &act, Show show)
    {
        platform::dialogs::SetDialogHook([&](QDialog &shown) {
            shown.setResult(0);
            shown.show();
            act();
            const int result = shown.result();
            shown.hide();
            return result;
        });
        auto result = show();
        platform::dialogs::SetDialogHook(nullptr);
        return result;
    }

    // Shows `dialog` modal, `act` standing in for the user; returns the modal result.
    static int ShowModal(QDialog &dialog, const std::function<void()> &act)
    {
        return Showing(act, [&] { return platform::dialogs::ShowModal(dialog); });
    }

    // Presses the dialog's tool bar button with this key.
    static void PressButton(QToolBar *toolBar, const QString &key)
    {
        for (QAction *action : toolBar->actions())
            if (action->objectName() == key)
                action->trigger();
    }

    // The shown view of the pane's file list control and its row that shows `name`.
    static QAbstractItemView *ListView(QWidget *pane)
    {
        for (QAbstractItemView *view : pane->findChildren<QAbstractItemView *>())
            if (view->isVisible())
                return view;
        return nullptr;
    }
    static QModelIndex Row(QAbstractItemView *view, const QString &name)
    {
        const QModelIndexList found =
            view->model()->match(view->model()->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
        return found.value(0);
    }
    // Clicks the row, then double-clicks it, as the user would.
    static void DoubleClick(QAbstractItemView *view, const QModelIndex &row)
    {
        const QPoint at = view->visualRect(row).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    }

    // Index of the code page with this short name in the code-page combos.
    static int CodeEntry(const QString &shortName)
    {
        for (int i = 1; i <= mdlLoad::Codes.count(); ++i)
            if (mdlLoad::Codes[i].Title == shortName)
                return i - 1;
        return -1;
    }

    TempRegistry registry;
    TempFolder files;
};
