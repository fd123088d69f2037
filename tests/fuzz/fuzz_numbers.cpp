// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any text (as UTF-8 and as raw UTF-16) and any 64-bit pattern through the number reader.
#include "platform/numbers.h"

#include <QString>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <tuple>

namespace {

void require(bool holds, const char *what)
{
    if (!holds)
        qFatal("broken: %s", what);
}

// toInt32 rounds as the hardware does (ties to even) and turns away what lies beyond 32 bits.
void checkRounding(double value)
{
    const double nearest = std::nearbyint(value);
    const bool inRange = nearest >= INT32_MIN && nearest <= INT32_MAX;
    require(inRange ? platform::toInt32(value) == nearest : !platform::toInt32(value),
            "toInt32 gives the nearest integer, ties to even, and nothing out of range");
}

void checkText(QStringView text)
{
    const double value = platform::numberOfText(text);
    require(!std::isnan(value), "numberOfText never gives NaN");
    checkRounding(value);
    // Read again, but for &H and &O, by strtod: blanks dropped, D made E, cut where no number goes.
    std::string number;
    for (const QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n')
            number += c == u'D' || c == u'd' ? 'e' : c.toLatin1();
    const bool radix = number.starts_with('&') && std::strchr("HhOo", number[1]) != nullptr;
    number = number.substr(0, number.find_first_not_of("+-.0123456789eE"));
    const double slow = std::strtod(number.c_str(), nullptr);
    require(radix || std::memcmp(&slow, &value, sizeof slow) == 0, "strtod reads the same");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Each text is a head, a megabyte of one character and a tail; read in time, to its number.
    const std::tuple<const char *, char16_t, const char *, double> texts[]{
        // clang-format off
        {"", u'1', "", HUGE_VAL}, {"&H", u'F', "", HUGE_VAL}, {"1e", u'9', "", HUGE_VAL},
        {"", u' ', "7", 7.0}, {"", u'e', "", 0.0}, {"-1", u'0', "e-99999999999999999999", -0.0},
        {"0.", u'0', "1e1048576", 0.1}, {"1", u'0', "e-1048576", 1.0}, {"&HG", u' ', "", 0.0},
        {"0.", u'0', "1e1048176", 0.0}, {"1", u'0', "e-1048176", HUGE_VAL},
        {"9007199254740993.", u'0', "", 9007199254740992.0}, // halfway: to the even one
        {"9007199254740993.", u'0', "1", 9007199254740994.0}, // just past halfway
        {"&H20000000000001", u' ', "", 9007199254740992.0},
        {"&H20000000000003", u' ', "", 9007199254740996.0},
        {"&O400000000000000001", u' ', "", 9007199254740992.0},
        {"4.9406564584124654e-324", u' ', "", 4.9406564584124654e-324},
        // clang-format on
    };
    for (const auto &[head, filler, tail, number] : texts) {
        const auto start = std::chrono::steady_clock::now();
        const double value = platform::numberOfText(head + QString(1 << 20, filler) + tail);
        require(std::chrono::steady_clock::now() - start < std::chrono::seconds(1), "too slow");
        if (std::memcmp(&value, &number, sizeof value) != 0)
            qFatal("broken: %s...%s gives %.17g", head, tail, value);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    checkText(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    std::u16string units(size / sizeof(char16_t), u'\0');
    std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    checkText(units);
    double bits = 0;
    std::memcpy(&bits, data, size < sizeof bits ? size : sizeof bits);
    checkRounding(bits);
    return 0;
}
