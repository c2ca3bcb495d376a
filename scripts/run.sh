#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
#   bash scripts/run.sh          the window
#   bash scripts/run.sh --demo   the window packs a generated demo album into
#                                build/demo/Orvi Demo Album.iso, then the image
#                                is read back with --inspect
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh

demo=0
if [ "${1:-}" = "--demo" ]; then
  demo=1
  shift
fi

launcher=()
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the program under a virtual X server (xvfb-run)." >&2
  launcher=(xvfb-run -a)
fi

if [ "$demo" = 1 ]; then
  tracks=$(bash scripts/demo-album.sh)
  image="$PWD/build/demo/Orvi Demo Album.iso"
  rm -f "$image"
  export ORVI_PACK_GUI_AUTORUN="$tracks|$image"
  # Without a screen to look at, close by itself once the pack is judged.
  if [ ${#launcher[@]} -gt 0 ]; then
    export ORVI_PACK_GUI_AUTOCLOSE=1 ORVI_PACK_GUI_NOCONFIRM=1
  fi
  "${launcher[@]}" build/OrviLathe "$@"
  build/OrviPackEngine --inspect "$image"
  exit 0
fi
exec "${launcher[@]}" build/OrviLathe "$@"
