// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a part of the window is given to work with, instead of the window
// itself: the action hub it binds its controls to, the editor state, the
// canvas and its painter, the services, the window's helpers (sound, the
// hand cursor, the command's pause) and the few things a part needs done by
// a neighbour. The window fills every callback in before it makes its parts
// and connects each to the part that does the work, so no part knows
// another part, nor the window.
//
//     CanvasPart(PartContext& c) ... c.actions.bind(*view_, BoxEvent::MouseDown, "PenDown");
//     c.whenLanguageChanges([this](Language l) { waitText_->setCaption(Text(TextId::Wait, l)); });
//     c.addPanel(*panel_, [this] { close(); });  // Escape and a right click close it
//
// A callback left empty is a window built wrongly (calling it throws
// std::bad_function_call): the window fills all of them first.
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/canvas/surface.h"
#include "engine/editor/editor_state.h"
#include "engine/editor/tool.h"
#include "engine/toolbox/stroke_painter.h"
#include "ui/actions/action_hub.h"
#include "ui/platform/services.h"
#include "ui/platform/sounds.h"
#include "ui/words/language.h"

namespace pintaloo {

// The canvas's mouse icons (pictures 1..5 of the cursor list).
enum class CanvasCursor { Pencil = 1, Stamp = 2, Fill = 3, Eraser = 4, Models = 5 };

class PartContext {
public:
    PartContext(QWidget& w, ActionHub& hub, EditorState& editorState, Surface& surface, StrokePainter& painter,
                const Services& given, const Language& spoken, const bool& realTime)
        : window(w),
          actions(hub),
          state(editorState),
          canvas(surface),
          stroke(painter),
          services(given),
          language(spoken),
          waitsInRealTime(realTime) {}
    PartContext(const PartContext&) = delete;
    PartContext& operator=(const PartContext&) = delete;

    QWidget& window;  // the parent of every part's controls
    ActionHub& actions;
    EditorState& state;
    Surface& canvas;
    StrokePainter& stroke;
    const Services& services;
    // The language the window speaks now (messages, dialogs' filters, help).
    const Language& language;
    // False in a window that plays a story: no wait notes, no pauses.
    const bool& waitsInRealTime;

    // The window's helpers. Sounds are not heard while the sound button is off.
    std::function<void(WaveSound)> playWave;
    std::function<void(std::int16_t)> playMp3;  // the swatches' tones and the named MP3 sounds
    void playMp3Sound(Mp3Sound s) const { playMp3(std::int16_t(s)); }
    std::function<void(bool useHand)> setHandCursor;
    // A command's pause behind its wait box; presses wait until it is over.
    std::function<void(double milliseconds)> pause;
    // The window on the desktop that shows this one (closing, minimising, dragging).
    std::function<QWidget*()> shownWindow;
    // Back to a blank page with every default.
    std::function<void()> resetEditor;
    // A number in [0, 1) from the window's one seeded random source, the
    // painters' own: an action drawing from it says so in its row
    // (Action::random) and replays exactly; QRandomGenerator would not.
    std::function<float()> nextRandom;

    // What parts ask of their neighbours; the window connects each to the
    // part that does it.
    std::function<void(bool withClick)> closeAnimations;  // the cartoon stops, its panel goes
    std::function<void()> refreshCanvas;                  // the surface changed outside a paint call
    std::function<void(bool shown)> showWaitBox;
    std::function<void(CanvasCursor)> setCanvasIcon;
    std::function<void(QSize)> showStampHolder;
    std::function<void()> hideStampHolder;
    std::function<QRect()> canvasOnWindow;
    std::function<QImage()> canvasImage;  // the canvas as a picture, for the printer
    std::function<void()> hidePickers;
    std::function<void()> showModels;
    std::function<void()> showStamps;
    std::function<void()> emptyStampSlots;
    // The picture that stands for the chosen model or stamp (empty for none).
    std::function<QString(Tool, int variant)> chosenPicture;
    std::function<void()> showPickerPage;  // the page picker's counter (and preview) for the state's page
    std::function<void()> openPagePicker;
    std::function<void()> closePagePicker;
    // Opens a drawing from the gallery as the open command opens a picture
    // (one undo step, its story adopted); false when it was refused.
    std::function<bool(const QString& path)> openDrawingFile;
    // Opens "My drawings" over a panel that hid itself for it: `back` brings
    // that panel again when the gallery closes with nothing chosen.
    std::function<void(std::function<void()> back)> openGalleryOver;
    std::function<void()> normalCommandFaces;
    std::function<void()> normalChromeFaces;
    std::function<void(int bars)> paintSizeBars;

    // Each part puts its own texts on its controls, now and whenever the
    // language changes.
    void whenLanguageChanges(std::function<void(Language)> apply) { languageListeners_.push_back(std::move(apply)); }
    void languageChanged(Language now) const {
        for (const auto& apply : languageListeners_) apply(now);
    }

    // A panel that opens over the canvas: Escape closes it untouched (see
    // closeOpenPanels), and so does a right click anywhere on it.
    void addPanel(QWidget& panel, std::function<void()> close);
    // Closes every open panel without choosing anything in it; false when
    // none was open. A panel another one was opened from comes back, open.
    bool closeOpenPanels() const;

private:
    std::vector<std::function<void(Language)>> languageListeners_;
    struct Panel {
        QWidget* widget;
        std::function<void()> close;
    };
    std::vector<Panel> panels_;
};

// A right click anywhere on `panel` or on a control inside it runs `close`
// instead of reaching the control: a child who is lost clicks the other
// button and is back at the drawing. Controls added to the panel later are
// covered too.
void CloseOnRightClick(QWidget& panel, std::function<void()> close);

// Lays a panel's controls out right to left for a language written that
// way, and back: each direct child's place is mirrored across the panel, so
// what comes first (the first drawing, the page before) stands on the
// reading side. Call it whenever the language changes; it remembers which
// way the panel stands. The painting window itself is never mirrored.
void MirrorForLanguage(QWidget& panel, Language language);

}  // namespace pintaloo
