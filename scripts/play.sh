#!/usr/bin/env bash
# Builds the game and starts it: on the desktop when its display can be opened, otherwise on a
# VNC server that takes connections from this machine only (README: "Playing without a display").
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset optimized >/dev/null
cmake --build --preset optimized --target morvane
game=build/optimized/app/morvane

# True when DISPLAY names an X display that answers.
display_opens() {
    [ -n "${DISPLAY:-}" ] || return 1
    scripts/install-deps.sh x11-utils
    timeout 10 xdpyinfo >/dev/null 2>&1
}

if [ -n "${QT_QPA_PLATFORM:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ] || display_opens; then
    exec "$game"
fi

if [ -n "${DISPLAY:-}" ]; then
    echo "The display ${DISPLAY} cannot be opened: the game runs on a VNC server instead."
else
    echo "No display found: the game runs on a VNC server."
fi
scripts/install-deps.sh tigervnc-standalone-server
port=${MORVANE_VNC_PORT:-5900}
ready=$(mktemp)
log=$(mktemp)
server=
trap '[ -n "$server" ] && kill "$server" 2>/dev/null; rm -f "$ready" "$log"' EXIT

# Xvnc is an X server whose screen is served over VNC. It writes its display number to fd 3
# once it takes connections; -localhost keeps the VNC port closed to other machines.
Xvnc -displayfd 3 -localhost -rfbport "$port" -SecurityTypes None -geometry 1280x900 -depth 24 \
    -nolisten tcp -desktop "Morvaneⅲ" 3>"$ready" >"$log" 2>&1 &
server=$!
for _ in $(seq 100); do
    [ -s "$ready" ] && break
    if ! kill -0 "$server" 2>/dev/null; then
        echo "The VNC server did not start (is port ${port} taken? Set MORVANE_VNC_PORT):" >&2
        cat "$log" >&2
        exit 1
    fi
    sleep 0.1
done
if [ ! -s "$ready" ]; then
    echo "The VNC server did not get ready." >&2
    exit 1
fi

echo "Connect a VNC viewer on this machine to localhost port ${port}: vncviewer localhost::${port}"
echo "From another machine, through ssh: see \"Playing without a display\" in README.md."
echo "Ctrl+W closes the window in front (windows have no frames here); closing the title ends."
DISPLAY=":$(tr -d '\n' <"$ready")" QT_QPA_PLATFORM=xcb "$game"
