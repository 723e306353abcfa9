#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the replay contract beside the repository against a replay tool:
    replay_contract.py CONTRACT-FOLDER PATH-TO-pintaloo-replay
A missing contract is a failure with a message, never a silent pass: the
scripts pin what every existing session gives, and CI must keep them."""
import os
import subprocess
import sys


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
    return subprocess.run([sys.executable, check, exe]).returncode


sys.exit(main())
