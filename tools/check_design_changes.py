#!/usr/bin/env python3
"""Keeps docs/design-changes.md true: every row of its table names at least one
test, and every test it names exists.

A test is written `test_<folder>: Suite.Name` (more names follow, comma
separated, in the same or the next backticks); a parameterised one as
`Prefix/Suite.Name/*`. The executable must be one of a test folder
(tests/game/story -> test_game_story) and the suite and name must appear as
TEST(Suite, Name), TEST_F(...) or TEST_P(...) in a source under tests/.

Prints every broken row or name as one line and exits 1 if there is one; exits
2 when the page or the tests cannot be read (a check that looked at nothing
must not pass). Usage: check_design_changes.py [page] [tests-folder].
"""
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
NAME = re.compile(r"(?:[A-Za-z]\w*/)?([A-Z]\w*)\.([A-Z]\w*)(?:/\*)?")
EXECUTABLE = re.compile(r"^(test_\w+):\s*")


def defined_tests(tests_dir):
    found = set()
    for folder, _, files in os.walk(tests_dir):
        for name in files:
            if not name.endswith(".cpp"):
                continue
            with open(os.path.join(folder, name), encoding="utf-8") as source:
                for suite, test in re.findall(r"TEST(?:_F|_P)?\(\s*(\w+)\s*,\s*(\w+)\s*\)", source.read()):
                    found.add((suite, test))
    return found


def executables(tests_dir):
    names = set()
    for folder, _, files in os.walk(tests_dir):
        if any(f.endswith(".cpp") for f in files):
            names.add("test_" + os.path.relpath(folder, tests_dir).replace(os.sep, "_"))
    return names


def table_rows(page):
    """(line number, last cell) of every row of the page's first table after its header."""
    rows, in_table = [], False
    for number, line in enumerate(page.splitlines(), 1):
        if not line.startswith("|"):
            if in_table:
                break
            continue
        cells = [cell.strip() for cell in line.strip().strip("|").split("|")]
        if not in_table:
            in_table = True  # the header
            continue
        if set("".join(cells)) <= set("-: "):
            continue
        rows.append((number, cells[-1]))
    return rows


def check(page_path, tests_dir):
    try:
        with open(page_path, encoding="utf-8") as page_file:
            page = page_file.read()
    except OSError as error:
        print(f"Design changes check could not run: {error}")
        return 2
    if not os.path.isdir(tests_dir):
        print(f"Design changes check could not run: no tests folder {tests_dir}")
        return 2
    tests, programs = defined_tests(tests_dir), executables(tests_dir)
    rows = table_rows(page)
    if not rows or not tests:
        print(f"Design changes check could not run: no table in {page_path} or no tests in {tests_dir}")
        return 2
    faults = []
    for number, cell in rows:
        named = 0
        for span in re.findall(r"`([^`]*)`", cell):
            program = EXECUTABLE.match(span)
            if program:
                if program.group(1) not in programs:
                    faults.append(f"{page_path}:{number}: no test executable {program.group(1)}")
                span = span[program.end():]
            for suite, test in NAME.findall(span):
                named += 1
                if (suite, test) not in tests:
                    faults.append(f"{page_path}:{number}: no test {suite}.{test} under {tests_dir}")
        if named == 0:
            faults.append(f"{page_path}:{number}: the row names no test")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    page_arg = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "docs", "design-changes.md")
    tests_arg = sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, "tests")
    sys.exit(check(page_arg, tests_arg))
