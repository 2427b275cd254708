# The folder of the cache of libraries built once from Debian's sources, shared by
# the build scripts. Source it, then call
#   quillmere_cache_folder            to print the folder
#   quillmere_cache_folder writable   the same, once this user can write in it
# QUILLMERE_CACHE moves the cache, default /var/cache/quillmere.
# shellcheck shell=bash
. "$(dirname "${BASH_SOURCE[0]}")/../install-packages.sh"

quillmere_cache_folder() {
    local cache=${QUILLMERE_CACHE:-/var/cache/quillmere}
    if [ "${1:-}" = writable ] && ! { mkdir -p "$cache" 2>/dev/null && [ -w "$cache" ]; }; then
        # The default lies in root's /var/cache: a user who builds there is given the
        # folder, whose finished builds, root's among them, stay readable to all.
        as_root install -d -o "$(id -u)" -g "$(id -g)" "$cache"
    fi
    echo "$cache"
}
