// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "board/board.h"

#include <QString>

// The names that people hear for the parts of the counting frame, in the main window's language.
// Rods are numbered for people from the left: the leftmost rod, rod 14 inside the program, is
// "Rod 1" and the rightmost, rod 0, is "Rod 15".
namespace mainwin::spoken {

QString rodName(int rod);
// A bead where it stands: "Rod 3, lower bead 2, at rest" or "..., at the beam".
QString beadName(board::Bead bead, board::Place place);
// What a rod's value label is called: "Rod 3 value".
QString rodValueName(int rod);
// A name followed by the value it names: "Rod 3 value 7".
QString withValue(const QString &name, const QString &value);
// What is heard after a bead action: the bead, then its rod's value (when it is not hidden).
QString afterAction(const QString &bead, const QString &rodValue);

} // namespace mainwin::spoken
