// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

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

// How a window's content is shown: every designed length in pixels times `percent`, and the
// whole moved by `origin` (in pixels), as in full screen, where the content is centred.
struct Zoom
{
    int percent = 100;
    QPoint origin;

    // A designed length in pixels, zoomed: the one rounding of every zoomed place and size.
    int length(int designed) const { return qRound(float(designed * percent) / 100); }
    QPoint point(QPoint designed) const
    {
        return origin + QPoint(length(designed.x()), length(designed.y()));
    }
    QRect rect(const QRect &designed) const
    {
        return {point(designed.topLeft()),
                QSize(length(designed.width()), length(designed.height()))};
    }
    // The same zoom for the content of a control placed at `designed`: its own origin is its
    // top-left corner.
    Zoom inside() const { return {percent, {}}; }
    friend bool operator==(const Zoom &, const Zoom &) = default;
};

} // namespace platform
