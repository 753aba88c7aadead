#!/usr/bin/env bash
# Builds everything and runs every suite: host, host with sanitizers, the
# libFuzzer targets briefly, and the Windows suites under Wine.
# Exits non-zero when anything fails. Results: build/test-results/.
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
trap fw_cleanup EXIT

fw_ensure_packages
RESULTS="$FW_BUILD/test-results"
mkdir -p "$RESULTS"
failed=()

run_suite() {
  local name=$1 dir=$2 jobs=$3
  fw_log "suite $name"
  if ! ctest --test-dir "$dir" --output-on-failure --output-junit "$RESULTS/$name.xml" \
      -j "$jobs" 2>&1 | tee "$RESULTS/$name.log"; then
    failed+=("$name")
  fi
}

fw_build_host
run_suite host "$FW_BUILD/host" "$(nproc)"
fw_build_host_sanitized
run_suite host-asan "$FW_BUILD/host-asan" "$(nproc)"
fw_build_fuzz
run_suite fuzz "$FW_BUILD/fuzz" "$(nproc)"

fw_build_win
fw_ensure_display
fw_ensure_wineprefix
fw_start_wineserver
# GUI suites share one display and its focus: one at a time.
run_suite win "$FW_BUILD/win" 1

if [ ${#failed[@]} -ne 0 ]; then
  fw_log "FAILED: ${failed[*]}"
  exit 1
fi
fw_log "all suites passed; results in $RESULTS"
