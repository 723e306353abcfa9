#include "lottie_view.h"
#include "media_test_support.h"
#include "resource_unpack.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace pintaloo {
namespace {

using State = AnimationPlayer::State;

class LottieViewTest : public ::testing::Test {
protected:
    std::string movie(int frames, double fps) {
        const std::string path = scratch / ("movie" + std::to_string(++m_movies) + ".json");
        test::writeFile(path, test::testMovieJson(frames, fps));
        return path;
    }
    bool waitUntilNotPlaying(int ms = 5000) {
        return QTest::qWaitFor([this] { return view.state() != State::Playing; }, ms);
    }

    test::ScratchDir scratch;
    LottieView view;

private:
    int m_movies = 0;
};

TEST_F(LottieViewTest, PlaysOnceFromTheStartAndStopsOnTheLastFrame) {
    EXPECT_EQ(view.state(), State::Empty);
    EXPECT_EQ(view.currentFrame(), -1);
    view.Play();
    EXPECT_EQ(view.state(), State::Empty);

    view.setMovie(movie(6, 30));
    EXPECT_EQ(view.state(), State::Stopped);
    EXPECT_EQ(view.currentFrame(), 0);
    EXPECT_EQ(view.frameCount(), 6);

    QElapsedTimer clock;
    clock.start();
    view.Play();
    EXPECT_EQ(view.state(), State::Playing);
    ASSERT_TRUE(waitUntilNotPlaying());
    EXPECT_EQ(view.state(), State::Stopped);
    EXPECT_EQ(view.currentFrame(), 5);
    // Six frames at 30 a second take a fifth of a second, last one included.
    EXPECT_GE(clock.elapsed(), 190);

    // Playing again starts over.
    view.Play();
    EXPECT_EQ(view.state(), State::Playing);
    EXPECT_EQ(view.currentFrame(), 0);
}

TEST_F(LottieViewTest, StopHoldsTheFrameShowing) {
    view.setMovie(movie(30, 15));
    view.Play();
    ASSERT_TRUE(QTest::qWaitFor([this] { return view.currentFrame() >= 2; }, 5000));
    view.Stop();
    const int held = view.currentFrame();
    EXPECT_EQ(view.state(), State::Stopped);
    QTest::qWait(300);
    EXPECT_EQ(view.currentFrame(), held);
    EXPECT_EQ(view.state(), State::Stopped);
}

TEST_F(LottieViewTest, BlankNamesAndBadFilesLeaveItEmpty) {
    test::writeFile(scratch / "broken.json", R"({"v":"5.7.4","fr":15,"layers":[)");
    for (const std::string& name : {std::string("   "), std::string(), scratch / "missing.json", scratch / "broken.json"}) {
        view.setMovie(movie(10, 15));
        view.Play();
        view.setMovie(name);
        EXPECT_EQ(view.state(), State::Empty) << '"' << name << '"';
        EXPECT_EQ(view.currentFrame(), -1);
        EXPECT_TRUE(view.frameImage().isNull());
        // Nothing left running that could bring a frame back.
        QTest::qWait(100);
        EXPECT_EQ(view.state(), State::Empty);
    }
}

TEST_F(LottieViewTest, ShowsThePanelWhenEmptyAndTheWholeStageCentredOtherwise) {
    const QColor panel = view.palette().window().color();
    const QImage empty = view.grab().toImage();
    ASSERT_EQ(empty.size(), QSize(777, 489));
    for (int y = 0; y < empty.height(); y += 7)
        for (int x = 0; x < empty.width(); x += 7)
            ASSERT_EQ(empty.pixelColor(x, y), panel) << x << "," << y;

    // Twice as wide as the stage: the stage keeps its shape in the middle,
    // with the panel showing on both sides.
    view.setMovie(movie(10, 15));
    view.resize(2 * 777, 489);
    const QImage shown = view.grab().toImage();
    EXPECT_EQ(shown.pixelColor(100, 244), panel);
    EXPECT_EQ(shown.pixelColor(1454, 244), panel);
    EXPECT_NE(shown.pixelColor(777, 20), panel);
    EXPECT_EQ(view.frameImage().size(), QSize(2 * 777, 489));
}

// The program's own movies, as embedded.
TEST(LottieMovies, EachIsSeventyFramesAtFifteenOnTheStageAndMoves) {
    test::ScratchDir scratch;
    std::vector<std::unique_ptr<LottieView>> views;
    std::vector<QImage> firstFrames;
    for (const int16_t number : {1016, 1017, 1018}) {
        SCOPED_TRACE(number);
        const std::string path = scratch / ("tmpfile" + std::to_string(number) + ".json");
        ASSERT_TRUE(ExtractResource(number, path));
        auto& view = views.emplace_back(std::make_unique<LottieView>());
        view->setMovie(path);
        ASSERT_EQ(view->state(), State::Stopped);
        EXPECT_EQ(view->frameCount(), 70);
        EXPECT_DOUBLE_EQ(view->frameRate(), 15.0);
        EXPECT_EQ(view->movieSize(), QSize(777, 489));
        firstFrames.push_back(view->frameImage());
    }
    for (auto& view : views)
        view->Play();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (auto& view : views)
                if (view->currentFrame() < 35)
                    return false;
            return true;
        },
        10000));
    for (size_t i = 0; i < views.size(); ++i)
        EXPECT_NE(views[i]->frameImage(), firstFrames[i]) << "movie " << i << " does not move";
}

}  // namespace
}  // namespace pintaloo
