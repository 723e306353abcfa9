// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/film_writer.h"

#include <QSaveFile>
#include <cmath>

#include <webp/encode.h>
#include <webp/mux.h>

namespace pintaloo {

FilmWriter::FilmWriter(Options options) : options_(options) {
    WebPAnimEncoderOptions anim;
    if (!WebPAnimEncoderOptionsInit(&anim)) return;
    anim.anim_params.loop_count = 0;         // plays again and again, as viewers expect
    anim.anim_params.bgcolor = 0xFFFFFFFFu;  // white, like the page
    anim.allow_mixed = 0;                    // every frame lossy: one look from start to end
    if (options_.size.width() > 0 && options_.size.height() > 0 && options_.framesPerSecond > 0)
        encoder_ = WebPAnimEncoderNew(options_.size.width(), options_.size.height(), &anim);
    if (!encoder_) error_ = QStringLiteral("The film could not be started.");
}

FilmWriter::~FilmWriter() {
    if (encoder_) WebPAnimEncoderDelete(encoder_);
}

std::int64_t FilmWriter::frameStartMs(int index) const {
    // Rounded from the exact time, so twelve frames a second never drift.
    return std::llround(double(index) * 1000.0 / options_.framesPerSecond);
}

bool FilmWriter::addFrame(const QImage& frame) {
    if (!encoder_) return false;
    if (finished_) {
        error_ = QStringLiteral("This film is already finished.");
        return false;
    }
    if (frame.isNull() || frame.size() != options_.size) {
        error_ = QStringLiteral("A film frame must be %1 by %2 pixels.")
                     .arg(options_.size.width())
                     .arg(options_.size.height());
        return false;
    }
    WebPConfig config;
    if (!WebPConfigInit(&config)) return false;
    config.quality = options_.quality;
    config.method = options_.method;

    // The page is opaque: any alpha in the frame is ignored. The canvas's
    // own 32-bit format goes in as it is, saving a copy of every frame.
    const bool bgrx = Q_BYTE_ORDER == Q_LITTLE_ENDIAN &&
                      (frame.format() == QImage::Format_RGB32 || frame.format() == QImage::Format_ARGB32);
    const QImage pixels = bgrx ? frame : frame.convertToFormat(QImage::Format_RGBX8888);
    WebPPicture picture;
    if (!WebPPictureInit(&picture)) return false;
    picture.width = pixels.width();
    picture.height = pixels.height();
    picture.use_argb = 1;  // the animation encoder compares frames in ARGB
    const int stride = int(pixels.bytesPerLine());
    const bool imported = bgrx ? WebPPictureImportBGRX(&picture, pixels.constBits(), stride)
                               : WebPPictureImportRGBX(&picture, pixels.constBits(), stride);
    const bool ok = imported && WebPAnimEncoderAdd(encoder_, &picture, int(frameStartMs(frames_)), &config);
    WebPPictureFree(&picture);
    if (!ok) {
        error_ = QStringLiteral("The film could not take another picture: %1")
                     .arg(QString::fromUtf8(WebPAnimEncoderGetError(encoder_)));
        return false;
    }
    ++frames_;
    return true;
}

bool FilmWriter::save(const QString& path) {
    if (!encoder_) return false;
    if (!finished_) {
        if (frames_ == 0) {
            error_ = QStringLiteral("There is nothing in the film yet.");
            return false;
        }
        // The frame after the last one marks where the film ends: the last
        // frame lasts its own share and the hold.
        const int end = int(frameStartMs(frames_) + options_.holdLastMs);
        WebPData data;
        WebPDataInit(&data);
        if (!WebPAnimEncoderAdd(encoder_, nullptr, end, nullptr) || !WebPAnimEncoderAssemble(encoder_, &data)) {
            error_ = QStringLiteral("The film could not be made: %1")
                         .arg(QString::fromUtf8(WebPAnimEncoderGetError(encoder_)));
            WebPDataClear(&data);
            return false;
        }
        film_ = QByteArray(reinterpret_cast<const char*>(data.bytes), qsizetype(data.size));
        WebPDataClear(&data);
        finished_ = true;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(film_) != film_.size() || !file.commit()) {
        error_ = QStringLiteral("The film could not be saved in %1.").arg(path);
        return false;
    }
    return true;
}

}  // namespace pintaloo
