#!/usr/bin/env bash
# The README's pictures, taken as a user sees the program: a 1366 x 768 laptop screen
# at 125% under a window manager (Xvfb and openbox), and the History window in a dark
# palette. Needs a build configured with -DTANKWISE_SHOTS=ON and the Debian packages
# xvfb, openbox, xdotool and imagemagick.
#   bash docs/shots/shots.sh [BUILD]
set -euo pipefail
REPO="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD="$(cd "${1:-$REPO/build}" && pwd)"
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1366x768x24" bash "$0" "$BUILD"
fi

WORK="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$WORK"' EXIT
"$BUILD/history-shot" --fill "$WORK/Tankwise"
export XDG_CONFIG_HOME="$WORK/config" QT_SCALE_FACTOR=1.25 LC_ALL=C.UTF-8 LANG=C.UTF-8
openbox & sleep 1
"$BUILD/tankwise" --folder "$WORK/Tankwise" -InhibitUpdate & sleep 3

# The second reading of a new period (Get Last brought the first), and Enter for Calculate.
xdotool search --sync --name "Tankwise" windowactivate --sync >/dev/null
xdotool key alt+2 && xdotool type --delay 30 "10/09/2024" && xdotool key Tab && xdotool type --delay 30 "45"
xdotool key Return && sleep 2
# Saved, so Order By and the forecast line follow the new reading.
xdotool key alt+s && sleep 1
import -window root "$REPO/docs/screenshot.png"
xdotool key alt+t && sleep 3
import -window root "$REPO/docs/history.png"
xdotool key Escape && sleep 1

QT_SCALE_FACTOR=1 "$BUILD/history-shot" "$REPO/docs/history-dark.png" --dark
# How the dark chart looks with deuteranopia, to check its colours apart.
/usr/bin/convert "$REPO/docs/history-dark.png" -color-matrix \
    "0.367 0.861 -0.228 0.280 0.673 0.047 -0.012 0.043 0.969" "$BUILD/history-dark-deuteranopia.png"
