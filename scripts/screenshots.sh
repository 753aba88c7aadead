#!/usr/bin/env bash
# Makes the README's pictures from the real program: the skinned main window
# and the skin preview window (its first and last pages), each run under
# Wine on a virtual display of its own, and writes them to docs/screenshots/.
# Run it again whenever the look of the program changes.
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
OUT="$FW_ROOT/docs/screenshots"
mkdir -p "$OUT"

unset DISPLAY
fw_ensure_display
fw_ensure_wineprefix
fw_start_wineserver

# Waits for a visible window whose title contains $1; prints its id.
wait_window() {
  local id=""
  for _ in $(seq 1 300); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || { fw_log "no window \"$1\" appeared"; return 1; }
  echo "$id"
}

# Saves the window's rectangle of the screen (its skinned outline with the
# background the region leaves) as $2.
save_window() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
  echo "$2"
}

settle=${FW_SETTLE_SECONDS:-4}

wine "$EXE" &
program=$!
main=$(wait_window 'FERNWICK')
sleep "$settle"
save_window "$main" "$OUT/main-window.png"
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true

wine "$EXE" /preview &
program=$!
preview=$(wait_window 'skin preview')
sleep "$settle"
save_window "$preview" "$OUT/preview-first-page.png"
# Ctrl+Shift+Tab from the first page goes round to the last.
xdotool windowactivate --sync "$preview" 2>/dev/null || true
xdotool key --window "$preview" ctrl+shift+Tab
sleep 2
save_window "$preview" "$OUT/preview-last-page.png"
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
