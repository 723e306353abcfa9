// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Letters landing on the paper. The window draws a word's coverage (how
// much of each pixel the letters cover, 0 to 255) with its own text engine;
// this lays it on the canvas in one colour, blended by that coverage, so
// the letters' soft edges melt into whatever lies under them.
//
// It keeps the pencil's rules for a colouring page: a pixel of the outline
// colour is never changed, and a blend that would come out exactly the
// outline colour leaves the pixel as it was, so no new outline pixel is
// made that the fill would then stop at.
#include <cstdint>

#include "engine/canvas/colour.h"
#include "engine/canvas/rect.h"
#include "engine/canvas/surface.h"
#include "engine/editor/tool.h"

namespace pintaloo {

// The letters tool's number (its row: engine/toolbox/tools/letters.cpp).
inline constexpr Tool kLettersTool = Tool(60);

// A word's coverage: `width` x `height` bytes, rows `stride` apart, its top
// left corner at (left, top) on the canvas (it may lie partly or wholly off
// the canvas).
struct LetterCoverage {
    const std::uint8_t* bytes = nullptr;
    int width = 0, height = 0, stride = 0;
    int left = 0, top = 0;
};

// One colour channel of `old` moved `cover` 255ths of the way to `ink`,
// rounded to the nearest.
constexpr int BlendChannel(int old, int ink, int cover) { return (old * (255 - cover) + ink * cover + 127) / 255; }

// Lays the coverage on the canvas in `ink`; outline pixels stay, and none
// is made. Returns the box of the pixels it changed (empty when none did),
// which is also marked on the canvas for redrawing. The work is one pass
// over the coverage's pixels that lie on the canvas: a big word at the
// largest size is about 60,000 of them, a fraction of a millisecond.
Rect InkLetters(Surface& canvas, const LetterCoverage& coverage, Colour ink, Colour outline);

}  // namespace pintaloo
