// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

#include <optional>

// The command line, read once the application object has taken Qt's own options out of it.
namespace commandline {

// Answers --help (-h) and --version (-v) on stdout and returns 0; for an option the program does
// not know, or any other argument, prints what is wrong and the usage on stderr and returns 2.
// Returns nothing when the program is to start as usual.
std::optional<int> read(const QStringList &arguments);

} // namespace commandline
