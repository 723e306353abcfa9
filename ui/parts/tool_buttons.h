// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The six big tool buttons along the bottom: pencil, models brush, stamp
// brush, fill, eraser and the oil-painting command.
#include <QHash>
#include <array>

#include "ui/actions/box.h"
#include "ui/actions/part_context.h"
#include "engine/editor/tool.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

class ToolButtons {
public:
    explicit ToolButtons(PartContext& c);

    void ChooseTool(int index, int button, double x, double y);
    void PointerOverTool(int index, int button, double x, double y);

    // The language's texts on this part's controls (the context calls it on every change).
    void applyTexts(Language language);
    // Every button back to its normal face; the tool in use stays pressed.
    void normalFaces();
    // The faces again after the tool may have changed: the hovered button
    // lit, the chosen one pressed, the others normal.
    void showFaces();
    // The item whose button shows pressed now, -1 for none.
    int pressedItem() const { return pressed_; }
    // Runs the oil filter over the whole canvas.
    void runOil();

private:
    PartContext& c_;
    std::array<Box*, kToolButtonCount> buttons_{};  // "bBrush(0)".."bBrush(5)"
    QPixmap pressedFace(int item);
    // `face` with the picture at `path` in its lower right corner, kept
    // once drawn (setPicture then sees the same face and repaints nothing).
    QPixmap withBadge(const QPixmap& face, const QString& path);
    QHash<QString, QPixmap> badged_;
    std::array<QPixmap, kToolButtonCount> normal_, lit_, pressedArt_;  // by item, drawn when first needed
    int hovered_ = -1, pressed_ = -1;
};

// The item of the button that chose a tool (-1 when no button did): the
// models button for every patterned brush, the stamps button for every
// stamp, as the pickers under those buttons choose them.
int ChosenToolItem(Tool t);

// The face (position from the left) of each button item.
int ToolFaceOf(int item);

}  // namespace pintaloo
