#!/usr/bin/env bash
# Sourced by the Windows scripts: finds the Windows x64 cross SDK beside the
# repository (../shared/windows-sdk) and unpacks it once into a cache folder.
# Sets WIN_SDK_DIR (the shipped folder) and WIN_SDK (the unpacked sdk/ root).
WIN_SDK_DIR="${WIN_SDK_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/shared/windows-sdk}"

win_sdk_present() { [ -f "$WIN_SDK_DIR/win-sdk.tar.xz" ]; }

win_sdk_unpack() {
  local cache="${ORVI_WIN_SDK_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/orvi-lathe/win-sdk}"
  local stamp="$cache/.unpacked-from"
  local id
  id="$(stat -c '%s %Y' "$WIN_SDK_DIR/win-sdk.tar.xz")"
  if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$id" ]; then
    echo "Unpacking the Windows SDK into $cache"
    rm -rf "$cache" && mkdir -p "$cache"
    tar xJf "$WIN_SDK_DIR/win-sdk.tar.xz" -C "$cache"
    echo "$id" > "$stamp"
  fi
  WIN_SDK="$cache/sdk"
  [ -d "$WIN_SDK/qt" ] || { echo "The Windows SDK in $cache has no sdk/qt folder" >&2; return 1; }
  # The wine prefix lives beside it, so the user's ~/.wine stays untouched.
  export WINEPREFIX="${WINEPREFIX:-$cache/wineprefix}"
  export WIN_SDK
}
