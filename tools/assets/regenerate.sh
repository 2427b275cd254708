#!/usr/bin/env bash
# Regenerates every asset except the map picture: builds the generator, lets it
# draw the pictures, icons and pointer and write the country list, then
# synthesises the sounds. Running it again gives the same bytes.
# Usage: tools/assets/regenerate.sh [build folder for the generator]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${1:-$root/build-asset-tools}

cmake -S "$root" -B "$build" -DQUILLMERE_BUILD_ASSET_TOOLS=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target quillmere-assets -j2
"$build/tools/assets/quillmere-assets" "$root/assets"
"$here/make-sounds.sh" "$root/assets/program/sounds"
