#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless:
# once in release mode (with the benchmarks built), once under AddressSanitizer
# and UndefinedBehaviorSanitizer. Tests that need a display run under Xvfb.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/tools/setup.sh"
cd "$root"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ALSOFT_LOGLEVEL=0

run_suite() {
  local tree="$1"
  echo "== Tests in $tree"
  xvfb-run -a -s "-screen 0 1280x720x24" ctest --test-dir "$root/$tree" -j2 --output-on-failure --timeout 600
}

bash "$root/tools/build.sh" build/release -DCMAKE_BUILD_TYPE=Release
bash "$root/tools/build.sh" build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTOLVEX_SANITIZE=ON -DTOLVEX_BUILD_BENCH=OFF

status=0
run_suite build/release || status=1
run_suite build/sanitize || status=1
exit $status
