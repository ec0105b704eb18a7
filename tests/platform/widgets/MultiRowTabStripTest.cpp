#include "platform/widgets/MultiRowTabStrip.h"

#include <QSignalSpy>
#include <QTest>

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

} // namespace
