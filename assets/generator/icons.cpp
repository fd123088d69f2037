#include "icons.h"

#include <algorithm>
#include <array>

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

struct BeadColours
{
    Vga body;
    Vga shade;
};

constexpr BeadColours LowerBeadColours{Vga::Cyan, Vga::DarkCyan};
constexpr BeadColours UpperBeadColours{Vga::Magenta, Vga::DarkMagenta};

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

    RowSpan span{IconImage::Size, -1};
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
void paintBeadRow(IconImage &icon, int y, RowSpan span, BeadColours colours)
{
    const int flankWidth = (span.right - span.left + 1) * FlankNumerator / FlankDenominator;
    for (int x = span.left; x <= span.right; ++x) {
        const bool inFlank = x < span.left + flankWidth;
        const bool shaded = inFlank && (x + y) % 2 == 0;
        icon.setPixel(x, y, shaded ? colours.shade : colours.body);
    }
}

IconImage beadIcon(BeadColours colours, int shoulderRow)
{
    IconImage icon;
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
constexpr int IconBorderRight = IconImage::Size - 1;
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
    Vga colour; // for Plain bands
};

constexpr std::array<IconBand, 4> IconBands{{
    {6, 7, Band::Plain, Vga::Magenta},
    {8, 9, Band::BeadPattern, Vga::Black},
    {11, 14, Band::BeadPattern, Vga::Black},
    {15, 19, Band::Plain, Vga::Cyan},
}};

void paintBeadPattern(IconImage &icon, int top, int bottom)
{
    for (int y = top; y <= bottom; ++y)
        for (int x = BandLeft; x <= BandRight; ++x)
            icon.setPixel(x, y, (x - BandLeft) % RodSpacing == 0 ? Vga::Silver : Vga::DarkCyan);
}

} // namespace

IconImage lowerBeadIcon()
{
    return beadIcon(LowerBeadColours, NoShoulderRow);
}

IconImage upperBeadIcon()
{
    return beadIcon(UpperBeadColours, UpperBeadShoulderRow);
}

IconImage windowIcon()
{
    IconImage icon(Vga::Blue, true);
    icon.fillRect(IconBorderLeft + 1, IconFieldTop, IconBorderRight - 1, IconFieldBottom,
                  Vga::Black);
    for (const IconBand &band : IconBands) {
        if (band.kind == Band::BeadPattern)
            paintBeadPattern(icon, band.top, band.bottom);
        else
            icon.fillRect(BandLeft, band.top, BandRight, band.bottom, band.colour);
    }
    return icon;
}

} // namespace assetgen
