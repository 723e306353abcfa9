// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/screen_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace pintaloo {
namespace {

// Where the canvas sits in the window, and its size: presses are checked on it.
constexpr QPoint kCanvasOrigin{9, 76};
constexpr QSize kCanvas{807, 537};

std::vector<int> Samples(int length) {
    std::vector<int> at;
    for (int i = 0; i < length; i += 7) at.push_back(i);
    at.push_back(length - 1);
    return at;
}

bool WholeEighth(double deviceScale) {
    const double eighths = deviceScale * 8;
    return std::abs(eighths - std::round(eighths)) < 1e-9;
}

struct FitCase {
    const char* screen;
    QSizeF available;  // device-independent pixels, panels taken off
    double dpr;
    double scale;  // worked out by hand from the rule: largest eighth of a device pixel that fits
    QSize size;
};

const FitCase kFitCases[] = {
    {"1920x1080 at 1", {1920, 1040}, 1.0, 1.0, {827, 728}},
    {"1920x1080 at 1.5", {1280, 690}, 1.5, 1.375 / 1.5, {759, 668}},
    {"1920x1080 at 2", {960, 510}, 2.0, 1.375 / 2, {569, 501}},
    {"1366x768 with a panel", {1366, 740}, 1.0, 1.0, {827, 728}},
    {"1366x768 with two panels", {1366, 700}, 1.0, 0.875, {724, 637}},
    {"800x600", {800, 570}, 1.0, 0.75, {621, 546}},
    {"3840x2160 at 1", {3840, 2120}, 1.0, 1.0, {827, 728}},
    {"3840x2160 at 2", {1920, 1050}, 2.0, 1.0, {827, 728}},
    {"3840x2160 at 3", {1280, 700}, 3.0, 2.875 / 3, {793, 698}},
};

TEST(ScreenFitTest, WindowFitsEveryScreenAtTheLargestCrispScale) {
    for (const FitCase& c : kFitCases) {
        SCOPED_TRACE(c.screen);
        const WindowFit fit = FitWindow(c.available, c.dpr);
        EXPECT_NEAR(fit.scale, c.scale, 1e-9);
        EXPECT_EQ(fit.size, c.size);
        EXPECT_LE(fit.size.width(), c.available.width());
        EXPECT_LE(fit.size.height(), c.available.height());
        EXPECT_LE(fit.scale, 1.0);
        if (fit.scale < 1.0) {
            EXPECT_TRUE(WholeEighth(fit.scale * c.dpr)) << fit.scale * c.dpr;
            // One eighth more would not fit: the window is no smaller than it must be.
            const double bigger = (fit.scale * c.dpr + 0.125) / c.dpr;
            EXPECT_TRUE(827 * bigger > c.available.width() || 728 * bigger > c.available.height());
        }
    }
}

TEST(ScreenFitTest, NonsenseScreensKeepTheDesignedSize) {
    const struct {
        const char* what;
        QSizeF available;
        double dpr;
    } cases[] = {
        {"empty area", {0, 0}, 1.0},
        {"negative area", {-10, 500}, 1.0},
        {"no scale", {640, 480}, 0.0},
        {"not a number", {std::nan(""), 480}, 1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const WindowFit fit = FitWindow(c.available, c.dpr);
        EXPECT_EQ(fit.scale, 1.0);
        EXPECT_EQ(fit.size, QSize(827, 728));
    }
}

TEST(ScreenFitTest, ScreenTooSmallForAnEighthStillFits) {
    const WindowFit fit = FitWindow({90, 80}, 1.0);
    EXPECT_GT(fit.scale, 0.0);
    EXPECT_LE(fit.size.width(), 90);
    EXPECT_LE(fit.size.height(), 80);
}

struct FullCase {
    const char* screen;
    QSizeF size;
    double dpr;
    double scale;
    QPointF offset;
};

const FullCase kFullCases[] = {
    {"1920x1080 at 1", {1920, 1080}, 1.0, 1.375, {391, 39}},
    {"1920x1080 at 1.5", {1280, 720}, 1.5, 1.375 / 1.5, {391 / 1.5, 26}},
    {"1920x1080 at 2", {960, 540}, 2.0, 1.375 / 2, {195.5, 19.5}},
    {"1366x768", {1366, 768}, 1.0, 1.0, {269, 20}},
    {"800x600", {800, 600}, 1.0, 0.75, {89, 27}},
    {"3840x2160", {3840, 2160}, 1.0, 2.875, {731, 33}},
};

TEST(ScreenFitTest, FullScreenIsEvenCentredAndInside) {
    for (const FullCase& c : kFullCases) {
        SCOPED_TRACE(c.screen);
        const ScreenTransform t = FullScreenTransform(c.size, c.dpr);
        EXPECT_NEAR(t.scale, c.scale, 1e-9);
        EXPECT_NEAR(t.offset.x(), c.offset.x(), 1e-9);
        EXPECT_NEAR(t.offset.y(), c.offset.y(), 1e-9);
        EXPECT_TRUE(WholeEighth(t.scale * c.dpr));
        // The corner on a whole device pixel.
        EXPECT_NEAR(t.offset.x() * c.dpr, std::round(t.offset.x() * c.dpr), 1e-9);
        EXPECT_NEAR(t.offset.y() * c.dpr, std::round(t.offset.y() * c.dpr), 1e-9);
        const QPointF far = t.toScreen(QPointF(827, 728));
        EXPECT_GE(t.offset.x(), 0);
        EXPECT_GE(t.offset.y(), 0);
        EXPECT_LE(far.x(), c.size.width() + 1e-9);
        EXPECT_LE(far.y(), c.size.height() + 1e-9);
        // Centred to within a device pixel: the two margins differ by less than two.
        EXPECT_LT(std::abs(t.offset.x() - (c.size.width() - far.x())), 2.0 / c.dpr);
        EXPECT_LT(std::abs(t.offset.y() - (c.size.height() - far.y())), 2.0 / c.dpr);
    }
}

TEST(ScreenFitTest, PressLandsOnThePixelUnderThePointer) {
    std::vector<std::pair<const char*, ScreenTransform>> transforms;
    for (const FitCase& c : kFitCases)
        transforms.emplace_back(c.screen, ScreenTransform{FitWindow(c.available, c.dpr).scale, {}});
    for (const FullCase& c : kFullCases) transforms.emplace_back(c.screen, FullScreenTransform(c.size, c.dpr));
    for (const auto& [name, t] : transforms) {
        SCOPED_TRACE(name);
        // Every 7th pixel across and down, and the last ones on each side.
        for (int y : Samples(kCanvas.height())) {
            for (int x : Samples(kCanvas.width())) {
                // The pointer anywhere inside the pixel as drawn on screen: near both corners and in the middle.
                for (double inside : {0.02, 0.5, 0.98}) {
                    const QPointF window = QPointF(kCanvasOrigin) + QPointF(x + inside, y + inside);
                    const QPoint under = CanvasPixelUnder(t, t.toScreen(window), kCanvasOrigin);
                    ASSERT_EQ(under, QPoint(x, y)) << "inside " << inside;
                }
            }
        }
        // A stamp's centre: the window point under the press goes back to the press.
        const QPointF press(t.offset.x() + 300.25, t.offset.y() + 200.75);
        const QPointF back = t.toScreen(t.toWindow(press));
        EXPECT_NEAR(back.x(), press.x(), 1e-9);
        EXPECT_NEAR(back.y(), press.y(), 1e-9);
    }
}

TEST(ScreenFitTest, CanvasKeepsItsDrawingPixelsAtEveryScale) {
    // The scale only changes how the window is shown: the canvas's pixel
    // grid under the pointer still runs from 0 to 806 and 0 to 536.
    for (const FullCase& c : kFullCases) {
        SCOPED_TRACE(c.screen);
        const ScreenTransform t = FullScreenTransform(c.size, c.dpr);
        const QPointF firstPixel = t.toScreen(QPointF(kCanvasOrigin) + QPointF(0.5, 0.5));
        const QPointF lastPixel = t.toScreen(QPointF(kCanvasOrigin) + QPointF(806.5, 536.5));
        EXPECT_EQ(CanvasPixelUnder(t, firstPixel, kCanvasOrigin), QPoint(0, 0));
        EXPECT_EQ(CanvasPixelUnder(t, lastPixel, kCanvasOrigin), QPoint(806, 536));
    }
}

}  // namespace
}  // namespace pintaloo
