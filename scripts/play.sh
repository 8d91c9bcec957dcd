#!/usr/bin/env bash
# Builds the game and starts it. Without a display it runs on Qt's VNC platform instead.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset optimized >/dev/null
cmake --build --preset optimized --target morvane

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    port=${MORVANE_VNC_PORT:-5900}
    echo "No display found: the game runs on a VNC server."
    echo "Connect a VNC viewer to localhost:${port} (for example: vncviewer localhost:${port})."
    export QT_QPA_PLATFORM="vnc:size=1280x900:port=${port}"
fi
exec build/optimized/shell/morvane
