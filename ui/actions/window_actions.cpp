// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/window_actions.h"

#include "actions/action_hub.h"
#include "app/comfort_buttons.h"
#include "app/drawing_history.h"
#include "app/main_window.h"
#include "app/window_chrome.h"
#include "canvas/canvas_part.h"
#include "media/animation_panel.h"
#include "media/help_link.h"
#include "pages/command_buttons.h"
#include "pages/drawing_files.h"
#include "pages/page_picker.h"
#include "toolbox/brush_size.h"
#include "toolbox/palette_part.h"
#include "toolbox/pickers.h"
#include "toolbox/tool_buttons.h"

namespace pintaloo {

namespace {

using Args = ActionHub::Args;
using Action = ActionHub::Action;

// The parameters follow from the member's shape, so a row names only what
// the shape cannot tell: how many controls an indexed row has. Shift is not
// an argument (no handler looks at it) and is passed as 0.
const ActionParam kButton{"Button", ParamKind::Buttons};
const ActionParam kX{"X", ParamKind::Coordinate};
const ActionParam kY{"Y", ParamKind::Coordinate};
ActionParam Index(int count) { return {"Index", ParamKind::Index, count}; }

template <class P>
Action Row(const char* name, P& part, void (P::*m)(), Effect e = Effect::None) {
    return {name, {}, [&part, m](const Args&) { (part.*m)(); }, e};
}

template <class P>
Action Row(const char* name, P& part, void (P::*m)(int), int count, Effect e = Effect::None) {
    return {name, {Index(count)}, [&part, m](const Args& a) { (part.*m)(int(a[0])); }, e};
}

template <class P>
Action Row(const char* name, P& part, void (P::*m)(int, int, double, double), Effect e = Effect::None) {
    return {name, {kButton, kX, kY}, [&part, m](const Args& a) { (part.*m)(int(a[0]), 0, a[1], a[2]); }, e};
}

template <class P>
Action Row(const char* name, P& part, void (P::*m)(int, int, int, double, double), int count, Effect e = Effect::None) {
    return {name,
            {Index(count), kButton, kX, kY},
            [&part, m](const Args& a) { (part.*m)(int(a[0]), int(a[1]), 0, a[2], a[3]); },
            e};
}

// A row the story keeps although it does not paint (see StoryRole).
Action Kept(Action a) {
    a.story = StoryRole::Kept;
    return a;
}

// One member serving several controls that each have a name of their own.
template <class P>
Action RowFor(const char* name, P& part, void (P::*m)(int, int, int, double, double), int which) {
    return {name, {kButton, kX, kY}, [&part, m, which](const Args& a) { (part.*m)(which, int(a[0]), 0, a[1], a[2]); }};
}

}  // namespace

void DeclareWindowActions(MainWindow& w, ActionHub& hub) {
    WindowChrome& chrome = w.chrome();
    CanvasPart& canvas = w.canvasPart();
    ToolButtons& tools = w.toolButtons();
    BrushSizeBars& sizes = w.brushSize();
    PalettePart& palette = w.palette();
    Pickers& pickers = w.pickers();
    AnimationPanel& animation = w.animation();
    HelpLink& help = w.helpLink();
    PagePicker& pages = w.pagePicker();
    CommandButtons& commands = w.commands();
    DrawingFiles& files = w.files();
    ComfortButtons& comfort = w.comfort();
    DrawingHistory& history = w.drawingHistory();
    constexpr Effect kDraws = Effect::Drawing;

    const Action rows[] = {
        Row("Form_MouseMove", w, &MainWindow::Form_MouseMove),
        Row("Form_Unload", w, &MainWindow::Form_Unload),
        Row("Quit", w, &MainWindow::Quit),
        // undo and redo (they change the drawing, but are not steps of it)
        Kept(Row("Undo", history, &DrawingHistory::Undo)),
        Kept(Row("Redo", history, &DrawingHistory::Redo)),
        Row("bUndo_MouseMove", history, &DrawingHistory::bUndo_MouseMove),
        Row("bRedo_MouseMove", history, &DrawingHistory::bRedo_MouseMove),
        Row("ClosePanel", w, &MainWindow::ClosePanel),
        Row("FullScreen_Toggle", w, &MainWindow::FullScreen_Toggle),
        // window chrome
        Row("Image5_MouseMove", chrome, &WindowChrome::Image5_MouseMove),
        Row("Image5_MouseUp", chrome, &WindowChrome::Image5_MouseUp),
        Row("Image6_MouseMove", chrome, &WindowChrome::Image6_MouseMove),
        Row("Image6_MouseDown", chrome, &WindowChrome::Image6_MouseDown),
        Row("Label1_MouseMove", chrome, &WindowChrome::Label1_MouseMove),
        Row("Label1_MouseDown", chrome, &WindowChrome::Label1_MouseDown),
        Row("Label3_MouseDown", chrome, &WindowChrome::Label3_MouseDown),
        // the canvas
        Row("pctDraw_MouseDown", canvas, &CanvasPart::pctDraw_MouseDown, kDraws),
        Row("pctDraw_MouseMove", canvas, &CanvasPart::pctDraw_MouseMove, kDraws),
        Kept(Row("pctDraw_MouseUp", canvas, &CanvasPart::pctDraw_MouseUp)),
        // tools, sizes, colours
        Row("bBrush_MouseUp", tools, &ToolButtons::bBrush_MouseUp, 6, kDraws),  // the oil command paints
        Row("bBrush_MouseMove", tools, &ToolButtons::bBrush_MouseMove, 6),
        Kept(Row("Label4_Click", sizes, &BrushSizeBars::Label4_Click, 4)),
        Row("Label4_MouseMove", sizes, &BrushSizeBars::Label4_MouseMove, 4),
        Kept(Row("bColor_Click", palette, &PalettePart::bColor_Click, 24)),
        Row("bColor_MouseMove", palette, &PalettePart::bColor_MouseMove, 24),
        Row("sColor_MouseMove", palette, &PalettePart::sColor_MouseMove),
        // the pickers
        Kept(Row("bSpray_MouseDown", pickers, &Pickers::bSpray_MouseDown, 17)),
        Row("bSpray_MouseMove", pickers, &Pickers::bSpray_MouseMove, 17),
        Row("pctBrush_MouseMove", pickers, &Pickers::pctBrush_MouseMove),
        Kept(Row("bStamp_MouseDown", pickers, &Pickers::bStamp_MouseDown, 8)),
        Row("bStamp_MouseMove", pickers, &Pickers::bStamp_MouseMove, 8),
        Kept(Row("bStamp1_Click", pickers, &Pickers::bStamp1_Click, 8)),
        // the animation panel
        Row("sColor_Click", animation, &AnimationPanel::sColor_Click),
        Row("picture2_Click", animation, &AnimationPanel::picture2_Click, 3),
        Row("picture2_MouseMove", animation, &AnimationPanel::picture2_MouseMove, 3),
        Row("Picture3_Click", animation, &AnimationPanel::Picture3_Click),
        Row("Picture3_MouseMove", animation, &AnimationPanel::Picture3_MouseMove),
        // help
        Row("lblInfo_MouseMove", help, &HelpLink::lblInfo_MouseMove),
        Row("lblInfo_MouseUp", help, &HelpLink::lblInfo_MouseUp),
        // page commands, the page picker, files
        Kept(Row("KewlButtons1_MouseDown", commands, &CommandButtons::KewlButtons1_MouseDown)),
        Row("KewlButtons2_MouseDown", commands, &CommandButtons::KewlButtons2_MouseDown, kDraws),
        Row("KewlButtons3_MouseDown", files, &DrawingFiles::KewlButtons3_MouseDown),
        Row("KewlButtons4_Click", commands, &CommandButtons::KewlButtons4_Click),
        RowFor("KewlButtons1_MouseMove", commands, &CommandButtons::KewlButtons_MouseMove, 1),
        RowFor("KewlButtons2_MouseMove", commands, &CommandButtons::KewlButtons_MouseMove, 2),
        RowFor("KewlButtons3_MouseMove", commands, &CommandButtons::KewlButtons_MouseMove, 3),
        RowFor("KewlButtons4_MouseMove", commands, &CommandButtons::KewlButtons_MouseMove, 4),
        Kept(Row("KewlButtons8_Click", pages, &PagePicker::KewlButtons8_Click)),
        Kept(Row("KewlButtons9_Click", pages, &PagePicker::KewlButtons9_Click)),
        Row("Image3_Click", pages, &PagePicker::Image3_Click, kDraws),
        Row("KewlButtons8_MouseMove", pages, &PagePicker::KewlButtons8_MouseMove),
        Row("KewlButtons9_MouseMove", pages, &PagePicker::KewlButtons9_MouseMove),
        Row("Label7_MouseMove", pages, &PagePicker::Label7_MouseMove),
        Row("Image3_MouseMove", pages, &PagePicker::Image3_MouseMove),
        Row("pctOpen_MouseMove", pages, &PagePicker::pctOpen_MouseMove),
        Row("bClosePicker_Click", pages, &PagePicker::bClosePicker_Click),
        Row("bClosePicker_MouseMove", pages, &PagePicker::bClosePicker_MouseMove),
        Row("Label7_MouseDown", files, &DrawingFiles::Label7_MouseDown, kDraws),
        // sound on and off, printing
        Row("bSound_Click", comfort, &ComfortButtons::bSound_Click),
        Row("bSound_MouseMove", comfort, &ComfortButtons::bSound_MouseMove),
        Row("bPrint_Click", comfort, &ComfortButtons::bPrint_Click),
        Row("bPrint_MouseMove", comfort, &ComfortButtons::bPrint_MouseMove),
    };
    for (const Action& a : rows) hub.declare(a);
}

namespace {
struct KeyRow {
    const char* keys;  // portable text, as QKeySequence reads it
    const char* action;
    ActionHub::Args args = {};
};
// Only what cannot surprise a child: Escape is the way back from any panel
// (and out of full screen), F11 fills the screen or gives it back; the page
// commands, print and sound have the keys grown-ups expect, and undo, redo
// and quit the usual ones. A new page and an opened picture can be undone;
// save and print only ask; quitting keeps the drawing.
const KeyRow kKeys[] = {
    {"Esc", "ClosePanel"},
    {"F11", "FullScreen_Toggle"},
    {"Ctrl+N", "KewlButtons2_MouseDown", {1}},  // the left button, as a click
    {"Ctrl+S", "KewlButtons3_MouseDown", {1}},
    {"Ctrl+O", "Label7_MouseDown"},
    {"Ctrl+P", "bPrint_Click"},
    {"Ctrl+M", "bSound_Click"},
    {"Ctrl+Z", "Undo"},
    {"Ctrl+Shift+Z", "Redo"},
    {"Ctrl+Y", "Redo"},
    {"Ctrl+Q", "Quit"},
};
}  // namespace

void BindWindowKeys(ActionHub& hub) {
    for (const KeyRow& k : kKeys) hub.bindKey(QKeySequence::fromString(QLatin1String(k.keys)), k.action, k.args);
}

}  // namespace pintaloo
