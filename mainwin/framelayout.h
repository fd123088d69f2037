// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "board/board.h"
#include "platform/fonts.h"

#include <array>

// The counting frame as it is designed, in twips from the top-left corner of the window's client
// area: the beads in their two places, the frame, the beam, the rod wires and the rod labels.
namespace mainwin::layout {

// The frame's room: from the window's left edge to the buttons, the whole height of the window.
inline constexpr int FrameWidth = 8040;
inline constexpr int FrameHeight = 6510;

// Bead pictures: every bead is 495 twips square; rod r's column of beads has its left edge at
// 7200 - 480r, so rod 0 is the rightmost.
inline constexpr int BeadSize = 495;
constexpr int beadLeft(int rod)
{
    return 7200 - 480 * rod;
}

// Top edges of the beads, by board::BeadKind. Lower bead k rests at 4920 - 240(k - 1) and counts
// at 3000 - 240(k - 1); the upper beads rest against the top of the frame and count against the
// beam.
struct BeadTops
{
    float rest;
    float counted;
};
inline constexpr std::array<BeadTops, board::BeadKindCount> BeadTopOfKind{{
    {4920, 3000}, // lower bead 1 (bottom)
    {4680, 2760}, // lower bead 2
    {4440, 2520}, // lower bead 3
    {4200, 2280}, // lower bead 4
    {3960, 2040}, // lower bead 5 (next to the beam)
    {240, 1320},  // outer bead
    {480, 1560},  // inner bead (next to the beam)
}};

constexpr float beadTop(board::BeadKind kind, board::Place place)
{
    const BeadTops &tops = BeadTopOfKind[static_cast<int>(kind)];
    return place == board::Place::Rest ? tops.rest : tops.counted;
}

// Rod value labels Label1(r): under the wire of rod r.
inline constexpr platform::FontDesign RodLabelFont{"MS Sans Serif", 9.75, true};
constexpr int rodLabelLeft(int rod)
{
    return 7320 - 480 * rod;
}
inline constexpr int RodLabelTop = 5760;
inline constexpr int RodLabelWidth = 375;
inline constexpr int RodLabelHeight = 255;

// The frame and the beam, Line1 .. Line5, in the system's window-text colour, 5 pixels wide: the
// line's number and its ends (x1, y1) and (x2, y2).
struct LineDesign
{
    int number;
    int x1;
    int y1;
    int x2;
    int y2;
};
inline constexpr int FrameLineWidth = 5;
inline constexpr std::array<LineDesign, 5> FrameLines{{
    {3, 240, 360, 7920, 360},   // top edge
    {1, 240, 360, 240, 5280},   // left edge
    {2, 240, 5280, 7920, 5280}, // bottom edge
    {4, 7920, 360, 7920, 5280}, // right edge
    {5, 240, 2040, 7920, 2040}, // the beam
}};

// Rod wires Line6 .. Line20, silver, 2 pixels wide: rod r's wire is line 6 + r.
constexpr int rodWireX(int rod)
{
    return 7440 - 480 * rod;
}
inline constexpr int RodWireTop = 360;
inline constexpr int RodWireBottom = 5280;
inline constexpr int RodWireWidth = 2;
inline constexpr int RodWireColour[3] = {192, 192, 192};
inline constexpr int FirstRodWire = 6;

} // namespace mainwin::layout
