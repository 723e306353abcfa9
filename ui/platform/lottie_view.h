// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/platform/animation_player.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <memory>

struct Lottie_Animation_S;

namespace pintaloo {

struct LottieLibrary;

// A movie goes with the library that made it.
struct LottieMovieDeleter {
    void (*destroy)(Lottie_Animation_S*) = nullptr;
    void operator()(Lottie_Animation_S* movie) const {
        if (destroy) destroy(movie);
    }
};

// Plays Lottie movies with rlottie, loaded with the first movie (when it is
// not installed, no movie loads and the view stays Empty). The stage is
// scaled to fit the widget with its aspect kept and all of it visible; the
// panel background shows around it, and alone while the player is Empty.
//
// Frames are rendered when they fall due, from a timer on the UI thread, and
// the paint event only copies the finished picture: a 777 x 489 frame takes a
// few milliseconds, so the UI stays responsive without a render thread.
class LottieView : public QWidget, public AnimationPlayer {
    Q_OBJECT

public:
    // The stage size the program's movies are made for.
    static constexpr int kStageWidth = 777;
    static constexpr int kStageHeight = 489;

    explicit LottieView(QWidget* parent = nullptr);
    ~LottieView() override;

    void setMovie(const std::string& path) override;
    void Play() override;
    void Stop() override;
    State state() const override { return m_state; }
    int currentFrame() const override { return m_frame; }

    // Details of the loaded movie; zero or empty when Empty.
    int frameCount() const { return m_frameCount; }
    double frameRate() const { return m_frameRate; }
    QSize movieSize() const { return m_movieSize; }

    // The picture of the frame showing: the stage at the size it is shown
    // (null when Empty).
    const QImage& frameImage() const { return m_image; }

    QSize sizeHint() const override { return {kStageWidth, kStageHeight}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void advance();
    void showFrame(int frame);
    void scheduleNextFrame();
    QRect stageRect() const;

    const LottieLibrary* m_library = nullptr;
    std::unique_ptr<Lottie_Animation_S, LottieMovieDeleter> m_movie;
    State m_state = State::Empty;
    int m_frame = -1;
    int m_frameCount = 0;
    double m_frameRate = 0.0;
    QSize m_movieSize;
    QImage m_image;
    QTimer m_timer;
    QElapsedTimer m_clock;
};

}  // namespace pintaloo
