#!/usr/bin/env bash
# Makes quiet-tone.wma: half a second of a 1 kHz tone, peaking at -52 dBFS (its
# RMS -55 dBFS) throughout: a valid sound, quiet but audible, with nothing in it
# that stands out above the silence a decoder sees at the start of a file.
# Usage: make-quiet-tone.sh [folder]   (needs ffmpeg)
set -euo pipefail
out=${1:-$(dirname "$(readlink -f "$0")")}
ffmpeg -hide_banner -loglevel error -y -f lavfi \
    -i "aevalsrc='0.002512*sin(2*PI*1000*t)':s=44100:c=mono:d=0.5" \
    -map_metadata -1 -fflags +bitexact -flags:a +bitexact \
    -c:a wmav2 -b:a 96k "$out/quiet-tone.wma"
