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
action hub and the context they are given, so one can change without the
others. Run from anywhere: python3 scripts/check_include_direction.py
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
ORDER = ["words", "platform", "art", "files", "actions", "parts", "story", "window", "programs"]
# Headers of a part that are its own pieces, which only that part includes.
OWN_PIECES = {"ui/parts/canvas_view.h": "ui/parts/canvas_part"}
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]', re.M)


def problems():
    for path in sorted(list(ROOT.glob("engine/**/*")) + list(ROOT.glob("ui/**/*"))):
        if path.suffix not in (".h", ".cpp"):
            continue
        rel = path.relative_to(ROOT).as_posix()
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
            if ORDER.index(theirs) > ORDER.index(mine):
                yield f"{where}: {mine}/ comes before {theirs}/"
            elif mine == theirs == "parts":
                own = rel.rsplit(".", 1)[0]
                other = inc.rsplit(".", 1)[0]
                if own != other and OWN_PIECES.get(inc) != own:
                    yield f"{where}: a part reaches another part only through the hub and its context"


if __name__ == "__main__":
    found = list(problems())
    for p in found:
        print(p)
    print(f"{len(found)} include(s) against the folders' direction", file=sys.stderr)
    sys.exit(1 if found else 0)
