#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dunmarrow
#
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package of debian/ from a copy of the working tree (without .git and the build
# folders) in a folder, build-deb by default, and runs lintian on it: an error or a warning fails.
# tests/install.sh then checks the package there. Usage: tools/deb.sh [folder]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build-deb}")
rm -rf "$out" && mkdir -p "$out/quillmere"
tar -c --exclude-vcs --exclude='./build*' --exclude='./obj-*' . | tar -x -C "$out/quillmere"
echo "== dpkg-buildpackage in $out"
if ! (cd "$out/quillmere" && DEB_BUILD_OPTIONS=parallel=2 dpkg-buildpackage -b -us -uc \
    >"$out/build.log" 2>&1); then
    tail -n 40 "$out/build.log"
    exit 1
fi
echo "== lintian"
lintian --fail-on error,warning --display-info --pedantic "$out"/*.changes
