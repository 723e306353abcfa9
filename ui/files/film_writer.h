// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes the film of a drawing as an animated WebP, which browsers and image
// viewers play: frames at an even rate, the last one held a while so the
// finished picture can be seen before the film starts again.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>

#include "ui/words/language.h"

struct WebPAnimEncoder;

namespace pintaloo {

struct WebPLibrary;

// Why a film was not made. The kind is what the parent is told, in their
// language; the detail is English, for a developer (the replay tool prints
// it) and never shown in the window.
struct FilmError {
    enum class Kind {
        None,
        NotMade,     // the encoder, a frame or the story failed: nothing a parent can mend
        NotWritten,  // the file could not be written: `system` says why
    };
    Kind kind = Kind::None;
    QString detail;
    // The system's reason a file was not written, as Qt gives it: already in
    // the user's language where Qt has one.
    QString system;

    // The reason as the parent reads it, under the film's file name.
    QString say(Language language) const;
};

// libwebp is loaded by the first writer made; without it no film can be
// started, and addFrame() and save() fail saying so.
class FilmWriter {
public:
    struct Options {
        QSize size{807, 537};  // the canvas
        int framesPerSecond = 12;
        int holdLastMs = 3000;
        // Lossy at 75: flat colour and crayon grain look as drawn, and a film
        // of 240 frames stays a small file to send to a grandparent (about
        // 130 kB in the benchmark). Lossless would keep every grain of the
        // pencil's noise, which is what makes a file large.
        float quality = 75;
        // libwebp's effort, 0 (quick) to 6 (smallest file). Comparing frames
        // costs more than encoding what changed in each, so 4 takes about
        // the time 0 does for a film a fifth smaller.
        int method = 4;
    };

    explicit FilmWriter(Options options);
    FilmWriter() : FilmWriter(Options{}) {}
    ~FilmWriter();
    FilmWriter(const FilmWriter&) = delete;
    FilmWriter& operator=(const FilmWriter&) = delete;

    // Encodes the next frame. False, with failure() saying why, for a frame of
    // another size, an empty one, or after save(); the film so far is kept.
    // The very image added last (the same QImage, not a copy: its cacheKey)
    // is not looked at again: the frame before just lasts longer, which is
    // what the encoder makes of an unchanged frame anyway, after comparing
    // every pixel.
    bool addFrame(const QImage& frame);
    int frameCount() const { return frames_; }

    // Ends the film (no frames can be added after) and writes it to `path`,
    // replacing an older file only once the new one is complete. False, with
    // error() saying why and nothing changed on disk, when there are no
    // frames or the file cannot be written (failure() then NotWritten); the
    // film is kept, so it can be saved somewhere else.
    bool save(const QString& path);
    // Ends the film and makes its bytes without writing them anywhere (for
    // a caller that writes the file its own way). False, with failure()
    // saying why, when there are no frames or the encoder failed.
    bool finish();
    // The finished film's bytes (empty before save()).
    const QByteArray& bytes() const { return film_; }

    const FilmError& failure() const { return failure_; }
    // The English detail, for a developer.
    QString error() const { return failure_.detail; }

    // When frame `index` begins, in milliseconds from the start of the film;
    // frameStartMs(frameCount()) + holdLastMs is where the film ends.
    std::int64_t frameStartMs(int index) const;

private:
    bool notMade(const QString& detail);  // false, so a failure can be returned

    Options options_;
    const WebPLibrary* webp_ = nullptr;
    WebPAnimEncoder* encoder_ = nullptr;
    int frames_ = 0;
    qint64 lastFrame_ = 0;  // the cacheKey of the image added last, 0 for none
    bool finished_ = false;
    QByteArray film_;
    FilmError failure_;
};

}  // namespace pintaloo
