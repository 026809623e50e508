#!/usr/bin/env bash
# Installs what is missing, builds Ampero from scratch and runs every test.
# The window tests run on Qt's offscreen platform: no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh --test
rm -rf build
cmake --preset default
cmake --build --preset default -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --preset default -j"$(nproc)"
