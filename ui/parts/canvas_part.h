// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The canvas and what lives on it: mouse input turned into paint calls, the
// stamp outline that previews where a stamp lands, the wait box of the oil
// command and the five canvas cursors.
#include <QCursor>
#include <QRect>
#include <QSize>
#include <QTimer>
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "engine/toolbox/stroke_painter.h"
#include "ui/actions/box.h"
#include "ui/actions/canvas_cursor.h"
#include "ui/actions/painting.h"
#include "ui/actions/spoken_language.h"
#include "ui/actions/window_controls.h"
#include "ui/parts/canvas_view.h"

namespace pintaloo {

class CanvasPart {
public:
    // What this part asks of its neighbours; the window connects each to
    // the part that does it (MainWindow::connectParts), and a test may put a
    // stand-in here.
    struct Needs {
        std::function<void()> hidePickers;
        std::function<void()> normalCommandFaces;
        // Parts whose tool takes a press on the paper for itself instead of
        // painting there (the letters put their text where the child
        // pressed; the dropper takes the colour under the point), asked in
        // turn with the tool the press would paint with: the first to
        // answer true has it, and nothing paints. Run inside the press's
        // own action, so a story replays it as it was.
        std::vector<std::function<bool(Tool tool, double x, double y)>> takesPress;
    };
    Needs needs;

    CanvasPart(WindowControls& c, Painting& painting, StrokePainter& stroke, SpokenLanguage& spoken, Needs wiring);

    void PenDown(int button, double x, double y);
    void PenMove(int button, double x, double y);
    void PenUp(int button, double x, double y);

    // Fingers, each by its place (CanvasView::kFingers of them). A finger
    // paints as the left button does. With the pencil, the eraser and the
    // pattern brushes every finger paints a stroke of its own; with any
    // other tool only a finger that lands alone paints, and the others
    // wait for the next touch. All of them are one step of the undo
    // history, cut when the last finger lifts.
    void FingerDown(int finger, double x, double y);
    void FingerMove(int finger, double x, double y);
    void FingerUp(int finger, double x, double y);
    // Which end of the pen is down: 1 the eraser (or a barrel button held),
    // 0 the tip. While it is 1 the mouse's strokes (a pen's are the
    // mouse's) erase whatever tool is chosen; the chosen tool never
    // changes, so it is there again when the pen is turned round.
    void PenEnd(int end);
    bool penErases() const { return penErases_; }
    // How hard the pen presses, as a level 1 to 8 (engine/toolbox/
    // pen_pressure.h), or 0 for a mouse or a finger: the pencil and the
    // magic brushes paint wider the harder it presses. Run only when the
    // level changes, before the step that paints at it, so the story holds
    // a line a change and replays the same widths.
    void PenPressure(int level);

    // Paints at a point with the current tool and shows the change at once.
    void PaintAt(double x, double y);
    // The canvas's mouse icon (pictures 1..5 of the cursor list).
    void setCanvasIcon(CanvasCursor c);
    CanvasCursor canvasIcon() const { return icon_; }
    // The stamp outline at a stamp picture's own size, shown over the
    // canvas; hidden again when another tool is chosen.
    void showStampHolder(QSize size);
    void hideStampHolder() { stampHolder_->hide(); }
    // True while a stamp picture is the tool: only then may the outline
    // promise where a stamp lands.
    bool stampIsTheTool() const;
    // The wait box over the canvas while a slow command runs.
    void showWaitBox(bool shown) { waitBox_->setVisible(shown); }
    // The language's texts on this part's controls (called again whenever the language changes).
    void applyTexts(Language language);
    // Whatever the canvas surface changed outside a paint call (a page, the
    // oil filter); fingers still down paint again when they land afresh.
    void refresh();
    // Where the canvas lies on the window, for what is laid over it (the film screen).
    QRect placeOnWindow() const;
    // True when `widget` is the canvas itself (the window's hand cursor leaves it alone).
    bool isCanvas(const QWidget* widget) const { return widget == view_; }

    // A screen frame: the canvas takes one pointer move a frame, and more
    // only where the pointer has left the paper a stroke covered.
    static constexpr std::chrono::milliseconds kMoveSpacing{16};
    // Where the spacing reads the time: the steady clock, or a test's own
    // that it steps by hand (the wait for a held move is still a timer's).
    std::function<std::chrono::steady_clock::time_point()> moveClock = std::chrono::steady_clock::now;

private:
    void spaceMoves();
    // Whether a move to (x, y) would paint where the mouse's stroke has not.
    bool reachesBare(double x, double y) const;
    void readPen(const CanvasView::Pen& pen);
    // One step of a stroke (0 the mouse's, 1 + n finger n's) at a point.
    void paintStep(int stroke, double x, double y);
    void landShape(int stroke, double x, double y);
    // The tool a stroke paints with.
    Tool toolOf(int stroke) const;
    bool anyFingerDown() const;
    // Whether a part took a press at this point for itself (Needs::takesPress).
    bool pressTaken(Tool tool, double x, double y);
    void forgetFingers() { fingers_.fill(FingerState::Up); }

    WindowControls& c_;
    Painting& painting_;
    StrokePainter& stroke_;
    CanvasView* view_;             // "pctDraw"
    Box* waitBox_;                 // "Picture1"
    Box* waitText_;                // "lblWait"
    ShapeFrame* stampHolder_;      // "Shape10", the stamp outline
    QSize stampHolderSize_{0, 0};  // the chosen stamp picture's size
    CanvasCursor icon_ = CanvasCursor::Pencil;
    struct HeldMove {
        int button;
        double x, y;
    };
    std::optional<HeldMove> heldMove_;                 // the latest move, waiting for its turn
    std::chrono::steady_clock::time_point slotEnd_{};  // when the slot a move last took ends
    QTimer* moveTimer_ = nullptr;
    enum class FingerState : std::uint8_t { Up, Paints, Waits };
    std::array<FingerState, CanvasView::kFingers> fingers_{};
    bool penErases_ = false;
    // What the pen last said of its pressure and tilt: the pressure's level
    // is the state's (PenPressure); the tilt is kept, used by nothing yet.
    std::optional<CanvasView::Pen> lastPen_;
};

}  // namespace pintaloo
