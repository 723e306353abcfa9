// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/lottie_view.h"

#include "ui/platform/lottie_library.h"

#include <QCryptographicHash>
#include <QFile>
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

LottieView::~LottieView() = default;

namespace {

// The folder rlottie looks in for pictures a movie names, with its closing slash.
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

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
    if (path.find_first_not_of(' ') == std::string::npos) {
        update();
        return;
    }
    const LottieLibrary* lottie = LoadLottieLibrary();
    QFile file(QString::fromStdString(path));
    if (lottie && file.open(QIODevice::ReadOnly)) {
        // Read up to the first NUL, as rlottie reads a file itself.
        QByteArray json = file.readAll();
        if (const qsizetype end = json.indexOf('\0'); end >= 0) json.truncate(end);
        // rlottie keeps the last ten movies it parsed, by the key given. A
        // key made of the contents never serves a file that changed on disk
        // since; hashing them is quick beside parsing them.
        const std::string folder = FolderOf(path);
        const std::string key =
            folder + '\n' + QCryptographicHash::hash(json, QCryptographicHash::Sha1).toHex().toStdString();
        std::unique_ptr<Lottie_Animation_S, LottieMovieDeleter> movie(
            json.isEmpty() ? nullptr : lottie->FromData(json.constData(), key.c_str(), folder.c_str()),
            LottieMovieDeleter{lottie->Destroy});
        if (movie && lottie->GetTotalFrame(movie.get()) > 0 && lottie->GetFrameRate(movie.get()) > 0.0) {
            size_t width = 0;
            size_t height = 0;
            lottie->GetSize(movie.get(), &width, &height);
            m_frameCount = static_cast<int>(lottie->GetTotalFrame(movie.get()));
            m_frameRate = lottie->GetFrameRate(movie.get());
            m_movieSize = QSize(static_cast<int>(width), static_cast<int>(height));
            m_library = lottie;
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
    // rlottie's C interface scales the stage with its shape kept. At the
    // program's own size (and its double on a doubled screen) the picture
    // has exactly the stage's shape, so that is also the stretched
    // rendering. Where rounding gave the picture part of a pixel more on one
    // side, the stage sits centred in it with that much left clear.
    m_library->Render(m_movie.get(), static_cast<size_t>(frame), reinterpret_cast<uint32_t*>(m_image.bits()),
                      static_cast<size_t>(pixels.width()), static_cast<size_t>(pixels.height()),
                      static_cast<size_t>(m_image.bytesPerLine()));
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
