#pragma once

#include <QRect>
#include <cmath>

// Window layout values are kept in twips (1/1440 inch); at 96 DPI 15 twips
// make one pixel, and Qt scales pixels for high-DPI screens.
namespace twips {

constexpr int perPixel = 15;

// Rounds half to even, like every float-to-integer conversion of the reader.
inline int toPixels(double twipValue)
{
    return static_cast<int>(std::nearbyint(twipValue / perPixel));
}

inline int fromPixels(int pixels)
{
    return pixels * perPixel;
}

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

}  // namespace twips
