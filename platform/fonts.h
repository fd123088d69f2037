// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace platform {

// A font as a window design names it: family, size in points at 96 dots per inch, weight and
// slant. A design that names no family leaves the control in its window's font.
struct FontDesign
{
    const char *family = nullptr;
    double points = 0;
    bool bold = false;
    bool italic = false;
};
inline constexpr FontDesign WindowFont{};

// The font of a design that names one. Where the named family is missing, its metric twin
// stands in (Liberation Sans for Arial and MS Sans Serif, Liberation Serif for Times New Roman),
// so texts keep their widths.
QFont designFont(const FontDesign &design);

} // namespace platform
