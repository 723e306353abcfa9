// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 21 built-in colouring pages: black outlines on white, 807 x 561,
// two colours only, so the pencil can tell outline from paper exactly.
#include <QImage>
#include <QString>
#include <map>

#include "engine/canvas/picture.h"

namespace pintaloo {

class ColouringPages {
public:
    static constexpr int kFirst = 101;
    static constexpr int kLast = 121;
    static constexpr int kWidth = 807;
    static constexpr int kHeight = 561;

    // The page for a page number 101..121 (empty for any other).
    const Picture& page(int number);
    // The page as a two-colour image, for the picker's preview.
    QImage image(int number);
    static QString pagePath(int number);

private:
    std::map<int, Picture> pages_;
    std::map<int, QImage> images_;
};

// Makes a rendered page two-colour: dark pixels are outline (pure black),
// the rest paper (pure white).
QImage TwoColour(const QImage& rendered);

}  // namespace pintaloo
