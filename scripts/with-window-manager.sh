#!/usr/bin/env bash
# Runs a command on a virtual X display of its own (Xvfb, 1280 × 1024) managed by Openbox, so
# that its windows get real frames, placed and drawn by a window manager as on a desktop: what
# the offscreen platform of the other tests cannot show. The command runs on Qt's X11 platform;
# the display is found free by the X server itself, so that runs side by side never meet, and
# needs nothing the environment provides (no DISPLAY). Everything started here ends with the
# command, whose exit status is this script's.
#   scripts/with-window-manager.sh <command> [arguments...]
set -euo pipefail

for program in Xvfb openbox xauth xprop; do
    if ! command -v "$program" >/dev/null; then
        echo "with-window-manager.sh: $program is missing; scripts/install-deps.sh installs it" >&2
        exit 1
    fi
done

# How long the server and the window manager may take to start, in tenths of a second.
readonly kStartTenths=100

work=$(mktemp -d)
server=
manager=
finish() {
    [ -z "$manager" ] || kill "$manager" 2>/dev/null || true
    [ -z "$server" ] || kill "$server" 2>/dev/null || true
    wait
    rm -rf "$work"
}
trap finish EXIT
trap 'exit 130' INT TERM

# Only clients that hold the cookie reach the display. The server reads the cookie when it
# starts, before its number is known; the clients find it under that number.
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
export XAUTHORITY=$work/xauthority
xauth -q add :0 . "$cookie" 2>/dev/null

# The server writes its display number once it accepts clients.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset -auth "$XAUTHORITY" \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
server=$!
if ! read -r -t $((kStartTenths / 10)) number <"$work/display"; then
    echo "with-window-manager.sh: Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=:$number
xauth -q add "$DISPLAY" . "$cookie"

# Openbox marks the root window once it manages the display.
env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME HOME="$work" openbox --sm-disable >"$work/openbox.log" 2>&1 &
manager=$!
for ((tenth = 0; ; ++tenth)); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
        break
    fi
    if ((tenth == kStartTenths)) || ! kill -0 "$manager" 2>/dev/null; then
        echo "with-window-manager.sh: Openbox did not start:" >&2
        cat "$work/openbox.log" >&2
        exit 1
    fi
    sleep 0.1
done

status=0
QT_QPA_PLATFORM=xcb "$@" || status=$?
exit "$status"
