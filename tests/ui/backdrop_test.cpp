// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// The picture around the window in full screen, at the address the program embeds it under.
constexpr const char* kBackdrop = ":/art/ui/fullscreen_backdrop.svg";

TEST(BackdropTest, CoversEveryScreenShapeWithSky) {
    QSvgRenderer svg{QString::fromLatin1(kBackdrop)};
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.defaultSize(), QSize(1920, 1080));
    // Scaled to cover, centred: what full screen does on screens of other shapes.
    svg.setAspectRatioMode(Qt::KeepAspectRatioByExpanding);
    for (const QSize screen : {QSize(1920, 1080), QSize(1024, 768), QSize(1280, 800), QSize(800, 600)}) {
        SCOPED_TRACE(testing::Message() << screen.width() << "x" << screen.height());
        QImage img(screen, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        svg.render(&p);
        p.end();
        // Nothing left see-through and no dark seam along any edge: the screen behind never shows.
        for (int x = 0; x < img.width(); x += 5) {
            for (int y : {0, img.height() - 1}) {
                const QColor c = img.pixelColor(x, y);
                ASSERT_EQ(c.alpha(), 255) << x << "," << y;
                ASSERT_GT(c.lightness(), 150) << x << "," << y;
            }
        }
        for (int y = 0; y < img.height(); y += 5) {
            for (int x : {0, img.width() - 1}) {
                const QColor c = img.pixelColor(x, y);
                ASSERT_EQ(c.alpha(), 255) << x << "," << y;
                ASSERT_GT(c.lightness(), 150) << x << "," << y;
            }
        }
    }
}

}  // namespace
