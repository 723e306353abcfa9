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

// What a button does when pressed.
enum class Does : std::uint8_t { ChooseItsTool, OpenModels, OpenStamps, OilPainting, OpenMagic, OpenShapes };

// The nine buttons, by item as the replay scripts number them (not as they
// stand): the picture, the place from the left, the tooltip, the sound a
// press makes, what it does, and the canvas's icon for the tool a button
// chooses itself (which tool is its row's, ToolOfButton).
struct ButtonRow {
    ToolButton item;
    const char* face;  // in art/ui
    int place;
    TextId tip;
    WaveSound sound;
    Does does;
    CanvasCursor cursor = CanvasCursor::Pencil;
};
constexpr ButtonRow kButtons[] = {
    {ToolButton::Pencil, "tool_pencil", 0, TextId::ToolPencil, WaveSound::Click, Does::ChooseItsTool,
     CanvasCursor::Pencil},
    {ToolButton::Models, "tool_models", 1, TextId::ToolModels, WaveSound::Click, Does::OpenModels},
    {ToolButton::Stamps, "tool_stamps", 2, TextId::ToolStamps, WaveSound::Click, Does::OpenStamps},
    {ToolButton::Eraser, "tool_eraser", 4, TextId::ToolEraser, WaveSound::Click, Does::ChooseItsTool,
     CanvasCursor::Eraser},
    {ToolButton::Oil, "tool_oil", 5, TextId::ToolOil, WaveSound::Oil, Does::OilPainting},
    {ToolButton::Fill, "tool_fill", 3, TextId::ToolFill, WaveSound::Click, Does::ChooseItsTool, CanvasCursor::Fill},
    {ToolButton::Magic, "tool_magic", 6, TextId::ToolMagic, WaveSound::Click, Does::OpenMagic},
    {ToolButton::Shapes, "tool_shapes", 7, TextId::ToolShapes, WaveSound::Click, Does::OpenShapes},
    {ToolButton::Letters, "tool_letters", 8, TextId::ToolLetters, WaveSound::Click, Does::ChooseItsTool,
     CanvasCursor::Pencil},
};
static_assert(std::size(kButtons) == std::size_t(kToolButtonCount));
constexpr bool ByItem() {
    for (std::size_t i = 0; i < std::size(kButtons); ++i)
        if (int(kButtons[i].item) != int(i)) return false;
    return true;
}
static_assert(ByItem(), "the buttons' rows stand in the order of their items");


// The faces' size, the layout's (ui/actions/layout.cpp): the art is drawn
// at exactly this size (tools/art/make_ui_art.py) and prerendered so.
constexpr QSize kFace{ToolButtons::kFaceSize, ToolButtons::kFaceSize};

QString FacePath(int item) {
    return QStringLiteral(":/art/ui/%1.svg").arg(QLatin1String(kButtons[std::size_t(item)].face));
}

}  // namespace

int ToolFaceOf(int item) { return item >= 0 && item < kToolButtonCount ? kButtons[std::size_t(item)].place : -1; }

int ChosenToolItem(Tool t) {
    const ToolRow* row = RowOf(t);
    return row ? int(row->button) : -1;  // Tool::None: no button chose it
}

ToolButtons::ToolButtons(WindowControls& c, Painting& painting, const SoundPlayer& sounds, SpokenLanguage& spoken,
                         Needs wiring)
    : needs(std::move(wiring)), c_(c), painting_(painting), sounds_(sounds) {
    for (int i = 0; i < kToolButtonCount; ++i) {
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
        normal_[std::size_t(i)] = ArtStore::instance().pixmap(FacePath(i), kFace);
    }
    normalFaces();
    spoken.whenLanguageChanges([this](Language language) { applyTexts(language); });
}

void ToolButtons::normalFaces() {
    hovered_ = -1;
    showFaces();
}

void ToolButtons::showFaces() {
    pressed_ = ChosenToolItem(painting_.state.ToolMode);
    // The models and stamps buttons each choose one of many: the one in use
    // shows on its button, so a child need not open the panel to know.
    const QString chosen = needs.chosenPicture(painting_.state.ToolMode, painting_.state.ToolVariant);
    const QImage library = painting_.state.ToolMode == kLibraryStampTool && needs.chosenLibraryPicture
                               ? needs.chosenLibraryPicture()
                               : QImage();
    for (int i = 0; i < kToolButtonCount; ++i) {
        const auto k = std::size_t(i);
        QPixmap face;
        if (i == hovered_) {
            if (lit_[k].isNull()) lit_[k] = ArtStore::instance().brighter(FacePath(i), kFace);
            face = lit_[k];
        } else {
            face = i == pressed_ ? pressedFace(i) : normal_[k];
        }
        if (i == pressed_ && !library.isNull())
            face = withBadge(face, library);
        else if (i == pressed_ && !chosen.isEmpty())
            face = withBadge(face, chosen);
        buttons_[k]->setPicture(face);
    }
}

// A white rounded tile in the corner away from the pencil-sized tool
// pictures, the chosen picture fitted into it with its proportions kept.
// Drawn when a choice is first shown on a face (about a millisecond) and
// kept: at most the last dozen, a few hundred kilobytes.
QPixmap ToolButtons::withBadge(const QPixmap& face, const QString& path) {
    return badged(face, path, [&path](QPainter& p, const QRect& room) {
        const QSize art = QSvgRenderer(path).defaultSize().scaled(room.size(), Qt::KeepAspectRatio);
        if (!art.isEmpty())
            p.drawPixmap(room.x() + (room.width() - art.width()) / 2, room.y() + (room.height() - art.height()) / 2,
                         ArtStore::instance().pixmap(path, art));
    });
}

// The same tile with a collection's stamp in it, drawn from its picture.
QPixmap ToolButtons::withBadge(const QPixmap& face, const QImage& picture) {
    const QString key = QStringLiteral("image%1").arg(picture.cacheKey());
    return badged(face, key, [&picture](QPainter& p, const QRect& room) {
        const QImage art = picture.scaled(room.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        p.drawImage(room.x() + (room.width() - art.width()) / 2, room.y() + (room.height() - art.height()) / 2, art);
    });
}

// The white tile in the face's corner, `drawArt` filling the room inside it,
// kept under `what` and the face's own key.
QPixmap ToolButtons::badged(const QPixmap& face, const QString& what,
                            const std::function<void(QPainter&, const QRect&)>& drawArt) {
    const QString key = what + QLatin1Char('|') + QString::number(face.cacheKey());
    if (const auto found = badged_.constFind(key); found != badged_.constEnd()) return *found;
    // The tile takes the same share of a face as it did of the first,
    // 67-pixel faces: 30 pixels there, 21 at 46.
    constexpr int kTile = (30 * kFaceSize + 33) / 67, kInset = 2, kAt = kFaceSize - kTile - 3;
    QPixmap out = face.copy();
    {
        QPainter p(&out);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(theme::OUTLINE), 1.5));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(kAt + 0.75, kAt + 0.75, kTile - 1.5, kTile - 1.5), 6, 6);
        drawArt(p, QRect(kAt + kInset, kAt + kInset, kTile - 2 * kInset, kTile - 2 * kInset));
    }
    if (badged_.size() >= 12) badged_.clear();
    badged_.insert(key, out);
    return out;
}

// Pressed: the lit picture sunk a pixel, inside a thick warm frame, so the
// tool in use can be told from across the room.
QPixmap ToolButtons::pressedFace(int item) {
    QPixmap& face = pressedArt_[std::size_t(item)];
    if (face.isNull()) face = ArtStore::instance().pressed(FacePath(item), kFace);
    return face;
}

void ToolButtons::ChooseTool(int index, int button, double, double) {
    needs.hideStampHolder();
    if (button != 1 || index < 0 || index >= kToolButtonCount) return;
    const ButtonRow& row = kButtons[std::size_t(index)];
    // Only a button that chooses a tool starts its variant afresh: opening
    // a picker (then closing it with Escape) or the oil command leaves the
    // chosen stamp, and the model's turn, as they were.
    const std::optional<Tool> tool = ToolOfButton(index);
    if (tool) painting_.state.ToolVariant = 0;
    needs.closeAnimations(false);
    needs.hidePickers();
    sounds_.playWave(row.sound);
    switch (row.does) {
        case Does::ChooseItsTool:
            if (tool) painting_.state.ToolMode = *tool;
            needs.setCanvasIcon(row.cursor);
            break;
        case Does::OpenModels:
            needs.showModels();
            break;
        case Does::OpenMagic:
            needs.showMagic();
            break;
        case Does::OpenShapes:
            needs.showShapes();
            break;
        case Does::OpenStamps:
            needs.showStamps();
            needs.emptyStampSlots();
            break;
        case Does::OilPainting:
            needs.showWaitBox(true);
            needs.pause(1000);  // the wait box gets drawn meanwhile; presses wait until the oil is done
            runOil();
            needs.showWaitBox(false);
            break;
    }
}

void ToolButtons::runOil() {
    Surface& s = painting_.canvas;
    OilFilter(s, 0, 0, s.width() - 1, s.height() - 1, 1, 160);
    painting_.refresh();
}

void ToolButtons::PointerOverTool(int index, int, double, double) {
    c_.setHandCursor(true);
    hovered_ = index;
    showFaces();
}

void ToolButtons::applyTexts(Language language) {
    for (std::size_t i = 0; i < std::size(kButtons); ++i) buttons_[i]->setToolTip(Text(kButtons[i].tip, language));
}

}  // namespace pintaloo
