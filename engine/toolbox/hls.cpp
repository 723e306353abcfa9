// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/toolbox/hls.h"

#include <cmath>

namespace pintaloo {

namespace {
std::int32_t ToByte(float v) {
    const float scaled = v * 255.0f;                                   // single precision, as stored
    return static_cast<std::int32_t>(std::nearbyint(double(scaled)));  // half to even
}
}  // namespace

void SetHLS(EditorState& s, std::int16_t H, std::int16_t L, std::int16_t S) {
    const float h = float(double(H) / 60.0 - 1.0);
    const float l = float(double(L) / 100.0);
    const float sat = float(double(S) / 100.0);
    float red, green, blue;
    if (sat == 0.0f) {
        red = green = blue = l;
    } else {
        float mn;
        if (l <= 0.5f) {
            const float oneMinusS = 1.0f - sat;
            mn = l * oneMinusS;
        } else {
            const float oneMinusL = 1.0f - l;
            const float t = oneMinusL * sat;
            mn = l - t;
        }
        const float twoL = 2.0f * l;
        const float mx = twoL - mn;
        const float delta = mx - mn;
        if (h < 0.0f) {
            red = mx;
            green = mn;
            const float t = h * delta;
            blue = mn - t;
        } else if (h < 1.0f) {
            red = mx;
            blue = mn;
            const float t = h * delta;
            green = t + mn;
        } else if (h < 2.0f) {
            green = mx;
            blue = mn;
            const float hm = h - 2.0f;
            const float t = hm * delta;
            red = mn - t;
        } else if (h < 3.0f) {
            green = mx;
            red = mn;
            const float hm = h - 2.0f;
            const float t = hm * delta;
            blue = t + mn;
        } else if (h < 4.0f) {
            blue = mx;
            red = mn;
            const float hm = h - 4.0f;
            const float t = hm * delta;
            green = mn - t;
        } else {
            blue = mx;
            green = mn;
            const float hm = h - 4.0f;
            const float t = hm * delta;
            red = t + mn;
        }
    }
    s.HlsRed = ToByte(red);
    s.HlsGreen = ToByte(green);
    s.HlsBlue = ToByte(blue);
}

void FillHueTable(EditorState& s) {
    for (int h = 0; h <= 360; ++h) {
        SetHLS(s, std::int16_t(h), 50, 100);
        s.HueTable[std::size_t(h)] = Rgb(s.HlsRed, s.HlsGreen, s.HlsBlue);
    }
}

}  // namespace pintaloo
