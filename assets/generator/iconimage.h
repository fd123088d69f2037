#pragma once

#include "bytewriter.h"
#include "rgb.h"

#include <array>
#include <cstdint>

namespace assetgen {

// The sixteen colours of the standard VGA palette, in palette order.
enum class Vga : std::uint8_t
{
    Black,
    DarkRed,
    DarkGreen,
    DarkYellow,
    DarkBlue,
    DarkMagenta,
    DarkCyan,
    Silver,
    Grey,
    Red,
    Green,
    Yellow,
    Blue,
    Magenta,
    Cyan,
    White
};

inline constexpr int VgaColourCount = 16;

// The palette entries for Vga, indexed by its values.
inline constexpr std::array<Rgb, VgaColourCount> VgaPalette{{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

// A 32 x 32 icon picture in the VGA palette, each pixel either opaque or transparent.
// Coordinates count from the top-left corner.
class IconImage
{
public:
    static constexpr int Size = 32;

    // Every pixel starts transparent, or opaque in fill when opaque is true.
    explicit IconImage(Vga fill = Vga::Black, bool opaque = false);

    // Paints one pixel and makes it opaque.
    void setPixel(int x, int y, Vga colour);
    // Paints the rectangle with corners (left, top) and (right, bottom), inclusive.
    void fillRect(int left, int top, int right, int bottom, Vga colour);

    Vga pixel(int x, int y) const { return m_colours[index(x, y)]; }
    bool isOpaque(int x, int y) const { return m_opaque[index(x, y)]; }

    // The picture as a one-image ICO file: a 4 bits-per-pixel colour bitmap followed by the
    // 1-bit AND mask that marks the transparent pixels.
    ByteWriter toIcoFile() const;

    // The picture scaled to side x side pixels as an RGBA PNG file. Scaling is nearest
    // neighbour: each pixel takes the colour of one source pixel, never a blend. Transparent
    // pixels are transparent black.
    ByteWriter toPngFile(int side) const;

private:
    static int index(int x, int y) { return y * Size + x; }

    std::array<Vga, Size * Size> m_colours{};
    std::array<bool, Size * Size> m_opaque{};
};

} // namespace assetgen
