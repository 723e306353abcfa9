// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 21 built-in colouring pages: black outlines on white, 807 x 561,
// two colours only, so the pencil can tell outline from paper exactly.
// After them come the own pages (own_pages.h), made two-colour the same
// way: page numbers 122 onwards, in their folders' order.
#include <QImage>
#include <QString>
#include <map>

#include "engine/canvas/picture.h"
#include "ui/files/own_pages.h"

namespace pintaloo {

class ColouringPages {
public:
    static constexpr int kFirst = 101;
    static constexpr int kLast = 121;
    static constexpr int kWidth = 807;
    static constexpr int kHeight = 561;
    static constexpr int kLastOwn = kLast + OwnPages::kMostPages;  // the highest number an own page can have

    // The page for a page number 101..121, or an own page's from 122
    // (empty for any other, and for an own page whose file was refused).
    // (An own page is held until the next one is asked for.)
    const Picture& page(int number);
    // The page as a two-colour image, for the picker's preview.
    QImage image(int number);
    static QString pagePath(int number);
    // The last page number: 121 and one more for each own page. Only with
    // `read` is the folders' listing read (the first time the picker shows).
    int lastNumber(bool read);
    OwnPages& own() { return own_; }
    const OwnPages& own() const { return own_; }
    // The own page a number stands for, or null.
    const OwnPage* ownPage(int number);

private:
    OwnPages own_;
    bool ownRead_ = false;
    Picture ownPage_;
    std::map<int, Picture> pages_;
    std::map<int, QImage> images_;
};

// Makes a rendered page two-colour: dark pixels are outline (pure black),
// the rest paper (pure white).
QImage TwoColour(const QImage& rendered);

}  // namespace pintaloo
