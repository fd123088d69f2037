// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bitmapfiles.h"

#include "icons.h"

#include <QtEndian>

#include <algorithm>
#include <initializer_list>

namespace assetgen {

namespace {

// Appends each value as a little-endian field of type Field.
template <typename Field> void put(QByteArray &out, std::initializer_list<Field> values)
{
    for (const Field value : values) {
        out.resize(out.size() + qsizetype{sizeof(Field)});
        qToLittleEndian(value, out.end() - sizeof(Field));
    }
}

// Bitmap rows are padded to whole 32-bit words.
constexpr int paddedRowBytes(int bitsPerRow)
{
    return (bitsPerRow + 31) / 32 * 4;
}

constexpr int IconColourBits = 4;
constexpr int IconColourBytes = paddedRowBytes(IconSide * IconColourBits) * IconSide; // 512
constexpr int IconMaskBytes = paddedRowBytes(IconSide) * IconSide;                    // 128
constexpr int IconInfoHeaderBytes = 40;
constexpr int IconDirectoryBytes = 6 + 16; // the directory and its one entry
constexpr int IconImageBytes =
    IconInfoHeaderBytes + int{VgaPalette.size()} * 4 + IconColourBytes + IconMaskBytes;

constexpr int BmpFileHeaderBytes = 14;
constexpr int BmpCoreHeaderBytes = 12;
constexpr int BmpBitsPerPixel = 24;

} // namespace

QByteArray icoFile(const QImage &icon)
{
    QByteArray out;
    // The directory: reserved, type 1 (icon), one image; then the image's entry: its size,
    // colour count and a reserved byte, one plane, its bits per pixel, its bytes and where
    // they start.
    put<quint16>(out, {0, 1, 1});
    put<quint8>(out, {IconSide, IconSide, VgaPalette.size(), 0});
    put<quint16>(out, {1, IconColourBits});
    put<quint32>(out, {IconImageBytes, IconDirectoryBytes});

    // BITMAPINFOHEADER: its size, the width, the height of colour bitmap and mask together,
    // one plane, the bits per pixel, no compression, the bitmaps' bytes, then resolutions and
    // colour counts, unused here.
    put<quint32>(out, {IconInfoHeaderBytes, IconSide, 2 * IconSide});
    put<quint16>(out, {1, IconColourBits});
    put<quint32>(out, {0, IconColourBytes + IconMaskBytes, 0, 0, 0, 0});
    // The palette: each entry is blue, green, red and a zero byte, the colour as a little-endian
    // 0x00RRGGBB.
    for (const QRgb colour : VgaPalette)
        put<quint32>(out, {colour & RGB_MASK});

    // Both bitmaps are stored bottom row first; 32 pixels fill whole words, so no row needs
    // padding. Transparent pixels carry colour 0 in the colour bitmap and a 1 bit in the AND
    // mask, so the pair leaves the screen untouched there.
    const auto colourIndex = [&icon](int x, int y) {
        const QRgb pixel = icon.pixel(x, y);
        const auto entry = std::find(VgaPalette.begin(), VgaPalette.end(), pixel);
        return qAlpha(pixel) == 0 ? 0 : int(entry - VgaPalette.begin());
    };
    for (int y = IconSide - 1; y >= 0; --y)
        for (int x = 0; x < IconSide; x += 2)
            out.append(char(colourIndex(x, y) << 4 | colourIndex(x + 1, y)));
    QImage mask = icon.createAlphaMask().convertToFormat(QImage::Format_Mono); // 1 is opaque
    mask.invertPixels();
    for (int y = IconSide - 1; y >= 0; --y)
        out.append(reinterpret_cast<const char *>(mask.constScanLine(y)), IconSide / 8);
    return out;
}

QByteArray coreBmpFile(const QImage &picture)
{
    const int rowBytes = paddedRowBytes(picture.width() * BmpBitsPerPixel);
    constexpr int DataOffset = BmpFileHeaderBytes + BmpCoreHeaderBytes;

    QByteArray out("BM");
    // The file header: the file's size, two reserved words, where the pixels start.
    put<quint32>(out, {quint32(DataOffset + rowBytes * picture.height())});
    put<quint16>(out, {0, 0});
    put<quint32>(out, {DataOffset});
    // BITMAPCOREHEADER: its size, then width, height, one plane and the bits per pixel.
    put<quint32>(out, {BmpCoreHeaderBytes});
    put<quint16>(out, {quint16(picture.width()), quint16(picture.height()), 1, BmpBitsPerPixel});

    // Rows of blue, green, red bytes, bottom row first.
    const QImage bgr = picture.convertToFormat(QImage::Format_BGR888);
    const int pixelBytes = bgr.width() * 3;
    for (int y = bgr.height() - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char *>(bgr.constScanLine(y)), pixelBytes);
        out.append(rowBytes - pixelBytes, '\0');
    }
    return out;
}

} // namespace assetgen
