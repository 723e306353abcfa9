// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>

#include "test_support.h"
#include "engine/toolbox/picture_painters.h"
#include "engine/toolbox/tool_tables.h"
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
    std::map<std::pair<int, int>, Picture> models;
    std::map<int, Picture> stamps;
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

TEST(ModelPainters, EachFamilyHasItsOffsetAndKey) {
    EXPECT_EQ(LookOf(ModelFamily::Balls).offset, 10);
    EXPECT_EQ(LookOf(ModelFamily::Stars).offset, 10);
    EXPECT_EQ(LookOf(ModelFamily::Scribbles).offset, 20);
    EXPECT_EQ(LookOf(ModelFamily::Tangles).offset, 50);
    EXPECT_EQ(LookOf(ModelFamily::Splats).offset, 50);
    EXPECT_EQ(LookOf(ModelFamily::Daisies).key, kPink);
    EXPECT_EQ(LookOf(ModelFamily::Splats).key, kWhite);
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

TEST(ToolTables, StampCategoryButtonsKeepTheirNumbers) {
    // Out-of-range items give the numbers that always followed on from the
    // stamp tools; the state dump and scripts depend on them.
    const std::pair<int, int> cases[] = {{0, 22}, {3, 25}, {7, 29}, {8, 30}, {-1, 21}, {-22, 0}};
    for (const auto& [item, number] : cases) EXPECT_EQ(ToolNumber(StampCategoryTool(item)), number) << item;
    for (std::size_t i = 0; i < kStampCategories.size(); ++i)
        EXPECT_EQ(StampCategoryTool(int(i)), kStampCategories[i].toolMode);
}

TEST(ToolTables, TonesModelsAndPerspective) {
    const std::pair<int, int> tones[] = {{0, 77}, {14, 77}, {13, 99}, {21, 101}, {23, 101}, {24, 0}, {-1, 0}};
    for (const auto& [swatch, tone] : tones) EXPECT_EQ(ToneForSwatch(swatch).value_or(0), tone) << swatch;
    const std::pair<double, double> factors[] = {{0, 3},     {60, 3},    {60.5, 0}, {61, 2.5},
                                                 {500, 0.8}, {560, 0.8}, {561, 0},  {-1, 0}};
    for (const auto& [y, factor] : factors) EXPECT_EQ(PerspectiveFactor(y).value_or(0), factor) << y;
}

}  // namespace
}  // namespace pintaloo
