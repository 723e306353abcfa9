#include <gtest/gtest.h>

#include <map>

#include "canvas/picture_painters.h"
#include "test_support.h"
#include "toolbox/tool_tables.h"

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
    StampPlacement p{};
    ASSERT_TRUE(PlaceStamp(150, 139, 200, 300, 60, p));
    EXPECT_EQ(p.width, 46);   // 139 / 3 = 46.33
    EXPECT_EQ(p.height, 67);  // 66.67
    ASSERT_TRUE(PlaceStamp(150, 139, 200, 300, 61, p));
    EXPECT_EQ(p.width, 56);   // 139 / 2.5 = 55.6
    EXPECT_EQ(p.height, 80);
    ASSERT_TRUE(PlaceStamp(150, 139, 200, 300, 460, p));
    EXPECT_EQ(p.width, 139);
    EXPECT_EQ(p.height, 200);
    EXPECT_EQ(p.x, 300 - 70);  // 300 - 69.5 = 230.5, to even 230
    EXPECT_EQ(p.y, 360);
    ASSERT_TRUE(PlaceStamp(150, 139, 200, 300, 461, p));
    EXPECT_EQ(p.width, 174);  // 173.75
    EXPECT_EQ(p.height, 250);
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
    painters.DrawDaisyModel(300, 300, 0);  // centred
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
    painters.DrawStampPicture(400, 30, 999);  // unknown picture: nothing
}

TEST(ToolTables, StampRangesAndTones) {
    EXPECT_EQ(StampPictureFor(22, 7).value(), 129);
    EXPECT_EQ(StampPictureFor(23, 4).value(), 134);
    EXPECT_FALSE(StampPictureFor(23, 5).has_value());
    EXPECT_EQ(StampPictureFor(24, 0).value(), 158);
    EXPECT_EQ(StampPictureFor(29, 7).value(), 157);
    EXPECT_FALSE(StampPictureFor(21, 0).has_value());
    EXPECT_EQ(ToneForSwatch(0).value(), 77);
    EXPECT_EQ(ToneForSwatch(14).value(), 77);
    EXPECT_EQ(ToneForSwatch(13).value(), 99);
    EXPECT_EQ(ToneForSwatch(21).value(), 101);
    EXPECT_EQ(ToneForSwatch(23).value(), 101);
    EXPECT_FALSE(ToneForSwatch(24).has_value());
    EXPECT_EQ(kModelTools[5], 10);
    EXPECT_EQ(kModelTools[6], 9);
    EXPECT_FALSE(PerspectiveFactor(60.5).has_value());
    EXPECT_EQ(PerspectiveFactor(500).value(), 0.8);
}

}  // namespace
}  // namespace pintaloo
