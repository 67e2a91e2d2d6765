#!/usr/bin/env bash
# Builds everything and runs every test: the native unit suites (with AddressSanitizer
# and UndefinedBehaviorSanitizer), then the Windows suite under Wine on a virtual display
# that this script starts and stops itself.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/common.sh

ensure_tools

echo "== native unit tests"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build build/native
ctest --test-dir build/native --output-on-failure

echo "== what two threads share, under ThreadSanitizer"
cmake -S . -B build/native-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVISTARO_SANITIZE=thread
cmake --build build/native-tsan --target concurrency_tests
TSAN_OPTIONS="halt_on_error=1" ctest --test-dir build/native-tsan --output-on-failure -R '^tsan\.'

echo "== Windows build"
build_windows

echo "== Windows tests under Wine"
trap 'stop_wine; stop_virtual_display' EXIT
start_virtual_display
start_wine "$root/build/windows/wineprefix"
ctest --test-dir build/windows --output-on-failure
