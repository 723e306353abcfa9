// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/page_picker.h"

#include <cstdio>

#include "ui/words/texts.h"

#include "ui/art/art_store.h"
#include "theme_colours.h"

namespace pintaloo {

namespace {
const QColor kMidBlue(66, 115, 168);
const QColor kInk(29, 35, 64);
}  // namespace

PagePicker::PagePicker(WindowControls& c, Painting& painting, const SoundPlayer& sounds, SpokenLanguage& spoken,
                       Panels& panels, Needs wiring)
    : needs(std::move(wiring)), c_(c), painting_(painting), sounds_(sounds) {
    // Hidden, off to the side of the window until the picker is opened.
    panel_ = new Box(&c.window, "pctOpen", {900, 76, 809, 625});
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
    // Bottom left: every page at a glance, and paper to start on.
    gridButton_ = new Box(panel_, "bPagesGrid", {60, 545, 49, 49});
    papersButton_ = new Box(panel_, "bPapers", {125, 545, 49, 49});
    gridButton_->setPicture(ArtStore::instance().pixmap(":/art/ui/pages_grid.svg", {49, 49}));
    papersButton_->setPicture(ArtStore::instance().pixmap(":/art/ui/pages_papers.svg", {49, 49}));
    for (Box* b : {gridButton_, papersButton_}) b->setHandCursor(true);
    c.actions.bind(*gridButton_, BoxEvent::Click, "PagesGrid");
    c.actions.bind(*papersButton_, BoxEvent::Click, "Papers");
    // Top right, clear of the preview: the way back without taking a page.
    closeButton_ = new Box(panel_, "bClosePicker", {761, 3, 40, 40});
    closeButton_->setHandCursor(true);
    closeButton_->setPicture(ArtStore::instance().pixmap(":/art/ui/panel_close.svg", {40, 40}));
    closeButton_->onLeave = [this] {
        closeButton_->setPicture(ArtStore::instance().pixmap(":/art/ui/panel_close.svg", {40, 40}));
    };
    panel_->hide();
    panels.addPanel(*panel_, [this] { close(); });

    c.actions.bind(*nextButton_, BoxEvent::Click, "NextPage");
    c.actions.bind(*prevButton_, BoxEvent::Click, "PreviousPage");
    c.actions.bind(*preview_, BoxEvent::Click, "TakePage");
    c.actions.bind(*nextButton_, BoxEvent::MouseMove, "PointerOverNext");
    c.actions.bind(*prevButton_, BoxEvent::MouseMove, "PointerOverPrevious");
    c.actions.bind(*openDrawing_, BoxEvent::MouseMove, "PointerOverOpen");
    c.actions.bind(*openDrawing_, BoxEvent::MouseDown, "PickerGallery");
    c.actions.bind(*preview_, BoxEvent::MouseMove, "PointerOverPage");
    c.actions.bind(*panel_, BoxEvent::MouseMove, "PointerOverPagePicker");
    c.actions.bind(*closeButton_, BoxEvent::Click, "ClosePagePicker");
    c.actions.bind(*closeButton_, BoxEvent::MouseMove, "PointerOverPickerClose");
    spoken.whenLanguageChanges([this](Language language) { applyTexts(language); });
}

QString PagePicker::CounterText(int pageNumber, int lastNumber) {
    return QString::number(pageNumber - 100) + QLatin1Char('/') + QString::number(lastNumber - 100);
}

void PagePicker::open() {
    painting_.state.PageNumber = ColouringPages::kFirst;
    reopen();
}

void PagePicker::reopen() {
    panel_->move(8, 76);
    panel_->show();
    panel_->raise();
    ShowPickerPage();
}

// A child's press must not reach a dialog that browses the whole disk; the
// picker hides rather than closes, so the way back finds its page.
void PagePicker::PickerGallery(int, double, double) {
    if (!isOpen()) return;
    sounds_.playWave(WaveSound::Click);
    panel_->hide();
    needs.openGalleryOver([this] { reopen(); });
}

void PagePicker::ShowPickerPage() {
    // The own pages' folders are first read when the picker shows (never
    // on the way to the first frame).
    const int n = painting_.state.PageNumber;
    counter_->setCaption(CounterText(n, pages_.lastNumber(!panel_->isHidden() || n > ColouringPages::kLast)));
    // Rendered only when a preview is really shown (the reset sets just the counter).
    if (!panel_->isHidden()) preview_->setPicture(QPixmap::fromImage(pages_.image(painting_.state.PageNumber)));
}

void PagePicker::NextPage() {
    auto& n = painting_.state.PageNumber;
    n = n >= pages_.lastNumber(true) ? ColouringPages::kFirst : std::int16_t(n + 1);
    ShowPickerPage();
    sounds_.playWave(WaveSound::PageTurn);
}

void PagePicker::PreviousPage() {
    auto& n = painting_.state.PageNumber;
    n = n <= ColouringPages::kFirst ? std::int16_t(pages_.lastNumber(true)) : std::int16_t(n - 1);
    ShowPickerPage();
    sounds_.playWave(WaveSound::PageTurn);
}

// The clean outline page replaces whatever was on the canvas. An own page
// whose file was refused gives a blank page: the child asked for a fresh
// page, and the warning went to the log when it was read. One that is not
// there at all (a story played where the folder holds fewer) says so once.
void PagePicker::TakePage() {
    const int n = painting_.state.PageNumber;
    Picture page = pages_.page(n);
    if (page.empty() && n > ColouringPages::kLast) {
        if (n > pages_.lastNumber(true) && !toldMissing_) {
            toldMissing_ = true;
            std::fprintf(stderr, "Colouring page %d is not here: a blank page instead\n", n - 100);
        }
        QImage blank(ColouringPages::kWidth, ColouringPages::kHeight, QImage::Format_RGB32);
        blank.fill(Qt::white);
        page = ArtStore::toPicture(blank);
    }
    if (!page.empty()) {
        painting_.canvas.setPicture(page);
        painting_.refresh();
    }
    panel_->hide();
}

void PagePicker::PointerOverNext(int, double, double) {
    c_.setHandCursor(true);
    nextFrame_->show();
}

void PagePicker::PointerOverPrevious(int, double, double) {
    c_.setHandCursor(true);
    prevFrame_->show();
}

void PagePicker::PointerOverOpen(int, double, double) {
    c_.setHandCursor(true);
    openDrawingFrame_->show();
}

void PagePicker::PointerOverPage(int, double, double) { c_.setHandCursor(true); }

void PagePicker::ClosePagePicker() { close(); }

void PagePicker::PointerOverPickerClose(int, double, double) {
    c_.setHandCursor(true);
    closeButton_->setPicture(ArtStore::instance().pixmap(":/art/ui/panel_close_hot.svg", {40, 40}));
}

void PagePicker::PointerOverPagePicker(int, double, double) {
    closeButton_->setPicture(ArtStore::instance().pixmap(":/art/ui/panel_close.svg", {40, 40}));
    needs.normalCommandFaces();
    for (ShapeFrame* s : {nextFrame_, prevFrame_, openDrawingFrame_}) s->hide();
}

void PagePicker::applyTexts(Language language) {
    // The arrows point the way they turn: right to left, the page before
    // stands on the right.
    MirrorForLanguage(*panel_, language);
    const bool rtl = RightToLeft(language);
    prevButton_->setPicture(
        ArtStore::instance().pixmap(rtl ? ":/art/ui/arrow_next.svg" : ":/art/ui/arrow_prev.svg", {49, 49}));
    nextButton_->setPicture(
        ArtStore::instance().pixmap(rtl ? ":/art/ui/arrow_prev.svg" : ":/art/ui/arrow_next.svg", {49, 49}));
    title_->setCaption(Text(TextId::PickerTitle, language));
    openDrawing_->setCaption(Text(TextId::OpenDrawing, language));
    closeButton_->setToolTip(Text(TextId::ClosePanel, language));
    gridButton_->setToolTip(Text("pages.grid", language));
    papersButton_->setToolTip(Text("pages.papers", language));
}

}  // namespace pintaloo
