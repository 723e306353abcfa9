// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/window_actions.h"

#include <algorithm>
#include <map>

#include <functional>
#include <utility>

#include "engine/recording/story_words.h"
#include "engine/toolbox/pen_pressure.h"
#include "ui/actions/action_hub.h"
#include "ui/actions/button_file.h"
#include "ui/parts/comfort_buttons.h"
#include "ui/parts/drawing_history.h"
#include "ui/window/window_parts.h"
#include "ui/parts/window_chrome.h"
#include "ui/parts/canvas_part.h"
#include "ui/parts/animation_panel.h"
#include "ui/parts/colour_picker.h"
#include "ui/parts/help_link.h"
#include "ui/parts/letters_part.h"
#include "ui/parts/command_buttons.h"
#include "ui/parts/drawing_files.h"
#include "ui/parts/page_grids.h"
#include "ui/parts/page_picker.h"
#include "ui/parts/gallery_panel.h"
#include "ui/parts/child_picker.h"
#include "ui/parts/brush_size.h"
#include "ui/parts/palette_part.h"
#include "ui/parts/pickers.h"
#include "ui/parts/stamp_browser.h"
#include "ui/parts/tool_buttons.h"
#include "ui/words/texts.h"

namespace pintaloo {

namespace {

using Args = ActionHub::Args;
using Run = std::function<void(WindowParts&, const Args&)>;

// The parameters follow from the member's shape, so a row names only what
// the shape cannot tell: how many controls an indexed row has.
const ActionParam kButton{"Button", ParamKind::Buttons};
const ActionParam kX{"X", ParamKind::Coordinate};
const ActionParam kY{"Y", ParamKind::Coordinate};
ActionParam Index(int count) { return {"Index", ParamKind::Index, count}; }

// A row under construction: the name, the alias, the part and member; the
// rest is said by chaining (.draws(), .story(...), .keys(...)).
struct R {
    WindowActionRow row;
    R&& draws() && {
        row.action.effect = Effect::Drawing;
        return std::move(*this);
    }
    // Kept in the story although it does not paint (see StoryRole).
    R&& kept() && { return std::move(*this).story(StoryRole::Kept); }
    R&& story(StoryRole role) && {
        row.action.story = role;
        return std::move(*this);
    }
    // Puts another drawing on the page: the one there is filed first.
    R&& replacesDrawing() && {
        row.action.replacesDrawing = true;
        return std::move(*this);
    }
    // Draws from the window's seeded random source (see Action::random).
    R&& random() && {
        row.action.random = true;
        return std::move(*this);
    }
    R&& keys(std::vector<ActionKey> k) && {
        row.action.keys = std::move(k);
        return std::move(*this);
    }
    // Its keys' line in the help: the place in the list and the words
    // (the help template's markup).
    R&& help(int place, const char* words) && {
        row.helpPlace = place;
        row.helpWords = words;
        return std::move(*this);
    }
    R&& pointerOnly() && {
        row.action.pressable = false;
        return std::move(*this);
    }
    // Out of switch scanning: it opens a dialog or window a switch cannot leave.
    R&& noSwitch() && { return std::move(*this).reach(WindowActionRow::Reach::NoSwitch); }
    R&& reach(WindowActionRow::Reach r) && {
        row.reach = r;
        return std::move(*this);
    }
};

R Make(const char* name, const char* alias, std::vector<ActionParam> params, Run run) {
    return {{{name, alias, std::move(params), {}}, std::move(run)}};
}

// The part a member belongs to, reached from the window: a part's accessor
// (&WindowParts::files) or the window itself.
constexpr auto kWindow = [](WindowParts& w) -> WindowParts& { return w; };

template <class Get, class P>
R Row(const char* name, const char* alias, Get part, void (P::*m)()) {
    return Make(name, alias, {}, [part, m](WindowParts& w, const Args&) { (std::invoke(part, w).*m)(); });
}

template <class Get, class P>
R Row(const char* name, const char* alias, Get part, void (P::*m)(int), int count) {
    return Make(name, alias, {Index(count)},
                [part, m](WindowParts& w, const Args& a) { (std::invoke(part, w).*m)(int(a[0])); });
}

template <class Get, class P>
R Row(const char* name, const char* alias, Get part, void (P::*m)(int, double, double)) {
    return Make(name, alias, {kButton, kX, kY},
                [part, m](WindowParts& w, const Args& a) { (std::invoke(part, w).*m)(int(a[0]), a[1], a[2]); });
}

template <class Get, class P>
R Row(const char* name, const char* alias, Get part, void (P::*m)(int, int, double, double), int count) {
    return Make(name, alias, {Index(count), kButton, kX, kY}, [part, m](WindowParts& w, const Args& a) {
        (std::invoke(part, w).*m)(int(a[0]), int(a[1]), a[2], a[3]);
    });
}

template <class Get, class P>
R Row(const char* name, const char* alias, Get part, void (P::*m)(int, double, double), int count) {
    return Make(name, alias, {Index(count), kX, kY}, [part, m](WindowParts& w, const Args& a) {
        (std::invoke(part, w).*m)(int(a[0]), a[1], a[2]);
    });
}

// One member serving several controls that each have an action of their own.
template <class Get, class P>
R RowFor(const char* name, const char* alias, Get part, void (P::*m)(int, int, double, double), int which) {
    return Make(name, alias, {kButton, kX, kY}, [part, m, which](WindowParts& w, const Args& a) {
        (std::invoke(part, w).*m)(which, int(a[0]), a[1], a[2]);
    });
}

// An action a part above the window carries out: it plugs its member in
// (ActionHub::plug) once it exists; where it does not (the replay tool has
// no film), the action is known and refused.
R Plugged(const char* name, const char* alias) { return Make(name, alias, {}, {}); }

// How to add an action: a row below (an explanatory name, the alias
// scripts will use, the part and its member; .draws() when it can change
// the drawing, .kept() or another StoryRole when the story must keep it,
// .keys(...) for its keys); the member on its part; the control's binding
// by the explanatory name (ActionHub::bind) with its caption and tooltip
// in ui/words/texts.cpp; its art when it has a button. Nothing else names
// it: the recorder, the keys, the replay tool and the help test read this
// table. Aliases appear nowhere else in the program but the state dump.
//
// Two things a row does not hold yet. Its text: a control's caption and
// tooltip are set in every language by the part that owns the control, and
// a tool button's text depends on its index, so one id per row would be a
// column nobody reads. Its sound: a handler plays it part way through and
// often by case (a swatch's own tone, the oil's different click, nothing
// when sound is off or the step did nothing), and the replay contract logs
// sounds in order, so the hub cannot play a row's sound at the same moment.
//
// Keys: only what cannot surprise a child. Escape is the way back from any
// panel (and out of full screen), F11 fills the screen or gives it back;
// the page commands, print and sound have the keys grown-ups expect, and
// undo, redo and quit the usual ones. A new page and an opened picture can
// be undone; save and print only ask; quitting keeps the drawing. A key
// gives a mouse action the left button, as a click. The window's own close
// and minimise are a screen reader's only (Ctrl+Q and Escape are the keys'),
// and what opens a dialog or window of its own is out of a switch's scan.
std::vector<WindowActionRow> BuildRows() {
    constexpr auto chrome = &WindowParts::chrome;
    constexpr auto canvas = &WindowParts::canvasPart;
    constexpr auto tools = &WindowParts::toolButtons;
    constexpr auto sizes = &WindowParts::brushSize;
    constexpr auto palette = &WindowParts::palette;
    constexpr auto pickers = &WindowParts::pickers;
    constexpr auto animation = &WindowParts::animation;
    constexpr auto help = &WindowParts::helpLink;
    constexpr auto pages = &WindowParts::pagePicker;
    constexpr auto grids = &WindowParts::pageGrids;
    const auto gallery = &WindowParts::gallery;
    constexpr auto commands = &WindowParts::commands;
    constexpr auto files = &WindowParts::files;
    constexpr auto history = &WindowParts::drawingHistory;
    const auto comfort = &WindowParts::comfort;
    constexpr auto letters = &WindowParts::letters;
    constexpr auto colours = &WindowParts::colourPicker;
    constexpr auto stamps = &WindowParts::stampBrowser;
    const ActionParam stampId{"Stamp", ParamKind::Index, StampBrowser::kIds};
    const ActionParam groupId{"Group", ParamKind::Index, StampBrowser::kIds};
    const ActionParam onOff{"On", ParamKind::Index, 2};

    std::vector<WindowActionRow> rows;
    const auto add = [&rows](std::initializer_list<R> some) {
        for (const R& r : some) rows.push_back(r.row);
    };
    add({
        Row("PointerOverWindow", "Form_MouseMove", kWindow, &WindowParts::PointerOverWindow),
        Row("Unload", "Form_Unload", kWindow, &WindowParts::Unload),
        Row("Quit", "Quit", kWindow, &WindowParts::Quit).keys({{"Ctrl+Q"}}).help(10, "{{help:QuitKey}}"),
        // undo and redo (they change the drawing, but are not steps of it)
        Row("Undo", "Undo", history, &DrawingHistory::Undo)
            .story(StoryRole::Undoes)
            .keys({{"Ctrl+Z"}})
            .help(6, "{{text:Undo}}"),
        Row("Redo", "Redo", history, &DrawingHistory::Redo)
            .story(StoryRole::Redoes)
            .keys({{"Ctrl+Shift+Z"}, {"Ctrl+Y"}})
            .help(7, "{{text:Redo}}"),
        Row("PointerOverUndo", "bUndo_MouseMove", history, &DrawingHistory::PointerOverUndo),
        Row("PointerOverRedo", "bRedo_MouseMove", history, &DrawingHistory::PointerOverRedo),
        Row("ClosePanel", "ClosePanel", kWindow, &WindowParts::ClosePanel).keys({{"Esc"}}).help(1, "{{help:EscapeKey}}"),
        Row("ToggleFullScreen", "FullScreen_Toggle", kWindow, &WindowParts::FullScreen_Toggle)
            .keys({{"F11"}})
            .help(8, "{{text:FullScreen}}: {{help:FullScreenKey}}"),
        // window chrome
        Row("PointerOverClose", "Image5_MouseMove", chrome, &WindowChrome::PointerOverClose),
        Row("CloseWindow", "Image5_MouseUp", chrome, &WindowChrome::CloseWindow).reach(WindowActionRow::Reach::ScreenReader),
        Row("PointerOverMinimise", "Image6_MouseMove", chrome, &WindowChrome::PointerOverMinimise),
        Row("MinimiseWindow", "Image6_MouseDown", chrome, &WindowChrome::MinimiseWindow)
            .reach(WindowActionRow::Reach::ScreenReader),
        Row("PointerOverTitle", "Label1_MouseMove", chrome, &WindowChrome::PointerOverTitle),
        Row("DragByTitle", "Label1_MouseDown", chrome, &WindowChrome::DragByTitle).pointerOnly(),
        Row("DragByCorner", "Label3_MouseDown", chrome, &WindowChrome::DragByCorner).pointerOnly(),
        // the canvas
        Row("PenDown", "pctDraw_MouseDown", canvas, &CanvasPart::PenDown).draws(),
        Row("PenMove", kPenMoveCall, canvas, &CanvasPart::PenMove).draws(),  // a story spells it (story_words.h)
        Row("PenUp", "pctDraw_MouseUp", canvas, &CanvasPart::PenUp).kept(),
        Row("FingerDown", "FingerDown", canvas, &CanvasPart::FingerDown, CanvasView::kFingers).draws(),
        Row("FingerMove", "FingerMove", canvas, &CanvasPart::FingerMove, CanvasView::kFingers).draws(),
        Row("FingerUp", "FingerUp", canvas, &CanvasPart::FingerUp, CanvasView::kFingers).kept(),
        Row("PenEnd", "PenEnd", canvas, &CanvasPart::PenEnd, 2).kept(),
        Row("PenPressure", "PenPressure", canvas, &CanvasPart::PenPressure, kPressureLevels + 1).kept(),
        // tools, sizes, colours
        Row("ChooseTool", "bBrush_MouseUp", tools, &ToolButtons::ChooseTool, kToolButtonCount).draws(),  // the oil command paints
        Row("PointerOverTool", "bBrush_MouseMove", tools, &ToolButtons::PointerOverTool, kToolButtonCount),
        Row("ChooseSize", "Label4_Click", sizes, &BrushSizeBars::ChooseSize, 4).kept(),
        Row("PointerOverSize", "Label4_MouseMove", sizes, &BrushSizeBars::PointerOverSize, 4),
        Row("ChooseColour", "bColor_Click", palette, &PalettePart::ChooseColour, 24).kept(),
        Row("PointerOverColour", "bColor_MouseMove", palette, &PalettePart::PointerOverColour, 24),
        Row("PointerOverChosenColour", "sColor_MouseMove", palette, &PalettePart::PointerOverChosenColour),
        // the pickers
        Row("ChooseModel", "bSpray_MouseDown", pickers, &Pickers::ChooseModel, EntriesOn(ToolButton::Models)).kept(),
        Row("PointerOverModel", "bSpray_MouseMove", pickers, &Pickers::PointerOverModel, EntriesOn(ToolButton::Models)),
        Row("PointerOverModelsPanel", "pctBrush_MouseMove", pickers, &Pickers::PointerOverModelsPanel),
        Row("ChooseStampCategory", "bStamp_MouseDown", pickers, &Pickers::ChooseStampCategory, EntriesOn(ToolButton::Stamps)).kept(),
        Row("PointerOverStampCategory", "bStamp_MouseMove", pickers, &Pickers::PointerOverStampCategory, EntriesOn(ToolButton::Stamps)),
        Row("ChooseStamp", "bStamp1_Click", pickers, &Pickers::ChooseStamp, StampSlots()).kept(),
        // a magic brush is kept as a model is; a trick over the whole picture paints
        Row("ChooseMagic", "bMagic_MouseDown", pickers, &Pickers::ChooseMagic, EntriesOn(ToolButton::Magic)).draws(),
        Row("PointerOverMagic", "bMagic_MouseMove", pickers, &Pickers::PointerOverMagic, EntriesOn(ToolButton::Magic)),
        Row("PointerOverMagicPanel", "pctMagic_MouseMove", pickers, &Pickers::PointerOverMagicPanel),
        // shapes and the straight line: choosing one is kept as a model is
        Row("ChooseShape", "bShape_MouseDown", pickers, &Pickers::ChooseShape, EntriesOn(ToolButton::Shapes)).kept(),
        Row("PointerOverShape", "bShape_MouseMove", pickers, &Pickers::PointerOverShape, EntriesOn(ToolButton::Shapes)),
        Row("PointerOverShapesPanel", "pctShapes_MouseMove", pickers, &Pickers::PointerOverShapesPanel),

        // letters and the letter board: a letter is kept as its code point
        // with the font's stamp (the board's keys only run TypeLetter, which
        // the story keeps); the word lands at done as one step
        Make("TypeLetter", "TypeLetter", {{"Letter", ParamKind::Index, 0x110000}, {"Font", ParamKind::Index, 1 << 24}},
             [](WindowParts& w, const Args& a) { w.letters().TypeLetter(int(a[0]), int(a[1])); })
            .kept(),
        Row("PressLetterKey", "LetterKey", letters, &LettersPart::PressLetterKey, kBoardLetterKeys),
        Row("LetterSpace", "LetterSpace", letters, &LettersPart::LetterSpace),
        Row("LettersBack", "LettersBack", letters, &LettersPart::LettersBack).kept(),
        Row("LettersDone", "LettersDone", letters, &LettersPart::LettersDone).draws(),

        // any colour: the rainbow field and the dropper
        Row("OpenRainbow", "RainbowOpen", colours, &ColourPicker::OpenRainbow),
        Row("CloseRainbow", "RainbowClose", colours, &ColourPicker::CloseRainbow),
        Row("PointerOverRainbow", "RainbowMouseMove", colours, &ColourPicker::PointerOverRainbow),
        // the colour itself, not the place on the field, so a story is exact whatever the field's size
        Make("PickColour", "PickColour", {{"Red", ParamKind::Index, 256}, {"Green", ParamKind::Index, 256},
                                          {"Blue", ParamKind::Index, 256}},
             [colours](WindowParts& w, const Args& a) {
                 std::invoke(colours, w).PickColour(int(a[0]), int(a[1]), int(a[2]));
             }).kept(),
        // the next press on the paper depends on it
        Row("ArmDropper", "DropperArm", colours, &ColourPicker::ArmDropper).kept(),

        // stamp collections: the browser, a stamp's size and turn. A stamp
        // and a group are named by id, so a story replays the same stamp
        // whatever order the library lists them in; the tiles run those.
        Row("OpenStampBrowser", "StampBrowserOpen", stamps, &StampBrowser::StampBrowserOpen),
        Row("CloseStampBrowser", "StampBrowserClose", stamps, &StampBrowser::StampBrowserClose),
        Row("StampGroups", "StampGroups", stamps, &StampBrowser::StampGroups),
        Make("OpenStampGroup", "StampGroupOpen", {groupId},
             [stamps](WindowParts& w, const Args& a) { std::invoke(stamps, w).StampGroupOpen(std::int64_t(a[0])); }),
        Row("StampPage", "StampPage", stamps, &StampBrowser::StampPage, StampBrowser::kMostPages),
        Row("StampNextPage", "StampNextPage", stamps, &StampBrowser::StampNextPage),
        Row("StampPreviousPage", "StampPreviousPage", stamps, &StampBrowser::StampPreviousPage),
        Row("StampTile", "StampTile", stamps, &StampBrowser::StampTile, StampBrowser::kPerPage),
        Make("ChooseLibraryStamp", "ChooseLibraryStamp", {stampId},
             [stamps](WindowParts& w, const Args& a) { std::invoke(stamps, w).ChooseLibraryStamp(std::int64_t(a[0])); })
            .kept(),
        Row("StampSize", "StampSize", stamps, &StampBrowser::StampSize, kStampSizes).kept(),
        Row("StampMirror", "StampMirror", stamps, &StampBrowser::StampMirror).kept(),
        Row("StampFlip", "StampFlip", stamps, &StampBrowser::StampFlip).kept(),
        // what a story begins with beside its state line: the stamp chosen, its size and turn
        Make("StampChoices", "StampChoices", {stampId, Index(kStampSizes), onOff, onOff},
             [stamps](WindowParts& w, const Args& a) {
                 std::invoke(stamps, w).StampChoices(std::int64_t(a[0]), int(a[1]), int(a[2]), int(a[3]));
             })
            .kept(),

        // own colouring pages and background pictures: the grid of every
        // page and the papers to start on (N counts the whole list from 0;
        // a pick is kept by N, so a story finds the page at the place it had)
        Row("PagesGrid", "PagesGrid", grids, &PageGrids::PagesGrid).kept(),
        Row("PagesGridPick", "PagesGridPick", grids, &PageGrids::PagesGridPick, PageGrids::kMostPages)
            .draws()
            .replacesDrawing(),
        Row("PagesGridNext", "PagesGridNext", grids, &PageGrids::PagesGridNext).kept(),
        Row("PagesGridPrevious", "PagesGridPrevious", grids, &PageGrids::PagesGridPrevious).kept(),
        Row("ClosePagesGrid", "ClosePagesGrid", grids, &PageGrids::ClosePagesGrid),
        Row("Papers", "Papers", grids, &PageGrids::Papers).kept(),
        Row("PaperPick", "PaperPick", grids, &PageGrids::PaperPick, PageGrids::kMostPapers).draws().replacesDrawing(),
        Row("PapersNext", "PapersNext", grids, &PageGrids::PapersNext).kept(),
        Row("PapersPrevious", "PapersPrevious", grids, &PageGrids::PapersPrevious).kept(),
        Row("ClosePapers", "ClosePapers", grids, &PageGrids::ClosePapers),

        // the grown-up's settings window and lock-down

        // each child's own drawings: N counts the children as the grown-up listed them
        Row("ChildChoose", "ChildChoose", &WindowParts::childPicker, &ChildPicker::ChildChoose, ChildPicker::kMostChildren),
        Row("ChildSwitch", "ChildSwitch", &WindowParts::childPicker, &ChildPicker::ChildSwitch),

        // the animation panel
        Row("OpenAnimations", "sColor_Click", animation, &AnimationPanel::OpenAnimations),
        Row("PlayAnimation", "picture2_Click", animation, &AnimationPanel::PlayAnimation, 3),
        Row("PointerOverAnimation", "picture2_MouseMove", animation, &AnimationPanel::PointerOverAnimation, 3),
        Row("CloseAnimations", "Picture3_Click", animation, &AnimationPanel::CloseAnimations),
        Row("PointerOverAnimationsClose", "Picture3_MouseMove", animation, &AnimationPanel::PointerOverAnimationsClose),
        // help
        Row("PointerOverHelpLine", "lblInfo_MouseMove", help, &HelpLink::PointerOverHelpLine),
        Row("FollowHelpLine", "lblInfo_MouseUp", help, &HelpLink::FollowHelpLine).noSwitch(),
        // page commands, the page picker, files
        Row("NewColouringPage", "KewlButtons1_MouseDown", commands, &CommandButtons::NewColouringPage).kept(),
        Row("NewPage", "KewlButtons2_MouseDown", commands, &CommandButtons::NewPage).draws().replacesDrawing().keys({{"Ctrl+N", {1}}}).help(2, "{{text:NewPage}}"),
        Row("SaveDrawing", "KewlButtons3_MouseDown", files, &DrawingFiles::SaveDrawing)
            .story(StoryRole::SavesPicture)
            .keys({{"Ctrl+S", {1}}})
            .help(3, "{{text:SaveDrawing}}")
            .noSwitch(),
        Row("ShowHelp", "KewlButtons4_Click", commands, &CommandButtons::ShowHelp).noSwitch(),
        RowFor("PointerOverColouringPageCommand", "KewlButtons1_MouseMove", commands,
               &CommandButtons::PointerOverCommand, 1),
        RowFor("PointerOverNewPageCommand", "KewlButtons2_MouseMove", commands, &CommandButtons::PointerOverCommand, 2),
        RowFor("PointerOverSaveCommand", "KewlButtons3_MouseMove", commands, &CommandButtons::PointerOverCommand, 3),
        RowFor("PointerOverHelpCommand", "KewlButtons4_MouseMove", commands, &CommandButtons::PointerOverCommand, 4),
        Row("NextPage", "KewlButtons8_Click", pages, &PagePicker::NextPage).kept(),
        Row("PreviousPage", "KewlButtons9_Click", pages, &PagePicker::PreviousPage).kept(),
        Row("TakePage", "Image3_Click", pages, &PagePicker::TakePage).draws().replacesDrawing(),
        Row("PointerOverNext", "KewlButtons8_MouseMove", pages, &PagePicker::PointerOverNext),
        Row("PointerOverPrevious", "KewlButtons9_MouseMove", pages, &PagePicker::PointerOverPrevious),
        Row("PointerOverOpen", "Label7_MouseMove", pages, &PagePicker::PointerOverOpen),
        Row("PointerOverPage", "Image3_MouseMove", pages, &PagePicker::PointerOverPage),
        Row("PointerOverPagePicker", "pctOpen_MouseMove", pages, &PagePicker::PointerOverPagePicker),
        Row("ClosePagePicker", "bClosePicker_Click", pages, &PagePicker::ClosePagePicker),
        Row("PointerOverPickerClose", "bClosePicker_MouseMove", pages, &PagePicker::PointerOverPickerClose),
        Row("PickerGallery", "PickerGallery", pages, &PagePicker::PickerGallery),
        Row("OpenDrawing", "Label7_MouseDown", files, &DrawingFiles::OpenDrawing)
            .draws()
            .replacesDrawing()
            .story(StoryRole::OpensPicture)
            .keys({{"Ctrl+O"}})
            .help(4, "{{text:OpenDrawing}}")
            .noSwitch(),
        // the child's gallery: N counts the drawings listed, newest first
        Row("Gallery", "Gallery", gallery, &GalleryPanel::OpenGallery),
        Row("GalleryPick", "GalleryPick", gallery, &GalleryPanel::GalleryPick, GalleryPanel::kMostListed)
            .draws()
            .replacesDrawing()
            .story(StoryRole::OpensPicture),
        Row("GalleryNext", "GalleryNext", gallery, &GalleryPanel::GalleryNext),
        Row("GalleryPrevious", "GalleryPrevious", gallery, &GalleryPanel::GalleryPrevious),
        Row("GalleryBin", "GalleryBin", gallery, &GalleryPanel::GalleryBin, GalleryPanel::kMostListed),
        Row("GalleryFilm", "GalleryFilm", gallery, &GalleryPanel::GalleryFilm, GalleryPanel::kMostListed),
        Row("GalleryPlay", "GalleryPlay", gallery, &GalleryPanel::GalleryPlay),
        Row("GalleryEndShow", "GalleryEndShow", gallery, &GalleryPanel::GalleryEndShow),
        Row("CloseGallery", "CloseGallery", gallery, &GalleryPanel::CloseGallery),
        Row("PointerOverGalleryCommand", "bGallery_MouseMove", gallery, &GalleryPanel::PointerOverGalleryCommand),
        Row("PointerOverGallery", "pctGallery_MouseMove", gallery, &GalleryPanel::PointerOverGallery),
        Row("PointerOverGalleryClose", "bCloseGallery_MouseMove", gallery, &GalleryPanel::PointerOverGalleryClose),
        // sound on and off, printing
        Row("ToggleSound", "bSound_Click", comfort, &ComfortButtons::ToggleSound).keys({{"Ctrl+M"}}).help(9, "{{text:SoundOnOff}}"),
        Row("PointerOverSound", "bSound_MouseMove", comfort, &ComfortButtons::PointerOverSound),
        Row("PrintDrawing", "bPrint_Click", comfort, &ComfortButtons::PrintDrawing)
            .keys({{"Ctrl+P"}})
            .help(5, "{{text:Print}}")
            .noSwitch(),
        Row("PointerOverPrint", "bPrint_MouseMove", comfort, &ComfortButtons::PointerOverPrint),
        // the film of the drawing (ui/story/film_part.cpp)
        Plugged("PlayFilm", "PlayFilm"),
        Plugged("StopFilm", "StopFilm"),
        Plugged("SaveFilm", "SaveFilm").noSwitch(),
    });
    // The buttons that are each one file (ui/actions/button_file.h): their
    // rows as they wrote them, their effect run on the parts' context.
    for (const ButtonFile& file : ButtonFiles())
        rows.push_back({file.action, [press = file.press](WindowParts& w, const Args&) { press(w.buttonReach()); }});
    return rows;
}

}  // namespace

const std::vector<WindowActionRow>& WindowActionRows() {
    static const std::vector<WindowActionRow> rows = BuildRows();
    return rows;
}

WindowActionRow::Reach ReachOf(std::string_view name) {
    // Asked for every control at every key and tick: a map made once.
    static const std::map<std::string, WindowActionRow::Reach, std::less<>> reaches = [] {
        std::map<std::string, WindowActionRow::Reach, std::less<>> m;
        for (const WindowActionRow& row : WindowActionRows()) m.emplace(row.action.name, row.reach);
        return m;
    }();
    const auto it = reaches.find(name);
    return it == reaches.end() ? WindowActionRow::Reach::Everyone : it->second;
}

std::vector<HelpKey> HelpKeys(Language language) {
    const auto keysOf = [](const std::vector<ActionKey>& keys) {
        QStringList written;
        for (const ActionKey& k : keys) written << QString::fromLatin1(k.keys);
        return written.join(QStringLiteral(", "));
    };
    std::vector<const WindowActionRow*> rows;
    for (const WindowActionRow& row : WindowActionRows())
        if (row.helpWords) rows.push_back(&row);
    std::stable_sort(rows.begin(), rows.end(),
                     [](const WindowActionRow* a, const WindowActionRow* b) { return a->helpPlace < b->helpPlace; });
    std::vector<HelpKey> lines;
    for (const WindowActionRow* row : rows) lines.push_back({keysOf(row->action.keys), QString::fromLatin1(row->helpWords)});
    for (const ButtonFile& file : ButtonFiles())
        if (!file.action.keys.empty()) lines.push_back({keysOf(file.action.keys), Text(std::string_view(file.tip ? file.tip : ""), language).toHtmlEscaped()});
    return lines;
}

void DeclareWindowActions(WindowParts& w, ActionHub& hub) {
    for (const WindowActionRow& row : WindowActionRows()) {
        ActionHub::Action a = row.action;
        if (row.run) a.fn = [&w, run = row.run](const Args& args) { run(w, args); };
        hub.declare(std::move(a));
    }
}

}  // namespace pintaloo
