// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The way into the grown-up's settings, one a child does not take by
// chance: holding the program's logo (the dog and the title in the top
// corner) for three seconds, or Ctrl+Alt+S. Neither is an action of the
// window: a grown-up's settings are no part of a child's story, and a
// script or a recorded session can never open them.
//
// A press on the logo that moves away before the time is a drag of the
// window, as a press there always was; a release before the time does
// nothing. After a second of holding, a thin ring round the logo fills up,
// quiet enough not to invite a child to try.
#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace pintaloo {

class GrownUpDoor final : public QObject {
public:
    // `window` is the program's window (its keys), `logo` the widget the
    // press lands on and `logoArea` the logo's part of it; `open` asks the
    // question and opens the settings; `drag` moves the window as a press
    // on the logo always did.
    GrownUpDoor(QWidget& window, QWidget& logo, QRect logoArea, std::function<void()> open,
                std::function<void()> drag);
    ~GrownUpDoor() override;

    static constexpr int kHoldMs = 3000;
    static constexpr int kRingAfterMs = 1000;  // no cue for a short press
    static constexpr int kDragPixels = 8;
    static constexpr int kRingSide = 60;

    // Milliseconds from any fixed start; a test puts a clock of its own here.
    std::function<qint64()> clock;
    // Looks at the hold now (the door's timer calls it; tests call it).
    void tick();
    bool holding() const { return holding_; }
    // The ring's share, 0 to 1, while it shows.
    double ringShare() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void letGo();
    void openNow();

    QWidget& window_;
    QWidget& logo_;
    QRect area_;
    std::function<void()> open_;
    std::function<void()> drag_;
    QElapsedTimer elapsed_;
    QTimer timer_;
    QWidget* ring_;
    QPoint pressedAt_;
    qint64 since_ = 0;
    bool holding_ = false;
    bool opening_ = false;
};

}  // namespace pintaloo
