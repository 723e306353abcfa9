// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Any colour: the little rainbow at the foot of the chosen-colour box opens
// a big rainbow field over the canvas, where a press or a drag chooses a
// colour at once; its dropper button makes the next press on the paper take
// the colour under the point instead of painting. The tool in use stays the
// tool: after the dropper, the child paints with it in the colour taken.
//
// What goes into the story is the colour itself (PickColour R G B), so a
// story replays the same colour whatever size the field is drawn at.
#include <QImage>
#include <functional>

#include "engine/canvas/colour.h"
#include "engine/editor/editor_state.h"
#include "ui/actions/box.h"
#include "ui/actions/late_widgets.h"
#include "ui/actions/canvas_cursor.h"
#include "ui/actions/panels.h"
#include "ui/actions/sound_player.h"
#include "ui/actions/spoken_language.h"
#include "ui/actions/window_controls.h"

namespace pintaloo {

// The field's picture at a size, one pixel a colour of RainbowFieldColour.
QImage RainbowFieldImage(int width, int height);

class ColourPicker {
public:
    // What this part asks of its neighbours; the window connects each to
    // the part that does it (MainWindow::connectParts).
    struct Needs {
        std::function<QRect()> canvasOnWindow;  // where the panel is centred
        std::function<void()> hidePickers;
        std::function<void(bool withClick)> closeAnimations;
        std::function<void()> showChoices;  // the colour box and the size bars show the state's colour
        std::function<CanvasCursor()> canvasIcon;
        std::function<void(CanvasCursor)> setCanvasIcon;
        std::function<std::optional<Colour>(int x, int y)> canvasColourAt;  // null off the paper
    };
    Needs needs;

    ColourPicker(WindowControls& c, EditorState& state, const SoundPlayer& sounds, SpokenLanguage& spoken,
                 Panels& panels, Needs wiring);

    void OpenRainbow();
    void CloseRainbow();
    // The colour red, green, blue (each 0..255) becomes the chosen colour.
    void PickColour(int red, int green, int blue);
    // The next press on the paper takes the colour under it (the panel closes).
    void ArmDropper();
    void PointerOverRainbow(int button, double x, double y);

    // The canvas asks each press on the paper (CanvasPart::Needs::takesPress).
    bool takesPress(double x, double y);

    // The dropper stops waiting, its cursor back to the tool's.
    void putDropperAway();
    bool isOpen() const;
    bool dropperArmed() const;
    void applyTexts(Language language);

private:
    void make();
    void showSample();

    WindowControls& c_;
    EditorState& state_;
    const SoundPlayer& sounds_;
    Panels& panels_;
    LateWidgets late_;
    Language language_ = Language::English;
    Box* band_ = nullptr;         // "sRainbow", over the chosen-colour box's foot
    Box* panel_ = nullptr;        // "pctRainbow"
    Box* field_ = nullptr;        // "pctRainbowField"
    Box* sample_ = nullptr;       // "sRainbowSample"
    Box* dropper_ = nullptr;      // "bDropper"
    Box* closeButton_ = nullptr;  // "bCloseRainbow"
    bool armed_ = false;
    CanvasCursor iconBefore_ = CanvasCursor::Pencil;  // the tool's cursor, back after the dropper
};

}  // namespace pintaloo
