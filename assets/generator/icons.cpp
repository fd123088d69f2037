// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "icons.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <vector>

namespace assetgen {

namespace {

// The bead body is the ellipse inscribed in this box (inclusive pixel bounds). A pixel
// belongs to it when its centre lies inside the ellipse.
constexpr int BeadLeft = 2;
constexpr int BeadRight = 29;
constexpr int BeadTop = 7;
constexpr int BeadBottom = 25;

// The shaded flank covers this fraction of each row's width, rounded down: a little under
// half.
constexpr int FlankNumerator = 3;
constexpr int FlankDenominator = 7;

// The upper bead's one row that reaches a pixel further left than the lower bead's.
constexpr int UpperBeadShoulderRow = 9;

// The VGA colours the icons use.
constexpr QRgb Black = VgaPalette[0];
constexpr QRgb DarkMagenta = VgaPalette[5];
constexpr QRgb DarkCyan = VgaPalette[6];
constexpr QRgb Silver = VgaPalette[7];
constexpr QRgb Blue = VgaPalette[12];
constexpr QRgb Magenta = VgaPalette[13];
constexpr QRgb Cyan = VgaPalette[14];

struct BeadColours
{
    QRgb body;
    QRgb shade;
};

constexpr BeadColours LowerBeadColours{Cyan, DarkCyan};
constexpr BeadColours UpperBeadColours{Magenta, DarkMagenta};

struct RowSpan
{
    int left;
    int right;
};

// The body's extent in row y, from the ellipse test done on doubled coordinates so that
// pixel centres and the box's centre are all whole numbers.
RowSpan beadSpan(int y)
{
    const int width = BeadRight - BeadLeft + 1;  // doubled horizontal semi-axis
    const int height = BeadBottom - BeadTop + 1; // doubled vertical semi-axis
    const int centreX = BeadLeft + BeadRight + 1;
    const int centreY = BeadTop + BeadBottom + 1;
    const int dy = 2 * y + 1 - centreY;
    const long long limit = 1LL * width * width * height * height;
    const long long used = 1LL * dy * dy * width * width;

    RowSpan span{IconSide, -1};
    for (int x = BeadLeft; x <= BeadRight; ++x) {
        const int dx = 2 * x + 1 - centreX;
        if (1LL * dx * dx * height * height + used <= limit) {
            span.left = std::min(span.left, x);
            span.right = std::max(span.right, x);
        }
    }
    return span;
}

// Paints one row of a bead: the flank on the left checkered against the body colour, the
// rest plain body colour.
void paintBeadRow(QImage &icon, int y, RowSpan span, BeadColours colours)
{
    const int flankWidth = (span.right - span.left + 1) * FlankNumerator / FlankDenominator;
    for (int x = span.left; x <= span.right; ++x) {
        const bool inFlank = x < span.left + flankWidth;
        const bool shaded = inFlank && (x + y) % 2 == 0;
        icon.setPixel(x, y, shaded ? colours.shade : colours.body);
    }
}

QImage beadIcon(BeadColours colours, int shoulderRow)
{
    QImage icon(IconSide, IconSide, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    for (int y = BeadTop; y <= BeadBottom; ++y) {
        RowSpan span = beadSpan(y);
        if (y == shoulderRow)
            --span.left;
        paintBeadRow(icon, y, span, colours);
    }
    return icon;
}

constexpr int NoShoulderRow = -1;

// The window icon, row by row:
//
//   rows  0- 3  blue border
//   rows  4- 5  black
//   rows  6- 7  magenta bar (the frame's top)
//   rows  8- 9  bead pattern (the upper deck)
//   row  10     black gap (the beam)
//   rows 11-14  bead pattern (the lower deck)
//   rows 15-19  light-cyan block (the frame's base)
//   rows 20-22  black
//   rows 23-31  blue border
//
// Columns 0 and 31 are blue border and columns 1 and 30 black; the bands fill columns
// 2 to 29. The bead pattern puts a silver rod in every third column starting at column 2,
// with two dark-cyan bead pixels between rods.
constexpr int IconBorderLeft = 0;
constexpr int IconBorderRight = IconSide - 1;
constexpr int IconFieldTop = 4;
constexpr int IconFieldBottom = 22;
constexpr int BandLeft = 2;
constexpr int BandRight = 29;
constexpr int RodSpacing = 3;

enum class Band
{
    Plain,
    BeadPattern
};

struct IconBand
{
    int top;
    int bottom;
    Band kind;
    QRgb colour; // of the band, or between the rods of a bead pattern
};

constexpr std::array<IconBand, 4> IconBands{{
    {6, 7, Band::Plain, Magenta},
    {8, 9, Band::BeadPattern, DarkCyan},
    {11, 14, Band::BeadPattern, DarkCyan},
    {15, 19, Band::Plain, Cyan},
}};

// The rectangle with corners (left, top) and (right, bottom), inclusive.
QRect corners(int left, int top, int right, int bottom)
{
    return {QPoint(left, top), QPoint(right, bottom)};
}

// One plain rectangle of the window icon, filled with one colour.
struct FilledRect
{
    QRect rect;
    QRgb colour;
};

// The window icon as the rectangles that make it, each painted over those before it. Both the
// 32-pixel picture and the scalable one are drawn from this list.
std::vector<FilledRect> windowIconRects()
{
    std::vector<FilledRect> rects{
        {corners(0, 0, IconSide - 1, IconSide - 1), Blue},
        {corners(IconBorderLeft + 1, IconFieldTop, IconBorderRight - 1, IconFieldBottom), Black},
    };
    for (const IconBand &band : IconBands) {
        rects.push_back({corners(BandLeft, band.top, BandRight, band.bottom), band.colour});
        if (band.kind == Band::BeadPattern) {
            for (int x = BandLeft; x <= BandRight; x += RodSpacing)
                rects.push_back({corners(x, band.top, x, band.bottom), Silver});
        }
    }
    return rects;
}

} // namespace

QImage lowerBeadIcon()
{
    return beadIcon(LowerBeadColours, NoShoulderRow);
}

QImage upperBeadIcon()
{
    return beadIcon(UpperBeadColours, UpperBeadShoulderRow);
}

QImage windowIcon()
{
    QImage icon(IconSide, IconSide, QImage::Format_ARGB32);
    QPainter painter(&icon);
    for (const FilledRect &shape : windowIconRects())
        painter.fillRect(shape.rect, QColor(shape.colour));
    return icon;
}

QByteArray windowIconSvg()
{
    // One user unit is one pixel of the 32-pixel icon; crisp edges keep the rectangles' sides
    // on pixel boundaries when it is drawn at other sizes.
    QString svg =
        QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                       "viewBox=\"0 0 %1 %1\" shape-rendering=\"crispEdges\">\n")
            .arg(IconSide);
    for (const FilledRect &shape : windowIconRects()) {
        svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>\n")
                   .arg(shape.rect.x())
                   .arg(shape.rect.y())
                   .arg(shape.rect.width())
                   .arg(shape.rect.height())
                   .arg(QColor(shape.colour).name());
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

QImage scaledIcon(const QImage &icon, int side)
{
    QImage scaled(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            scaled.setPixel(x, y, icon.pixel(x * IconSide / side, y * IconSide / side));
    return scaled;
}

} // namespace assetgen
