#pragma once

#include "bytewriter.h"

#include <cstdint>
#include <vector>

namespace assetgen {

// The checksums a PNG file carries: CRC-32 over each chunk's type and data, and Adler-32 over
// the image data inside the zlib stream.
std::uint32_t crc32(const std::vector<std::uint8_t> &bytes);
std::uint32_t adler32(const std::vector<std::uint8_t> &bytes);

// A picture as an 8-bit RGBA PNG file. rgba holds width x height pixels of four bytes (red,
// green, blue, alpha), rows from the top. The image data is stored, not compressed: the zlib
// stream is made of stored deflate blocks.
ByteWriter pngFile(int width, int height, const std::vector<std::uint8_t> &rgba);

} // namespace assetgen
