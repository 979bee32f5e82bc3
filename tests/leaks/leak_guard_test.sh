#!/usr/bin/env bash
# The leak suppressions cover what the platform libraries keep at exit and no
# more: a program that closes every handle it opened runs clean, and the same
# program forgetting one SDL surface is reported.
# Usage: leak_guard_test.sh LEAK_GUARD SUPPRESSIONS
set -u
guard="$1"
supp="$2"
run() {
  ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:exitcode=23" \
  LSAN_OPTIONS="suppressions=$supp:print_suppressions=0" \
  ALSOFT_LOGLEVEL=0 ALSOFT_DRIVERS=null "$guard" "$1" 2>&1
}
clean=$(run clean); clean_status=$?
if [ $clean_status -ne 0 ] || grep -q "LeakSanitizer" <<< "$clean"; then
  echo "$clean"
  echo "FAIL: a program that closes everything is reported (exit $clean_status): a suppression is missing"
  exit 1
fi
forgot=$(run forget); forgot_status=$?
if [ $forgot_status -ne 23 ] || ! grep -q "LeakSanitizer" <<< "$forgot"; then
  echo "$forgot"
  echo "FAIL: a forgotten SDL surface is not reported (exit $forgot_status): a suppression hides it"
  exit 1
fi
echo "clean run clean; forgotten surface reported"
