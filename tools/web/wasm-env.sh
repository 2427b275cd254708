# The environment in which Debian's emscripten builds Qt and Quillmere for the web.
# Source it: . tools/web/wasm-env.sh   (QUILLMERE_CACHE moves the cache, default /var/cache/quillmere)
#
# Qt's CMake files look for emscripten in an emsdk folder ($EMSDK/.emscripten names
# its root, under which they run emcc and chain-load cmake/Modules/Platform/
# Emscripten.cmake). Debian ships emscripten without one, so a folder of links to
# Debian's emcc and its CMake files stands in, made once in the cache.
# emcc's JavaScript optimiser needs acorn, which Debian keeps in /usr/share/nodejs,
# where a node not from Debian does not look.
. "$(dirname "${BASH_SOURCE[0]}")/../cache/cache-folder.sh"

quillmere_web_emsdk() {
    local root version shim
    root=$(em-config EMSCRIPTEN_ROOT)
    version=$(dpkg-query -W -f='${Version}' emscripten)
    shim="$(quillmere_cache_folder)/emsdk-$version"
    if [ ! -f "$shim/.emscripten" ]; then
        quillmere_cache_folder writable >/dev/null
        mkdir -p "$shim/upstream/emscripten"
        local tool
        for tool in emcc em++ emar emranlib em-config; do
            ln -sfn "$(command -v $tool)" "$shim/upstream/emscripten/$tool"
        done
        # Emscripten.cmake finds its root by emranlib.py two folders above it.
        ln -sfn "$root/cmake" "$shim/upstream/emscripten/cmake"
        ln -sfn "$root/emranlib.py" "$shim/upstream/emscripten/emranlib.py"
        printf "EMSCRIPTEN_ROOT = 'upstream/emscripten'\n" >"$shim/.emscripten"
    fi
    echo "$shim"
}
EMSDK=$(quillmere_web_emsdk)
export EMSDK
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
export EMSDK_PYTHON=/usr/bin/python3
