#!/usr/bin/env bash
# Fetches one Debian source package at one version, unpacks its upstream tarball in
# DEST and prints the folder it made. The deb-src lines are derived from whatever
# apt itself reads (the one-line sources.list of an installed system, the deb822
# .sources files of container images, mirrors in any *.list or *.sources file), and
# go to apt lists of our own, so the system's apt set-up stays as it is.
# Usage: tools/cache/debian-source.sh PACKAGE=VERSION DEST
set -euo pipefail
package=${1:?usage: debian-source.sh PACKAGE=VERSION DEST}
dest=$(readlink -f "${2:?usage: debian-source.sh PACKAGE=VERSION DEST}")
mkdir -p "$dest/apt/lists/partial" "$dest/apt/sources"
# Every archive apt reads, binary or source, as a source archive: a machine whose
# lists have no deb-src lines (Debian's installer writes them commented out) still
# names the archives that hold the sources.
apt-get indextargets --no-release-info --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' \
    | sort -u | sed 's/^/deb-src /' >"$dest/apt/sources/debian-src.list"
if [ ! -s "$dest/apt/sources/debian-src.list" ]; then
    echo "apt names no archive: no source for $package" >&2
    exit 1
fi
apt_src=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$dest/apt/sources"
         -o "Dir::State::Lists=$dest/apt/lists")
# An archive without sources (a third party's, say) only warns; a package found in
# none of them fails below.
apt-get "${apt_src[@]}" update >&2 || echo "some source lists could not be fetched" >&2
(cd "$dest" && apt-get "${apt_src[@]}" source --download-only "$package" >&2)
before=$(find "$dest" -mindepth 1 -maxdepth 1 -type d | sort)
tarball=$(find "$dest" -maxdepth 1 -name "${package%%=*}_*.orig.tar.*" ! -name '*.asc')
tar -xf "$tarball" -C "$dest"
comm -13 <(echo "$before") <(find "$dest" -mindepth 1 -maxdepth 1 -type d | sort)
