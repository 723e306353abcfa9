# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The smudge brush's face: a blob of blue paint, a fingertip pressed into
it, and the smear the finger dragged out of it, paler as it goes.

make_pickers.py puts what draw() gives on the magic tile and writes it as
resources/art/pickers/magic_smudge.svg (this file's name)."""
from make_pickers import INK, line

BLUE = "#3d8bfd"
PALE = "#a8cbff"
SKIN = "#ffd2b0"


def draw():
    # The blob, and the smear leaving it to the lower right, narrowing and paler.
    out = (f'<path d="M9 17 Q9 8.5 17 8.5 Q25 8.5 25.5 15 Q33 21 35 28 Q35.5 31 32.5 30.5 Q24 25 17 25 '
           f'Q9 25 9 17 Z" fill="{BLUE}" stroke="{INK}" stroke-width="1.8" stroke-linejoin="round"/>\n')
    out += f'<path d="M22 20.5 Q28 23.5 32 28" fill="none" stroke="{PALE}" stroke-width="2.6" stroke-linecap="round"/>\n'
    out += f'<circle cx="14" cy="14" r="2.2" fill="{PALE}"/>\n'
    # The finger, coming up from the lower right, its tip at the end of the smear.
    out += line("M40.5 41 L31.5 31.5", SKIN, 10, outline=INK, outline_extra=3.6)
    out += (f'<path d="M29.3 30.6 Q29.6 27.4 32.6 27.6 L34.6 29.6 Q34.2 33.4 30.8 33 Z" fill="#fff3ea" '
            f'stroke="{INK}" stroke-width="1.2" stroke-linejoin="round"/>\n')
    out += f'<path d="M36 40 Q38.8 37.5 41 37.8" fill="none" stroke="{INK}" stroke-width="1.2" stroke-linecap="round"/>\n'
    return out
