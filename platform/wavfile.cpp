// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wavfile.h"

#include <sndfile.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

namespace platform {

namespace {

// Samples are played as 16-bit integers; libsndfile hands them over as floats in [-1, 1).
constexpr float FullScale = 32768.0F;
constexpr float LowestSample = std::numeric_limits<std::int16_t>::min();
constexpr float HighestSample = std::numeric_limits<std::int16_t>::max();

// The encodings libsndfile decodes itself. MPEG, for one, goes to a decoder that reports damaged
// data on stderr.
constexpr std::array Encodings{
    SF_FORMAT_PCM_U8, SF_FORMAT_PCM_16, SF_FORMAT_PCM_24, SF_FORMAT_PCM_32,    SF_FORMAT_FLOAT,
    SF_FORMAT_DOUBLE, SF_FORMAT_ALAW,   SF_FORMAT_ULAW,   SF_FORMAT_IMA_ADPCM, SF_FORMAT_MS_ADPCM,
};

// The start of a RIFF file: its tag ("RIFX" when its numbers are big-endian), the length of the
// rest, and its form.
constexpr std::size_t HeadSize = 12;
// Each chunk after it: its name and the length of its contents.
constexpr std::int64_t ChunkHeadSize = 8;
// libsndfile's log of how it read a header holds no more than this.
constexpr int LogSize = 2048;

struct FileCloser
{
    void operator()(std::FILE *file) const { std::fclose(file); }
};
struct SoundFileCloser
{
    void operator()(SNDFILE *file) const { sf_close(file); }
};
using SoundFilePtr = std::unique_ptr<SNDFILE, SoundFileCloser>;

// A 32-bit number of a RIFF file, little-endian, or big-endian in a RIFX file.
std::int64_t number32(const unsigned char *bytes, bool bigEndian)
{
    std::int64_t number = 0;
    for (std::size_t i = 0; i < 4; ++i)
        number |= std::int64_t{bytes[i]} << (8 * (bigEndian ? 3 - i : i));
    return number;
}

// libsndfile tries every format it knows on the file it is given, and the MPEG decoder behind it
// reports damage on stderr while it merely looks: only a RIFF or RIFX file of form WAVE gets that
// far, and only when the file is as long as its RIFF header says (libsndfile would play what
// there is of a file cut short). libsndfile also reads every chunk by the length the chunk
// claims, and a list of tags that claims more than the file holds keeps it busy for minutes: each
// chunk, padded to an even length, must end within the file.
bool wholeWave(const char *path)
{
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
    std::array<unsigned char, HeadSize> head{};
    if (!file || std::fread(head.data(), 1, HeadSize, file.get()) != HeadSize ||
        std::fseek(file.get(), 0, SEEK_END) != 0)
        return false;
    const auto text = [&head](std::size_t at) {
        return std::string_view(reinterpret_cast<const char *>(head.data()) + at, 4);
    };
    const bool bigEndian = text(0) == "RIFX";
    const std::int64_t size = std::ftell(file.get());
    if (!(text(0) == "RIFF" || bigEndian) || text(8) != "WAVE" ||
        8 + number32(&head[4], bigEndian) > size)
        return false;
    std::array<unsigned char, ChunkHeadSize> chunk{};
    for (std::int64_t at = HeadSize; at + ChunkHeadSize <= size;) {
        if (std::fseek(file.get(), long(at), SEEK_SET) != 0 ||
            std::fread(chunk.data(), 1, ChunkHeadSize, file.get()) != ChunkHeadSize)
            return false;
        const std::int64_t length = number32(&chunk[4], bigEndian);
        at += ChunkHeadSize + length + length % 2;
        if (at > size + length % 2)
            return false;
    }
    return true;
}

// What libsndfile made of the file: a WAV sound, in an encoding it decodes itself.
bool decodedHere(const SF_INFO &info)
{
    const int major = info.format & SF_FORMAT_TYPEMASK;
    return (major == SF_FORMAT_WAV || major == SF_FORMAT_WAVEX) &&
           std::find(Encodings.begin(), Encodings.end(), info.format & SF_FORMAT_SUBMASK) !=
               Encodings.end() &&
           info.channels > 0 && info.samplerate > 0 && info.frames > 0;
}

// A data chunk whose length runs past the end of the file, libsndfile cuts to the file, saying
// so only in its log of the header: "data : 4410 (should be 3410)".
bool wholeData(SNDFILE *file)
{
    std::array<char, LogSize> log{};
    sf_command(file, SFC_GET_LOG_INFO, log.data(), LogSize);
    std::istringstream lines(log.data());
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("data : ") && line.find("(should be ") != std::string::npos)
            return false;
    }
    return true;
}

} // namespace

std::optional<WavSamples> readWav(const char *path)
{
    if (!wholeWave(path))
        return std::nullopt;
    SF_INFO info{};
    const SoundFilePtr file(sf_open(path, SFM_READ, &info));
    if (!file || !decodedHere(info) || !wholeData(file.get()))
        return std::nullopt;

    std::vector<float> levels(static_cast<std::size_t>(info.frames) * info.channels);
    if (sf_readf_float(file.get(), levels.data(), info.frames) != info.frames)
        return std::nullopt;

    WavSamples samples;
    samples.channels = info.channels;
    samples.rate = info.samplerate;
    samples.interleaved.resize(levels.size());
    std::transform(levels.begin(), levels.end(), samples.interleaved.begin(), [](float level) {
        const float sample = std::round(level * FullScale);
        return static_cast<std::int16_t>(
            std::isnan(sample) ? 0.0F : std::clamp(sample, LowestSample, HighestSample));
    });
    return samples;
}

} // namespace platform
