// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animation_player.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace rlottie {
class Animation;
}

namespace pintaloo {

// Plays Lottie movies with rlottie. The stage is scaled to fit the widget
// with its aspect kept and all of it visible; the panel background shows
// around it, and alone while the player is Empty.
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

    std::unique_ptr<rlottie::Animation> m_movie;
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
