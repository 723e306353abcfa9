// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/page_grids.h"

#include <QPainter>
#include <algorithm>
#include <cstdio>

#include "ui/art/art_store.h"
#include "theme_colours.h"

namespace pintaloo {

namespace {
const QColor kMidBlue(66, 115, 168);
const QColor kInk(29, 35, 64);
const QSize kArrow{49, 49};
const QString kClose = QStringLiteral(":/art/ui/panel_close.svg");
}  // namespace

// The grid is made when it first opens.
PageGrid::PageGrid(WindowControls& c, const SoundPlayer& sounds, Panels& panels, Names names, Needs needs)
    : c_(c), sounds_(sounds), names_(names), needs_(std::move(needs)), panels_(panels),
      late_(c.window, panels, [this] { make(); }) {
    panels.addLatePanel([this] { return panel_; }, [this] { close(true); });
}

void PageGrid::make() {
    WindowControls& c = c_;
    const Names& names = names_;
    // Where the page picker shows, over the canvas; hidden off to the side.
    panel_ = new Box(&c.window, names.panel, {900, 76, 809, 625});
    panel_->setBackColor(QColor(236, 244, 255));
    panel_->setFrame(kMidBlue, 3, 12);
    QFont title;
    title.setBold(true);
    title.setPixelSize(24);
    title_ = new Box(panel_, names.title, {20, 6, 700, 36});
    title_->setCaptionStyle(title, kInk, Qt::AlignLeft | Qt::AlignVCenter);
    for (int k = 0; k < kPerScreen; ++k) {
        const QRect r(35 + (k % kColumns) * (kThumb.width() + 24), 48 + (k / kColumns) * (kThumb.height() + 12),
                      kThumb.width(), kThumb.height());
        Box* t = new Box(panel_, QString::fromLatin1(names.tile).arg(k), r);
        t->setBackColor(QColor(Qt::white));
        t->setCentred(true);
        t->setHandCursor(true);
        t->setFrame(kMidBlue, 3, 8);
        // Bound so keys, switches and screen readers find the tile; the
        // press itself counts from the screen shown.
        c.actions.bind(*t, BoxEvent::Click, names.pick, k);
        t->onClick = [this, k] { c_.actions.run(names_.pick, {double(screen_ * kPerScreen + k)}); };
        tiles_[std::size_t(k)] = t;
    }
    prevButton_ = new Box(panel_, names.previous, {230, 565, kArrow.width(), kArrow.height()});
    counter_ = new Box(panel_, names.counter, {285, 565, 110, kArrow.height()});
    counter_->setCaptionStyle(title, kInk, Qt::AlignCenter);
    nextButton_ = new Box(panel_, names.next, {400, 565, kArrow.width(), kArrow.height()});
    for (Box* b : {prevButton_, nextButton_}) b->setHandCursor(true);
    Box* closeBox = new Box(panel_, names.close, {761, 3, 40, 40});
    closeBox->setHandCursor(true);
    closeBox->setPicture(ArtStore::instance().pixmap(kClose, {40, 40}));
    c.actions.bind(*prevButton_, BoxEvent::Click, names.previousAction);
    c.actions.bind(*nextButton_, BoxEvent::Click, names.nextAction);
    c.actions.bind(*closeBox, BoxEvent::Click, names.closeAction);
    panel_->hide();
    panels_.rightClickCloses(*panel_);
    applyTexts(language_);
}

bool PageGrid::isOpen() const { return late_.made() && !panel_->isHidden(); }

void PageGrid::open() {
    late_.need();
    overPicker_ = needs_.pickerOpen();
    needs_.closePicker();
    count_ = needs_.count();
    screen_ = 0;
    panel_->move(8, 76);
    panel_->show();
    panel_->raise();
    showScreen();
    sounds_.playWave(WaveSound::Click);
}

void PageGrid::close(bool back) {
    if (!isOpen()) return;
    panel_->hide();
    if (back && overPicker_) needs_.reopenPicker();
}

void PageGrid::showScreen() {
    counter_->setCaption(QStringLiteral("%1/%2").arg(screen_ + 1).arg(screens()));
    const bool more = screens() > 1;
    prevButton_->setVisible(more);
    nextButton_->setVisible(more);
    for (int k = 0; k < kPerScreen; ++k) {
        Box* t = tiles_[std::size_t(k)];
        const int n = screen_ * kPerScreen + k;
        t->setVisible(n < count_);
        if (n >= count_) continue;
        auto it = thumbs_.find(n);
        if (it == thumbs_.end()) {
            // A refused file shows a plain frame; its press starts a blank page.
            const QImage img = needs_.thumbnail(n, kThumb);
            it = thumbs_.emplace(n, img.isNull() ? QPixmap() : QPixmap::fromImage(img)).first;
        }
        t->setPicture(it->second);
    }
}

// Any N the action allows is taken: one past the folder's pictures (a
// story played where the folder differs) is the take's to answer.
void PageGrid::pick(int n) {
    if (n < 0) return;
    if (late_.made()) panel_->hide();
    needs_.take(n);
}

void PageGrid::next() {
    if (!isOpen()) return;
    screen_ = (screen_ + 1) % screens();
    showScreen();
    sounds_.playWave(WaveSound::PageTurn);
}

void PageGrid::previous() {
    if (!isOpen()) return;
    screen_ = (screen_ + screens() - 1) % screens();
    showScreen();
    sounds_.playWave(WaveSound::PageTurn);
}

void PageGrid::applyTexts(Language language) {
    language_ = language;
    if (!late_.made()) return;
    MirrorForLanguage(*panel_, language);
    const bool rtl = RightToLeft(language);
    prevButton_->setPicture(
        ArtStore::instance().pixmap(rtl ? ":/art/ui/arrow_next.svg" : ":/art/ui/arrow_prev.svg", kArrow));
    nextButton_->setPicture(
        ArtStore::instance().pixmap(rtl ? ":/art/ui/arrow_prev.svg" : ":/art/ui/arrow_next.svg", kArrow));
    title_->setCaption(Text(std::string_view(names_.titleKey), language));
    for (Box* t : tiles_) t->setToolTip(Text(std::string_view(names_.tileKey), language));
    panel_->findChild<Box*>(names_.close)->setToolTip(Text(TextId::ClosePanel, language));
}

const std::array<Colour, PageGrids::kColours> PageGrids::kPaperColours = {
    Rgb(255, 255, 255), Rgb(255, 246, 224), Rgb(214, 236, 255),
    Rgb(218, 245, 214), Rgb(255, 224, 236), Rgb(255, 246, 168),
};

PageGrids::PageGrids(WindowControls& c, Painting& painting, const SoundPlayer& sounds, SpokenLanguage& spoken,
                     Panels& panels, Needs needs)
    : painting_(painting),
      needs_(std::move(needs)),
      pages_(c, sounds, panels,
             {"pctPages", "lblPages", "imgPages(%1)", "bPagesPrevious", "lblPagesScreen", "bPagesNext", "bClosePages",
              "PagesGridPick", "PagesGridPrevious", "PagesGridNext", "ClosePagesGrid", "pages.grid", "pages.take"},
             {
                 .count = [this] { return needs_.lastPageNumber(true) - 100; },
                 .thumbnail =
                     [this](int n, QSize size) {
                         const QImage page = needs_.pageImage(101 + n);
                         return page.isNull() ? page
                                              : page.convertToFormat(QImage::Format_RGB32)
                                                    .scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
                     },
                 .take = [this](int n) { needs_.takePage(101 + n); },
                 .closePicker = needs_.closePicker,
                 .pickerOpen = needs_.pickerOpen,
                 .reopenPicker = needs_.reopenPicker,
             }),
      papers_(c, sounds, panels,
              {"pctPapers", "lblPapers", "imgPapers(%1)", "bPapersPrevious", "lblPapersScreen", "bPapersNext",
               "bClosePapers", "PaperPick", "PapersPrevious", "PapersNext", "ClosePapers", "pages.papers",
               "pages.paper"},
              {
                  .count = [this] { return kColours + int(backgrounds_.list().size()); },
                  .thumbnail = [this](int n, QSize size) { return paperImage(n, size); },
                  .take = [this](int n) { PaperPick(n); },
                  .closePicker = needs_.closePicker,
                  .pickerOpen = needs_.pickerOpen,
                  .reopenPicker = needs_.reopenPicker,
              }) {
    spoken.whenLanguageChanges([this](Language language) {
        pages_.applyTexts(language);
        papers_.applyTexts(language);
    });
}

void PageGrids::PagesGrid() { pages_.open(); }
void PageGrids::Papers() { papers_.open(); }
void PageGrids::PagesGridPick(int n) { pages_.pick(n); }

QImage PageGrids::paperImage(int n, QSize size) {
    if (n < kColours) {
        QImage plain(size, QImage::Format_RGB32);
        const Colour c = kPaperColours[std::size_t(n)];
        plain.fill(QColor(RedOf(c), GreenOf(c), BlueOf(c)));
        return plain;
    }
    const QImage picture = backgrounds_.image(n - kColours, {painting_.canvas.width(), painting_.canvas.height()},
                                              qRgb(0, 0, 0));
    return picture.isNull() ? picture : picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// A fresh page as the new-page command makes it, then its paper: a colour
// becomes the paper colour too (the pencil paints on it as on white, the
// eraser gives it back), a picture is paint on white paper. A picture
// that is gone or refused leaves the white page, said once on stderr (a
// story played where the folder differs).
void PageGrids::PaperPick(int n) {
    const int count = kColours + int(backgrounds_.list().size());
    if (n < 0 || n >= OwnPages::kMostPages + kColours) return;
    papers_.close(false);
    needs_.newPage();
    if (n < kColours) {
        const Colour c = kPaperColours[std::size_t(n)];
        painting_.state.PaperColor = c;
        painting_.canvas.clear(c);
    } else {
        const QImage picture = n < count ? paperImage(n, {painting_.canvas.width(), painting_.canvas.height()}) : QImage();
        if (picture.isNull()) {
            const std::uint32_t id = n < count ? backgrounds_.listed()[std::size_t(n - kColours)].id : std::uint32_t(n);
            if (std::find(missing_.begin(), missing_.end(), id) == missing_.end()) {
                missing_.push_back(id);
                std::fprintf(stderr, "Background picture %d is not here: a white page instead\n", n - kColours);
            }
        } else {
            painting_.canvas.setPicture(ArtStore::toPicture(picture));
        }
    }
    painting_.refresh();
}

}  // namespace pintaloo
