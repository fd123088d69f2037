#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Dunmarrow
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, checks the licence data with reuse, builds the Debian package and runs
# lintian and its autopkgtest on it, builds Quillmere twice (release, and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test in both builds; then builds the fuzz targets
# with clang and runs each for a minute (tests/fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh --tests
echo "== reuse lint"
reuse lint
tools/deb.sh build-deb # the Debian package and lintian; the install tests look inside it
# The package's own test, debian/tests, on this machine: autopkgtest installs the package for it,
# and it goes again afterwards unless it was installed before.
installed=$(dpkg-query -W -f '${Status}' quillmere 2>/dev/null || true)
status=0
autopkgtest -B build-deb/quillmere_*.deb . -- null || status=$?
[[ "$installed" == *" installed" ]] || dpkg --purge quillmere >/dev/null
[[ $status -eq 0 ]]

for preset in default asan fuzz; do
    echo "== build: $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j 2
    echo "== tests: $preset"
    ctest --preset "$preset"
done
