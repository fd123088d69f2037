// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

#include <cstdint>
#include <optional>

// The command line, read once the application object has taken Qt's own options out of it.
namespace commandline {

// What the program starts with.
struct Options
{
    // The seed of the practice tasks: from --seed, or else from QUILLMERE_SEED in the
    // environment; without either each run draws its own tasks.
    std::optional<std::uint32_t> seed;
};

// Answers --help (-h) and --version (-v) on stdout and returns 0; for an option the program does
// not know, a seed that is no whole number from 0 to 4294967295, or any other argument, prints
// what is wrong and the usage on stderr and returns 2. Returns nothing when the program is to
// start, and fills `options`.
std::optional<int> read(const QStringList &arguments, Options &options);

} // namespace commandline
