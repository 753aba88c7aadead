#!/usr/bin/env bash
# Runs at the same time never share a Wine prefix, and a prefix is free again
# as soon as the run that had it ended, even when something the run started
# (as a Wine server or service would be) lives on. Needs no Wine: only the
# claiming in scripts/lib/common.sh is exercised.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# A run: claims a prefix, writes it to OUT, waits until the file GO exists,
# optionally leaves a child running, and ends through the scripts' cleanup.
cat >"$work/run.sh" <<EOT
source "$root/scripts/lib/common.sh"
trap fw_cleanup EXIT
export WINEPREFIX="$work/prefix"
fw_claim_wineprefix
echo "\$WINEPREFIX" >"\$1"
while [ ! -e "\$2" ]; do sleep 0.05; done
if [ "\${3:-}" = leave-child ]; then sleep 30 </dev/null >/dev/null 2>&1 & echo \$! >"\$1.child"; fi
EOT

wait_for() {
  local i
  for i in $(seq 1 200); do [ -s "$1" ] && return 0; sleep 0.05; done
  return 1
}

expect() {
  if [ "$2" != "$3" ]; then
    echo "FAILED: $1: expected '$3', got '$2'"
    failures=$((failures + 1))
  fi
}

# Two runs at once get two prefixes; the second is told about it.
bash "$work/run.sh" "$work/a" "$work/go" 2>"$work/a.err" &
first=$!
wait_for "$work/a"
bash "$work/run.sh" "$work/b" "$work/go" 2>"$work/b.err" &
second=$!
wait_for "$work/b"
expect "first run's prefix" "$(cat "$work/a")" "$work/prefix"
expect "second run's prefix" "$(cat "$work/b")" "$work/prefix-2"
grep -q "in use by another run" "$work/b.err" || {
  echo "FAILED: the second run did not say why it took another prefix"
  failures=$((failures + 1))
}
touch "$work/go"
wait "$first" "$second"

# The first prefix is free again at once after its run, even though that run
# left a process behind that inherited everything it had open.
rm -f "$work/go" "$work/a" "$work/c"
bash "$work/run.sh" "$work/a" "$work/go" leave-child 2>/dev/null &
first=$!
wait_for "$work/a"
touch "$work/go"
wait "$first"
bash "$work/run.sh" "$work/c" "$work/go" 2>/dev/null
expect "prefix after a run that left a process behind" "$(cat "$work/c")" "$work/prefix"
[ -s "$work/a.child" ] && kill "$(cat "$work/a.child")" 2>/dev/null

[ "$failures" = 0 ] && echo "prefix claims: all checks passed"
exit "$failures"
