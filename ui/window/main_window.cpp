// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QThread>
#include <QTimer>

#include "ui/window/key_access.h"
#include "ui/window/language_look.h"
#include "ui/window/window_actions.h"
#include "ui/parts/comfort_buttons.h"
#include "ui/parts/file_buttons.h"
#include "ui/platform/desktop_compositing.h"
#include "ui/parts/drawing_history.h"
#include "ui/parts/window_chrome.h"
#include "ui/parts/canvas_part.h"
#include "ui/parts/animation_panel.h"
#include "ui/parts/colour_picker.h"
#include "ui/platform/animation_player.h"
#include "ui/parts/help_link.h"
#include "ui/platform/sounds.h"
#include "ui/platform/settings.h"
#include "ui/platform/temp_folder.h"
#include "ui/parts/command_buttons.h"
#include "ui/parts/drawing_files.h"
#include "ui/parts/page_grids.h"
#include "ui/parts/page_picker.h"
#include "ui/parts/gallery_panel.h"
#include "ui/parts/child_picker.h"
#include "ui/art/art_store.h"
#include "ui/art/picture_library.h"
#include "ui/parts/brush_size.h"
#include "engine/toolbox/hls.h"
#include "ui/parts/palette_part.h"
#include "ui/parts/pickers.h"
#include "ui/parts/stamp_browser.h"
#include "ui/parts/letters_part.h"
#include "ui/parts/tool_buttons.h"
#include "ui/actions/painting.h"
#include "ui/actions/panels.h"
#include "ui/actions/sound_player.h"
#include "ui/actions/spoken_language.h"
#include "ui/actions/window_controls.h"
#include "ui/story/story_window.h"

namespace pintaloo {

MainWindow::MainWindow(Services s, QWidget* parent) : QWidget(parent), services(s) {
    setObjectName("frmMain");
    setWindowTitle(QStringLiteral("Pintaloo"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    // The corners are cut round by painting; a compositing desktop shows
    // them smooth.
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(kWidth, kHeight);
    setMouseTracking(true);
    // Pictures at fixed places, the same in every language: the window and
    // its controls never mirror, though the application (its dialogs, the
    // tooltips, the help) reads right to left in Arabic.
    setLayoutDirection(Qt::LeftToRight);

    pictureStore_ = std::make_unique<PictureLibrary>();
    painters_ = std::make_unique<SurfacePicturePainters>(canvas, *pictureStore_);
    stroke_ = std::make_unique<StrokePainter>(state, canvas, random, *painters_);

    connectParts();
    DeclareWindowActions(*this, actions);
    // Whatever an action did to the tool, its button shows pressed after.
    actions.addObserver([this](const ActionCall& call) {
        if (call.stage == ActionCall::Stage::Ended) toolButtons_->showFaces();
    });
    keys_ = std::make_unique<KeyAccess>(*this, actions);
    // Keys and switches press as a mouse does: at the chosen size, so a
    // pen's last level is put back to none first (the story keeps that).
    keys_->beforePaintDown = [this] {
        if (state.PenPressure != 0) actions.run("PenPressure", {0});
    };
    // The canvas's name says the tool in use, and a swatch's the colour it
    // shows: named again after anything but a pointer passing over.
    actions.addObserver([this](const ActionCall& call) {
        if (call.stage == ActionCall::Stage::Ended && call.name != "PenMove" && !call.name.starts_with("PointerOver"))
            keys_->nameControls(language, toolButtons_->pressedItem());
    });
    // The keys reach the window whichever control was clicked last.
    setFocusPolicy(Qt::StrongFocus);
}

MainWindow::~MainWindow() { Unload(); }

// The one object of each role, shared by every part that takes it.
struct MainWindow::Roles {
    explicit Roles(MainWindow& w)
        : controls{w, w.actions, [&w](bool useHand) { w.SetHandCursor(useHand); }},
          painting{w.state, w.canvas, [&w] { w.canvasPart_->refresh(); }},
          sounds{[&w](WaveSound s) { w.PlayWaveSound(s); }, [&w](std::int16_t n) { w.PlayMp3Sound(n); },
                 [&w](WaveSound s, const std::string& path, bool alongside) {
                     if (w.services.sounds && w.comfort_->soundOn())
                         w.services.sounds->PlayFile(std::int16_t(s), path, alongside);
                 }},
          language(w.language),
          panels(w.actions) {}
    WindowControls controls;
    Painting painting;
    SoundPlayer sounds;
    SpokenLanguage language;
    Panels panels;
};

// The window is the one place that knows which part does what another asks:
// a new need between two parts is a line in the asking part's Needs below.
// Each callback finds its part when it runs, so a part may be asked for
// something before the part that does it is made (as long as it is not
// asked during its own making).
void MainWindow::connectParts() {
    roles_ = std::make_unique<Roles>(*this);
    WindowControls& c = roles_->controls;
    Painting& painting = roles_->painting;
    const SoundPlayer& sounds = roles_->sounds;
    SpokenLanguage& spoken = roles_->language;
    Panels& panels = roles_->panels;

    // What several parts ask of the same neighbour.
    const auto closeAnimations = [this](bool withClick) { animation_->CloseAnimation(withClick); };
    const auto hidePickers = [this] { pickers_->hidePanels(); };
    const auto closePagePicker = [this] { pagePicker_->close(); };
    const auto normalCommandFaces = [this] { commands_->normalFaces(); };
    const auto showWaitBox = [this](bool shown) { canvasPart_->showWaitBox(shown); };
    const auto setCanvasIcon = [this](CanvasCursor icon) { canvasPart_->setCanvasIcon(icon); };

    // Made in stacking order: later parts lie over earlier ones.
    chrome_ = std::make_unique<WindowChrome>(c, spoken, WindowChrome::Needs{
        .shownWindow = [this] { return shownWindow(); },
        .closeAsksGrownUp = [this] { return services.settings && services.settings->noQuit(); },
        .keepsFullScreen = [this] { return services.settings && services.settings->keepFullScreen(); },
    });
    canvasPart_ = std::make_unique<CanvasPart>(c, painting, *stroke_, spoken, CanvasPart::Needs{
        .hidePickers = hidePickers,
        .normalCommandFaces = normalCommandFaces,
        .takesPress = {},  // parts made later add theirs (canvasPart_->needs.takesPress)
    });
    toolButtons_ = std::make_unique<ToolButtons>(c, painting, sounds, spoken, ToolButtons::Needs{
        .chosenPicture = [](Tool tool, int variant) { return ChosenPicturePath(tool, variant); },
        .hideStampHolder = [this] { canvasPart_->hideStampHolder(); },
        .closeAnimations = closeAnimations,
        .hidePickers = hidePickers,
        .setCanvasIcon = setCanvasIcon,
        .showModels = [this] { pickers_->showModels(); },
        .showStamps = [this] { pickers_->showStamps(); },
        .showMagic = [this] { pickers_->showMagic(); },
        .showShapes = [this] { pickers_->showShapes(); },
        .emptyStampSlots = [this] { pickers_->emptySlots(); },
        .showWaitBox = showWaitBox,
        .pause = [this](double ms) { Pause(ms); },
        .chosenLibraryPicture = {},  // the stamps part, made later, puts its own here
    });
    brushSize_ = std::make_unique<BrushSizeBars>(c, state, sounds, spoken, BrushSizeBars::Needs{
        .closeAnimations = closeAnimations,
    });
    palette_ = std::make_unique<PalettePart>(c, state, sounds, spoken, PalettePart::Needs{
        .hidePickers = hidePickers,
        .paintSizeBars = [this](int bars) { brushSize_->paintBars(bars); },
    });
    helpLink_ = std::make_unique<HelpLink>(c, services, spoken);
    commands_ = std::make_unique<CommandButtons>(c, sounds, spoken, CommandButtons::Needs{
        .closeAnimations = closeAnimations,
        .openPagePicker = [this] { pagePicker_->open(); },
        .closePagePicker = closePagePicker,
        .resetEditor = [this] { ResetEditor(); },
        .normalChromeFaces = [this] { chrome_->normalFaces(); },
    });
    pickers_ = std::make_unique<Pickers>(c, state, sounds, panels, spoken, Pickers::Needs{
        .setCanvasIcon = setCanvasIcon,
        .showStampHolder = [this](QSize size) { canvasPart_->showStampHolder(size); },
        .showWaitBox = showWaitBox,
        .pause = [this](double ms) { Pause(ms); },
        .paintWholePicture =
            [this](Tool tool) {
                stroke_->PaintWholePicture(tool, state.CurrentColor);
                canvasPart_->refresh();
            },
        .showStampStrip = {},  // the stamps part, made later, puts its own here
    });
    // Over the pickers, under the page picker and the gallery.
    letters_ = std::make_unique<LettersPart>(c, painting, spoken, panels, LettersPart::Needs{
        .canvasOnWindow = [this] { return canvasPart_->placeOnWindow(); },
    });
    canvasPart_->needs.takesPress.push_back(
        [this](Tool tool, double x, double y) { return letters_->takePress(tool, x, y); });
    pagePicker_ = std::make_unique<PagePicker>(c, painting, sounds, spoken, panels, PagePicker::Needs{
        .openGalleryOver = [this](std::function<void()> back) { gallery_->openOver(std::move(back)); },
        .normalCommandFaces = normalCommandFaces,
    });
    // Over the page picker, which they are opened from.
    pageGrids_ = std::make_unique<PageGrids>(c, painting, sounds, spoken, panels, PageGrids::Needs{
        .lastPageNumber = [this](bool read) { return pagePicker_->pages().lastNumber(read); },
        .pageImage = [this](int number) { return pagePicker_->pages().image(number); },
        .takePage =
            [this](int number) {
                state.PageNumber = std::int16_t(number);
                pagePicker_->TakePage();
            },
        .newPage = [this] { commands_->NewPage(1, 0, 0); },
        .closePicker = closePagePicker,
        .pickerOpen = [this] { return pagePicker_->isOpen(); },
        .reopenPicker = [this] { pagePicker_->reopen(); },
    });
    gallery_ = std::make_unique<GalleryPanel>(c, services, sounds, spoken, panels, GalleryPanel::Needs{
        .openDrawingFile = [this](const QString& path) { return files_->OpenFile(path); },
        .normalCommandFaces = normalCommandFaces,
    });
    files_ = std::make_unique<DrawingFiles>(actions, painting, services, sounds, spoken, DrawingFiles::Needs{
        .closeAnimations = closeAnimations,
        .closePagePicker = closePagePicker,
        .showWaitBox = showWaitBox,
        .waitsInRealTime = [this] { return waitsInRealTime; },
        .openGallery = [this] { gallery_->OpenGallery(); },
    });
    animation_ = std::make_unique<AnimationPanel>(c, services, sounds, panels, AnimationPanel::Needs{
        .canvasOnWindow = [this] { return canvasPart_->placeOnWindow(); },
    });
    colour_ = std::make_unique<ColourPicker>(c, state, sounds, spoken, panels, ColourPicker::Needs{
        .canvasOnWindow = [this] { return canvasPart_->placeOnWindow(); },
        .hidePickers = hidePickers,
        .closeAnimations = closeAnimations,
        .showChoices =
            [this] {
                palette_->showColour(state.CurrentColor);
                brushSize_->paintBars(3);  // as a swatch does: the chosen bar shows the colour
            },
        .canvasIcon = [this] { return canvasPart_->canvasIcon(); },
        .setCanvasIcon = setCanvasIcon,
        .canvasColourAt = [this](int x, int y) -> std::optional<Colour> {
            if (x < 0 || y < 0 || x >= canvas.width() || y >= canvas.height()) return std::nullopt;
            return Colour(canvas.point(x, y));
        },
    });
    // A waiting dropper is asked first: the child armed it for this very
    // press, whatever tool (the letters too) is chosen.
    canvasPart_->needs.takesPress.insert(canvasPart_->needs.takesPress.begin(),
                                         [this](Tool, double x, double y) { return colour_->takesPress(x, y); });
    // Another drawing on the page starts the story afresh from the state,
    // which holds no dropper: a waiting dropper is put away with the old drawing.
    actions.addObserver([this](const ActionCall& call) {
        if (call.replacesDrawing && call.stage == ActionCall::Stage::Began) colour_->putDropperAway();
    });
    stamps_ = std::make_unique<StampBrowser>(c, state, services, sounds, spoken, panels, *pictureStore_,
                                             StampBrowser::Needs{
        .canvasOnWindow = [this] { return canvasPart_->placeOnWindow(); },
        .hidePickers = hidePickers,
        .setCanvasIcon = setCanvasIcon,
        .showChoice = [this] { toolButtons_->normalFaces(); },
        .showStampHolder = [this](QSize size) { canvasPart_->showStampHolder(size); },
    });
    pickers_->needs.showStampStrip = [this](bool shown) { stamps_->showStrip(shown); };
    toolButtons_->needs.chosenLibraryPicture = [this] { return stamps_->chosenPicture(); };
    comfort_ = std::make_unique<ComfortButtons>(c, services, sounds, spoken, ComfortButtons::Needs{
        .canvasImage = [this] { return DrawingFiles::CanvasImage(canvas); },
    });
    buttonReach_ = std::make_unique<ButtonReach>(ButtonReach{
        .controls = c,
        .painting = painting,
        .sounds = sounds,
        .nextRandom = [this] { return random.next(); },
        .showChoices =
            [this] {
                palette_->showColour(state.CurrentColor);
                brushSize_->paintBars(3);  // as a swatch does: the chosen bar shows the colour
            },
    });
    fileButtons_ = std::make_unique<FileButtons>(c, spoken);
    // Who is painting: its panel lies over every other (filled in by the
    // window's children, child_sessions.h; with none it never shows).
    children_ = std::make_unique<ChildPicker>(c, sounds, spoken, panels, ChildPicker::Needs{});
    // Observes the hub after every other part.
    history_ = std::make_unique<DrawingHistory>(c, painting, services, sounds, spoken, DrawingHistory::Needs{
        .showPickerPage = [this] { pagePicker_->ShowPickerPage(); },
    });
}

namespace {
// Only the program's own codes, exactly as written: a system spelling ("de",
// "fr_FR") is the business of the language choice at start, not of a caller here.
Language ProgramLanguage(const QString& code) {
    for (int i = 0; i < kLanguageCount; ++i)
        if (code == LanguageCode(Language(i))) return Language(i);
    return Language::English;
}
}  // namespace

void MainWindow::SetLanguage(const QString& code) { SetLanguage(ProgramLanguage(code)); }

void MainWindow::SetLanguage(Language l) {
    language = l;
    ApplyLanguageLook(l);  // before the parts measure their new words
    roles_->language.languageChanged(l);
    if (keys_) keys_->nameControls(l, toolButtons_->pressedItem());
}

bool MainWindow::Load(bool anotherInstanceRunning) {
    PlayWaveSound(WaveSound::Start);
    if (anotherInstanceRunning) return false;
    unloaded_ = false;
    FillHueTable(state);
    RoundWindow(15);
    ResetEditor();
    history_->restart();  // the blank page is where undo stops
    return true;
}

void MainWindow::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    animation_->stop();
    history_->flush();                              // the drawing as it is now, whatever the timer waits for
    if (services.temp) services.temp->removeAll();  // errors ignored: the program still ends
}

void MainWindow::closeEvent(QCloseEvent* e) {
    // Where closing is locked, only a grown-up's yes closes (none to ask is
    // a no); the session ending does not ask.
    if (!unloaded_ && askOnClose_ && services.settings && services.settings->noQuit() &&
        !(services.grownUp && services.grownUp->confirm(language))) {
        e->ignore();
        return;
    }
    // A drawing that is not kept is offered for saving while the window still shows.
    if (!unloaded_ && askOnClose_) {
        history_->offerSaveBeforeQuitting();
        files_->offerHeldBeforeQuitting();
    }
    Unload();
    e->accept();
    if (onClosed) onClosed();
}

// Every key goes through the key table first (a key held down runs its
// action once); the focus ring and the painting pointer take the keys it
// does not know, and the rest go on to Qt.
void MainWindow::keyPressEvent(QKeyEvent* e) {
    // While a word is being written, the keys write it (a switch, or the
    // ring on the letter board, still presses with Space and Enter).
    const bool keysPress = keys_->scan() != KeyAccess::Scan::Off || letters_->onBoard(keys_->focused());
    if (letters_->takeKey(*e, keysPress)) return;
    if (!e->isAutoRepeat() && actions.runKey(QKeySequence(e->keyCombination()))) return;
    if (!keys_->keyPress(*e)) QWidget::keyPressEvent(e);
}

void MainWindow::inputMethodEvent(QInputMethodEvent* e) {
    letters_->takeInput(e->commitString());
    e->accept();
}

void MainWindow::keyReleaseEvent(QKeyEvent* e) {
    if (!keys_->keyRelease(*e)) QWidget::keyReleaseEvent(e);
}

// The window losing the keyboard never hears Space come up.
void MainWindow::focusOutEvent(QFocusEvent* e) {
    keys_->letGo();
    QWidget::focusOutEvent(e);
}

void MainWindow::makeEveryPart() const { roles_->panels.makeEvery(); }

void MainWindow::ClosePanel() {
    if (!roles_->panels.closeOpenPanels() && fullScreen_) setFullScreen(false);
}

void MainWindow::FullScreen_Toggle() { setFullScreen(!fullScreen_); }

void MainWindow::setFullScreen(bool on) {
    if (on == fullScreen_) return;
    if (!on && services.settings && services.settings->keepFullScreen()) return;  // full screen is kept
    fullScreen_ = on;
    if (onFullScreen) onFullScreen(on);
}

QWidget* MainWindow::shownWindow() {
    if (const QGraphicsProxyWidget* proxy = graphicsProxyWidget(); proxy && proxy->scene())
        if (const auto views = proxy->scene()->views(); !views.isEmpty()) return views.first()->window();
    return this;
}

// Closes what is on the screen (the window, or the view that shows it
// scaled), the way its close button does.
void MainWindow::Quit() { shownWindow()->close(); }

void MainWindow::QuitForSessionEnd() {
    askOnClose_ = false;
    shownWindow()->close();
    askOnClose_ = true;  // a close the window refused leaves later ones asking
}

void MainWindow::ResetEditor() {
    canvasPart_->setCanvasIcon(CanvasCursor::Pencil);
    canvasPart_->hideStampHolder();  // the pencil is the tool again: no stamp is coming
    SetLanguage(language);
    ResetEditorState(state);
    pagePicker_->ShowPickerPage();       // the counter reads 1/21
    palette_->showColour(Rgb(0, 0, 0));  // black, though the pencil starts dark grey
    canvas.clear(state.PaperColor);
    canvasPart_->refresh();
    brushSize_->paintBars(4);
    pickers_->resetFrames();
    palette_->applyPalette();
    toolButtons_->normalFaces();  // the pencil's button pressed
    keys_->nameControls(language, toolButtons_->pressedItem());  // the swatches have their colours now
}

// Turned off, no request reaches the sound device at all.
void MainWindow::PlayWaveSound(WaveSound sound) {
    if (services.sounds && comfort_->soundOn()) services.sounds->PlayWaveSound(std::int16_t(sound));
}

void MainWindow::PlayMp3Sound(std::int16_t number) {
    if (services.sounds && comfort_->soundOn()) services.sounds->PlayMp3Sound(number);
}

// The hand over every button: each button carries the hand as its own
// cursor, so this only needs to reach the control under the pointer when
// a handler asks for it outside a hover.
void MainWindow::SetHandCursor(bool useHand) {
    if (QWidget* under = childAt(mapFromGlobal(QCursor::pos())); under && !canvasPart_->isCanvas(under))
        under->setCursor(useHand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

// Waits while the window keeps handling its events (a click during the
// wait is handled before this returns). The monotonic clock cannot wrap.
void MainWindow::Delay(double milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (double(clock.elapsed()) <= milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (double(clock.elapsed()) < milliseconds) QThread::msleep(5);
    }
}

// Delay lets a press run in the middle of the command that waits, and the
// command then goes on as if nothing had happened: an undo during the oil's
// second was refused by the history (a change was running) yet kept in the
// story, so the story played back differently, and a close or a film could
// start under a half-done command. Here the window system keeps presses and
// keys queued, in order, until the pause is over: the child's press takes
// effect right after the oil picture appears, and the story holds the calls
// in the order they ran.
void MainWindow::Pause(double milliseconds) {
    if (!waitsInRealTime) return;
    QElapsedTimer clock;
    clock.start();
    while (double(clock.elapsed()) <= milliseconds) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        if (double(clock.elapsed()) < milliseconds) QThread::msleep(5);
    }
}

// The corners are painted see-through, which a compositing desktop shows
// smooth; without one, a mask cuts them (with stepped edges) instead of
// leaving them black.
void MainWindow::RoundWindow(int corner) {
    corner_ = corner;
    if (!DesktopComposites()) {
        QPainterPath outline;
        outline.addRoundedRect(QRectF(0, 0, kWidth, kHeight), corner, corner);
        setMask(QRegion(outline.toFillPolygon().toPolygon()));
        // With nobody to blend a see-through window onto the desktop, the X
        // server does it itself, through a hidden copy of the whole window,
        // and the window's first showing and painting waited on that. Cut by
        // the mask, the window needs no see-through pixels: an ordinary one
        // is up about 10 ms sooner. Decided before the window is first
        // shown, when it is made.
        if (!windowHandle()) {
            setAttribute(Qt::WA_TranslucentBackground, false);
            setAttribute(Qt::WA_NoSystemBackground, false);
        }
    }
    update();
}

void MainWindow::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    // Drawn at build time for this size: buttons without a background of
    // their own repaint the window beneath them on every hover. The picture
    // has the window's rounded corners itself and the window beneath it is
    // clear, so it is copied, not blended: about a fifth of the time the
    // blend through a rounded clip took (which only thinned the corners'
    // soft edge).
    // An opaque window (no compositing, see RoundWindow) has its background
    // colour under the picture's soft corner edge: blended there.
    if (testAttribute(Qt::WA_TranslucentBackground)) p.setCompositionMode(QPainter::CompositionMode_Source);
    ArtStore::instance().backdrop(QStringLiteral(":/art/ui/background.svg"), size()).paint(p, e->rect());
    if (onFirstPaint) {
        // After this paint has reached the screen, not during it.
        QTimer::singleShot(0, this, [job = std::move(onFirstPaint)] { job(); });
        onFirstPaint = nullptr;
    }
}

void MainWindow::mouseMoveEvent(QMouseEvent* e) {
    actions.run("PointerOverWindow", {double(ButtonMask(e->buttons())), e->position().x(), e->position().y()});
}

// The pointer over the window's background: every highlighted face goes
// back to normal.
void MainWindow::PointerOverWindow(int, double, double) {
    chrome_->normalFaces();
    commands_->normalFaces();
    toolButtons_->normalFaces();
    comfort_->normalFaces();
    history_->showButtons();
}

}  // namespace pintaloo
