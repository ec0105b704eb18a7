#pragma once

#include <QList>
#include <Qt>

class QMdiArea;
class QMdiSubWindow;

// The frame's own arrangements of its document windows. Every window keeps a usable size and stays
// wholly inside the frame's client area.
namespace platform::widgets {

enum class Arrangement {
    Cascade = 0,
    // One above the other, each as wide as the area.
    Horizontal = 1,
    // Side by side, each as high as the area.
    Vertical = 2,
    // The minimised windows in rows along the bottom of the area.
    Icons = 3,
};

void Arrange(QMdiArea *area, Arrangement arrangement);
// A window just shown (and not maximised) goes to the next step of the cascade, at its size.
void PlaceNewWindow(QMdiArea *area, QMdiSubWindow *window);
// Gives every window the state, also while the area shows its windows maximised.
void SetWindowStates(const QList<QMdiSubWindow *> &windows, Qt::WindowState state);
// Takes the window out of the area; the window that comes to the front instead is maximised when this
// one was.
void RemoveWindow(QMdiArea *area, QMdiSubWindow *window);

} // namespace platform::widgets
