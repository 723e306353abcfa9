// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbox/tool_buttons.h"

#include "app/main_window.h"
#include "canvas/canvas_part.h"
#include "canvas/oil_filter.h"
#include "media/animation_panel.h"
#include "media/captions.h"
#include "resources/art_store.h"
#include "toolbox/pickers.h"

namespace pintaloo {

namespace {

// Faces from the left: pencil, models brush, stamp brush, fill, eraser, oil.
constexpr const char* kFaces[6] = {"tool_pencil", "tool_models", "tool_stamps", "tool_fill", "tool_eraser", "tool_oil"};
constexpr int kFaceOfItem[6] = {0, 1, 2, 4, 5, 3};
constexpr int kLeftOfFace[6] = {16, 88, 160, 232, 304, 376};

QString FacePath(int face) { return QStringLiteral(":/art/ui/%1.svg").arg(QLatin1String(kFaces[face])); }

}  // namespace

int ToolFaceOf(int item) { return item >= 0 && item < 6 ? kFaceOfItem[item] : -1; }

ToolButtons::ToolButtons(MainWindow& w) : w_(w) {
    for (int i = 0; i < 6; ++i) {
        const int face = kFaceOfItem[i];
        bBrush[std::size_t(i)] = new Box(&w, QStringLiteral("bBrush(%1)").arg(i), {kLeftOfFace[face], 632, 67, 67});
        Box* b = bBrush[std::size_t(i)];
        b->setHandCursor(true);
        w.actions.bind(*b, BoxEvent::MouseUp, "bBrush_MouseUp", i);
        w.actions.bind(*b, BoxEvent::MouseMove, "bBrush_MouseMove", i);
        normal_[std::size_t(i)] = ArtStore::instance().pixmap(FacePath(face), {67, 67});
    }
    normalFaces();
}

void ToolButtons::normalFaces() {
    for (std::size_t i = 0; i < 6; ++i) bBrush[i]->setPicture(normal_[i]);
}

void ToolButtons::bBrush_MouseUp(int index, int button, int, double, double) {
    CanvasPart& canvas = w_.canvasPart();
    canvas.hideStampHolder();
    if (button == 1) {
        w_.state.ToolVariant = 0;
        w_.animation().hidePanel();
        w_.pickers().hidePanels();
        w_.animation().silencePlayer();
        switch (index) {
            case 0:
                w_.state.ToolMode = Tool::Pencil;
                w_.PlayWaveSound(102);
                canvas.setCanvasIcon(CanvasCursor::Pencil);
                break;
            case 1:
                w_.pickers().showModels();
                w_.PlayWaveSound(102);
                break;
            case 2:
                w_.pickers().showStamps();
                w_.PlayWaveSound(102);
                w_.pickers().emptySlots();
                break;
            case 3:
                w_.PlayWaveSound(102);
                w_.state.ToolMode = Tool::Eraser;
                canvas.setCanvasIcon(CanvasCursor::Eraser);
                break;
            case 4:
                w_.PlayWaveSound(103);
                canvas.showWaitBox(true);
                w_.Delay(1000);  // the wait box gets drawn meanwhile
                runOil();
                canvas.showWaitBox(false);
                break;
            case 5:
                w_.state.ToolMode = Tool::Fill;
                w_.PlayWaveSound(102);
                canvas.setCanvasIcon(CanvasCursor::Fill);
                break;
            default:
                break;
        }
    }
}

void ToolButtons::runOil() {
    Surface& s = w_.canvas;
    OilFilter(s, 0, 0, s.width() - 1, s.height() - 1, 1, 160);
    w_.canvasPart().refresh();
}

void ToolButtons::bBrush_MouseMove(int index, int, int, double, double) {
    w_.SetHandCursor(true);
    normalFaces();
    if (index < 0 || index > 5) return;
    QPixmap& faded = faded_[std::size_t(index)];  // drawn on the first hover
    if (faded.isNull()) faded = ArtStore::instance().faded(FacePath(kFaceOfItem[index]), {67, 67});
    bBrush[std::size_t(index)]->setPicture(faded);
}

void ToolButtons::applyCaptions(const CaptionTexts& texts) {
    // By item, as the buttons are numbered (not as they stand).
    constexpr Caption kTips[6] = {Caption::Pencil, Caption::ModelsBrush, Caption::StampBrush,
                                  Caption::Eraser, Caption::Oil,         Caption::Fill};
    for (std::size_t i = 0; i < 6; ++i)
        if (const auto& t = texts[kTips[i]]) bBrush[i]->setToolTip(*t);
}

}  // namespace pintaloo
