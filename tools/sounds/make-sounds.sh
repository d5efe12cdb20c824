#!/usr/bin/env bash
# Makes the effect sounds resources/ding.mp3 and resources/wrong.mp3 from synthesised tones
# (sox and lame, installed by tools/bootstrap.sh). Run from anywhere; overwrites both files.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="${1:-$here/../../resources}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

rate=44100

# ding: a small bell, E6 with a soft fifth above, struck and fading out.
sox -n -r "$rate" -c 1 -b 16 "$work/ding.wav" \
  synth 0.55 sine 1318.5 synth 0.55 sine mix 1975.5 synth 0.55 sine mix 2637.0 \
  fade l 0.004 0.55 0.5 gain -n -4

# wrong: two low notes going down, rounded triangle tones with a gentle low-pass.
sox -n -r "$rate" -c 1 -b 16 "$work/wrong1.wav" synth 0.16 triangle 349.2 fade q 0.01 0.16 0.05
sox -n -r "$rate" -c 1 -b 16 "$work/wrong2.wav" synth 0.34 triangle 261.6 fade q 0.01 0.34 0.22
sox "$work/wrong1.wav" "$work/wrong2.wav" "$work/wrong.wav" lowpass 1800 gain -n -8

for name in ding wrong; do
  lame --quiet --noreplaygain -m m -b 64 --resample 44.1 --tt "$name" "$work/$name.wav" "$out/$name.mp3"
done
ls -l "$out/ding.mp3" "$out/wrong.mp3"
