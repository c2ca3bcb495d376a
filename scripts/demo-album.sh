#!/usr/bin/env bash
# Generates a short demo album with the built test-signal generator:
# three tagged DSD64 tracks (two DSF, one DSDIFF) in build/demo/.
# Prints the track paths separated by "|", ready for ORVI_PACK_GUI_AUTORUN.
set -euo pipefail
cd "$(dirname "$0")/.."
demo=build/demo
mkdir -p "$demo"
gen=build/OrviTestSignal
"$gen" --seconds 20 --freq 440 --level -12 --title "Tuning A" --artist "Orvi Test Ensemble" \
  --album "Orvi Demo Album" --genre Classical --date 2026-12-05 -o "$demo/01-tuning-a.dsf" >&2
"$gen" --seconds 15 --freq 262,330,392 --level -14 --title "C Major Chord" --artist "Orvi Test Ensemble" \
  -o "$demo/02-c-major.dsf" >&2
"$gen" --seconds 10 --freq 1000 --noise -40 --level -20 --title "Tone and Noise" --artist "Orvi Test Ensemble" \
  -o "$demo/03-tone-and-noise.dff" >&2
printf '%s|%s|%s' "$PWD/$demo/01-tuning-a.dsf" "$PWD/$demo/02-c-major.dsf" "$PWD/$demo/03-tone-and-noise.dff"
