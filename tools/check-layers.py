#!/usr/bin/env python3
"""Checks the include graph between the source folders.

Only app/ composes the app: no other folder includes app/, no source asks a global for an
object (Services::current(), X::shared()), and the folders include one another without a cycle.
The tests, fuzz harnesses and benchmarks ask no global either, and reach the root only through
tests/support/TestServices.cpp. Prints the folder graph and exits non-zero on a breach.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
FOLDERS = ["platform", "settings", "verbs", "progress", "quizzes", "speech", "games", "screens", "app"]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/', re.M)
LOCATOR = re.compile(r"\b[A-Z]\w*::(?:current|shared)\(\)")
# Folders that may use app/ but not the root itself, and the one file there that makes it.
HARNESS_FOLDERS = ["tests", "fuzz", "bench"]
ROOT_INCLUDE = re.compile(r'^\s*#\s*include\s+"app/Services\.h"', re.M)
ROOT_MAKER = pathlib.Path("tests/support/TestServices.cpp")


def sources(folder):
    for path in sorted((ROOT / folder).rglob("*")):
        if path.suffix in (".cpp", ".h"):
            yield path


def find_cycle(graph):
    state = {}

    def visit(node, trail):
        state[node] = "open"
        for nxt in sorted(graph[node]):
            if state.get(nxt) == "open":
                return trail + [node, nxt]
            if nxt not in state:
                found = visit(nxt, trail + [node])
                if found:
                    return found
        state[node] = "done"
        return None

    for node in sorted(graph):
        if node not in state:
            found = visit(node, [])
            if found:
                return found[found.index(found[-1]):]
    return None


def main():
    graph = {folder: set() for folder in FOLDERS}
    faults = []
    for folder in FOLDERS:
        for path in sources(folder):
            text = path.read_text(encoding="utf-8")
            name = path.relative_to(ROOT)
            for used in INCLUDE.findall(text):
                if used in graph and used != folder:
                    graph[folder].add(used)
                    if used == "app":
                        faults.append(f"{name} includes app/")
            for call in LOCATOR.findall(text):
                faults.append(f"{name} asks a global for an object: {call}")
    for folder in HARNESS_FOLDERS:
        for path in sources(folder):
            text = path.read_text(encoding="utf-8")
            name = path.relative_to(ROOT)
            if name != ROOT_MAKER and ROOT_INCLUDE.search(text):
                faults.append(f"{name} includes app/Services.h")
            for call in LOCATOR.findall(text):
                faults.append(f"{name} asks a global for an object: {call}")
    cycle = find_cycle(graph)
    if cycle:
        faults.append("the folders include one another in a cycle: " + " -> ".join(cycle))
    for folder in FOLDERS:
        print(f"{folder:9} -> {', '.join(sorted(graph[folder])) or '-'}")
    for fault in faults:
        print("layers: " + fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
