// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace platform {

// Plays a short WAV file and returns once it has been heard. The event loop does not run
// meanwhile, so input that arrives during the sound is handled after the caller is done.
// Anything that goes wrong (no such file, a file that is not a sound, no sound device, no sound
// module) means silence: no message and nothing on stderr. The first sound loads the sound
// module (soundmodule.h), found beside the executable or, installed, in its lib/quillmere.
void playSound(const QString &fileName);

// Quiet mode, off at start and kept until the program ends: playSound returns at once, without
// looking for the file or waiting for a sound.
void setQuiet(bool quiet);
bool isQuiet();

// Where a name without a directory is found: the current directory, then beside the executable,
// then in share/quillmere beside the executable's bin folder, then in the data directory the
// program was built for. Empty when it is in none of them.
QString locateSound(const QString &fileName);

} // namespace platform
