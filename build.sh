#!/usr/bin/env bash
# Sets up a Debian 12 machine for Quillmere, builds it, and then starts the game
# (`./build.sh play`) or runs every test (`./build.sh test`); `./build.sh sanitize`
# runs every test again built with AddressSanitizer and UndefinedBehaviorSanitizer;
# `./build.sh package` makes the Debian package build/quillmere_<version>_<arch>.deb;
# `./build.sh windows` builds for Windows, tests under Wine, and makes a zip and an
# installer; `./build.sh web` builds for web browsers, tests in Chromium, Firefox
# and WebKit, and makes the site build-web/site and its zip; `./build.sh web-play` serves the site on
# 127.0.0.1 and opens it; `./build.sh bench [arguments]` builds a Release tree in build-bench and runs the
# benchmarks.
# Safe to run again: packages already present are not fetched twice and the build
# is incremental.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

# The sound module decodes with FFmpeg and plays through libpulse; the repeats of a
# held key are read from X's own events. The board's translations are built with
# Qt's Linguist tools, beside Qt's own catalogues; its Arabic and Amharic letters
# come from Noto Sans Arabic UI and Abyssinica SIL.
translation_packages=(qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
packages=(
    cmake g++ make pkgconf qt6-base-dev libxcb1-dev "${translation_packages[@]}"
    fonts-liberation fonts-dejavu-core fonts-noto-ui-core fonts-sil-abyssinica
    libavformat-dev libavcodec-dev libswresample-dev libpulse-dev
)
# The tests that drive the real program on an X server of their own, the sound
# tests with a PulseAudio server of their own (and ffmpeg, which makes a long sound
# for one of them), the test that reads the program through AT-SPI on a D-Bus
# session and accessibility bus of its own, the validators of the installed
# desktop entry and AppStream metainfo, and Qt's platform interface, through which
# a test switches accessibility on as a screen reader does.
test_packages=(
    xvfb xauth xdotool x11-utils imagemagick libxcb1-dev libxcb-xfixes0-dev pulseaudio pulseaudio-utils ffmpeg
    dbus-daemon at-spi2-core libatspi2.0-dev
    desktop-file-utils appstream qt6-base-private-dev
)
# The benchmarks move the pointer through XTEST.
bench_packages=(libxcb-xtest0-dev)
# The web build: Qt and FFmpeg from Debian's source, built for WebAssembly with
# Debian's emscripten (the host's Qt tools generate code for that Qt), the board's
# fonts built in, and the site tried in the three engines of the schools' browsers:
# Chromium through the DevTools protocol, Firefox ESR through WebDriver BiDi,
# WebKitGTK (Safari's engine) through its WebDriver, each drawing WebGL with Mesa's
# software renderer on an X server of the test's own and heard on a sound server
# of the test's own (WebKit plays through GStreamer's PulseAudio sink), and read
# through AT-SPI on a D-Bus session and accessibility bus of the test's own.
web_packages=(
    cmake ninja-build xz-utils qt6-base-dev qt6-base-dev-tools emscripten binaryen "${translation_packages[@]}"
    fonts-liberation fonts-noto-ui-core fonts-sil-abyssinica
    chromium python3-websocket xvfb pulseaudio pulseaudio-utils
    firefox-esr webkit2gtk-driver python3-selenium libgl1-mesa-dri gstreamer1.0-pulseaudio
    dbus-daemon at-spi2-core gir1.2-atspi-2.0 python3-gi
)
# CPack's DEB generator (dpkg-shlibdeps from dpkg-dev, which finds the binaries
# with file), and the package's checks (the installed program starts on an X
# server of its own).
package_packages=(dpkg-dev file lintian desktop-file-utils appstream xvfb xauth)
# Names the frames of a sanitizer's report (llvm-symbolizer on PATH).
sanitize_packages=(llvm)
# The Windows build: Qt's own source from Debian, built for Windows with MinGW-w64
# (the host's Qt tools generate code for it), tested under Wine, packed by CPack
# into a zip and an NSIS installer.
# Wine's Media Foundation decodes WMA through the host's GStreamer: the ASF
# container is in the ugly plugins, the WMA decoder in the libav ones. The tests
# under Wine draw Arabic and Ethiopic from the host's faces, as the board's own.
windows_packages=(
    cmake ninja-build xz-utils qt6-base-dev qt6-base-dev-tools "${translation_packages[@]}"
    g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 nsis fonts-liberation fonts-noto-ui-core fonts-sil-abyssinica
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly gstreamer1.0-libav
)

source tools/install-packages.sh

# The developer build in build/: everything, or only the targets named.
build() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j "$(nproc)" ${1:+--target "$@"}
}

# The site in build-web/site: Qt and FFmpeg for the web come from a cache outside
# the checkout (built once), the program is linked with emscripten.
build_web() {
    install_packages "${web_packages[@]}"
    local qt ffmpeg
    qt=$(tools/web/build-qt.sh)
    ffmpeg=$(tools/web/build-ffmpeg.sh)
    . tools/web/wasm-env.sh
    "$qt/bin/qt-cmake" -G Ninja -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DQUILLMERE_WEB_FFMPEG="$ffmpeg"
    nice cmake --build build-web -j "$(nproc)"
}

case "${1:-}" in
play)
    install_packages "${packages[@]}"
    # The game alone (the program and its sound module), not the tests.
    build quillmere
    exec build/program/quillmere
    ;;
test)
    install_packages "${packages[@]}" "${test_packages[@]}"
    build
    ctest --test-dir build --output-on-failure -j "$(nproc)" -LE 'deb|wine'
    ;;
package)
    install_packages "${packages[@]}" "${package_packages[@]}"
    # A release built with Debian's compiler and linker flags (hardening included),
    # in a folder of its own so that the developer build in build/ stays as it is.
    # Only what the package holds is built: not the tests, nor the benchmarks.
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    ldflags=$(dpkg-buildflags --get LDFLAGS)
    cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
        -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
        -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_MODULE_LINKER_FLAGS="$ldflags" \
        -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
    cmake --build build-release -j "$(nproc)" --target quillmere_package_contents
    (cd build-release && cpack)
    ctest --test-dir build-release --output-on-failure -L 'install|deb'
    ;;
sanitize)
    install_packages "${packages[@]}" "${test_packages[@]}" "${sanitize_packages[@]}"
    cmake --preset asan
    cmake --build --preset asan
    ctest --preset asan
    ;;
windows)
    install_packages "${windows_packages[@]}"
    qt=$(tools/windows/build-qt.sh)
    cmake -G Ninja -S . -B build-windows -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE=tools/windows/toolchain-mingw64.cmake -DCMAKE_PREFIX_PATH="$qt" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    cmake --build build-windows -j "$(nproc)"
    ctest --test-dir build-windows --output-on-failure -j "$(nproc)"
    (cd build-windows && cpack)
    # The zip's program and the installer, tried under Wine on X servers of their own
    # by the tests of the Linux build, which drive them as a player would.
    install_packages "${packages[@]}" "${test_packages[@]}"
    zip=$(ls "$PWD"/build-windows/Quillmere-*-win64.zip)
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DQUILLMERE_WINDOWS_ZIP="$zip" -DQUILLMERE_WINDOWS_INSTALLER="${zip%.zip}.exe"
    cmake --build build -j "$(nproc)"
    ctest --test-dir build --output-on-failure -L wine
    ;;
web)
    build_web
    ctest --test-dir build-web --output-on-failure -L web
    (cd build-web && cpack)
    ;;
web-play)
    build_web
    port=8642
    echo "Quillmere is served at http://127.0.0.1:$port/ (Ctrl-C ends it)"
    if command -v xdg-open >/dev/null; then
        (sleep 1 && xdg-open "http://127.0.0.1:$port/") &
    fi
    exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/site
    ;;
web-bench)
    build_web
    cmake --build build-web --target web-bench
    # The drops are aimed by the board's judge, run under node as in the tests.
    QUILLMERE_RUN_NODE="$PWD/tools/web/run-node.js" QUILLMERE_BOARD_JUDGE="$PWD/build-web/tests/web/BoardJudge.js" \
        exec /usr/bin/python3 bench/web/web-bench.py build-web "${2:-7}"
    ;;
bench)
    install_packages "${packages[@]}" "${test_packages[@]}" "${bench_packages[@]}"
    shift
    cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release
    cmake --build build-bench -j "$(nproc)" --target bench
    exec build-bench/bench/quillmere-bench "$@"
    ;;
*)
    echo "usage: $0 play|test|sanitize|package|windows|web|web-play|web-bench [runs]|bench [bench arguments]" >&2
    exit 2
    ;;
esac
