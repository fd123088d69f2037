// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sounds.h"
#include "synth.h"

namespace assetgen {

namespace {

constexpr double DurationSeconds = 0.040;
constexpr double AttackSeconds = 0.0008;
constexpr double DecaySeconds = 0.006; // time constant of the exponential decay
constexpr double FadeSeconds = 0.010;  // raised-cosine fade to exact silence at the end
constexpr double PeakLevel = 0.45;     // of full scale

// The tone: a fundamental with a quieter, slightly inharmonic overtone for a woody knock.
constexpr synth::Partial Partials[] = {{1850.0, 0.75}, {4270.0, 0.25}};

} // namespace

bool writeClickWav(const QString &path)
{
    using namespace synth;
    return writeWav(path, render(DurationSeconds, PeakLevel, [](double time, double endTime) {
                        const double envelope = strike(time, AttackSeconds, DecaySeconds) *
                                                fadeOut(endTime - time, FadeSeconds);
                        return Instant{envelope * tone(Partials, time), envelope};
                    }));
}

} // namespace assetgen
