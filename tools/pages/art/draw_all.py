#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Rebuilds every colouring page SVG from the page scripts in this folder.

Usage: draw_all.py [OUTPUT_DIR]   (default: resources/pages in this checkout)
"""
import glob, os, subprocess, sys
here = os.path.dirname(os.path.abspath(__file__))
bad = 0
for script in sorted(glob.glob(os.path.join(here, "page*.py"))):
    r = subprocess.run([sys.executable, script] + sys.argv[1:2])
    bad += r.returncode != 0
sys.exit(1 if bad else 0)
