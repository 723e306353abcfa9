// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shared window rig as a test fixture, shown, with what the window
// tests measure on its canvas.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/canvas/surface.h"
#include "tests/support/window_rig.h"

namespace pintaloo::uitest {

using testkit::Control;
using testkit::Heard;

// A pixel rectangle, both ends included; empty when right < left.
struct Area {
    int left = 0, top = 0, right = -1, bottom = -1;
    bool empty() const { return right < left; }
    bool operator==(const Area&) const = default;
};

inline void PrintTo(const Area& b, std::ostream* os) {
    *os << "(" << b.left << "," << b.top << ")-(" << b.right << "," << b.bottom << ")";
}

// The shared window, shown, for one test.
class WindowTest : public ::testing::Test, protected testkit::WindowRig {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch.isValid());
        ASSERT_TRUE(loaded);
        window->show();
        heard.clear();
    }

    // Every pixel that is not white paper.
    Area paintedBounds() const {
        Area b{Surface::kWidth, Surface::kHeight, -1, -1};
        const Surface& s = window->canvas;
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x)
                if (s.point(x, y) != std::int32_t(kWhite)) {
                    b.left = std::min(b.left, x);
                    b.top = std::min(b.top, y);
                    b.right = std::max(b.right, x);
                    b.bottom = std::max(b.bottom, y);
                }
        return b.right < 0 ? Area{} : b;
    }

    bool canvasIsBlank() const { return paintedBounds().empty(); }
};

inline QColor Q(int r, int g, int b) { return QColor(r, g, b); }

}  // namespace pintaloo::uitest
