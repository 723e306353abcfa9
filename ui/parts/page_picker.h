// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page picker: leafs through the colouring pages with a preview and a
// counter, takes the page shown onto the canvas, and offers the child's own
// drawings instead ("My drawings", over the picker; closing it comes back
// here). A picture file from anywhere on the disk is the grown-ups' Ctrl+O.
#include <functional>

#include "ui/actions/box.h"
#include "ui/actions/painting.h"
#include "ui/actions/panels.h"
#include "ui/actions/sound_player.h"
#include "ui/actions/spoken_language.h"
#include "ui/actions/window_controls.h"
#include "ui/files/colouring_pages.h"

namespace pintaloo {

class PagePicker {
public:
    // What this part asks of its neighbours; the window connects each to
    // the part that does it (MainWindow::connectParts), and a test may put a
    // stand-in here.
    struct Needs {
        std::function<void(std::function<void()> back)>
            openGalleryOver;  // "My drawings" over this panel; `back` brings the panel again when nothing is chosen
        std::function<void()> normalCommandFaces;
    };
    Needs needs;

    PagePicker(WindowControls& c, Painting& painting, const SoundPlayer& sounds, SpokenLanguage& spoken, Panels& panels,
               Needs wiring);

    void open();    // shown over the canvas at the first page
    void reopen();  // shown again at the page it was left on
    void close() { panel_->hide(); }
    void ShowPickerPage();  // counter first, then the preview
    void NextPage();
    void PreviousPage();
    void TakePage();
    // "Open a drawing": the gallery, over the picker, which comes back at
    // the same page when the gallery closes with nothing chosen.
    void PickerGallery(int button, double x, double y);
    void PointerOverNext(int button, double x, double y);
    void PointerOverPrevious(int button, double x, double y);
    void PointerOverOpen(int button, double x, double y);
    void PointerOverPage(int button, double x, double y);
    void PointerOverPagePicker(int button, double x, double y);
    // The close button: back to the drawing, nothing chosen.
    void ClosePagePicker();
    void PointerOverPickerClose(int button, double x, double y);
    // The language's texts on this part's controls (called again whenever the language changes).
    void applyTexts(Language language);
    // "1/21" .. "21/21"; with own pages the count goes on ("22/25").
    static QString CounterText(int pageNumber, int lastNumber = ColouringPages::kLast);

    ColouringPages& pages() { return pages_; }
    const ColouringPages& pages() const { return pages_; }
    // The picker shows over the canvas.
    bool isOpen() const { return !panel_->isHidden(); }

private:
    WindowControls& c_;
    Painting& painting_;
    const SoundPlayer& sounds_;
    // Each control keeps the object name the state dump shows (in quotes).
    Box* panel_;                    // "pctOpen"
    Box* title_;                    // "lblList"
    Box* preview_;                  // "Image3", the page shown
    Box* counter_;                  // "Label5", "1/21"
    Box* nextButton_;               // "KewlButtons8"
    Box* prevButton_;               // "KewlButtons9"
    Box* openDrawing_;              // "Label7", "Open a drawing"
    Box* closeButton_;              // "bClosePicker"
    ShapeFrame* nextFrame_;         // "Shape8", hover frames of the three
    ShapeFrame* prevFrame_;         // "Shape9"
    ShapeFrame* openDrawingFrame_;  // "Shape11"
    Box* gridButton_;               // "bPagesGrid", every page at a glance
    Box* papersButton_;             // "bPapers", paper to start on
    ColouringPages pages_;
    bool toldMissing_ = false;
};

}  // namespace pintaloo
