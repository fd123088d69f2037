// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

namespace platform {

// Ends the program at once: every window goes away and the event loop returns 0, so no further
// handler runs.
void endProgram();

// Tests observe the end without ending: while a handler is set, endProgram calls it instead.
void setEndProgramHandler(std::function<void()> handler);

} // namespace platform
