#include "png.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace assetgen {

namespace {

constexpr std::array<std::uint8_t, 8> Signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// IHDR: 8 bits per channel, colour type 6 (RGBA), deflate, adaptive filtering, no interlace.
constexpr std::uint8_t BitDepth = 8;
constexpr std::uint8_t RgbaColourType = 6;
constexpr std::uint8_t DeflateCompression = 0;
constexpr std::uint8_t AdaptiveFiltering = 0;
constexpr std::uint8_t NoInterlace = 0;
constexpr std::size_t RgbaBytes = 4;
// Each row starts with its filter type; 0 leaves the row as it is.
constexpr std::uint8_t NoFilter = 0;

// zlib header: deflate with a 32 KiB window (0x78), no dictionary and the check bits that make
// the 16-bit header a multiple of 31 (0x01).
constexpr std::uint8_t ZlibMethod = 0x78;
constexpr std::uint8_t ZlibFlags = 0x01;
// A stored deflate block: its header byte (BFINAL in bit 0, BTYPE 00), then LEN and its ones'
// complement NLEN, then at most 65,535 bytes as they are.
constexpr std::size_t StoredBlockLimit = 0xFFFF;
constexpr std::uint8_t StoredBlock = 0;
constexpr std::uint8_t FinalStoredBlock = 1;

constexpr std::uint32_t CrcPolynomial = 0xEDB88320U; // 0x04C11DB7 bit-reversed
constexpr std::uint32_t CrcAllOnes = 0xFFFFFFFFU;
constexpr unsigned BitsPerByte = 8;
constexpr std::uint32_t AdlerModulus = 65521;
constexpr unsigned AdlerHighShift = 16;

ByteWriter zlibStored(const std::vector<std::uint8_t> &data)
{
    ByteWriter out;
    out.putU8(ZlibMethod);
    out.putU8(ZlibFlags);
    std::size_t start = 0;
    do {
        const std::size_t length = std::min(StoredBlockLimit, data.size() - start);
        const bool last = start + length == data.size();
        out.putU8(last ? FinalStoredBlock : StoredBlock);
        out.putU16(static_cast<std::uint16_t>(length));
        out.putU16(static_cast<std::uint16_t>(~length));
        out.putBytes({data.begin() + static_cast<std::ptrdiff_t>(start),
                      data.begin() + static_cast<std::ptrdiff_t>(start + length)});
        start += length;
    } while (start < data.size());
    out.putU32BigEndian(adler32(data));
    return out;
}

void putChunk(ByteWriter &out, std::string_view type, const std::vector<std::uint8_t> &data)
{
    ByteWriter typed;
    typed.putTag(type);
    typed.putBytes(data);
    out.putU32BigEndian(static_cast<std::uint32_t>(data.size()));
    out.putBytes(typed.bytes());
    out.putU32BigEndian(crc32(typed.bytes()));
}

} // namespace

std::uint32_t crc32(const std::vector<std::uint8_t> &bytes)
{
    std::uint32_t crc = CrcAllOnes;
    for (const std::uint8_t byte : bytes) {
        crc ^= byte;
        for (unsigned bit = 0; bit < BitsPerByte; ++bit)
            crc = (crc & 1U) != 0 ? (crc >> 1) ^ CrcPolynomial : crc >> 1;
    }
    return crc ^ CrcAllOnes;
}

std::uint32_t adler32(const std::vector<std::uint8_t> &bytes)
{
    std::uint32_t low = 1;
    std::uint32_t high = 0;
    for (const std::uint8_t byte : bytes) {
        low = (low + byte) % AdlerModulus;
        high = (high + low) % AdlerModulus;
    }
    return (high << AdlerHighShift) | low;
}

ByteWriter pngFile(int width, int height, const std::vector<std::uint8_t> &rgba)
{
    const std::size_t rowBytes = static_cast<std::size_t>(width) * RgbaBytes;
    std::vector<std::uint8_t> filtered;
    filtered.reserve((rowBytes + 1) * static_cast<std::size_t>(height));
    for (std::size_t row = 0; row < static_cast<std::size_t>(height); ++row) {
        filtered.push_back(NoFilter);
        const auto first = rgba.begin() + static_cast<std::ptrdiff_t>(row * rowBytes);
        filtered.insert(filtered.end(), first, first + static_cast<std::ptrdiff_t>(rowBytes));
    }

    ByteWriter header;
    header.putU32BigEndian(static_cast<std::uint32_t>(width));
    header.putU32BigEndian(static_cast<std::uint32_t>(height));
    header.putU8(BitDepth);
    header.putU8(RgbaColourType);
    header.putU8(DeflateCompression);
    header.putU8(AdaptiveFiltering);
    header.putU8(NoInterlace);

    ByteWriter out;
    out.putBytes({Signature.begin(), Signature.end()});
    putChunk(out, "IHDR", header.bytes());
    putChunk(out, "IDAT", zlibStored(filtered).bytes());
    putChunk(out, "IEND", {});
    return out;
}

} // namespace assetgen
