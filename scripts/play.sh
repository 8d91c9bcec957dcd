#!/usr/bin/env bash
# Builds the game and starts it: on the desktop when its display can be opened, otherwise on a
# VNC server that takes connections from this machine only, with a password made for the run
# (docs/handbook.md: "Playing without a display").
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
scripts/install-deps.sh tigervnc-standalone-server tigervnc-tools xauth
port=${MORVANE_VNC_PORT:-5900}

# The X authority cookie, the VNC password and the server's messages are kept in a folder that
# only this user can read.
private=$(mktemp -d)
chmod 700 "$private"
ready=$private/display
log=$private/server.log
auth=$private/Xauthority
passwords=$private/vncpasswd
server=
trap '[ -n "$server" ] && kill "$server" 2>/dev/null; rm -rf "$private"' EXIT

# A fresh cookie for the X server: it admits only clients that present it. The server reads
# every cookie in the file whatever display it is filed under; the game finds it under the
# display's own number, added once the server has told it.
cookie=$(mcookie)
: >"$auth"
xauth -q -f "$auth" add :0 MIT-MAGIC-COOKIE-1 "$cookie"
# A one-time VNC password (VNC uses at most eight characters of it).
password=$(head -c 6 /dev/urandom | base64 | tr '+/' '-_')
printf '%s\n' "$password" | vncpasswd -f >"$passwords"

# Xvnc is an X server whose screen is served over VNC. It writes its display number to fd 3
# once it takes connections; -localhost keeps the VNC port closed to other machines. The server
# and the game get SIGKILL when this script ends, however it ends (setpriv --pdeathsig), so that
# neither outlives it.
setpriv --pdeathsig KILL -- Xvnc -displayfd 3 -localhost -rfbport "$port" -auth "$auth" \
    -SecurityTypes VncAuth -rfbauth "$passwords" -geometry 1280x900 -depth 24 -nolisten tcp \
    -desktop "Morvaneⅲ" 3>"$ready" >"$log" 2>&1 &
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
display=":$(tr -d '\n' <"$ready")"
xauth -q -f "$auth" add "$display" MIT-MAGIC-COOKIE-1 "$cookie"

echo "Connect a VNC viewer on this machine to localhost port ${port}: vncviewer localhost::${port}"
echo "The password, for this run only: ${password}"
echo "From another machine, through ssh: see \"Playing without a display\" in docs/handbook.md."
echo "Ctrl+W closes the window in front (windows have no frames here); closing the title ends."
DISPLAY="$display" XAUTHORITY="$auth" QT_QPA_PLATFORM=xcb setpriv --pdeathsig KILL -- "$game"
