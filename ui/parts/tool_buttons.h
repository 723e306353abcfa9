// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The nine big tool buttons along the bottom: pencil, models brush, stamp
// brush, fill, eraser, the oil-painting command, the magic box, the shapes
// box and the letters.
#include <QHash>
#include <array>
#include <functional>

class QPainter;

#include "engine/editor/tool.h"
#include "engine/toolbox/tools_table.h"
#include "ui/actions/box.h"
#include "ui/actions/canvas_cursor.h"
#include "ui/actions/painting.h"
#include "ui/actions/sound_player.h"
#include "ui/actions/spoken_language.h"
#include "ui/actions/window_controls.h"

namespace pintaloo {

class ToolButtons {
public:
    // What this part asks of its neighbours; the window connects each to
    // the part that does it (MainWindow::connectParts), and a test may put a
    // stand-in here.
    struct Needs {
        std::function<QString(Tool, int variant)>
            chosenPicture;  // the picture that stands for the chosen model or stamp (empty for none)
        std::function<void()> hideStampHolder;
        std::function<void(bool withClick)> closeAnimations;
        std::function<void()> hidePickers;
        std::function<void(CanvasCursor)> setCanvasIcon;
        std::function<void()> showModels;
        std::function<void()> showStamps;
        std::function<void()> showMagic;
        std::function<void()> showShapes;
        std::function<void()> emptyStampSlots;
        std::function<void(bool shown)> showWaitBox;
        std::function<void(double milliseconds)>
            pause;  // the window's pause behind the wait box; presses wait until it is over
        // The stamp chosen from the collections, for the stamps button (null: none).
        std::function<QImage()> chosenLibraryPicture;
    };
    Needs needs;

    // A face's width and height in pixels (the layout's tool slots).
    static constexpr int kFaceSize = 46;

    ToolButtons(WindowControls& c, Painting& painting, const SoundPlayer& sounds, SpokenLanguage& spoken, Needs wiring);

    void ChooseTool(int index, int button, double x, double y);
    void PointerOverTool(int index, int button, double x, double y);

    // The language's texts on this part's controls (called again whenever the language changes).
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
    WindowControls& c_;
    Painting& painting_;
    const SoundPlayer& sounds_;
    std::array<Box*, kToolButtonCount> buttons_{};  // "bBrush(0)".."bBrush(8)"
    QPixmap pressedFace(int item);
    // `face` with the picture at `path` in its lower right corner, kept
    // once drawn (setPicture then sees the same face and repaints nothing).
    QPixmap withBadge(const QPixmap& face, const QString& path);
    QPixmap withBadge(const QPixmap& face, const QImage& picture);
    QPixmap badged(const QPixmap& face, const QString& what,
                   const std::function<void(QPainter&, const QRect&)>& drawArt);
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
