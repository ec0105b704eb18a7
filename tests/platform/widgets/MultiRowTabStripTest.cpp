#include "platform/widgets/MultiRowTabStrip.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QTest>

#include <functional>

#include <gtest/gtest.h>

namespace {

// The work panel's four pages, in a strip of the given width.
class TabRows : public testing::Test {
protected:
    void SetUp() override
    {
        strip.Add(1, "files", "Выбор файлов");
        strip.Add(2, "phrase", "Дерево автотекста");
        strip.Add(3, "color", "Дерево цветов");
        strip.Add(4, "symbol", "Дерево символов");
        strip.show();
    }

    void shape(int width)
    {
        strip.setGeometry(10, 20, width, 400);
    }

    // Gives the strip the first width at which its tabs stand in `wanted` rows.
    bool shapeInRows(int wanted)
    {
        for (int width = 40; width <= 1200; width += 2) {
            shape(width);
            if (rows() == wanted)
                return true;
        }
        return false;
    }

    int rows() const
    {
        QList<int> tops;
        for (int position = 1; position <= strip.Count(); ++position)
            if (!tops.contains(strip.TabRect(position).top()))
                tops.append(strip.TabRect(position).top());
        return int(tops.size());
    }

    MultiRowTabStrip strip;
};

TEST_F(TabRows, EveryCaptionFitsItsTabAndNoTabsOverlapWhateverTheWidth)
{
    for (const int width : {100, 150, 250, 400, 900}) {
        shape(width);
        for (int position = 1; position <= strip.Count(); ++position) {
            const QRect tab = strip.TabRect(position);
            EXPECT_TRUE(strip.rect().contains(tab)) << width << " " << position;
            for (const QString &word : strip.Caption(position).split(u' '))
                EXPECT_LE(strip.fontMetrics().horizontalAdvance(word), tab.width()) << width << " " << position;
            for (int other = position + 1; other <= strip.Count(); ++other)
                EXPECT_FALSE(tab.intersects(strip.TabRect(other))) << width << " " << position << " " << other;
        }
    }
}

TEST_F(TabRows, ANarrowStripStacksItsTabsInRowsAndAWideOneKeepsOneRow)
{
    shape(900);
    EXPECT_EQ(rows(), 1);
    shape(100);
    EXPECT_EQ(rows(), 4);
}

TEST_F(TabRows, TheSelectedTabsRowStandsNextToTheClientArea)
{
    shape(100);
    for (int position = 1; position <= strip.Count(); ++position) {
        strip.Select(position);
        const QRect client = strip.ClientArea().translated(-strip.pos());
        EXPECT_EQ(strip.TabRect(position).bottom() + 1, client.top()) << position;
        EXPECT_EQ(client.bottom(), strip.rect().bottom());
        EXPECT_EQ(strip.ClientArea().left(), strip.x()) << "in the parent's coordinates";
    }
}

TEST_F(TabRows, AClickOnATabSelectsItAfterBeforeClick)
{
    shape(400);
    strip.Select(1);
    QStringList order;
    QObject::connect(&strip, &MultiRowTabStrip::BeforeClick, [&] { order << "before " + QString::number(strip.SelectedPosition()); });
    QObject::connect(&strip, &MultiRowTabStrip::Click, [&] { order << "click " + QString::number(strip.SelectedPosition()); });

    QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.TabRect(3).center());
    EXPECT_EQ(strip.SelectedPosition(), 3);
    EXPECT_EQ(strip.Key(3), "color");
    EXPECT_EQ(order, QStringList({"before 1", "click 3"}));

    order.clear();
    strip.Select(3);
    EXPECT_EQ(order, QStringList({"click 3"})) << "the selected tab chosen again: a click without a change";
    order.clear();
    strip.Select(5);
    strip.Select(0);
    EXPECT_EQ(order, QStringList());
    EXPECT_EQ(strip.SelectedPosition(), 3);
}

// The fault this guards against: selecting turns the rows, so that another tab comes to lie under the
// pointer, which a strip that goes on testing the tabs after the chosen one selects as well.
TEST_F(TabRows, AClickChoosesTheTabUnderThePointerAndNothingElseWhateverTheRows)
{
    QStringList events;
    QObject::connect(&strip, &MultiRowTabStrip::BeforeClick, [&] { events << "before " + QString::number(strip.SelectedPosition()); });
    QObject::connect(&strip, &MultiRowTabStrip::Click, [&] { events << "click " + QString::number(strip.SelectedPosition()); });
    for (const int wanted : {1, 2, 4}) {
        ASSERT_TRUE(shapeInRows(wanted)) << wanted;
        for (int selected = 1; selected <= strip.Count(); ++selected) {
            for (int clicked = 1; clicked <= strip.Count(); ++clicked) {
                // The middle of the tab and two of its corners, where it is shown while `selected` is.
                for (const QPoint corner : {QPoint(0, 0), QPoint(2, 2), QPoint(-2, -2)}) {
                    strip.Select(selected);
                    const QRect tab = strip.TabRect(clicked);
                    const QPoint point = corner.isNull()  ? tab.center()
                                         : corner.x() > 0 ? tab.topLeft() + corner
                                                          : tab.bottomRight() + corner;
                    events.clear();
                    QTest::mouseClick(&strip, Qt::LeftButton, {}, point);
                    EXPECT_EQ(strip.SelectedPosition(), clicked)
                        << wanted << " rows, " << selected << " selected, " << clicked << " clicked";
                    EXPECT_EQ(events, QStringList({"before " + QString::number(selected), "click " + QString::number(clicked)}))
                        << wanted << " rows, " << selected << " selected, " << clicked << " clicked";
                }
            }
        }
    }
}

TEST_F(TabRows, AClickBesideTheTabsChoosesNothing)
{
    shape(100);
    strip.Select(2);
    QSignalSpy before(&strip, &MultiRowTabStrip::BeforeClick);
    QSignalSpy click(&strip, &MultiRowTabStrip::Click);
    QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.ClientArea().translated(-strip.pos()).center());
    QTest::mouseClick(&strip, Qt::RightButton, {}, strip.TabRect(3).center());
    EXPECT_EQ(strip.SelectedPosition(), 2);
    EXPECT_EQ(before.count(), 0);
    EXPECT_EQ(click.count(), 0);
}

// What assistive technology is told about the strip and what it can do with it, as Qt's own tab bars
// offer: a page tab list whose page tabs carry the captions and the selected state and are pressed to
// choose them.
class AccessibleTabs : public TabRows {
protected:
    void SetUp() override
    {
        TabRows::SetUp();
        shape(100);
        list = QAccessible::queryAccessibleInterface(&strip);
    }

    // The positions of the page tabs whose state says selected.
    QList<int> selectedTabs() const
    {
        QList<int> selected;
        for (int i = 0; i < list->childCount(); ++i)
            if (list->child(i)->state().selected)
                selected << i + 1;
        return selected;
    }

    void press(int position)
    {
        QAccessibleActionInterface *action = list->child(position - 1)->actionInterface();
        ASSERT_NE(action, nullptr);
        ASSERT_EQ(action->actionNames().value(0), QAccessibleActionInterface::pressAction()) << "the default action";
        action->doAction(QAccessibleActionInterface::pressAction());
    }

    QAccessibleInterface *list = nullptr;
};

TEST_F(AccessibleTabs, TheStripIsAPageTabListOfItsTabs)
{
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::PageTabList);
    ASSERT_EQ(list->childCount(), 4);
    for (int i = 0; i < list->childCount(); ++i) {
        QAccessibleInterface *tab = list->child(i);
        ASSERT_NE(tab, nullptr) << i;
        EXPECT_EQ(tab, list->child(i)) << "one interface per tab";
        EXPECT_EQ(tab->role(), QAccessible::PageTab) << i;
        EXPECT_EQ(tab->text(QAccessible::Name), strip.Caption(i + 1));
        EXPECT_EQ(tab->parent(), list) << i;
        EXPECT_EQ(list->indexOfChild(tab), i);
        const QRect rect = strip.TabRect(i + 1);
        EXPECT_EQ(tab->rect(), QRect(strip.mapToGlobal(rect.topLeft()), rect.size())) << i;
        EXPECT_EQ(list->childAt(tab->rect().center().x(), tab->rect().center().y()), tab) << i;
        EXPECT_TRUE(tab->state().selectable) << i;
        EXPECT_FALSE(tab->state().invisible) << i;
    }
    EXPECT_EQ(list->child(4), nullptr);
    strip.hide();
    EXPECT_TRUE(list->child(0)->state().invisible);
}

TEST_F(AccessibleTabs, TheSelectedStateFollowsAClickSelectAndThePressAction)
{
    QSignalSpy before(&strip, &MultiRowTabStrip::BeforeClick);
    QSignalSpy click(&strip, &MultiRowTabStrip::Click);
    struct Way {
        const char *name;
        std::function<void(int)> choose;
    };
    const Way ways[] = {
        {"click", [&](int position) { QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.TabRect(position).center()); }},
        {"Select", [&](int position) { strip.Select(position); }},
        {"press action", [&](int position) { press(position); }},
    };
    for (const Way &way : ways) {
        for (const int position : {3, 1, 4, 2, 2}) {
            const bool again = strip.SelectedPosition() == position;
            before.clear();
            click.clear();
            way.choose(position);
            EXPECT_EQ(selectedTabs(), QList<int>{position}) << way.name << " " << position;
            EXPECT_EQ(strip.SelectedPosition(), position) << way.name;
            EXPECT_EQ(click.count(), 1) << way.name << " " << position;
            // Only code that selects the selected tab again raises no BeforeClick.
            EXPECT_EQ(before.count(), again && std::string(way.name) == "Select" ? 0 : 1) << way.name << " " << position;
            // The rows have turned: the chosen tab's place is found anew.
            const QRect rect = list->child(position - 1)->rect();
            EXPECT_EQ(strip.TabAt(strip.mapFromGlobal(rect.center())), position) << way.name;
        }
    }
}

} // namespace
