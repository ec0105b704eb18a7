#include "app/core/mdlLoad.h"
#include "app/dialogs/frmFileNew.h"
#include "app/dialogs/frmFileOpen.h"
#include "app/documents/frmContent.h"
#include "app/mainwindow/frmMain.h"
#include "platform/widgets/TabStrip.h"
#include "platform/widgets/ToolBar.h"
#include "tests/AccessibleTree.h"
#include "tests/LoadedProgram.h"

#include <QAccessible>
#include <QAbstractButton>
#include <QAccessibleActionInterface>
#include <QMdiSubWindow>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The program's windows as a screen reader meets them.
class AccessibleNames : public LoadedProgram {
protected:
    // Every button that shows on the window: its name, the tip the mouse would show and its caption.
    struct Button {
        QString name, tip, caption;
    };
    static QList<Button> Buttons(QWidget *window)
    {
        QList<QAccessibleInterface *> found;
        Collect(QAccessible::queryAccessibleInterface(window), QAccessible::Button, found);
        QList<Button> buttons;
        for (QAccessibleInterface *button : found) {
            auto *widget = qobject_cast<QAbstractButton *>(button->object());
            if (widget && !button->state().invisible)
                buttons.append({button->text(QAccessible::Name), widget->toolTip(), widget->text()});
        }
        return buttons;
    }

    // Switches the tag panel on from the View menu, unless the settings showed it at the start.
    static void ShowTagPanel()
    {
        if (!main()->mnuView_ToolBar_Tegs->isChecked())
            main()->mnuView_ToolBar_Tegs->trigger();
    }
};

// The tag buttons show only their pictures: each is named by its tip, in every group the user chooses.
TEST_F(AccessibleNames, EveryTagButtonIsNamedByItsTip)
{
    ShowTagPanel();
    ASSERT_TRUE(main()->tlbTegs->isVisible());
    TabStrip *groups = main()->tbsTegs;
    ASSERT_GE(groups->Count(), 2);
    for (int group = 1; group <= groups->Count(); ++group) {
        QTest::mouseClick(groups, Qt::LeftButton, {}, groups->tabRect(group - 1).center());
        QCoreApplication::processEvents();
        const QList<Button> buttons = Buttons(main()->tlbTegs);
        EXPECT_FALSE(buttons.isEmpty()) << group;
        for (const Button &button : buttons) {
            EXPECT_FALSE(button.tip.isEmpty()) << group;
            EXPECT_EQ(button.name, button.tip) << group;
        }
        if (group == 1 && buttons.size() >= 3) {
            EXPECT_EQ((QStringList{buttons[0].name, buttons[1].name, buttons[2].name}),
                      (QStringList{"Полужирный <b>", "Курсив <i>", "Подчёркнутый <u>"}));
        }
    }
}

// No button of the main window or of the Open dialog is nameless: one that shows only a picture is
// named by its tip.
TEST_F(AccessibleNames, EveryButtonOfTheWindowsHasAName)
{
    ShowTagPanel();
    for (QWidget *window : std::initializer_list<QWidget *>{main(), forms::frmFileOpen.get()}) {
        window->show();
        for (const Button &button : Buttons(window)) {
            EXPECT_FALSE(button.name.isEmpty()) << window->windowTitle().toStdString() << ", tip "
                                                << button.tip.toStdString();
            if (button.caption.isEmpty() && !button.tip.isEmpty()) {
                EXPECT_EQ(button.name, button.tip) << window->windowTitle().toStdString();
            }
        }
    }
}

// Each tab list says which strip it is, whatever tab is selected.
TEST_F(AccessibleNames, EveryTabListIsNamedAsTheStripItIs)
{
    QStringList tagGroups;
    for (const NamedList &group : mdlLoad::Panels)
        tagGroups << group.Title;
    const struct Case {
        QWidget *window;
        const char *name;
        QStringList tabs;
    } cases[] = {
        {main(), "Рабочая панель", {"Выбор файлов", "Дерево автотекста", "Дерево цветов", "Дерево символов"}},
        {main(), "Панель тегов", tagGroups},
        {main(), "Перечень файлов", {"файлов нет"}},
        {forms::frmFileOpen.get(), "Списки файлов", {"На диске", "Журнал"}},
        {forms::frmFileNew.get(), "Виды файлов", {"Стандартные", "Шаблоны"}},
    };
    for (const Case &c : cases) {
        QList<QAccessibleInterface *> lists;
        Collect(QAccessible::queryAccessibleInterface(c.window), QAccessible::PageTabList, lists);
        QStringList shown; // for a failure's message
        QAccessibleInterface *named = nullptr;
        for (QAccessibleInterface *list : lists) {
            shown << list->text(QAccessible::Name) + u':' + TabNames(list).join(u',');
            if (list->text(QAccessible::Name) == QString::fromUtf8(c.name))
                named = list;
        }
        ASSERT_NE(named, nullptr) << c.name << " among " << shown.join(u';').toStdString();
        EXPECT_EQ(TabNames(named), c.tabs) << c.name;
    }
}

// Pressing a document's tab, as assistive technology does, is the user's click on it: the document
// becomes the active one and comes back into sight from its minimised window.
TEST_F(AccessibleNames, PressingADocumentsTabIsTheUsersClickOnIt)
{
    createDocument();
    createDocument();
    ASSERT_EQ(main()->ActiveFileIndex, 2);
    document(1)->subWindow->showMinimized();
    QAccessibleInterface *tabs = QAccessible::queryAccessibleInterface(main()->tbsFiles);
    ASSERT_EQ(TabNames(tabs).size(), 2);
    QAccessibleInterface *first = tabs->child(0);
    ASSERT_EQ(first->role(), QAccessible::PageTab);
    ASSERT_EQ(first->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});

    first->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(main()->ActiveFileIndex, 1);
    EXPECT_FALSE(document(1)->subWindow->isMinimized());
    EXPECT_TRUE(first->state().selected);
    EXPECT_FALSE(tabs->child(1)->state().selected);
}

} // namespace
