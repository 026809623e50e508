#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs them.
#
#   scripts/fuzz.sh            replay the stored corpus, then fuzz each target
#                              for AMPERO_FUZZ_SECONDS seconds (default 20);
#                              this is the step of the test command
#   scripts/fuzz.sh --long [S] fuzz each target S seconds (default 600), one
#                              after another on one worker at the lowest
#                              priority; new inputs stay in
#                              build-fuzz/fuzz/corpus-work/<target>
#
# A finding is written to build-fuzz/fuzz/findings/<target>-crash-...; replay
# it with build-fuzz/fuzz/fuzz_<target> FILE, and keep it as a regression
# input in fuzz/corpus/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=short
long_seconds=600
case "${1:-}" in
  --long) mode=long; long_seconds="${2:-600}" ;;
  ""|--short) ;;
  *) echo "usage: $0 [--short | --long [SECONDS]]" >&2; exit 2 ;;
esac

bash scripts/deps.sh --fuzz || echo "fuzz.sh: could not install clang" >&2
CLANG=$(command -v clang++-14 || command -v clang++ || true)
CLANGC=$(command -v clang-14 || command -v clang || true)
if [ -z "$CLANG" ] || [ -z "$CLANGC" ]; then
  echo "fuzz.sh: clang is not available; fuzzing skipped"
  exit 0
fi

seconds="${AMPERO_FUZZ_SECONDS:-20}"
CC="$CLANGC" CXX="$CLANG" cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DAMPERO_BUILD_UI=OFF -DAMPERO_BUILD_TESTS=OFF -DAMPERO_BUILD_FUZZ=ON \
  -DAMPERO_FUZZ_SECONDS="$seconds" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build build-fuzz -j"${AMPERO_JOBS:-2}"

export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

if [ "$mode" = short ]; then
  # The stored corpus first, then a short run of each target, one at a time.
  ctest --test-dir build-fuzz/fuzz --output-on-failure -L fuzz -j1
  exit 0
fi

targets=()
for src in fuzz/fuzz_*.cpp; do t=${src#fuzz/fuzz_}; targets+=("${t%.cpp}"); done
for t in "${targets[@]}"; do
  mkdir -p "build-fuzz/fuzz/corpus-work/$t"
  echo "== fuzz_$t for $long_seconds s"
  nice -n 19 "build-fuzz/fuzz/fuzz_$t" -max_total_time="$long_seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="build-fuzz/fuzz/findings/$t-" \
    "build-fuzz/fuzz/corpus-work/$t" "fuzz/corpus/$t" 2>&1 | tee "build-fuzz/fuzz/$t-long.log" | \
    grep -E '^(#[0-9]+ +DONE|stat::|\*\*\*|==[0-9]+==ERROR|SUMMARY)' || true
done
