#include "platform/widgets/MultiRowTabStrip.h"

#include "platform/widgets/TabListAccessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>

#include <algorithm>

namespace {

constexpr int TextFlags = Qt::AlignCenter | Qt::TextWordWrap;

} // namespace

MultiRowTabStrip::MultiRowTabStrip(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
    InstallTabListAccessible();
}

int MultiRowTabStrip::Add(int position, const QString &key, const QString &caption)
{
    const int index = std::clamp(position - 1, 0, Count());
    tabs_.insert(index, {key, caption});
    if (selected_ >= index)
        ++selected_;
    update();
    return index + 1;
}

QString MultiRowTabStrip::Key(int position) const
{
    return position >= 1 && position <= Count() ? tabs_[position - 1].key : QString();
}

QString MultiRowTabStrip::Caption(int position) const
{
    return position >= 1 && position <= Count() ? tabs_[position - 1].caption : QString();
}

void MultiRowTabStrip::Select(int position)
{
    if (position < 1 || position > Count())
        return;
    if (position - 1 != selected_) {
        emit BeforeClick();
        SetSelected(position - 1);
    }
    emit Click();
}

void MultiRowTabStrip::Press(int position)
{
    if (position < 1 || position > Count())
        return;
    emit BeforeClick();
    SetSelected(position - 1);
    emit Click();
}

void MultiRowTabStrip::SetSelected(int index)
{
    if (index == selected_)
        return;
    selected_ = index;
    update();
    if (QAccessible::isActive()) {
        if (hasFocus()) {
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(index);
            QAccessible::updateAccessibility(&focus);
        }
        QAccessibleEvent selection(this, QAccessible::Selection);
        selection.setChild(index);
        QAccessible::updateAccessibility(&selection);
    }
}

int MultiRowTabStrip::SmallestTabWidth() const
{
    int widest = 0;
    for (const Tab &tab : tabs_)
        for (const QString &word : tab.caption.split(u' ', Qt::SkipEmptyParts))
            widest = std::max(widest, fontMetrics().horizontalAdvance(word));
    return widest + style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, this);
}

int MultiRowTabStrip::TabsPerRow() const
{
    return std::clamp(width() / std::max(1, SmallestTabWidth()), 1, std::max(1, Count()));
}

QRect MultiRowTabStrip::TabRect(int position) const
{
    if (position < 1 || position > Count())
        return {};
    const int index = position - 1;
    const int perRow = TabsPerRow();
    const int row = index / perRow;
    const int inRow = std::min(perRow, Count() - row * perRow);
    const int column = index % perRow;
    // Every row spans the whole width, its tabs sharing it evenly. The rows turn round so that the
    // selected tab's row stands last, next to the client area, as a raised tab must.
    const int rows = (Count() + perRow - 1) / perRow;
    const int selectedRow = selected_ >= 0 ? selected_ / perRow : rows - 1;
    const int shown = (row - selectedRow - 1 + 2 * rows) % rows;
    const int left = column * width() / inRow;
    const int right = (column + 1) * width() / inRow;
    return QRect(left, shown * RowHeight(), right - left, RowHeight());
}

int MultiRowTabStrip::RowHeight() const
{
    const int hSpace = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, this);
    int text = fontMetrics().height();
    const int perRow = TabsPerRow();
    for (int i = 0; i < Count(); ++i) {
        const int inRow = std::min(perRow, Count() - i / perRow * perRow);
        const QRect room(0, 0, std::max(1, width() / inRow - hSpace), 10000);
        text = std::max(text, fontMetrics().boundingRect(room, TextFlags, tabs_[i].caption).height());
    }
    return text + style()->pixelMetric(QStyle::PM_TabBarTabVSpace, nullptr, this);
}

int MultiRowTabStrip::TabsHeight() const
{
    if (Count() == 0)
        return 0;
    const int perRow = TabsPerRow();
    return (Count() + perRow - 1) / perRow * RowHeight();
}

QRect MultiRowTabStrip::ClientArea() const
{
    const int tabs = TabsHeight();
    return QRect(x(), y() + tabs, width(), std::max(0, height() - tabs));
}

QStyleOptionTab MultiRowTabStrip::TabOption(int index) const
{
    QStyleOptionTab option;
    option.initFrom(this);
    option.rect = TabRect(index + 1);
    option.shape = QTabBar::RoundedNorth;
    const int perRow = TabsPerRow();
    const int column = index % perRow;
    const int inRow = std::min(perRow, Count() - index / perRow * perRow);
    option.position = inRow == 1          ? QStyleOptionTab::OnlyOneTab
                      : column == 0       ? QStyleOptionTab::Beginning
                      : column == inRow - 1 ? QStyleOptionTab::End
                                          : QStyleOptionTab::Middle;
    option.state &= ~QStyle::State_HasFocus;
    if (index == selected_) {
        option.state |= QStyle::State_Selected;
        if (hasFocus())
            option.state |= QStyle::State_HasFocus;
    }
    return option;
}

void MultiRowTabStrip::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = ClientArea().translated(-pos());
    frame.shape = QTabBar::RoundedNorth;
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
    // The selected tab last, so that its raised shape lies over its neighbours.
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < Count(); ++i) {
            if ((i == selected_) != (pass == 1))
                continue;
            const QStyleOptionTab option = TabOption(i);
            painter.drawControl(QStyle::CE_TabBarTabShape, option);
            const int hSpace = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, this);
            painter.drawText(option.rect.adjusted(hSpace / 2, 0, -hSpace / 2, 0), TextFlags, tabs_[i].caption);
        }
    }
}

int MultiRowTabStrip::TabAt(const QPoint &point) const
{
    for (int position = 1; position <= Count(); ++position)
        if (TabRect(position).contains(point))
            return position;
    return 0;
}

void MultiRowTabStrip::mousePressEvent(QMouseEvent *event)
{
    // The tab is found before anything changes: selecting turns the rows, which brings another tab
    // under the same point.
    if (event->button() == Qt::LeftButton)
        Press(TabAt(event->position().toPoint()));
}

void MultiRowTabStrip::keyPressEvent(QKeyEvent *event)
{
    if (Count() == 0 || (event->key() != Qt::Key_Left && event->key() != Qt::Key_Right)) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int step = event->key() == Qt::Key_Left ? -1 : 1;
    Select((selected_ + step + Count()) % Count() + 1);
}
