// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/canvas_part.h"

#include "ui/actions/layout.h"
#include "ui/words/texts.h"

#include <QPixmap>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "engine/canvas/checked16.h"
#include "ui/art/art_store.h"
#include "theme_colours.h"
#include "engine/toolbox/stroke_painter.h"
#include "engine/toolbox/colours_and_sizes.h"
#include "engine/toolbox/pen_pressure.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

namespace {

struct CursorArt {
    const char* name;
    int size, hotX, hotY;
};
// Where each cursor's point is, so paint lands under the tip.
constexpr std::array<CursorArt, 6> kCursors = {{
    {"cursor_pencil", 32, 1, 30},
    {"cursor_stamp", 32, 16, 29},
    {"cursor_fill", 30, 15, 15},
    {"cursor_eraser", 32, 3, 28},
    {"cursor_models", 32, 2, 29},
    {"colour_cursor_dropper", 32, 1, 30},
}};

}  // namespace

CanvasPart::CanvasPart(WindowControls& c, Painting& painting, StrokePainter& stroke, SpokenLanguage& spoken,
                       Needs wiring)
    : needs(std::move(wiring)), c_(c), painting_(painting), stroke_(stroke) {
    view_ = new CanvasView(&c.window, painting_.canvas, PlaceOf("PenDown"));
    waitBox_ = new Box(view_, "Picture1", {232, 192, 329, 137});
    waitBox_->setBackColor(QColor(Qt::white));
    waitBox_->setFrame(QColor(theme::CANVAS_EDGE), 3, 10);
    auto* clock = new Box(waitBox_, "Image4", {8, 3, 123, 132});
    clock->setPicture(ArtStore::instance().pixmap(":/art/ui/clock.svg", {123, 132}));
    waitText_ = new Box(waitBox_, "lblWait", {144, 56, 180, 30});
    QFont bold;
    bold.setBold(true);
    bold.setPixelSize(22);
    waitText_->setCaptionStyle(bold, QColor(192, 0, 0), Qt::AlignLeft | Qt::AlignVCenter);
    waitBox_->hide();
    stampHolder_ = new ShapeFrame(view_, "Shape10", {0, 0, 1, 1}, QColor(128, 128, 255), 2, false);
    stampHolder_->hide();

    c.actions.bind(*view_, BoxEvent::MouseDown, "PenDown");
    c.actions.bind(*view_, BoxEvent::MouseMove, "PenMove");
    c.actions.bind(*view_, BoxEvent::MouseUp, "PenUp");
    spaceMoves();
    view_->onFinger = [this](CanvasView::Stage stage, int finger, double x, double y) {
        static constexpr const char* kNames[] = {"FingerDown", "FingerMove", "FingerUp"};
        // A finger presses as hard as a finger does: the chosen size.
        if (stage == CanvasView::Stage::Down && painting_.state.PenPressure != 0) c_.actions.run("PenPressure", {0});
        c_.actions.run(kNames[int(stage)], {double(finger), PointerCoordinate(x), PointerCoordinate(y)});
    };
    view_->onPen = [this](const CanvasView::Pen& pen) { readPen(pen); };
    view_->onMousePress = [this] {
        if (penErases_) c_.actions.run("PenEnd", {0});  // the mouse is no pen's eraser
        if (painting_.state.PenPressure != 0) c_.actions.run("PenPressure", {0});  // nor does it press
    };
    // Off the canvas no stamp can land, so the outline goes with the pointer;
    // the next move over the canvas brings it back.
    view_->onLeave = [this] { hideStampHolder(); };
    spoken.whenLanguageChanges([this](Language language) { applyTexts(language); });
}

// A pen or a gaming mouse sends a thousand moves a second; the canvas takes
// about one a screen frame, before the action runs, so the drawing and its
// story see only those and the story stays small. Time is cut into slots a
// frame long, each following on from the last (a slot taken late does not
// push the next ones later, else a 60 Hz mouse, half its moves a touch
// early, would be held back a frame at every other move): the first move in
// a free slot paints at once; later ones in that slot wait for its end, the
// latest replacing the one held, unless the pointer has left the paper the
// stroke's last step covered (a fast drag): then it paints at once, so the
// pixel under the pointer is always painted as it gets there, while a stroke
// still takes its steps no closer than a frame or a block apart, and looks
// the same however fast the mouse reports. Strokes join up between the
// points they get. A move held back runs when its slot ends, or first when
// any other action comes (a press, a release, a tool chosen mid-stroke):
// painted after it, it would paint with the next tool, which its replay,
// taking the actions in the order the story holds them, would not.
void CanvasPart::spaceMoves() {
    moveTimer_ = new QTimer(view_);
    moveTimer_->setSingleShot(true);
    moveTimer_->setTimerType(Qt::PreciseTimer);
    const Box::MouseHandler move = view_->onMouseMove;
    // The next slot follows on from the one taken, unless the pointer was
    // still for longer than a slot: then the slots start afresh now.
    const auto takeSlot = [this](std::chrono::steady_clock::time_point now) {
        slotEnd_ = now - slotEnd_ < kMoveSpacing ? slotEnd_ + kMoveSpacing : now + kMoveSpacing;
    };
    const auto runHeld = [this, move, takeSlot](bool slotDue) {
        moveTimer_->stop();
        if (!heldMove_) return;
        const HeldMove m = *heldMove_;
        heldMove_.reset();
        // Its slot's end came (the timer, or a move after it): it takes the
        // next slot. Run early, for another action, it stays in its own.
        const auto now = moveClock();
        if (slotDue || now >= slotEnd_) takeSlot(std::max(now, slotEnd_));
        move(m.button, m.x, m.y);
    };
    QObject::connect(moveTimer_, &QTimer::timeout, view_, [runHeld] { runHeld(true); });
    // Whether the left button (a pen's tip) went down on the canvas and is
    // not yet let go: only then is there a stroke a move can leave.
    const auto leftDown = std::make_shared<bool>(false);
    view_->onMouseMove = [this, move, takeSlot, runHeld, leftDown](int button, double x, double y) {
        if (heldMove_ && heldMove_->button != button) runHeld(false);
        const auto now = moveClock();
        if (heldMove_ && now >= slotEnd_) runHeld(true);  // its timer is late: the held move goes first
        if (!heldMove_ && now >= slotEnd_) {
            takeSlot(now);
            move(button, x, y);
            return;
        }
        if (button == 1 && *leftDown && reachesBare(x, y)) {
            heldMove_.reset();  // passed by this one, as a later move would pass it
            moveTimer_->stop();
            move(button, x, y);
            return;
        }
        heldMove_ = HeldMove{button, x, y};
        if (!moveTimer_->isActive())
            moveTimer_->start(
                int(std::max<std::int64_t>(0, std::chrono::ceil<std::chrono::milliseconds>(slotEnd_ - now).count())));
    };
    c_.actions.addPrelude([runHeld] { runHeld(false); });
    const Box::MouseHandler down = view_->onMouseDown, up = view_->onMouseUp;
    view_->onMouseDown = [leftDown, down](int button, double x, double y) {
        down(button, x, y);
        *leftDown = button == 1;
    };
    view_->onMouseUp = [leftDown, up](int button, double x, double y) {
        up(button, x, y);
        *leftDown = false;
    };
}

bool CanvasPart::reachesBare(double x, double y) const {
    const double px = PixelOf(x), py = PixelOf(y);
    constexpr double kLo = std::numeric_limits<std::int16_t>::min(), kHi = std::numeric_limits<std::int16_t>::max();
    if (!(px >= kLo && px <= kHi && py >= kLo && py <= kHi)) return false;  // no 16-bit painter takes it
    return stroke_.ReachesBare(0, toolOf(0), std::int16_t(px), std::int16_t(py));
}

// The surface changed outside a paint call (undo or redo, a page, an
// opened drawing, the oil): strokes held by fingers end there, and the pen
// is taken to be the right way round until it says otherwise (it says so
// again at its next hover or press), pressing at no level until it presses
// again (so a story that goes on past the change, with a `state` line that
// says a level only when there is one, replays the same). Only what
// changed the canvas does this, never a cancelled open, so a story, which
// holds every such change, replays it the same.
void CanvasPart::refresh() {
    forgetFingers();
    stroke_.CancelShape();
    view_->showOver(nullptr);
    if (penErases_) PenEnd(0);
    painting_.state.PenPressure = 0;
    view_->sync();
}

bool CanvasPart::stampIsTheTool() const { return icon_ == CanvasCursor::Stamp && IsStampTool(painting_.state.ToolMode); }

// The one place a stroke's tool is chosen: the mouse's stroke (the pen's)
// erases while the pen is held by its eraser end, and every other stroke
// paints with the chosen tool, which the eraser end never changes.
Tool CanvasPart::toolOf(int stroke) const { return penErases_ && stroke == 0 ? Tool::Eraser : painting_.state.ToolMode; }

QRect CanvasPart::placeOnWindow() const { return {view_->mapTo(&c_.window, QPoint(0, 0)), view_->size()}; }

void CanvasPart::showStampHolder(QSize size) {
    stampHolderSize_ = size;
    stampHolder_->resize(size);
    stampHolder_->show();
    stampHolder_->raise();
}

void CanvasPart::setCanvasIcon(CanvasCursor c) {
    icon_ = c;
    const CursorArt& art = kCursors[std::size_t(int(c) - 1)];
    const QPixmap pm = ArtStore::instance().pixmap(QStringLiteral(":/art/ui/%1.svg").arg(QLatin1String(art.name)),
                                                   {art.size, art.size});
    view_->setCursor(QCursor(pm, art.hotX, art.hotY));
}

void CanvasPart::PaintAt(double x, double y) { paintStep(0, x, y); }

void CanvasPart::paintStep(int stroke, double x, double y) {
    std::int16_t ix, iy;
    try {
        ix = Checked16(PixelOf(x));
        iy = Checked16(PixelOf(y));
    } catch (const Overflow16&) {
        return;  // a point no 16-bit painter can take
    }
    // Pencil and eraser join up with the stroke's last step; the pen's
    // eraser end erases with the chosen tool's size.
    stroke_.PaintStep(stroke, toolOf(stroke), ix, iy, painting_.state.CurrentColor);
    view_->showOver(stroke_.shapePreview());
    view_->sync();
}

// A shape dragged out by a stroke lands where that stroke lets go.
void CanvasPart::landShape(int stroke, double x, double y) {
    if (!stroke_.shapeUnderWay(stroke)) return;
    try {
        stroke_.LandShape(stroke, Checked16(PixelOf(x)), Checked16(PixelOf(y)), painting_.state.CurrentColor);
    } catch (const Overflow16&) {
        stroke_.CancelShape();  // let go at a point no 16-bit painter can take
    }
    view_->showOver(nullptr);
    view_->sync();
}

bool CanvasPart::pressTaken(Tool tool, double x, double y) {
    return std::any_of(needs.takesPress.begin(), needs.takesPress.end(),
                       [&](const auto& take) { return take && take(tool, x, y); });
}

void CanvasPart::PenDown(int button, double x, double y) {
    needs.hidePickers();
    painting_.state.Phase = MousePhase::Down;
    stroke_.StartStroke();
    if (button != 1) return;
    if (pressTaken(toolOf(0), x, y)) return;
    // The joined-up tools start their line here.
    painting_.canvas.moveTo(PixelOf(x), PixelOf(y));
    PaintAt(x, y);
}

bool CanvasPart::anyFingerDown() const {
    return std::any_of(fingers_.begin(), fingers_.end(), [](FingerState f) { return f != FingerState::Up; });
}

void CanvasPart::FingerDown(int finger, double x, double y) {
    auto& state = fingers_.at(std::size_t(finger));
    state = FingerState::Up;  // landing again without lifting: the old stroke has ended
    const bool alone = !anyFingerDown();
    if (alone) needs.hidePickers();
    // A finger landing alone presses as the mouse does.
    if (alone && pressTaken(toolOf(1 + finger), x, y)) return;
    if (!alone && !StrokePainter::PaintsSeveralAtOnce(toolOf(1 + finger))) {
        state = FingerState::Waits;
        return;
    }
    state = FingerState::Paints;
    painting_.state.Phase = MousePhase::Down;
    stroke_.StartStroke(1 + finger);
    // The pen and rainbow lines start here; only a finger alone paints them.
    if (alone)
        painting_.canvas.moveTo(PixelOf(x), PixelOf(y));
    paintStep(1 + finger, x, y);
}

void CanvasPart::FingerMove(int finger, double x, double y) {
    if (fingers_.at(std::size_t(finger)) != FingerState::Paints) return;
    painting_.state.Phase = MousePhase::Move;
    paintStep(1 + finger, x, y);
}

void CanvasPart::FingerUp(int finger, double x, double y) {
    if (fingers_.at(std::size_t(finger)) == FingerState::Paints) landShape(1 + finger, x, y);
    fingers_.at(std::size_t(finger)) = FingerState::Up;
    if (!anyFingerDown()) painting_.state.Phase = MousePhase::Up;
}

void CanvasPart::PenPressure(int level) { painting_.state.PenPressure = std::int16_t(level); }

void CanvasPart::PenEnd(int end) {
    penErases_ = end == 1;
    if (penErases_) {
        const CanvasCursor chosen = icon_;
        setCanvasIcon(CanvasCursor::Eraser);
        icon_ = chosen;
    } else {
        setCanvasIcon(icon_);
    }
}

// A pen is read as the mouse is, through the same actions: its moves are
// spaced one a frame like the mouse's, and hovering carries the stamp
// outline. The end it is held by is said first, never in mid-stroke, and
// then, while the tip touches, the level it presses at when that changed:
// the held move before it paints at the old level, this one at the new.
// Hovering reads no pressure and changes nothing, nor does the eraser end.
void CanvasPart::readPen(const CanvasView::Pen& pen) {
    lastPen_ = pen;  // the tilt: read, and left for later
    if (pen.stage != CanvasView::Stage::Up && (pen.stage == CanvasView::Stage::Down || !pen.held) &&
        pen.eraser != penErases_)
        c_.actions.run("PenEnd", {pen.eraser ? 1.0 : 0.0});
    // The eraser end rubs out at the chosen size, however hard it presses.
    if (!pen.eraser && (pen.stage == CanvasView::Stage::Down || (pen.stage == CanvasView::Stage::Move && pen.held))) {
        const int level = PressureLevel(pen.pressure, painting_.state.PenPressure);
        if (level != painting_.state.PenPressure) c_.actions.run("PenPressure", {double(level)});
    }
    switch (pen.stage) {
        case CanvasView::Stage::Down:
            view_->onMouseDown(1, pen.x, pen.y);
            break;
        case CanvasView::Stage::Move:
            view_->onMouseMove(pen.held ? 1 : 0, pen.x, pen.y);
            break;
        case CanvasView::Stage::Up:
            view_->onMouseUp(1, pen.x, pen.y);
            break;
    }
}

void CanvasPart::PenMove(int button, double x, double y) {
    // The stamp outline shrinks further up the page, like the stamp itself;
    // between bands and off the page it keeps the size it had.
    if (const auto factor = PerspectiveFactor(y)) {
        stampHolder_->resize(int(std::nearbyint(stampHolderSize_.width() / *factor)),
                             int(std::nearbyint(stampHolderSize_.height() / *factor)));
    }
    stampHolder_->move(int(std::nearbyint(x - stampHolder_->width() / 2.0)),
                       int(std::nearbyint(y - stampHolder_->height() / 2.0)));
    if (!stampIsTheTool()) {
        hideStampHolder();
    } else if (stampHolder_->isHidden()) {
        stampHolder_->show();
        stampHolder_->raise();
    }
    painting_.state.Phase = MousePhase::Move;
    needs.normalCommandFaces();
    if (button == 1) PaintAt(x, y);
}

void CanvasPart::PenUp(int button, double x, double y) {
    if (button == 1) landShape(0, x, y);
    painting_.state.Phase = MousePhase::Up;
}

void CanvasPart::applyTexts(Language language) {
    waitText_->setCaption(Text(TextId::Wait, language));
}

}  // namespace pintaloo
