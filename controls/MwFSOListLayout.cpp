#include "controls/MwFSOListLayout.h"

#include "controls/MwFSOFiles.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QListView>
#include <QStyle>
#include <QTreeView>

#include <cmath>

namespace MwFSO {

namespace {

// A pixel more than the measure: a name's width is summed from fractional advances.
constexpr int RoundingSlack = 1;
// Between two names of the large-icon view.
constexpr int IconGap = 8;
// The name column never shrinks below this to make room for the others.
constexpr int MinNameColumn = 120;

QSize StyleSize(const QStyleOptionViewItem &item, const QWidget *widget)
{
    const QStyle *style = widget ? widget->style() : QApplication::style();
    return style->sizeFromContents(QStyle::CT_ItemViewItem, &item, QSize(), widget);
}

// The options of an item of `view` that shows `text`, with an icon at the left or on top, or none.
enum class Icon { None, Left, Top };
QStyleOptionViewItem ItemOption(const QAbstractItemView &view, const QString &text, Icon icon)
{
    QStyleOptionViewItem item;
    item.initFrom(&view);
    item.widget = &view;
    item.font = view.font();
    item.fontMetrics = QFontMetrics(item.font);
    item.features = QStyleOptionViewItem::HasDisplay;
    if (icon != Icon::None)
        item.features |= QStyleOptionViewItem::HasDecoration;
    item.decorationSize = view.iconSize();
    item.decorationPosition = icon == Icon::Top ? QStyleOptionViewItem::Top : QStyleOptionViewItem::Left;
    item.displayAlignment = icon == Icon::Top ? Qt::AlignHCenter | Qt::AlignBottom : Qt::AlignLeft | Qt::AlignVCenter;
    item.text = text;
    return item;
}

// What the style adds to a one-line text's width in `item`: margins, and the icon when it is at the left.
int ExtraWidth(QStyleOptionViewItem item)
{
    item.text = QStringLiteral("X");
    return StyleSize(item, item.widget).width() - qCeil(QFontMetricsF(item.font).horizontalAdvance(item.text));
}

// The width that a cell of `item`'s kind needs for a text `textWidth` wide.
int CellWidth(const QStyleOptionViewItem &item, qreal textWidth)
{
    return ExtraWidth(item) + qCeil(textWidth) + RoundingSlack;
}

} // namespace

qreal TextWidths::Of(const QFont &font, const QString &text)
{
    if (font != font_) {
        font_ = font;
        advances_.clear();
    }
    const QFontMetricsF metrics(font_);
    qreal width = 0;
    for (const QChar c : text) {
        // A character made of two units or joined to the one before is measured with its text.
        if (c.isSurrogate() || c.isMark())
            return metrics.horizontalAdvance(text);
        auto advance = advances_.constFind(c.unicode());
        if (advance == advances_.constEnd())
            advance = advances_.insert(c.unicode(), metrics.horizontalAdvance(c));
        width += *advance;
    }
    return width;
}

QSize ListDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const auto *list = qobject_cast<const QListView *>(option.widget);
    if (list && list->viewMode() == QListView::IconMode && list->gridSize().isValid())
        return list->gridSize();
    if (frame_.extraWidth < 0 || frame_.font != option.font || frame_.decoration != option.decorationSize) {
        QStyleOptionViewItem item(option);
        item.features |= QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
        item.text = QStringLiteral("X");
        frame_ = {option.font, option.decorationSize, ExtraWidth(item), StyleSize(item, option.widget).height()};
    }
    const qreal text = widths_.Of(option.font, index.data(Qt::DisplayRole).toString());
    return {qMin(frame_.extraWidth + qCeil(text) + RoundingSlack, MaxItemWidth), frame_.height};
}

ListLayout::ListLayout(QListView *list, QTreeView *report, FileListModel *model)
    : QObject(list), list_(list), report_(report), model_(model)
{
    list_->viewport()->installEventFilter(this);
    report_->viewport()->installEventFilter(this);
    model_->SetDetailsObserver([this](const QStringList &details) { DetailsRead(details); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        widestName_.reset();
        widestDetails_.fill(0);
    });
}

qreal ListLayout::WidestName()
{
    if (!widestName_) {
        qreal widest = 0;
        for (int row = 0; row < model_->Count(); ++row)
            widest = qMax(widest, widths_.Of(list_->font(), model_->Item(row).Text));
        widestName_ = widest;
    }
    return *widestName_;
}

void ListLayout::FitGrid()
{
    if (list_->viewMode() != QListView::IconMode)
        return;
    // The text decides the width; the icon on top of it is narrower than the smallest cell.
    QStyleOptionViewItem item = ItemOption(*list_, QString(), Icon::None);
    const int needed = CellWidth(item, WidestName()) + IconGap;
    const int room = qBound(MinIconCell, list_->viewport()->width() / IconColumns, MaxIconCell);
    const int width = qBound(MinIconCell, needed, room);
    // A name wider than the cell wraps at its blanks, onto a second line at most.
    item = ItemOption(*list_, needed > width ? QStringLiteral("X") + QChar(QChar::LineSeparator) + QStringLiteral("X")
                                             : QStringLiteral("X"),
                      Icon::Top);
    const QSize cell(width, StyleSize(item, list_).height() + IconGap);
    if (cell != list_->gridSize())
        list_->setGridSize(cell);
}

void ListLayout::FitColumns()
{
    // The rows in sight are read first, so that the columns fit them before they are drawn.
    fitting_ = true;
    const int bottom = report_->viewport()->height();
    for (QModelIndex row = report_->indexAt(QPoint(0, 0)); row.isValid() && report_->visualRect(row).top() < bottom;
         row = report_->indexBelow(row))
        model_->data(model_->index(row.row(), ColumnSize), Qt::DisplayRole);
    fitting_ = false;

    QHeaderView *header = report_->header();
    const QStyleOptionViewItem text = ItemOption(*report_, QString(), Icon::None);
    int widths[ListColumnCount];
    for (int column = ColumnExt; column < ListColumnCount; ++column)
        widths[column] = qMax(header->sectionSizeHint(column), CellWidth(text, widestDetails_[column - ColumnExt]));
    const int room = report_->viewport()->width() - widths[ColumnExt] - widths[ColumnSize];
    const int name = qMax(header->sectionSizeHint(ColumnName),
                          CellWidth(ItemOption(*report_, QString(), Icon::Left), WidestName()));
    widths[ColumnName] = qMin(name, qMax(room, MinNameColumn));
    for (int column = ColumnName; column < ListColumnCount; ++column)
        header->resizeSection(column, widths[column]);
}

void ListLayout::DetailsRead(const QStringList &details)
{
    bool wider = false;
    for (qsizetype i = 0; i < details.size() && i < qsizetype(widestDetails_.size()); ++i) {
        const qreal width = widths_.Of(report_->font(), details[i]);
        if (width > widestDetails_[i]) {
            widestDetails_[i] = width;
            wider = true;
        }
    }
    // Values are read while the view draws: the columns widen after the drawing, once for all rows read.
    if (wider && !fitting_ && !refitPending_) {
        refitPending_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                refitPending_ = false;
                FitColumns();
            },
            Qt::QueuedConnection);
    }
}

bool ListLayout::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == list_->viewport())
            FitGrid();
        else
            FitColumns();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace MwFSO
