// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/lottie_view.h"
#include "ui/platform/lottie_library.h"
#include "ui/platform/resource_unpack.h"
#include "test_support.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>
#include <rlottie.h>

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

// The frame rlottie's own C++ interface draws, the stage stretched to the
// picture's size: what the view showed before it loaded rlottie by itself.
QImage ReferenceFrame(const std::string& path, int frame, QSize pixels) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const std::unique_ptr<rlottie::Animation> movie = rlottie::Animation::loadFromFile(path, false);
    if (!movie) return {};
    rlottie::Surface surface(reinterpret_cast<uint32_t*>(image.bits()), std::size_t(pixels.width()),
                             std::size_t(pixels.height()), std::size_t(image.bytesPerLine()));
    movie->renderSync(std::size_t(frame), surface, false);
    return image;
}

// At the stage's own shape (the program shows it at its own size, and twice
// that on a doubled screen) every pixel is the one rlottie's C++ interface
// draws: the first frame, and one in the middle of playing.
TEST_F(LottieViewTest, DrawsTheFramesRlottieDrawsAtTheStagesShape) {
    for (const int16_t number : {1016, 1017, 1018}) {
        for (const QSize size : {QSize(777, 489), QSize(1554, 978)}) {
            SCOPED_TRACE(testing::Message() << number << " at " << size.width() << "x" << size.height());
            const std::string path = movie(number);
            view.resize(size);
            view.setMovie(path);
            ASSERT_EQ(view.frameImage().size(), size);
            EXPECT_EQ(view.frameImage(), ReferenceFrame(path, 0, size));
            view.Play();
            ASSERT_TRUE(QTest::qWaitFor([this] { return view.currentFrame() >= 5; }, 10000));
            view.Stop();
            EXPECT_EQ(view.frameImage(), ReferenceFrame(path, view.currentFrame(), size)) << view.currentFrame();
        }
    }
}

// A movie rewritten in place is shown as it is now, not as first read.
TEST_F(LottieViewTest, AMovieChangedOnDiskIsReadAgain) {
    const std::string path = scratch / "changing.json";
    ASSERT_TRUE(ExtractResource(1016, path));
    view.setMovie(path);
    const QImage before = view.frameImage();
    ASSERT_TRUE(ExtractResource(1017, path));
    view.setMovie(path);
    EXPECT_NE(view.frameImage(), before);
    EXPECT_EQ(view.frameImage(), ReferenceFrame(path, 0, {777, 489}));
}

// Without rlottie installed no movie loads: the view stays Empty, shows the
// panel, and playing does nothing.
TEST_F(LottieViewTest, WithoutTheLibraryNothingPlaysAndNothingBreaks) {
    PretendLottieLibraryMissing(true);
    view.setMovie(movie(1016));
    view.Play();
    EXPECT_EQ(view.state(), State::Empty);
    EXPECT_EQ(view.currentFrame(), -1);
    EXPECT_TRUE(view.frameImage().isNull());
    const QImage shown = view.grab().toImage();
    EXPECT_EQ(shown.pixelColor(388, 244), view.palette().window().color());
    view.Stop();
    PretendLottieLibraryMissing(false);
    view.setMovie(movie(1016));
    EXPECT_EQ(view.state(), State::Stopped);
}

}  // namespace
}  // namespace pintaloo
