// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>
#include <span>
#include <vector>

// What the generator's sounds are made of: tones of a few sine partials under an envelope, made
// into 16-bit mono samples at 44.1 kHz and written as WAV files.
namespace assetgen::synth {

inline constexpr int SampleRate = 44100;

// A sine partial of a tone: its frequency (in Hz, or a multiple of a note's) and its level.
struct Partial
{
    double frequency;
    double level;
};

// The sum of the partials at time, each frequency multiplied by pitch.
double tone(std::span<const Partial> partials, double time, double pitch = 1.0);

// The loudness of a struck tone `since` seconds after the stroke: 0 before it, a linear rise over
// `attack` seconds, then an exponential decay with the time constant `decay`.
double strike(double since, double attack, double decay);

// 1 until `fade` seconds before the end, then a raised cosine that is exactly 0 at the end.
double fadeOut(double untilEnd, double fade);

// One instant of a sound: its wave, and the envelope that shapes it (0 where the sound is silent).
struct Instant
{
    double wave;
    double envelope;
};

// A sound `seconds` long, from its instant at each sample's time (given with the last sample's
// time): its DC taken out in proportion to the envelope, so that silent ends stay at exactly 0,
// and scaled so that its loudest sample is `peak` of full scale.
std::vector<short> render(double seconds, double peak,
                          const std::function<Instant(double time, double endTime)> &instant);

// Writes the samples to path as a 16-bit mono 44.1 kHz PCM WAV file; false if it cannot.
bool writeWav(const QString &path, const std::vector<short> &samples);

} // namespace assetgen::synth
