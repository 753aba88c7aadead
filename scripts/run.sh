#!/usr/bin/env bash
# Builds what is missing and starts Fernwick under Wine. With a display the
# window appears there and the script returns when the program ends. Without
# one, the program runs on a virtual display: the script waits for the main
# window, saves a screenshot, prints its path and closes the program.
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
trap fw_cleanup EXIT

fw_ensure_packages
fw_configure "$FW_BUILD/host" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$FW_BUILD/host" --target fw_tools
fw_configure "$FW_BUILD/win" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$FW_ROOT/cmake/toolchain-mingw64.cmake" \
  -DFW_HOST_TOOLS_DIR="$FW_BUILD/host/tools"
cmake --build "$FW_BUILD/win" --target Fernwick
EXE="$FW_BUILD/win/bin/Fernwick.exe"

headless=0
[ -z "${DISPLAY:-}" ] && headless=1
fw_ensure_display
fw_ensure_wineprefix
fw_start_wineserver

if [ "$headless" = 0 ]; then
  wine "$EXE" "$@"
  exit 0
fi

wine "$EXE" "$@" &
program=$!
window=""
for _ in $(seq 1 300); do
  window=$(xdotool search --onlyvisible --name 'fernwick' 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  kill -0 "$program" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$window" ]; then
  fw_log "the main window did not appear"
  exit 1
fi
sleep "${FW_SETTLE_SECONDS:-4}"  # let the skin's delayed activation and painting finish
mkdir -p "$FW_BUILD/screenshots"
shot="$FW_BUILD/screenshots/fernwick-$(date +%Y%m%d-%H%M%S).png"
import -window root "$shot"
echo "$shot"
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
