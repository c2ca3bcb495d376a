#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/check-format.sh
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --parallel "$(nproc)" --timeout 600

source scripts/windows-sdk.sh
if win_sdk_present; then
  bash scripts/windows-build.sh
  bash scripts/windows-test.sh
else
  echo "SKIPPED the Windows build and its tests: no Windows SDK at $WIN_SDK_DIR"
fi
