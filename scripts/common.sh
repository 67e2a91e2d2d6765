# Shared by run.sh and test.sh: what they install, and the virtual display and Wine
# prefix they start and stop. Meant to be sourced.

WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

# Installs, with one apt-get run, the packages whose file is missing; nothing otherwise.
# Arguments: pairs of "path-or-command package".
ensure_packages() {
  local missing=()
  while [ $# -ge 2 ]; do
    if ! command -v "$1" >/dev/null 2>&1 && [ ! -e "$1" ]; then missing+=("$2"); fi
    shift 2
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Everything the builds and the Wine runs need.
ensure_tools() {
  ensure_build_tools
  ensure_wine_tools
}

# The cross build with MinGW-w64: all of it, or the targets named.
build_windows() {
  cmake -S . -B build/windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release
  cmake --build build/windows ${1:+--target "$@"}
}

ensure_build_tools() {
  ensure_packages \
    cmake cmake \
    ninja ninja-build \
    g++ g++ \
    x86_64-w64-mingw32-g++-posix g++-mingw-w64-x86-64-posix \
    /usr/src/googletest/CMakeLists.txt googletest
}

ensure_wine_tools() {
  ensure_packages \
    "$WINE" wine64 \
    Xvfb xvfb \
    xdpyinfo x11-utils \
    xdotool xdotool
}

# Starts Xvfb on a display number it picks itself, and exports DISPLAY once the server
# answers. XVFB_PID is the process to stop.
start_virtual_display() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local number
  if ! read -r -t 30 number <"$fifo"; then
    rm -f "$fifo"
    echo "Xvfb did not start" >&2
    return 1
  fi
  rm -f "$fifo"
  export DISPLAY=":$number"
  local tries=0
  until xdpyinfo >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ $tries -gt 100 ] && { echo "Xvfb on $DISPLAY does not answer" >&2; return 1; }
    sleep 0.1
  done
}

stop_virtual_display() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=""
}

# A fresh Wine prefix in the given folder, with the crash dialog off so that a crash
# fails the run instead of waiting for a click. Its server stays up until stop_wine.
start_wine() {
  export WINEPREFIX="$1"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  "$WINESERVER" -p
  "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
}

stop_wine() {
  [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -k 2>/dev/null
  true
}
