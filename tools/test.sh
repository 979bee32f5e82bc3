#!/usr/bin/env bash
# Installs what is missing, checks that the engine's folders include only the
# folders below them (tools/check_layers.sh), builds, and runs the whole test
# suite headless: once in release mode (with the benchmarks built), once under AddressSanitizer
# and UndefinedBehaviorSanitizer, then fuzzes
# every data-file reader with libFuzzer for a bounded time. Tests that need a
# display run under Xvfb. Among the suite, Install.* (tests/install.cmake)
# installs the game into a scratch DESTDIR, validates its desktop entry and
# AppStream metainfo and starts the installed game headless to the main menu.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/tools/setup.sh"
cd "$root"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ALSOFT_LOGLEVEL=0

passed=0
failed=0
run_suite() {
  local tree="$1" log result=0
  log="$root/$tree/ctest-run.log"
  echo "== Tests in $tree"
  xvfb-run -a -s "-screen 0 1280x720x24" ctest --test-dir "$root/$tree" -j2 --output-on-failure --timeout 600 \
    2>&1 | tee "$log" || result=1
  # "97% tests passed, 3 tests failed out of 120"
  local summary
  summary=$(grep -E "tests failed out of [0-9]+" "$log" | tail -n 1)
  if [ -n "$summary" ]; then
    local bad total
    bad=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<< "$summary")
    total=$(sed -E 's/.* tests failed out of ([0-9]+).*/\1/' <<< "$summary")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
  else
    result=1
  fi
  # In CI the display is always there (Xvfb), so a display test that skipped
  # hid a fault of the machine or the test: name it and fail.
  if [ "${CI:-}" = "true" ]; then
    bash "$root/tools/ctest_skipped.sh" "$log" || { echo "CI: tests in $tree did not run (see above)"; result=1; }
  fi
  return $result
}

# Recordings the release suite makes and the sanitizer suite plays back to the
# same hashes (tests/replay/cross_build_test.cpp): both trees play an input alike.
export TOLVEX_CROSS_BUILD_DIR="$root/build/cross-build"
rm -rf "$TOLVEX_CROSS_BUILD_DIR"

bash "$root/tools/build.sh" build/release -DCMAKE_BUILD_TYPE=Release
bash "$root/tools/build.sh" build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTOLVEX_SANITIZE=ON -DTOLVEX_BUILD_BENCH=OFF

# Fuzzes one reader: FUZZER SECONDS CORPUS_FILES...
fuzz_one() {
  local fuzzer="$1" seconds="$2" corpus log result=0
  shift 2
  corpus="$(mktemp -d)"
  cp "$@" "$corpus"/
  # Room for the longest seed twice over: the texture list and the gameplay
  # levels are far above libFuzzer's usual few kilobytes, and a seed cut short
  # starts out broken and never reaches the reader's deeper paths.
  local largest max_len
  largest=$(stat -c %s "$@" | sort -n | tail -n 1)
  max_len=$((2 * largest > 8192 ? 2 * largest : 8192))
  log="$root/build/fuzz/$fuzzer.last-run.log"
  # The readers write their files back with an fsync each time; in memory
  # (/dev/shm) that costs nothing, which triples the executions per second.
  local scratch="${TMPDIR:-/tmp}"
  [ -d /dev/shm ] && [ -w /dev/shm ] && scratch=/dev/shm
  TMPDIR="$scratch" ASAN_OPTIONS="detect_leaks=0:abort_on_error=1" \
    "$root/build/fuzz/$fuzzer" -max_total_time="$seconds" -max_len="$max_len" \
    -print_final_stats=1 -artifact_prefix="$root/build/fuzz/$fuzzer-" "$corpus" > "$log" 2>&1 || result=$?
  rm -rf "$corpus"
  if [ "$result" -ne 0 ]; then
    tail -n 60 "$log"
    echo "$fuzzer found a fault; the failing input is in build/fuzz/"
    return 1
  fi
  echo "$fuzzer: $(grep -E "^stat::number_of_executed_units" "$log" | sed 's/.*: *//') runs, nothing found"
}

# Every data-file reader under libFuzzer for a bounded time, seeded from the game's
# own files: FUZZ_SECONDS for the archetype and level reader (default 30) and
# FUZZ_READER_SECONDS (default 15) for each of the other seven; the online packet
# reader has no data files, so tests/fuzz/make_packet_corpus.py writes its seeds.
fuzz_data_files() {
  local long="${FUZZ_SECONDS:-30}" short="${FUZZ_READER_SECONDS:-15}"
  echo "== Fuzzing the data-file readers (libFuzzer, ${long} s + 7 x ${short} s)"
  cmake -S "$root" -B "$root/build/fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DTOLVEX_FUZZ=ON \
    -DTOLVEX_BUILD_TESTS=OFF -DTOLVEX_BUILD_BENCH=OFF > "$root/build/fuzz.configure.log" 2>&1 \
    || { cat "$root/build/fuzz.configure.log"; return 1; }
  ninja -C "$root/build/fuzz" -j"$(nproc)" data_file_fuzzer texture_list_fuzzer window_properties_fuzzer \
    level_paths_fuzzer sound_settings_fuzzer sound_bank_fuzzer packet_reader_fuzzer replay_file_fuzzer || return 1
  local result=0
  fuzz_one data_file_fuzzer "$long" "$root"/MapData/*.xml "$root"/Objects/*.xml || result=1
  fuzz_one texture_list_fuzzer "$short" "$root/Objects/Textures/Texture.xml" || result=1
  fuzz_one window_properties_fuzzer "$short" "$root/MapData/WindowProperties.xml" || result=1
  fuzz_one level_paths_fuzzer "$short" "$root/MapData/LevelPaths.xml" || result=1
  fuzz_one sound_settings_fuzzer "$short" "$root/src/sound/sound.xml" || result=1
  fuzz_one sound_bank_fuzzer "$short" "$root"/Resources/Sounds/*.bank || result=1
  local packets
  packets="$(mktemp -d)"
  python3 "$root/tests/fuzz/make_packet_corpus.py" "$packets"
  fuzz_one packet_reader_fuzzer "$short" "$packets"/* || result=1
  rm -rf "$packets"
  fuzz_one replay_file_fuzzer "$short" "$root"/tests/fuzz/seeds/*.replay || result=1
  return $result
}

status=0
echo "== Layer check"
bash "$root/tools/check_layers.sh" || status=1
run_suite build/release || status=1
run_suite build/sanitize || status=1
fuzz_data_files || status=1
echo "tests: $passed passed, $failed failed"
exit $status
