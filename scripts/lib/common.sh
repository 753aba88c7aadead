# Shared by scripts/run.sh and scripts/test.sh: machine preparation, builds,
# the Wine prefix and the virtual display. Source it; do not run it.

set -euo pipefail

FW_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
FW_BUILD="${FW_BUILD:-$FW_ROOT/build}"
FW_CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/fernwick"
# Each checkout has a Wine prefix of its own unless FW_WINEPREFIX names one:
# checkouts sharing a prefix share its Wine server, and one run's end (which
# stops the server it started) would end the other's programs mid-test. Runs
# of one checkout at the same time take one prefix each (fw_claim_wineprefix).
FW_CHECKOUT_ID=$(printf '%s' "$FW_ROOT" | sha1sum | cut -c1-8)
export WINEPREFIX="${FW_WINEPREFIX:-$FW_CACHE/wineprefix-$FW_CHECKOUT_ID}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Gecko or Mono installer prompts when the prefix is first made.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# wine64-preloader is only suggested by wine64, but without it Wine reserves
# the addresses a Windows process needs only after the C library has mapped
# its own, and a start fails at random (about one in a few thousand) where
# the heap took the address of the shared user data.
FW_PACKAGES=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev libgmock-dev
  libbenchmark-dev libpng-dev
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  wine wine64 wine64-preloader fonts-wine xvfb xauth x11-utils xdotool imagemagick fonts-dejavu-core
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

# Starts Xvfb on a free display when DISPLAY is unset. Xvfb picks the
# number itself (-displayfd), so a display that only looks free is never
# shared with another server.
fw_ensure_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local numberfile
  numberfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$numberfile" >/dev/null 2>&1 &
  FW_STARTED_XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    if [ -s "$numberfile" ] && kill -0 "$FW_STARTED_XVFB_PID" 2>/dev/null; then
      export DISPLAY=":$(tr -d '[:space:]' <"$numberfile")"
      rm -f "$numberfile"
      xdpyinfo >/dev/null 2>&1 && return 0
    fi
    sleep 0.1
  done
  rm -f "$numberfile"
  fw_log "Xvfb did not start"
  return 1
}

# Settings the project's prefix carries; raise the number when they change,
# so that prefixes made earlier get them too.
FW_PREFIX_SETTINGS=2

FW_PREFIX_CLAIM_PID=""

# A run has its Wine prefix to itself. Runs sharing one would share its Wine
# server, and the end of the run that started it (which stops it) would end
# the other's programs without a word. So a second run of this checkout (or
# of the same FW_WINEPREFIX) at the same time takes the first free prefix of
# "<prefix>-2" to "<prefix>-9", made on first use like the first one.
fw_claim_wineprefix() {
  [ -n "$FW_PREFIX_CLAIM_PID" ] && return 0
  local base=$WINEPREFIX candidate n
  for n in 1 2 3 4 5 6 7 8 9; do
    candidate=$base
    [ "$n" -gt 1 ] && candidate=$base-$n
    if fw_try_claim "$candidate.lock"; then
      [ "$n" -gt 1 ] && fw_log "Wine prefix $base is in use by another run; this run uses $candidate"
      export WINEPREFIX=$candidate
      return 0
    fi
  done
  fw_log "Wine prefixes $base to $base-9 are all in use by other runs"
  return 1
}

# Takes the lock LOCK for as long as this script runs, or fails at once when
# another run holds it. Only a flock process of its own holds it (-o keeps it
# from the command flock runs, and this script never has it open), so that
# nothing the run starts, such as the Wine server or Wine's services, keeps
# the lock after the run. fw_cleanup ends that process; if the script is
# killed instead, it ends within a second of the script.
fw_try_claim() {
  local lock=$1 answer pid i
  mkdir -p "$(dirname "$lock")"
  answer=$(mktemp)
  flock -n -o "$lock" sh -c 'echo held >"$1"; exec tail -s 1 --pid="$2" -f /dev/null' \
    sh "$answer" "$$" </dev/null >/dev/null 2>&1 &
  pid=$!
  for i in $(seq 1 200); do
    if [ -s "$answer" ]; then
      rm -f "$answer"
      FW_PREFIX_CLAIM_PID=$pid
      return 0
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -f "$answer"
  return 1
}

fw_release_wineprefix() {
  [ -n "$FW_PREFIX_CLAIM_PID" ] || return 0
  kill "$FW_PREFIX_CLAIM_PID" 2>/dev/null || true
  wait "$FW_PREFIX_CLAIM_PID" 2>/dev/null || true
  FW_PREFIX_CLAIM_PID=""
}

# Claims a prefix for this run and creates it once.
fw_ensure_wineprefix() {
  fw_claim_wineprefix
  [ -f "$WINEPREFIX/.fernwick-ready" ] && return 0
  fw_log "creating Wine prefix $WINEPREFIX (first run only)"
  mkdir -p "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1 || true
  fw_apply_prefix_settings
  # The new prefix is whole once its server has written it out and gone.
  wineserver -w
}

# The window manager's decorations are switched off so that the program
# draws its own frames, and Wine's crash dialog too: a program that crashes
# (a test program as well) writes what happened to its standard error and
# ends, instead of waiting for somebody to close a dialog on a display
# nobody sees. Applied through the server that runs for the prefix.
fw_apply_prefix_settings() {
  local ready="$WINEPREFIX/.fernwick-ready"
  [ -f "$ready" ] && [ "$(cat "$ready")" = "$FW_PREFIX_SETTINGS" ] && return 0
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    >/dev/null 2>&1
  echo "$FW_PREFIX_SETTINGS" >"$ready"
}

# Starts a persistent Wine server for the prefix unless one already runs for
# it; only a server started here is stopped again by fw_cleanup.
fw_start_wineserver() {
  # Refused (non-zero) when a server already runs for this prefix.
  if wineserver -p >/dev/null 2>&1; then
    FW_STARTED_WINESERVER=1
  fi
  # A prefix made before the settings last changed gets them now, through
  # the running server (a server started for them alone would still be
  # going away when the programs start).
  fw_apply_prefix_settings
  # Start Wine's background services now, detached from any caller's pipes:
  # started later by a test, they would inherit ctest's output pipe and keep
  # it waiting until they exit.
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  fw_hold_desktop
}

FW_HOLD_DIR=""
FW_HOLD_FD=""
FW_HOLD_PID=""

# Keeps one Wine process waiting until fw_cleanup, so that the prefix's
# desktop, and the process that manages it, stay up from one program to the
# next. Otherwise the desktop closes a moment after each program ends and a
# program that starts just then races with its closing.
fw_hold_desktop() {
  FW_HOLD_DIR=$(mktemp -d)
  mkfifo "$FW_HOLD_DIR/hold"
  exec {FW_HOLD_FD}<>"$FW_HOLD_DIR/hold"
  # Waits for a key on standard input, which only ends when fw_cleanup
  # closes the other end.
  wine cmd /c pause <"$FW_HOLD_DIR/hold" >/dev/null 2>&1 {FW_HOLD_FD}>&- &
  FW_HOLD_PID=$!
}

fw_release_desktop() {
  [ -n "$FW_HOLD_FD" ] || return 0
  exec {FW_HOLD_FD}>&-
  FW_HOLD_FD=""
  local i
  for i in $(seq 1 50); do
    kill -0 "$FW_HOLD_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill "$FW_HOLD_PID" >/dev/null 2>&1 || true
  wait "$FW_HOLD_PID" 2>/dev/null || true
  rm -rf "$FW_HOLD_DIR"
}

fw_cleanup() {
  local rc=$?
  fw_release_desktop
  if [ "$FW_STARTED_WINESERVER" = 1 ]; then
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
  fi
  fw_release_wineprefix
  if [ -n "$FW_STARTED_XVFB_PID" ]; then
    kill "$FW_STARTED_XVFB_PID" >/dev/null 2>&1 || true
    local i
    for i in $(seq 1 30); do
      kill -0 "$FW_STARTED_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill -9 "$FW_STARTED_XVFB_PID" >/dev/null 2>&1 || true
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
