#!/usr/bin/env bash
# Installs what is missing, builds Quillmere and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/quillmere
