// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A painting rig for the history tests and benchmark: the real stroke
// painter on a real canvas, with picture painters that lay down a small
// coloured block, so the model and stamp tools change pixels too.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/editor/editor_state.h"
#include "engine/canvas/oil_filter.h"
#include "engine/toolbox/hls.h"
#include "engine/toolbox/stroke_painter.h"

namespace pintaloo::testing {

class BlockPainters final : public PicturePainters {
public:
    explicit BlockPainters(Surface& s) : s_(s) {}
    void DrawBallModel(std::int16_t x, std::int16_t y, std::int16_t i) override { block(x, y, 1, i); }
    void DrawDaisyModel(std::int16_t x, std::int16_t y, std::int16_t i) override { block(x, y, 2, i); }
    void DrawTangleModel(std::int16_t x, std::int16_t y, std::int16_t i) override { block(x, y, 3, i); }
    void DrawScribbleModel(std::int16_t x, std::int16_t y, std::int16_t i) override { block(x, y, 4, i); }
    void DrawStarModel(std::int16_t x, std::int16_t y, std::int16_t i) override { block(x, y, 5, i); }
    void DrawSplatModel(std::int16_t x, std::int16_t y, std::int16_t i) override { block(x, y, 6, i); }
    void DrawStampPicture(std::int16_t x, std::int16_t y, std::int16_t n) override { block(x, y, 7, n); }

private:
    // A 12 x 12 block whose colour tells the family and index apart.
    void block(int x, int y, int family, int index) {
        const Colour c = Rgb(40 * family, (index * 37) & 255, 200 - 20 * family);
        for (int j = y - 6; j < y + 6; ++j)
            for (int i = x - 6; i < x + 6; ++i) s_.setPixel(i, j, c);
    }
    Surface& s_;
};

struct PaintRig {
    EditorState state;
    Surface canvas;
    DefaultRandom rng;
    BlockPainters pictures{canvas};
    StrokePainter painter{state, canvas, rng, pictures};

    explicit PaintRig(std::uint32_t seed = 0x50000) : rng(seed) { FillHueTable(state); }

    // Press, drag through the points, release: one stroke as the canvas
    // makes it.
    void stroke(const std::vector<std::pair<int, int>>& points) {
        state.Phase = MousePhase::Down;
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (i == 1) state.Phase = MousePhase::Move;
            painter.PaintAt(std::int16_t(points[i].first), std::int16_t(points[i].second), state.CurrentColor);
        }
        state.Phase = MousePhase::Up;
    }
    // A straight drag of `steps` mouse steps.
    void drag(int x1, int y1, int x2, int y2, int steps) {
        std::vector<std::pair<int, int>> pts;
        for (int k = 0; k <= steps; ++k) pts.push_back({x1 + (x2 - x1) * k / steps, y1 + (y2 - y1) * k / steps});
        stroke(pts);
    }
    void oil() { OilFilter(canvas, 0, 0, canvas.width() - 1, canvas.height() - 1, 1, 160); }
    void newPage() {
        canvas.clear();
        ResetEditorState(state);
    }
};

inline std::vector<Colour> Pixels(const Surface& s) {
    return {s.data(), s.data() + std::size_t(s.width()) * std::size_t(s.height())};
}

// A child's drawing: crayon scribbles, pen lines, spray, a pattern, a few
// stamps and two filled shapes, drawn with a given seed.
inline void DrawChildsPicture(PaintRig& r, std::uint32_t seed) {
    DefaultRandom pick(seed);
    auto at = [&](int span) { return int(pick.next() * float(span)); };
    const Tool tools[] = {Tool::Pencil, Tool::Pencil,      Tool::Pencil,        Tool::Circles,
                          Tool::Spray,  Tool::RainbowLine, Tool::PenLine,       Tool::PenLine,
                          Tool::Grass,  Tool::Tiles,       Tool::TwoColourDots, Tool::StampAnimals};
    for (int k = 0; k < 14; ++k) {
        r.state.ToolMode = tools[k % 12];
        r.state.ToolVariant = 0;
        r.state.CurrentColor = Rgb(at(256), at(256), at(256));
        r.state.BrushSize = std::int16_t(4 + at(16));
        r.state.BrushHalfWidth = std::int16_t(r.state.BrushSize / 3);
        const int x = 40 + at(720), y = 40 + at(450);
        r.drag(x, y, x + at(200) - 100, y + at(160) - 80, 30);
    }
    // Two closed boxes filled with the paint bucket.
    for (int k = 0; k < 2; ++k) {
        const int x = 60 + at(500), y = 60 + at(300);
        r.canvas.line(x, y, x + 150, y, kBlack, 3);
        r.canvas.line(x + 150, y, x + 150, y + 100, kBlack, 3);
        r.canvas.line(x + 150, y + 100, x, y + 100, kBlack, 3);
        r.canvas.line(x, y + 100, x, y, kBlack, 3);
        r.state.ToolMode = Tool::Fill;
        r.state.CurrentColor = Rgb(at(256), at(256), 90);
        r.stroke({{x + 75, y + 50}});
    }
}

// A cycle of steps that each change the whole canvas, as a child's session
// can: open one of five drawings, fill the paper around it (the paper
// touches every edge) in a new colour, the oil effect, a new page. The
// drawings carry a mark in two corners so that opening one changes those
// corners even after a new page.
struct WholeCanvasSteps {
    std::vector<std::vector<Colour>> drawings;

    WholeCanvasSteps() {
        for (std::uint32_t seed = 1; seed <= 5; ++seed) {
            PaintRig d(seed * 7919);
            DrawChildsPicture(d, seed);
            d.canvas.setPixel(0, 0, Rgb(0, 90, 200));
            d.canvas.setPixel(806, 536, Rgb(0, 90, 200));
            drawings.push_back(Pixels(d.canvas));
        }
    }

    // Step number k of the cycle (from 0).
    void apply(PaintRig& r, int k) const {
        switch (k % 4) {
            case 0: {
                const auto& d = drawings[std::size_t(k / 4) % drawings.size()];
                std::copy(d.begin(), d.end(), r.canvas.data());
                break;
            }
            case 1:
                r.state.ToolMode = Tool::Fill;
                r.state.CurrentColor = Rgb(k, 200, 255 - k);
                r.stroke({{806, 0}});
                break;
            case 2:
                r.oil();
                break;
            default:
                r.newPage();
                break;
        }
    }
};

}  // namespace pintaloo::testing
