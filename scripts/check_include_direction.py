#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when an include climbs against the folders' one direction.

The paint engine includes only itself and never Qt. The window's folders
stand in one order, and a file includes only from its own folder and the
folders before it:

    words < platform < art < files < actions < parts < story < window < programs

The story stands below the window: it sees the window only through the
interface of its own (ui/story/story_window.h), which the window implements
and hands it, as parts see only their context.

A part also includes no other part: parts reach each other through the
action hub and the needs the window wires, so one can change without the
others. No two units (a header and its .cpp) include each other, in either
direction: one of them could not be understood, or changed, alone. Run from
anywhere: python3 scripts/check_include_direction.py
(--self-test proves it catches each kind of climb, on small planted trees).
"""
import pathlib
import re
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
ORDER = ["words", "platform", "art", "files", "actions", "parts", "story", "window", "programs"]
# Headers of a part that are its own pieces, which only that part includes.
OWN_PIECES = {"ui/parts/canvas_view.h": "ui/parts/canvas_part"}
# Pairs of units let include each other: none. One added here says why.
KNOWN_MUTUAL: set = set()
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]', re.M)


def problems(root=ROOT):
    for path in sorted(list(root.glob("engine/**/*")) + list(root.glob("ui/**/*"))):
        if path.suffix not in (".h", ".cpp"):
            continue
        rel = path.relative_to(root).as_posix()
        for n, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            m = INCLUDE.match(line)
            if not m:
                continue
            inc = m.group(1)
            where = f"{rel}:{n}: includes {inc}"
            if rel.startswith("engine/"):
                if inc.startswith("ui/") or re.match(r"Q[A-Za-z]+(/|$)", inc):
                    yield f"{where}: the engine stands on its own"
                continue
            if not inc.startswith("ui/"):
                continue
            mine, theirs = rel.split("/")[1], inc.split("/")[1]
            unknown = [folder for folder in (mine, theirs) if folder not in ORDER]
            if unknown:
                yield f"{where}: ui/{unknown[0]} has no place in the folders' order"
            elif ORDER.index(theirs) > ORDER.index(mine):
                yield f"{where}: {mine}/ comes before {theirs}/"
            elif mine == theirs == "parts":
                own = rel.rsplit(".", 1)[0]
                other = inc.rsplit(".", 1)[0]
                if own != other and OWN_PIECES.get(inc) != own:
                    yield f"{where}: a part reaches another part only through the hub and its context"


# Planted trees: FILE -> its includes, and whether the check must refuse it.
SELF_TEST_TREES = [
    ("every include in its direction", {
        "engine/canvas/surface.h": ["cstdint", "engine/canvas/colour.h"],
        "engine/canvas/colour.h": [],
        "ui/words/texts.h": ["QString"],
        "ui/actions/action_hub.h": ["ui/words/texts.h", "engine/canvas/colour.h"],
        "ui/parts/canvas_part.cpp": ["ui/parts/canvas_part.h", "ui/parts/canvas_view.h", "ui/actions/action_hub.h"],
        "ui/parts/canvas_part.h": [], "ui/parts/canvas_view.h": [],
        "ui/window/main_window.cpp": ["ui/parts/canvas_part.h", "ui/parts/palette_part.h"],
        "ui/parts/palette_part.h": [],
        "ui/programs/main.cpp": ["ui/story/replay.h", "ui/window/main_window.h"],
    }, False),
    ("the engine includes the window", {"engine/canvas/surface.cpp": ["ui/words/texts.h"]}, True),
    ("the engine includes Qt", {"engine/canvas/surface.cpp": ["QImage"]}, True),
    ("the engine includes a Qt module's header", {"engine/canvas/surface.cpp": ["QtGui/QImage"]}, True),
    ("a part includes the window", {"ui/parts/palette_part.cpp": ["ui/window/main_window.h"]}, True),
    ("the words include the story", {"ui/words/texts.h": ["ui/story/story_file.h"]}, True),
    ("a part includes another part", {"ui/parts/palette_part.cpp": ["ui/parts/canvas_part.h"]}, True),
    ("a part includes another's own piece", {"ui/parts/palette_part.cpp": ["ui/parts/canvas_view.h"]}, True),
    ("a folder out of the order", {"ui/gadgets/knob.cpp": ["ui/words/texts.h"]}, True),
]


def self_test():
    failures = []
    for name, files, refused in SELF_TEST_TREES:
        with tempfile.TemporaryDirectory(prefix="pintaloo-includes-") as scratch:
            root = pathlib.Path(scratch)
            for rel, includes in files.items():
                (root / rel).parent.mkdir(parents=True, exist_ok=True)
                (root / rel).write_text("".join(f"#include <{i}>\n" for i in includes) + "int x;\n",
                                        encoding="utf-8")
            found = list(problems(root))
            if bool(found) != refused:
                failures.append(f"{name}: {'not caught' if refused else 'refused: ' + '; '.join(found)}")
    for failure in failures:
        print("self-test: " + failure)
    print(f"self-test: {len(SELF_TEST_TREES) - len(failures)} of {len(SELF_TEST_TREES)} planted trees judged right")
    return 1 if failures else 0


def mutual_includes():
    """Units of ui/ (a .h and its .cpp taken as one) that include each other."""
    uses = {}
    for path in sorted(ROOT.glob("ui/**/*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        unit = path.relative_to(ROOT).as_posix().rsplit(".", 1)[0]
        for inc in INCLUDE.findall(path.read_text(encoding="utf-8")):
            if inc.startswith("ui/") and inc.endswith(".h") and inc[:-2] != unit:
                uses.setdefault(unit, set()).add(inc[:-2])
    for unit in sorted(uses):
        for other in sorted(uses[unit]):
            if unit < other and unit in uses.get(other, ()) and (unit, other) not in KNOWN_MUTUAL:
                yield f"{unit} and {other} include each other"


if __name__ == "__main__":
    if sys.argv[1:] == ["--self-test"]:
        sys.exit(self_test())
    found = list(problems()) + list(mutual_includes())
    for p in found:
        print(p)
    print(f"{len(found)} include(s) against the folders' direction", file=sys.stderr)
    sys.exit(1 if found else 0)
