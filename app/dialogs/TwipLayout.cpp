#include "app/dialogs/TwipLayout.h"

#include <QPushButton>
#include <QWidget>

namespace TwipLayout {

namespace {
constexpr int SmallestInner = 600;
} // namespace

QRect PixelRect(int left, int top, int width, int height)
{
    return QRect(QPoint(Pixels(left), Pixels(top)), QPoint(Pixels(left + width) - 1, Pixels(top + height) - 1));
}

void Place(QWidget *widget, int left, int top, int width, int height)
{
    const QRect rect = PixelRect(left, top, width, height);
    if (width <= 0 || height <= 0 || rect.isEmpty())
        return;
    widget->setGeometry(rect);
}

void Place(QWidget *widget, const Box &box)
{
    Place(widget, box.left, box.top, box.width, box.height);
}

Box BoxOf(const QWidget *widget)
{
    const QRect pixels = widget->geometry();
    return {Twips(pixels.x()), Twips(pixels.y()), Twips(pixels.width()), Twips(pixels.height())};
}

QRect Rect(const QWidget *widget)
{
    const Box box = BoxOf(widget);
    return QRect(box.left, box.top, box.width, box.height);
}

std::optional<Box> PlaceLowerRight(QWidget *widget)
{
    const int parentWidth = Twips(widget->parentWidget()->width());
    const int parentHeight = Twips(widget->parentWidget()->height());
    const int width = Twips(widget->width());
    const int height = Twips(widget->height());
    if (parentWidth < width || parentHeight < height)
        return std::nullopt;
    const Box box{parentWidth - width, parentHeight - height, width, height};
    Place(widget, box);
    return box;
}

void PlacePicBox(const QWidget *window, QWidget *picBox)
{
    const int width = Twips(window->width());
    const int height = Twips(window->height());
    if (width < SmallestInner || height < SmallestInner)
        return;
    Place(picBox, BoxMargin, BoxMargin, width - 2 * BoxMargin, height - 2 * BoxMargin);
}

QPushButton *Button(const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->resize(Pixels(ButtonWidth), Pixels(ButtonHeight));
    return button;
}

} // namespace TwipLayout
