// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/toolbox/colours_and_sizes.h"

namespace pintaloo {

const std::array<Colour, 24> kPalette = {
    Rgb(64, 0, 0),      Rgb(128, 64, 64),   Rgb(128, 128, 0),   Rgb(0, 64, 0),      Rgb(0, 64, 64),
    Rgb(0, 0, 64),      Rgb(64, 0, 64),     Rgb(128, 0, 0),     Rgb(255, 128, 0),   Rgb(255, 255, 0),
    Rgb(0, 192, 0),     Rgb(0, 192, 192),   Rgb(0, 0, 255),     Rgb(255, 0, 255),   Rgb(255, 0, 0),
    Rgb(255, 192, 128), Rgb(255, 255, 128), Rgb(128, 255, 128), Rgb(128, 255, 255), Rgb(128, 128, 255),
    Rgb(255, 128, 255), Rgb(22, 22, 22),    Rgb(128, 128, 128), Rgb(245, 245, 245),
};

std::optional<std::int16_t> ToneForSwatch(int index) {
    static constexpr std::array<std::int16_t, 8> kTones = {77, 81, 85, 87, 91, 95, 99, 101};
    if (index < 0 || index > 23) return std::nullopt;
    if (index >= 21) return kTones[7];
    return kTones[std::size_t(index % 7)];
}

const std::array<BrushSizeEntry, 4> kBrushSizes = {{{13, 5}, {8, 3}, {4, 1}, {20, 8}}};

std::optional<double> PerspectiveFactor(double y) {
    struct Band {
        double from, to, factor;
    };
    static constexpr Band kBands[] = {{0, 60, 3},      {61, 160, 2.5}, {161, 260, 2},
                                      {261, 360, 1.5}, {361, 460, 1},  {461, 560, 0.8}};
    for (const auto& b : kBands)
        if (y >= b.from && y <= b.to) return b.factor;
    return std::nullopt;
}

}  // namespace pintaloo
