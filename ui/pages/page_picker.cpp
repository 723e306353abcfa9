// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/page_picker.h"

#include "app/main_window.h"
#include "canvas/canvas_part.h"
#include "media/captions.h"
#include "pages/command_buttons.h"
#include "pages/drawing_files.h"
#include "resources/art_store.h"
#include "theme_colours.h"

namespace pintaloo {

namespace {
const QColor kMidBlue(66, 115, 168);
const QColor kInk(29, 35, 64);
}  // namespace

PagePicker::PagePicker(MainWindow& w) : w_(w) {
    // Hidden, off to the side of the window until the picker is opened.
    pctOpen = new Box(&w, "pctOpen", {900, 76, 809, 625});
    pctOpen->setBackColor(QColor(236, 244, 255));
    pctOpen->setFrame(kMidBlue, 3, 12);
    QFont title;
    title.setBold(true);
    title.setPixelSize(24);
    lblList = new Box(pctOpen, "lblList", {20, 6, 560, 36});
    lblList->setCaptionStyle(title, kInk, Qt::AlignLeft | Qt::AlignVCenter);
    Image3 = new Box(pctOpen, "Image3", {54, 44, 700, 487});
    Image3->setBackColor(QColor(Qt::white));
    Image3->setStretch(true);
    Image3->setHandCursor(true);
    KewlButtons9 = new Box(pctOpen, "KewlButtons9", {230, 545, 49, 49});
    Label5 = new Box(pctOpen, "Label5", {285, 545, 110, 49});
    Label5->setCaptionStyle(title, kInk, Qt::AlignCenter);
    KewlButtons8 = new Box(pctOpen, "KewlButtons8", {400, 545, 49, 49});
    KewlButtons9->setPicture(ArtStore::instance().pixmap(":/art/ui/arrow_prev.svg", {49, 49}));
    KewlButtons8->setPicture(ArtStore::instance().pixmap(":/art/ui/arrow_next.svg", {49, 49}));
    KewlButtons8->setHandCursor(true);
    KewlButtons9->setHandCursor(true);
    Shape8 = new ShapeFrame(pctOpen, "Shape8", KewlButtons8->geometry().adjusted(-3, -3, 3, 3), kMidBlue, 3, true);
    Shape9 = new ShapeFrame(pctOpen, "Shape9", KewlButtons9->geometry().adjusted(-3, -3, 3, 3), kMidBlue, 3, true);
    QFont link;
    link.setBold(true);
    link.setPixelSize(20);
    Label7 = new Box(pctOpen, "Label7", {540, 550, 220, 40});
    Label7->setBackColor(QColor(theme::BUTTON_YELLOW));
    Label7->setCaptionStyle(link, kInk, Qt::AlignCenter);
    Label7->setCaption(QStringLiteral("Open a drawing"));
    Label7->setHandCursor(true);
    Shape11 = new ShapeFrame(pctOpen, "Shape11", Label7->geometry().adjusted(-4, -4, 4, 4), kMidBlue, 3, true);
    for (ShapeFrame* s : {Shape8, Shape9, Shape11}) s->hide();
    // Top right, clear of the preview: the way back without taking a page.
    bClosePicker = new Box(pctOpen, "bClosePicker", {761, 3, 40, 40});
    bClosePicker->setHandCursor(true);
    bClosePicker->setPicture(ArtStore::instance().pixmap(":/art/ui/panel_close.svg", {40, 40}));
    bClosePicker->onLeave = [this] {
        bClosePicker->setPicture(ArtStore::instance().pixmap(":/art/ui/panel_close.svg", {40, 40}));
    };
    pctOpen->hide();

    w.actions.bind(*KewlButtons8, BoxEvent::Click, "KewlButtons8_Click");
    w.actions.bind(*KewlButtons9, BoxEvent::Click, "KewlButtons9_Click");
    w.actions.bind(*Image3, BoxEvent::Click, "Image3_Click");
    w.actions.bind(*KewlButtons8, BoxEvent::MouseMove, "KewlButtons8_MouseMove");
    w.actions.bind(*KewlButtons9, BoxEvent::MouseMove, "KewlButtons9_MouseMove");
    w.actions.bind(*Label7, BoxEvent::MouseMove, "Label7_MouseMove");
    w.actions.bind(*Label7, BoxEvent::MouseDown, "Label7_MouseDown");  // the drawing files open
    w.actions.bind(*Image3, BoxEvent::MouseMove, "Image3_MouseMove");
    w.actions.bind(*pctOpen, BoxEvent::MouseMove, "pctOpen_MouseMove");
    w.actions.bind(*bClosePicker, BoxEvent::Click, "bClosePicker_Click");
    w.actions.bind(*bClosePicker, BoxEvent::MouseMove, "bClosePicker_MouseMove");
}

QString PagePicker::CounterText(int pageNumber) { return QString::number(pageNumber - 100) + QStringLiteral("/21"); }

void PagePicker::open() {
    pctOpen->move(8, 76);
    pctOpen->show();
    pctOpen->raise();
    w_.state.PageNumber = ColouringPages::kFirst;
    ShowPickerPage();
}

void PagePicker::ShowPickerPage() {
    Label5->setCaption(CounterText(w_.state.PageNumber));
    // Rendered only when a preview is really shown (the reset sets just the counter).
    if (!pctOpen->isHidden()) Image3->setPicture(QPixmap::fromImage(pages_.image(w_.state.PageNumber)));
}

void PagePicker::KewlButtons8_Click() {
    auto& n = w_.state.PageNumber;
    n = n == ColouringPages::kLast ? ColouringPages::kFirst : std::int16_t(n + 1);
    ShowPickerPage();
    w_.PlayWaveSound(1011);
}

void PagePicker::KewlButtons9_Click() {
    auto& n = w_.state.PageNumber;
    n = n == ColouringPages::kFirst ? ColouringPages::kLast : std::int16_t(n - 1);
    ShowPickerPage();
    w_.PlayWaveSound(1011);
}

// The clean outline page replaces whatever was on the canvas.
void PagePicker::Image3_Click() {
    const Picture& page = pages_.page(w_.state.PageNumber);
    if (!page.empty()) {
        w_.canvas.setPicture(page);
        w_.canvasPart().refresh();
    }
    pctOpen->hide();
}

void PagePicker::KewlButtons8_MouseMove(int, int, double, double) {
    w_.SetHandCursor(true);
    Shape8->show();
}

void PagePicker::KewlButtons9_MouseMove(int, int, double, double) {
    w_.SetHandCursor(true);
    Shape9->show();
}

void PagePicker::Label7_MouseMove(int, int, double, double) {
    w_.SetHandCursor(true);
    Shape11->show();
}

void PagePicker::Image3_MouseMove(int, int, double, double) { w_.SetHandCursor(true); }

void PagePicker::bClosePicker_Click() { close(); }

void PagePicker::bClosePicker_MouseMove(int, int, double, double) {
    w_.SetHandCursor(true);
    bClosePicker->setPicture(ArtStore::instance().pixmap(":/art/ui/panel_close_hot.svg", {40, 40}));
}

void PagePicker::pctOpen_MouseMove(int, int, double, double) {
    bClosePicker->setPicture(ArtStore::instance().pixmap(":/art/ui/panel_close.svg", {40, 40}));
    w_.commands().normalFaces();
    for (ShapeFrame* s : {Shape8, Shape9, Shape11}) s->hide();
}

void PagePicker::applyCaptions(const CaptionTexts& texts) {
    if (const auto& t = texts[Caption::PickerTitle]) lblList->setCaption(*t);
    if (const auto& t = texts[Caption::OpenDrawing]) Label7->setCaption(*t);
    if (const auto& t = texts[Caption::ClosePanel]) bClosePicker->setToolTip(*t);
}

}  // namespace pintaloo
