#!/usr/bin/env bash
# Builds the DST benchmark's corpus from real recordings: songs by the band
# Muldjord (CC BY-SA 3.0) shipped by Debian's fretsonfire-songs-muldjord,
# with separate guitar stems. Three contrasting 60 s pieces (two full mixes,
# one solo guitar stem), each as stereo and as a 6-channel mix built from the
# stems, converted to DSD64 by OrviTestSignal --from-pcm and stored as raw
# interleaved DSD (NAME.2ch.raw, NAME.6ch.raw) for build/dst_bench.
# Usage: bench/dst/make-corpus.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
out="$build/dst_corpus"
package=fretsonfire-songs-muldjord
songs=/usr/share/games/fretsonfire/data/songs/muldjord

if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "$package"
fi
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# name song start(s) stem
pieces=(
  "armygeddon-mix armygeddon 30 song"
  "chaos-god-guitar chaos_god 20 guitar"
  "degeneration-mix internal_degeneration 90 song"
)
six_channels='[0:a]channelsplit=channel_layout=stereo[l][r];[1:a]pan=mono|c0=0.5*c0+0.5*c1[g];
  [0:a]pan=mono|c0=0.5*c0+0.5*c1,lowpass=f=120[lfe];[0:a]aecho=0.8:0.7:40|55:0.4|0.3,channelsplit[sl][sr];
  [l][r][g][lfe][sl][sr]join=inputs=6:channel_layout=5.1(side)[out]'

for piece in "${pieces[@]}"; do
  read -r name song start stem <<<"$piece"
  for layout in 2ch 6ch; do
    target="$out/$name.$layout.raw"
    [ -s "$target" ] && continue
    if [ "$layout" = 2ch ]; then
      ffmpeg -v error -y -ss "$start" -t 60 -i "$songs/$song/$stem.ogg" -c:a pcm_s24le "$work/in.wav"
    else
      ffmpeg -v error -y -ss "$start" -t 60 -i "$songs/$song/$stem.ogg" -ss "$start" -t 60 -i "$songs/$song/guitar.ogg" \
        -filter_complex "$six_channels" -map '[out]' -c:a pcm_s24le "$work/in.wav"
    fi
    "$build/OrviTestSignal" --from-pcm "$work/in.wav" -o "$work/piece.dff"
    ffmpeg -v error -y -i "$work/piece.dff" -map 0:a -c:a copy -f data "$target"
    echo "$target"
  done
done
