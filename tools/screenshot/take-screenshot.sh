#!/usr/bin/env bash
# Takes the README's screenshots: the game under a private X server with a few
# names placed, saved as docs/screenshot.png, or in another language (ar, am, ...)
# as docs/screenshot-<language>.png.
#     tools/screenshot/take-screenshot.sh [build dir] [language]
set -euo pipefail
top="$(cd "$(dirname "$(readlink -f "$0")")/../.." && pwd)"
program="${1:-$top/build}/program/quillmere"
language="${2:-en}"
out="$top/docs/screenshot.png"
[ "$language" = en ] || out="$top/docs/screenshot-$language.png"

Xvfb :97 -screen 0 1280x900x24 -nolisten tcp &
xvfb=$!
trap 'kill "$game" "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=:97
sleep 1
# No home page on this start: it would stand in front of the board.
QUILLMERE_HOME_PAGE_DRAW=1 "$program" --language "$language" &
game=$!
window=""
for _ in $(seq 50); do
    window="$(xdotool search --name '^Quillmere$' 2>/dev/null | head -n1 || true)"
    [ -n "$window" ] && break
    sleep 0.2
done
[ -n "$window" ] || { echo "the window did not appear" >&2; exit 1; }
sleep 1

# Drags a name (its list position in logical pixels, as the English board lays it)
# onto the map. Arabic mirrors the panel, 580 to 999 pixels across, and the list with it.
drag() {
    local x=$1
    [ "$language" = ar ] && x=$((580 + 999 - x))
    xdotool mousemove --window "$window" "$x" "$2" sleep 0.1 mousedown 1 sleep 0.1 \
        mousemove --window "$window" "$3" "$4" sleep 0.1 mouseup 1 sleep 0.2
}
drag 604 284 367 135   # Egypt
drag 604 452 495 553   # Madagascar
drag 850 256 306 669   # South Africa
drag 850 186 194 287   # Nigeria
drag 604 130 157 297   # Benin, with its leader line
drag 604 200 277 331   # Cameroon
xdotool mousemove --window "$window" 700 600
sleep 0.5
import -window "$window" +set date:create +set date:modify -strip "$out"
echo "wrote $out"
