#!/usr/bin/env bash
# Checks that the engine's folders include only the headers of the folders below
# them (the same graph the folder libraries in CMakeLists.txt link):
#
#   core <- objects <- {physics, graphics, sound, input} <- logic <- window <- wiring
#        <- api <- game
#   input <- net (online play) <- wiring
#
# The game reaches the engine through the script API only. The few game files
# that must include an engine header are listed, each with its reason, in
# game/engine_includes.txt ("file header reason", paths under the game folder);
# an entry without a reason, or one that no longer matches an include, fails.
#
# Within the game, two more rules: a bird's own scripts
# (game/birds/*_player_behaviour.h) are included only in game/birds, everything
# else sees a bird through game/birds/bird.h; and no include circle joins the
# game's files (tools/include_circles.py names each one).
#
# Prints every offending include as file:line: the include line, and exits 1 if
# there is one. A relative include ("../x/y.h", "./y.h") fails too: it would
# reach another folder without naming it. The check fails on its own errors (a
# missing source root, a folder or file grep cannot read) rather than passing
# with nothing looked at. Usage: tools/check_layers.sh [source-root] (default:
# src/ of the checkout).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
src="${1:-$root/src}"

fail_check() {
  echo "Layer check could not run: $*"
  exit 2
}
[ -d "$src" ] || fail_check "no source folder $src"

# Folder -> the folders its files may include (itself included).
declare -A allowed=(
  [core]="core"
  [objects]="core objects"
  [physics]="core objects physics"
  [graphics]="core objects graphics"
  [sound]="core objects sound"
  [input]="core objects input"
  [logic]="core objects physics graphics sound input logic"
  [window]="core objects physics graphics sound input logic window"
  [net]="core objects input net"
  [wiring]="core objects physics graphics sound input logic window net wiring"
  [api]="core objects physics graphics sound input logic window net wiring api"
  [game]="api game"
)

# Every include line of a folder, as file:line:text. grep answers 1 for "no
# match", which is fine; anything above that is an error of the check itself.
includes_of() {
  local out status=0
  out="$(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$1" \
           --include='*.h' --include='*.hpp' --include='*.cpp' --include='*.inl' 2>&1)" || status=$?
  [ "$status" -le 1 ] || fail_check "grep failed on $1: $out"
  printf '%s' "$out"
}

violations=0
folders_seen=0

# The game's excused includes: "file|header" -> its reason.
declare -A excused=()
declare -A excuse_used=()
exceptions="$src/game/engine_includes.txt"
if [ -f "$exceptions" ]; then
  [ -r "$exceptions" ] || fail_check "cannot read $exceptions"
  number=0
  while IFS= read -r entry || [ -n "$entry" ]; do
    number=$((number + 1))
    [[ "$entry" =~ ^[[:space:]]*(#|$) ]] && continue
    read -r file header reason <<< "$entry"
    if [ -z "${header:-}" ] || [ -z "${reason:-}" ]; then
      echo "game/engine_includes.txt:$number: an entry names a file, a header and why: $entry"
      violations=$((violations + 1))
      continue
    fi
    excused["game/$file|$header"]="$reason"
  done < "$exceptions"
fi
for folder in "${!allowed[@]}"; do
  [ -d "$src/$folder" ] || continue
  folders_seen=$((folders_seen + 1))
  hits="$(includes_of "$src/$folder")" || { echo "$hits"; exit 2; }
  while IFS= read -r hit; do
    [ -n "$hit" ] || continue
    file="${hit%%:*}"
    rest="${hit#*:}"
    line="${rest%%:*}"
    text="${rest#*:}"
    if [[ "$text" =~ include[[:space:]]*\"(\.\.?/|[^\"]*/\.\.?/) ]]; then
      echo "${file#"$src"/}:$line: relative include, name the folder instead: ${text#"${text%%[![:space:]]*}"}"
      violations=$((violations + 1))
      continue
    fi
    [[ "$text" =~ include[[:space:]]*\"([^/\"]+)/ ]] || continue
    included="${BASH_REMATCH[1]}"
    # Only the engine's own folders are judged; system and library headers are not.
    [ -n "${allowed[$included]+x}" ] || continue
    header="$(sed -E 's/.*include[[:space:]]*"([^"]*)".*/\1/' <<< "$text")"
    key="${file#"$src"/}|$header"
    if [ "$folder" = game ] && [ -n "${excused[$key]+x}" ]; then
      excuse_used["$key"]=1
      continue
    fi
    if [[ " ${allowed[$folder]} " != *" $included "* ]]; then
      echo "${file#"$src"/}:$line: $folder may not include $included: ${text#"${text%%[![:space:]]*}"}"
      violations=$((violations + 1))
    fi
  done <<< "$hits"
done
[ "$folders_seen" -gt 0 ] || fail_check "$src holds none of the engine's folders"

if [ -d "$src/game" ]; then
  hits="$(includes_of "$src/game")" || { echo "$hits"; exit 2; }
  while IFS= read -r hit; do
    [ -n "$hit" ] || continue
    file="${hit%%:*}"
    rest="${hit#*:}"
    [[ "$rest" =~ include[[:space:]]*\"game/birds/[a-z_]*player_behaviour\.h\" ]] || continue
    [[ "${file#"$src"/}" == game/birds/* ]] && continue
    text="${rest#*:}"
    echo "${file#"$src"/}:${rest%%:*}: a bird's own script is the bird's; use game/birds/bird.h: ${text#"${text%%[![:space:]]*}"}"
    violations=$((violations + 1))
  done <<< "$hits"

  circles_status=0
  circles="$(python3 "$root/tools/include_circles.py" "$src" game 2>&1)" || circles_status=$?
  if [ "$circles_status" -eq 1 ]; then
    echo "$circles"
    violations=$((violations + $(grep -c '^include circle:' <<< "$circles")))
  elif [ "$circles_status" -ne 0 ]; then
    fail_check "the include circle check failed: $circles"
  fi
fi

for key in "${!excused[@]}"; do
  [ -n "${excuse_used[$key]+x}" ] && continue
  echo "game/engine_includes.txt: ${key%%|*} no longer includes ${key#*|}: take the entry out"
  violations=$((violations + 1))
done

if [ "$violations" -gt 0 ]; then
  echo "Layer check: $violations include(s) break the layers"
  exit 1
fi
echo "Layer check: every include stays within its folder's layer"
