// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two grids of big thumbnails, opened from the page picker, nine to a
// screen with arrows for more:
// - every colouring page at a glance: the 21 the program carries, in their
//   order, then the own pages (own_pages.h); a press takes the page, as
//   taking it in the picker does;
// - paper to start on: six plain colours, then the own background
//   pictures; a press starts a new page on it, as the new-page command
//   starts one on white (one undo step, a new story).
// Thumbnails are made when a screen of them is first shown, never before
// the grid opens, and kept while the program runs (a tenth of a page each).
// Scripts name an entry by its place in the whole list (N from 0), as the
// gallery does, so a key or a switch pressing the k-th tile of a screen
// gives the same line as the mouse.
#include <QPixmap>
#include <array>
#include <functional>
#include <map>

#include "ui/actions/box.h"
#include "ui/actions/late_widgets.h"
#include "ui/actions/painting.h"
#include "ui/actions/panels.h"
#include "ui/actions/sound_player.h"
#include "ui/actions/spoken_language.h"
#include "ui/actions/window_controls.h"
#include "ui/files/own_pages.h"
#include "ui/words/texts.h"

namespace pintaloo {

class PageGrid {
public:
    static constexpr int kColumns = 3;
    static constexpr int kRows = 3;
    static constexpr int kPerScreen = kColumns * kRows;
    static constexpr QSize kThumb{230, 160};

    struct Names {  // object names and actions; "%1" in `tile` is the tile's number
        const char *panel, *title, *tile, *previous, *counter, *next, *close;
        const char *pick, *previousAction, *nextAction, *closeAction;
        const char *titleKey, *tileKey;  // texts: the title, a tile's tooltip (its name for a screen reader)
    };
    struct Needs {
        std::function<int()> count;                    // entries, reading the folders the first time
        std::function<QImage(int n, QSize)> thumbnail;  // null for a file refused
        std::function<void(int n)> take;
        std::function<void()> closePicker;
        std::function<bool()> pickerOpen;
        std::function<void()> reopenPicker;
    };

    PageGrid(WindowControls& c, const SoundPlayer& sounds, Panels& panels, Names names, Needs needs);
    void open();
    void pick(int n);
    void next();
    void previous();
    void close(bool back);
    void applyTexts(Language language);
    bool isOpen() const;
    int screen() const { return screen_; }

private:
    void make();
    void showScreen();
    int screens() const { return std::max(1, (count_ + kPerScreen - 1) / kPerScreen); }

    WindowControls& c_;
    const SoundPlayer& sounds_;
    Names names_;
    Needs needs_;
    Panels& panels_;
    LateWidgets late_;
    Language language_ = Language::English;
    Box* panel_ = nullptr;
    Box* title_ = nullptr;
    Box* counter_ = nullptr;
    Box* prevButton_ = nullptr;
    Box* nextButton_ = nullptr;
    std::array<Box*, kPerScreen> tiles_{};
    std::map<int, QPixmap> thumbs_;
    int count_ = 0;
    int screen_ = 0;
    bool overPicker_ = false;  // opened from the picker: closing brings it back
};

class PageGrids {
public:
    // Plain papers, light enough that every crayon shows on them and none
    // is the outline colour: white, cream, sky blue, pale green, pale pink,
    // yellow.
    static constexpr int kColours = 6;
    static const std::array<Colour, kColours> kPaperColours;
    // Scripts' N for a page: 0..20 the program's, then the own pages.
    static constexpr int kMostPages = 21 + OwnPages::kMostPages;
    static constexpr int kMostPapers = kColours + OwnPages::kMostPages;

    struct Needs {
        std::function<int(bool read)> lastPageNumber;  // 121 and the own pages
        std::function<QImage(int pageNumber)> pageImage;
        std::function<void(int pageNumber)> takePage;  // as the picker takes it
        std::function<void()> newPage;                 // as the new-page command: a blank white page
        std::function<void()> closePicker;
        std::function<bool()> pickerOpen;
        std::function<void()> reopenPicker;
    };

    PageGrids(WindowControls& c, Painting& painting, const SoundPlayer& sounds, SpokenLanguage& spoken,
              Panels& panels, Needs needs);

    // The actions (window_actions.cpp).
    void PagesGrid();
    void PagesGridPick(int n);
    void PagesGridNext() { pages_.next(); }
    void PagesGridPrevious() { pages_.previous(); }
    void ClosePagesGrid() { pages_.close(true); }
    void Papers();
    void PaperPick(int n);
    void PapersNext() { papers_.next(); }
    void PapersPrevious() { papers_.previous(); }
    void ClosePapers() { papers_.close(true); }

    const PageGrid& pagesGrid() const { return pages_; }
    const PageGrid& papersGrid() const { return papers_; }
    const OwnPages& backgrounds() const { return backgrounds_; }

private:
    QImage paperImage(int n, QSize size);

    Painting& painting_;
    Needs needs_;
    OwnPages backgrounds_{QStringLiteral("backgrounds"), BackgroundPicture};
    std::vector<std::uint32_t> missing_;  // told once each on stderr
    PageGrid pages_;
    PageGrid papers_;
};

}  // namespace pintaloo
