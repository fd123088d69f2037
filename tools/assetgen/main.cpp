// quillmere_assetgen <outdir>: draws the program's pictures and its click sound and writes
// them into outdir. The output depends on nothing but this code.

#include "click.h"
#include "icons.h"
#include "logo.h"

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

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argc > 0 ? argv[0] : "assetgen");
        return 2;
    }
    const std::string outDir = argv[1];
    for (const Asset &asset : Assets) {
        const std::string path = outDir + "/" + asset.fileName;
        if (!asset.make().saveTo(path)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
