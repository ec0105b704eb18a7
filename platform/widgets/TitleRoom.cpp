#include "platform/widgets/TitleRoom.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QWidget>

#include <algorithm>

void LeaveRoomForTitle(QWidget &window)
{
    // Desktops draw the title in a bold face of about the window's font, beside an icon and up to three
    // buttons, each about as wide as the bar is high.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const int bar = std::max(window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window), 28);
    const int room = QFontMetrics(font).horizontalAdvance(window.windowTitle()) + 4 * bar + 2 * bar / 3;
    window.setMinimumWidth(std::max(window.minimumWidth(), room));
}
