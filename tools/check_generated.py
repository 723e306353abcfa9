#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs every media generator in tools/ into a scratch folder and compares
what it writes with resources/, byte for byte.

A difference means either a generator changed without its output being
committed, or a file in resources/ was edited by hand and would be lost on
the next regeneration. Either way the fix is to regenerate and commit both.

Usage: check_generated.py [--keep DIR]
  --keep DIR   write into DIR and leave it there (to look at the differences)
Needs python3 and, for the MP3 sounds, the `lame` encoder.
Exit status 0 when everything matches, 1 on a difference, 2 when a generator fails.
"""
import argparse
import filecmp
import os
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

# (generator, folder in resources/ it owns, files in that folder it writes:
# None = every file there that no other generator of the folder claims by
# prefix). make_balls and make_models share resources/models; the window art
# in art/ui comes from make_ui_art and a few scripts of their own.
GENERATORS = [
    ("tools/art/make_ui_art.py", "art/ui", None),
    ("tools/art/make_app_icon.py", "art/ui", ("app_icon",)),
    ("tools/art/make_fullscreen_backdrop.py", "art/ui", ("fullscreen_backdrop",)),
    ("tools/art/make_comfort_buttons.py", "art/ui", ("cmd_sound_", "cmd_print")),
    ("tools/art/make_undo_art.py", "art/ui", ("cmd_undo", "cmd_redo")),
    ("tools/art/make_panel_close.py", "art/ui", ("panel_close",)),
    ("tools/art/make_film_art.py", "art/ui", ("film_",)),
    ("tools/art/make_gallery_art.py", "art/ui", ("gallery_",)),
    ("tools/art/make_colour_art.py", "art/ui", ("colour_",)),
    ("tools/art/make_grownup_art.py", "art/ui", ("grownup_",)),
    ("tools/art/make_week_art.py", "art/ui", ("week_",)),
    ("tools/art/make_pages_art.py", "art/ui", ("pages_",)),
    ("tools/art/make_stamp_art.py", "art/ui", ("stamp_",)),
    ("tools/art/make_pickers.py", "art/pickers", None),
    ("tools/art/make_balls.py", "models", ("ball_",)),
    ("tools/art/make_models.py", "models", ("daisy_", "tangle_", "scribble_", "star_", "splat_")),
    ("tools/pages/art/draw_all.py", "pages", None),
    ("tools/sounds/make_sounds.py", "sounds", None),
    ("tools/animations/make_animations.py", "animations", None),
]


def claimed_by_others(folder):
    """The prefixes that generators with prefixes of their own claim in a folder."""
    return tuple(p for _, f, prefixes in GENERATORS if f == folder and prefixes for p in prefixes)


def owned(path, folder, prefixes):
    names = sorted(os.listdir(path)) if os.path.isdir(path) else []
    if prefixes is None:
        others = claimed_by_others(folder)
        return [n for n in names if not (others and n.startswith(others))]
    return [n for n in names if n.startswith(prefixes)]


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--keep", help="write into this folder and keep it")
    args = ap.parse_args()
    scratch = args.keep or tempfile.mkdtemp(prefix="pintaloo-generated-")
    env = dict(os.environ, PYTHONDONTWRITEBYTECODE="1")
    problems = 0
    try:
        # Every generator gets its own empty folder, so a file it no longer
        # writes shows up as missing rather than being masked by another's.
        for number, (script, folder, prefixes) in enumerate(GENERATORS):
            out = os.path.join(scratch, f"{number}_{os.path.basename(script)[:-3]}")
            shutil.rmtree(out, ignore_errors=True)
            os.makedirs(out)
            # Run from a different folder: the generators must not depend on where they start.
            r = subprocess.run([sys.executable, os.path.join(ROOT, script), out],
                               cwd=scratch, env=env, capture_output=True, text=True)
            if r.returncode != 0:
                print(f"FAILED  {script} (exit {r.returncode})\n{r.stdout}{r.stderr}")
                return 2
            committed = os.path.join(ROOT, "resources", folder)
            want, got = owned(committed, folder, prefixes), owned(out, folder, prefixes)
            if not got:
                print(f"EMPTY   {script} wrote nothing")
                problems += 1
            for name in sorted(set(want) | set(got)):
                shown = f"resources/{folder}/{name}"
                if name not in got:
                    print(f"STALE   {shown} is committed but not made by {script}")
                elif name not in want:
                    print(f"MISSING {shown} is made by {script} but not committed")
                elif not filecmp.cmp(os.path.join(out, name), os.path.join(committed, name), shallow=False):
                    print(f"DIFFERS {shown} (regenerate with {script})")
                else:
                    continue
                problems += 1
            print(f"checked {script}: {len(got)} file(s)")
    finally:
        if not args.keep:
            shutil.rmtree(scratch, ignore_errors=True)
    print("generated media match resources/" if not problems else f"{problems} difference(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
