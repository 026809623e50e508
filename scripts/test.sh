#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Ampero from scratch and runs every test.
# The window tests run on Qt's offscreen platform: no display is needed (the
# screen-reader test starts its own Xvfb); --package brings lintian, which checks
# the Debian package built from this tree.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh --test --package
rm -rf build
# The build prints no warning; a new one fails the run.
cmake --preset default -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build --preset default -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --preset default -j"$(nproc)"
unset QT_QPA_PLATFORM

# The program once more as a Release build (-O3): GCC's optimiser warns
# where -O2 does not, and a warning fails here too.
rm -rf build-release
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DAMPERO_BUILD_TESTS=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build build-release -j"$(nproc)" --target ampero

# The fuzz targets: the stored corpus replayed, then a short run of each
# (about a minute in all; skipped when clang cannot be had).
bash scripts/fuzz.sh
