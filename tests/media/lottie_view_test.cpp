// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottie_view.h"
#include "resource_unpack.h"
#include "test_support.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

namespace pintaloo {
namespace {

using State = AnimationPlayer::State;

class LottieViewTest : public ::testing::Test {
protected:
    std::string movie(int16_t number) {
        const std::string path = scratch / ("tmpfile" + std::to_string(number) + ".json");
        EXPECT_TRUE(ExtractResource(number, path));
        return path;
    }
    test::Scratch scratch;
    LottieView view;
};

TEST_F(LottieViewTest, TheProgramsMoviesAreSeventyFramesAtFifteenOnTheStage) {
    for (const int16_t number : {1016, 1017, 1018}) {
        view.setMovie(movie(number));
        EXPECT_EQ(view.state(), State::Stopped) << number;
        EXPECT_EQ(view.frameCount(), 70) << number;
        EXPECT_DOUBLE_EQ(view.frameRate(), 15.0) << number;
        EXPECT_EQ(view.movieSize(), QSize(777, 489)) << number;
    }
}

TEST_F(LottieViewTest, PlaysOnceFromTheStartStopsAndEmpties) {
    view.Play();
    EXPECT_EQ(view.state(), State::Empty);
    EXPECT_EQ(view.currentFrame(), -1);

    view.setMovie(movie(1016));
    const QImage first = view.frameImage();
    view.Play();
    EXPECT_EQ(view.state(), State::Playing);
    ASSERT_TRUE(QTest::qWaitFor([this] { return view.currentFrame() >= 35; }, 10000));
    view.Stop();
    const int held = view.currentFrame();
    EXPECT_NE(view.frameImage(), first);
    QTest::qWait(200);
    EXPECT_EQ(view.state(), State::Stopped);
    EXPECT_EQ(view.currentFrame(), held);

    QElapsedTimer clock;
    clock.start();
    view.Play();
    EXPECT_EQ(view.currentFrame(), 0);
    ASSERT_TRUE(QTest::qWaitFor([this] { return view.state() != State::Playing; }, 20000));
    EXPECT_EQ(view.state(), State::Stopped);
    EXPECT_EQ(view.currentFrame(), 69);
    EXPECT_GE(clock.elapsed(), 4600);  // 70 frames at 15 a second

    test::writeFile(scratch / "broken.json", R"({"v":"5.7.4","fr":15,"layers":[)");
    for (const std::string& name :
         {std::string("   "), std::string(), scratch / "missing.json", scratch / "broken.json"}) {
        view.setMovie(movie(1017));
        view.Play();
        view.setMovie(name);
        EXPECT_EQ(view.state(), State::Empty) << '"' << name << '"';
        EXPECT_EQ(view.currentFrame(), -1);
        EXPECT_TRUE(view.frameImage().isNull());
    }
    QTest::qWait(100);  // nothing left running that could bring a frame back
    EXPECT_EQ(view.state(), State::Empty);
}

TEST_F(LottieViewTest, ShowsThePanelWhenEmptyAndTheWholeStageCentred) {
    const QColor panel = view.palette().window().color();
    const QImage empty = view.grab().toImage();
    ASSERT_EQ(empty.size(), QSize(777, 489));
    for (int y = 0; y < empty.height(); y += 7)
        for (int x = 0; x < empty.width(); x += 7) ASSERT_EQ(empty.pixelColor(x, y), panel) << x << "," << y;

    // Twice the stage's width: the stage keeps its shape, panel either side.
    view.setMovie(movie(1016));
    view.resize(2 * 777, 489);
    const QImage shown = view.grab().toImage();
    EXPECT_EQ(shown.pixelColor(100, 244), panel);
    EXPECT_EQ(shown.pixelColor(1454, 244), panel);
    EXPECT_NE(shown.pixelColor(777, 20), panel);
    EXPECT_EQ(view.frameImage().size(), QSize(777, 489));
}

}  // namespace
}  // namespace pintaloo
