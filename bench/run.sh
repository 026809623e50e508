#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the benchmarks from a build with AMPERO_BUILD_BENCH=ON:
#   cmake --preset default -DAMPERO_BUILD_BENCH=ON
#   cmake --build build -j2 --target bare_window ampero_startup startup_driver bench_keystroke
#   bench/run.sh [BUILD_DIR] [RUNS]
# Start-up is measured on the offscreen platform and, when Xvfb is there,
# on a virtual X display; the keystroke benchmarks run offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
runs="${2:-20}"
b="$build/bench"
export QT_QPA_FONTDIR=/usr/share/fonts/truetype/dejavu LC_ALL=C.UTF-8
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
# Settings of the benchmark's own, never the user's.
export XDG_CONFIG_HOME="$(mktemp -d)"
# BENCH_LANGUAGE=1 starts Ampero in English (a row of the language table).
if [ -n "${BENCH_LANGUAGE:-}" ]; then
  mkdir -p "$XDG_CONFIG_HOME/ampero"
  printf '[window]\nlanguage=%s\n' "$BENCH_LANGUAGE" > "$XDG_CONFIG_HOME/ampero/ampero.conf"
fi

echo "== start-up"
QT_QPA_PLATFORM=offscreen "$b/startup_driver" "$runs" "$b/ampero_startup" "$b/bare_window" "$b/bare_text_window"
if command -v xvfb-run >/dev/null; then
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$b/startup_driver" "$runs" "$b/ampero_startup" "$b/bare_window" "$b/bare_text_window"
fi

echo "== keystroke"
QT_QPA_PLATFORM=offscreen "$b/bench_keystroke" -minimumtotal 200 2>&1 | grep -E "RESULT|msecs|PASS|FAIL" | grep -v "^PASS   : KeystrokeBench::(init|clean)"
