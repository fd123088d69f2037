// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

#include <array>

namespace assetgen {

// The icons are 32 x 32 pixels, each pixel transparent or one of the sixteen colours of the
// standard VGA palette, listed here in palette order.
inline constexpr int IconSide = 32;
inline constexpr std::array<QRgb, 16> VgaPalette{
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

// The bead of the lower deck: a light-cyan oval with a checkered dark-cyan left flank.
QImage lowerBeadIcon();
// The bead of the upper deck: magenta on dark magenta, with the lower bead's outline except
// for one row of its upper-left shoulder, which reaches one pixel further out.
QImage upperBeadIcon();
// The window icon: a small counting frame inside a blue border.
QImage windowIcon();
// The same window icon as an SVG document of plain rectangles, 32 user units square, for the
// icon theme's scalable folder.
QByteArray windowIconSvg();

// An icon scaled to side x side pixels by nearest neighbour: pixel i takes source pixel
// i * 32 / side, rounded down, the one under its top-left corner. At 16 pixels that keeps the
// even rows, the beam among them.
QImage scaledIcon(const QImage &icon, int side);

} // namespace assetgen
