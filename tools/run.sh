#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Dunmarrow
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds Quillmere and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/quillmere
