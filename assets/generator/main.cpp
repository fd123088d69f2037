// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

// quillmere_assetgen <outdir>: draws the program's pictures and makes its sounds and writes
// them into outdir. What it draws depends on nothing but this code.

#include "bitmapfiles.h"
#include "icons.h"
#include "logo.h"
#include "sounds.h"

#include <QFile>

#include <cstdio>

namespace {

// The window icon for desktop menus and launchers, quillmere-<side>.png: the sizes of the
// hicolor icon theme's folders.
constexpr int DesktopIconSides[] = {16, 24, 32, 48, 64, 128, 256};

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argc > 0 ? argv[0] : "assetgen");
        return 2;
    }
    const QString outDir = QFile::decodeName(argv[1]) + u'/';
    const QImage icon = assetgen::windowIcon();
    const std::pair<QString, QByteArray> pictures[] = {
        {QStringLiteral("lowerbead.ico"), assetgen::icoFile(assetgen::lowerBeadIcon())},
        {QStringLiteral("upperbead.ico"), assetgen::icoFile(assetgen::upperBeadIcon())},
        {QStringLiteral("quillmere.ico"), assetgen::icoFile(icon)},
        {QStringLiteral("quillmere.svg"), assetgen::windowIconSvg()},
        {QStringLiteral("logo.bmp"), assetgen::coreBmpFile(assetgen::logoPicture())},
    };
    QStringList failed;
    for (const auto &[name, bytes] : pictures) {
        if (!write(outDir + name, bytes))
            failed << name;
    }
    for (const int side : DesktopIconSides) {
        const QString name = QStringLiteral("quillmere-%1.png").arg(side);
        if (!assetgen::scaledIcon(icon, side).save(outDir + name, "PNG"))
            failed << name;
    }
    const std::pair<QString, bool (*)(const QString &)> sounds[] = {
        {QStringLiteral("click.wav"), assetgen::writeClickWav},
        {QStringLiteral("cheer.wav"), assetgen::writeCheerWav},
    };
    for (const auto &[name, writeSound] : sounds) {
        if (!writeSound(outDir + name))
            failed << name;
    }
    for (const QString &name : failed)
        std::fprintf(stderr, "cannot write %s\n", qPrintable(outDir + name));
    return failed.isEmpty() ? 0 : 1;
}
