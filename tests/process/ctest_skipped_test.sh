#!/usr/bin/env bash
# The skipped-test check on a real ctest run: a test that skips the way
# GoogleTest does under gtest_discover_tests, one ctest cannot start and one
# that passes. The first two are named and fail the check; the allowed
# sound-card skip and a clean run pass.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cat > "$work/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.16)
project(skips NONE)
enable_testing()
add_test(NAME Window.Passes COMMAND true)
add_test(NAME Window.SkipsWithoutGl COMMAND sh -c "echo '[  SKIPPED ] no GL window'")
set_tests_properties(Window.SkipsWithoutGl PROPERTIES SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
add_test(NAME Window.CannotStart COMMAND /nonexistent/test_window)
add_test(NAME AudioEngineTest.ASilentDefaultOutputStillLetsTimePass COMMAND sh -c "echo '[  SKIPPED ] sound card'")
set_tests_properties(AudioEngineTest.ASilentDefaultOutputStillLetsTimePass
  PROPERTIES SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
CMAKE
cmake -S "$work" -B "$work/build" > /dev/null || { echo "FAIL: cannot configure the scratch project"; exit 1; }
ctest --test-dir "$work/build" > "$work/ctest.log" 2>&1

out="$(bash "$root/tools/ctest_skipped.sh" "$work/ctest.log")"
status=$?
[ "$status" -eq 1 ] || { echo "FAIL: skipped tests passed (status $status):"; echo "$out"; cat "$work/ctest.log"; exit 1; }
grep -qx 'Did not run: Window.SkipsWithoutGl (Skipped)' <<< "$out" ||
  { echo "FAIL: the skipped display test is not named:"; echo "$out"; cat "$work/ctest.log"; exit 1; }
grep -qx 'Did not run: Window.CannotStart (Not Run)' <<< "$out" ||
  { echo "FAIL: the test that could not start is not named:"; echo "$out"; exit 1; }
[ "$(wc -l <<< "$out")" -eq 2 ] || { echo "FAIL: more than the two were named:"; echo "$out"; exit 1; }

# A run with only the allowed skip passes.
sed -i '/SkipsWithoutGl\|CannotStart/d' "$work/CMakeLists.txt"
cmake -S "$work" -B "$work/build" > /dev/null
ctest --test-dir "$work/build" > "$work/ctest.log" 2>&1
out="$(bash "$root/tools/ctest_skipped.sh" "$work/ctest.log")" || { echo "FAIL: the allowed skip failed:"; echo "$out"; exit 1; }

# A missing log is an error of the check, not a pass.
bash "$root/tools/ctest_skipped.sh" "$work/none.log" > /dev/null && { echo "FAIL: a missing log passed"; exit 1; }
echo "PASS"
