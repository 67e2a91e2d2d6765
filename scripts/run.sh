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
# No display: a virtual one, a demo feed of quotes rewritten every 200 ms, settings that
# point the overlay at it, and a screenshot once the overlay shows the feed.
feed="$app/quotes.txt"
printf '[fMain]\r\nFirst=0\r\nPath=Z:%s\r\nLeft=312\r\nTop=284\r\nWidth=400\r\nHeigth=120\r\nColor=8454143\r\nHole=25\r\n[Font]\r\nSize=14\r\nStyle_Bold=1\r\nColor=255\r\n' \
  "$(echo "$feed" | tr / '\\')" >"$app/vistaro.ini"
(
  while true; do
    cents=$((RANDOM % 100))
    printf 'EUR/USD 1.09%02d 1.09%02d\r\nGBP/USD 1.27%02d 1.27%02d\r\n' \
      "$cents" "$(((cents + 2) % 100))" "$((RANDOM % 100))" "$((RANDOM % 100))" >"$feed.tmp"
    mv "$feed.tmp" "$feed"
    sleep 0.2
  done
) &
feeder=$!
trap 'kill $feeder 2>/dev/null; stop_wine; stop_virtual_display' EXIT
start_virtual_display
start_wine "$root/build/run-wineprefix"
"$WINE" "$app/vistaro.exe" &
for _ in $(seq 300); do  # up to 30 s for the window to come up
  xwininfo -root -tree 2>/dev/null | grep -q vistaro.exe && break
  sleep 0.1
done
sleep 2  # two polls of the feed
import -window root "$root/build/screenshot.png"
echo "Screenshot: build/screenshot.png"
