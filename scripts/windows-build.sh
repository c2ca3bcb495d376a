#!/usr/bin/env bash
# Cross-compiles every target for Windows x64 into build-win/ (Release, Ninja,
# ccache) with the SDK beside the repository. Extra arguments go to cmake.
# -O2 as on Linux: it compiles faster than CMake's -O3 default on the shared
# cores, and GCC 12 reports false -Wrestrict overlaps at -O3. zlib comes
# from Debian's mingw-w64 build (libz-mingw-w64-dev), linked statically.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-sdk.sh
win_sdk_present || { echo "No Windows SDK at $WIN_SDK_DIR" >&2; exit 1; }
win_sdk_unpack
cmake -G Ninja -S . -B build-win \
  -DCMAKE_TOOLCHAIN_FILE="$WIN_SDK/mingw-toolchain.cmake" -DWIN_SDK_ROOT="$WIN_SDK" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DZLIB_USE_STATIC_LIBS=ON "$@"
nice cmake --build build-win --parallel "${ORVI_JOBS:-$(nproc)}"
