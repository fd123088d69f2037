// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logo.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace assetgen {

namespace {

// The logo's eight colours.
constexpr QRgb Paper = qRgb(255, 255, 255);
constexpr QRgb Ink = qRgb(0, 0, 0);
constexpr QRgb WallRed = qRgb(204, 32, 32);
constexpr QRgb RoofRed = qRgb(136, 0, 0);
constexpr QRgb RoofShadow = qRgb(80, 0, 0);
constexpr QRgb WindowCyan = qRgb(190, 236, 246);
constexpr QRgb Gold = qRgb(224, 172, 32);
constexpr QRgb StoneGrey = qRgb(160, 160, 160);

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

// Paints the rectangle with corners (left, top) and (right, bottom), inclusive; nothing when
// right is left of left or bottom above top.
void fill(QPainter &painter, int left, int top, int right, int bottom, QRgb colour)
{
    const QRect rect(QPoint(left, top), QPoint(right, bottom));
    if (rect.isValid())
        painter.fillRect(rect, QColor(colour));
}

// Draws a one-pixel outline around every shape: each paper pixel beside (left, right, above or
// below) a pixel of another colour than paper and ink becomes ink.
void outlineShapes(QImage &picture)
{
    const QImage before = picture;
    const QRect inside = before.rect();
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) != Paper)
                continue;
            for (const QPoint next :
                 {QPoint(x - 1, y), QPoint(x + 1, y), QPoint(x, y - 1), QPoint(x, y + 1)}) {
                const QRgb neighbour = inside.contains(next) ? before.pixel(next) : Paper;
                if (neighbour != Paper && neighbour != Ink) {
                    picture.setPixel(x, y, Ink);
                    break;
                }
            }
        }
    }
}

void fillCentred(QPainter &painter, int top, int bottom, int half, QRgb colour)
{
    fill(painter, CentreColumn - half, top, CentreColumn + half - 1, bottom, colour);
}

// Paints a shape of the given width at horizontal offset centreOffset and its mirror image.
void fillMirrored(QPainter &painter, int top, int bottom, int centreOffset, int width, QRgb colour)
{
    const int left = CentreColumn + centreOffset - width / 2;
    fill(painter, left, top, left + width - 1, bottom, colour);
    const int mirroredLeft = 2 * CentreColumn - 1 - (left + width - 1);
    fill(painter, mirroredLeft, top, mirroredLeft + width - 1, bottom, colour);
}

// Distance of column x's centre from the axis of symmetry.
double axisDistance(int x)
{
    return std::abs(2.0 * x + 1.0 - 2.0 * CentreColumn) / 2.0;
}

void drawRoof(QPainter &painter, int top, int height, int ridgeHalf, int wallHalf, int roofHalf)
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
        fill(painter, x, topRow, x, eaveRow - 1, RoofRed);
        fill(painter, x, eaveRow, x, eaveRow, RoofShadow);
        if (static_cast<int>(d) % RibSpacing == RibOffset)
            fill(painter, x, topRow + RibTopGap, x, eaveRow - 1, RoofShadow);
    }
}

void drawWall(QPainter &painter, int top, const Tier &tier)
{
    const int bottom = top + tier.wallHeight - 1;
    fillCentred(painter, top, bottom, tier.wallHalf, WallRed);
    fillMirrored(painter, top, bottom, tier.wallHalf - PillarWidth / 2 - 1, PillarWidth, RoofRed);
    fillCentred(painter, bottom - RailingRows + 1, bottom, tier.wallHalf, RoofRed);

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
            fillCentred(painter, top + DoorTopGap, bottom, DoorWidth / 2, RoofShadow);
            fillCentred(painter, top + DoorTopGap - 1, top + DoorTopGap - 1, DoorWidth / 2 - 2,
                        RoofShadow);
            continue;
        }
        fillMirrored(painter, windowTop, windowBottom, offset, WindowWidth, WindowCyan);
        fillMirrored(painter, windowTop, windowBottom, offset, MullionWidth, RoofRed);
    }
}

void drawSpire(QPainter &painter, int ridgeTop)
{
    for (const SpirePart &part : SpireParts)
        fillCentred(painter, ridgeTop - 1 - part.high, ridgeTop - 1 - part.low, part.half, Gold);
}

} // namespace

QImage logoPicture()
{
    QImage picture(LogoWidth, LogoHeight, QImage::Format_RGB32);
    picture.fill(Paper);
    QPainter painter(&picture);

    int floor = GroundRow; // the lowest free row, going upwards
    for (const Slab &step : BaseSteps) {
        fillCentred(painter, floor - step.height + 1, floor, step.half, StoneGrey);
        floor -= step.height;
    }

    for (std::size_t i = 0; i < Tiers.size(); ++i) {
        const Tier &tier = Tiers[i];
        const int wallTop = floor - tier.wallHeight + 1;
        drawWall(painter, wallTop, tier);
        const int roofTop = wallTop - tier.roofHeight;
        const int ridgeHalf =
            i + 1 < Tiers.size() ? Tiers[i + 1].wallHalf + RidgeLedge : TopRidgeHalf;
        drawRoof(painter, roofTop, tier.roofHeight, ridgeHalf, tier.wallHalf, tier.roofHalf);
        floor = roofTop - 1;
    }
    drawSpire(painter, floor + 1);

    painter.end();

    outlineShapes(picture);
    return picture;
}

} // namespace assetgen
