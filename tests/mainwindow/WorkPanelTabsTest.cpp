#include "app/core/mdlLoad.h"
#include "app/mainwindow/frmMain.h"
#include "platform/widgets/MultiRowTabStrip.h"
#include "tests/AccessibleTree.h"
#include "tests/LoadedProgram.h"
#include "tests/TempRegistry.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The work panel's page tabs in the main window as it starts: its default size, the panel at its default
// width, MwFSO's controls on the file page.
class WorkPanelTabs : public LoadedProgram {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(registry.Register(QStringLiteral(VELLICOR_PROGRAM_FOLDER "/MwFSO.so")));
        LoadedProgram::SetUp();
        QCoreApplication::processEvents();
    }

    static QList<QWidget *> pages()
    {
        return {main()->picServiseFile, main()->picServisePhrase, main()->picServiseColor, main()->picServiseSymbol};
    }

    // The pages shown, by their tab's position.
    static QList<int> shownPages()
    {
        QList<int> shown;
        for (int page = 1; page <= 4; ++page)
            if (pages()[page - 1]->isVisible())
                shown << page;
        return shown;
    }

    static void click(int position)
    {
        MultiRowTabStrip *tabs = main()->sstServise;
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->TabRect(position).center());
        QCoreApplication::processEvents();
    }

    TempRegistry registry;
};

TEST_F(WorkPanelTabs, EveryTabReachesItsPageFromEveryOtherAtTheStartSize)
{
    ASSERT_TRUE(main()->isMaximized()) << "the start without a setting.ini";
    MultiRowTabStrip *tabs = main()->sstServise;
    ASSERT_GT(tabs->TabRect(1).top() + tabs->TabRect(2).top() + tabs->TabRect(3).top() + tabs->TabRect(4).top(), 0)
        << "the default width stands the tabs in more than one row";
    for (int shown = 1; shown <= 4; ++shown) {
        for (int clicked = 1; clicked <= 4; ++clicked) {
            click(shown);
            ASSERT_EQ(shownPages(), QList<int>{shown}) << shown;
            click(clicked);
            EXPECT_EQ(tabs->SelectedPosition(), clicked) << shown << " shown, " << clicked << " clicked";
            EXPECT_EQ(mdlLoad::PanelServis, clicked) << shown << " shown, " << clicked << " clicked";
            EXPECT_EQ(shownPages(), QList<int>{clicked}) << shown << " shown, " << clicked << " clicked";
        }
    }
}

// As a screen reader walks the main window: the work panel's pages are a tab list like the tag groups'
// and the documents' strips, and pressing a page tab shows its page.
TEST_F(WorkPanelTabs, AssistiveTechnologyFindsAndChoosesThePagesLikeTheOtherTabStrips)
{
    QList<QAccessibleInterface *> lists;
    Collect(QAccessible::queryAccessibleInterface(main()), QAccessible::PageTabList, lists);
    QList<QStringList> names;
    QStringList lines; // for a failure's message
    for (QAccessibleInterface *list : lists) {
        names << TabNames(list);
        lines << TabNames(list).join(u',');
    }
    const QStringList workPanel{"Выбор файлов", "Дерево автотекста", "Дерево цветов", "Дерево символов"};
    QStringList tagGroups;
    for (const NamedList &group : mdlLoad::Panels)
        tagGroups << group.Title;
    EXPECT_TRUE(names.contains(workPanel)) << lines.join(u';').toStdString();
    EXPECT_TRUE(names.contains(tagGroups)) << lines.join(u';').toStdString();
    EXPECT_TRUE(names.contains(QStringList{"файлов нет"})) << lines.join(u';').toStdString();

    QAccessibleInterface *panel = lists.value(int(names.indexOf(workPanel)));
    ASSERT_NE(panel, nullptr);
    for (const int position : {3, 4, 1, 2}) {
        QAccessibleInterface *tab = panel->child(position - 1);
        tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
        EXPECT_EQ(shownPages(), QList<int>{position}) << position;
        EXPECT_EQ(mdlLoad::PanelServis, position);
        for (int i = 0; i < panel->childCount(); ++i)
            EXPECT_EQ(panel->child(i)->state().selected, i == position - 1) << position << " " << i;
    }
}

} // namespace
