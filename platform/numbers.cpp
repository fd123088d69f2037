// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

namespace {

constexpr int HexBase = 16;
constexpr int OctalBase = 8;
constexpr double Infinity = std::numeric_limits<double>::infinity();
// Every character that can continue a number: decimal digits, point, signs, the exponent
// letters E and D, the radix prefixes &H and &O and the hex digits.
constexpr std::string_view NumberCharacters = "0123456789.+-&abcdefABCDEFhHoO";

// "&H" or "&O" and its digits (the '&' already taken off): a non-negative integer. Anything at
// or beyond 2^64 counts as infinite, as it lies far outside what the read-out can show anyway.
double radixInteger(std::string_view text)
{
    const char letter = text.empty() ? '\0' : text.front();
    const int base = letter == 'H' || letter == 'h'   ? HexBase
                     : letter == 'O' || letter == 'o' ? OctalBase
                                                      : 0;
    if (base == 0)
        return 0.0;
    std::uint64_t value = 0; // stays 0 when no digit follows
    const auto result = std::from_chars(text.data() + 1, text.data() + text.size(), value, base);
    return result.ec == std::errc::result_out_of_range ? Infinity : static_cast<double>(value);
}

// Whether a decimal number that from_chars found out of range is too large rather than too
// small: the place of its first significant digit (0 for units, -1 for tenths), shifted by the
// exponent, is then at least 0. `number` is exactly what from_chars read.
bool isTooLarge(std::string_view number)
{
    const std::size_t exponentAt = std::min(number.find_first_of("eE"), number.size());
    const std::string_view mantissa = number.substr(0, exponentAt);
    const auto point = static_cast<std::int64_t>(std::min(mantissa.find('.'), mantissa.size()));
    // A number out of range is not 0, so it has a significant digit.
    const auto first = static_cast<std::int64_t>(mantissa.find_first_of("123456789"));
    const std::int64_t place = first < point ? point - first - 1 : point - first;
    std::int64_t exponent = 0;
    if (exponentAt < number.size()) {
        const char *digits = number.data() + exponentAt + 1;
        digits += *digits == '+' ? 1 : 0;
        const auto result = std::from_chars(digits, number.data() + number.size(), exponent);
        if (result.ec == std::errc::result_out_of_range)
            return *digits != '-';
    }
    return exponent >= -place;
}

} // namespace

namespace platform {

QString decimalText(std::int32_t value)
{
    return QString::number(value);
}

QString hexText(std::int16_t value)
{
    return QString::number(static_cast<std::uint16_t>(value), HexBase).toUpper();
}

QString hexText(std::int32_t value)
{
    return QString::number(static_cast<std::uint32_t>(value), HexBase).toUpper();
}

double numberOfText(QStringView text)
{
    // The characters that can make up a number, blanks left out, up to the first that cannot.
    // D is the same exponent letter as E, and a leading plus sign reads as a leading zero: the
    // same value, and like a sign it takes no second sign after it.
    std::string number;
    for (const QChar c : text) {
        const char latin1 = c.toLatin1(); // 0 for a character beyond Latin-1
        if (latin1 == ' ' || latin1 == '\t' || latin1 == '\n')
            continue;
        if (NumberCharacters.find(latin1) == std::string_view::npos)
            break;
        number.push_back(latin1 == 'D' || latin1 == 'd' ? 'e' : latin1);
    }
    if (number.starts_with('&'))
        return radixInteger(std::string_view(number).substr(1));
    if (number.starts_with('+'))
        number.front() = '0';

    // from_chars reads the longest number at the start, correctly rounded; a text that does not
    // begin with one leaves the value at 0.
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const auto length = static_cast<std::size_t>(result.ptr - number.data());
        value = isTooLarge(std::string_view(number).substr(0, length)) ? Infinity : 0.0;
        if (number.starts_with('-'))
            value = -value;
    }
    return value;
}

std::optional<std::int32_t> toInt32(double value)
{
    // Everything from -2^31 - 0.5 (rounds to the even -2^31) up to, not including, 2^31 - 0.5
    // (rounds to the even 2^31) ends up in range; this also turns away infinities and NaN.
    constexpr double Lowest = -2147483648.5;
    constexpr double PastHighest = 2147483647.5;
    constexpr double Half = 0.5;
    if (!(value >= Lowest && value < PastHighest))
        return std::nullopt;
    // floor() and the subtraction are exact here, whatever the rounding mode.
    const double below = std::floor(value);
    const double fraction = value - below;
    auto rounded = static_cast<std::int64_t>(below);
    if (fraction > Half || (fraction == Half && rounded % 2 != 0))
        ++rounded;
    return static_cast<std::int32_t>(rounded);
}

} // namespace platform
