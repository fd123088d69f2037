#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace assetgen {

// Builds a file image byte by byte. ICO, BMP and WAV store their numbers little-endian (the put
// functions); PNG stores them big-endian (putU32BigEndian). This is the one place that knows
// the byte orders.
class ByteWriter
{
public:
    void putU8(std::uint8_t value);
    void putU16(std::uint16_t value);
    void putU32(std::uint32_t value);
    void putI16(std::int16_t value);
    void putI32(std::int32_t value);
    void putU32BigEndian(std::uint32_t value);
    // Writes the characters of a format tag such as "RIFF" or "BM", without a terminator.
    void putTag(std::string_view tag);
    void putZeros(std::size_t count);
    void putBytes(const std::vector<std::uint8_t> &bytes);

    std::size_t size() const { return m_bytes.size(); }
    const std::vector<std::uint8_t> &bytes() const { return m_bytes; }

    // Writes the bytes to path, replacing any file there; false if that fails.
    bool saveTo(const std::string &path) const;

private:
    std::vector<std::uint8_t> m_bytes;
};

// Bitmap rows (in BMP files and inside ICO files) are padded to whole 32-bit words.
constexpr std::size_t paddedRowBytes(std::size_t bitsPerRow)
{
    constexpr std::size_t WordBits = 32;
    constexpr std::size_t WordBytes = 4;
    return (bitsPerRow + WordBits - 1) / WordBits * WordBytes;
}

} // namespace assetgen
