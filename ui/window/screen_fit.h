// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How big the window is drawn on a given screen, and where a press on that
// screen lands in the window's own 827 x 728 coordinates. Pure arithmetic, no
// widgets, so every screen size can be checked without one.
//
// Crispness: the art is drawn for one device pixel per window pixel. Scaling
// it by a device factor that is a whole number of eighths (0.875, 0.75, 1.375,
// 2.875, ...) maps every block of 8 window pixels onto a whole number of
// device pixels, so edges repeat the same way across the window instead of
// drifting and smearing. Both the fitted window and full screen therefore
// choose the largest eighth that fits; only a screen too small for even one
// eighth gets the exact, uneven factor.
#include <QPointF>
#include <QSize>
#include <QSizeF>

namespace pintaloo {

// The window's own size in window pixels (its client area).
inline constexpr QSize kWindowLogicalSize{827, 728};

// A uniform scale and a shift: window pixel -> screen position (in the
// device-independent pixels Qt places widgets with).
struct ScreenTransform {
    double scale = 1.0;
    QPointF offset;  // where window pixel (0, 0) lands

    QPointF toScreen(QPointF windowPoint) const { return offset + windowPoint * scale; }
    // The inverse of toScreen: the window pixel under a press.
    QPointF toWindow(QPointF screenPoint) const { return (screenPoint - offset) / scale; }
};

struct WindowFit {
    double scale = 1.0;  // 1 when the window fits as designed, less otherwise
    QSize size;          // the window's size on screen (device-independent pixels, rounded up)
};

// The scale <= 1 that makes the window fit the available area of a screen
// (device-independent pixels, as QScreen::availableGeometry gives it) at the
// desktop's scale `devicePixelRatio`. An empty or absurd area keeps scale 1:
// a window too big is better than none.
WindowFit FitWindow(QSizeF available, double devicePixelRatio, QSize logical = kWindowLogicalSize);

// Full screen: the largest even scale (up or down) at which the whole window
// fits the screen, centred; the offset falls on whole device pixels.
ScreenTransform FullScreenTransform(QSizeF screen, double devicePixelRatio, QSize logical = kWindowLogicalSize);

// The window pixel (whole numbers, as the canvas counts them) under a screen
// position, given the canvas's place inside the window.
QPoint CanvasPixelUnder(const ScreenTransform& t, QPointF screenPoint, QPoint canvasOrigin);

}  // namespace pintaloo
