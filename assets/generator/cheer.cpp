// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sounds.h"
#include "synth.h"

namespace assetgen {

namespace {

constexpr double DurationSeconds = 0.300;
constexpr double AttackSeconds = 0.004; // soft enough not to click
constexpr double DecaySeconds = 0.090;  // time constant: each note still rings under the next
constexpr double FadeSeconds = 0.080;   // raised-cosine fade to exact silence at the end
constexpr double PeakLevel = 0.30;      // of full scale: gentler than the click

// A rising major triad, C6, E6 and G6, a note every 80 ms.
struct Note
{
    double start;
    double frequency;
};
constexpr Note Notes[] = {{0.000, 1046.50}, {0.080, 1318.51}, {0.160, 1567.98}};

// A soft bell: each note with its octave and its twelfth, quieter and quieter.
constexpr synth::Partial Partials[] = {{1.0, 0.80}, {2.0, 0.15}, {3.0, 0.05}};

} // namespace

bool writeCheerWav(const QString &path)
{
    using namespace synth;
    return writeWav(path, render(DurationSeconds, PeakLevel, [](double time, double endTime) {
                        const double fade = fadeOut(endTime - time, FadeSeconds);
                        Instant sum{0.0, 0.0};
                        for (const Note &note : Notes) {
                            const double since = time - note.start;
                            const double envelope =
                                fade * strike(since, AttackSeconds, DecaySeconds);
                            sum.wave += envelope * tone(Partials, since, note.frequency);
                            sum.envelope += envelope;
                        }
                        return sum;
                    }));
}

} // namespace assetgen
