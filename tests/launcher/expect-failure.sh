#!/usr/bin/env bash
# usage: expect-failure.sh PATTERN... -- COMMAND [ARGUMENTS...]
# Passes when COMMAND fails and what it writes (both streams) matches every
# extended regular expression PATTERN: a check that a failure is reported as
# one, and with its reason.
set -uo pipefail
patterns=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
  patterns+=("$1")
  shift
done
[ $# -gt 1 ] || { echo "usage: $0 PATTERN... -- COMMAND [ARGUMENTS...]" >&2; exit 2; }
shift
output=$("$@" 2>&1)
status=$?
printf '%s\n' "$output"
if [ "$status" = 0 ]; then
  echo "expected a failure, but the command succeeded" >&2
  exit 1
fi
for pattern in "${patterns[@]}"; do
  if ! grep -Eq -- "$pattern" <<<"$output"; then
    echo "the command failed with $status, but did not say: $pattern" >&2
    exit 1
  fi
done
