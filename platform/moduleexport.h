// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The mark of a module's entry point: the program looks it up by name once it has loaded the
// module, and every other symbol of the module stays hidden.
#if defined(_WIN32)
#define QUILLMERE_MODULE_EXPORT __declspec(dllexport)
#else
#define QUILLMERE_MODULE_EXPORT __attribute__((visibility("default")))
#endif
