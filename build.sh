#!/usr/bin/env bash
# Sets up a Debian 12 machine for Quillmere, builds it, and then starts the game
# (`./build.sh play`) or runs every test (`./build.sh test`); `./build.sh sanitize`
# runs every test again built with AddressSanitizer and UndefinedBehaviorSanitizer;
# `./build.sh bench [arguments]` builds a Release tree in build-bench and runs the
# benchmarks.
# Safe to run again: packages already present are not fetched twice and the build
# is incremental.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

# The sound module decodes with FFmpeg and plays through libpulse.
packages=(
    cmake g++ make pkgconf qt6-base-dev
    fonts-liberation fonts-dejavu-core
    libavformat-dev libavcodec-dev libswresample-dev libpulse-dev
)
# The tests that drive the real program on an X server of their own, and the sound
# tests with a PulseAudio server of their own.
test_packages=(xvfb xauth xdotool x11-utils imagemagick libxcb1-dev pulseaudio pulseaudio-utils)
# The benchmarks move the pointer through XTEST.
bench_packages=(libxcb-xtest0-dev)
# Names the frames of a sanitizer's report (llvm-symbolizer on PATH).
sanitize_packages=(llvm)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        as_root apt-get update
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
    fi
}

build() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j "$(nproc)"
}

case "${1:-}" in
play)
    install_packages "${packages[@]}"
    build
    exec build/program/quillmere
    ;;
test)
    install_packages "${packages[@]}" "${test_packages[@]}"
    build
    ctest --test-dir build --output-on-failure -j "$(nproc)"
    ;;
sanitize)
    install_packages "${packages[@]}" "${test_packages[@]}" "${sanitize_packages[@]}"
    cmake --preset asan
    cmake --build --preset asan
    ctest --preset asan
    ;;
bench)
    install_packages "${packages[@]}" "${test_packages[@]}" "${bench_packages[@]}"
    shift
    cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release
    cmake --build build-bench -j "$(nproc)" --target bench
    exec build-bench/bench/quillmere-bench "$@"
    ;;
*)
    echo "usage: $0 play|test|sanitize|bench [bench arguments]" >&2
    exit 2
    ;;
esac
