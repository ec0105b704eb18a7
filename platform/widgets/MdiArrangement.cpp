#include "platform/widgets/MdiArrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

#include <algorithm>

namespace platform::widgets {
namespace {

// Cascaded windows take three quarters of the area, each one a title bar lower and further right.
QSize CascadeSize(const QSize &area)
{
    return {std::max(1, area.width() * 3 / 4), std::max(1, area.height() * 3 / 4)};
}

int CascadeStep(const QMdiSubWindow *window)
{
    return std::max(16, window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window) + 4);
}

// Position of cascade step k: the steps start again at the top left before a window would leave the area.
QPoint CascadePosition(const QSize &area, const QSize &size, int step, int k)
{
    const int room = std::min(area.width() - size.width(), area.height() - size.height());
    const int steps = std::max(1, room / step + 1);
    const int offset = (k % steps) * step;
    return {offset, offset};
}

QList<QMdiSubWindow *> Windows(const QMdiArea *area, bool minimised)
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : area->subWindowList(QMdiArea::CreationOrder))
        if (window->isVisible() && window->isMinimized() == minimised)
            windows.append(window);
    return windows;
}

void Tile(const QList<QMdiSubWindow *> &windows, const QSize &area, bool sideBySide)
{
    const int n = int(windows.size());
    const int length = sideBySide ? area.width() : area.height();
    for (int k = 0; k < n; ++k) {
        const int from = length * k / n, to = length * (k + 1) / n;
        if (to - from < 1)
            continue;
        windows[k]->setGeometry(sideBySide ? QRect(from, 0, to - from, area.height())
                                           : QRect(0, from, area.width(), to - from));
    }
}

void ArrangeIcons(const QList<QMdiSubWindow *> &windows, const QSize &area)
{
    int x = 0, row = 0;
    for (QMdiSubWindow *window : windows) {
        const QSize size = window->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            ++row;
        }
        window->move(x, area.height() - (row + 1) * size.height());
        x += size.width();
    }
}

} // namespace

void Arrange(QMdiArea *area, Arrangement arrangement)
{
    const QSize room = area->viewport()->size();
    if (room.width() < 1 || room.height() < 1)
        return;
    if (arrangement == Arrangement::Icons) {
        ArrangeIcons(Windows(area, true), room);
        return;
    }
    QList<QMdiSubWindow *> windows = Windows(area, false);
    for (QMdiSubWindow *window : windows)
        if (window->isMaximized())
            window->showNormal();
    if (arrangement != Arrangement::Cascade) {
        Tile(windows, room, arrangement == Arrangement::Vertical);
        return;
    }
    const QSize size = CascadeSize(room);
    for (int k = 0; k < windows.size(); ++k) {
        windows[k]->setGeometry(QRect(CascadePosition(room, size, CascadeStep(windows[k]), k), size));
        windows[k]->raise();
    }
}

void PlaceNewWindow(QMdiArea *area, QMdiSubWindow *window)
{
    const QSize room = area->viewport()->size();
    if (room.width() < 1 || room.height() < 1 || window->isMaximized())
        return;
    const int others = int(Windows(area, false).size()) - 1;
    const QSize size = CascadeSize(room);
    window->setGeometry(QRect(CascadePosition(room, size, CascadeStep(window), std::max(0, others)), size));
}

void SetWindowStates(const QList<QMdiSubWindow *> &windows, Qt::WindowState state)
{
    // While one window is maximised the area maximises every window that comes to the front, and a
    // window being minimised comes to the front: the maximised one is restored first, or each window
    // minimised would maximise the next.
    if (state == Qt::WindowMinimized)
        for (QMdiSubWindow *window : windows)
            if (window->isMaximized())
                window->showNormal();
    for (QMdiSubWindow *window : windows)
        window->setWindowState(state);
}

void RemoveWindow(QMdiArea *area, QMdiSubWindow *window)
{
    const bool maximised = window->isMaximized();
    area->removeSubWindow(window);
    if (QMdiSubWindow *front = area->activeSubWindow(); front && maximised && !front->isMinimized())
        front->showMaximized();
}

} // namespace platform::widgets
