#!/usr/bin/env bash
# The idle main menu: runs the game from the checkout on its own Xvfb for a
# while (10 s by default) without touching it, then reports the processor time
# it used from the 4th second to the end (user + system from /proc/<pid>/stat,
# as a share of one core) and the frame-to-frame times over the same span
# (loading screen and menu fade-in excluded), taken at every buffer swap by
# bench/frame_times_preload.c.
#
# Usage: bench/idle_menu.sh [game executable] [seconds]
#   default executable: build/release/tolvex
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
game="$(realpath "${1:-$root/build/release/tolvex}")"
seconds="${2:-10}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cc -O2 -shared -fPIC -o "$work/frame_times.so" "$root/bench/frame_times_preload.c" -ldl

cat > "$work/run.sh" <<INNER
cd "$root"
env LD_PRELOAD="$work/frame_times.so" TOLVEX_FRAME_LOG="$work/frames.txt" ALSOFT_DRIVERS=null ALSOFT_LOGLEVEL=0 \
  "$game" > "$work/game.log" 2>&1 &
pid=\$!
sleep 4
ticks0=\$(awk '{print \$14 + \$15}' /proc/\$pid/stat)
t0=\$(awk '{print \$1}' /proc/uptime)
sleep "\$(( $seconds - 4 ))"
ticks1=\$(awk '{print \$14 + \$15}' /proc/\$pid/stat)
t1=\$(awk '{print \$1}' /proc/uptime)
echo "\$(( ticks1 - ticks0 )) \$t0 \$t1 \$(getconf CLK_TCK)" > "$work/cpu.txt"
kill -TERM \$pid
wait \$pid || true
INNER
xvfb-run -a -s "-screen 0 1280x720x24" bash "$work/run.sh"

python3 - "$work/cpu.txt" "$work/frames.txt" <<'PY'
import sys, statistics
ticks, t0, t1, hz = open(sys.argv[1]).read().split()
ticks, span, hz = int(ticks), float(t1) - float(t0), int(hz)
print(f"processor time: {ticks / hz:.2f} s in {span:.2f} s = {100 * ticks / hz / span:.0f} % of one core")
stamps = [int(line) for line in open(sys.argv[2]) if line.strip()]
first = stamps[0]
stamps = [s for s in stamps if s - first >= 4e9]
gaps = [(b - a) / 1e6 for a, b in zip(stamps, stamps[1:])]
if not gaps:
    sys.exit("no frames recorded after the first 4 s")
gaps_sorted = sorted(gaps)
p = lambda q: gaps_sorted[min(len(gaps_sorted) - 1, int(q * len(gaps_sorted)))]
print(f"frames measured: {len(gaps)}; frame time mean {statistics.mean(gaps):.3f} ms, "
      f"sd {statistics.pstdev(gaps):.3f} ms, median {p(0.5):.3f} ms, p1 {p(0.01):.3f} ms, "
      f"p99 {p(0.99):.3f} ms, max {gaps_sorted[-1]:.3f} ms; "
      f"over 17.5 ms: {sum(g > 17.5 for g in gaps)}")
PY
