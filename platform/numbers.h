// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// Number texts as the pupil sees and types them. Pure functions, no widgets.
namespace platform {

// "-" for a negative value, then the decimal digits without leading zeros or blanks.
QString decimalText(std::int32_t value);

// Upper-case hexadecimal digits without prefix or leading zeros. A negative value shows its
// two's complement: 4 digits for a 16-bit value, 8 digits for a 32-bit one.
QString hexText(std::int16_t value);
QString hexText(std::int32_t value);

// The number at the start of a text. Blanks, tabs and line feeds are skipped wherever they
// stand; then an optional sign, digits, an optional decimal point (always the period) and an
// optional exponent (E or D in either case, then an optional sign and digits) are read, stopping
// at the first character that cannot continue the number, and rounded to the nearest double.
// A text that does not begin with a number gives 0; a number too large gives infinity, one too
// small 0, and -0 keeps its sign. "&H" or "&O" in either case starts a hexadecimal or octal
// integer instead, infinite from 2^64 on.
double numberOfText(QStringView text);

// The nearest 32-bit integer, ties to even (12.5 gives 12, 13.5 gives 14); nothing when the
// nearest integer lies outside the signed 32-bit range.
std::optional<std::int32_t> toInt32(double value);

} // namespace platform
