#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of Ampero: build-pkg/ampero_<version>_<arch>.deb.
# Install it with:  sudo apt install ./build-pkg/ampero_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh --package
if [ ! -f assets/ampero.svg ]; then
  echo "assets/ampero.svg is missing: the package would have no icon" >&2
  exit 1
fi
cmake -S . -B build-pkg -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAMPERO_BUILD_TESTS=OFF
cmake --build build-pkg -j"$(nproc)" --target package
ls -1 build-pkg/ampero_*.deb
