// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window without a mouse: a focus ring that Tab, Shift+Tab and the
// arrows move over every control in reading order, Space or Enter pressing
// the control under it through the same action rows a click runs, and on
// the canvas a painting pointer that the arrows move and Space paints with
// (PenDown, PenMove, PenUp, so the story keeps it as it keeps a mouse).
//
// Scanning, for a child who presses one or two switches: the ring moves on
// by itself each tick (or with the first switch, when there are two) and the
// switch presses. On the canvas a press starts a row line sweeping down,
// the next press a column line sweeping across, and the third paints where
// they cross. The clock is `tick`: the window's timer calls it, tests call it.
//
// The controls are whatever the action hub has bound a press to, so a new
// button is reached, named and scanned with nothing added here.
#include <QKeyEvent>
#include <QPointF>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "ui/actions/action_hub.h"
#include "ui/actions/box.h"
#include "ui/words/language.h"

namespace pintaloo {

class KeyAccess {
public:
    enum class Scan { Off, OneSwitch, TwoSwitches };
    enum class Sweep { None, Rows, Columns };

    KeyAccess(QWidget& window, ActionHub& hub);
    ~KeyAccess();
    KeyAccess(const KeyAccess&) = delete;
    KeyAccess& operator=(const KeyAccess&) = delete;
    bool owns(const QWidget* w) const;

    // Every control a key can reach now (shown, and a press means something
    // there), in reading order: rows of controls in their own order, rows
    // ordered top to bottom, then left to right.
    std::vector<Box*> stops() const;
    Box* focused() const { return focused_; }
    bool onCanvas() const;
    // The painting pointer, in the canvas's own pixels.
    QPointF pointer() const { return pointer_; }
    bool painting() const { return painting_; }

    // The window's keys come here after its key table; true when taken.
    bool keyPress(const QKeyEvent& e);
    bool keyRelease(const QKeyEvent& e);
    // The window lost the keyboard: a stroke Space holds ends here.
    void letGo();

    void next();
    void previous();
    // Space or Enter on the focused control (on the canvas: a dot, a stamp, a fill).
    void press();
    // The ring to `box` and a press there (a screen reader's press action).
    void pressControl(Box* box);

    // Every control's accessible name and description in the language: its
    // tool tip or caption, a colour's word, a numbered stamp; the canvas
    // names the tool in use (`chosenTool`, the tool button's index).
    void nameControls(Language language, int chosenTool);

    // Scanning every `seconds` (kept within 1 to 5); Off stops it. With
    // `timed` false nothing but calls to tick move the ring (tests).
    void setScan(Scan mode, int seconds = 2, bool timed = true);
    Scan scan() const { return scan_; }
    int scanSeconds() const { return seconds_; }
    Sweep sweep() const { return sweep_; }
    // One step of scanning's clock: the ring or the sweeping line moves on.
    void tick();
    // The switch: what press does, except that on the canvas it starts,
    // turns and ends the sweep.
    void switchPress();

    static constexpr int kFirstStep = 3;  // pixels; a tap moves the pointer a little
    static constexpr int kLongestStep = 24;
    static constexpr int kSweepSteps = 16;  // lines down the canvas, and across

private:
    void focus(Box* box);
    void show();
    void movePointer(int dx, int dy);
    void canvasCall(const char* name, int button);
    bool pressable(const ActionHub::Binding& b) const;
    Box* canvas() const;

    QWidget& window_;
    ActionHub& hub_;
    QPointer<Box> focused_;
    QPointer<Box> before_;  // where the ring was before a panel opened under it
    QWidget* ring_;
    QWidget* mark_ = nullptr;  // the pointer and the sweeping lines, over the canvas
    QPointF pointer_{-1, -1};
    bool painting_ = false;
    int repeats_ = 0;
    Scan scan_ = Scan::Off;
    int seconds_ = 2;
    Sweep sweep_ = Sweep::None;
    int line_ = 0;  // the sweep's step
    QTimer* timer_;
};

}  // namespace pintaloo
