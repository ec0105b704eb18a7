#pragma once

#include "platform/forms/Twips.h"

#include <QRect>

#include <optional>

class QPushButton;
class QString;
class QWidget;

// The secondary windows lay their controls out by designed distances in twips, each converted to the
// nearest pixel.
namespace TwipLayout {

using platform::forms::Pixels;
using platform::forms::Twips;

// The designed size of the secondary windows' buttons.
constexpr int ButtonWidth = 1215;
constexpr int ButtonHeight = 375;
// How far the container picBox stays in from the window's edges.
constexpr int BoxMargin = 60;

// A rectangle in twips; its right and bottom edges are left + width and top + height.
struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
};

// A rectangle in twips as pixels; its edges are converted, so that controls whose edges meet in twips meet
// in pixels too.
QRect PixelRect(int left, int top, int width, int height);
// Places `widget` in its parent by a rectangle in twips; a rectangle without area is not applied.
void Place(QWidget *widget, int left, int top, int width, int height);
void Place(QWidget *widget, const Box &box);
// The widget's rectangle in its parent, in twips.
Box BoxOf(const QWidget *widget);
QRect Rect(const QWidget *widget);

// Places `widget` at the lower right corner of its parent, whose inner area starts at 0, 0, keeping its
// size, and gives the box it has there; nothing, leaving it where it was, while the parent is narrower or
// lower than the widget.
std::optional<Box> PlaceLowerRight(QWidget *widget);

// The container rule of the secondary windows: `picBox` fills the window's inner area less 60 twips on
// every side, and stays where it is while that area is under 600 twips wide or high.
void PlacePicBox(const QWidget *window, QWidget *picBox);

// A button of the designed size.
QPushButton *Button(const QString &caption, QWidget *parent);

} // namespace TwipLayout
