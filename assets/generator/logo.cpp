#include "logo.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace assetgen {

namespace {

// The logo's eight colours.
constexpr Rgb Paper{255, 255, 255};
constexpr Rgb Ink{0, 0, 0};
constexpr Rgb WallRed{204, 32, 32};
constexpr Rgb RoofRed{136, 0, 0};
constexpr Rgb RoofShadow{80, 0, 0};
constexpr Rgb WindowCyan{190, 236, 246};
constexpr Rgb Gold{224, 172, 32};
constexpr Rgb StoneGrey{160, 160, 160};

// The picture is mirror-symmetric about the line between columns 102 and 103; a shape of
// half-width h covers columns CentreColumn - h to CentreColumn + h - 1.
constexpr int CentreColumn = LogoWidth / 2;

// The bottom row of the base; everything is stacked upwards from here.
constexpr int GroundRow = 194;

struct Slab
{
    int half;
    int height;
};

// The base's steps, bottom step first.
constexpr std::array<Slab, 2> BaseSteps{{{70, 5}, {60, 5}}};

struct Tier
{
    int wallHalf;
    int wallHeight;
    int roofHalf; // out to the eave tips
    int roofHeight;
    int windowCount;
    bool hasDoor;
};

// Bottom tier first; each one narrower and lower than the one beneath.
constexpr std::array<Tier, 5> Tiers{{
    {42, 24, 68, 14, 2, true},
    {36, 21, 60, 13, 3, false},
    {30, 19, 52, 12, 2, false},
    {24, 17, 44, 11, 2, false},
    {18, 15, 36, 10, 1, false},
}};

// Each roof has a flat ridge this much wider than the wall standing on it; the top roof's
// ridge carries the spire.
constexpr int RidgeLedge = 2;
constexpr int TopRidgeHalf = 7;

// A roof's top edge falls from the ridge in a curve that flattens towards the eaves; its
// bottom edge, the eave line, runs level over the wall and sweeps up by UpturnRows towards
// the tips. The roof is never thinner than EaveThickness rows, and its last row is the
// shadowed underside of the eave. Tile ribs run down it every RibSpacing columns.
constexpr double UpturnRows = 5.0;
constexpr int EaveThickness = 3;
constexpr int RibSpacing = 6;
constexpr int RibOffset = 3;
constexpr int RibTopGap = 2;

// Walls: corner pillars, a railing along the foot and the window openings.
constexpr int PillarWidth = 3;
constexpr int RailingRows = 2;
constexpr int WindowWidth = 8;
constexpr int WindowTopGap = 3;
constexpr int WindowBottomGap = 5;
constexpr int MullionWidth = 2;
constexpr int DoorWidth = 14;
constexpr int DoorTopGap = 5;

// The spire, drawn in this order over the top roof's ridge. Rows are counted upwards from
// the row above the ridge (0); each part spans rows [low, high] with the given half-width.
struct SpirePart
{
    int low;
    int high;
    int half;
};

constexpr std::array<SpirePart, 10> SpireParts{{
    {0, 2, 6},  // drum
    {3, 21, 1}, // mast
    {4, 5, 5},  // rings, smaller upwards
    {8, 9, 4},
    {12, 13, 3},
    {16, 17, 2},
    {20, 20, 2}, // finial ball
    {21, 23, 3},
    {24, 24, 2},
    {25, 26, 1}, // point
}};

void fillCentred(RgbCanvas &canvas, int top, int bottom, int half, Rgb colour)
{
    canvas.fillRect(CentreColumn - half, top, CentreColumn + half - 1, bottom, colour);
}

// Paints a shape of the given width at horizontal offset centreOffset and its mirror image.
void fillMirrored(RgbCanvas &canvas, int top, int bottom, int centreOffset, int width, Rgb colour)
{
    const int left = CentreColumn + centreOffset - width / 2;
    canvas.fillRect(left, top, left + width - 1, bottom, colour);
    const int mirroredLeft = 2 * CentreColumn - 1 - (left + width - 1);
    canvas.fillRect(mirroredLeft, top, mirroredLeft + width - 1, bottom, colour);
}

// Distance of column x's centre from the axis of symmetry.
double axisDistance(int x)
{
    return std::abs(2.0 * x + 1.0 - 2.0 * CentreColumn) / 2.0;
}

void drawRoof(RgbCanvas &canvas, int top, int height, int ridgeHalf, int wallHalf, int roofHalf)
{
    const int bottom = top + height - 1;
    const double fall = height - EaveThickness;
    for (int x = CentreColumn - roofHalf; x < CentreColumn + roofHalf; ++x) {
        const double d = axisDistance(x);
        const double t = std::clamp((d - ridgeHalf) / (roofHalf - ridgeHalf), 0.0, 1.0);
        const double s = std::clamp((d - wallHalf) / (roofHalf - wallHalf), 0.0, 1.0);
        const int eaveRow = bottom - static_cast<int>(std::lround(UpturnRows * s * s));
        const int slopeRow = top + static_cast<int>(std::lround(fall * (2.0 * t - t * t)));
        const int topRow = std::min(slopeRow, eaveRow - EaveThickness + 1);
        canvas.fillRect(x, topRow, x, eaveRow - 1, RoofRed);
        canvas.setPixel(x, eaveRow, RoofShadow);
        if (static_cast<int>(d) % RibSpacing == RibOffset)
            canvas.fillRect(x, topRow + RibTopGap, x, eaveRow - 1, RoofShadow);
    }
}

void drawWall(RgbCanvas &canvas, int top, const Tier &tier)
{
    const int bottom = top + tier.wallHeight - 1;
    fillCentred(canvas, top, bottom, tier.wallHalf, WallRed);
    fillMirrored(canvas, top, bottom, tier.wallHalf - PillarWidth / 2 - 1, PillarWidth, RoofRed);
    fillCentred(canvas, bottom - RailingRows + 1, bottom, tier.wallHalf, RoofRed);

    // Openings share the wall evenly between them; a door takes the middle place.
    const int places = tier.windowCount + (tier.hasDoor ? 1 : 0);
    const int spacing = 2 * tier.wallHalf / places;
    const int windowTop = top + WindowTopGap;
    const int windowBottom = bottom - WindowBottomGap;
    for (int place = 0; place < places; ++place) {
        const int doubledOffset = (2 * place - (places - 1)) * spacing;
        if (doubledOffset < 0)
            continue; // drawn with its mirror image
        const int offset = doubledOffset / 2;
        if (tier.hasDoor && doubledOffset == 0) {
            fillCentred(canvas, top + DoorTopGap, bottom, DoorWidth / 2, RoofShadow);
            fillCentred(canvas, top + DoorTopGap - 1, top + DoorTopGap - 1, DoorWidth / 2 - 2,
                        RoofShadow);
            continue;
        }
        fillMirrored(canvas, windowTop, windowBottom, offset, WindowWidth, WindowCyan);
        fillMirrored(canvas, windowTop, windowBottom, offset, MullionWidth, RoofRed);
    }
}

void drawSpire(RgbCanvas &canvas, int ridgeTop)
{
    for (const SpirePart &part : SpireParts)
        fillCentred(canvas, ridgeTop - 1 - part.high, ridgeTop - 1 - part.low, part.half, Gold);
}

} // namespace

RgbCanvas logoPicture()
{
    RgbCanvas canvas(LogoWidth, LogoHeight, Paper);

    int floor = GroundRow; // the lowest free row, going upwards
    for (const Slab &step : BaseSteps) {
        fillCentred(canvas, floor - step.height + 1, floor, step.half, StoneGrey);
        floor -= step.height;
    }

    for (std::size_t i = 0; i < Tiers.size(); ++i) {
        const Tier &tier = Tiers[i];
        const int wallTop = floor - tier.wallHeight + 1;
        drawWall(canvas, wallTop, tier);
        const int roofTop = wallTop - tier.roofHeight;
        const int ridgeHalf =
            i + 1 < Tiers.size() ? Tiers[i + 1].wallHalf + RidgeLedge : TopRidgeHalf;
        drawRoof(canvas, roofTop, tier.roofHeight, ridgeHalf, tier.wallHalf, tier.roofHalf);
        floor = roofTop - 1;
    }
    drawSpire(canvas, floor + 1);

    canvas.outlineShapes(Paper, Ink);
    return canvas;
}

} // namespace assetgen
