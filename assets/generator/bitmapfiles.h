// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>

namespace assetgen {

// The two old bitmap formats that no library writes as the program needs them.

// A 32 x 32 icon (pixels transparent or of the VGA palette) as a one-image ICO file: a
// 4 bits-per-pixel colour bitmap followed by the 1-bit AND mask that marks the transparent
// pixels.
QByteArray icoFile(const QImage &icon);

// A picture as a 24-bit BMP file with the 12-byte core header, bottom row first.
QByteArray coreBmpFile(const QImage &picture);

} // namespace assetgen
