#pragma once

#include "bytewriter.h"
#include "rgb.h"

#include <vector>

namespace assetgen {

// A true-colour picture to paint on, with coordinates counted from the top-left corner.
class RgbCanvas
{
public:
    RgbCanvas(int width, int height, Rgb background);

    int width() const { return m_width; }
    int height() const { return m_height; }

    // Paints one pixel; pixels outside the canvas are ignored.
    void setPixel(int x, int y, Rgb colour);
    Rgb pixel(int x, int y) const { return m_pixels[index(x, y)]; }
    // Paints the rectangle with corners (left, top) and (right, bottom), inclusive.
    void fillRect(int left, int top, int right, int bottom, Rgb colour);

    // Draws a one-pixel outline around every shape: each background pixel beside (left,
    // right, above or below) a pixel of another colour than background and ink becomes ink.
    void outlineShapes(Rgb background, Rgb ink);

    // The picture as a 24-bit BMP file with the 12-byte core header, bottom row first.
    ByteWriter toBmpFile() const;

private:
    int index(int x, int y) const { return y * m_width + x; }
    bool contains(int x, int y) const { return x >= 0 && x < m_width && y >= 0 && y < m_height; }

    int m_width;
    int m_height;
    std::vector<Rgb> m_pixels;
};

} // namespace assetgen
