#include "bytewriter.h"

#include <fstream>

namespace assetgen {

namespace {
constexpr unsigned BitsPerByte = 8;
constexpr std::uint32_t ByteMask = 0xFF;
} // namespace

void ByteWriter::putU8(std::uint8_t value)
{
    m_bytes.push_back(value);
}

void ByteWriter::putU16(std::uint16_t value)
{
    putU8(static_cast<std::uint8_t>(value & ByteMask));
    putU8(static_cast<std::uint8_t>((value >> BitsPerByte) & ByteMask));
}

void ByteWriter::putU32(std::uint32_t value)
{
    putU16(static_cast<std::uint16_t>(value & 0xFFFFU));
    putU16(static_cast<std::uint16_t>(value >> (2 * BitsPerByte)));
}

void ByteWriter::putI16(std::int16_t value)
{
    putU16(static_cast<std::uint16_t>(value));
}

void ByteWriter::putI32(std::int32_t value)
{
    putU32(static_cast<std::uint32_t>(value));
}

void ByteWriter::putU32BigEndian(std::uint32_t value)
{
    for (auto shift = unsigned(sizeof(value) * BitsPerByte); shift != 0;) {
        shift -= BitsPerByte;
        putU8(static_cast<std::uint8_t>((value >> shift) & ByteMask));
    }
}

void ByteWriter::putTag(std::string_view tag)
{
    for (const char c : tag)
        putU8(static_cast<std::uint8_t>(c));
}

void ByteWriter::putZeros(std::size_t count)
{
    m_bytes.insert(m_bytes.end(), count, std::uint8_t{0});
}

void ByteWriter::putBytes(const std::vector<std::uint8_t> &bytes)
{
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
}

bool ByteWriter::saveTo(const std::string &path) const
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    file.write(reinterpret_cast<const char *>(m_bytes.data()),
               static_cast<std::streamsize>(m_bytes.size()));
    return static_cast<bool>(file);
}

} // namespace assetgen
