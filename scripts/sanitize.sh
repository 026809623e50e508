#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer
# (the asan preset, float-cast-overflow included) and runs the whole suite
# there: core tests, window tests with the key storm, and the fuzz corpus
# replayed through the same sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh --test
cmake --preset asan -DAMPERO_BUILD_FUZZ=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build --preset asan -j"${AMPERO_JOBS:-$(nproc)}"

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Plain C++: every leak counts.
# The package and screen-reader checks look at the program from outside and
# ran in the test command already.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
  ctest --preset asan -j"$(nproc)" -E '^(ui_|packaging_|a11y_)'
# The window tests: Qt, fontconfig and the platform plugin keep caches that
# live until exit and are reported as leaks though they are not ours, so
# leak detection is off there; every other ASan check stays on.
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
  ctest --preset asan -j"$(nproc)" -R '^ui_'
# A longer key storm than the test command's (events a page), under the sanitizers.
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 AMPERO_STORM_EVENTS="${AMPERO_STORM_EVENTS:-5000}" \
  QT_QPA_FONTDIR=/usr/share/fonts/truetype/dejavu LC_ALL=C.UTF-8 QTEST_FUNCTION_TIMEOUT=1800000 \
  build-asan/tests/test_keystorm
