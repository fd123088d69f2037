#pragma once

#include <QString>

namespace assetgen {

// Writes the bead click to path: a 40 ms decaying tone burst as a 16-bit mono 44.1 kHz PCM WAV
// file. It starts quickly, peaks well below full scale, has no DC offset and ends in silence.
// False if the file cannot be written.
bool writeClickWav(const QString &path);

} // namespace assetgen
