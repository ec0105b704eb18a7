#include "platform/forms/StoredRect.h"

#include <QWidget>

namespace platform::forms {

void StoreRect(const QWidget &window, StoredRect rect)
{
    StoreRect(window.geometry(), rect);
}

void StoreRect(const QRect &inner, StoredRect rect)
{
    rect.Left = inner.x() * TwipsPerPixel;
    rect.Top = inner.y() * TwipsPerPixel;
    rect.Width = inner.width() * TwipsPerPixel;
    rect.Height = inner.height() * TwipsPerPixel;
}

void RestoreRect(QWidget &window, StoredRect rect)
{
    const int width = rect.Width / TwipsPerPixel;
    const int height = rect.Height / TwipsPerPixel;
    if (width < 1 || height < 1)
        return;
    window.setGeometry(rect.Left / TwipsPerPixel, rect.Top / TwipsPerPixel, width, height);
}

} // namespace platform::forms
