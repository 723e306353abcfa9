# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Upside down's face in the magic picker: a little house hanging from its
strip of grass, roof and chimney pointing down, and a curved arrow showing
it turned over.

make_pickers.py puts what draw() gives on the magic tile and writes it as
resources/art/pickers/magic_flip.svg (this file's name)."""
from make_pickers import line
from svgkit import INK


def draw():
    grass = (f'<rect x="6.5" y="7" width="29" height="5" rx="2" fill="#4cc04f" stroke="{INK}" '
             f'stroke-width="1.8"/>\n')
    house = (
        # The chimney first, so the roof covers its end.
        f'<rect x="24" y="29" width="5" height="9" fill="#b5523a" stroke="{INK}" stroke-width="1.8"/>\n'
        # The walls, with the door at the top now, and a window.
        f'<rect x="11" y="12" width="20" height="15" fill="#ffd84a" stroke="{INK}" stroke-width="2" '
        f'stroke-linejoin="round"/>\n'
        f'<rect x="14" y="12" width="6" height="8" fill="#8a5a2b" stroke="{INK}" stroke-width="1.6" '
        f'stroke-linejoin="round"/>\n'
        f'<rect x="22.5" y="16" width="5.5" height="5.5" fill="#7fd3ff" stroke="{INK}" stroke-width="1.6"/>\n'
        # The red roof, pointing down.
        f'<path d="M8 27 L34 27 L21 40 Z" fill="#e8453c" stroke="{INK}" stroke-width="2" '
        f'stroke-linejoin="round"/>\n'
    )
    arrow = (line("M38 11 Q45 24 38.5 35", "#2f8cf0", 3, outline=INK, outline_extra=2) +
             f'<path d="M34 34 L40.5 40.5 L42.5 32 Z" fill="#2f8cf0" stroke="{INK}" stroke-width="1.5" '
             f'stroke-linejoin="round"/>\n')
    return grass + house + arrow
