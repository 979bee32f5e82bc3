#!/usr/bin/env python3
"""Plays the balance table and writes docs/balance.md.

Every pairing of two different birds on every level that pits two birds (the
egg level, the food court, the runner, the boss level), both computer players
at the same strength, each bird half of the matches in either slot. Each cell
runs `tolvex --simulate` twice (the birds swapped) and adds the results up.

    tools/balance.py [--game build/release/tolvex] [--matches 4] [--runner-matches 2]
                     [--egg-matches 0] [--strength normal] [--seed 1] [--levels egg,foodcourt,runner,boss]
                     [--out docs/balance.md]

A bird that wins more than 65 % of a cell's decided matches is marked. The
section "## State of the tuning" below the table is kept as it is.
"""

import argparse
import itertools
import os
import re
import subprocess
import sys
import time

LEVELS = ["egg", "foodcourt", "runner", "boss"]
BIRDS = ["RoziDoro", "VadozaVaza", "DovaDizavov", "DoruZuvo"]
TALLY = re.compile(r"wins (\d+) losses (\d+) draws (\d+) unfinished (\d+)")
LIMIT = 0.65
NOTES = "## State of the tuning"


def simulate(game, level, a, b, strength, matches, seed):
    command = [game, "--simulate", level, a, b, strength, strength, str(matches), str(seed)]
    env = dict(os.environ, ALSOFT_LOGLEVEL="0")
    out = subprocess.run(command, capture_output=True, text=True, env=env, check=True).stdout
    found = TALLY.search(out)
    if not found:
        sys.exit("no tally from: " + " ".join(command))
    return [int(n) for n in found.groups()]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", default="build/release/tolvex")
    parser.add_argument("--matches", type=int, default=4, help="matches per cell (even)")
    parser.add_argument("--runner-matches", type=int, default=2, help="matches per runner cell (even)")
    parser.add_argument("--egg-matches", type=int, default=0,
                        help="matches per egg cell (even; most end in a draw), 0 for --matches")
    parser.add_argument("--strength", default="normal")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--levels", default=",".join(LEVELS), help="comma-separated subset of " + ",".join(LEVELS))
    parser.add_argument("--out", default="docs/balance.md")
    args = parser.parse_args()

    started = time.time()
    rows = []
    worst = 0.0
    levels = [level for level in args.levels.split(",") if level]
    for level in levels:
        if level not in LEVELS:
            sys.exit(f"unknown level {level}; expected one of {', '.join(LEVELS)}")
        matches = args.runner_matches if level == "runner" else args.matches
        if level == "egg" and args.egg_matches:
            matches = args.egg_matches
        half = max(1, matches // 2)
        for a, b in itertools.combinations(BIRDS, 2):
            w1, l1, d1, u1 = simulate(args.game, level, a, b, args.strength, half, args.seed)
            w2, l2, d2, u2 = simulate(args.game, level, b, a, args.strength, half, args.seed + 1000)
            a_wins, b_wins, draws, unfinished = w1 + l2, l1 + w2, d1 + d2, u1 + u2
            decided = a_wins + b_wins
            share = max(a_wins, b_wins) / decided if decided else 0.0
            worst = max(worst, share)
            mark = " **over 65 %**" if share > LIMIT else ""
            rows.append(f"| {level} | {a} vs {b} | {a_wins} | {b_wins} | {draws} | {unfinished} | "
                        f"{share * 100:.0f} %{mark} |")
            print(rows[-1], flush=True)
    seconds = time.time() - started

    command = (f"tools/balance.py --game build/release/tolvex --matches {args.matches} "
               f"--runner-matches {args.runner_matches} --strength {args.strength} --seed {args.seed}")
    if args.egg_matches:
        command += f" --egg-matches {args.egg_matches}"
    if levels != LEVELS:
        command += " --levels " + ",".join(levels)
    lines = [
        "# Balance table",
        "",
        "Computer players of equal strength (" + args.strength + ") play every pairing of two",
        "different birds on every level that pits two birds, headless, seeded, at the fixed",
        "1/60 s step (`tolvex --simulate`, see the README). Each bird plays half of a cell's",
        "matches in either slot. \"Best share\" is the larger bird's share of the decided",
        "matches; the aim is at most 65 % everywhere.",
        "",
        f"    {command}",
        "",
        f"{args.matches} matches a cell ({args.runner_matches} in the runner, whose run lasts",
        f"230 s of game time; {args.egg_matches or args.matches} on the egg level, where most matches are a draw:",
        "each attacker wins its round). The runs took",
        f"{seconds:.0f} s on this machine (one process,",
        "beside other work). One match moves a cell's share by about 100 / d points, d being",
        "the cell's decided matches: a cell of 12 decided matches at 67 % is one match from 58 %.",
        "",
        "| level | pairing | first wins | second wins | draws | unfinished | best share |",
        "|---|---|---|---|---|---|---|",
    ] + rows + ["", f"Largest best share: {worst * 100:.0f} %.", ""]
    # The notes on the tuning below the table are written by hand: keep them.
    kept = ""
    if os.path.exists(args.out):
        with open(args.out) as old:
            text = old.read()
        if NOTES in text:
            kept = text[text.index(NOTES):]
    with open(args.out, "w") as out:
        out.write("\n".join(lines) + ("\n" + kept if kept else ""))
    print(f"wrote {args.out} in {seconds:.0f} s")


if __name__ == "__main__":
    main()
