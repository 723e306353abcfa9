// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The six big tool buttons along the bottom: pencil, models brush, stamp
// brush, fill, eraser and the oil-painting command.
#include <array>

#include "app/box.h"

namespace pintaloo {

class CaptionTexts;

class MainWindow;

class ToolButtons {
public:
    explicit ToolButtons(MainWindow& w);

    void bBrush_MouseUp(int index, int button, int shift, double x, double y);
    void bBrush_MouseMove(int index, int button, int shift, double x, double y);

    // The language's texts on this part's controls.
    void applyCaptions(const CaptionTexts& texts);
    // Every button back to its normal face.
    void normalFaces();
    // Runs the oil filter over the whole canvas.
    void runOil();

    std::array<Box*, 6> bBrush{};

private:
    MainWindow& w_;
    std::array<QPixmap, 6> normal_, faded_;  // by item, drawn once
};

// The face (position from the left) of each button item.
int ToolFaceOf(int item);

}  // namespace pintaloo
