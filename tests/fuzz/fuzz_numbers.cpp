// Number texts of any kind, as UTF-8 and as raw UTF-16, through numberOfText and toInt32; and any
// 64-bit pattern as a double through toInt32. Aborts when a result breaks what the read-out
// relies on.
#include "platform/numbers.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

namespace {

constexpr int ExactDigits = 17; // enough to tell any two doubles apart

void require(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// toInt32 agrees with the hardware's rounding (ties to even in the default mode) and turns away
// exactly the values whose nearest integer lies outside 32 bits.
void checkRounding(double value)
{
    const std::optional<std::int32_t> rounded = platform::toInt32(value);
    const double nearest = std::nearbyint(value);
    const bool inRange = nearest >= std::numeric_limits<std::int32_t>::min() &&
                         nearest <= std::numeric_limits<std::int32_t>::max();
    require(rounded.has_value() == inRange, "toInt32 gives a value if and only if in range");
    if (rounded)
        require(*rounded == nearest, "toInt32 rounds to the nearest, ties to even");
}

void checkText(QStringView text)
{
    const double value = platform::numberOfText(text);
    require(!std::isnan(value), "numberOfText never gives NaN");
    checkRounding(value);
    if (std::isfinite(value)) {
        const QString shown = QString::number(value, 'g', ExactDigits);
        require(platform::numberOfText(shown) == value, "a value's own text reads back exactly");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    checkText(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));

    std::vector<char16_t> units(size / sizeof(char16_t));
    if (!units.empty())
        std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    checkText(QStringView(units.data(), qsizetype(units.size())));

    double bits = 0;
    if (size >= sizeof bits) {
        std::memcpy(&bits, data, sizeof bits);
        checkRounding(bits);
    }
    return 0;
}
