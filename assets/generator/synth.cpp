// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "synth.h"

#include <QFile>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assetgen::synth {

namespace {

constexpr double FullScale = 32767.0;

} // namespace

double tone(std::span<const Partial> partials, double time, double pitch)
{
    double sum = 0.0;
    for (const Partial &partial : partials)
        sum +=
            partial.level * std::sin(2.0 * std::numbers::pi * (partial.frequency * pitch) * time);
    return sum;
}

double strike(double since, double attack, double decay)
{
    if (since < 0.0)
        return 0.0;
    return std::min(1.0, since / attack) * std::exp(-std::max(0.0, since - attack) / decay);
}

double fadeOut(double untilEnd, double fade)
{
    return untilEnd >= fade
               ? 1.0
               : 0.5 - 0.5 * std::cos(std::numbers::pi * std::max(0.0, untilEnd) / fade);
}

std::vector<short> render(double seconds, double peak,
                          const std::function<Instant(double time, double endTime)> &instant)
{
    const auto count = static_cast<std::size_t>(std::lround(seconds * SampleRate));
    const double endTime = static_cast<double>(count - 1) / SampleRate;
    std::vector<Instant> sound(count);
    double waveSum = 0.0;
    double envelopeSum = 0.0;
    for (std::size_t n = 0; n < count; ++n) {
        sound[n] = instant(static_cast<double>(n) / SampleRate, endTime);
        waveSum += sound[n].wave;
        envelopeSum += sound[n].envelope;
    }

    const double offset = waveSum / envelopeSum;
    double loudest = 0.0;
    for (Instant &at : sound) {
        at.wave -= offset * at.envelope;
        loudest = std::max(loudest, std::abs(at.wave));
    }

    std::vector<short> samples(count);
    const double gain = peak * FullScale / loudest;
    for (std::size_t n = 0; n < count; ++n)
        samples[n] = static_cast<short>(std::lround(sound[n].wave * gain));
    return samples;
}

bool writeWav(const QString &path, const std::vector<short> &samples)
{
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

} // namespace assetgen::synth
