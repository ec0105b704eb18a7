#include "platform/widgets/PictureBox.h"
#include "platform/widgets/StatusBar.h"
#include "platform/widgets/TabStrip.h"
#include "tests/mainwindow/WorkPanelFixture.h"

#include <QComboBox>
#include <QMdiArea>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Lengths are twips; a pixel is 15 of them, so a length that is no whole pixel lands within one.
constexpr int Pixel = 15;

class WorkPanelLayout : public WorkPanelFixture {
protected:
    static void dragPanel(int x) { main()->picSplServise_MouseMove(1, 0, float(x), 0); }
    static int panelWidth() { return rect(main()->picServise).width(); }

    // Drags the file panel's splitter so that its top would come to `top`.
    static void dragSplit(int top)
    {
        main()->picSplFiles_MouseMove(1, 0, 1, float(top - rect(main()->picSplFiles).top()));
    }

    struct Parts {
        QRect drive, tree, splitter, list, filter, code, code2;
    };
    static Parts parts()
    {
        return {rect(main()->cmbDrive->place), rect(main()->trvDir->place), rect(main()->picSplFiles),
                rect(main()->lstDirFiles->place), rect(main()->cmbFilter), rect(main()->cmbCode),
                rect(main()->cmbCode2)};
    }
    static int bottom(const QRect &r) { return r.top() + r.height(); }
};

TEST_F(WorkPanelLayout, ThePanelSplitterStopsAtItsLimitsAndTheWidthIsKept)
{
    resizeMain(400, 700); // 6000 twips
    ASSERT_EQ(main()->width(), 400);
    dragPanel(100000);
    EXPECT_EQ(panelWidth(), 3750);
    EXPECT_EQ(mdlLoad::ServiseWidth, 3750);
    dragPanel(-100000);
    EXPECT_EQ(panelWidth(), 1500);
    EXPECT_EQ(mdlLoad::ServiseWidth, 1500);
    // From the splitter's own left edge, 75 twips inside the panel's right edge.
    dragPanel(600);
    EXPECT_EQ(panelWidth(), 1500 - 75 + 600);
    const QRect splitter = rect(main()->picSplServise);
    EXPECT_EQ(splitter.left() + splitter.width(), panelWidth()) << "the splitter stands at the panel's right edge";
    main()->picSplServise_MouseMove(0, 0, 900, 0);
    EXPECT_EQ(panelWidth(), 2025) << "without the left button nothing moves";
}

TEST_F(WorkPanelLayout, InAFrameNarrowerThanOneAndAHalfPanelsThePanelSplitterDoesNothing)
{
    dragPanel(-100000);
    dragPanel(600);
    ASSERT_EQ(panelWidth(), 2025);
    // The bars and the documents' area would keep the frame wider.
    main()->sttMain->hide();
    main()->picFiles->hide();
    main()->picMain->hide();
    main()->mdiArea->setMinimumSize(1, 1);
    QCoreApplication::processEvents();
    resizeMain(140, 700); // 2100 twips
    ASSERT_LT(main()->width() * Pixel, 2250) << "the frame could not be made so narrow";
    for (const int x : {100000, -100000})
        dragPanel(x);
    EXPECT_EQ(panelWidth(), 2025);
}

TEST_F(WorkPanelLayout, TheFileSplitterMovesOnlyBetweenItsLimits)
{
    const Parts at = parts();
    const int lowest = at.tree.top() + 700;
    const int highest = at.drive.height() + at.filter.top() - at.tree.top() - at.splitter.height() - 700;
    ASSERT_LT(lowest + 2 * Pixel, highest);
    for (const int refused : {lowest - 10, highest + 10, at.tree.top() - Pixel}) {
        dragSplit(refused);
        const Parts now = parts();
        EXPECT_EQ(now.splitter, at.splitter) << refused;
        EXPECT_EQ(now.tree, at.tree) << refused;
        EXPECT_EQ(now.list, at.list) << refused;
    }
    for (const int accepted : {lowest + 5, highest - 5}) {
        dragSplit(accepted);
        const Parts now = parts();
        EXPECT_EQ(mdlLoad::ServiseHeight, accepted);
        EXPECT_NEAR(now.splitter.top(), accepted, Pixel);
        EXPECT_EQ(now.tree.top(), at.tree.top());
        EXPECT_EQ(bottom(now.tree), now.splitter.top());
        EXPECT_EQ(now.list.top(), bottom(now.splitter));
        EXPECT_NEAR(bottom(now.list), now.filter.top() - 20, Pixel);
        EXPECT_EQ(now.filter, at.filter);
    }
}

// A maximised frame may still have its normal size when the start restores the split: a stored split
// that does not fit yet lands once the frame has grown, unless the user has dragged the splitter since.
TEST_F(WorkPanelLayout, AStoredSplitWaitsForTheFrameToGrowUnlessTheUserDrags)
{
    resizeMain(900, 700);
    const Parts large = parts();
    const int stored = large.drive.height() + large.filter.top() - large.tree.top() - large.splitter.height() - 700
                       - 10 * Pixel;
    for (const bool dragged : {false, true}) {
        resizeMain(900, 480);
        const Parts small = parts();
        main()->RestoreFilesSplit(stored);
        ASSERT_EQ(parts().splitter, small.splitter) << "no room for the split in the small frame";
        const int draggedTo = small.tree.top() + 700 + 5 * Pixel;
        if (dragged) {
            dragSplit(draggedTo);
            ASSERT_EQ(mdlLoad::ServiseHeight, draggedTo);
        }
        resizeMain(900, 700);
        const int expected = dragged ? draggedTo : stored;
        EXPECT_NEAR(parts().splitter.top(), expected, Pixel) << dragged;
        EXPECT_EQ(mdlLoad::ServiseHeight, expected) << dragged;
        EXPECT_EQ(bottom(parts().tree), parts().splitter.top()) << dragged;
    }
}

TEST_F(WorkPanelLayout, TheListsStandAtTheFootOfTheFilePageOrGiveTheirPlaceToTheFileList)
{
    const int page = rect(main()->picServiseFile).height();
    for (const bool codes : {true, false}) {
        mdlLoad::MainCode1 = mdlLoad::MainCode2 = codes;
        main()->picServiseFile_Resize();
        const Parts now = parts();
        EXPECT_EQ(main()->cmbCode->isVisible(), codes);
        EXPECT_EQ(main()->cmbCode2->isVisible(), codes);
        EXPECT_NEAR(now.filter.top(), bottom(now.list) + 20, Pixel);
        const int foot = codes ? now.code.top() : page;
        EXPECT_NEAR(bottom(now.list), foot - now.filter.height() - 40, Pixel) << codes;
        if (codes) {
            EXPECT_NEAR(bottom(now.code2), page - 20, Pixel);
            EXPECT_NEAR(bottom(now.code), now.code2.top() - 20, Pixel);
        }
    }
}

TEST_F(WorkPanelLayout, AShrinkingFrameNeverPutsTheFileSplitterAboveTheTree)
{
    // The list at its lowest height, the tree as high as it goes; then the frame shrinks step by step.
    resizeMain(600, 700);
    const Parts at = parts();
    dragSplit(at.drive.height() + at.filter.top() - at.tree.top() - at.splitter.height() - 700 - 5);
    for (int height = 700; height >= 200; height -= 20) {
        resizeMain(600, height);
        const Parts now = parts();
        EXPECT_GT(now.tree.height(), 0) << height;
        EXPECT_GE(now.tree.top(), bottom(now.drive)) << height;
        EXPECT_EQ(now.splitter.top(), bottom(now.tree)) << height;
        EXPECT_EQ(now.list.top(), bottom(now.splitter)) << height;
    }
}

TEST_F(WorkPanelLayout, ATabShowsItsPageAloneAndIsKept)
{
    QTest::mouseClick(main()->sstServise, Qt::LeftButton, {}, main()->sstServise->TabRect(3).center());
    EXPECT_EQ(mdlLoad::PanelServis, 3);
    EXPECT_TRUE(main()->picServiseColor->isVisible());
    for (QWidget *page : {main()->picServiseFile, main()->picServisePhrase, main()->picServiseSymbol})
        EXPECT_FALSE(page->isVisible());
    // The pages lie in the strip's client area.
    const QRect client = main()->sstServise->ClientArea();
    EXPECT_TRUE(client.contains(main()->picServiseColor->geometry()));
}

TEST_F(WorkPanelLayout, TheStripOfDocumentsStartsWhereTheShownPanelEnds)
{
    const auto stripLeft = [] {
        QCoreApplication::processEvents();
        return main()->tbsFiles->mapTo(main()->picFiles, QPoint(0, 0)).x();
    };
    EXPECT_EQ(stripLeft(), main()->picServise->width());
    mdlLoad::ViewPanelServise = false;
    main()->ShowServisePanel(false);
    EXPECT_FALSE(main()->picServise->isVisible());
    EXPECT_EQ(stripLeft(), 0);
    mdlLoad::ViewPanelServise = true;
    main()->ShowServisePanel(true);
    EXPECT_EQ(stripLeft(), main()->picServise->width());
}

} // namespace
