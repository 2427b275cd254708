#!/usr/bin/env bash
# Builds Qt for WebAssembly once, with Debian's emscripten, from Debian's own qtbase
# source (the version the host's Qt tools have), as static libraries without
# threads, into a cache outside the checkout, and prints the folder it lies in.
# Later runs find it there at once. The cache is keyed on the full Debian version of
# Qt's source, the emscripten version and this recipe (tools/cache/cached-build.sh).
# Usage: tools/web/build-qt.sh   (QUILLMERE_CACHE moves the cache, default /var/cache/quillmere)
set -euo pipefail
# The whole script is read before it runs: a checkout updated meanwhile cannot
# change a build half-way.
main() {
    here=$(dirname "$(readlink -f "$0")")
    . "$here/wasm-env.sh"
    . "$here/../cache/cached-build.sh"

    qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    emscripten=$(dpkg-query -W -f='${Version}' emscripten)
    cached_build "qt-$qt_version-wasm-emscripten$emscripten-static" "$0" "$here/wasm-env.sh"
    src=$("$here/../cache/debian-source.sh" "qt6-base=$qt_version" "$work")

    # Core, Gui, Widgets and QtTest, every third-party library bundled. Qt 6.4 draws
    # every window of a page with WebGL, hence OpenGL ES 2. No threads: a threaded page
    # needs SharedArrayBuffer, which browsers give only to pages served with
    # cross-origin isolation headers, and a teacher's web server may send none.
    # Only the picture formats the game reads (the map's JPEG, the cursor's ICO), and
    # no network, SQL, D-Bus, printing, XML, ICU or Markdown.
    cmake -G Ninja -S "$src" -B "$work/build" \
        -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten \
        -DCMAKE_TOOLCHAIN_FILE="$EMSDK/upstream/emscripten/cmake/Modules/Platform/Emscripten.cmake" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DBUILD_SHARED_LIBS=OFF -DFEATURE_thread=OFF \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_pkg_config=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
        -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
        -DFEATURE_opengl=ON -DINPUT_opengl=es2 -DFEATURE_vulkan=OFF \
        -DFEATURE_testlib=ON -DFEATURE_gui=ON -DFEATURE_widgets=ON \
        -DFEATURE_icu=OFF -DFEATURE_zstd=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
        -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF \
        -DFEATURE_jpeg=ON -DFEATURE_png=ON -DFEATURE_freetype=ON -DFEATURE_gif=OFF \
        -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF -DFEATURE_textodfwriter=OFF >&2
    nice cmake --build "$work/build" --parallel "$(nproc)" >&2
    cmake --install "$work/build" >&2
    cached_build_done
}
main "$@"
