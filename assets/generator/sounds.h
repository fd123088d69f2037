// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The program's sounds, each a 16-bit mono 44.1 kHz PCM WAV file that starts softly, has no DC
// offset and ends in exact silence. Each writer returns false if the file cannot be written.
namespace assetgen {

// The bead click: a 40 ms decaying tone burst that peaks well below full scale.
bool writeClickWav(const QString &path);

// The cheer for a right answer: a rising three-note chime of 0.3 s, gentler than the click.
bool writeCheerWav(const QString &path);

} // namespace assetgen
