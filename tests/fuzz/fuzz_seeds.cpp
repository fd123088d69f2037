// Writes the seed corpora into the folder named on the command line: numbers/ holds number texts
// of every shape the reader knows, wavfile/ holds tiny sounds in the formats libsndfile writes,
// so that the fuzzers start from inputs that get past the first checks.
#include <sndfile.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>

int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2; // usage: fuzz_seeds FOLDER
    const std::filesystem::path root(argv[1]);
    std::filesystem::create_directories(root / "numbers"); // throws when it cannot
    std::filesystem::create_directories(root / "wavfile");
    // Number texts, separated by "|".
    std::istringstream texts(
        "12.5|-7.25| - 1 2 . 5 e 1|&HFf|&o17|1e309|-0|3D+2|1E10|.|-|1,5|\t1\n2|"
        "4.9406564584124654e-324|2147483647.5|-2147483648.5|"
        "9007199254740993.0000001");
    bool ok = true;
    int n = 0;
    for (std::string text; std::getline(texts, text, '|');)
        ok = bool(std::ofstream(root / "numbers" / ("text-" + std::to_string(++n))) << text) && ok;
    constexpr std::array<std::tuple<const char *, int, int>, 13> Sounds{
        {{"pcm16-mono.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1},
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
         {"vorbis.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 1}}};
    constexpr sf_count_t Frames = 16;
    std::array<short, 2 * Frames> samples{}; // alternating in sign, growing
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<short>((i % 2 == 0 ? 1 : -1) * static_cast<int>(i) * 1000);
    for (const auto &[name, format, channels] : Sounds) {
        SF_INFO info{0, 8000, channels, format, 0, 0};
        SNDFILE *file = sf_open((root / "wavfile" / name).c_str(), SFM_WRITE, &info);
        const bool written = sf_writef_short(file, samples.data(), Frames) == Frames; // 0 if null
        ok = sf_close(file) == 0 && written && ok;
    }
    return ok ? 0 : 1;
}
