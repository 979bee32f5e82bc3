#!/usr/bin/env bash
# The layer check itself: a tree whose lower folder includes a higher folder's
# header fails and names the include; a game file reaches the engine only
# through the API or an excused include with its reason; a clean tree passes.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT

mkdir -p "$tree/core" "$tree/objects" "$tree/physics" "$tree/logic" "$tree/game"
printf '#include "core/core.h"\n#include <vector>\n' > "$tree/objects/ok.h"
printf '#include "objects/game_obj.h"\n' > "$tree/physics/ok.cpp"
printf '#include "physics/physics.h"\n#include "graphics/graphics.h"\n' > "$tree/logic/ok.cpp"
printf '#include "api/script_api.h"\n#include "game/ok.h"\n' > "$tree/game/ok.cpp"
out="$(bash "$root/tools/check_layers.sh" "$tree")" || { echo "FAIL: a clean tree was rejected:"; echo "$out"; exit 1; }

# Upward includes, one of them indented and spaced, in a header and a source.
printf '#include "core/core.h"\n  #  include "logic/scripts.h"\n' > "$tree/objects/game_obj.cpp"
printf '#include "graphics/graphics.h"\n' > "$tree/physics/collider.h"
out="$(bash "$root/tools/check_layers.sh" "$tree")"
status=$?
[ "$status" -ne 0 ] || { echo "FAIL: upward includes passed"; echo "$out"; exit 1; }
grep -q 'objects/game_obj.cpp:2: objects may not include logic: #  include "logic/scripts.h"' <<< "$out" ||
  { echo "FAIL: the objects -> logic include is not named:"; echo "$out"; exit 1; }
grep -q 'physics/collider.h:1: physics may not include graphics: #include "graphics/graphics.h"' <<< "$out" ||
  { echo "FAIL: the physics -> graphics include is not named:"; echo "$out"; exit 1; }
[ "$(grep -c 'may not include' <<< "$out")" -eq 2 ] || { echo "FAIL: wrong count:"; echo "$out"; exit 1; }

# Relative includes reach another folder without naming it: each one fails.
rm "$tree/objects/game_obj.cpp" "$tree/physics/collider.h"
printf '#include "../logic/scripts.h"\n' > "$tree/physics/relative.cpp"
printf '#include "./ok.h"\n' > "$tree/objects/dot.cpp"
printf '#include "core/../core/core.h"\n' > "$tree/logic/inner.cpp"
out="$(bash "$root/tools/check_layers.sh" "$tree")"
status=$?
[ "$status" -ne 0 ] || { echo "FAIL: relative includes passed"; echo "$out"; exit 1; }
for where in 'physics/relative.cpp:1' 'objects/dot.cpp:1' 'logic/inner.cpp:1'; do
  grep -q "$where: relative include" <<< "$out" || { echo "FAIL: $where is not named:"; echo "$out"; exit 1; }
done
rm "$tree/physics/relative.cpp" "$tree/objects/dot.cpp" "$tree/logic/inner.cpp"

# The game: an engine header fails unless excused with a reason; an entry
# without a reason, or one nothing matches any more, fails too.
printf '#include "api/script_api.h"\n#include "wiring/engine.h"\n' > "$tree/game/sim.cpp"
out="$(bash "$root/tools/check_layers.sh" "$tree")"
[ $? -ne 0 ] || { echo "FAIL: a game file including the engine passed"; echo "$out"; exit 1; }
grep -q 'game/sim.cpp:2: game may not include wiring' <<< "$out" || { echo "FAIL: not named:"; echo "$out"; exit 1; }
printf '# why each one\nsim.cpp wiring/engine.h the simulation runs the engine itself\n' > "$tree/game/engine_includes.txt"
out="$(bash "$root/tools/check_layers.sh" "$tree")" || { echo "FAIL: an excused include was rejected:"; echo "$out"; exit 1; }
printf '#include "api/script_api.h"\n#include "graphics/graphics.h"\n' > "$tree/game/other.cpp"
out="$(bash "$root/tools/check_layers.sh" "$tree")"
[ $? -ne 0 ] || { echo "FAIL: an excuse covered another file"; echo "$out"; exit 1; }
rm "$tree/game/other.cpp"
printf 'sim.cpp wiring/engine.h\n' > "$tree/game/engine_includes.txt"
out="$(bash "$root/tools/check_layers.sh" "$tree")"
[ $? -ne 0 ] || { echo "FAIL: an entry without a reason passed"; echo "$out"; exit 1; }
grep -q 'engine_includes.txt:1: an entry names a file, a header and why' <<< "$out" || { echo "FAIL:"; echo "$out"; exit 1; }
printf 'sim.cpp wiring/engine.h the simulation runs the engine itself\n' > "$tree/game/engine_includes.txt"
rm "$tree/game/sim.cpp"
out="$(bash "$root/tools/check_layers.sh" "$tree")"
[ $? -ne 0 ] || { echo "FAIL: a stale entry passed"; echo "$out"; exit 1; }
grep -q 'sim.cpp no longer includes wiring/engine.h' <<< "$out" || { echo "FAIL: stale entry not named:"; echo "$out"; exit 1; }
rm "$tree/game/engine_includes.txt"

# Outside the bird's folder, a bird's own script header fails; inside it passes.
mkdir -p "$tree/game/birds" "$tree/game/boss"
printf '#include "game/birds/bird.h"\n' > "$tree/game/birds/main_player_behaviour.h"
printf '#include "game/birds/main_player_behaviour.h"\n' > "$tree/game/birds/round_player_behaviour.cpp"
out="$(bash "$root/tools/check_layers.sh" "$tree")" || { echo "FAIL: the bird's folder may use its scripts:"; echo "$out"; exit 1; }
printf '#include "game/birds/main_player_behaviour.h"\n' > "$tree/game/boss/cage.cpp"
out="$(bash "$root/tools/check_layers.sh" "$tree")"
[ $? -ne 0 ] || { echo "FAIL: a bird script included outside its folder passed"; echo "$out"; exit 1; }
grep -q "game/boss/cage.cpp:1: a bird's own script is the bird's" <<< "$out" || { echo "FAIL: not named:"; echo "$out"; exit 1; }
rm "$tree/game/boss/cage.cpp"

# Two game files that include each other, by way of their headers, fail as a circle.
printf '#include "game/boss/ball.h"\n' > "$tree/game/boss/thrower.cpp"
printf '#pragma once\n' > "$tree/game/boss/thrower.h"
printf '#pragma once\n' > "$tree/game/boss/ball.h"
out="$(bash "$root/tools/check_layers.sh" "$tree")" || { echo "FAIL: a one-way include was rejected:"; echo "$out"; exit 1; }
printf '#include "game/boss/thrower.h"\n' > "$tree/game/boss/ball.cpp"
out="$(bash "$root/tools/check_layers.sh" "$tree")"
[ $? -ne 0 ] || { echo "FAIL: an include circle passed"; echo "$out"; exit 1; }
grep -q 'include circle: game/boss/ball -> game/boss/thrower -> game/boss/ball' <<< "$out" ||
  { echo "FAIL: the circle is not named:"; echo "$out"; exit 1; }
rm -r "$tree/game/boss" "$tree/game/birds"

# The check's own errors fail it: a grep that cannot read, a missing root.
shim="$(mktemp -d)"
trap 'rm -rf "$tree" "$shim"' EXIT
printf '#!/bin/sh\necho "grep: cannot read" >&2\nexit 2\n' > "$shim/grep"
chmod +x "$shim/grep"
out="$(PATH="$shim:$PATH" bash "$root/tools/check_layers.sh" "$tree")"
status=$?
[ "$status" -ne 0 ] || { echo "FAIL: a failing grep passed"; echo "$out"; exit 1; }
grep -q 'could not run: grep failed' <<< "$out" || { echo "FAIL: the grep error is not named:"; echo "$out"; exit 1; }
out="$(bash "$root/tools/check_layers.sh" "$tree/nowhere")"
[ $? -ne 0 ] || { echo "FAIL: a missing source root passed"; echo "$out"; exit 1; }
empty="$(mktemp -d -p "$shim")"
out="$(bash "$root/tools/check_layers.sh" "$empty")"
[ $? -ne 0 ] || { echo "FAIL: a root without the engine's folders passed"; echo "$out"; exit 1; }
out="$(bash "$root/tools/check_layers.sh" "$tree")" || { echo "FAIL: the clean tree was rejected at the end:"; echo "$out"; exit 1; }
echo "PASS"
