# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The pen's face in the models picker: one wavy black line.

make_pickers.py puts what draw() gives on the models' tile and writes it as
resources/art/pickers/model_pen.svg (this file's name)."""
from make_pickers import BLACK, line


def draw():
    return line("M9 31 C14 12 21 12 25 25 S36 38 41 19", BLACK, 4.5)
