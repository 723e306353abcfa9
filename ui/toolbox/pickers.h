// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two picker panels that open above the tool row: 17 patterned brushes,
// and 8 stamp categories with a row of slots for their pictures.
#include <array>

#include "app/box.h"

namespace pintaloo {

class MainWindow;

class Pickers {
public:
    explicit Pickers(MainWindow& w);

    void bSpray_MouseDown(int index, int button, int shift, double x, double y);
    void bSpray_MouseMove(int index, int button, int shift, double x, double y);
    void pctBrush_MouseMove(int button, int shift, double x, double y);
    void bStamp_MouseDown(int index, int button, int shift, double x, double y);
    void bStamp_MouseMove(int index, int button, int shift, double x, double y);
    void bStamp1_Click(int index);

    // Opens a panel (drawing its button pictures the first time).
    void showModels();
    void showStamps();
    // Every slot without a picture, and shown.
    void emptySlots();
    // Both panels closed (a press elsewhere, another tool, a colour).
    void hidePanels();
    // The hover frames hidden and back in their corners (the reset).
    void resetFrames();

    Box* pctBrush;
    Box* pctStamp;
    ShapeFrame* Shape4;
    ShapeFrame* Shape5;
    std::array<Box*, 17> bSpray{};
    std::array<Box*, 8> bStamp{};
    std::array<Box*, 8> bStamp1{};
    std::array<ShapeFrame*, 17> Shape1{};
    std::array<ShapeFrame*, 8> Shape7{};
    std::array<int, 8> slotPicture{};  // the stamp picture number in each slot, 0 for none

private:
    void ensureArt();
    MainWindow& w_;
    bool artReady_ = false;
};

}  // namespace pintaloo
