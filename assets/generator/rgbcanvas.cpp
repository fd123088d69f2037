#include "rgbcanvas.h"

#include <array>
#include <cstdint>

namespace assetgen {

namespace {

constexpr std::uint32_t FileHeaderBytes = 14;
constexpr std::uint32_t CoreHeaderBytes = 12;
constexpr std::uint16_t PlaneCount = 1;
constexpr std::uint16_t BitsPerPixel = 24;
constexpr std::size_t BytesPerPixel = BitsPerPixel / 8;

struct Step
{
    int dx;
    int dy;
};

constexpr std::array<Step, 4> Neighbours{{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};

} // namespace

RgbCanvas::RgbCanvas(int width, int height, Rgb background)
    : m_width(width), m_height(height),
      m_pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), background)
{}

void RgbCanvas::setPixel(int x, int y, Rgb colour)
{
    if (contains(x, y))
        m_pixels[index(x, y)] = colour;
}

void RgbCanvas::fillRect(int left, int top, int right, int bottom, Rgb colour)
{
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            setPixel(x, y, colour);
}

void RgbCanvas::outlineShapes(Rgb background, Rgb ink)
{
    const std::vector<Rgb> before = m_pixels;
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (before[index(x, y)] != background)
                continue;
            for (const Step step : Neighbours) {
                const int nx = x + step.dx;
                const int ny = y + step.dy;
                if (!contains(nx, ny))
                    continue;
                const Rgb neighbour = before[index(nx, ny)];
                if (neighbour != background && neighbour != ink) {
                    m_pixels[index(x, y)] = ink;
                    break;
                }
            }
        }
    }
}

ByteWriter RgbCanvas::toBmpFile() const
{
    const std::size_t rowBytes = paddedRowBytes(static_cast<std::size_t>(m_width) * BitsPerPixel);
    const std::size_t pixelBytes = rowBytes * static_cast<std::size_t>(m_height);
    const std::uint32_t dataOffset = FileHeaderBytes + CoreHeaderBytes;

    ByteWriter out;
    out.putTag("BM");
    out.putU32(static_cast<std::uint32_t>(dataOffset + pixelBytes));
    out.putU16(0);
    out.putU16(0);
    out.putU32(dataOffset);

    out.putU32(CoreHeaderBytes);
    out.putU16(static_cast<std::uint16_t>(m_width));
    out.putU16(static_cast<std::uint16_t>(m_height));
    out.putU16(PlaneCount);
    out.putU16(BitsPerPixel);

    for (int y = m_height - 1; y >= 0; --y) {
        for (int x = 0; x < m_width; ++x) {
            const Rgb colour = pixel(x, y);
            out.putU8(colour.blue);
            out.putU8(colour.green);
            out.putU8(colour.red);
        }
        out.putZeros(rowBytes - static_cast<std::size_t>(m_width) * BytesPerPixel);
    }
    return out;
}

} // namespace assetgen
