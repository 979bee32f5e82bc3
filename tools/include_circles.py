#!/usr/bin/env python3
"""Names every include circle among the files of one source folder.

A file and its header count as one unit ("game/runner/boss" is boss.h and
boss.cpp): a unit depends on every unit of the folder that its header or its
source includes. Two units that depend on each other, directly or around a
longer circle, cannot be understood or changed one at a time; the usual way
out is a small interface the lower one declares and the higher one implements
(see game/birds/bird.h).

usage: include_circles.py SRC_ROOT FOLDER     e.g. include_circles.py src game
Prints one line per circle and exits 1 when there is any, 0 otherwise.
"""

import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)


def units(src_root, folder):
    """Maps each unit of the folder to the set of units it includes."""
    graph = {}
    base = os.path.join(src_root, folder)
    for directory, _, files in os.walk(base):
        for name in sorted(files):
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(directory, name)
            unit = os.path.splitext(os.path.relpath(path, src_root))[0].replace(os.sep, "/")
            edges = graph.setdefault(unit, set())
            with open(path, encoding="utf-8", errors="replace") as source:
                for header in INCLUDE.findall(source.read()):
                    target = os.path.splitext(header)[0]
                    if target != unit and target.startswith(folder + "/"):
                        edges.add(target)
    for edges in graph.values():
        edges.intersection_update(graph.keys())
    return graph


def circles(graph):
    """The strongly connected groups of more than one unit (Tarjan), each sorted."""
    index, low, on_stack, stack, found = {}, {}, set(), [], []
    counter = [0]

    def visit(start):
        # Iterative, so a long chain of includes cannot exhaust the recursion limit.
        work = [(start, iter(sorted(graph[start])))]
        index[start] = low[start] = counter[0]
        counter[0] += 1
        stack.append(start)
        on_stack.add(start)
        while work:
            unit, children = work[-1]
            advanced = False
            for child in children:
                if child not in index:
                    index[child] = low[child] = counter[0]
                    counter[0] += 1
                    stack.append(child)
                    on_stack.add(child)
                    work.append((child, iter(sorted(graph[child]))))
                    advanced = True
                    break
                if child in on_stack:
                    low[unit] = min(low[unit], index[child])
            if advanced:
                continue
            work.pop()
            if work:
                parent = work[-1][0]
                low[parent] = min(low[parent], low[unit])
            if low[unit] == index[unit]:
                group = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    group.append(member)
                    if member == unit:
                        break
                if len(group) > 1:
                    found.append(sorted(group))

    for unit in sorted(graph):
        if unit not in index:
            visit(unit)
    return sorted(found)


def path_around(graph, group):
    """One concrete circle through the group's first unit, for the message."""
    members = set(group)
    start = group[0]
    previous = {start: None}
    queue = [start]
    while queue:
        unit = queue.pop(0)
        for child in sorted(graph[unit]):
            if child == start:
                route = [unit]
                while previous[route[-1]] is not None:
                    route.append(previous[route[-1]])
                return list(reversed(route)) + [start]
            if child in members and child not in previous:
                previous[child] = unit
                queue.append(child)
    return group + [start]


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip().splitlines()[-2])
        return 2
    src_root, folder = argv[1], argv[2].strip("/")
    if not os.path.isdir(os.path.join(src_root, folder)):
        print(f"include circles: no folder {folder} under {src_root}")
        return 2
    graph = units(src_root, folder)
    found = circles(graph)
    for group in found:
        print("include circle: " + " -> ".join(path_around(graph, group)))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
