# The cache of libraries built once from Debian's sources (Qt for Windows and for the
# web, FFmpeg for the web), shared by the build scripts. Source it, then call
#   cached_build NAME KEY-FILES...
# NAME names the build (it holds the full Debian version of its source, so a security
# update builds anew); the recipe's hash over KEY-FILES and this file ends it. It sets
# `prefix`, the folder the build installs into, and `work`, a scratch folder removed
# on exit. A finished build is printed and the script ends there; otherwise the
# caller builds into `prefix` and calls cached_build_done.
# QUILLMERE_CACHE moves the cache, default /var/cache/quillmere.
. "$(dirname "${BASH_SOURCE[0]}")/cache-folder.sh"

cached_build() {
    local name=$1
    shift
    local cache
    cache=$(quillmere_cache_folder)
    local recipe
    recipe=$(cat "$@" "${BASH_SOURCE[0]}" "$(dirname "${BASH_SOURCE[0]}")/debian-source.sh" | sha256sum | cut -c1-12)
    prefix="$cache/$name-$recipe"
    # A finished build is only read, so a user may use a cache that root built: the
    # lock, which needs write access, is taken only to build.
    cached_build_finished
    quillmere_cache_folder writable >/dev/null
    # Two builds of the same library at once would delete each other's install: the
    # second waits for the first, and then finds it finished.
    exec 9>"$prefix.lock"
    if ! flock -n 9; then
        echo "waiting for another build of $name to finish" >&2
        flock 9
    fi
    cached_build_finished
    work=$(mktemp -d /var/tmp/quillmere-build-XXXXXX)
    trap 'rm -rf "$work"' EXIT
    rm -rf "$prefix"
}

# Qt's CMake files hold the install path, so the build is installed where it stays;
# the mark is written last, so a build cut short is never taken for a finished one.
cached_build_finished() {
    if [ -f "$prefix/.complete" ]; then
        echo "$prefix"
        exit 0
    fi
}

cached_build_done() {
    touch "$prefix/.complete"
    echo "$prefix"
}
