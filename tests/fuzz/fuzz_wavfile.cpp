// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as a sound file: readWav must return, quickly, either nothing or a sound that can be
// played as it stands.
#include "platform/wavfile.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void require(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Each input is a file in memory, gone with the process; readWav opens it by its name.
    static const int input = memfd_create("input.wav", 0);
    static const std::string path = "/proc/self/fd/" + std::to_string(input);
    require(input >= 0 && ftruncate(input, 0) == 0 &&
                pwrite(input, data, size, 0) == static_cast<ssize_t>(size),
            "the input is written to a file");
    if (const std::optional<platform::WavSamples> sound = platform::readWav(path.c_str())) {
        require(sound->channels > 0 && sound->rate > 0, "a sound has channels and a rate");
        require(!sound->interleaved.empty(), "a sound has samples");
        require(sound->interleaved.size() % std::size_t(sound->channels) == 0,
                "a sound holds whole frames");
    }
    return 0;
}
