// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/drawing_history.h"

#include "ui/actions/layout.h"
#include <QDateTime>
#include <QDir>

#include "ui/actions/box.h"
#include "ui/files/kept_drawing.h"
#include "ui/words/texts.h"
#include "ui/art/art_store.h"

namespace pintaloo {

namespace {
struct Button {
    const char* name;
    const char* face;
    const char* action;  // its place is its action's slot
};
const Button kButtons[2] = {{"bUndo", "cmd_undo", "Undo"}, {"bRedo", "cmd_redo", "Redo"}};
constexpr const char* kFaceEndings[3] = {"", "_hot", "_off"};

bool IsCanvas(const std::string& name) { return name == "PenDown" || name == "PenMove" || name == "PenUp"; }
bool IsFinger(const std::string& name) { return name == "FingerDown" || name == "FingerMove" || name == "FingerUp"; }
}  // namespace

DrawingHistory::DrawingHistory(WindowControls& c, Painting& painting, const Services& services,
                               const SoundPlayer& sounds, SpokenLanguage& spoken, Needs wiring)
    : needs(std::move(wiring)), c_(c), painting_(painting), services_(services), sounds_(sounds), language_(spoken) {
    for (std::size_t i = 0; i < 2; ++i) {
        Box* b = new Box(&c.window, QString::fromLatin1(kButtons[i].name), PlaceOf(kButtons[i].action));
        b->setHandCursor(true);
        for (std::size_t f = 0; f < 3; ++f)
            faces_[i][f] =
                ArtStore::instance().pixmap(QStringLiteral(":/art/ui/%1%2.svg")
                                                .arg(QLatin1String(kButtons[i].face), QLatin1String(kFaceEndings[f])),
                                            {49, 49});
        (i == 0 ? undoButton_ : redoButton_) = b;
    }
    c.actions.bind(*undoButton_, BoxEvent::Click, "Undo");
    c.actions.bind(*redoButton_, BoxEvent::Click, "Redo");
    c.actions.bind(*undoButton_, BoxEvent::MouseMove, "PointerOverUndo");
    c.actions.bind(*redoButton_, BoxEvent::MouseMove, "PointerOverRedo");
    // Last, so that every drawing part has done its work before a step is cut.
    c.actions.addObserver([this](const ActionCall& call) { heard(call); });
    showButtons();
    spoken.whenLanguageChanges([this](Language language) { applyTexts(language); });
}

DrawingHistory::~DrawingHistory() = default;

void DrawingHistory::restart() {
    strokeOpen_ = false;
    fingers_ = 0;
    fingersHold_ = false;
    if (history_)
        history_->reset(painting_.canvas, StepInfoOf(painting_.state));
    else
        history_.emplace(painting_.canvas, StepInfoOf(painting_.state));
    showButtons();
}

bool DrawingHistory::keepIn(const QString& folder) {
    keeper_.reset();
    if (folder.isEmpty()) return false;
    bool shown = false;
    if (const auto kept = LoadKeptDrawing(folder, painting_.canvas.width(), painting_.canvas.height())) {
        kept->copyInto(painting_.canvas);
        RestoreStepInfo(kept->info, painting_.state);
        needs.showPickerPage();
        painting_.refresh();
        shown = true;
    } else if (const QString aside = MoveRefusedAside(folder, QDateTime::currentDateTime()); !aside.isEmpty()) {
        // One that was there and refused is never overwritten by the next change.
        tell(Text(TextId::KeptRefused, language_.now()).arg(QDir::toNativeSeparators(QDir(folder).filePath(aside))));
    }
    restart();
    keeper_ = std::make_unique<KeptDrawingWriter>(folder);
    keeper_->onTrouble = [this, folder](const QString& why) {
        tell(Text(TextId::KeepFailed, language_.now()).arg(QDir::toNativeSeparators(folder), why));
    };
    return shown;
}

void DrawingHistory::keepNow() {
    if (keeper_) keeper_->changed(painting_.canvas, StepInfoOf(painting_.state));
}

void DrawingHistory::cannotKeep(const QString& message) {
    keeper_.reset();
    cannotKeep_ = true;
    tell(message);
}

// Said once the window's events run: at start, after the window shows,
// not in a box before it.
void DrawingHistory::tell(const QString& message) {
    QMetaObject::invokeMethod(
        &c_.window,
        [this, message] {
            if (services_.messages) services_.messages->tell(Text(TextId::KeepFailedTitle, language_.now()), message);
        },
        Qt::QueuedConnection);
}

void DrawingHistory::offerSaveBeforeQuitting() {
    flush();
    const bool unkept = keeper_ ? !keeper_->kept() : cannotKeep_ && changed_;
    if (!unkept || !services_.messages) return;
    changed_ = false;  // asked once per close
    if (services_.messages->ask(Text(TextId::KeepFailedTitle, language_.now()),
                                Text(TextId::SaveBeforeQuitting, language_.now())))
        c_.actions.run("SaveDrawing", {1});
}

void DrawingHistory::letFingersGo() { fingersHold_ = false; }

void DrawingHistory::flush() {
    if (history_ && strokeOpen_) {  // ending with the button still held: the stroke so far is kept too
        strokeOpen_ = false;
        commit();
    }
    if (keeper_) keeper_->flushNow();
}

// Steps are cut where a change ends. A canvas stroke ends at its release,
// or at the next press when the release never came (the pointer let go
// outside the window). Any other drawing action is one step when it ends;
// the oil effect lets events run while it paints, so a commit waits until
// the outermost drawing action has ended. Fingers on the canvas are one
// step together: it opens when the first lands and is cut when the last
// lifts, and a mouse press or release in between cuts nothing. Another
// change (an open, a new page, undo, redo, a tool) cuts the fingers' step
// too, and fingers still down hold none from then on until one of them
// paints again: a story begun or taken up there never had them down, and
// cuts its mouse strokes one by one.
void DrawingHistory::heard(const ActionCall& call) {
    if (!history_) return;  // before the window's first reset
    const bool began = call.stage == ActionCall::Stage::Began;
    if (IsFinger(call.name)) {
        const unsigned finger = 1u << unsigned(call.args.at(0));
        if (!began) {
            if (call.name == "FingerUp" && (fingers_ & finger) != 0) {
                fingers_ &= ~finger;
                if (fingers_ == 0 && fingersHold_ && strokeOpen_) {
                    strokeOpen_ = false;
                    commit();
                }
                fingersHold_ = fingersHold_ && fingers_ != 0;
            }
        } else if (call.name == "FingerDown") {
            fingers_ |= finger;
            strokeOpen_ = fingersHold_ = true;
        } else if (call.name == "FingerMove" && (fingers_ & finger) != 0) {
            strokeOpen_ = fingersHold_ = true;  // still down after a change cut the step: a new one begins
        }
        return;
    }
    if (IsCanvas(call.name)) {
        if (call.name == "PenUp") {
            if (!began && strokeOpen_ && !fingersHold_) {
                strokeOpen_ = false;
                commit();
            }
        } else if (began && call.effect == Effect::Drawing && (call.name == "PenDown" || call.args[0] != 0)) {
            if (call.name == "PenDown" && strokeOpen_ && !fingersHold_) commit();
            strokeOpen_ = true;
        }
        return;
    }
    if (call.effect != Effect::Drawing) return;
    if (began) {
        if (running_ == 0) {  // a stroke still held ends before the new change
            fingersHold_ = false;
            if (strokeOpen_) {
                strokeOpen_ = false;
                commit();
            }
        }
        ++running_;
    } else {
        running_ = std::max(0, running_ - 1);
        commit();
    }
}

void DrawingHistory::commit() {
    if (running_ > 0) return;
    if (history_->commit(painting_.canvas, StepInfoOf(painting_.state))) {
        ++cuts_;
        afterChange();
    }
}

void DrawingHistory::afterChange() {
    changed_ = true;
    if (keeper_) keeper_->changed(painting_.canvas, StepInfoOf(painting_.state));
    showButtons();
}

void DrawingHistory::restore(const std::optional<StepInfo>& info) {
    if (!info) return;
    RestoreStepInfo(*info, painting_.state);
    needs.showPickerPage();
    painting_.refresh();
    sounds_.playWave(WaveSound::PageTurn);  // a page of the drawing's story going back or forward
    afterChange();
}

void DrawingHistory::Undo() {
    if (!history_ || running_ > 0) return;  // never in the middle of the oil effect
    strokeOpen_ = false;                    // a stroke still held is committed by the undo, and is what goes
    fingersHold_ = false;
    restore(history_->undo(painting_.canvas));
}

void DrawingHistory::Redo() {
    if (!history_ || running_ > 0) return;
    fingersHold_ = false;
    if (strokeOpen_) {  // painting since the last undo ends the redo steps, as any new change does
        strokeOpen_ = false;
        commit();
    }
    restore(history_->redo(painting_.canvas));
}

void DrawingHistory::showButtons() {
    const bool can[2] = {history_ && history_->canUndo(), history_ && history_->canRedo()};
    Box* boxes[2] = {undoButton_, redoButton_};
    for (std::size_t i = 0; i < 2; ++i) {
        // Only on a change: it runs at every pointer over the buttons, and
        // enabling walks the widget and tells its children each time.
        if (boxes[i]->testAttribute(Qt::WA_Disabled) == can[i]) boxes[i]->setEnabled(can[i]);
        boxes[i]->setPicture(faces_[i][can[i] ? 0 : 2]);
    }
}

void DrawingHistory::hotFace(std::size_t which) {
    c_.setHandCursor(true);
    showButtons();
    Box* b = which == 0 ? undoButton_ : redoButton_;
    if (b->isEnabled()) b->setPicture(faces_[which][1]);
}

void DrawingHistory::PointerOverUndo(int, double, double) { hotFace(0); }
void DrawingHistory::PointerOverRedo(int, double, double) { hotFace(1); }

void DrawingHistory::applyTexts(Language language) {
    undoButton_->setToolTip(Text(TextId::Undo, language));
    redoButton_->setToolTip(Text(TextId::Redo, language));
}

}  // namespace pintaloo
