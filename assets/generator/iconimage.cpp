#include "iconimage.h"

#include "png.h"

#include <cassert>
#include <vector>

namespace assetgen {

namespace {

constexpr std::uint16_t IconResourceType = 1;
constexpr std::uint16_t IconImageCount = 1;
constexpr std::uint32_t IconDirectoryBytes = 6;
constexpr std::uint32_t IconEntryBytes = 16;
constexpr std::uint32_t InfoHeaderBytes = 40;
constexpr std::uint16_t PlaneCount = 1;
constexpr std::uint16_t ColourBits = 4;
constexpr std::uint16_t MaskBits = 1;
constexpr std::uint32_t UncompressedRgb = 0;
constexpr std::uint32_t PaletteEntryBytes = 4;
constexpr int PixelsPerColourByte = 2;
constexpr unsigned HighNibbleShift = 4;
constexpr unsigned MaskBitsPerByte = 8;
constexpr unsigned TopMaskBit = 0x80U;
constexpr std::size_t RgbaBytes = 4;
constexpr std::uint8_t Opaque = 0xFF;
constexpr std::uint8_t Transparent = 0;

constexpr std::size_t ColourRowBytes = paddedRowBytes(IconImage::Size * ColourBits);
constexpr std::size_t MaskRowBytes = paddedRowBytes(IconImage::Size * MaskBits);
constexpr std::size_t ColourBytes = ColourRowBytes * IconImage::Size;
constexpr std::size_t MaskBytes = MaskRowBytes * IconImage::Size;

std::uint8_t paletteIndex(Vga colour)
{
    return static_cast<std::uint8_t>(colour);
}

} // namespace

IconImage::IconImage(Vga fill, bool opaque)
{
    m_colours.fill(fill);
    m_opaque.fill(opaque);
}

void IconImage::setPixel(int x, int y, Vga colour)
{
    assert(x >= 0 && x < Size && y >= 0 && y < Size);
    m_colours[index(x, y)] = colour;
    m_opaque[index(x, y)] = true;
}

void IconImage::fillRect(int left, int top, int right, int bottom, Vga colour)
{
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            setPixel(x, y, colour);
}

ByteWriter IconImage::toIcoFile() const
{
    const auto imageBytes = static_cast<std::uint32_t>(
        InfoHeaderBytes + VgaColourCount * PaletteEntryBytes + ColourBytes + MaskBytes);

    ByteWriter out;
    // Icon directory with a single entry.
    out.putU16(0);
    out.putU16(IconResourceType);
    out.putU16(IconImageCount);
    out.putU8(static_cast<std::uint8_t>(Size));
    out.putU8(static_cast<std::uint8_t>(Size));
    out.putU8(static_cast<std::uint8_t>(VgaColourCount));
    out.putU8(0);
    out.putU16(PlaneCount);
    out.putU16(ColourBits);
    out.putU32(imageBytes);
    out.putU32(IconDirectoryBytes + IconEntryBytes);

    // BITMAPINFOHEADER; the height counts the colour bitmap and the mask together.
    out.putU32(InfoHeaderBytes);
    out.putI32(Size);
    out.putI32(2 * Size);
    out.putU16(PlaneCount);
    out.putU16(ColourBits);
    out.putU32(UncompressedRgb);
    out.putU32(static_cast<std::uint32_t>(ColourBytes + MaskBytes));
    out.putI32(0); // horizontal resolution: unused in icons
    out.putI32(0); // vertical resolution
    out.putU32(0); // colours used: all 16
    out.putU32(0); // important colours: all

    for (const Rgb &entry : VgaPalette) {
        out.putU8(entry.blue);
        out.putU8(entry.green);
        out.putU8(entry.red);
        out.putU8(0);
    }

    // Both bitmaps are stored bottom row first. Transparent pixels carry colour 0, so the
    // AND/XOR pair leaves the screen untouched there.
    for (int y = Size - 1; y >= 0; --y) {
        for (int x = 0; x < Size; x += PixelsPerColourByte) {
            const auto left = isOpaque(x, y) ? paletteIndex(pixel(x, y)) : std::uint8_t{0};
            const auto right = isOpaque(x + 1, y) ? paletteIndex(pixel(x + 1, y)) : std::uint8_t{0};
            out.putU8(static_cast<std::uint8_t>((left << HighNibbleShift) | right));
        }
        out.putZeros(ColourRowBytes - Size / PixelsPerColourByte);
    }
    for (int y = Size - 1; y >= 0; --y) {
        for (int x = 0; x < Size; x += MaskBitsPerByte) {
            unsigned maskByte = 0;
            for (unsigned bit = 0; bit < MaskBitsPerByte; ++bit)
                if (!isOpaque(x + static_cast<int>(bit), y))
                    maskByte |= TopMaskBit >> bit;
            out.putU8(static_cast<std::uint8_t>(maskByte));
        }
        out.putZeros(MaskRowBytes - Size / MaskBitsPerByte);
    }
    return out;
}

ByteWriter IconImage::toPngFile(int side) const
{
    // Scaled pixel i takes source pixel i * Size / side, rounded down: the one under its
    // top-left corner. At 16 pixels that keeps the even rows, the beam among them.
    const auto source = [side](int scaled) { return scaled * Size / side; };
    std::vector<std::uint8_t> rgba;
    rgba.reserve(static_cast<std::size_t>(side) * static_cast<std::size_t>(side) * RgbaBytes);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int sourceX = source(x);
            const int sourceY = source(y);
            const bool opaque = isOpaque(sourceX, sourceY);
            const Rgb colour =
                opaque ? VgaPalette[paletteIndex(pixel(sourceX, sourceY))] : Rgb{0, 0, 0};
            rgba.insert(rgba.end(),
                        {colour.red, colour.green, colour.blue, opaque ? Opaque : Transparent});
        }
    }
    return pngFile(side, side, rgba);
}

} // namespace assetgen
