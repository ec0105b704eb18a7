#include "tests/CaseNames.h"
#include "tests/controls/MwFSOControlFixture.h"

#include "controls/MwFSOFiles.h"
#include "controls/MwFSOList.h"
#include "controls/MwFSOListLayout.h"

#include <QHeaderView>
#include <QListView>
#include <QStyledItemDelegate>
#include <QTreeView>

using namespace mwfso_test;
using MwFSO::ListLayout;
using MwFSO::MwFSOList;

namespace {

const QString LongName = QStringLiteral("a_rather_long_name_without_any_blank_in_it.html");
// A folder as the dialogs show it: a subfolder, short and Cyrillic names, and a file whose size has
// eleven digits.
const QStringList OrdinaryNames = {QStringLiteral("a.htm"),         QStringLiteral("index.html"),
                                   QStringLiteral("Письмо.htm"),    QStringLiteral("cp866-koi8r.txt"),
                                   QStringLiteral("iso8859-5.txt"), QStringLiteral("big.bin")};
const QString Subfolder = QStringLiteral("img");

class MwFSOListLayout : public testing::Test {
protected:
    MwFSOListLayout() : list(MwFSO::CreateListObject(), QStringLiteral("__MwFSOList"))
    {
        for (const char *name : {"a.htm", "index.html"})
            folders.file(QString::fromLatin1(name));
    }

    // Shows the folder in `view` at `size` and lets the views settle (details are read as their rows
    // come into sight, and the columns widen after that drawing).
    void Show(int view, QSize size)
    {
        list.widget->resize(size);
        list.Put(QStringLiteral("Path"), folders.root());
        list.Put(QStringLiteral("TypeView"), std::int32_t(view));
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
    void Show(int view, int width) { Show(view, QSize(width, 300)); }

    QListView *Icons() const { return list.widget->ListView(); }
    QTreeView *Report() const { return list.widget->ReportView(); }
    QHeaderView *Header() const { return Report()->header(); }
    int ViewWidth() const { return Report()->viewport()->width(); }
    int SizeColumnEnd() const
    {
        return Header()->sectionViewportPosition(MwFSO::ColumnSize) + Header()->sectionSize(MwFSO::ColumnSize);
    }
    QModelIndex Row(const QString &name, int column = MwFSO::ColumnName) const
    {
        QAbstractItemModel *model = list.widget->Model();
        const QModelIndexList found = model->match(model->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
        return found.isEmpty() ? QModelIndex() : model->index(found[0].row(), column);
    }

    // What Qt's own delegate needs to draw the item whole in `view`, its text on one line.
    static QSize Needed(const QAbstractItemView &view, const QModelIndex &index)
    {
        const auto *icons = qobject_cast<const QListView *>(&view);
        QStyleOptionViewItem option;
        option.initFrom(&view);
        option.widget = &view;
        option.font = view.font();
        option.fontMetrics = view.fontMetrics();
        option.decorationSize = view.iconSize();
        option.decorationPosition = icons && icons->viewMode() == QListView::IconMode ? QStyleOptionViewItem::Top
                                                                                       : QStyleOptionViewItem::Left;
        const QStyledItemDelegate measure;
        return measure.sizeHint(option, index);
    }

    Folders folders;
    Hosted<MwFSOList> list;
};

// The sizes that the hosts give the list: the Open and Save dialogs show it about 390 x 150 at their own
// size and larger once the user widens them; the main window's file panel shows small icons, 180 pixels
// wide at the first start and 100 at its narrowest.
struct Shown {
    const char *name;
    std::int32_t view;
    QSize size;
};

void PrintTo(const Shown &shown, std::ostream *out)
{
    casenames::Print(out, shown.name);
}

class MwFSOListLayoutAtTheHostsSizes : public MwFSOListLayout, public testing::WithParamInterface<Shown> {};

TEST_P(MwFSOListLayoutAtTheHostsSizes, EveryNameIsShownWholeAndTheSizeColumnInSight)
{
    for (const QString &name : OrdinaryNames)
        folders.file(name, "12345");
    QFile big(folders.root() + QStringLiteral("big.bin"));
    ASSERT_TRUE(big.open(QIODevice::ReadWrite) && big.resize(Q_INT64_C(12345678901))) << "no sparse file here";
    big.close();
    folders.dir(Subfolder);
    Show(GetParam().view, GetParam().size);

    if (GetParam().view != MwFSO::ElementTypeViewReport) {
        for (const QString &name : OrdinaryNames + QStringList{Subfolder}) {
            const QModelIndex row = Row(name);
            ASSERT_TRUE(row.isValid()) << name.toStdString();
            const QRect shown = Icons()->visualRect(row);
            const QSize needed = Needed(*Icons(), row);
            EXPECT_GE(shown.width(), needed.width()) << name.toStdString();
            EXPECT_GE(shown.height(), needed.height()) << name.toStdString();
        }
        return;
    }
    EXPECT_LE(SizeColumnEnd(), ViewWidth()) << "the size column in sight";
    EXPECT_GE(Header()->sectionSize(MwFSO::ColumnSize), Header()->sectionSizeHint(MwFSO::ColumnSize));
    for (const QString &name : OrdinaryNames + QStringList{Subfolder}) {
        const QModelIndex row = Row(name);
        ASSERT_TRUE(row.isValid()) << name.toStdString();
        EXPECT_GE(Header()->sectionSize(MwFSO::ColumnName), Needed(*Report(), row).width()) << name.toStdString();
        const QModelIndex size = Row(name, MwFSO::ColumnSize);
        EXPECT_GE(Header()->sectionSize(MwFSO::ColumnSize), Needed(*Report(), size).width())
            << size.data().toString().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Views, MwFSOListLayoutAtTheHostsSizes,
    testing::Values(Shown{"DialogIcons", MwFSO::ElementTypeViewIcon, {390, 153}},
                    Shown{"DialogSmallIcons", MwFSO::ElementTypeViewSmallIcon, {390, 153}},
                    Shown{"DialogList", MwFSO::ElementTypeViewList, {390, 153}},
                    Shown{"DialogDetails", MwFSO::ElementTypeViewReport, {390, 153}},
                    Shown{"WideDialogIcons", MwFSO::ElementTypeViewIcon, {800, 450}},
                    Shown{"WideDialogDetails", MwFSO::ElementTypeViewReport, {800, 450}},
                    Shown{"FilePanel", MwFSO::ElementTypeViewSmallIcon, {180, 300}},
                    Shown{"NarrowestFilePanel", MwFSO::ElementTypeViewSmallIcon, {100, 300}}),
    casenames::Named(&Shown::name));

TEST_F(MwFSOListLayout, ShortNamesKeepTheSmallestGridCell)
{
    Show(MwFSO::ElementTypeViewIcon, 400);
    EXPECT_EQ(Icons()->gridSize().width(), ListLayout::MinIconCell);
    for (const char *name : {"a.htm", "index.html"}) {
        const QSize needed = Needed(*Icons(), Row(QString::fromLatin1(name)));
        EXPECT_GE(Icons()->gridSize().height(), needed.height()) << name;
        EXPECT_LT(Icons()->gridSize().height(), needed.height() + Icons()->fontMetrics().lineSpacing())
            << "one line under the icon while every name fits on it";
    }
}

TEST_F(MwFSOListLayout, ALongNameWidensTheGridWhileThreeColumnsFitAndWrapsBeyond)
{
    Show(MwFSO::ElementTypeViewIcon, 400);
    const int oneLine = Icons()->gridSize().height();
    folders.file(LongName);
    list.Call(QStringLiteral("Refresh"));
    QCoreApplication::processEvents();
    const int room = Icons()->viewport()->width();
    const QSize cell = Icons()->gridSize();
    EXPECT_GE(room / cell.width(), 3) << "three columns fit";
    EXPECT_LT(room / (cell.width() + 1), 3) << "as wide as three columns allow";
    EXPECT_LT(cell.width(), Needed(*Icons(), Row(LongName)).width()) << "the name does not fit on one line";
    EXPECT_GT(cell.height(), oneLine) << "two lines for a name wider than the cell";
    EXPECT_GE(cell.height(), oneLine + Icons()->fontMetrics().lineSpacing());

    // The grid follows the view's width, up to its limit.
    list.widget->resize(2000, 300);
    QCoreApplication::processEvents();
    EXPECT_GT(Icons()->gridSize().width(), cell.width());
    EXPECT_EQ(Icons()->gridSize().width(), ListLayout::MaxIconCell);
    EXPECT_EQ(Icons()->gridSize().height(), cell.height()) << "still two lines for a name wider than the limit";
}

TEST_F(MwFSOListLayout, TheSizeColumnStaysInSightAndTheNameColumnTakesWhatRoomIsLeft)
{
    folders.file(LongName);
    Show(MwFSO::ElementTypeViewReport, 400);
    EXPECT_EQ(SizeColumnEnd(), ViewWidth()) << "the long name gives way";
    const int narrow = Header()->sectionSize(MwFSO::ColumnName);
    EXPECT_LT(narrow, Needed(*Report(), Row(LongName)).width());

    list.widget->resize(1200, 300);
    QCoreApplication::processEvents();
    EXPECT_GT(Header()->sectionSize(MwFSO::ColumnName), narrow);
    EXPECT_LT(SizeColumnEnd(), ViewWidth()) << "the whole name fits, and no more";
    EXPECT_GE(Header()->sectionSize(MwFSO::ColumnName),
              list.widget->ReportView()->fontMetrics().horizontalAdvance(LongName) + 16);
    EXPECT_GE(Header()->sectionSize(MwFSO::ColumnName), Needed(*Report(), Row(LongName)).width());
}

} // namespace
