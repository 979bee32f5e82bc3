#!/usr/bin/env bash
# Installs the game into a scratch DESTDIR (prefix /usr), validates its desktop
# entry and AppStream metainfo, and starts the installed game from the desktop
# entry's command, headless, from a foreign working directory with scratch XDG
# folders: it has to reach the main menu, quit cleanly after a few hundred
# frames, keep its rewritten files in the XDG folders and leave the installed
# copies alone.
#
# Usage: installed_game_test.sh <build tree>
set -uo pipefail
tree="$(realpath "$1")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*"
  [ -f "$work/game.log" ] && { echo "--- game output (last lines)"; tail -n 40 "$work/game.log"; }
  exit 1
}

dest="$work/dest"
DESTDIR="$dest" cmake --install "$tree" --prefix /usr > "$work/install.log" 2>&1 \
  || { cat "$work/install.log"; fail "cmake --install failed"; }
usr="$dest/usr"
app=io.github.tolvex.Tolvex

for path in bin/tolvex share/tolvex/MapData/LevelPaths.xml share/tolvex/MapData/MainMenu_KR.xml \
            share/tolvex/Objects/ArchetypeList.xml share/tolvex/Objects/Textures/Texture.xml \
            share/tolvex/Resources/Textures/RoziDoro_Portrait.png "share/tolvex/Resources/Sounds/Master Bank.bank" \
            share/tolvex/src/shaders/Default.vert share/tolvex/src/shaders/Particle.frag share/tolvex/src/sound/sound.xml \
            share/tolvex/arial.ttf share/tolvex/berlin_sans_fb_regular.ttf share/tolvex/PassionOne-Regular.otf \
            share/applications/$app.desktop share/metainfo/$app.metainfo.xml; do
  [ -s "$usr/$path" ] || fail "not installed: $path"
done
ls "$usr/share/tolvex/Resources/Sounds/generated/"*.wav > /dev/null 2>&1 || fail "the generated sounds are not installed"
for size in 16 32 48 64 128 256; do
  icon="$usr/share/icons/hicolor/${size}x${size}/apps/$app.png"
  [ -s "$icon" ] || fail "no ${size}x${size} icon"
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "the ${size}x${size} icon has another size"
done

desktop-file-validate "$usr/share/applications/$app.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$usr/share/metainfo/$app.metainfo.xml" || fail "appstreamcli validate"

# The installed copies of the rewritten files, dated so a write would show.
rewritten=("MapData/LevelPaths.xml" "Objects/Textures/Texture.xml" "src/sound/sound.xml")
for file in "${rewritten[@]}"; do touch -d "2001-01-01" "$usr/share/tolvex/$file"; done

# The desktop entry's command, found on PATH, run somewhere unrelated.
command=$(sed -n 's/^Exec=//p' "$usr/share/applications/$app.desktop")
[ -n "$command" ] || fail "the desktop entry has no Exec line"
mkdir -p "$work/elsewhere" "$work/home"
# The loading screen's pace follows the clock, so on a busy machine the menu
# takes more frames: the game quits by itself after plenty of them, and is
# sent a SIGTERM (which it takes as a quit) once the main menu has shown.
(
  cd "$work/elsewhere"
  exec env PATH="$usr/bin:$PATH" HOME="$work/home" XDG_DATA_HOME="$work/xdg-data" XDG_CONFIG_HOME="$work/xdg-config" \
    ASAN_OPTIONS="detect_leaks=0:abort_on_error=1" ALSOFT_LOGLEVEL=0 ALSOFT_DRIVERS=null \
    xvfb-run -a -s "-screen 0 1280x720x24" \
    bash -c '"$@" & echo $! > "$0"; wait $!' "$work/game.pid" $command --windowed --quit-after-frames 20000
) > "$work/game.log" 2>&1 &
runner=$!
for _ in $(seq 3000); do
  grep -qF "MapData//MainMenu_KR.xml" "$work/game.log" 2>/dev/null && break
  kill -0 "$runner" 2>/dev/null || break
  sleep 0.1
done
sleep 1
[ -s "$work/game.pid" ] && kill -TERM "$(cat "$work/game.pid")" 2>/dev/null
wait "$runner"
status=$?
[ "$status" -eq 0 ] || fail "exit code $status, expected 0"
grep -qF "MapData//MainMenu_KR.xml" "$work/game.log" || fail "the main menu never showed"
if grep -qE "ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:|not loaded|Failed" "$work/game.log"; then
  fail "the installed game reported a fault"
fi

for file in "${rewritten[@]}"; do
  [ "$(stat -c %Y "$usr/share/tolvex/$file")" -lt "$(date -d 2001-01-02 +%s)" ] || fail "the installed $file was written"
done
for file in xdg-data/tolvex/LevelPaths.xml xdg-data/tolvex/Texture.xml xdg-config/tolvex/sound.xml; do
  [ -s "$work/$file" ] || fail "$file was not made"
done
grep -q "MainMenu_KR" "$work/xdg-data/tolvex/LevelPaths.xml" || fail "the user's level-path table lost its keys"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "the game wrote into its working directory"
echo "PASS: installed, validated, and the installed game reached the main menu"
