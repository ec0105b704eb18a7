#include "tests/controls/MwFSOControlFixture.h"

#include "controls/MwFSOFiles.h"
#include "controls/MwFSOList.h"
#include "controls/MwFSOListLayout.h"

#include <QHeaderView>
#include <QListView>
#include <QTreeView>

using namespace mwfso_test;
using MwFSO::ListLayout;
using MwFSO::MwFSOList;

namespace {

const QString LongName = QStringLiteral("a_rather_long_name_without_any_blank_in_it.html");

class MwFSOListLayout : public testing::Test {
protected:
    MwFSOListLayout() : list(MwFSO::CreateListObject(), QStringLiteral("__MwFSOList"))
    {
        for (const char *name : {"a.htm", "index.html"})
            folders.file(QString::fromLatin1(name));
    }

    // Shows the folder in `view` at `width` pixels and lets the views settle.
    void Show(int view, int width)
    {
        list.widget->resize(width, 300);
        list.Put(QStringLiteral("Path"), folders.root());
        list.Put(QStringLiteral("TypeView"), std::int32_t(view));
        QCoreApplication::processEvents();
    }

    QListView *Icons() const { return list.widget->ListView(); }
    QHeaderView *Header() const { return list.widget->ReportView()->header(); }
    int ViewWidth() const { return list.widget->ReportView()->viewport()->width(); }

    Folders folders;
    Hosted<MwFSOList> list;
};

TEST_F(MwFSOListLayout, ShortNamesKeepTheSmallestGridCell)
{
    Show(MwFSO::ElementTypeViewIcon, 400);
    EXPECT_EQ(Icons()->gridSize().width(), ListLayout::MinIconCell);
}

TEST_F(MwFSOListLayout, ALongNameWidensTheGridWhileThreeColumnsFitAndWrapsBeyond)
{
    Show(MwFSO::ElementTypeViewIcon, 400);
    const int oneLine = Icons()->gridSize().height();
    folders.file(LongName);
    list.Call(QStringLiteral("Refresh"));
    QCoreApplication::processEvents();
    const int room = Icons()->viewport()->width() / ListLayout::IconColumns;
    EXPECT_EQ(Icons()->gridSize().width(), room);
    EXPECT_GT(Icons()->gridSize().height(), oneLine) << "two lines for a name wider than the cell";

    // The grid follows the view's width, up to its limit.
    list.widget->resize(2000, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(Icons()->gridSize().width(), ListLayout::MaxIconCell);
}

TEST_F(MwFSOListLayout, TheSizeColumnStaysInSightAndTheNameColumnTakesWhatRoomIsLeft)
{
    folders.file(LongName);
    Show(MwFSO::ElementTypeViewReport, 400);
    const auto sizeEnd = [&] {
        return Header()->sectionViewportPosition(MwFSO::ColumnSize) + Header()->sectionSize(MwFSO::ColumnSize);
    };
    EXPECT_EQ(sizeEnd(), ViewWidth()) << "the long name gives way";
    const int narrow = Header()->sectionSize(MwFSO::ColumnName);

    list.widget->resize(1200, 300);
    QCoreApplication::processEvents();
    EXPECT_GT(Header()->sectionSize(MwFSO::ColumnName), narrow);
    EXPECT_LT(sizeEnd(), ViewWidth()) << "the whole name fits, and no more";
    EXPECT_GE(Header()->sectionSize(MwFSO::ColumnName),
              list.widget->ReportView()->fontMetrics().horizontalAdvance(LongName) + 16);
}

} // namespace
