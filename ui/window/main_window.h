// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's one window. It owns the editor state, the canvas surface and
// the parts of the window (each part owns its controls and handlers), and
// runs start-up, the reset to a blank page and the clean-up at exit.
#include <QWidget>
#include <functional>
#include <memory>

#include "ui/actions/action_hub.h"
#include "engine/editor/editor_state.h"
#include "ui/words/language.h"
#include "ui/platform/services.h"
#include "ui/platform/sounds.h"
#include "engine/canvas/random_source.h"
#include "engine/canvas/surface.h"
#include "engine/toolbox/picture_painters.h"
#include "ui/art/picture_library.h"
#include "engine/toolbox/stroke_painter.h"
#include "ui/window/window_parts.h"

namespace pintaloo {

class Box;
class ChildPicker;
class FileButtons;
struct ButtonReach;
class KeyAccess;
class StoryWindow;

class MainWindow : public QWidget, public WindowParts {
    Q_OBJECT
public:
    static constexpr int kWidth = 827;
    static constexpr int kHeight = 728;

    explicit MainWindow(Services services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up in order: start sound; a second instance ends here (false);
    // hue table; rounded outline; reset. The caller shows the window after.
    bool Load(bool anotherInstanceRunning);
    // Clean-up at exit: the temporary folder goes with everything in it.
    void Unload() override;
    void PointerOverWindow(int button, double x, double y) override;

    // Back to a blank page with every default (also the new-page command).
    void ResetEditor();
    // The panels a child has not opened yet are made when first needed;
    // this makes them all now, as they would be (the state dump lists every
    // control; a test may reach any). Changes nothing the window does.
    void makeEveryPart() const;

    // The window's helpers, which the parts reach through their roles.
    void PlayWaveSound(WaveSound sound);
    void PlayMp3Sound(std::int16_t number);
    void SetHandCursor(bool useHand);
    void Delay(double milliseconds);
    // A command's pause behind its wait box (the oil): the window draws
    // itself and runs its timers meanwhile, but presses and keys wait until
    // the pause is over. No pause at all where waitsInRealTime is false.
    void Pause(double milliseconds);
    // False in a window that plays a story, which is never shown: a film
    // step takes no time it does not need and no input.
    bool waitsInRealTime = true;
    void RoundWindow(int corner);

    // Escape: closes whatever panel is open, untouched; with none open it
    // leaves full screen.
    void ClosePanel() override;
    // F11: full screen on or off.
    void FullScreen_Toggle() override;
    // Full screen as asked for; whatever shows the window on screen (the
    // screen host) listens through onFullScreen. Without a listener (the
    // replay tool, tests) only the flag changes.
    bool fullScreen() const { return fullScreen_; }
    void setFullScreen(bool on);
    std::function<void(bool)> onFullScreen;
    // The window on the desktop that shows this one: itself, or the screen
    // host's view while it is scaled. Closing, minimising and dragging go to it.
    QWidget* shownWindow();

    // Runs once, after the window has first been drawn (work that can wait
    // until the child sees the window goes here).
    std::function<void()> onFirstPaint;
    // Runs once the window has been closed (after the clean-up).
    std::function<void()> onClosed;

    EditorState state;
    Surface canvas;
    DefaultRandom random;
    StrokePainter& stroke() { return *stroke_; }
    const StrokePainter& stroke() const { return *stroke_; }
    PictureStore& pictureStore() { return *pictureStore_; }
    // Every action a user can take, by name; the parts bind their controls to it.
    ActionHub actions;
    Services services;

    WindowChrome& chrome() override { return *chrome_; }
    CanvasPart& canvasPart() override { return *canvasPart_; }
    ToolButtons& toolButtons() override { return *toolButtons_; }
    BrushSizeBars& brushSize() override { return *brushSize_; }
    PalettePart& palette() override { return *palette_; }
    Pickers& pickers() override { return *pickers_; }
    AnimationPanel& animation() override { return *animation_; }
    HelpLink& helpLink() override { return *helpLink_; }
    PagePicker& pagePicker() override { return *pagePicker_; }
    const PagePicker& pagePicker() const { return *pagePicker_; }
    PageGrids& pageGrids() override { return *pageGrids_; }
    const PageGrids& pageGrids() const { return *pageGrids_; }
    GalleryPanel& gallery() override { return *gallery_; }
    const GalleryPanel& gallery() const { return *gallery_; }
    CommandButtons& commands() override { return *commands_; }
    DrawingFiles& files() override { return *files_; }
    ComfortButtons& comfort() override { return *comfort_; }
    LettersPart& letters() override { return *letters_; }
    const LettersPart& letters() const { return *letters_; }
    const ComfortButtons& comfort() const { return *comfort_; }
    ColourPicker& colourPicker() override { return *colour_; }
    const ColourPicker& colourPicker() const { return *colour_; }
    StampBrowser& stampBrowser() override { return *stamps_; }
    const StampBrowser& stampBrowser() const { return *stamps_; }
    ButtonReach& buttonReach() override { return *buttonReach_; }
    ChildPicker& childPicker() override { return *children_; }
    const ChildPicker& childPicker() const { return *children_; }
    // The focus ring, the painting pointer and scanning.
    KeyAccess& keyAccess() { return *keys_; }

    // The language the window speaks; a new page keeps it.
    Language language = Language::English;
    // Every part takes the language's texts for its controls, and the window
    // speaks that language from now on (messages, dialogs' filters, help page).
    void SetLanguage(Language l);
    // The same by the program's own code ("ro", "ge"); any other code gives English.
    void SetLanguage(const QString& code);
    DrawingHistory& drawingHistory() override { return *history_; }
    // What the story floor is given instead of the window (window_for_story.cpp).
    StoryWindow& storyWindow();

    // Closes the window the way its close button does (the drawing is kept).
    void Quit() override;
    // The session ending (a signal): closes as Quit does, but never stops to
    // ask the parent anything, since nobody may be there to answer and the
    // desktop would wait on us.
    void QuitForSessionEnd();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void closeEvent(QCloseEvent*) override;
    // Keys go to the action hub's key table; keys it does not know go on as usual.
    void keyPressEvent(QKeyEvent*) override;
    void keyReleaseEvent(QKeyEvent*) override;
    void focusOutEvent(QFocusEvent*) override;
    // An input method's committed text goes to the word being written.
    void inputMethodEvent(QInputMethodEvent*) override;
    // Tab is the focus ring's, never Qt's own focus chain.
    bool focusNextPrevChild(bool) override { return false; }

private:
    // Makes the parts in stacking order, each given the roles it takes
    // (ui/actions/) and its needs connected to the part that does the work.
    void connectParts();
    struct Roles;  // the one object of each role the parts share

    std::unique_ptr<PictureLibrary> pictureStore_;
    std::unique_ptr<SurfacePicturePainters> painters_;
    std::unique_ptr<StrokePainter> stroke_;
    std::unique_ptr<Roles> roles_;  // what the parts are given instead of the window
    std::unique_ptr<WindowChrome> chrome_;
    std::unique_ptr<CanvasPart> canvasPart_;
    std::unique_ptr<ToolButtons> toolButtons_;
    std::unique_ptr<BrushSizeBars> brushSize_;
    std::unique_ptr<PalettePart> palette_;
    std::unique_ptr<Pickers> pickers_;
    std::unique_ptr<LettersPart> letters_;
    std::unique_ptr<AnimationPanel> animation_;
    std::unique_ptr<HelpLink> helpLink_;
    std::unique_ptr<PagePicker> pagePicker_;
    std::unique_ptr<GalleryPanel> gallery_;
    std::unique_ptr<PageGrids> pageGrids_;
    std::unique_ptr<CommandButtons> commands_;
    std::unique_ptr<DrawingFiles> files_;
    std::unique_ptr<ComfortButtons> comfort_;
    std::unique_ptr<ColourPicker> colour_;  // any colour: the rainbow field and the dropper
    std::unique_ptr<StampBrowser> stamps_;  // the collections' stamps, a stamp's size and turn
    std::unique_ptr<ButtonReach> buttonReach_;  // what the button files' effects reach
    std::unique_ptr<FileButtons> fileButtons_;  // the buttons that are each one file
    std::unique_ptr<ChildPicker> children_;     // who is painting, over everything
    std::unique_ptr<DrawingHistory> history_;
    std::unique_ptr<KeyAccess> keys_;
    std::unique_ptr<StoryWindow> story_;  // made on first asking
    int corner_ = 0;
    bool fullScreen_ = false;
    bool unloaded_ = true;  // nothing to clean up until a load succeeded
    bool askOnClose_ = true;  // false while the session ending closes us
};

}  // namespace pintaloo
