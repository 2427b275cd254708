#!/usr/bin/env bash
# What Orca says while Quillmere is played with keys alone: a pick, a right drop, a
# wrong drop, a put-back and a new game, on a private X server with a D-Bus session,
# the accessibility bus, a speech server and a sound server of its own. Prints the
# keys and Orca's speech (the "SPEECH OUTPUT" lines of its debug log) merged by time.
# Not part of CTest: it needs Orca (apt-get install orca).
#
# Usage: tests/a11y/orca-transcript.sh [program folder, build/program if left out]
#
# The drop point starts in the middle of the map, which lies on the Democratic
# Republic of Congo: that name is placed where it is picked up, Djibouti after it
# is not; Egypt is reached from there by Ctrl and the arrows, and the drop point
# steered off it and back once it is placed.
set -euo pipefail
source_dir=$(cd "$(dirname "$(readlink -f "$0")")/../.." && pwd)
program=$(readlink -f "${1:-$source_dir/build/program}")
libexec=/usr/libexec
for tool in Xvfb xwininfo dbus-daemon xdotool pulseaudio speech-dispatcher orca "$libexec/at-spi-bus-launcher"; do
    command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 2; }
done

work=$(mktemp -d)
pids=()
finish() {
    # Ended by their PIDs, the last started first, each given a few seconds.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || continue
        for _ in $(seq 50); do kill -0 "${pids[i]}" 2>/dev/null || break; sleep 0.1; done
        kill -KILL "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap finish EXIT
started() { pids+=("$!"); }

# Waits until the command succeeds, for 15 seconds at most.
await() {
    for _ in $(seq 150); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    echo "gave up waiting for: $*" >&2
    exit 1
}

# Everything below finds only these: the socket folders, the session bus, the display.
export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
unset AT_SPI_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON WAYLAND_DISPLAY PULSE_SERVER SPEECHD_ADDRESS

Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
started
await test -s "$work/display"
export DISPLAY=:$(head -1 "$work/display")

dbus-daemon --session --nofork --print-address=3 3>"$work/session" 2>/dev/null &
started
await test -s "$work/session"
DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/session")
export DBUS_SESSION_BUS_ADDRESS

# The desktop's launcher with the screen reader on, as after a user turned Orca on.
"$libexec/at-spi-bus-launcher" --launch-immediately --a11y=0 --screen-reader=1 2>/dev/null &
started
a11y_address() {
    dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress
}
await a11y_address
accessibility_bus=$(a11y_address | tr -d ' ')
# The registry, started here so that it is this script's to end; with the display,
# it passes the keys on to Orca.
AT_SPI_BUS_ADDRESS=$accessibility_bus "$libexec/at-spi2-registryd" >/dev/null 2>&1 &
started
await dbus-send --bus="$accessibility_bus" --print-reply --dest=org.freedesktop.DBus / \
    org.freedesktop.DBus.GetNameOwner string:org.a11y.atspi.Registry

# Speech is synthesised and played in real time, into a sound server's null sink,
# so that whatever would cut it short for a listener does here too.
mkdir -m 700 "$work/pulse"
printf '%s\n' 'load-module module-null-sink sink_name=speech' \
    "load-module module-native-protocol-unix socket=$work/pulse/native auth-anonymous=1" \
    'set-default-sink speech' >"$work/pulse/server.pa"
HOME=$work/pulse XDG_RUNTIME_DIR=$work/pulse XDG_CONFIG_HOME=$work/pulse \
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --realtime=no \
    --high-priority=no -F "$work/pulse/server.pa" >/dev/null 2>&1 &
started
await test -S "$work/pulse/native"
export PULSE_SERVER=unix:$work/pulse/native
speech-dispatcher --run-single --timeout 0 >/dev/null 2>&1 &
started
await test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock"
# Orca would start a speech server of its own if it lost this one, and leave it behind.
export SPEECHD_CMD=/bin/false

log=$work/orca-debug.txt
actions=$work/actions.txt
: >"$actions"
orca --user-prefs "$work/orca" --debug-file "$log" >/dev/null 2>&1 &
started
orca_pid=$!
await grep -q "SPEECH OUTPUT" "$log"

act() { echo "$(date +%H:%M:%S.%6N) - ACTION: $*" >>"$actions"; }
# Orca speaks a moment after an event: waits until its log has been still for a second.
settle() {
    local size=-1 now
    for _ in $(seq 20); do
        sleep 1
        now=$(stat -c %s "$log")
        [ "$now" = "$size" ] && return 0
        size=$now
    done
}
key() {
    act "key $1"
    xdotool key "$1"
    settle
}

cp -r "$program" "$work/program"
act "start Quillmere"
QUILLMERE_HOME_PAGE_DRAW=1 "$work/program/quillmere" >/dev/null 2>&1 &
started
await xdotool search --onlyvisible --name '^Quillmere$'
# No window manager gives it the focus.
xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^Quillmere$' | head -1)"
settle

# The focus opens on the list, on its first name.
key Down
key d                 # the Democratic Republic of Congo
key Return            # picked up
key shift+Right
key shift+Left        # back where it started
key Return            # a right drop
key Return            # Djibouti, now the focused name, picked up
key Return            # a wrong drop, on the name just placed
key e                 # Egypt
key Return
key ctrl+Up           # country to country, up to Egypt
key ctrl+Up
key ctrl+Up
key ctrl+Right
key Return            # a right drop
key Return            # Equatorial Guinea, now the focused name, picked up on Egypt
key shift+Left        # off Egypt
key shift+Right       # back onto it
key Escape            # put back
# The window loses the focus and gets it back, as around the completion's box:
# the instructions are not read again.
act "focus to the root window and back"
xdotool windowfocus --sync "$(xwininfo -root | awk '/Window id:/ {print $4}')"
settle
xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^Quillmere$' | head -1)"
settle
key F1                # the instructions again, asked for
key Tab               # Restart
key Return            # a new game

# Orca writes the last of its log as it stops.
kill "$orca_pid"
for _ in $(seq 100); do kill -0 "$orca_pid" 2>/dev/null || break; sleep 0.1; done
{
    cat "$actions"
    grep -a "SPEECH OUTPUT" "$log" | sed -E "s/SPEECH OUTPUT: '(.*)' ?[{[].*$/SAYS: \1/"
    grep -a "BRAILLE LINE:" "$log" | sed -E "s/BRAILLE LINE: +'(.*)'.*$/BRAILLE: \1/"
} | sort
