#!/usr/bin/env bash
# Fetches one Debian source package at one version, through apt lists of its own
# with deb-src lines (so the system's apt lists stay as they are), unpacks its
# upstream tarball in DEST and prints the folder it made.
# Usage: tools/web/debian-source.sh PACKAGE=VERSION DEST
set -euo pipefail
package=${1:?usage: debian-source.sh PACKAGE=VERSION DEST}
dest=$(readlink -f "${2:?usage: debian-source.sh PACKAGE=VERSION DEST}")
mkdir -p "$dest/apt/lists/partial" "$dest/apt/sources"
sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources >"$dest/apt/sources/debian-src.sources"
apt_src=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$dest/apt/sources"
         -o "Dir::State::Lists=$dest/apt/lists")
apt-get "${apt_src[@]}" update >&2
(cd "$dest" && apt-get "${apt_src[@]}" source --download-only "$package" >&2)
before=$(find "$dest" -mindepth 1 -maxdepth 1 -type d | sort)
tarball=$(find "$dest" -maxdepth 1 -name "${package%%=*}_*.orig.tar.*" ! -name '*.asc')
tar -xf "$tarball" -C "$dest"
comm -13 <(echo "$before") <(find "$dest" -mindepth 1 -maxdepth 1 -type d | sort)
