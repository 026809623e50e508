#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, running and testing Ampero needs on Debian 12.
# Idempotent: packages already installed are skipped. Works as root or via sudo.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libgl-dev
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  libgtest-dev googletest
  fonts-dejavu-core
)
for arg in "$@"; do
  case "$arg" in
    # The window tests, the validators of the menu entry and the metainfo, and
    # for the screen-reader test a session bus, the AT-SPI registry and the
    # Python bindings of libatspi that walk the window as Orca would.
    --test) packages+=(xvfb xauth appstream desktop-file-utils
                       dbus at-spi2-core python3 python3-gi gir1.2-atspi-2.0) ;;
    # Building the Debian package: dpkg-shlibdeps and file, which CPack uses;
    # lintian checks the result.
    --package) packages+=(dpkg-dev file lintian) ;;
    # libFuzzer and the sanitizer runtimes come with clang.
    --fuzz) packages+=(clang-14 libclang-rt-14-dev llvm-14) ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
