// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "test_support.h"
#include "engine/toolbox/picture_painters.h"
#include "engine/toolbox/colours_and_sizes.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {
namespace {

using testing::CountColour;
using testing::PaintedBounds;

constexpr Colour kPink = Rgb(236, 164, 244);
constexpr Colour kRed = Rgb(255, 0, 0);

class FakeStore final : public PictureStore {
public:
    const Picture* model(ModelFamily f, int index) override {
        auto it = models.find({int(f), index});
        return it == models.end() ? nullptr : &it->second;
    }
    const Picture* stamp(int n) override {
        auto it = stamps.find(n);
        return it == stamps.end() ? nullptr : &it->second;
    }
    StampLook stampLook() override { return look; }
    const ClearPicture* libraryStamp() override { return library.picture.empty() ? nullptr : &library; }
    std::map<std::pair<int, int>, Picture> models;
    std::map<int, Picture> stamps;
    StampLook look;
    ClearPicture library;
};

TEST(StampPlacement, PerspectiveBands) {
    // A 139 x 200 tree stamped at x 300: each band's divisor, at both ends of
    // the band where they matter.
    struct Case {
        int y, width, height, x, top;
    };
    const Case cases[] = {
        {60, 46, 67, 277, 27},      // 139 / 3 = 46.33, 200 / 3 = 66.67
        {61, 56, 80, 272, 21},      // 139 / 2.5 = 55.6
        {460, 139, 200, 230, 360},  // 300 - 69.5 = 230.5, to even 230
        {461, 174, 250, 213, 336},  // 173.75
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.y);
        StampPlacement p{};
        ASSERT_TRUE(PlaceStamp(150, 139, 200, 300, std::int16_t(c.y), p));
        EXPECT_EQ(p.width, c.width);
        EXPECT_EQ(p.height, c.height);
        EXPECT_EQ(p.x, c.x);
        EXPECT_EQ(p.y, c.top);
    }
    StampPlacement p{};
    EXPECT_FALSE(PlaceStamp(150, 139, 200, 300, -1, p));
}

TEST(StampPlacement, SunsAndCloudsKeepTheirSize) {
    for (int n : {141, 142, 143, 147, 148, 149}) {
        for (int y : {0, 30, 200, 500}) {
            StampPlacement p{};
            ASSERT_TRUE(PlaceStamp(n, 100, 81, 200, std::int16_t(y), p));
            EXPECT_EQ(p.width, 100);
            EXPECT_EQ(p.height, 81);
            EXPECT_EQ(p.x, 150);
            EXPECT_EQ(p.y, y - 40);  // 40.5 rounds to even 40
        }
    }
}

TEST(ModelPainters, OffsetsAndKeys) {
    Surface canvas;
    canvas.clear(Rgb(0, 0, 255));
    FakeStore store;
    Picture ball(28, 28, kWhite);
    ball.at(0, 0) = kRed;
    ball.at(27, 27) = kRed;
    store.models[{int(ModelFamily::Balls), 3}] = ball;
    Picture daisy(100, 100, kPink);
    for (int y = 40; y < 60; ++y)
        for (int x = 40; x < 60; ++x) daisy.at(x, y) = kWhite;  // white petals cover
    store.models[{int(ModelFamily::Daisies), 0}] = daisy;
    SurfacePicturePainters painters(canvas, store);

    painters.DrawBallModel(100, 100, 3);  // hangs down and right: corner 10 up-left
    EXPECT_EQ(canvas.point(90, 90), std::int32_t(kRed));
    EXPECT_EQ(canvas.point(117, 117), std::int32_t(kRed));
    EXPECT_EQ(canvas.point(100, 100), std::int32_t(Rgb(0, 0, 255)));  // white left out
    painters.DrawDaisyModel(300, 300, 0);                             // centred
    EXPECT_EQ(canvas.point(300, 300), std::int32_t(kWhite));
    EXPECT_EQ(canvas.point(290, 290), std::int32_t(kWhite));
    EXPECT_EQ(canvas.point(260, 260), std::int32_t(Rgb(0, 0, 255)));  // pink left out
    EXPECT_EQ(CountColour(canvas, kWhite), 400);
    painters.DrawBallModel(100, 100, 4);  // missing picture: nothing
    painters.DrawDaisyModel(0, 0, 0);     // clipped at the corner, no fault
    EXPECT_EQ(canvas.point(0, 0), std::int32_t(kWhite));
}

TEST(StampPainter, StretchesCentredAndLeavesWhiteOut) {
    Surface canvas;
    FakeStore store;
    Picture person(100, 200, kWhite);
    for (int y = 0; y < 200; ++y)
        for (int x = 45; x <= 55; ++x) person.at(x, y) = kRed;
    store.stamps[156] = person;
    SurfacePicturePainters painters(canvas, store);
    painters.DrawStampPicture(400, 100, 156);  // band 61..160: shrunk to 40 x 80
    EXPECT_EQ(PaintedBounds(canvas), (Rect{398, 60, 402, 140}));
    EXPECT_EQ(CountColour(canvas, kRed), 4 * 80);
    canvas.clear();
    painters.DrawStampPicture(400, 30, 156);  // near the top edge: a third, clipped
    EXPECT_EQ(PaintedBounds(canvas), (Rect{398, 0, 401, 30 + 34}));
    const Rect before = PaintedBounds(canvas);
    canvas.takeDirty();
    painters.DrawStampPicture(400, 30, 999);  // unknown picture: nothing
    EXPECT_EQ(PaintedBounds(canvas), before);
    EXPECT_TRUE(canvas.dirty().empty());
}

// A collection's stamp in four quarters (red solid, blue half clear, green
// solid, clear) laid at each look, read back at the quarters' middles.
TEST(StampPainter, LibraryStampLooks) {
    constexpr Colour kBlue = Rgb(0, 0, 255), kGreen = Rgb(0, 255, 0), kHalfBlue = Rgb(127, 127, 255);
    struct Case {
        const char* what;
        StampLook look;
        StampColouring colouring;
        Colour chosen, outline;
        Colour topLeft, topRight, bottomLeft, bottomRight;
        int width;
    };
    const Case cases[] = {
        {"medium", {}, StampColouring::Own, kBlack, kBlack, kRed, kHalfBlue, kGreen, kWhite, 96},
        {"small", {0}, StampColouring::Own, kBlack, kBlack, 0, 0, 0, 0, 48},
        {"large", {2}, StampColouring::Own, kBlack, kBlack, kRed, kHalfBlue, kGreen, kWhite, 144},
        {"huge", {3}, StampColouring::Own, kBlack, kBlack, kRed, kHalfBlue, kGreen, kWhite, 192},
        {"mirrored", {1, true}, StampColouring::Own, kBlack, kBlack, kHalfBlue, kRed, kWhite, kGreen, 96},
        {"flipped", {1, false, true}, StampColouring::Own, kBlack, kBlack, kGreen, kWhite, kRed, kHalfBlue, 96},
        {"colourable", {}, StampColouring::Colourable, Rgb(200, 100, 0), kBlack, Rgb(60, 30, 0), Rgb(139, 133, 127),
         Rgb(118, 59, 0), kWhite, 96},
        {"tintable", {}, StampColouring::Tintable, kGreen, kBlack, kGreen, Rgb(127, 255, 127), kGreen, kWhite, 96},
        // red is the outline: the red quarter lands one step beside it (line
        // art drawn in the outline colour still shows whole), and the outline
        // down the right quarters (the column at x 424) stays
        {"outline", {}, StampColouring::Own, kBlack, kRed, Rgb(254, 1, 1), kRed, kGreen, kRed, 96},
        {"colourable black", {}, StampColouring::Colourable, kBlack, kBlack, Rgb(1, 1, 1), Rgb(128, 128, 128), Rgb(1, 1, 1),
         kWhite, 96},
    };
    Picture quarters(4, 4, kWhite);
    std::vector<std::uint8_t> alpha(16, 255);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            quarters.at(x, y) = y < 2 ? (x < 2 ? kRed : kBlue) : (x < 2 ? kGreen : kWhite);
            alpha[std::size_t(y * 4 + x)] = y < 2 ? (x < 2 ? 255 : 128) : (x < 2 ? 255 : 0);
        }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Surface canvas;
        if (c.outline == kRed) canvas.line(424, 300, 424, 530, kRed);
        FakeStore store;
        store.look = c.look;
        store.library = {quarters, alpha, c.colouring, 1.0, false, true, true};
        SurfacePicturePainters painters(canvas, store);
        painters.DrawLibraryStamp(400, 460, c.chosen, c.outline);  // the band where the divisor is 1
        const Rect painted = canvas.dirty();
        EXPECT_EQ(painted.width(), c.width);
        if (c.width != 96) continue;
        EXPECT_EQ(Colour(canvas.point(376, 436)), c.topLeft);
        EXPECT_EQ(Colour(canvas.point(424, 436)), c.topRight);
        EXPECT_EQ(Colour(canvas.point(376, 484)), c.bottomLeft);
        EXPECT_EQ(Colour(canvas.point(424, 484)), c.bottomRight);
    }
}

// The program's own stamps at their medium size and unturned land as they
// always did; turned, they are the same pixels turned.
TEST(StampPainter, OwnStampsTurnAndKeepTheirMediumSize) {
    Picture arrow(20, 10, kWhite);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x <= y; ++x) arrow.at(x, y) = kRed;
    FakeStore store;
    store.stamps[156] = arrow;
    Surface plain, medium, mirrored;
    SurfacePicturePainters(plain, store).DrawStampPicture(400, 460, 156);
    SurfacePicturePainters(medium, store).DrawStamp(400, 460, 156, kBlack, kBlack);
    store.look.mirrored = true;
    SurfacePicturePainters(mirrored, store).DrawStamp(400, 460, 156, kBlack, kBlack);
    EXPECT_TRUE(std::equal(plain.data(), plain.data() + 807 * 537, medium.data()));
    for (int y = 455; y < 465; ++y)
        for (int x = 390; x < 410; ++x)
            EXPECT_EQ(plain.point(x, y), mirrored.point(390 + 409 - x, y)) << x << "," << y;
}

TEST(ToolTables, StampPictures) {
    struct Case {
        Tool tool;
        int variant;
        int picture;  // 0: none
    };
    const Case cases[] = {
        {Tool::StampAnimals, 7, 129}, {Tool::StampVehicles, 4, 134}, {Tool::StampVehicles, 5, 0},
        {Tool::StampFlowers, 0, 158}, {Tool::StampPeople, 7, 157},   {Tool::None, 0, 0},
        {Tool::StampAnimals, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToolNumber(c.tool) * 100 + c.variant);
        EXPECT_EQ(StampPictureFor(c.tool, c.variant).value_or(0), c.picture);
    }
}

// Each column of the palette plays its own tone, the greys (the last
// three swatches) one more; outside the palette there is none.
TEST(Palette, EachColumnHasItsTone) {
    std::set<std::int16_t> tones;
    for (int i = 0; i < 24; ++i) {
        ASSERT_TRUE(ToneForSwatch(i)) << i;
        tones.insert(*ToneForSwatch(i));
        for (int j = 0; j < 24; ++j) {
            const bool sameColumn = i >= 21 ? j >= 21 : j < 21 && i % 7 == j % 7;
            EXPECT_EQ(ToneForSwatch(i) == ToneForSwatch(j), sameColumn) << i << " and " << j;
        }
    }
    EXPECT_EQ(tones.size(), 8u);
    for (int outside : {-1, 24, 1000}) EXPECT_FALSE(ToneForSwatch(outside)) << outside;
}

// Every whole height of the page has a divisor, never smaller further up;
// above and below the page there is none (the exact bands are pinned by
// StampPlacement.PerspectiveBands).
TEST(Perspective, ShrinksFurtherUpAndOnlyOnThePage) {
    double below = 0;
    for (int y = 560; y >= 0; --y) {
        const auto f = PerspectiveFactor(y);
        ASSERT_TRUE(f) << y;
        EXPECT_GE(*f, below) << y;
        below = *f;
    }
    for (double outside : {-1.0, -0.5, 560.5, 561.0}) EXPECT_FALSE(PerspectiveFactor(outside)) << outside;
}

// The faults the tool rows are checked for, each in a small made-up table
// of two rows: the first sound, the second breaking it.
void Paints(Brush&, std::int16_t, std::int16_t) {}
TEST(ToolRows, EachFaultIsFound) {
    constexpr ToolRow kModel{.tool = Tool(40), .paint = Paints, .button = ToolButton::Models, .entry = 0, .cell = 0,
                             .art = "a"};
    const auto second = [&](auto change) {
        ToolRow r = kModel;
        r.tool = Tool(41);
        r.entry = 1;
        r.cell = 1;
        change(r);
        return std::vector<ToolRow>{kModel, r};
    };
    const auto noEntry = [](ToolRow& r) {
        r.entry = r.cell = -1;
        r.art = nullptr;
    };
    struct Case {
        const char* fault;  // empty: none
        std::vector<ToolRow> rows;
    };
    const Case cases[] = {
        {"", second([](ToolRow&) {})},
        {"number is taken twice", second([](ToolRow& r) { r.tool = Tool(40); })},
        {"a number no tool may have", second([](ToolRow& r) { r.tool = Tool::None; })},
        {"a number no tool may have", second([](ToolRow& r) { r.tool = Tool(0); })},
        {"no painter", second([](ToolRow& r) { r.paint = nullptr; })},
        {"entry is taken twice", second([](ToolRow& r) { r.entry = 0; })},
        {"cell is taken twice", second([](ToolRow& r) { r.cell = 0; })},
        {"leaves a gap", second([](ToolRow& r) { r.entry = 2; })},
        {"a cell and a picture", second([](ToolRow& r) { r.art = nullptr; })},
        {"a cell and a picture", second([](ToolRow& r) { r.cell = -1; })},
        {"no button", second([](ToolRow& r) { r.button = ToolButton::None; })},
        {"a stamp without pictures", second([](ToolRow& r) { r.button = ToolButton::Stamps; })},
        {"a name needs a help line", second([](ToolRow& r) { r.name = "tool.x"; })},
        {"chooses another tool", second(noEntry)},  // a picker's button choosing a tool itself
        {"", second([&](ToolRow& r) {
             noEntry(r);
             r.button = ToolButton::Pencil;
         })},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        const std::vector<std::string> faults = ToolRowFaults(c.rows);
        if (!*c.fault) {
            EXPECT_TRUE(faults.empty()) << faults.front();
            continue;
        }
        EXPECT_TRUE(std::any_of(faults.begin(), faults.end(),
                                [&](const std::string& f) { return f.find(c.fault) != std::string::npos; }));
    }
    // Two tools on a button that chooses one itself.
    std::vector<ToolRow> pencils = second(noEntry);
    pencils[0].button = pencils[1].button = ToolButton::Pencil;
    pencils[0].entry = pencils[0].cell = -1;
    pencils[0].art = nullptr;
    EXPECT_EQ(ToolRowFaults(pencils).size(), 2u);
    // And every tool of the program's is sound.
    for (const std::string& f : ToolRowFaults()) ADD_FAILURE() << f;
}

}  // namespace
}  // namespace pintaloo
