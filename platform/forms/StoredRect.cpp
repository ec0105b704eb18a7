#include "platform/forms/StoredRect.h"

#include "platform/forms/Twips.h"

#include <QWidget>

namespace platform::forms {

void StoreRect(const QWidget &window, StoredRect rect)
{
    StoreRect(window.geometry(), rect);
}

void StoreRect(const QRect &inner, StoredRect rect)
{
    rect.Left = Twips(inner.x());
    rect.Top = Twips(inner.y());
    rect.Width = Twips(inner.width());
    rect.Height = Twips(inner.height());
}

void RestoreRect(QWidget &window, StoredRect rect)
{
    const int width = PixelsTowardZero(rect.Width);
    const int height = PixelsTowardZero(rect.Height);
    if (width < 1 || height < 1)
        return;
    window.setGeometry(PixelsTowardZero(rect.Left), PixelsTowardZero(rect.Top), width, height);
}

} // namespace platform::forms
