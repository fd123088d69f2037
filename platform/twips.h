#pragma once

#include <QRect>
#include <QtMath>

// Window layouts are measured in twips, 1/1440 inch: 15 twips to a logical pixel.
namespace platform {

inline constexpr int TwipsPerPixel = 15;

constexpr int pixels(int twips)
{
    return twips / TwipsPerPixel;
}

inline int pixels(float twips)
{
    return qRound(twips / float(TwipsPerPixel));
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

} // namespace platform
