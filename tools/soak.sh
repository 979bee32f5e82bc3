#!/usr/bin/env bash
# Soaks the game: builds the sanitizer tree and drives the real game headless for
# MINUTES with random keys, pads plugged and unplugged, focus changes and dropped
# files across every screen (tests/soak/soak_driver.cpp). Fails on a crash, a leak,
# a sanitizer report or a screen with no way back to the title.
#   tools/soak.sh MINUTES [SEED]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
minutes="${1:?usage: tools/soak.sh MINUTES [SEED]}"
seed="${2:-20261210}"
cd "$root"
if [ ! -f build/sanitize/build.ninja ]; then
  bash tools/build.sh build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTOLVEX_SANITIZE=ON -DTOLVEX_BUILD_BENCH=OFF
fi
ninja -C build/sanitize tolvex_soak
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ALSOFT_LOGLEVEL=0
exec build/sanitize/tests/tolvex_soak "$((minutes * 60))" "$seed"
