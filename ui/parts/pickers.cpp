// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/pickers.h"

#include <QFile>
#include <QSvgRenderer>
#include <string>

#include "ui/art/art_store.h"
#include "ui/art/picture_library.h"
#include "engine/toolbox/tools_table.h"
#include "ui/words/texts.h"

namespace pintaloo {

namespace {

const QColor kMidBlue(66, 115, 168);

// An entry's place in its panel: cells of 56 pixels, nine to a row.
QRect CellPlace(int cell) { return {8 + 56 * (cell % 9), 8 + 56 * (cell / 9), 50, 50}; }

QString PickerArtPath(const char* name) { return QStringLiteral(":/art/pickers/%1.svg").arg(QLatin1String(name)); }

QPixmap PickerArt(const char* name) { return ArtStore::instance().pixmap(PickerArtPath(name), {50, 50}); }

}  // namespace

QString ChosenPicturePath(Tool tool, int variant) {
    if (const ToolRow* row = RowOf(tool); row && (row->button == ToolButton::Models || row->button == ToolButton::Magic))
        return PickerArtPath(row->art);
    if (const auto n = StampPictureFor(tool, variant)) return PictureLibrary::stampPath(*n);
    return {};
}

// The panels are made when one is first opened (or a script reaches into
// one): seventy-odd widgets the start need not make.
Pickers::Pickers(WindowControls& c, EditorState& state, const SoundPlayer& sounds, Panels& panels, SpokenLanguage& spoken,
            Needs wiring)
    : needs(std::move(wiring)), c_(c), state_(state), sounds_(sounds), panels_(panels), spoken_(spoken),
      late_(c.window, panels, [this] { make(); }) {
    slotPicture_.assign(std::size_t(StampSlots()), 0);
    panels.addLatePanel([this] { return stampsPanel_; }, [this] { hidePanels(); });
    panels.addLatePanel([this] { return modelsPanel_; }, [this] { hidePanels(); });
    panels.addLatePanel([this] { return magicPanel_; }, [this] { hidePanels(); });
    panels.addLatePanel([this] { return shapesPanel_; }, [this] { hidePanels(); });
    spoken.whenLanguageChanges([this](Language language) {
        if (late_.made()) applyTexts(language);
    });
}

void Pickers::make() {
    WindowControls& c = c_;
    modelsPanel_ = new Box(&c.window, "pctBrush", {88, 504, 513, 121});
    stampsPanel_ = new Box(&c.window, "pctStamp", {160, 504, 457, 121});
    // Two rows of nine like the models', ending where the bar's last
    // control (the chosen colour) ends: the magic button stands far right.
    magicPanel_ = new Box(&c.window, "pctMagic", {296, 504, 513, 121});
    // One row of nine, over the shapes button and to its left.
    shapesPanel_ = new Box(&c.window, "pctShapes", {144, 568, 513, 65});
    for (Box* panel : {modelsPanel_, stampsPanel_, magicPanel_, shapesPanel_}) {
        panel->setBackColor(QColor(Qt::white));
        panel->hide();
    }
    new ShapeFrame(modelsPanel_, "Shape4", modelsPanel_->rect(), kMidBlue, 3, false);  // the panels' outlines
    new ShapeFrame(stampsPanel_, "Shape5", stampsPanel_->rect(), kMidBlue, 3, false);
    new ShapeFrame(magicPanel_, "Shape9", magicPanel_->rect(), kMidBlue, 3, false);
    c.actions.bind(*modelsPanel_, BoxEvent::MouseMove, "PointerOverModelsPanel");
    c.actions.bind(*magicPanel_, BoxEvent::MouseMove, "PointerOverMagicPanel");
    new ShapeFrame(shapesPanel_, "Shape13", shapesPanel_->rect(), kMidBlue, 3, false);
    c.actions.bind(*shapesPanel_, BoxEvent::MouseMove, "PointerOverShapesPanel");

    for (int i = 0, n = EntriesOn(ToolButton::Models); i < n; ++i) {
        Box* b =
            new Box(modelsPanel_, QStringLiteral("bSpray(%1)").arg(i), CellPlace(EntryOf(ToolButton::Models, i)->cell));
        b->setHandCursor(true);
        c.actions.bind(*b, BoxEvent::MouseDown, "ChooseModel", i);
        c.actions.bind(*b, BoxEvent::MouseMove, "PointerOverModel", i);
        models_.push_back(b);
        modelFrames_.push_back(new ShapeFrame(b, QStringLiteral("Shape1(%1)").arg(i), {0, 0, 49, 49}, kMidBlue, 3, true));
    }
    for (int i = 0, n = EntriesOn(ToolButton::Stamps); i < n; ++i) {
        Box* b =
            new Box(stampsPanel_, QStringLiteral("bStamp(%1)").arg(i), CellPlace(EntryOf(ToolButton::Stamps, i)->cell));
        b->setHandCursor(true);
        c.actions.bind(*b, BoxEvent::MouseDown, "ChooseStampCategory", i);
        c.actions.bind(*b, BoxEvent::MouseMove, "PointerOverStampCategory", i);
        categories_.push_back(b);
        categoryFrames_.push_back(
            new ShapeFrame(b, QStringLiteral("Shape7(%1)").arg(i), {0, 0, 49, 49}, kMidBlue, 3, true));
    }
    for (int i = 0, n = EntriesOn(ToolButton::Magic); i < n; ++i) {
        Box* b = new Box(magicPanel_, QStringLiteral("bMagic(%1)").arg(i), CellPlace(EntryOf(ToolButton::Magic, i)->cell));
        b->setHandCursor(true);
        c.actions.bind(*b, BoxEvent::MouseDown, "ChooseMagic", i);
        c.actions.bind(*b, BoxEvent::MouseMove, "PointerOverMagic", i);
        magic_.push_back(b);
        magicFrames_.push_back(new ShapeFrame(b, QStringLiteral("Shape8(%1)").arg(i), {0, 0, 49, 49}, kMidBlue, 3, true));
    }
    for (int i = 0, n = EntriesOn(ToolButton::Shapes); i < n; ++i) {
        Box* b = new Box(shapesPanel_, QStringLiteral("bShape(%1)").arg(i), CellPlace(EntryOf(ToolButton::Shapes, i)->cell));
        b->setHandCursor(true);
        c.actions.bind(*b, BoxEvent::MouseDown, "ChooseShape", i);
        c.actions.bind(*b, BoxEvent::MouseMove, "PointerOverShape", i);
        shapes_.push_back(b);
        shapeFrames_.push_back(new ShapeFrame(b, QStringLiteral("Shape12(%1)").arg(i), {0, 0, 49, 49}, kMidBlue, 3, true));
    }
    for (int i = 0, n = StampSlots(); i < n; ++i) {
        Box* slot = new Box(stampsPanel_, QStringLiteral("bStamp1(%1)").arg(i), {8 + 56 * i, 64, 49, 49});
        slot->setStretch(true);
        slot->setFrame(QColor(200, 210, 230), 1, 6);
        slot->setHandCursor(true);
        c.actions.bind(*slot, BoxEvent::Click, "ChooseStamp", i);
        slots_.push_back(slot);
    }
    resetFrames();
    for (Box* panel : {stampsPanel_, modelsPanel_, magicPanel_, shapesPanel_}) panels_.rightClickCloses(*panel);
    applyTexts(spoken_.now());
}

// An entry whose tool has a name of its own says it as its tooltip (and so
// to a screen reader); the others are known by their pictures and numbers.
void Pickers::applyTexts(Language language) {
    for (std::size_t i = 0; i < models_.size(); ++i)
        if (const ToolRow* row = EntryOf(ToolButton::Models, int(i)); row && row->name)
            models_[i]->setToolTip(Text(row->name, language));
    for (std::size_t i = 0; i < categories_.size(); ++i)
        if (const ToolRow* row = EntryOf(ToolButton::Stamps, int(i)); row && row->name)
            categories_[i]->setToolTip(Text(row->name, language));
    for (std::size_t i = 0; i < magic_.size(); ++i)
        if (const ToolRow* row = EntryOf(ToolButton::Magic, int(i)); row && row->name)
            magic_[i]->setToolTip(Text(row->name, language));
    for (std::size_t i = 0; i < shapes_.size(); ++i)
        if (const ToolRow* row = EntryOf(ToolButton::Shapes, int(i)); row && row->name)
            shapes_[i]->setToolTip(Text(row->name, language));
}

// The button pictures are drawn when a panel is first opened, not at start.
void Pickers::ensureArt() {
    late_.need();
    if (artReady_) return;
    artReady_ = true;
    for (std::size_t i = 0; i < models_.size(); ++i)
        models_[i]->setPicture(PickerArt(EntryOf(ToolButton::Models, int(i))->art));
    for (std::size_t i = 0; i < categories_.size(); ++i)
        categories_[i]->setPicture(PickerArt(EntryOf(ToolButton::Stamps, int(i))->art));
    for (std::size_t i = 0; i < magic_.size(); ++i)
        magic_[i]->setPicture(PickerArt(EntryOf(ToolButton::Magic, int(i))->art));
}

void Pickers::showModels() {
    ensureArt();
    modelsPanel_->show();
    modelsPanel_->raise();
}

void Pickers::showStamps() {
    ensureArt();
    stampsPanel_->show();
    stampsPanel_->raise();
    if (needs.showStampStrip) needs.showStampStrip(true);
}

void Pickers::showMagic() {
    ensureArt();
    magicPanel_->show();
    magicPanel_->raise();
}

void Pickers::showShapes() {
    late_.need();
    showShapeKinds();
    shapesPanel_->show();
    shapesPanel_->raise();
}

// The line has one picture; every shape shows itself filled or outlined,
// as the next one lands. Drawn when the panel opens and when the kind turns.
void Pickers::showShapeKinds() {
    const bool filled = IsShapeTool(state_.ToolMode) && ShapesFilled(state_);
    for (std::size_t i = 0; i < shapes_.size(); ++i) {
        const ToolRow* row = EntryOf(ToolButton::Shapes, int(i));
        const std::string filledArt = std::string(row->art) + "_filled";
        const bool hasFilled = QFile::exists(PickerArtPath(filledArt.c_str()));  // not the line
        shapes_[i]->setPicture(PickerArt(filled && hasFilled ? filledArt.c_str() : row->art));
    }
}

bool Pickers::panelOpen() const {
    return late_.made() && (!modelsPanel_->isHidden() || !stampsPanel_->isHidden() || !magicPanel_->isHidden() ||
                            !shapesPanel_->isHidden());
}

void Pickers::hidePanels() {
    if (needs.showStampStrip) needs.showStampStrip(false);
    if (!late_.made()) return;
    stampsPanel_->hide();
    modelsPanel_->hide();
    magicPanel_->hide();
    shapesPanel_->hide();
}

void Pickers::resetFrames() {
    if (!late_.made()) return;  // made with every frame hidden in its corner
    for (ShapeFrame* s : modelFrames_) {
        s->hide();
        s->move(0, 0);
    }
    for (ShapeFrame* s : categoryFrames_) {
        s->hide();
        s->move(0, 0);
        s->setRounded(true);
    }
    for (ShapeFrame* s : magicFrames_) {
        s->hide();
        s->move(0, 0);
    }
    for (ShapeFrame* s : shapeFrames_) {
        s->hide();
        s->move(0, 0);
    }
}

// A slot without a picture is hidden, not shown as an empty frame: a child
// who picks an empty frame gets a stamp that paints nothing.
void Pickers::emptySlots() {
    std::fill(slotPicture_.begin(), slotPicture_.end(), 0);
    for (std::size_t k = 0; k < slots_.size(); ++k) {
        slots_[k]->clearPicture();
        slots_[k]->hide();
    }
}

void Pickers::ChooseModel(int index, int button, double, double) {
    late_.need();
    if (button == 1) {
        sounds_.playWave(WaveSound::Chosen);
        state_.ToolVariant = 0;
        modelsPanel_->hide();
        if (const ToolRow* row = EntryOf(ToolButton::Models, index)) state_.ToolMode = row->tool;
    }
    needs.setCanvasIcon(CanvasCursor::Models);
}

void Pickers::PointerOverModel(int index, int, double, double) {
    late_.need();
    c_.setHandCursor(true);
    for (ShapeFrame* s : modelFrames_) s->hide();
    modelFrames_[std::size_t(index)]->show();
}

void Pickers::PointerOverModelsPanel(int, double, double) {
    late_.need();
    for (ShapeFrame* s : modelFrames_) s->hide();
}

void Pickers::ChooseStampCategory(int index, int button, double, double) {
    late_.need();
    if (button != 1) return;
    emptySlots();
    state_.ToolVariant = 0;
    sounds_.playWave(WaveSound::Click);
    // The hub passes only the entries there are.
    const ToolRow& category = *EntryOf(ToolButton::Stamps, index);
    state_.ToolMode = category.tool;
    for (int k = 0; k < category.pictures; ++k) {
        const int n = category.firstPicture + k;
        slotPicture_[std::size_t(k)] = n;
        slots_[std::size_t(k)]->setPicture(ArtStore::instance().pixmap(PictureLibrary::stampPath(n), {49, 49}));
        slots_[std::size_t(k)]->show();
    }
}

void Pickers::PointerOverStampCategory(int index, int, double, double) {
    late_.need();
    c_.setHandCursor(true);
    for (ShapeFrame* s : categoryFrames_) s->hide();
    categoryFrames_[std::size_t(index)]->show();
}

void Pickers::ChooseStamp(int index) {
    late_.need();
    sounds_.playWave(WaveSound::Chosen);
    modelsPanel_->hide();
    stampsPanel_->hide();
    if (needs.showStampStrip) needs.showStampStrip(false);
    // The holder takes the slot's picture at its own size. An empty slot is
    // hidden, so only a script reaches one: it chooses a stamp that paints
    // nothing, as it did when the slot showed, so that stories recorded
    // then replay to the drawing they made.
    const int n = slotPicture_[std::size_t(index)];
    QSize size(0, 0);
    if (n) size = QSvgRenderer(PictureLibrary::stampPath(n)).defaultSize();
    needs.showStampHolder(size);
    state_.ToolVariant = std::int16_t(index);
    needs.setCanvasIcon(CanvasCursor::Stamp);
}

// A magic brush is chosen as a model is (its picture then shows on the
// magic button). A trick over the whole picture runs at once, behind the
// wait box as the oil does, and leaves the chosen tool as it was; the
// action is a drawing one, so the history keeps it as one step.
void Pickers::ChooseMagic(int index, int button, double, double) {
    late_.need();
    if (button != 1) return;
    const ToolRow* row = EntryOf(ToolButton::Magic, index);  // the hub passes only the entries there are
    magicPanel_->hide();
    if (!row) return;
    if (row->wholePicture) {
        sounds_.playWave(WaveSound::Oil);
        needs.showWaitBox(true);
        needs.pause(600);
        needs.paintWholePicture(row->tool);
        needs.showWaitBox(false);
        return;
    }
    sounds_.playWave(WaveSound::Sparkle);
    state_.ToolVariant = 0;
    state_.ToolMode = row->tool;
    needs.setCanvasIcon(CanvasCursor::Models);
}

void Pickers::PointerOverMagic(int index, int, double, double) {
    late_.need();
    c_.setHandCursor(true);
    for (ShapeFrame* s : magicFrames_) s->hide();
    magicFrames_[std::size_t(index)]->show();
}

void Pickers::PointerOverMagicPanel(int, double, double) {
    late_.need();
    for (ShapeFrame* s : magicFrames_) s->hide();
}

}  // namespace pintaloo

namespace pintaloo {

bool IsShapeTool(Tool tool) {
    const ToolRow* row = RowOf(tool);
    return row && row->button == ToolButton::Shapes;
}

// The kind a shape lands as is kept in ToolVariant: a shape chosen after
// another keeps it, one chosen after any other tool starts outlined (a
// model or a stamp left its own number there). The panel stays open when
// the kind turns, so the child sees every picture change with it.
void Pickers::ChooseShape(int index, int button, double, double) {
    late_.need();
    if (button != 1) return;
    const ToolRow* row = EntryOf(ToolButton::Shapes, index);  // the hub passes only the entries there are
    if (!row) return;
    if (row->tool == state_.ToolMode) {
        sounds_.playWave(WaveSound::Click);
        state_.ToolVariant = ShapesFilled(state_) ? 0 : 1;
        showShapeKinds();
        return;
    }
    sounds_.playWave(WaveSound::Chosen);
    state_.ToolVariant = IsShapeTool(state_.ToolMode) && ShapesFilled(state_) ? 1 : 0;
    state_.ToolMode = row->tool;
    shapesPanel_->hide();
    needs.setCanvasIcon(CanvasCursor::Pencil);
}

void Pickers::PointerOverShape(int index, int, double, double) {
    late_.need();
    c_.setHandCursor(true);
    for (ShapeFrame* s : shapeFrames_) s->hide();
    shapeFrames_[std::size_t(index)]->show();
}

void Pickers::PointerOverShapesPanel(int, double, double) {
    late_.need();
    for (ShapeFrame* s : shapeFrames_) s->hide();
}

}  // namespace pintaloo
