#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the replay contract beside the repository against a replay tool:
    replay_contract.py CONTRACT-FOLDER PATH-TO-pintaloo-replay
A missing contract is a failure with a message, never a silent pass: the
scripts pin what every existing session gives, and CI must keep them.

Where this program changed an outcome on purpose, replay-contract-changes/
beside this file says so, one file a script and kind (NAME.canvas,
NAME.state; the README there says why each one changed). Each change names
the outcome the contract expects and the one that replaces it; the contract
is checked against a copy with those replaced, and a contract that no
longer expects the old outcome is a failure, so no change outlives the
expectation it was made for."""
import os
import shutil
import subprocess
import sys
import tempfile

CHANGES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "replay-contract-changes")


def read_changes(folder):
    """{(script, kind): [(key, was, now)]}: a .canvas file holds the lines "was HASH" and "now HASH" (key None), a
    .state file one "KEY<TAB>WAS<TAB>NOW" line a changed state line; lines starting with # are comments."""
    changes = {}
    for name in sorted(os.listdir(folder)) if os.path.isdir(folder) else []:
        script, kind = os.path.splitext(name)
        if kind not in (".canvas", ".state"):
            continue
        lines = [l.rstrip("\n") for l in open(os.path.join(folder, name), encoding="utf-8")
                 if l.strip() and not l.startswith("#")]
        if kind == ".canvas":
            pairs = dict(l.split(" ", 1) for l in lines)
            rows = [(None, pairs["was"], pairs["now"])]
        else:
            rows = [tuple(l.split("\t")) for l in lines]
            if any(len(r) != 3 for r in rows):
                raise ValueError(f"{name}: every line is KEY<TAB>WAS<TAB>NOW")
        changes[(script, kind)] = rows
    return changes


def apply_changes(contract, changes):
    """Replaces each changed expectation in the copy `contract`; the problems found (an expectation that is not
    the recorded old one, a script that does not exist), empty when all applied."""
    problems = []
    for (script, kind), rows in changes.items():
        path = os.path.join(contract, "expected", script + kind)
        if not os.path.isfile(path):
            problems.append(f"{script}{kind}: the contract has no such expectation")
            continue
        if kind == ".canvas":
            (_, was, now), = rows
            got = open(path).read().strip()
            if got != was:
                problems.append(f"{script}{kind}: the contract now expects {got}, not the {was} this change replaces")
                continue
            open(path, "w").write(now + "\n")
            continue
        lines = open(path, encoding="utf-8").read().splitlines()
        at = {l.split("=", 1)[0]: i for i, l in enumerate(lines) if "=" in l}
        for key, was, now in rows:
            if key not in at or lines[at[key]] != f"{key}={was}":
                got = lines[at[key]] if key in at else "no such line"
                problems.append(f"{script}{kind}: the contract now expects {got!r}, not {key}={was} this change replaces")
                continue
            lines[at[key]] = f"{key}={now}"
        open(path, "w", encoding="utf-8").write("".join(l + "\n" for l in lines))
    return problems


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    folder, exe = sys.argv[1:]
    check = os.path.join(folder, "check")
    if not os.path.isfile(check):
        print(f"the replay contract is missing: no {check}.\n"
              f"It lives beside the repository (../shared/replay-contract); without it nothing pins what "
              f"today's replay scripts give.", file=sys.stderr)
        return 1
    changes = read_changes(CHANGES)
    if not changes:
        return subprocess.run([sys.executable, check, exe]).returncode
    with tempfile.TemporaryDirectory(prefix="contract-changes") as tmp:
        copy = os.path.join(tmp, "replay-contract")
        shutil.copytree(folder, copy)
        for root, dirs, files in os.walk(copy):  # the shared copy is read-only, and copytree keeps that
            for n in dirs + files:
                os.chmod(os.path.join(root, n), 0o755 if n in dirs or n == "check" else 0o644)
        problems = apply_changes(copy, changes)
        for p in problems:
            print(p)
        if problems:
            print("the contract changed under this program's recorded changes: record them afresh "
                  "(tests/ui/replay-contract-changes/README.md)")
            return 1
        return subprocess.run([sys.executable, os.path.join(copy, "check"), exe]).returncode


sys.exit(main())
