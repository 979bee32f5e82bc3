#!/usr/bin/env bash
# The design-changes page check itself: a page whose rows name existing tests
# passes; a renamed test, an unknown test executable and a row without a test
# each fail and are named; a missing page cannot pass.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
check="$root/tools/check_design_changes.py"
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT

mkdir -p "$tree/tests/game/egg"
printf 'TEST_F(MatchTest, TheEggBreaks) {}\nTEST_P(RunResult, IsRecorded) {}\n' > "$tree/tests/game/egg/match_test.cpp"
header='| what | design | why | where tested |
|---|---|---|---|'
printf '%s\n| a | b | c | `test_game_egg: MatchTest.TheEggBreaks`, `Runner/RunResult.IsRecorded/*` |\n' "$header" > "$tree/good.md"
out="$(python3 "$check" "$tree/good.md" "$tree/tests")" || { echo "FAIL: a true page was rejected:"; echo "$out"; exit 1; }

printf '%s\n| a | b | c | `test_game_egg: MatchTest.TheEggBroke` |\n| d | e | f | `test_game_nest: MatchTest.TheEggBreaks` |\n| g | h | i | not tested |\n' \
  "$header" > "$tree/bad.md"
out="$(python3 "$check" "$tree/bad.md" "$tree/tests")"
status=$?
[ "$status" -eq 1 ] || { echo "FAIL: a page with broken rows gave $status"; echo "$out"; exit 1; }
for line in "bad.md:3: no test MatchTest.TheEggBroke" "bad.md:4: no test executable test_game_nest" \
  "bad.md:5: the row names no test"; do
  grep -qF "$line" <<< "$out" || { echo "FAIL: not named: $line"; echo "$out"; exit 1; }
done

python3 "$check" "$tree/missing.md" "$tree/tests" > /dev/null
status=$?
[ "$status" -eq 2 ] || { echo "FAIL: a missing page gave $status"; exit 1; }
echo "design changes check: ok"
