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

// A length in twips as pixels at a zoom in percent; at 100 percent the same as pixels().
inline int pixels(float twips, int percent)
{
    return percent == 100 ? pixels(twips)
                          : qRound(twips * float(percent) / float(TwipsPerPixel * 100));
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

} // namespace platform
