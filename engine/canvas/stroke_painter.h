#pragma once
// PaintAt, the heart of painting: the canvas calls it for a button press and
// for every mouse step with the left button held, and it paints at that one
// point according to the current tool. Tools that join points keep their
// memory in the editor state (last point, alternation, variant, rainbow).
#include <cstdint>

#include "app/editor_state.h"
#include "canvas/patterns.h"
#include "canvas/picture_painters.h"
#include "canvas/random_source.h"
#include "canvas/surface.h"

namespace pintaloo {

class StrokePainter {
public:
    StrokePainter(EditorState& state, Surface& canvas, RandomSource& rng, PicturePainters& pictures)
        : s_(state), canvas_(canvas), rng_(rng), pictures_(pictures), patterns_(canvas, rng) {}

    // Paints at (x, y) with the current tool. Returns false when 16-bit
    // coordinate arithmetic overflowed: the call ends there and the pixels
    // already set stay.
    bool PaintAt(std::int16_t x, std::int16_t y, Colour color);

    PatternPainter& patterns() { return patterns_; }

private:
    void dispatch(std::int16_t x, std::int16_t y, Colour color);
    void pencil(std::int16_t x, std::int16_t y, Colour color);
    void eraser(std::int16_t x, std::int16_t y);
    void twoColourDots(std::int16_t x, std::int16_t y);
    void twoColourSpray(std::int16_t x, std::int16_t y);
    void fill(std::int16_t x, std::int16_t y);
    void rainbowLine(std::int16_t x, std::int16_t y);
    void penLine(std::int16_t x, std::int16_t y);
    void cycledModel(std::int16_t x, std::int16_t y);
    void spacedModel(std::int16_t x, std::int16_t y, int spacing);
    void stamp(std::int16_t x, std::int16_t y);

    EditorState& s_;
    Surface& canvas_;
    RandomSource& rng_;
    PicturePainters& pictures_;
    PatternPainter patterns_;
};

}  // namespace pintaloo
