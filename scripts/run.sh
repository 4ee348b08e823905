#!/usr/bin/env bash
# Builds Tankwise and starts it in a ready working folder (Data/, Help/, Log/).
# The folder is ~/Tankwise unless TANKWISE_HOME says otherwise; an existing one is kept,
# so your settings and logs survive a rebuild.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages
build -DBUILD_TESTING=OFF

HOME_DIR="${TANKWISE_HOME:-$HOME/Tankwise}"
mkdir -p "$HOME_DIR/Log"
[ -f "$HOME_DIR/Data/Tankwise.ini" ] || { mkdir -p "$HOME_DIR/Data"; cp "$REPO/resources/Data/Tankwise.ini" "$HOME_DIR/Data/"; }
mkdir -p "$HOME_DIR/Help"
cp "$REPO"/resources/Help/* "$HOME_DIR/Help/"

cd "$HOME_DIR"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: set DISPLAY (or run under xvfb-run) to see the window." >&2
    exit 1
fi
exec "$BUILD/tankwise" "$@"
