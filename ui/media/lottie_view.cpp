// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottie_view.h"

#include <rlottie.h>

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace pintaloo {

LottieView::LottieView(QWidget* parent) : QWidget(parent) {
    resize(kStageWidth, kStageHeight);
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &LottieView::advance);
}

// Out of line: rlottie::Animation is complete only here.
LottieView::~LottieView() = default;

void LottieView::setMovie(const std::string& path) {
    m_timer.stop();
    m_movie.reset();
    m_state = State::Empty;
    m_frame = -1;
    m_frameCount = 0;
    m_frameRate = 0.0;
    m_movieSize = QSize();
    m_image = QImage();

    // The program names "no movie" with blanks; don't bother the loader.
    if (path.find_first_not_of(' ') != std::string::npos) {
        // No model cache: the program has only a few movies, and a cache
        // keyed by path would keep serving a file that changed on disk.
        std::unique_ptr<rlottie::Animation> movie = rlottie::Animation::loadFromFile(path, false);
        if (movie && movie->totalFrame() > 0 && movie->frameRate() > 0.0) {
            size_t width = 0;
            size_t height = 0;
            movie->size(width, height);
            m_frameCount = static_cast<int>(movie->totalFrame());
            m_frameRate = movie->frameRate();
            m_movieSize = QSize(static_cast<int>(width), static_cast<int>(height));
            m_movie = std::move(movie);
            m_state = State::Stopped;
            showFrame(0);
        }
    }
    update();
}

void LottieView::Play() {
    if (!m_movie) return;
    m_state = State::Playing;
    m_clock.start();
    showFrame(0);
    scheduleNextFrame();
}

void LottieView::Stop() {
    m_timer.stop();
    if (m_movie) m_state = State::Stopped;
}

// Frames follow the clock, not the count of timer ticks: when the UI thread
// was busy, late frames are skipped instead of slowing the whole movie down.
void LottieView::advance() {
    if (m_state != State::Playing) return;
    const auto due = static_cast<int>(std::floor(static_cast<double>(m_clock.elapsed()) * m_frameRate / 1000.0));
    if (due >= m_frameCount) {
        if (m_frame != m_frameCount - 1) showFrame(m_frameCount - 1);
        m_state = State::Stopped;
        return;
    }
    if (due > m_frame) showFrame(due);
    scheduleNextFrame();
}

void LottieView::scheduleNextFrame() {
    // The last frame stays up for a whole frame time before playing ends.
    const double dueAt = (m_frame + 1) * 1000.0 / m_frameRate;
    const double wait = dueAt - static_cast<double>(m_clock.elapsed());
    m_timer.start(std::max(0, static_cast<int>(std::ceil(wait))));
}

// The stage, scaled to fit the widget with its shape kept, centred.
QRect LottieView::stageRect() const {
    const QSize fitted = m_movieSize.scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
}

void LottieView::showFrame(int frame) {
    m_frame = frame;
    // Rendering at exactly the stage's fitted size also clips away whatever
    // the artist left lying outside the stage.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = stageRect().size() * ratio;
    if (pixels.isEmpty()) {
        m_image = QImage();
        return;
    }
    if (m_image.size() != pixels) m_image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    // rlottie paints premultiplied 0xAARRGGBB words, which is this format.
    m_image.fill(Qt::transparent);
    rlottie::Surface surface(reinterpret_cast<uint32_t*>(m_image.bits()), static_cast<size_t>(pixels.width()),
                             static_cast<size_t>(pixels.height()), static_cast<size_t>(m_image.bytesPerLine()));
    // The surface already has the stage's shape; stretching covers the last
    // pixel that rounding may have added on one side.
    m_movie->renderSync(static_cast<size_t>(frame), surface, false);
    m_image.setDevicePixelRatio(ratio);
    update();
}

void LottieView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!m_image.isNull()) painter.drawImage(stageRect().topLeft(), m_image);
}

void LottieView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_movie && m_frame >= 0) showFrame(m_frame);
}

}  // namespace pintaloo
