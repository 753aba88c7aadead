#!/usr/bin/env bash
# usage: expect-failure.sh PATTERN COMMAND [ARGUMENTS...]
# Passes when COMMAND fails and what it writes (both streams) matches the
# extended regular expression PATTERN: a check that a failure is reported as
# one, and with its reason.
set -uo pipefail
pattern=$1
shift
output=$("$@" 2>&1)
status=$?
printf '%s\n' "$output"
if [ "$status" = 0 ]; then
  echo "expected a failure, but the command succeeded" >&2
  exit 1
fi
if ! grep -Eq -- "$pattern" <<<"$output"; then
  echo "the command failed with $status, but did not say: $pattern" >&2
  exit 1
fi
