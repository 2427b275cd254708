# Sourced by the project's scripts: installs the Debian packages named that are not
# installed yet, so a command works alone on a fresh machine and costs nothing the
# second time.
# shellcheck shell=bash

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        # Another build's install may hold dpkg's lock for a while: wait for it.
        local wait=(-o DPkg::Lock::Timeout=900)
        as_root apt-get "${wait[@]}" update
        as_root env DEBIAN_FRONTEND=noninteractive apt-get "${wait[@]}" install -y "${missing[@]}"
    fi
}
