#!/usr/bin/env bash
# Runs one Windows test program under Wine; ctest's command for every Windows
# suite: wine-test.sh PROGRAM.exe [ARGUMENTS...].
#
# The program's output passes through as it comes. Wine's own messages (the
# errors of every channel and the libraries loaded while the program starts)
# are kept aside and shown only when the program ends without having started
# a test, together with its exit code, so that a start that failed says why.
# A program that never reports its tests fails even when Wine exits with 0.
# The program's exit code is this script's exit code, and the script ends
# soon after the program even when something the program started still holds
# its output open. A start that cannot even be attempted (no Wine, no
# program, no room for the output) fails with its reason.
#
# With WINEDEBUG set to anything but -all (someone is debugging) Wine's
# messages are left as they are and nothing is kept aside.
set -uo pipefail

if [ $# -lt 1 ]; then
  echo "usage: $0 PROGRAM.exe [ARGUMENTS...]" >&2
  exit 2
fi
program=$1
shift
name=${program##*/}

refuse() {
  echo "[fernwick] $name was not started: $*" >&2
  exit 1
}

command -v wine >/dev/null 2>&1 || refuse "there is no wine on PATH ($PATH)"
[ -f "$program" ] || refuse "there is no file $program"

work=$(mktemp -d "${TMPDIR:-/tmp}/fw-wine-test.XXXXXX" 2>&1) ||
  refuse "no folder for its output in ${TMPDIR:-/tmp}: $work"
trap 'rm -rf "$work"' EXIT
touch "$work/wine.log" && mkfifo "$work/stdout" "$work/stderr" ||
  refuse "no pipes for its output in $work"

startup_channels=-all,err+all,+loaddll
collect=0
if [ "${WINEDEBUG:--all}" = -all ]; then
  export WINEDEBUG=$startup_channels
  collect=1
fi

# The folder of the prefix's Wine server. Debian's Wine keeps it under
# /run/user/UID/wine when that exists, otherwise in a folder of TMPDIR whose
# name the prefix's "wineserver" file holds; Wine as its authors ship it
# uses /tmp/.wine-UID.
server_dir() {
  local prefix=${WINEPREFIX:-$HOME/.wine} root uid
  uid=$(id -u)
  if [ -d "/run/user/$uid" ]; then
    root=/run/user/$uid/wine
  elif [ -s "$prefix/wineserver" ]; then
    root=${TMPDIR:-/tmp}/$(head -n 1 "$prefix/wineserver")
  else
    root=/tmp/.wine-$uid
  fi
  # shellcheck disable=SC2046
  printf '%s/server-%x-%x' "$root" $(stat -L -c '%d %i' "$prefix" 2>/dev/null || echo 0 0)
}

# The process id of the prefix's running Wine server (the holder of its
# lock), or nothing when none runs.
server_pid() {
  local inode
  inode=$(stat -c %i "$(server_dir)/lock" 2>/dev/null) || return 0
  awk -v inode="$inode" '{
    for (i = 2; i <= NF; i++)
      if ($i ~ ":" inode "$" && $(i - 1) ~ /^[0-9]+$/) { print $(i - 1); exit }
  }' /proc/locks
}

# Waits a little for a reader of the program's output, then stops it: a
# process the program started (a Wine service started on demand) may hold
# the output open long after the program ended, and what the program wrote
# has arrived by then.
finish_reading() {
  local i pid running
  for i in $(seq 1 50); do
    running=0
    for pid in "$@"; do kill -0 "$pid" 2>/dev/null && running=1; done
    [ "$running" = 1 ] || break
    sleep 0.1
  done
  for pid in "$@"; do
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
}

# Wine's debug lines read "<thread id>:<class>:<channel>:<function> ...";
# those written before the first thread exists have no thread id.
awk -v kept="$work/wine.log" -v collect="$collect" '
  collect == 1 && /^([0-9a-f]+:)?(err|warn|fixme|trace):[a-z0-9_]+:/ { print >> kept; fflush(kept); next }
  { print > "/dev/stderr"; fflush("/dev/stderr") }
' <"$work/stderr" &
filter=$!
tee "$work/stdout.log" <"$work/stdout" &
copier=$!

server_before=$(server_pid)
wine "$program" "$@" >"$work/stdout" 2>"$work/stderr"
status=$?
finish_reading "$copier" "$filter"

# The server and programs running for this prefix, one "pid command" a line.
prefix_processes() {
  local pid environ command found=0 launcher
  launcher=$(basename "$0")
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    { tr '\0' '\n' <"$environ" | grep -qxF "WINEPREFIX=${WINEPREFIX:-}"; } 2>/dev/null || continue
    command=$({ tr '\0' ' ' <"/proc/$pid/cmdline"; } 2>/dev/null)
    case "$command" in
      *"$launcher"*) ;;  # launchers like this one
      *wineserver* | *.exe* | *.EXE*)
        echo "$pid $command"
        found=1
        ;;
    esac
  done
  [ "$found" = 1 ] || echo "(none: the Wine server is not running)"
}

started=0
grep -q '^\[==========\] Running' "$work/stdout.log" && started=1
ran_test=0
grep -q '^\[ RUN      \]' "$work/stdout.log" && ran_test=1

if [ "$ran_test" = 1 ] || { [ "$started" = 1 ] && [ "$status" = 0 ]; }; then
  exit "$status"
fi

{
  if [ "$status" -gt 128 ] && [ "$status" -lt 160 ]; then
    echo "[fernwick] $name was ended by signal $((status - 128)) before running any test."
  elif [ "$status" = 0 ]; then
    echo "[fernwick] $name exited with code 0 but never reported its tests."
    status=1
  else
    printf '[fernwick] %s ended with exit code %d (0x%02x) before running any test.\n' \
      "$name" "$status" "$status"
  fi
  if [ "$collect" = 1 ]; then
    echo "[fernwick] Wine's messages for this start (WINEDEBUG=$startup_channels):"
    if [ -s "$work/wine.log" ]; then
      sed 's/^/  /' "$work/wine.log"
    else
      echo "  (none)"
    fi
  fi
  # A server that is being stopped holds its lock until it has ended the
  # programs: give it a moment to be gone.
  sleep 1
  server_after=$(server_pid)
  if [ -z "$server_before" ]; then
    echo "[fernwick] No Wine server ran for the prefix when $name was started."
  elif [ "$server_after" != "$server_before" ]; then
    echo "[fernwick] The prefix's Wine server (process $server_before) ended while $name" \
      "was running; Wine ends its programs without a word when their server goes away" \
      "(another run on the same prefix ending, or the server failing)."
  fi
  if [ ! -x /usr/lib/wine/wine64-preloader ] && [ -x /usr/lib/wine/wine64 ]; then
    echo "[fernwick] Wine's preloader (package wine64-preloader) is missing: without it a" \
      "start fails at random where the C library's heap took the address of Windows'" \
      "shared data (\"failed to map the shared user data\")."
  fi
  echo "[fernwick] Wine processes of the prefix ${WINEPREFIX:-~/.wine} now:"
  prefix_processes | sed 's/^/  /'
} >&2
exit "$status"
