// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/tool_buttons.h"

#include "ui/actions/layout.h"
#include "ui/words/texts.h"

#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

#include "engine/canvas/oil_filter.h"
#include "ui/art/art_store.h"
#include "theme_colours.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

namespace {

// Faces from the left: pencil, models brush, stamp brush, fill, eraser, oil.
constexpr const char* kFaces[6] = {"tool_pencil", "tool_models", "tool_stamps", "tool_fill", "tool_eraser", "tool_oil"};
constexpr int kFaceOfItem[6] = {0, 1, 2, 4, 5, 3};

QString FacePath(int face) { return QStringLiteral(":/art/ui/%1.svg").arg(QLatin1String(kFaces[face])); }

}  // namespace

int ToolFaceOf(int item) { return item >= 0 && item < 6 ? kFaceOfItem[item] : -1; }

int ChosenToolItem(Tool t) {
    const ToolRow* row = RowOf(t);
    return row ? int(row->button) : -1;  // Tool::None: no button chose it
}

ToolButtons::ToolButtons(PartContext& c) : c_(c) {
    for (int i = 0; i < 6; ++i) {
        const int face = kFaceOfItem[i];
        buttons_[std::size_t(i)] = new Box(&c.window, QStringLiteral("bBrush(%1)").arg(i), PlaceOf("ChooseTool", i));
        Box* b = buttons_[std::size_t(i)];
        b->setHandCursor(true);
        c.actions.bind(*b, BoxEvent::MouseUp, "ChooseTool", i);
        c.actions.bind(*b, BoxEvent::MouseMove, "PointerOverTool", i);
        // However the pointer goes (a quick jump, off the window), the lit
        // face goes with it.
        b->onLeave = [this, i] {
            if (hovered_ == i) normalFaces();
        };
        normal_[std::size_t(i)] = ArtStore::instance().pixmap(FacePath(face), {67, 67});
    }
    normalFaces();
    c.whenLanguageChanges([this](Language language) { applyTexts(language); });
}

void ToolButtons::normalFaces() {
    hovered_ = -1;
    showFaces();
}

void ToolButtons::showFaces() {
    pressed_ = ChosenToolItem(c_.state.ToolMode);
    // The models and stamps buttons each choose one of many: the one in use
    // shows on its button, so a child need not open the panel to know.
    const QString chosen = c_.chosenPicture(c_.state.ToolMode, c_.state.ToolVariant);
    for (int i = 0; i < 6; ++i) {
        const auto k = std::size_t(i);
        QPixmap face;
        if (i == hovered_) {
            if (lit_[k].isNull()) lit_[k] = ArtStore::instance().brighter(FacePath(kFaceOfItem[i]), {67, 67});
            face = lit_[k];
        } else {
            face = i == pressed_ ? pressedFace(i) : normal_[k];
        }
        buttons_[k]->setPicture(i == pressed_ && !chosen.isEmpty() ? withBadge(face, chosen) : face);
    }
}

// A white rounded tile in the corner away from the pencil-sized tool
// pictures, the chosen picture fitted into it with its proportions kept.
// Drawn when a choice is first shown on a face (about a millisecond) and
// kept: at most the last dozen, a few hundred kilobytes.
QPixmap ToolButtons::withBadge(const QPixmap& face, const QString& path) {
    const QString key = path + QLatin1Char('|') + QString::number(face.cacheKey());
    if (const auto found = badged_.constFind(key); found != badged_.constEnd()) return *found;
    constexpr int kTile = 30, kInset = 2, kAt = 67 - kTile - 3;
    const QSize art =
        QSvgRenderer(path).defaultSize().scaled(kTile - 2 * kInset, kTile - 2 * kInset, Qt::KeepAspectRatio);
    QPixmap out = face.copy();
    {
        QPainter p(&out);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(theme::OUTLINE), 1.5));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(kAt + 0.75, kAt + 0.75, kTile - 1.5, kTile - 1.5), 6, 6);
        if (!art.isEmpty())
            p.drawPixmap(kAt + (kTile - art.width()) / 2, kAt + (kTile - art.height()) / 2,
                         ArtStore::instance().pixmap(path, art));
    }
    if (badged_.size() >= 12) badged_.clear();
    badged_.insert(key, out);
    return out;
}

// Pressed: the lit picture sunk a pixel, inside a thick warm frame, so the
// tool in use can be told from across the room.
QPixmap ToolButtons::pressedFace(int item) {
    QPixmap& face = pressedArt_[std::size_t(item)];
    if (face.isNull()) face = ArtStore::instance().pressed(FacePath(kFaceOfItem[item]), {67, 67});
    return face;
}

void ToolButtons::ChooseTool(int index, int button, double, double) {
    c_.hideStampHolder();
    if (button == 1) {
        // Only a button that chooses a tool starts its variant afresh: opening
        // a picker (then closing it with Escape) or the oil command leaves the
        // chosen stamp, and the model's turn, as they were.
        if (ToolOfButton(index)) c_.state.ToolVariant = 0;
        c_.closeAnimations(false);
        c_.hidePickers();
        switch (index) {
            case 0:
                c_.state.ToolMode = Tool::Pencil;
                c_.playWave(WaveSound::Click);
                c_.setCanvasIcon(CanvasCursor::Pencil);
                break;
            case 1:
                c_.showModels();
                c_.playWave(WaveSound::Click);
                break;
            case 2:
                c_.showStamps();
                c_.playWave(WaveSound::Click);
                c_.emptyStampSlots();
                break;
            case 3:
                c_.playWave(WaveSound::Click);
                c_.state.ToolMode = Tool::Eraser;
                c_.setCanvasIcon(CanvasCursor::Eraser);
                break;
            case 4:
                c_.playWave(WaveSound::Oil);
                c_.showWaitBox(true);
                c_.pause(1000);  // the wait box gets drawn meanwhile; presses wait until the oil is done
                runOil();
                c_.showWaitBox(false);
                break;
            case 5:
                c_.state.ToolMode = Tool::Fill;
                c_.playWave(WaveSound::Click);
                c_.setCanvasIcon(CanvasCursor::Fill);
                break;
            default:
                break;
        }
    }
}

void ToolButtons::runOil() {
    Surface& s = c_.canvas;
    OilFilter(s, 0, 0, s.width() - 1, s.height() - 1, 1, 160);
    c_.refreshCanvas();
}

void ToolButtons::PointerOverTool(int index, int, double, double) {
    c_.setHandCursor(true);
    hovered_ = index;
    showFaces();
}

void ToolButtons::applyTexts(Language language) {
    // By item, as the buttons are numbered (not as they stand).
    constexpr TextId kTips[6] = {TextId::ToolPencil, TextId::ToolModels, TextId::ToolStamps,
                                 TextId::ToolEraser, TextId::ToolOil,    TextId::ToolFill};
    for (std::size_t i = 0; i < 6; ++i) buttons_[i]->setToolTip(Text(kTips[i], language));
}

}  // namespace pintaloo
