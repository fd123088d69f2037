#!/usr/bin/env bash
# Installs what is missing, builds Quillmere twice (release, and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test in both builds; then builds the fuzz targets
# with clang and runs each for a minute (tests/fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh --tests

for preset in default asan fuzz; do
    echo "== build: $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j 2
    echo "== tests: $preset"
    ctest --preset "$preset"
done
