// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

namespace assetgen {

inline constexpr int LogoWidth = 206;
inline constexpr int LogoHeight = 201;

// The splash logo: a five-tier pagoda in red and dark red with pale-cyan windows, standing on
// a grey base on a white ground, drawn in exactly eight colours.
QImage logoPicture();

} // namespace assetgen
