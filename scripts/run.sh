#!/usr/bin/env bash
# Builds the program and runs it under Wine: on $DISPLAY when there is one, otherwise on
# a virtual display, where it takes a screenshot (build/screenshot.png) and stops.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/common.sh

ensure_tools

build_windows vistaro

# The program keeps its settings beside itself: run it from a folder of its own.
app="$root/build/app"
mkdir -p "$app"
cp build/windows/bin/vistaro.exe "$app/"

if [ -n "${DISPLAY:-}" ]; then
  trap 'stop_wine' EXIT
  start_wine "$root/build/run-wineprefix"
  "$WINE" "$app/vistaro.exe"
  exit 0
fi

ensure_packages import imagemagick
trap 'stop_wine; stop_virtual_display' EXIT
start_virtual_display
start_wine "$root/build/run-wineprefix"
"$WINE" "$app/vistaro.exe" &
program=$!
for _ in $(seq 300); do  # up to 30 s for the window to come up
  xwininfo -root -tree 2>/dev/null | grep -q vistaro.exe && break
  sleep 0.1
done
import -window root "$root/build/screenshot.png"
echo "Screenshot: build/screenshot.png"
kill "$program" 2>/dev/null || true
