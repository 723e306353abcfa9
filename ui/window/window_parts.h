// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the action table's rows run against (window_actions.cpp): each part
// of the window, and the few actions the window carries out itself. The
// window implements it, so the table needs nothing else of the window and
// the window's header and the table do not include each other.
namespace pintaloo {

class WindowChrome;
class CanvasPart;
class ToolButtons;
class BrushSizeBars;
class PalettePart;
class Pickers;
class AnimationPanel;
class HelpLink;
class PagePicker;
class PageGrids;
class GalleryPanel;
class CommandButtons;
class DrawingFiles;
class DrawingHistory;
class ComfortButtons;
class LettersPart;
class ColourPicker;
class ChildPicker;
class StampBrowser;
struct ButtonReach;

class WindowParts {
public:
    virtual WindowChrome& chrome() = 0;
    virtual CanvasPart& canvasPart() = 0;
    virtual ToolButtons& toolButtons() = 0;
    virtual BrushSizeBars& brushSize() = 0;
    virtual PalettePart& palette() = 0;
    virtual Pickers& pickers() = 0;
    virtual AnimationPanel& animation() = 0;
    virtual HelpLink& helpLink() = 0;
    virtual PagePicker& pagePicker() = 0;
    virtual PageGrids& pageGrids() = 0;
    virtual GalleryPanel& gallery() = 0;
    virtual CommandButtons& commands() = 0;
    virtual DrawingFiles& files() = 0;
    virtual DrawingHistory& drawingHistory() = 0;
    virtual ComfortButtons& comfort() = 0;
    virtual LettersPart& letters() = 0;
    virtual ColourPicker& colourPicker() = 0;
    virtual ChildPicker& childPicker() = 0;
    virtual StampBrowser& stampBrowser() = 0;
    // What a button file's effect may reach (ui/actions/button_file.h).
    virtual ButtonReach& buttonReach() = 0;

    // The window's own actions, run by a row as a part's member is.
    virtual void PointerOverWindow(int button, double x, double y) = 0;
    virtual void Unload() = 0;
    virtual void Quit() = 0;
    virtual void ClosePanel() = 0;
    virtual void FullScreen_Toggle() = 0;

protected:
    ~WindowParts() = default;
};

}  // namespace pintaloo
