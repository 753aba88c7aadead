# Shared by scripts/run.sh and scripts/test.sh: machine preparation, builds,
# the Wine prefix and the virtual display. Source it; do not run it.

set -euo pipefail

FW_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
FW_BUILD="${FW_BUILD:-$FW_ROOT/build}"
FW_CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/fernwick"
export WINEPREFIX="${FW_WINEPREFIX:-$FW_CACHE/wineprefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Gecko or Mono installer prompts when the prefix is first made.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

FW_PACKAGES=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev libgmock-dev
  libbenchmark-dev libpng-dev
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  wine wine64 fonts-wine xvfb xauth x11-utils xdotool imagemagick fonts-dejavu-core
)

fw_log() { printf '[fernwick] %s\n' "$*" >&2; }

# Installs the packages above that are missing; apt-get update runs only when
# something has to be installed.
fw_ensure_packages() {
  local missing=() p
  for p in "${FW_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  fw_log "installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
    --no-install-recommends "${missing[@]}" >/dev/null
}

FW_STARTED_XVFB_PID=""
FW_STARTED_WINESERVER=0

# Starts Xvfb on a free display when DISPLAY is unset.
fw_ensure_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  FW_STARTED_XVFB_PID=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  fw_log "Xvfb did not start on $DISPLAY"
  return 1
}

# Creates the project's own Wine prefix once, with the window manager's
# decorations switched off so that the program draws its own frames.
fw_ensure_wineprefix() {
  if [ ! -f "$WINEPREFIX/.fernwick-ready" ]; then
    fw_log "creating Wine prefix $WINEPREFIX (first run only)"
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.fernwick-ready"
  fi
}

# Starts a persistent Wine server for the prefix unless one already runs for
# it; only a server started here is stopped again by fw_cleanup.
fw_start_wineserver() {
  # Refused (non-zero) when a server already runs for this prefix.
  if wineserver -p >/dev/null 2>&1; then
    FW_STARTED_WINESERVER=1
  fi
  # Start Wine's background services now, detached from any caller's pipes:
  # started later by a test, they would inherit ctest's output pipe and keep
  # it waiting until they exit.
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

fw_cleanup() {
  local rc=$?
  if [ "$FW_STARTED_WINESERVER" = 1 ]; then
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
  fi
  if [ -n "$FW_STARTED_XVFB_PID" ]; then
    kill "$FW_STARTED_XVFB_PID" >/dev/null 2>&1 || true
    wait "$FW_STARTED_XVFB_PID" 2>/dev/null || true
  fi
  return $rc
}

fw_configure() {
  local dir=$1
  shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$FW_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
  fi
}

# Host tree: portable code, its tests, the host tools.
fw_build_host() {
  fw_configure "$FW_BUILD/host" -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$FW_BUILD/host"
}

fw_build_host_sanitized() {
  fw_configure "$FW_BUILD/host-asan" -DCMAKE_BUILD_TYPE=Debug -DFW_SANITIZE=ON
  cmake --build "$FW_BUILD/host-asan"
}

fw_build_fuzz() {
  fw_configure "$FW_BUILD/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFW_FUZZ=ON \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang
  cmake --build "$FW_BUILD/fuzz"
}

# Windows tree: the program and its tests, cross-built; host tools come from
# the host tree.
fw_build_win() {
  fw_configure "$FW_BUILD/win" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$FW_ROOT/cmake/toolchain-mingw64.cmake" \
    -DFW_HOST_TOOLS_DIR="$FW_BUILD/host/tools"
  cmake --build "$FW_BUILD/win"
}
