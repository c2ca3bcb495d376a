#!/usr/bin/env bash
# Runs the Windows build (build-win/, from scripts/windows-build.sh) under
# wine: the whole CTest suite offscreen and in parallel, the program's smoke
# line, and a generated album packed unattended by OrviLathe.exe in both
# session kinds and by OrviPackEngine.exe, each image compared byte for byte
# with the one the Linux engine (build/) makes of the same album.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-sdk.sh
win_sdk_unpack
[ -f build-win/OrviLathe.exe ] || { echo "No Windows build: run scripts/windows-build.sh first" >&2; exit 1; }
[ -d "$WINEPREFIX/drive_c/windows" ] || { echo "Creating the wine prefix $WINEPREFIX"; wine wineboot -i >/dev/null 2>&1; }
# One wine server for the whole run instead of one per test.
wineserver -p 60 || true

run() { "$WIN_SDK/wine-run.sh" "$@"; }
# Windows programs see the Unix root as drive Z:.
winpath() { printf 'Z:%s' "$1"; }

scratch=build-win/wine-checks
rm -rf "$scratch" && mkdir -p "$scratch/settings" "$scratch/tls"
scratch=$(cd "$scratch" && pwd)

# The update tests' HTTPS server needs a certificate; openssl is a host program.
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1 \
  -addext subjectAltName=IP:127.0.0.1,DNS:localhost \
  -keyout "$scratch/tls/loopback.key" -out "$scratch/tls/loopback.crt" 2>/dev/null
export ORVI_TEST_TLS_DIR="$(winpath "$scratch/tls")"

export QT_QPA_PLATFORM=offscreen
failures=0
export ORVI_SETTINGS_DIR="$(winpath "$scratch/settings")" ORVI_NO_UPDATE_CHECK=1 ORVI_LANG=en

# Wine starts helper processes (explorer.exe for the first window) that
# inherit the output of whichever program needed them first and live while
# any Windows program runs: a test's output pipe held that way makes CTest
# wait for its time-out. So they start here, holding nothing, and a stand-in
# program keeps them alive until the end.
run cmd /c "ping -n 100000 127.0.0.1 >nul" </dev/null >/dev/null 2>&1 &
ORVI_GUI_SMOKE=1 timeout 120 "$WIN_SDK/wine-run.sh" build-win/OrviLathe.exe </dev/null >/dev/null 2>&1 || true

# Tests that cannot pass under wine here, each with its reason:
echo "not run under wine: tst_from_pcm (the Windows SDK has no libsoxr: --from-pcm is Linux-only)"
(unset ORVI_SETTINGS_DIR ORVI_NO_UPDATE_CHECK ORVI_LANG
 ctest --test-dir build-win --output-on-failure --parallel "${ORVI_JOBS:-$(nproc)}" --timeout 600 \
   -E '^tst_from_pcm$') || failures=$((failures + 1))

echo "== smoke line"
smoke=$(ORVI_GUI_SMOKE=1 timeout 120 "$WIN_SDK/wine-run.sh" build-win/OrviLathe.exe 2>&1 | tr -d '\r' || true)
if grep -q '^ORVI_SMOKE ' <<<"$smoke"; then
  grep '^ORVI_SMOKE ' <<<"$smoke"
else
  echo "FAILED: OrviLathe.exe printed no smoke line:"; echo "$smoke"; failures=$((failures + 1))
fi

echo "== unattended packs of a generated album"
# The images record this as their creation time instead of the clock's.
export SOURCE_DATE_EPOCH=1764979200
album="$scratch/album"
mkdir -p "$album"
gen() { run build-win/OrviTestSignal.exe "$@" >/dev/null; }
gen --seconds 6 --freq 440 --level -12 --title "Tuning A" --artist "Orvi Test Ensemble" --album "Orvi Wine Album" \
  -o "$(winpath "$album/01-tuning-a.dsf")"
# A name and a title outside every ANSI code page: arguments must reach the programs as typed.
gen --seconds 4 --freq 262,330,392 --level -14 --title "C Major Chord 和音" -o "$(winpath "$album/02-和音.dsf")"
gen --seconds 3 --freq 1000 --noise -40 --level -20 --title "Tone and Noise" -o "$(winpath "$album/03-noise.dff")"
tracks=("$album/01-tuning-a.dsf" "$album/02-和音.dsf" "$album/03-noise.dff")

if [ -x build/OrviTestSignal ]; then
  # The generator itself must write the same bytes on both systems.
  build/OrviTestSignal --seconds 6 --freq 440 --level -12 --title "Tuning A" --artist "Orvi Test Ensemble" \
    --album "Orvi Wine Album" -o "$scratch/linux-01.dsf" >/dev/null
  cmp "$scratch/linux-01.dsf" "${tracks[0]}" && echo "OrviTestSignal.exe: same track bytes as on Linux" \
    || failures=$((failures + 1))
fi

reference="$scratch/linux.iso"
if [ -x build/OrviPackEngine ]; then
  build/OrviPackEngine -o "$reference" "${tracks[@]}" >"$scratch/linux.log" 2>&1 \
    || { echo "FAILED: the Linux engine"; cat "$scratch/linux.log"; failures=$((failures + 1)); }
else
  echo "No Linux engine at build/OrviPackEngine: the images are only checked to exist"
fi

check_image() { # name image log
  if [ ! -s "$2" ]; then
    echo "FAILED: $1 wrote no image"; [ -f "$3" ] && tail -n 30 "$3"; failures=$((failures + 1))
  elif [ -f "$reference" ] && ! cmp "$reference" "$2"; then
    echo "FAILED: $1 image differs from the Linux engine's"; failures=$((failures + 1))
  else
    local same=""; [ -f "$reference" ] && same=", identical to the Linux engine's"
    echo "$1: image $(stat -c %s "$2") bytes$same"
  fi
}

wintracks=()
for t in "${tracks[@]}"; do wintracks+=("$(winpath "$t")"); done
run build-win/OrviPackEngine.exe -o "$(winpath "$scratch/engine.iso")" "${wintracks[@]}" >"$scratch/engine.log" 2>&1 || true
check_image "OrviPackEngine.exe" "$scratch/engine.iso" "$scratch/engine.log"
run build-win/OrviLathe.exe -o "$(winpath "$scratch/engine-mode.iso")" "${wintracks[@]}" >"$scratch/engine-mode.log" 2>&1 || true
check_image "OrviLathe.exe (engine mode)" "$scratch/engine-mode.iso" "$scratch/engine-mode.log"

for kind in inproc child; do
  image="$scratch/gui-$kind.iso"
  autorun=$(IFS='|'; echo "${wintracks[*]}")"|$(winpath "$image")"
  inproc=1; [ "$kind" = child ] && inproc=0
  ORVI_GUI_INPROC=$inproc ORVI_PACK_GUI_AUTORUN="$autorun" ORVI_PACK_GUI_AUTOCLOSE=1 ORVI_PACK_GUI_NOCONFIRM=1 \
    ORVI_PACK_GUI_LOG="$(winpath "$scratch/gui-$kind.log")" timeout 300 \
    "$WIN_SDK/wine-run.sh" build-win/OrviLathe.exe >/dev/null 2>&1 || true
  check_image "OrviLathe.exe ($kind session)" "$image" "$scratch/gui-$kind.log"
done

# Ends the stand-in, the wine server and its helpers.
wineserver -k 2>/dev/null || true

if [ "$failures" -ne 0 ]; then
  echo "Windows checks: $failures failed"
  exit 1
fi
echo "Windows checks: all passed"
