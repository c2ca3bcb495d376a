#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need.
# Fonts: Noto CJK for the Chinese, Japanese and Korean interfaces, Noto Sans
# Mono for the run log, DejaVu for
# Arabic and Cyrillic. xorriso and 7z read the images' file systems in the tests.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git ccache
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-image-formats-plugins libgl-dev
  libtag1-dev libuchardet-dev zlib1g-dev libsoxr-dev
  xvfb xauth openssl
  fonts-noto-cjk fonts-noto-mono fonts-dejavu-core
  unzip python3 locales clang-format
  p7zip-full xorriso ffmpeg
)
# The Windows cross build and its test run under wine, when the Windows SDK
# lies beside the repository (scripts/windows-build.sh).
if [ -f "$(dirname "$0")/../../shared/windows-sdk/win-sdk.tar.xz" ]; then
  packages+=(mingw-w64 g++-mingw-w64-x86-64-posix libz-mingw-w64-dev ninja-build wine wine64)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
