#pragma once

#include <cstdint>

namespace assetgen {

// One 24-bit colour.
struct Rgb
{
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

} // namespace assetgen
