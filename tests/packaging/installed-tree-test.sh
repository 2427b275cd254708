#!/usr/bin/env bash
# The tree that `cmake --install` lays out under /usr, read the way a system reads
# it: every file of the program folder lies in the installed one, the launcher
# starts the installed program from another folder, and the desktop entry and the
# AppStream metainfo pass the validators that desktops and software centres use,
# and the icon they name is there.
# Usage: installed-tree-test.sh <build folder> <program folder under the prefix>
set -uo pipefail
build=$1
program_dir=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if ! log=$(DESTDIR=$root cmake --install "$build" --prefix /usr 2>&1); then
    echo "$log"
    echo "FAIL: cmake --install"
    exit 1
fi
installed=$root/usr/$program_dir

# The program folder as built, file for file. The data files must be the same
# bytes; the binaries differ, as installing drops their build-tree search path.
while IFS= read -r -d '' file; do
    if [ ! -f "$installed/$file" ]; then
        fail "$file of the program folder is not installed"
    elif [ "$(head -c 4 "$build/program/$file" | od -An -c | tr -d ' ')" != '177ELF' ] &&
        ! cmp -s "$build/program/$file" "$installed/$file"; then
        fail "$file is installed with other contents than the program folder's"
    fi
done < <(cd "$build/program" && find . -type f -printf '%P\0')

# Started by its launcher from elsewhere, on an X server of its own, the installed
# program must find all its files and show its first frame. Any report box would
# stop it before that frame. The home-page draw is the test run's own
# (QUILLMERE_HOME_PAGE_DRAW=7 opens the page), else one that leaves it shut. An X
# desktop hands web addresses to xdg-open, which Qt's offscreen platform cannot
# reach; a stand-in here only says what it was given.
draw=${QUILLMERE_HOME_PAGE_DRAW:-1}
mkdir "$root/opener"
printf '#!/bin/sh\necho "web address handed over: $*"\n' >"$root/opener/xdg-open"
chmod +x "$root/opener/xdg-open"
if ! output=$(cd / && PATH="$root/opener:$PATH" QT_QPA_PLATFORM=xcb QUILLMERE_FIRST_FRAME=1 \
    QUILLMERE_HOME_PAGE_DRAW=$draw timeout 60 \
    xvfb-run --auto-servernum --server-args='-screen 0 1280x1024x24' "$root/usr/bin/quillmere" 2>&1) ||
    [[ $output != *first-frame-ns* ]]; then
    fail "the installed program, started by its launcher, showed no first frame: $output"
elif [ "$draw" = 7 ] && [[ $output != *"web address handed over: http"* ]]; then
    fail "the start that drew 7 opened no home page: $output"
fi

desktop_entry=$root/usr/share/applications/org.quillmere.Quillmere.desktop
if ! report=$(desktop-file-validate "$desktop_entry" 2>&1) || [ -n "$report" ]; then
    fail "desktop-file-validate: $report"
fi
# A desktop finds the entry's icon in the hicolor theme, which holds 48x48 at least.
icon=$(sed -n 's/^Icon=//p' "$desktop_entry")
if [ ! -f "$root/usr/share/icons/hicolor/48x48/apps/$icon.png" ]; then
    fail "the desktop entry's icon $icon is not installed in hicolor/48x48"
fi
# validate-tree reads the metainfo with the desktop entry and the icons it names.
if ! report=$(appstreamcli validate-tree --no-net "$root" 2>&1); then
    fail "appstreamcli validate-tree: $report"
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures failures"
    exit 1
fi
echo "installed tree passes: program folder, launcher, desktop entry, AppStream metainfo"
