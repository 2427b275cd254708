#!/usr/bin/env bash
# Builds FFmpeg's WMA decoding for WebAssembly once, with Debian's emscripten, from
# Debian's own ffmpeg source (the version the Linux build links), as static
# libraries into a cache outside the checkout, and prints the folder it lies in.
# Later runs find it there at once. The cache is keyed on the full Debian version of
# FFmpeg's source, the emscripten version and this recipe (tools/cache/cached-build.sh).
# Usage: tools/web/build-ffmpeg.sh   (QUILLMERE_CACHE moves the cache, default /var/cache/quillmere)
set -euo pipefail
# The whole script is read before it runs: a checkout updated meanwhile cannot
# change a build half-way.
main() {
    here=$(dirname "$(readlink -f "$0")")
    . "$here/wasm-env.sh"
    . "$here/../cache/cached-build.sh"

    # The version the Linux build links, or would link once installed.
    ffmpeg_version=$(dpkg-query -W -f='${Version}' libavcodec-dev 2>/dev/null \
                     || apt-cache policy libavcodec-dev | sed -n 's/^ *Candidate: //p')
    emscripten=$(dpkg-query -W -f='${Version}' emscripten)
    # An epoch's colon has no place in a folder's name.
    cached_build "ffmpeg-${ffmpeg_version/:/_}-wma-wasm-emscripten$emscripten" "$0" "$here/wasm-env.sh"
    src=$("$here/../cache/debian-source.sh" "ffmpeg=$ffmpeg_version" "$work")

    # Only what the game's sounds need: the ASF container, the two WMA decoders, files,
    # and the resampler. No assembly (emscripten compiles C only) and no threads (the
    # page has none); nothing looked for on the build machine.
    mkdir -p "$work/build"
    (cd "$work/build" && "$src/configure" \
        --prefix="$prefix" \
        --enable-cross-compile --target-os=none --arch=x86_32 --cpu=generic \
        --cc=emcc --cxx=em++ --ar=emar --ranlib=emranlib --nm=llvm-nm-14 \
        --enable-static --disable-shared \
        --disable-asm --disable-inline-asm --disable-runtime-cpudetect \
        --disable-autodetect --disable-pthreads --disable-network --disable-debug \
        --disable-programs --disable-doc \
        --disable-avdevice --disable-avfilter --disable-swscale --disable-postproc \
        --disable-everything \
        --enable-protocol=file --enable-demuxer=asf --enable-decoder=wmav1,wmav2 \
        --extra-cflags=-O2 >&2)
    nice make -C "$work/build" -j "$(nproc)" >&2
    make -C "$work/build" install >&2
    cached_build_done
}
main "$@"
