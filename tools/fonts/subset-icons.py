#!/usr/bin/env python3
"""Makes resources/fonts/MaterialIcons-Regular.ttf: the glyphs of tools/fonts/MaterialIcons-Regular.ttf
that the screens draw, which are the code points of the symbol table in screens/Symbols.cpp.

The whole font holds about 2,000 icons; the app draws a few dozen, and every start loads the font.
Run it again after adding a symbol (needs python3-fonttools):

    /usr/bin/python3 tools/fonts/subset-icons.py
"""
import pathlib
import re

from fontTools import subset

root = pathlib.Path(__file__).resolve().parents[2]
table = (root / "screens/Symbols.cpp").read_text(encoding="utf-8")
code_points = sorted({int(hex_, 16) for hex_ in re.findall(r"\), 0x([0-9a-fA-F]{4,5})\}", table)})
if not code_points:
    raise SystemExit("no code points found in screens/Symbols.cpp")

options = subset.Options()
options.layout_features = []
options.name_IDs = ["*"]  # the family name the screens ask for, and the licence entries
options.notdef_outline = True
font = subset.load_font(str(root / "tools/fonts/MaterialIcons-Regular.ttf"), options)
subsetter = subset.Subsetter(options)
subsetter.populate(unicodes=code_points)
subsetter.subset(font)
out = root / "resources/fonts/MaterialIcons-Regular.ttf"
subset.save_font(font, str(out), options)
print(f"{out.relative_to(root)}: {len(code_points)} symbols, {out.stat().st_size} bytes")
