#!/usr/bin/env python3
"""Prints the test-to-code line ratio: non-blank, non-comment lines of C++ and QML under tests/
against those of the rest of the tree. Exits non-zero above the project's limit of 0.35."""
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
LIMIT = 0.35


def counted_lines(path):
    count = 0
    in_block = False
    for line in path.read_text(encoding="utf-8", errors="replace").splitlines():
        text = line.strip()
        if in_block:
            in_block = "*/" not in text
            continue
        if not text or text.startswith("//"):
            continue
        if text.startswith("/*"):
            in_block = "*/" not in text
            continue
        count += 1
    return count


def main():
    tests = code = 0
    for path in ROOT.rglob("*"):
        parts = path.relative_to(ROOT).parts
        if path.suffix not in (".cpp", ".h", ".qml") or parts[0].startswith(("build", ".")):
            continue
        lines = counted_lines(path)
        if parts[0] == "tests":
            tests += lines
        else:
            code += lines
    ratio = tests / code if code else 0.0
    print(f"test lines {tests}, code lines {code}, ratio {ratio:.3f} (limit {LIMIT})")
    return 0 if ratio <= LIMIT else 1


if __name__ == "__main__":
    sys.exit(main())
