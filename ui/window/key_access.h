// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window without a mouse: a focus ring that Tab, Shift+Tab and the
// arrows move over every control in the order the screen reads, row by row
// (left to right, or right to left where the language reads so), Space or
// Enter pressing the control under it through the same action rows a click
// runs, and on the canvas a painting pointer that the arrows move and Space
// paints with (PenDown, PenMove, PenUp, so the story keeps it as it keeps a
// mouse). A panel that opens takes the ring; when it closes the ring goes
// back to the button that opened it, or to the paper.
//
// Scanning, for a child who presses one or two switches: the ring moves on
// by itself each tick (or with the first switch, when there are two) and the
// switch presses. It lights groups first (the paper alone, then the rows of
// the screen cut to at most kGroupMost controls), and a press on a group
// scans its controls, so no control is many ticks away; a round of a group
// without a press lights the groups again. After a press the scan starts
// again at the paper, except in a panel, which keeps it. On the paper a
// press starts a row line sweeping down, the next a column line sweeping
// across, and where they cross a stamp or a fill lands; the other tools put
// the pen down there and an arrow turns round it: a press goes that way, a
// press stops, and a press on the arrowless pointer lifts the pen. The
// clock is `tick`: the window's timer calls it, tests call it.
//
// The controls are whatever the action hub has bound a press to, so a new
// button is reached, named and scanned with nothing added here; its row's
// reach keeps it from a switch or from the ring (WindowActionRow::Reach).
#include <QKeyEvent>
#include <QPointF>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "ui/actions/action_hub.h"
#include "ui/actions/box.h"
#include "ui/words/language.h"

namespace pintaloo {

class KeyAccess {
public:
    enum class Scan { Off, OneSwitch, TwoSwitches };
    enum class Sweep { None, Rows, Columns, Turning, Going };

    KeyAccess(QWidget& window, ActionHub& hub);
    ~KeyAccess();
    KeyAccess(const KeyAccess&) = delete;
    KeyAccess& operator=(const KeyAccess&) = delete;
    bool owns(const QWidget* w) const;

    // Every control a key can reach now (shown, and a press means something
    // there), in reading order: rows of controls in their own order, rows
    // ordered top to bottom, then left to right.
    std::vector<Box*> stops() const { return stops(false); }
    // What a switch scans, in the order it lights them: the paper alone
    // first, then the rows of the screen, none longer than kGroupMost.
    std::vector<std::vector<Box*>> scanGroups() const;
    // Scanning lights whole groups (true) or the controls of one.
    bool atGroups() const { return atGroups_; }
    Box* focused() const { return focused_; }
    bool onCanvas() const;
    // The painting pointer, in the canvas's own pixels.
    QPointF pointer() const { return pointer_; }
    bool painting() const { return painting_; }
    // Run before a key or a switch puts the paint down: the window has the
    // paint go at the chosen size, whatever a pen last pressed.
    std::function<void()> beforePaintDown;

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
    // names the tool in use (`chosenTool`, the tool button's index). Only
    // once something has asked for a name (a screen reader) or a screen
    // reader listens: a walk of over four hundred controls after nearly
    // every action (milliseconds of the start) that no one else hears.
    void nameControls(Language language, int chosenTool);
    // A control's name was asked for: every control named now, if none was.
    void nameOnFirstAsking();

    // Scanning every `seconds` (kept within 1 to 5); Off stops it. With
    // `timed` false nothing but calls to tick move the ring (tests).
    void setScan(Scan mode, int seconds = 2, bool timed = true);
    Scan scan() const { return scan_; }
    int scanSeconds() const { return seconds_; }
    Sweep sweep() const { return sweep_; }
    // Turning and going: the arrow's way, 0 (along the row, the way the
    // language reads) to kDirections - 1 a turn at a time; kDirections is
    // no arrow, and a press there lifts the pen.
    int direction() const { return direction_; }
    bool rightToLeft() const { return rightToLeft_; }
    // One step of scanning's clock: the ring or the sweeping line moves on.
    void tick();
    // The switch: what press does, except that on the canvas it starts,
    // turns and ends the sweep.
    void switchPress();

    static constexpr int kFirstStep = 3;  // pixels; a tap moves the pointer a little
    static constexpr int kLongestStep = 24;
    static constexpr int kSweepSteps = 16;  // lines down the canvas, and across
    // Controls in one scanned group: the nine tool buttons scan as one, the
    // four size bars as the next (thirteen in one group would leave the
    // last size bar further away than two groups do).
    static constexpr int kGroupMost = 11;
    static constexpr int kDirections = 8;
    static constexpr int kGoMilliseconds = 50;  // a going pen's step
    static constexpr double kGoPixels = 5;      // a step at one second a tick; slower scans go slower

private:
    void focus(Box* box);
    void show();
    std::vector<Box*> stops(bool forSwitch) const;
    // The controls keys (or a switch) reach, unit by unit in reading order:
    // a row of controls of one action (the palette), a panel, a button;
    // each unit's controls in lines.
    struct Unit {
        QRect at;
        int band = 0;
        std::vector<std::vector<Box*>> lines;
    };
    std::vector<Unit> layout(bool forSwitch) const;
    // True when the press opened controls that took the ring.
    bool pressFocused(bool forSwitch);
    void paperPress();
    void paperTick();
    void toPaper();
    void timeScan();
    void movePointer(int dx, int dy);
    void canvasCall(const char* name, int button);
    bool pressable(const ActionHub::Binding& b) const;  // by anything but a pointer
    bool reaches(const ActionHub::Binding& b, bool forSwitch) const;
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
    int direction_ = 0;
    int turns_ = 0;  // ticks the arrow has turned without a press
    bool atGroups_ = true;
    bool timed_ = true;
    bool rightToLeft_ = false;
    int chosenTool_ = 0;
    Language language_ = Language::English;
    void nameEveryControl();
    bool named_ = false;  // named once: named again after every action
    bool quiet_ = false;  // naming for the first asking: no changes to tell
    QTimer* timer_;
};

}  // namespace pintaloo
