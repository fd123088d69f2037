// Writes the seed corpora into the folder named on the command line: numbers/ holds number texts
// of every shape the reader knows, wavfile/ holds tiny sounds in the formats libsndfile writes,
// so that the fuzzers start from inputs that get past the first checks.
#include <QByteArray>
#include <QDir>
#include <QFile>

#include <sndfile.h>

#include <array>
#include <cstdio>
#include <vector>

namespace {

constexpr int Rate = 8000;
constexpr sf_count_t Frames = 16;

struct SoundSeed
{
    const char *name;
    int format;
    int channels;
};

constexpr std::array<SoundSeed, 13> Sounds{{
    {"pcm16-mono.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1},
    {"pcm16-stereo.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 2},
    {"pcm8.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 1},
    {"pcm24.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 1},
    {"float.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 1},
    {"ulaw.wav", SF_FORMAT_WAV | SF_FORMAT_ULAW, 1},
    {"ima-adpcm.wav", SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM, 1},
    {"ms-adpcm.wav", SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM, 2},
    {"extensible.wav", SF_FORMAT_WAVEX | SF_FORMAT_PCM_16, 2},
    {"big-endian.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16 | SF_ENDIAN_BIG, 1},
    {"pcm16.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 1},
    {"pcm16.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 1},
    {"vorbis.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 1},
}};

constexpr std::array Texts{
    "12.5",
    "-7.25",
    " - 1 2 . 5 e 1",
    "&HFf",
    "&o17",
    "1e309",
    "-0",
    "3D+2",
    "1E10",
    ".",
    "-",
    "1,5",
    "\t1\n2",
    "4.9406564584124654e-324",
    "2147483647.5",
    "-2147483648.5",
    "9007199254740993.0000001",
};

bool writeSound(const QString &path, const SoundSeed &seed)
{
    SF_INFO info{0, Rate, seed.channels, seed.format, 0, 0};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (file == nullptr)
        return false;
    std::vector<short> samples(std::size_t(Frames) * std::size_t(seed.channels));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<short>((i % 2 == 0 ? 1 : -1) * static_cast<int>(i) * 1000);
    const bool written = sf_writef_short(file, samples.data(), Frames) == Frames;
    return sf_close(file) == 0 && written;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
        return 2;
    }
    const QDir root(QFile::decodeName(argv[1]));
    if (!root.mkpath(QStringLiteral("numbers")) || !root.mkpath(QStringLiteral("wavfile")))
        return 1;
    bool ok = true;
    for (const SoundSeed &seed : Sounds)
        ok = writeSound(root.filePath(QStringLiteral("wavfile/") + QLatin1String(seed.name)),
                        seed) &&
             ok;
    int n = 0;
    for (const char *text : Texts)
        ok = writeBytes(root.filePath(QStringLiteral("numbers/text-%1").arg(++n)), text) && ok;
    return ok ? 0 : 1;
}
