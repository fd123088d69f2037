// quillmere_assetgen <outdir>: draws the program's pictures and its click sound and writes
// them into outdir. The output depends on nothing but this code.

#include "click.h"
#include "icons.h"
#include "logo.h"

#include <array>
#include <cstdio>
#include <functional>
#include <string>

namespace {

struct Asset
{
    const char *fileName;
    std::function<assetgen::ByteWriter()> make;
};

const Asset Assets[] = {
    {"lowerbead.ico", [] { return assetgen::lowerBeadIcon().toIcoFile(); }},
    {"upperbead.ico", [] { return assetgen::upperBeadIcon().toIcoFile(); }},
    {"quillmere.ico", [] { return assetgen::windowIcon().toIcoFile(); }},
    {"logo.bmp", [] { return assetgen::logoPicture().toBmpFile(); }},
    {"click.wav", [] { return assetgen::clickWavFile(); }},
};

// The window icon for desktop menus and launchers, quillmere-<side>.png: the sizes of the
// hicolor icon theme's folders.
constexpr std::array<int, 7> DesktopIconSides{16, 24, 32, 48, 64, 128, 256};

bool write(const assetgen::ByteWriter &file, const std::string &path)
{
    if (file.saveTo(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argc > 0 ? argv[0] : "assetgen");
        return 2;
    }
    const std::string outDir = argv[1];
    for (const Asset &asset : Assets) {
        if (!write(asset.make(), outDir + "/" + asset.fileName))
            return 1;
    }
    const assetgen::IconImage icon = assetgen::windowIcon();
    for (const int side : DesktopIconSides) {
        if (!write(icon.toPngFile(side), outDir + "/quillmere-" + std::to_string(side) + ".png"))
            return 1;
    }
    return 0;
}
