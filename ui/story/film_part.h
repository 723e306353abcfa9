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
// drawing shows again as it is; the press does nothing else. A film that
// plays to its end leaves the save button where it stood, so a child who
// reached for it as the film ended still finds it: the next press anywhere
// else only takes the button away, it never paints.
//
// A story may hold far more work than its film has time for (a few
// kilobytes beside a picture can ask for thousands of oil pictures), and
// all of it runs on the window's thread. So each tick of the film plays at
// most a slice of work and the window answers presses in between: a heavy
// film goes slower rather than freezing the window, and after kPlayWorkMs
// of work in all it ends and the drawing shows again. Saving a film has a
// budget too (kSaveWorkMs): the film then stops where the drawing had got
// to, and the parent is told.
//
// Wiring (after the recorder):
//   FilmPart film(window.storyWindow(), recorder);       // bFilm in the title strip; actions PlayFilm, StopFilm, SaveFilm
//   film.applyTexts(window.language);      // tool tips in the child's language
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "ui/story/session_recorder.h"
#include "ui/words/language.h"

class QMouseEvent;

namespace pintaloo {

class Box;
class StoryWindow;
class StoryPlayer;

class FilmPart : public QObject {
    Q_OBJECT
public:
    static constexpr int kFramesPerSecond = 12;
    static constexpr int kHoldFrames = 3 * kFramesPerSecond;  // the finished drawing, before the canvas comes back
    // Work per tick of 83 ms: the window stays free more than half the time.
    static constexpr std::int64_t kSliceMs = 30;
    // Far beyond a child's drawing: the README's film replays, window and
    // all, in under a second. Saving counts only the calls played, as
    // encoding the frames takes about as long for every film.
    static constexpr std::int64_t kPlayWorkMs = 30000;
    static constexpr std::int64_t kSaveWorkMs = 15000;

    FilmPart(StoryWindow& w, const SessionRecorder& recorder);
    ~FilmPart() override;

    void PlayFilm();
    void StopFilm();
    void SaveFilm();

    void applyTexts(Language language);

    bool playing() const { return player_ != nullptr; }
    // The film ended by itself and its save button waits for the next press.
    bool offeringSave() const { return lingering_; }
    // Frames shown so far in this playing; the timer calls advance(), tests may too.
    int shownFrames() const { return frame_; }
    int frameCount() const { return int(callsByFrame_.size()); }
    void advance();
    // Milliseconds of work, for the budgets; a steady clock unless a test sets one.
    std::function<std::int64_t()> workClock;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showFace(bool hot);
    std::int64_t now() const;
    bool onSaveButton(const QMouseEvent& press) const;
    void endFilm();         // played to its end: the save button stays
    void dismissSave();     // the press after the end: the button goes, and the press with it
    QString proposedName() const;

    StoryWindow& w_;
    const SessionRecorder& recorder_;
    Box* filmButton_ = nullptr;  // "bFilm", in the title strip
    Box* saveButton_ = nullptr;  // "bSaveFilm", shown on the screen while a film plays
    Box* screen_ = nullptr;      // "pctFilm", over the canvas while a film plays
    std::shared_ptr<FilmPart*> alive_;
    std::unique_ptr<StoryPlayer> player_;
    std::vector<std::size_t> callsByFrame_;
    std::size_t played_ = 0;
    int frame_ = 0;
    std::int64_t worked_ = 0;  // milliseconds of work in this playing
    QTimer timer_;
    QElapsedTimer steady_;
    bool hot_ = false;
    bool inStep_ = false;          // a call of the story is playing
    bool stopAfterStep_ = false;   // a stop came meanwhile: the step's window goes when the step is done
    bool saving_ = false;          // the save dialog and the film's making: presses go where they are meant
    bool lingering_ = false;       // ended by itself; the save button waits for one more press
};

}  // namespace pintaloo
