// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three picker panels that open above the tool row: the patterned
// brushes, the stamp categories with a row of slots for their pictures, and
// the magic (brushes, and tricks over the whole picture). The entries and
// their counts come from the tool table.
#include <functional>
#include <vector>

#include "engine/editor/editor_state.h"
#include "engine/editor/tool.h"
#include "engine/toolbox/tools_table.h"
#include "ui/actions/box.h"
#include "ui/actions/canvas_cursor.h"
#include "ui/actions/late_widgets.h"
#include "ui/actions/panels.h"
#include "ui/actions/sound_player.h"
#include "ui/actions/spoken_language.h"
#include "ui/actions/window_controls.h"

namespace pintaloo {

class Pickers {
public:
    // What this part asks of its neighbours; the window connects each to
    // the part that does it (MainWindow::connectParts), and a test may put a
    // stand-in here.
    struct Needs {
        std::function<void(CanvasCursor)> setCanvasIcon;
        std::function<void(QSize)> showStampHolder;
        // A magic trick over the whole picture: the wait box while it works
        // (the window's pause behind it, as the oil's), then the trick run
        // once with the chosen colour and the canvas shown again.
        std::function<void(bool shown)> showWaitBox;
        std::function<void(double milliseconds)> pause;
        std::function<void(Tool)> paintWholePicture;
        // The strip of stamp sizes and turns shows with the stamps panel.
        std::function<void(bool shown)> showStampStrip;
    };
    Needs needs;

    Pickers(WindowControls& c, EditorState& state, const SoundPlayer& sounds, Panels& panels, SpokenLanguage& spoken,
            Needs wiring);

    void ChooseModel(int index, int button, double x, double y);
    void PointerOverModel(int index, int button, double x, double y);
    void PointerOverModelsPanel(int button, double x, double y);
    void ChooseStampCategory(int index, int button, double x, double y);
    void PointerOverStampCategory(int index, int button, double x, double y);
    void ChooseStamp(int index);
    void ChooseMagic(int index, int button, double x, double y);
    void PointerOverMagic(int index, int button, double x, double y);
    void PointerOverMagicPanel(int button, double x, double y);
    // The shapes and the straight line: a press on another shape chooses
    // it (outlined or filled as the last one was); a press on the chosen
    // one turns it from outlined to filled and back, its picture with it.
    void ChooseShape(int index, int button, double x, double y);
    void PointerOverShape(int index, int button, double x, double y);
    void PointerOverShapesPanel(int button, double x, double y);

    // Opens a panel (drawing its button pictures the first time).
    void showModels();
    void showStamps();
    void showMagic();
    void showShapes();
    // Every slot without a picture, and hidden.
    void emptySlots();
    // Every panel closed (a press elsewhere, another tool, a colour).
    void hidePanels();
    // The hover frames hidden and back in their corners (the reset).
    void resetFrames();
    // A panel shows.
    bool panelOpen() const;
    // The stamp picture number in a slot (0..7), 0 for none.
    int pictureInSlot(int slot) const { return slotPicture_.at(std::size_t(slot)); }

private:
    void make();
    void ensureArt();
    WindowControls& c_;
    EditorState& state_;
    const SoundPlayer& sounds_;
    Panels& panels_;
    SpokenLanguage& spoken_;
    LateWidgets late_;
    Box* modelsPanel_ = nullptr;                                     // "pctBrush"
    Box* stampsPanel_ = nullptr;                                     // "pctStamp"
    Box* magicPanel_ = nullptr;                                      // "pctMagic"
    Box* shapesPanel_ = nullptr;                                     // "pctShapes"
    // Each shape's picture as it lands now: filled or outlined.
    void showShapeKinds();
    void applyTexts(Language language);
    // By entry, as many as the tool rows give each picker.
    std::vector<Box*> models_;                 // "bSpray(0)".."bSpray(16)"
    std::vector<Box*> categories_;             // "bStamp(0)".."bStamp(7)"
    std::vector<Box*> slots_;                  // "bStamp1(0)".."bStamp1(7)"
    std::vector<ShapeFrame*> modelFrames_;     // "Shape1(i)", the hover frame on each model
    std::vector<ShapeFrame*> categoryFrames_;  // "Shape7(i)", the frame on each category
    std::vector<Box*> magic_;                  // "bMagic(0)".., one an effect
    std::vector<ShapeFrame*> magicFrames_;     // "Shape8(i)", the hover frame on each effect
    std::vector<Box*> shapes_;                 // "bShape(0)".., one a shape
    std::vector<ShapeFrame*> shapeFrames_;     // "Shape12(i)", the hover frame on each shape
    std::vector<int> slotPicture_;             // the stamp picture number in each slot, 0 for none
    bool artReady_ = false;
};

// Whether the chosen shapes land filled: the kind is the state's
// ToolVariant (1 filled, anything else outlined), which the state dump and
// a story's state line carry.
bool IsShapeTool(Tool tool);
inline bool ShapesFilled(const EditorState& s) { return s.ToolVariant == 1; }

// The picture that stands for the chosen model or magic brush (its
// button's picture in its panel) or stamp (the stamp itself) of `tool` and `variant`;
// empty for every other tool and for a stamp variant without a picture.
QString ChosenPicturePath(Tool tool, int variant);

}  // namespace pintaloo
