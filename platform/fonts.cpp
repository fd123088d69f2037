// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts.h"

#include <QStringList>
#include <QtMath>

#include <array>
#include <cstring>

namespace platform {

namespace {

constexpr double PixelsPerPoint = 96.0 / 72.0;

struct StandIn
{
    const char *family;
    const char *twin;
};
constexpr std::array<StandIn, 3> StandIns{{
    {"MS Sans Serif", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
}};

} // namespace

QFont designFont(const FontDesign &design)
{
    QStringList families{QString::fromUtf8(design.family)};
    for (const StandIn &standIn : StandIns) {
        if (std::strcmp(standIn.family, design.family) == 0)
            families << QString::fromUtf8(standIn.twin);
    }
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(qRound(design.points * PixelsPerPoint));
    font.setBold(design.bold);
    font.setItalic(design.italic);
    return font;
}

} // namespace platform
