// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/film_writer.h"

#include "ui/platform/webp_library.h"
#include "ui/words/texts.h"

#include <QSaveFile>
#include <cmath>

namespace pintaloo {

namespace {

// White behind the frames, like the page; played again and again, as viewers expect.
constexpr WebPMuxAnimParams kLooping{0xFFFFFFFFu, 0};

// libwebp folds a frame that looks like the one before it into that one, and
// when that leaves a single frame it writes a still picture instead: no
// length, nothing to loop, shown once and for good. A drawing whose every
// change fell in the film's first frame (one press of the paint bucket, say)
// would then save as a picture, not a film. That picture goes back into an
// animation, and as libwebp also writes a lone frame as a still picture, it
// goes in twice: for the film's frames, then for the hold. This costs the
// picture's bytes once more, only in a film where nothing ever changed. A
// film that is an animation already is left as it is.
bool KeepAnimated(const WebPLibrary& webp, WebPData& film, int framesMs, int holdMs, QSize size) {
    WebPMux* made = webp.MuxCreate(&film, 0);
    if (!made) return false;
    std::uint32_t flags = 0;
    WebPMuxFrameInfo picture{};
    bool ok = webp.MuxGetFeatures(made, &flags) == WEBP_MUX_OK;
    const bool animated = ok && (flags & ANIMATION_FLAG) != 0;
    ok = ok && (animated || webp.MuxGetFrame(made, 1, &picture) == WEBP_MUX_OK);
    webp.MuxDelete(made);
    if (animated || !ok) return ok;

    WebPMux* redone = webp.MuxNew();
    ok = redone != nullptr;
    for (const int durationMs : {framesMs, holdMs}) {
        WebPMuxFrameInfo frame{};
        frame.bitstream = picture.bitstream;
        frame.duration = durationMs;
        frame.id = WEBP_CHUNK_ANMF;
        frame.dispose_method = WEBP_MUX_DISPOSE_NONE;
        frame.blend_method = WEBP_MUX_NO_BLEND;
        ok = ok && webp.MuxPushFrame(redone, &frame, 1) == WEBP_MUX_OK;
    }
    WebPData out;
    WebPDataInit(&out);
    ok = ok && webp.MuxSetAnimationParams(redone, &kLooping) == WEBP_MUX_OK &&
         webp.MuxSetCanvasSize(redone, size.width(), size.height()) == WEBP_MUX_OK &&
         webp.MuxAssemble(redone, &out) == WEBP_MUX_OK;
    if (redone) webp.MuxDelete(redone);
    webp.DataClear(&picture.bitstream);
    if (!ok) {
        webp.DataClear(&out);
        return false;
    }
    webp.DataClear(&film);
    film = out;
    return true;
}

}  // namespace

QString FilmError::say(Language language) const {
    if (kind == Kind::NotWritten) return Text(TextId::FilmNotWritten, language).arg(system);
    return Text(TextId::FilmNotMade, language);
}

bool FilmWriter::notMade(const QString& detail) {
    failure_ = {FilmError::Kind::NotMade, detail, {}};
    return false;
}

FilmWriter::FilmWriter(Options options) : options_(options), webp_(LoadWebPLibrary()) {
    // Without libwebp no film starts: it fails as one the encoder refused.
    WebPAnimEncoderOptions anim;
    const bool sized = options_.size.width() > 0 && options_.size.height() > 0 && options_.framesPerSecond > 0;
    if (webp_ && sized && webp_->AnimEncoderOptionsInit(&anim)) {
        anim.anim_params = kLooping;
        anim.allow_mixed = 0;  // every frame lossy: one look from start to end
        encoder_ = webp_->AnimEncoderNew(options_.size.width(), options_.size.height(), &anim);
    }
    if (!encoder_) notMade(QStringLiteral("The film could not be started."));
}

FilmWriter::~FilmWriter() {
    if (encoder_) webp_->AnimEncoderDelete(encoder_);
}

std::int64_t FilmWriter::frameStartMs(int index) const {
    // Rounded from the exact time, so twelve frames a second never drift.
    return std::llround(double(index) * 1000.0 / options_.framesPerSecond);
}

bool FilmWriter::addFrame(const QImage& frame) {
    if (!encoder_) return false;
    if (finished_) {
        notMade(QStringLiteral("This film is already finished."));
        return false;
    }
    if (frame.isNull() || frame.size() != options_.size) {
        notMade(QStringLiteral("A film frame must be %1 by %2 pixels.")
                    .arg(options_.size.width())
                    .arg(options_.size.height()));
        return false;
    }
    if (frames_ > 0 && frame.cacheKey() == lastFrame_) {
        ++frames_;
        return true;
    }
    WebPConfig config;
    if (!webp_->ConfigInit(&config)) return notMade(QStringLiteral("libwebp refused its own settings."));
    config.quality = options_.quality;
    config.method = options_.method;

    // The page is opaque: any alpha in the frame is ignored. The canvas's
    // own 32-bit format goes in as it is, saving a copy of every frame.
    const bool bgrx = Q_BYTE_ORDER == Q_LITTLE_ENDIAN &&
                      (frame.format() == QImage::Format_RGB32 || frame.format() == QImage::Format_ARGB32);
    const QImage pixels = bgrx ? frame : frame.convertToFormat(QImage::Format_RGBX8888);
    WebPPicture picture;
    if (!webp_->PictureInit(&picture)) return notMade(QStringLiteral("libwebp refused a picture."));
    picture.width = pixels.width();
    picture.height = pixels.height();
    picture.use_argb = 1;  // the animation encoder compares frames in ARGB
    const int stride = int(pixels.bytesPerLine());
    const bool imported = bgrx ? webp_->PictureImportBGRX(&picture, pixels.constBits(), stride)
                               : webp_->PictureImportRGBX(&picture, pixels.constBits(), stride);
    const bool ok = imported && webp_->AnimEncoderAdd(encoder_, &picture, int(frameStartMs(frames_)), &config);
    webp_->PictureFree(&picture);
    if (!ok) {
        notMade(QStringLiteral("The film could not take another picture: %1")
                    .arg(QString::fromUtf8(webp_->AnimEncoderGetError(encoder_))));
        return false;
    }
    ++frames_;
    lastFrame_ = frame.cacheKey();
    return true;
}

bool FilmWriter::finish() {
    if (!encoder_) return false;
    if (!finished_) {
        if (frames_ == 0) {
            notMade(QStringLiteral("There is nothing in the film yet."));
            return false;
        }
        // The frame after the last one marks where the film ends: the last
        // frame lasts its own share and the hold.
        const int end = int(frameStartMs(frames_) + options_.holdLastMs);
        WebPData data;
        WebPDataInit(&data);
        if (!webp_->AnimEncoderAdd(encoder_, nullptr, end, nullptr) || !webp_->AnimEncoderAssemble(encoder_, &data)) {
            notMade(QStringLiteral("The film could not be made: %1")
                        .arg(QString::fromUtf8(webp_->AnimEncoderGetError(encoder_))));
            webp_->DataClear(&data);
            return false;
        }
        if (!KeepAnimated(*webp_, data, int(frameStartMs(frames_)), options_.holdLastMs, options_.size)) {
            notMade(QStringLiteral("The film could not be made: its one picture could not be put into a film."));
            webp_->DataClear(&data);
            return false;
        }
        film_ = QByteArray(reinterpret_cast<const char*>(data.bytes), qsizetype(data.size));
        webp_->DataClear(&data);
        finished_ = true;
    }
    return true;
}

bool FilmWriter::save(const QString& path) {
    if (!finish()) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(film_) != film_.size() || !file.commit()) {
        failure_ = {FilmError::Kind::NotWritten, QStringLiteral("The film could not be saved in %1.").arg(path),
                    file.errorString()};
        return false;
    }
    failure_ = {};
    return true;
}

}  // namespace pintaloo
