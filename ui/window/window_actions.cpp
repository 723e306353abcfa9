// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/window_actions.h"

#include "ui/actions/action_hub.h"
#include "ui/parts/comfort_buttons.h"
#include "ui/parts/drawing_history.h"
#include "ui/window/main_window.h"
#include "ui/parts/window_chrome.h"
#include "ui/parts/canvas_part.h"
#include "ui/parts/animation_panel.h"
#include "ui/parts/help_link.h"
#include "ui/parts/command_buttons.h"
#include "ui/parts/drawing_files.h"
#include "ui/parts/page_picker.h"
#include "ui/parts/brush_size.h"
#include "ui/parts/palette_part.h"
#include "ui/parts/pickers.h"
#include "ui/parts/tool_buttons.h"

namespace pintaloo {

namespace {

using Args = ActionHub::Args;
using Action = ActionHub::Action;

// The parameters follow from the member's shape, so a row names only what
// the shape cannot tell: how many controls an indexed row has.
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
Action Row(const char* name, P& part, void (P::*m)(int, double, double), Effect e = Effect::None) {
    return {name, {kButton, kX, kY}, [&part, m](const Args& a) { (part.*m)(int(a[0]), a[1], a[2]); }, e};
}

template <class P>
Action Row(const char* name, P& part, void (P::*m)(int, int, double, double), int count, Effect e = Effect::None) {
    return {name,
            {Index(count), kButton, kX, kY},
            [&part, m](const Args& a) { (part.*m)(int(a[0]), int(a[1]), a[2], a[3]); },
            e};
}

// A row the story keeps although it does not paint (see StoryRole).
Action Kept(Action a) {
    a.story = StoryRole::Kept;
    return a;
}

// One member serving several controls that each have a name of their own.
template <class P>
Action RowFor(const char* name, P& part, void (P::*m)(int, int, double, double), int which) {
    return {name, {kButton, kX, kY}, [&part, m, which](const Args& a) { (part.*m)(which, int(a[0]), a[1], a[2]); }};
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
        Row("Form_MouseMove", w, &MainWindow::PointerOverWindow),
        Row("Form_Unload", w, &MainWindow::Unload),
        Row("Quit", w, &MainWindow::Quit),
        // undo and redo (they change the drawing, but are not steps of it)
        Kept(Row("Undo", history, &DrawingHistory::Undo)),
        Kept(Row("Redo", history, &DrawingHistory::Redo)),
        Row("bUndo_MouseMove", history, &DrawingHistory::PointerOverUndo),
        Row("bRedo_MouseMove", history, &DrawingHistory::PointerOverRedo),
        Row("ClosePanel", w, &MainWindow::ClosePanel),
        Row("FullScreen_Toggle", w, &MainWindow::FullScreen_Toggle),
        // window chrome
        Row("Image5_MouseMove", chrome, &WindowChrome::PointerOverClose),
        Row("Image5_MouseUp", chrome, &WindowChrome::CloseWindow),
        Row("Image6_MouseMove", chrome, &WindowChrome::PointerOverMinimise),
        Row("Image6_MouseDown", chrome, &WindowChrome::MinimiseWindow),
        Row("Label1_MouseMove", chrome, &WindowChrome::PointerOverTitle),
        Row("Label1_MouseDown", chrome, &WindowChrome::DragByTitle),
        Row("Label3_MouseDown", chrome, &WindowChrome::DragByCorner),
        // the canvas
        Row("pctDraw_MouseDown", canvas, &CanvasPart::PenDown, kDraws),
        Row("pctDraw_MouseMove", canvas, &CanvasPart::PenMove, kDraws),
        Kept(Row("pctDraw_MouseUp", canvas, &CanvasPart::PenUp)),
        // tools, sizes, colours
        Row("bBrush_MouseUp", tools, &ToolButtons::ChooseTool, 6, kDraws),  // the oil command paints
        Row("bBrush_MouseMove", tools, &ToolButtons::PointerOverTool, 6),
        Kept(Row("Label4_Click", sizes, &BrushSizeBars::ChooseSize, 4)),
        Row("Label4_MouseMove", sizes, &BrushSizeBars::PointerOverSize, 4),
        Kept(Row("bColor_Click", palette, &PalettePart::ChooseColour, 24)),
        Row("bColor_MouseMove", palette, &PalettePart::PointerOverColour, 24),
        Row("sColor_MouseMove", palette, &PalettePart::PointerOverChosenColour),
        // the pickers
        Kept(Row("bSpray_MouseDown", pickers, &Pickers::ChooseModel, kModelCount)),
        Row("bSpray_MouseMove", pickers, &Pickers::PointerOverModel, kModelCount),
        Row("pctBrush_MouseMove", pickers, &Pickers::PointerOverModelsPanel),
        Kept(Row("bStamp_MouseDown", pickers, &Pickers::ChooseStampCategory, kStampCategoryCount)),
        Row("bStamp_MouseMove", pickers, &Pickers::PointerOverStampCategory, kStampCategoryCount),
        Kept(Row("bStamp1_Click", pickers, &Pickers::ChooseStamp, kStampSlots)),
        // the animation panel
        Row("sColor_Click", animation, &AnimationPanel::OpenAnimations),
        Row("picture2_Click", animation, &AnimationPanel::PlayAnimation, 3),
        Row("picture2_MouseMove", animation, &AnimationPanel::PointerOverAnimation, 3),
        Row("Picture3_Click", animation, &AnimationPanel::CloseAnimations),
        Row("Picture3_MouseMove", animation, &AnimationPanel::PointerOverAnimationsClose),
        // help
        Row("lblInfo_MouseMove", help, &HelpLink::PointerOverHelpLine),
        Row("lblInfo_MouseUp", help, &HelpLink::FollowHelpLine),
        // page commands, the page picker, files
        Kept(Row("KewlButtons1_MouseDown", commands, &CommandButtons::NewColouringPage)),
        Row("KewlButtons2_MouseDown", commands, &CommandButtons::NewPage, kDraws),
        Row("KewlButtons3_MouseDown", files, &DrawingFiles::SaveDrawing),
        Row("KewlButtons4_Click", commands, &CommandButtons::ShowHelp),
        RowFor("KewlButtons1_MouseMove", commands, &CommandButtons::PointerOverCommand, 1),
        RowFor("KewlButtons2_MouseMove", commands, &CommandButtons::PointerOverCommand, 2),
        RowFor("KewlButtons3_MouseMove", commands, &CommandButtons::PointerOverCommand, 3),
        RowFor("KewlButtons4_MouseMove", commands, &CommandButtons::PointerOverCommand, 4),
        Kept(Row("KewlButtons8_Click", pages, &PagePicker::PreviousPage)),
        Kept(Row("KewlButtons9_Click", pages, &PagePicker::NextPage)),
        Row("Image3_Click", pages, &PagePicker::TakePage, kDraws),
        Row("KewlButtons8_MouseMove", pages, &PagePicker::PointerOverPrevious),
        Row("KewlButtons9_MouseMove", pages, &PagePicker::PointerOverNext),
        Row("Label7_MouseMove", pages, &PagePicker::PointerOverOpen),
        Row("Image3_MouseMove", pages, &PagePicker::PointerOverPage),
        Row("pctOpen_MouseMove", pages, &PagePicker::PointerOverPagePicker),
        Row("bClosePicker_Click", pages, &PagePicker::ClosePagePicker),
        Row("bClosePicker_MouseMove", pages, &PagePicker::PointerOverPickerClose),
        Row("Label7_MouseDown", files, &DrawingFiles::OpenDrawing, kDraws),
        // sound on and off, printing
        Row("bSound_Click", comfort, &ComfortButtons::ToggleSound),
        Row("bSound_MouseMove", comfort, &ComfortButtons::PointerOverSound),
        Row("bPrint_Click", comfort, &ComfortButtons::PrintDrawing),
        Row("bPrint_MouseMove", comfort, &ComfortButtons::PointerOverPrint),
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
