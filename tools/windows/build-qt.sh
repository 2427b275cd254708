#!/usr/bin/env bash
# Builds Qt for 64-bit Windows once, from Debian's own qtbase source (the version
# the host's Qt tools have), as static libraries, into a cache outside the
# checkout, and prints the folder it lies in. Later runs find it there at once.
# The cache is keyed on the full Debian version of Qt's source, the cross compiler
# and this recipe (tools/cache/cached-build.sh).
# Usage: tools/windows/build-qt.sh   (QUILLMERE_CACHE moves the cache, default /var/cache/quillmere)
set -euo pipefail
# The whole script is read before it runs: a checkout updated meanwhile cannot
# change a build half-way.
main() {
    here=$(dirname "$(readlink -f "$0")")
    . "$here/../cache/cached-build.sh"

    qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    compiler=$(x86_64-w64-mingw32-g++-posix -dumpfullversion)
    cached_build "qt-$qt_version-mingw$compiler-static" "$0" "$here/toolchain-mingw64.cmake"
    src=$("$here/../cache/debian-source.sh" "qt6-base=$qt_version" "$work")

    # Widgets and QtTest only, every third-party library bundled, nothing that needs a
    # second cross-built module. Debian's source leaves out wintab.h, hence no tablet
    # events; DirectWrite fonts need direct2d on.
    cmake -G Ninja -S "$src" -B "$work/build" \
        -DCMAKE_TOOLCHAIN_FILE="$here/toolchain-mingw64.cmake" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DBUILD_SHARED_LIBS=OFF -DFEATURE_static_runtime=ON \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_pkg_config=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
        -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
        -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF \
        -DFEATURE_testlib=ON -DFEATURE_gui=ON -DFEATURE_widgets=ON \
        -DFEATURE_icu=OFF -DFEATURE_zstd=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
        -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF \
        -DFEATURE_jpeg=ON -DFEATURE_png=ON -DFEATURE_freetype=ON \
        -DFEATURE_direct2d=ON -DFEATURE_direct2d1_1=OFF \
        -DFEATURE_tabletevent=OFF >&2
    nice cmake --build "$work/build" --parallel "$(nproc)" >&2
    cmake --install "$work/build" >&2
    cached_build_done
}
main "$@"
