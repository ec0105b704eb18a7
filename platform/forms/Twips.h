#pragma once

#include <QtGlobal>

// The forms' unit of length: lengths are twips while the program runs, 15 to a pixel on both axes; Qt and
// setting.ini count pixels. The one place that says how many twips make a pixel.
namespace platform::forms {

inline constexpr int TwipsPerPixel = 15;

constexpr int Twips(int pixels)
{
    return pixels * TwipsPerPixel;
}

// To the nearest pixel: how the windows lay their controls out by designed distances.
constexpr int Pixels(int twips)
{
    return qRound(twips / double(TwipsPerPixel));
}

// The remainder dropped: how setting.ini's geometry is written and a stored window rectangle restored, and
// how the Open and Save dialogs' frames space their parts.
constexpr int PixelsTowardZero(int twips)
{
    return twips / TwipsPerPixel;
}

} // namespace platform::forms
