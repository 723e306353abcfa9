// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page picker: leafs through the colouring pages with a preview and a
// counter, takes the page shown onto the canvas, and offers to open a
// picture file instead.
#include "app/box.h"
#include "pages/colouring_pages.h"

namespace pintaloo {

class CaptionTexts;

class MainWindow;

class PagePicker {
public:
    explicit PagePicker(MainWindow& w);

    void open();  // shown over the canvas at the first page
    void close() { pctOpen->hide(); }
    void ShowPickerPage();  // counter first, then the preview
    void KewlButtons8_Click();
    void KewlButtons9_Click();
    void Image3_Click();
    void KewlButtons8_MouseMove(int button, int shift, double x, double y);
    void KewlButtons9_MouseMove(int button, int shift, double x, double y);
    void Label7_MouseMove(int button, int shift, double x, double y);
    void Image3_MouseMove(int button, int shift, double x, double y);
    void pctOpen_MouseMove(int button, int shift, double x, double y);
    // The close button: back to the drawing, nothing chosen.
    void bClosePicker_Click();
    void bClosePicker_MouseMove(int button, int shift, double x, double y);
    // The language's texts on this part's controls.
    void applyCaptions(const CaptionTexts& texts);
    // "1/21" .. "21/21"
    static QString CounterText(int pageNumber);

    ColouringPages& pages() { return pages_; }

    Box* pctOpen;
    Box* lblList;
    Box* Image3;
    Box* Label5;
    Box* KewlButtons8;
    Box* KewlButtons9;
    Box* Label7;
    Box* bClosePicker;
    ShapeFrame* Shape8;
    ShapeFrame* Shape9;
    ShapeFrame* Shape11;

private:
    MainWindow& w_;
    ColouringPages pages_;
};

}  // namespace pintaloo
