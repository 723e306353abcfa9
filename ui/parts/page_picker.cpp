// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/page_picker.h"

#include "ui/window/main_window.h"
#include "ui/window/panels.h"
#include "ui/parts/canvas_part.h"
#include "ui/parts/captions.h"
#include "ui/parts/command_buttons.h"
#include "ui/parts/drawing_files.h"
#include "ui/art/art_store.h"
#include "theme_colours.h"

namespace pintaloo {

namespace {
const QColor kMidBlue(66, 115, 168);
const QColor kInk(29, 35, 64);
}  // namespace

PagePicker::PagePicker(MainWindow& w) : w_(w) {
    // Hidden, off to the side of the window until the picker is opened.
    panel_ = new Box(&w, "pctOpen", {900, 76, 809, 625});
    panel_->setBackColor(QColor(236, 244, 255));
    panel_->setFrame(kMidBlue, 3, 12);
    QFont title;
    title.setBold(true);
    title.setPixelSize(24);
    title_ = new Box(panel_, "lblList", {20, 6, 560, 36});
    title_->setCaptionStyle(title, kInk, Qt::AlignLeft | Qt::AlignVCenter);
    preview_ = new Box(panel_, "Image3", {54, 44, 700, 487});
    preview_->setBackColor(QColor(Qt::white));
    preview_->setStretch(true);
    preview_->setHandCursor(true);
    prevButton_ = new Box(panel_, "KewlButtons9", {230, 545, 49, 49});
    counter_ = new Box(panel_, "Label5", {285, 545, 110, 49});
    counter_->setCaptionStyle(title, kInk, Qt::AlignCenter);
    nextButton_ = new Box(panel_, "KewlButtons8", {400, 545, 49, 49});
    prevButton_->setPicture(ArtStore::instance().pixmap(":/art/ui/arrow_prev.svg", {49, 49}));
    nextButton_->setPicture(ArtStore::instance().pixmap(":/art/ui/arrow_next.svg", {49, 49}));
    nextButton_->setHandCursor(true);
    prevButton_->setHandCursor(true);
    nextFrame_ = new ShapeFrame(panel_, "Shape8", nextButton_->geometry().adjusted(-3, -3, 3, 3), kMidBlue, 3, true);
    prevFrame_ = new ShapeFrame(panel_, "Shape9", prevButton_->geometry().adjusted(-3, -3, 3, 3), kMidBlue, 3, true);
    QFont link;
    link.setBold(true);
    link.setPixelSize(20);
    openDrawing_ = new Box(panel_, "Label7", {540, 550, 220, 40});
    openDrawing_->setBackColor(QColor(theme::BUTTON_YELLOW));
    openDrawing_->setCaptionStyle(link, kInk, Qt::AlignCenter);
    openDrawing_->setCaption(QStringLiteral("Open a drawing"));
    openDrawing_->setHandCursor(true);
    openDrawingFrame_ =
        new ShapeFrame(panel_, "Shape11", openDrawing_->geometry().adjusted(-4, -4, 4, 4), kMidBlue, 3, true);
    for (ShapeFrame* s : {nextFrame_, prevFrame_, openDrawingFrame_}) s->hide();
    // Top right, clear of the preview: the way back without taking a page.
    closeButton_ = new Box(panel_, "bClosePicker", {761, 3, 40, 40});
    closeButton_->setHandCursor(true);
    closeButton_->setPicture(ArtStore::instance().pixmap(":/art/ui/panel_close.svg", {40, 40}));
    closeButton_->onLeave = [this] {
        closeButton_->setPicture(ArtStore::instance().pixmap(":/art/ui/panel_close.svg", {40, 40}));
    };
    panel_->hide();

    w.actions.bind(*nextButton_, BoxEvent::Click, "PreviousPage");
    w.actions.bind(*prevButton_, BoxEvent::Click, "NextPage");
    w.actions.bind(*preview_, BoxEvent::Click, "TakePage");
    w.actions.bind(*nextButton_, BoxEvent::MouseMove, "PointerOverPrevious");
    w.actions.bind(*prevButton_, BoxEvent::MouseMove, "PointerOverNext");
    w.actions.bind(*openDrawing_, BoxEvent::MouseMove, "PointerOverOpen");
    w.actions.bind(*openDrawing_, BoxEvent::MouseDown, "OpenDrawing");  // the drawing files open
    w.actions.bind(*preview_, BoxEvent::MouseMove, "PointerOverPage");
    w.actions.bind(*panel_, BoxEvent::MouseMove, "PointerOverPagePicker");
    w.actions.bind(*closeButton_, BoxEvent::Click, "ClosePagePicker");
    w.actions.bind(*closeButton_, BoxEvent::MouseMove, "PointerOverPickerClose");
}

QString PagePicker::CounterText(int pageNumber) { return QString::number(pageNumber - 100) + QStringLiteral("/21"); }

void PagePicker::closeOnRightClick(const std::function<void()>& close) { CloseOnRightClick(*panel_, close); }

void PagePicker::open() {
    panel_->move(8, 76);
    panel_->show();
    panel_->raise();
    w_.state.PageNumber = ColouringPages::kFirst;
    ShowPickerPage();
}

void PagePicker::ShowPickerPage() {
    counter_->setCaption(CounterText(w_.state.PageNumber));
    // Rendered only when a preview is really shown (the reset sets just the counter).
    if (!panel_->isHidden()) preview_->setPicture(QPixmap::fromImage(pages_.image(w_.state.PageNumber)));
}

void PagePicker::PreviousPage() {
    auto& n = w_.state.PageNumber;
    n = n == ColouringPages::kLast ? ColouringPages::kFirst : std::int16_t(n + 1);
    ShowPickerPage();
    w_.PlayWaveSound(1011);
}

void PagePicker::NextPage() {
    auto& n = w_.state.PageNumber;
    n = n == ColouringPages::kFirst ? ColouringPages::kLast : std::int16_t(n - 1);
    ShowPickerPage();
    w_.PlayWaveSound(1011);
}

// The clean outline page replaces whatever was on the canvas.
void PagePicker::TakePage() {
    const Picture& page = pages_.page(w_.state.PageNumber);
    if (!page.empty()) {
        w_.canvas.setPicture(page);
        w_.canvasPart().refresh();
    }
    panel_->hide();
}

void PagePicker::PointerOverPrevious(int, double, double) {
    w_.SetHandCursor(true);
    nextFrame_->show();
}

void PagePicker::PointerOverNext(int, double, double) {
    w_.SetHandCursor(true);
    prevFrame_->show();
}

void PagePicker::PointerOverOpen(int, double, double) {
    w_.SetHandCursor(true);
    openDrawingFrame_->show();
}

void PagePicker::PointerOverPage(int, double, double) { w_.SetHandCursor(true); }

void PagePicker::ClosePagePicker() { close(); }

void PagePicker::PointerOverPickerClose(int, double, double) {
    w_.SetHandCursor(true);
    closeButton_->setPicture(ArtStore::instance().pixmap(":/art/ui/panel_close_hot.svg", {40, 40}));
}

void PagePicker::PointerOverPagePicker(int, double, double) {
    closeButton_->setPicture(ArtStore::instance().pixmap(":/art/ui/panel_close.svg", {40, 40}));
    w_.commands().normalFaces();
    for (ShapeFrame* s : {nextFrame_, prevFrame_, openDrawingFrame_}) s->hide();
}

void PagePicker::applyCaptions(const CaptionTexts& texts) {
    if (const auto& t = texts[Caption::PickerTitle]) title_->setCaption(*t);
    if (const auto& t = texts[Caption::OpenDrawing]) openDrawing_->setCaption(*t);
    if (const auto& t = texts[Caption::ClosePanel]) closeButton_->setToolTip(*t);
}

}  // namespace pintaloo
