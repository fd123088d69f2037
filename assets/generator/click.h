#pragma once

#include "bytewriter.h"

namespace assetgen {

// The bead click: a 40 ms decaying tone burst as a 16-bit mono 44.1 Hz PCM WAV file. It
// starts quickly, peaks well below full scale, has no DC offset and ends in silence.
ByteWriter clickWavFile();

} // namespace assetgen
