#!/usr/bin/env bash
# Installs what building, running and testing Ampero needs on Debian 12.
# Idempotent: packages already installed are skipped. Works as root or via sudo.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libgl-dev
  libgtest-dev googletest
  fonts-dejavu-core
)
for arg in "$@"; do
  case "$arg" in
    # The window tests, and the validators of the menu entry and the metainfo.
    --test) packages+=(xvfb xauth appstream desktop-file-utils) ;;
    # Building the Debian package: dpkg-shlibdeps and file, which CPack uses.
    --package) packages+=(dpkg-dev file) ;;
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
