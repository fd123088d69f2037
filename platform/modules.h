// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFunctionPointer>
#include <QString>

namespace platform {

// The entry point `entry` of the program's module `name` ("quillmere-sound"), loaded at the
// first call and kept loaded for the rest of the program: found beside the executable or, as
// installed, in its lib/quillmere. Null when the module or the entry point is not there.
QFunctionPointer resolveModule(const QString &name, const char *entry);

} // namespace platform
