#pragma once

#include <QColor>

// Colour numbers as the program keeps them, red + 256 * green + 65536 * blue, and as Qt draws them: the
// one place where a widget turns one into the other. (A QRgb holds blue in its lowest byte, so a colour
// number is never taken as one.)
namespace platform::widgets {

// Bits above a colour's 24 are dropped.
inline QColor ColorOf(int number)
{
    return QColor(number & 255, (number >> 8) & 255, (number >> 16) & 255);
}

inline int ColorNumberOf(const QColor &colour)
{
    return colour.red() + 256 * colour.green() + 65536 * colour.blue();
}

} // namespace platform::widgets
