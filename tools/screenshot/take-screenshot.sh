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

# The list's place of each row: the file's order in English, else the language's
# alphabetical order of the names as the board files them, Arabic ones past their
# article (quiz/NameKey.h, filedName), as the board shows it (Node's ICU collates
# as Qt's does).
places() {
    if [ "$language" = en ]; then seq 0 47; return; fi
    node -e '
        const [file, language] = process.argv.slice(1);
        const names = require("fs").readFileSync(file, "utf8").split("\n").filter(Boolean);
        const collator = new Intl.Collator(language);
        const filed = names.map(name => name.trim().replace(/^[\u0627\u0671]\u0644(?=.)/, ""));
        const shown = names.map((_, k) => k).sort((a, b) => collator.compare(filed[a], filed[b]) || a - b);
        names.forEach((_, k) => console.log(shown.indexOf(k)));' "$top/assets/names/names.$language.txt" "$language"
}
mapfile -t place < <(places)

# Drags the name of a row onto the map at logical pixels (x, y). The list's columns
# start 604 and 850 pixels across, the first 27 places on the left, 14 pixels apart.
# Arabic mirrors the panel, 580 to 999 pixels across, and the list with it.
drag() {
    local p=${place[$1]} x=604
    if [ "$p" -ge 27 ]; then x=850; p=$((p - 27)); fi
    [ "$language" = ar ] && x=$((580 + 999 - x))
    xdotool mousemove --window "$window" "$x" $((102 + 14 * p)) sleep 0.1 mousedown 1 sleep 0.1 \
        mousemove --window "$window" "$2" "$3" sleep 0.1 mouseup 1 sleep 0.2
}
drag 13 367 135   # Egypt
drag 25 495 553   # Madagascar
drag 38 306 669   # South Africa
drag 33 194 287   # Nigeria
drag 2 157 297    # Benin, with its leader line
drag 7 277 331    # Central African Republic
xdotool mousemove --window "$window" 700 600
sleep 0.5
import -window "$window" +set date:create +set date:modify -strip "$out"
echo "wrote $out"
