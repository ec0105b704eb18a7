#include "app/dialogs/TwipLayout.h"

#include "app/core/mdlLoad.h"

#include <QWidget>

namespace TwipLayout {

namespace {
constexpr int BoxMargin = 60;
constexpr int SmallestInner = 600;
} // namespace

int Twips(int pixels)
{
    return pixels * mdlLoad::TwipsPerPixelX;
}

int Pixels(int twips)
{
    return qRound(twips / double(mdlLoad::TwipsPerPixelX));
}

void Place(QWidget *widget, int left, int top, int width, int height)
{
    if (Pixels(width) <= 0 || Pixels(height) <= 0)
        return;
    widget->setGeometry(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

void PlacePicBox(const QWidget *window, QWidget *picBox)
{
    const int width = Twips(window->width());
    const int height = Twips(window->height());
    if (width < SmallestInner || height < SmallestInner)
        return;
    Place(picBox, BoxMargin, BoxMargin, width - 2 * BoxMargin, height - 2 * BoxMargin);
}

} // namespace TwipLayout
