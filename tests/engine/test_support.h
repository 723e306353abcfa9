// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers shared by the engine tests: generators with known output and a
// recorder of picture-painter calls.
#include <string>
#include <vector>

#include "engine/canvas/random_source.h"
#include "engine/canvas/surface.h"
#include "engine/toolbox/picture_painters.h"

namespace pintaloo::testing {

// Always the same value, counting how many numbers were drawn.
class ConstantRandom final : public RandomSource {
public:
    explicit ConstantRandom(float v) : value(v) {}
    float next() override {
        ++draws;
        return value;
    }
    float value;
    int draws = 0;
};

struct PainterCall {
    std::string name;
    int x, y, index;
    bool operator==(const PainterCall&) const = default;
};

class RecordingPainters final : public PicturePainters {
public:
    void DrawBallModel(std::int16_t x, std::int16_t y, std::int16_t i) override { calls.push_back({"ball", x, y, i}); }
    void DrawDaisyModel(std::int16_t x, std::int16_t y, std::int16_t i) override {
        calls.push_back({"daisy", x, y, i});
    }
    void DrawTangleModel(std::int16_t x, std::int16_t y, std::int16_t i) override {
        calls.push_back({"tangle", x, y, i});
    }
    void DrawScribbleModel(std::int16_t x, std::int16_t y, std::int16_t i) override {
        calls.push_back({"scribble", x, y, i});
    }
    void DrawStarModel(std::int16_t x, std::int16_t y, std::int16_t i) override { calls.push_back({"star", x, y, i}); }
    void DrawSplatModel(std::int16_t x, std::int16_t y, std::int16_t i) override {
        calls.push_back({"splat", x, y, i});
    }
    void DrawStampPicture(std::int16_t x, std::int16_t y, std::int16_t n) override {
        calls.push_back({"stamp", x, y, n});
    }
    void DrawLibraryStamp(std::int16_t x, std::int16_t y, Colour, Colour) override {
        calls.push_back({"library stamp", x, y, 0});
    }
    std::vector<PainterCall> calls;
};

// Number of pixels of exactly colour c.
inline int CountColour(const Surface& s, Colour c) {
    int n = 0;
    for (int i = 0; i < s.width() * s.height(); ++i) n += s.data()[i] == c;
    return n;
}

// Bounding box of pixels that are not paper white.
inline Rect PaintedBounds(const Surface& s) {
    Rect r;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.point(x, y) != std::int32_t(kWhite)) r.unite({x, y, x + 1, y + 1});
    return r;
}

}  // namespace pintaloo::testing
