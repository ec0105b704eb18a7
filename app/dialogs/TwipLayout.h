#pragma once

#include <QRect>

class QWidget;

// The secondary windows lay their controls out by designed distances in twips, 15 to a pixel.
namespace TwipLayout {

int Twips(int pixels);
int Pixels(int twips);

// Places `widget` in its parent by a rectangle in twips; a rectangle without area is not applied.
void Place(QWidget *widget, int left, int top, int width, int height);
// The widget's rectangle in its parent, in twips.
QRect Rect(const QWidget *widget);

// The container rule of the secondary windows: `picBox` fills the window's inner area less 60 twips on
// every side, and stays where it is while that area is under 600 twips wide or high.
void PlacePicBox(const QWidget *window, QWidget *picBox);

} // namespace TwipLayout
