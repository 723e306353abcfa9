// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Watch it again": the film button plays the making of the drawing in the
// canvas, squeezed into about twenty seconds (long pauses cut, strokes at an
// even speed), and "Save the film" writes it as an animated WebP.
//
// The film is played by a StoryPlayer, a window of its own that is never
// shown and has no sound, and its frames are shown on a screen laid over the
// canvas: the drawing and its history are never touched. While it plays,
// any press (mouse or key) anywhere but on the save button stops it and the
// drawing shows again as it is; the press does nothing else.
//
// Wiring (after the recorder):
//   FilmPart film(window, recorder);       // bFilm in the title strip; actions PlayFilm, StopFilm, SaveFilm
//   film.applyCaptions(texts);             // tool tips in the child's language
#include <QObject>
#include <QTimer>
#include <cstddef>
#include <memory>
#include <vector>

#include "app/session_recorder.h"

namespace pintaloo {

class Box;
class CaptionTexts;
class MainWindow;
class StoryPlayer;

class FilmPart : public QObject {
    Q_OBJECT
public:
    static constexpr int kFramesPerSecond = 12;
    static constexpr int kHoldFrames = 3 * kFramesPerSecond;  // the finished drawing, before the canvas comes back

    FilmPart(MainWindow& w, const SessionRecorder& recorder);
    ~FilmPart() override;

    void PlayFilm();
    void StopFilm();
    void SaveFilm();

    void applyCaptions(const CaptionTexts& texts);

    bool playing() const { return player_ != nullptr; }
    // Frames shown so far in this playing; the timer calls advance(), tests may too.
    int shownFrames() const { return frame_; }
    int frameCount() const { return int(callsByFrame_.size()); }
    void advance();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showFace(bool hot);

    MainWindow& w_;
    const SessionRecorder& recorder_;
    Box* filmButton_ = nullptr;  // "bFilm", in the title strip
    Box* saveButton_ = nullptr;  // "bSaveFilm", shown on the screen while a film plays
    Box* screen_ = nullptr;      // "pctFilm", over the canvas while a film plays
    std::shared_ptr<FilmPart*> alive_;
    std::unique_ptr<StoryPlayer> player_;
    std::vector<std::size_t> callsByFrame_;
    std::size_t played_ = 0;
    int frame_ = 0;
    QTimer timer_;
    bool hot_ = false;
};

}  // namespace pintaloo
