#!/usr/bin/env bash
# Reads a ctest log and names every test that did not run: GoogleTest's skip
# (ctest lists it as "Skipped") and a test ctest could not start ("Not Run").
# Under CI a display test that skips has hidden a missing Xvfb, GL or xdotool,
# so the test command fails on it. A test that may skip for a reason that is
# no fault of the machine is listed in ALLOWED (an extended regex on the name).
#
# Usage: tools/ctest_skipped.sh CTEST_LOG
# Prints "Did not run: <name> (<reason>)" per test and exits 1 if there is one;
# exits 2 if the log cannot be read.
set -euo pipefail
log="${1:?usage: ctest_skipped.sh CTEST_LOG}"
[ -r "$log" ] || { echo "No ctest log at $log"; exit 2; }

# A machine with a sound card takes the real device, so the silent-output
# case has nothing to check there.
ALLOWED='^AudioEngineTest\.ASilentDefaultOutputStillLetsTimePass$'

found=0
# Lines such as "	 12 - Window.Opens (Skipped)" or "	  4 - Foo.Bar (Not Run)",
# under "The following tests did not run:" or "The following tests FAILED:".
while IFS= read -r line; do
  [[ "$line" =~ ^[[:space:]]*[0-9]+[[:space:]]-[[:space:]](.+)[[:space:]]\((Skipped|Not Run)\)[[:space:]]*$ ]] || continue
  name="${BASH_REMATCH[1]}"
  reason="${BASH_REMATCH[2]}"
  if [ "$reason" = "Skipped" ] && [[ "$name" =~ $ALLOWED ]]; then
    continue
  fi
  echo "Did not run: $name ($reason)"
  found=$((found + 1))
done < "$log"

[ "$found" -eq 0 ] || exit 1
