#!/usr/bin/env bash
# Builds Tankwise and starts it. The program keeps its working folder (Data/, Help/,
# Log/) in the per-user data folder (~/.local/share/Tankwise), or in the folder that
# TANKWISE_HOME names, and fills it from resources/ on its first start; your settings
# and logs there survive a rebuild.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages
build -DBUILD_TESTING=OFF

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: set DISPLAY (or run under xvfb-run) to see the window." >&2
    exit 1
fi
exec "$BUILD/tankwise" "$@"
