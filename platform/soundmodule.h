// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The sound module, a library of its own (quillmere-sound) that the program loads at its first
// sound, so that libsndfile, PortAudio and the sound system behind them stay out of start-up.
// Its one entry point plays a WAV file (path in the file system's encoding) and returns once it
// has been heard, or at once, in silence, when the file or the sound device is not there.
#include "platform/moduleexport.h"

extern "C" QUILLMERE_MODULE_EXPORT void quillmere_play_wav(const char *path);

namespace platform {
// The entry point's name, for looking it up in the loaded module.
inline constexpr char PlayWavEntry[] = "quillmere_play_wav";
} // namespace platform
