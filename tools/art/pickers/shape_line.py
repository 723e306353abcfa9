# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The straight line in the shapes picker: a crayon line from corner to
corner with a dot at each end, where the press was and where it let go.
make_pickers.py writes it as resources/art/pickers/shape_line.svg."""
from make_pickers import line
from svgkit import INK


def draw():
    return (line("M11 38 L39 12", "#4cc76a", 5, outline=INK, outline_extra=3) +
            f'<circle cx="11" cy="38" r="4" fill="#ffffff" stroke="{INK}" stroke-width="2"/>\n'
            f'<circle cx="39" cy="12" r="4" fill="#ffffff" stroke="{INK}" stroke-width="2"/>\n')
