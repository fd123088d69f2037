// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

// A whole sound as 16-bit samples, the channels of each frame side by side.
struct WavSamples
{
    std::vector<std::int16_t> interleaved;
    int channels = 0;
    int rate = 0; // frames per second

    unsigned long frames() const
    {
        return static_cast<unsigned long>(interleaved.size() / channels);
    }
};

// The samples of a WAV file (path in the file system's encoding), read afresh at each call.
// Nothing for a file that is missing, damaged, cut short or holds no sound, and for anything but
// a RIFF WAVE file in an encoding that libsndfile decodes itself (PCM, IEEE float, A-law, mu-law,
// IMA or Microsoft ADPCM).
std::optional<WavSamples> readWav(const char *path);

} // namespace platform
