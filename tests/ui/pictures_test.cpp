// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture the brushes and pickers use is there, at the size the
// painters and panels count on, and keeps its key colour where it belongs.
#include <gtest/gtest.h>

#include <random>

#include <QPainter>
#include <QResource>
#include <QSvgRenderer>
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "ui/art/art_store.h"
#include "ui/art/face_effects.h"
#include "ui/art/face_pack.h"
#include "ui/art/picture_library.h"
#include "theme_colours.h"
#include "engine/toolbox/picture_painters.h"
#include "engine/toolbox/colours_and_sizes.h"
#include "engine/toolbox/tools_table.h"
#include "window_fixture.h"

namespace pintaloo {
namespace {

struct StampSize {
    int number, width, height;
};

// Width x height of every stamp picture, by number.
const StampSize kStampSizes[] = {
    {122, 100, 70},  {123, 100, 94},  {124, 100, 100}, {125, 100, 63},  {126, 100, 85},  {127, 100, 100},
    {128, 100, 105}, {129, 100, 100}, {130, 100, 65},  {131, 100, 50},  {132, 100, 95},  {133, 100, 48},
    {134, 100, 38},  {138, 200, 180}, {139, 200, 200}, {140, 180, 200}, {141, 100, 103}, {142, 100, 81},
    {143, 100, 100}, {144, 120, 200}, {145, 150, 200}, {146, 160, 200}, {147, 125, 62},  {148, 100, 100},
    {149, 100, 100}, {150, 139, 200}, {151, 173, 200}, {152, 150, 200}, {153, 132, 200}, {154, 130, 200},
    {155, 130, 200}, {156, 100, 200}, {157, 200, 130}, {158, 100, 100}, {159, 100, 100}, {160, 100, 100},
    {161, 100, 100}, {162, 100, 100}, {163, 100, 100}, {164, 100, 100},
};

// Share of a picture that is not its key colour, i.e. what a stamp paints.
double Covered(const Picture& p, Colour key) {
    const auto n = std::count_if(p.pixels.begin(), p.pixels.end(), [key](Colour c) { return c != key; });
    return double(n) / double(p.pixels.size());
}

TEST(Pictures, EveryStampIsThereAtItsSizeAndPaintsASubject) {
    PictureLibrary library;
    for (const StampSize& s : kStampSizes) {
        const Picture* p = library.stamp(s.number);
        ASSERT_NE(p, nullptr) << "stamp " << s.number;
        EXPECT_EQ(p->width, s.width) << "stamp " << s.number;
        EXPECT_EQ(p->height, s.height) << "stamp " << s.number;
        EXPECT_GT(Covered(*p, kWhite), 0.25) << "stamp " << s.number << " is mostly see-through";
        EXPECT_LT(Covered(*p, kWhite), 0.98) << "stamp " << s.number << " has no see-through background";
    }
    // Every picture a category's slots can hold exists; the gap and the ends hold none.
    for (const ToolRow& c : ToolRows())
        for (int k = 0; k < c.pictures; ++k) EXPECT_NE(library.stamp(c.firstPicture + k), nullptr);
    EXPECT_EQ(library.stamp(121), nullptr);
    EXPECT_EQ(library.stamp(135), nullptr);
    EXPECT_EQ(library.stamp(165), nullptr);
}

TEST(Pictures, EveryModelIsThereAtItsSize) {
    struct Family {
        ModelFamily family;
        int count, size;
    };
    const Family families[] = {{ModelFamily::Balls, 24, 28},   {ModelFamily::Daisies, 3, 100},
                               {ModelFamily::Tangles, 8, 100}, {ModelFamily::Scribbles, 4, 70},
                               {ModelFamily::Stars, 4, 28},    {ModelFamily::Splats, 4, 100}};
    PictureLibrary library;
    for (const Family& f : families) {
        for (int i = 0; i < f.count; ++i) {
            const Picture* p = library.model(f.family, i);
            ASSERT_NE(p, nullptr) << int(f.family) << "/" << i;
            EXPECT_EQ(p->width, f.size);
            EXPECT_EQ(p->height, f.size);
            EXPECT_GT(Covered(*p, LookOf(f.family).key), 0.1) << int(f.family) << "/" << i;
            // The pointer lands on the figure: the point the family's
            // offset puts under it lies within what the picture paints.
            const ModelLook look = LookOf(f.family);
            int left = p->width, top = p->height, right = -1, bottom = -1;
            for (int y = 0; y < p->height; ++y)
                for (int x = 0; x < p->width; ++x)
                    if (p->at(x, y) != look.key) {
                        left = std::min(left, x), right = std::max(right, x);
                        top = std::min(top, y), bottom = std::max(bottom, y);
                    }
            EXPECT_TRUE(look.offset >= left && look.offset <= right && look.offset >= top && look.offset <= bottom)
                << int(f.family) << "/" << i << ": offset " << look.offset << " outside " << left << ".." << right
                << " x " << top << ".." << bottom;
        }
        EXPECT_EQ(library.model(f.family, f.count), nullptr);
    }
}

TEST(Pictures, BallsShowTheirSwatchColourAndDaisiesCoverInWhite) {
    PictureLibrary library;
    for (int i = 0; i < 24; ++i) {
        // The most common colour of a ball is its swatch's colour.
        const Picture& p = *library.model(ModelFamily::Balls, i);
        std::map<Colour, int> counts;
        for (Colour c : p.pixels)
            if (c != kWhite) ++counts[c];
        const auto most =
            std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; });
        const Colour want = kPalette[std::size_t(i)];
        const int distance = std::abs(RedOf(most->first) - RedOf(want)) +
                             std::abs(GreenOf(most->first) - GreenOf(want)) +
                             std::abs(BlueOf(most->first) - BlueOf(want));
        EXPECT_LT(distance, 24) << "ball " << i;
    }
    for (int i = 0; i < 3; ++i) {
        const Picture& daisy = *library.model(ModelFamily::Daisies, i);
        EXPECT_GT(std::count(daisy.pixels.begin(), daisy.pixels.end(), kWhite), 1500) << "daisy " << i;
        EXPECT_EQ(daisy.at(0, 0), LookOf(ModelFamily::Daisies).key);
        EXPECT_EQ(daisy.at(50, 50) == LookOf(ModelFamily::Daisies).key, false);  // the flower's centre shows
    }
}

TEST(Pictures, WindowArtworkIsThere) {
    const char* sized[][3] = {
        {"art/ui/tool_pencil", "46", "46"},
        {"art/ui/tool_models", "46", "46"},
        {"art/ui/tool_stamps", "46", "46"},
        {"art/ui/tool_fill", "46", "46"},
        {"art/ui/tool_eraser", "46", "46"},
        {"art/ui/tool_oil", "46", "46"},
        {"art/ui/tool_magic", "46", "46"},
        {"art/ui/tool_shapes", "46", "46"},
        {"art/ui/tool_letters", "46", "46"},
        {"art/ui/win_close", "50", "17"},
        {"art/ui/win_close_hot", "50", "17"},
        {"art/ui/win_minimise", "50", "17"},
        {"art/ui/win_minimise_hot", "50", "17"},
        {"art/ui/dog", "85", "50"},
        {"art/ui/title", "139", "30"},
        {"art/ui/clock", "123", "132"},
        {"art/ui/cmd_new_page", "49", "49"},
        {"art/ui/cmd_colouring_page_hot", "49", "49"},
        {"art/ui/cmd_save", "49", "49"},
        {"art/ui/cmd_help_hot", "49", "49"},
        {"art/ui/cursor_fill", "30", "30"},
        {"art/ui/cursor_pencil", "32", "32"},
        {"art/ui/background", "827", "728"},
        {"art/pickers/model_bricks", "50", "50"},
        {"art/pickers/cat_people", "50", "50"},
    };
    for (const auto& s : sized) {
        QSvgRenderer svg(QStringLiteral(":/%1.svg").arg(QLatin1String(s[0])));
        ASSERT_TRUE(svg.isValid()) << s[0];
        EXPECT_EQ(svg.defaultSize(), QSize(atoi(s[1]), atoi(s[2]))) << s[0];
    }
}

// The background drawn at build time must be the very picture the SVG gives,
// and must be shown from the program file itself, not silently drawn again
// at start; any other size or pixel ratio still gets a drawing of its own.
TEST(Pictures, TheWindowBackgroundComesReadyDrawnAndMatchesItsSvg) {
    const QString path = QStringLiteral(":/art/ui/background.svg");
    const QSize size(827, 728);
    const Backdrop& shown = ArtStore::instance().backdrop(path, size, 1.0);
    ASSERT_EQ(shown.size(), size);
    const QResource kept(QStringLiteral(":/art/ui/background-827x728.rows"));
    EXPECT_EQ(shown.rows().constBits(), kept.data() + (size.height() + 1) / 2 * 4)
        << "shown in place from the embedded rows";
    EXPECT_LT(shown.rows().height(), size.height() / 3) << "each distinct row kept once";

    QImage drawn(size, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    {
        QSvgRenderer svg(path);
        QPainter p(&drawn);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p);
    }
    EXPECT_EQ(shown.image(), drawn);
    EXPECT_EQ(qAlpha(drawn.pixel(0, 0)), 0) << "the rounded corner stays see-through";
    EXPECT_EQ(qAlpha(drawn.pixel(413, 400)), 255);

    // Any part painted, as a repaint under a hovered button does: exactly
    // the picture's pixels there, and nothing outside it.
    std::mt19937 random(7);
    for (int i = 0; i < 40; ++i) {
        const int x = int(random() % 827), y = int(random() % 728);
        const QRect area(x, y, 1 + int(random() % (827 - x)), 1 + int(random() % (i % 2 ? 60 : 728 - y)));
        SCOPED_TRACE(testing::Message() << area.x() << "," << area.y() << " " << area.width() << "x" << area.height());
        QImage painted(size, QImage::Format_ARGB32_Premultiplied);
        painted.fill(qRgba(1, 2, 3, 4));
        {
            QPainter p(&painted);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            shown.paint(p, area);
        }
        QImage expected(size, QImage::Format_ARGB32_Premultiplied);
        expected.fill(qRgba(1, 2, 3, 4));
        {
            QPainter p(&expected);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(area.topLeft(), drawn, area);
        }
        ASSERT_EQ(painted, expected);
    }

    struct Case {
        QSize size;
        qreal dpr;
    };
    for (const Case c : {Case{{400, 300}, 1.0}, Case{size, 2.0}}) {
        SCOPED_TRACE(testing::Message() << c.size.width() << "x" << c.size.height() << " at " << c.dpr);
        const QImage other = ArtStore::instance().backdrop(path, c.size, c.dpr).image();
        EXPECT_EQ(other.size(), c.size * c.dpr);
        EXPECT_EQ(other.devicePixelRatio(), c.dpr);
        EXPECT_EQ(qAlpha(other.pixel(other.width() / 2, other.height() / 2)), 255) << "drawn, not left empty";
    }
}

// Everything the window shows when it first appears was drawn by the build
// (the list in ui/CMakeLists.txt): a picture added to the window, or shown
// at a new size, without a place in that list is named here. Its own group,
// so no earlier test has drawn anything in this run.
using StartupArt = uitest::WindowTest;

TEST_F(StartupArt, NothingShownAtStartIsDrawnFromItsSvg) {
    ASSERT_FALSE(w().grab().isNull());  // every part painted once, as when the window first appears
    EXPECT_EQ(ArtStore::instance().drawnFromSvg(), QStringList());
    // The record itself: a size the build did not draw is drawn, and listed.
    ArtStore::instance().pixmap(QStringLiteral(":/art/ui/dog.svg"), {17, 10});
    EXPECT_EQ(ArtStore::instance().drawnFromSvg(), QStringList(QStringLiteral(":/art/ui/dog.svg@17x10")));
}

// A face the build drew is shown from the program file's own pixels, an
// opaque one (the clock) as well as one with see-through edges: a copy
// would take memory a running window need not hold.
TEST(PrerenderedFaces, AreShownFromTheProgramFile) {
    struct Face {
        const char* name;
        QSize size;
    };
    const QResource pack(QStringLiteral(":/art/faces.pack"));
    ASSERT_TRUE(pack.isValid());
    for (const Face f : {Face{"clock", {123, 132}}, Face{"dog", {85, 50}}}) {
        SCOPED_TRACE(f.name);
        const QString path = QStringLiteral(":/art/ui/%1.svg").arg(QLatin1String(f.name));
        const QImage shown = ArtStore::instance().pixmap(path, f.size, 1.0).toImage();
        EXPECT_EQ(static_cast<const void*>(shown.constBits()),
                  static_cast<const void*>(PrerenderedBytes(path, f.size).data()));
        EXPECT_GE(shown.constBits(), pack.data());
        EXPECT_LE(shown.constBits() + shown.sizeInBytes(), pack.data() + pack.size());
    }
}

// The pack finds every face it was given, byte for byte, and nothing else;
// a block cut short anywhere, or with a count that runs past its end, finds
// nothing outside itself.
TEST(PrerenderedFaces, ThePackFindsWhatItHoldsAndReadsNothingOutside) {
    std::mt19937 random(35);
    std::vector<FacePackEntry> entries;
    for (int i = 0; i < 40; ++i) {
        FacePackEntry e{"art/ui/face" + std::to_string(random() % 1000) + "-" + std::to_string(i) + ".argb32", {}};
        e.bytes.resize(random() % 300);
        for (auto& b : e.bytes) b = static_cast<unsigned char>(random());
        entries.push_back(std::move(e));
    }
    const std::vector<unsigned char> pack = MakeFacePack(entries);
    for (const FacePackEntry& e : entries) {
        const auto found = FindInFacePack(pack, e.name);
        ASSERT_TRUE(std::equal(found.begin(), found.end(), e.bytes.begin(), e.bytes.end())) << e.name;
        EXPECT_EQ(reinterpret_cast<quintptr>(found.data()) % 16, reinterpret_cast<quintptr>(pack.data()) % 16);
    }
    for (const char* missing : {"", "art/ui/face", "art/ui/zzz.argb32", "PFACES01"})
        EXPECT_TRUE(FindInFacePack(pack, missing).empty()) << missing;
    std::vector<unsigned char> lying = pack;
    std::fill_n(lying.begin() + 8, 4, 0xff);  // the count: more entries than the block has room for
    for (std::size_t cut = 0; cut < pack.size(); cut += 1 + cut / 8) {
        const std::span<const unsigned char> shortPack(pack.data(), cut);
        for (const FacePackEntry& e : entries) {
            const auto found = FindInFacePack(shortPack, e.name);
            EXPECT_LE(found.data() + found.size(), pack.data() + cut);
        }
    }
    EXPECT_TRUE(FindInFacePack(lying, entries.front().name).empty());
}

// The pressed tool faces the build drew are exactly the ones the program
// makes itself where the build drew none (another pixel ratio): a change to
// the pressed look, or a build step left behind, shows here.
TEST(PressedFaces, TheBuildsDrawingIsTheProgramsOwn) {
    for (const char* name :
         {"tool_pencil", "tool_models", "tool_stamps", "tool_fill", "tool_eraser", "tool_oil", "tool_magic", "tool_shapes",
          "tool_letters"}) {
        SCOPED_TRACE(name);
        const QString path = QStringLiteral(":/art/ui/%1.svg").arg(QLatin1String(name));
        ASSERT_FALSE(PrerenderedBytes(path, {46, 46}, QLatin1String("-pressed")).empty())
            << "the build drew no pressed face";
        const QImage built =
            ArtStore::instance().pressed(path, {46, 46}, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage made = PressedFace(LitFace(ArtStore::instance().pixmap(path, {46, 46}, 1.0).toImage()))
                                .convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(built.size(), QSize(46, 46));
        EXPECT_EQ(built, made);
        // Pressed means framed in the theme's warm colour, and the face still shows inside.
        EXPECT_EQ(built.pixel(23, 2), QColor(theme::BUTTON_YELLOW).rgba());
        EXPECT_NE(built.pixel(23, 23), built.pixel(23, 2));
    }
}

}  // namespace
}  // namespace pintaloo
