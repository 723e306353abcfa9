// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/screen_fit.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pintaloo {

namespace {

constexpr double kSteps = 8.0;  // device scales are whole eighths

// The largest device scale, in eighths, not above `limit`; 0 when even one
// eighth is too big.
double LargestEighthAtMost(double limit) {
    // A hair of tolerance: 1080 / 720 must give exactly 1.5, not 1.375.
    return std::floor(limit * kSteps + 1e-9) / kSteps;
}

bool Usable(QSizeF s, double dpr) {
    return std::isfinite(s.width()) && std::isfinite(s.height()) && s.width() >= 1 && s.height() >= 1 &&
           std::isfinite(dpr) && dpr > 0;
}

QSize RoundedUp(QSize logical, double scale) {
    // The fraction of a pixel left over is a sliver of background, never cut art.
    return {int(std::ceil(logical.width() * scale - 1e-9)), int(std::ceil(logical.height() * scale - 1e-9))};
}

// The largest scale at which `logical` fits inside `area`, as a device scale
// in eighths when one fits, the exact ratio otherwise.
double EvenScale(QSizeF area, double dpr, QSize logical, double ceiling) {
    const double exact = std::min({area.width() / logical.width(), area.height() / logical.height(), ceiling});
    const double device = LargestEighthAtMost(exact * dpr);
    return device > 0 ? device / dpr : exact;
}

}  // namespace

WindowFit FitWindow(QSizeF available, double devicePixelRatio, QSize logical) {
    if (!Usable(available, devicePixelRatio) || logical.isEmpty()) return {1.0, logical};
    if (logical.width() <= available.width() && logical.height() <= available.height()) return {1.0, logical};
    const double scale = EvenScale(available, devicePixelRatio, logical, 1.0);
    return {scale, RoundedUp(logical, scale)};
}

ScreenTransform FullScreenTransform(QSizeF screen, double devicePixelRatio, QSize logical) {
    if (!Usable(screen, devicePixelRatio) || logical.isEmpty()) return {};
    const double scale = EvenScale(screen, devicePixelRatio, logical, std::numeric_limits<double>::infinity());
    // Centred, with the corner on a whole device pixel so the art grid stays aligned.
    auto centred = [&](double room, int length) {
        return std::floor((room - length * scale) / 2 * devicePixelRatio) / devicePixelRatio;
    };
    return {scale, QPointF(centred(screen.width(), logical.width()), centred(screen.height(), logical.height()))};
}

QPoint CanvasPixelUnder(const ScreenTransform& t, QPointF screenPoint, QPoint canvasOrigin) {
    const QPointF w = t.toWindow(screenPoint) - QPointF(canvasOrigin);
    return {int(std::floor(w.x())), int(std::floor(w.y()))};
}

}  // namespace pintaloo
