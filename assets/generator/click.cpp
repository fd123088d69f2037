#include "click.h"

#include <QFile>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace assetgen {

namespace {

constexpr int SampleRate = 44100;

constexpr double DurationSeconds = 0.040;
constexpr double AttackSeconds = 0.0008;
constexpr double DecaySeconds = 0.006; // time constant of the exponential decay
constexpr double FadeSeconds = 0.010;  // raised-cosine fade to exact silence at the end
constexpr double PeakLevel = 0.45;     // of full scale
constexpr double FullScale = 32767.0;

// The tone: a fundamental with a quieter, slightly inharmonic overtone for a woody knock.
struct Partial
{
    double frequency;
    double level;
};
constexpr Partial Partials[] = {{1850.0, 0.75}, {4270.0, 0.25}};

// The burst's loudness at time, for a burst whose last sample falls at endTime.
double envelope(double time, double endTime)
{
    const double attack = std::min(1.0, time / AttackSeconds);
    const double decay = std::exp(-std::max(0.0, time - AttackSeconds) / DecaySeconds);
    const double untilEnd = endTime - time;
    const double fade =
        untilEnd >= FadeSeconds
            ? 1.0
            : 0.5 - 0.5 * std::cos(std::numbers::pi * std::max(0.0, untilEnd) / FadeSeconds);
    return attack * decay * fade;
}

std::vector<short> clickSamples()
{
    const auto count = static_cast<std::size_t>(std::lround(DurationSeconds * SampleRate));
    const double endTime = static_cast<double>(count - 1) / SampleRate;
    std::vector<double> wave(count);
    std::vector<double> shape(count);
    double waveSum = 0.0;
    double shapeSum = 0.0;
    for (std::size_t n = 0; n < count; ++n) {
        const double time = static_cast<double>(n) / SampleRate;
        shape[n] = envelope(time, endTime);
        double tone = 0.0;
        for (const Partial &partial : Partials)
            tone += partial.level * std::sin(2.0 * std::numbers::pi * partial.frequency * time);
        wave[n] = shape[n] * tone;
        waveSum += wave[n];
        shapeSum += shape[n];
    }

    // Take out the burst's DC in proportion to the envelope, so the ends stay at zero.
    const double offset = waveSum / shapeSum;
    double peak = 0.0;
    for (std::size_t n = 0; n < count; ++n) {
        wave[n] -= offset * shape[n];
        peak = std::max(peak, std::abs(wave[n]));
    }

    std::vector<short> samples(count);
    const double gain = PeakLevel * FullScale / peak;
    for (std::size_t n = 0; n < count; ++n)
        samples[n] = static_cast<short>(std::lround(wave[n] * gain));
    return samples;
}

} // namespace

bool writeClickWav(const QString &path)
{
    const std::vector<short> samples = clickSamples();
    SF_INFO format{};
    format.samplerate = SampleRate;
    format.channels = 1;
    format.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &format);
    if (file == nullptr)
        return false;
    const auto count = static_cast<sf_count_t>(samples.size());
    const bool written = sf_write_short(file, samples.data(), count) == count;
    return sf_close(file) == 0 && written;
}

} // namespace assetgen
