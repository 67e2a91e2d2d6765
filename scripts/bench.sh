#!/usr/bin/env bash
# Builds the Windows benchmarks and runs them under Wine on a virtual display; prints
# their figures. With "soak", runs the five-minute soak of the shaping worker instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/common.sh

ensure_tools
build_windows

trap 'stop_wine; stop_virtual_display' EXIT
start_virtual_display
start_wine "$root/build/windows/bench-wineprefix"
cmake --build build/windows --target "${1:-bench}"
