// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lit and pressed looks of a tool button, made from its plain face.
// Plain functions of pictures, shared by the program and by the build's
// SVG renderer, which draws the pressed faces beforehand
// (pintaloo-svgrender --raw-pressed) so a start shows the chosen tool
// without making its face: both draw exactly the same pixels.
#include <QImage>

namespace pintaloo {

// Brighter and a little more colourful, dark outlines kept dark. Straight
// (not premultiplied) alpha; the picture's pixel ratio is kept.
QImage LitFace(const QImage& face);

// The lit face sunk a pixel, inside a thick warm frame in the theme's
// colours, so the tool in use can be told from across the room.
// Premultiplied alpha, the lit face's size and pixel ratio.
QImage PressedFace(const QImage& lit);

}  // namespace pintaloo
