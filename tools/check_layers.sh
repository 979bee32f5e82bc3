#!/usr/bin/env bash
# Checks that the engine's folders include only the headers of the folders below
# them (the same graph the folder libraries in CMakeLists.txt link):
#
#   core <- objects <- {physics, graphics, sound, input} <- logic <- window <- wiring
#        <- api <- game
#   input <- net (online play) <- wiring
#
# Prints every offending include as file:line: the include line, and exits 1 if
# there is one. Usage: tools/check_layers.sh [source-root] (default: src/ of the
# checkout).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
src="${1:-$root/src}"

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
  [game]="core objects physics graphics sound input logic window net wiring api game"
)

violations=0
for folder in "${!allowed[@]}"; do
  [ -d "$src/$folder" ] || continue
  while IFS= read -r hit; do
    file="${hit%%:*}"
    rest="${hit#*:}"
    line="${rest%%:*}"
    text="${rest#*:}"
    [[ "$text" =~ include[[:space:]]*\"([^/\"]+)/ ]] || continue
    included="${BASH_REMATCH[1]}"
    # Only the engine's own folders are judged; system and library headers are not.
    [ -n "${allowed[$included]+x}" ] || continue
    if [[ " ${allowed[$folder]} " != *" $included "* ]]; then
      echo "${file#"$src"/}:$line: $folder may not include $included: ${text#"${text%%[![:space:]]*}"}"
      violations=$((violations + 1))
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^/"]+/' "$src/$folder" \
             --include='*.h' --include='*.hpp' --include='*.cpp' --include='*.inl' || true)
done

if [ "$violations" -gt 0 ]; then
  echo "Layer check: $violations include(s) reach a folder above their own"
  exit 1
fi
echo "Layer check: every include stays within its folder's layer"
