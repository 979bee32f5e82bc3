#!/usr/bin/env bash
# Runs the soak with a planted quit and expects it to fail with EXPECTED in its
# report: a soak that restarted the game and went on would pass it by.
#   planted_quit_test.sh TOLVEX_SOAK EXPECTED OPTION...
set -uo pipefail
soak="$1"
expected="$2"
shift 2
out="$("$soak" 60 1 "$@" 2>&1)"
status=$?
echo "$out" | tail -n 30
[ "$status" -eq 1 ] || { echo "FAIL: the soak exited with $status, not 1"; exit 1; }
grep -q "$expected" <<< "$out" || { echo "FAIL: no line saying '$expected'"; exit 1; }
echo "PASS"
