#!/usr/bin/env bash
# Starts the game on its own Xvfb in a scratch copy of the data, waits for the main
# menu, then ends it from outside and checks that it quit as on a normal quit:
# exit code 0, no sanitizer report, and the three files the game rewrites at exit
# (level-path table, texture list, sound settings) written again.
#
# Usage: game_process_test.sh <game executable> <sigterm|display-lost>
#   sigterm       SIGTERM to the game
#   display-lost  the X server goes away under the game
set -uo pipefail
game="$(realpath "$1")"
mode="$2"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work="$(mktemp -d)"
xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill -KILL "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill -KILL "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  echo "--- game output (last lines)"
  tail -n 40 "$work/game.log" 2>/dev/null
  exit 1
}

# The data the game reads and writes, copied; the large read-only resources linked.
mkdir -p "$work/game/src"
cp -r "$root/MapData" "$root/Objects" "$work/game/"
cp -r "$root/src/shaders" "$root/src/sound" "$work/game/src/"
ln -s "$root/Resources" "$work/game/Resources"
for font in arial.ttf berlin_sans_fb_regular.ttf PassionOne-Regular.otf; do
  [ -e "$root/$font" ] && ln -s "$root/$font" "$work/game/$font"
done
rewritten=("MapData/LevelPaths.xml" "Objects/Textures/Texture.xml")
# The settings file is written only when the player changed something, and nobody did.
settings="src/sound/sound.xml"
for file in "${rewritten[@]}" "$settings"; do touch -d "2001-01-01" "$work/game/$file"; done

# An X server of our own, on the first free display.
Xvfb -displayfd 3 -screen 0 1280x720x24 -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
xvfb_pid=$!
disown "$xvfb_pid" 2>/dev/null || true
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start"
display=":$(head -n 1 "$work/display")"

# Leak checking is off as in the other suites that open a display (the GL
# driver's caches); every other sanitizer check stays on and ends the process.
(
  cd "$work/game"
  exec env DISPLAY="$display" ASAN_OPTIONS="detect_leaks=0:abort_on_error=1" \
    UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" ALSOFT_LOGLEVEL=0 ALSOFT_DRIVERS=null \
    "$game" > "$work/game.log" 2>&1
) &
game_pid=$!

# The main menu shows once the loading screen has read the texture list and the archetypes.
for _ in $(seq 1200); do
  grep -q "MainMenu" "$work/game.log" 2>/dev/null && break
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended before the main menu showed"
  sleep 0.1
done
grep -q "MainMenu" "$work/game.log" || fail "the main menu never showed"
sleep 1

case "$mode" in
  sigterm) kill -TERM "$game_pid" ;;
  display-lost)
    kill -TERM "$xvfb_pid"
    while kill -0 "$xvfb_pid" 2>/dev/null; do sleep 0.1; done
    xvfb_pid=""
    ;;
  *) fail "unknown mode $mode" ;;
esac

status=""
for _ in $(seq 600); do
  if ! kill -0 "$game_pid" 2>/dev/null; then
    wait "$game_pid"
    status=$?
    game_pid=""
    break
  fi
  sleep 0.1
done
[ -n "$status" ] || fail "the game did not end within a minute"
if grep -qE "ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:|SUMMARY: (Address|Undefined|Leak)" "$work/game.log"; then
  fail "a sanitizer reported a fault"
fi
[ "$status" -eq 0 ] || fail "exit code $status, expected 0"
for file in "${rewritten[@]}"; do
  [ "$(stat -c %Y "$work/game/$file")" -gt "$(date -d 2001-01-02 +%s)" ] || fail "$file was not written at exit"
done
[ "$(stat -c %Y "$work/game/$settings")" -lt "$(date -d 2001-01-02 +%s)" ] || fail "$settings was written though nothing changed"
echo "PASS: the game quit cleanly ($mode)"
