#!/usr/bin/env bash
# Tries the Windows installer under Wine as a player would: a silent install into a
# folder of the player's choice, the Start menu entries (the second starting the
# board of Africa today) and the entry among the programs to remove, the installed
# program started on an X server of its own until its window shows, then a silent
# uninstall that leaves nothing of it behind.
# Usage: tools/windows/try-installer.sh <installer.exe> <Wine prefix>
set -euo pipefail
installer=$1
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
folder="$WINEPREFIX/drive_c/Games/Quillmere"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quillmere"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillmere'
fail() { echo "FAIL: $*" >&2; exit 1; }
listed() { timeout 60 $wine reg query "$uninstall_key" >/dev/null 2>&1; }

# NSIS takes /D= last and unquoted, so the folder's name has no space.
# One X server for the whole run: Wine keeps the display its session began with.
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
timeout 60 /usr/lib/wine/wineserver -w

timeout 120 $wine "$installer" /S '/D=C:\Games\Quillmere'
for file in quillmere.exe items.txt HAND-M.CUR sounds/correct.wma sounds/wrong.wma sounds/complete.wma Uninstall.exe; do
    [ -f "$folder/$file" ] || fail "the installer left out $file"
done
[ -f "$menu/Quillmere.lnk" ] || fail "no Start menu entry"
# A shortcut keeps its arguments in UTF-16.
today="$menu/Quillmere - Africa today.lnk"
[ -f "$today" ] || fail "no Start menu entry for Africa today"
strings -el "$today" | grep -qx -- '--board today' || fail "the entry for Africa today does not pass --board today"
listed || fail "not among the programs to remove"

# The home-page draw is the test run's own (QUILLMERE_HOME_PAGE_DRAW=7 opens the
# page on every start), else one that leaves it shut. Wine hands web addresses to
# xdg-open; a stand-in here only says what it was given.
mkdir "$work/opener"
printf '#!/bin/sh\necho "web address handed over: $*" >&2\n' >"$work/opener/xdg-open"
chmod +x "$work/opener/xdg-open"
(cd / && PATH="$work/opener:$PATH" QUILLMERE_HOME_PAGE_DRAW=${QUILLMERE_HOME_PAGE_DRAW:-1} \
    timeout 60 $wine 'C:\Games\Quillmere\quillmere.exe' >/dev/null) &
program=$!
shown=
for _ in $(seq 300); do
    shown=$(xdotool search --onlyvisible --name '^Quillmere$' 2>/dev/null | head -n 1) && [ -n "$shown" ] && break
    sleep 0.1
done
[ -n "$shown" ] || fail "the installed program showed no window"
geometry=$(xdotool getwindowgeometry "$shown" | sed -n 's/.*Geometry: //p')
[ "$geometry" = 999x706 ] || fail "the installed program's window is $geometry, not 999x706"
kill $program 2>/dev/null || true
timeout 60 /usr/lib/wine/wineserver -k || true

# The uninstaller runs from a copy of itself and returns at once; it removes the
# folder, the Start menu entry and the entry among the programs in no set order.
timeout 60 $wine 'C:\Games\Quillmere\Uninstall.exe' /S
gone() { [ ! -e "$folder" ] && [ ! -e "$menu" ] && ! listed; }
for _ in $(seq 150); do gone && break; sleep 0.2; done
[ ! -e "$folder" ] || fail "the uninstaller left $(find "$folder" | head -n 3 | tr '\n' ' ')"
[ ! -e "$menu" ] || fail "the uninstaller left the Start menu entry"
! listed || fail "still among the programs to remove"
echo "installed, started and removed"
