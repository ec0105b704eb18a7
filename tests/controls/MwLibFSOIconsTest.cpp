#include "controls/MwLibFSO.h"
#include "controls/MwLibFSOIcons.h"

#include "../TempFolder.h"

#include <QPixmap>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace MwFSO;

namespace {

// Icons of one colour per kind of request, so that a test can tell which icon a call returned.
QIcon Coloured(Qt::GlobalColor normal, Qt::GlobalColor open)
{
    QIcon icon;
    for (const int side : {16, 32}) {
        QPixmap off(side, side);
        off.fill(normal);
        QPixmap on(side, side);
        on.fill(open);
        icon.addPixmap(off, QIcon::Normal, QIcon::Off);
        icon.addPixmap(on, QIcon::Normal, QIcon::On);
    }
    return icon;
}

QColor ColourOf(const QIcon &icon, int side)
{
    return icon.pixmap(side, side).toImage().pixelColor(side / 2, side / 2);
}

class MwLibFSOIcons : public testing::Test {
protected:
    void TearDown() override { SetShellIconSource(nullptr); }
    MwLibFSO fso;
};

TEST_F(MwLibFSOIcons, SizeAndStateFlagsChooseThePicture)
{
    SetShellIconSource([](const QString &) { return Coloured(Qt::red, Qt::blue); });
    const QIcon smallOpen = fso.GetElementIcon(QStringLiteral("/web/"), ElementTypeIconSmall, ElementTypeIconOpen);
    EXPECT_EQ(smallOpen.availableSizes().value(0), QSize(16, 16));
    EXPECT_EQ(ColourOf(smallOpen, 16), QColor(Qt::blue));
    const QIcon largePlain = fso.GetElementIcon(QStringLiteral("/web/"), ElementTypeIconLarge, ElementTypeIconStandart);
    EXPECT_EQ(largePlain.availableSizes().value(0), QSize(32, 32));
    EXPECT_EQ(ColourOf(largePlain, 32), QColor(Qt::red));

    const ElementInfoSizeIcons sizes = fso.ElementObjInfoSizeIcons(QStringLiteral("/a"), ElementTypeIconStandart);
    EXPECT_EQ(sizes.ElementInfoIconSmall.availableSizes().value(0), QSize(16, 16));
    EXPECT_EQ(sizes.ElementInfoIconLarge.availableSizes().value(0), QSize(32, 32));
    const ElementInfoTypeIcons states = fso.ElementObjInfoTypeIcons(QStringLiteral("/a"), ElementTypeIconSmall);
    EXPECT_EQ(ColourOf(states.ElementInfoIconStandart, 16), QColor(Qt::red));
    EXPECT_EQ(ColourOf(states.ElementInfoIconOpen, 16), QColor(Qt::blue));
    EXPECT_FALSE(states.ElementInfoIconSelected.isNull());
}

TEST_F(MwLibFSOIcons, AnItemWithoutIconGetsTheGenericOneAndThePassGoesOn)
{
    TempFolder folder;
    const QString good = folder.write(QStringLiteral("good.txt"), "x");
    const QString bad = folder.write(QStringLiteral("bad.txt"), "x");
    const QString empty = folder.write(QStringLiteral("empty.txt"), "x");
    SetShellIconSource([&](const QString &path) {
        if (path == bad)
            throw std::runtime_error("no icon");
        return path == empty ? QIcon() : Coloured(Qt::green, Qt::green);
    });
    QList<QIcon> icons;
    for (const QString &path : {bad, empty, good})
        icons.append(fso.GetElementIcon(path, ElementTypeIconSmall, ElementTypeIconStandart));
    EXPECT_FALSE(icons[0].isNull());
    EXPECT_FALSE(icons[1].isNull());
    EXPECT_EQ(icons[0].availableSizes().value(0), QSize(16, 16));
    EXPECT_EQ(ColourOf(icons[2], 16), QColor(Qt::green));
}

} // namespace
