// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/window_for_story.h"

#include "ui/parts/canvas_part.h"
#include "ui/parts/drawing_files.h"
#include "ui/parts/drawing_history.h"
#include "ui/parts/page_picker.h"
#include "ui/parts/stamp_browser.h"
#include "ui/window/main_window.h"

namespace pintaloo {

WindowForStory::WindowForStory(std::unique_ptr<MainWindow> owned) : owned_(std::move(owned)), w_(*owned_) {}

WindowForStory::~WindowForStory() = default;

ActionHub& WindowForStory::actions() { return w_.actions; }
const Surface& WindowForStory::canvas() const { return w_.canvas; }
const EditorState& WindowForStory::editorState() const { return w_.state; }

StrokePlace WindowForStory::strokePlace() const {
    const StrokePainter::Memory m = w_.stroke().memory();
    return {m.hasPoint, m.x, m.y, w_.canvas.positionX(), w_.canvas.positionY()};
}

std::uint32_t WindowForStory::randomSeed() const { return w_.random.seed(); }
const DrawingHistory& WindowForStory::history() const { return w_.drawingHistory(); }
bool WindowForStory::penErases() const { return w_.canvasPart().penErases(); }
std::vector<double> WindowForStory::stampChoices() const { return w_.stampBrowser().choices(); }
Language WindowForStory::language() const { return w_.language; }
QString WindowForStory::openedPicture() const { return w_.files().lastOpened; }
QString WindowForStory::lastDialogPath() const { return w_.files().dialogFileName; }
std::chrono::milliseconds WindowForStory::openTimeLimit() const { return w_.files().openTimeLimit; }
FileDialogPort* WindowForStory::fileDialog() const { return w_.services.dialog; }
GalleryPort* WindowForStory::gallery() const { return w_.services.gallery; }
QWidget& WindowForStory::widget() { return w_; }
QRect WindowForStory::canvasPlace() const { return w_.canvasPart().placeOnWindow(); }

void WindowForStory::tell(const QString& title, const QString& text) {
    if (w_.services.messages) w_.services.messages->tell(title, text);
}

void WindowForStory::reseed(std::uint32_t seed) { w_.random.reseed(seed); }

void WindowForStory::takeState(const EditorState& state, const StrokePlace& stroke) {
    w_.state = state;
    w_.stroke().setMemory({stroke.hasPoint, stroke.x, stroke.y});
    w_.canvas.moveTo(stroke.drawX, stroke.drawY);
    w_.pagePicker().ShowPickerPage();
    w_.drawingHistory().letFingersGo();
}

void WindowForStory::beginUndoHere() { w_.drawingHistory().restart(); }

FileDialogPort* WindowForStory::listenToFileDialog(FileDialogPort& listener) {
    FileDialogPort* const before = w_.services.dialog;
    w_.services.dialog = &listener;
    return before;
}

void WindowForStory::stopListeningToFileDialog(FileDialogPort& listener, FileDialogPort* before) {
    if (w_.services.dialog == &listener) w_.services.dialog = before;
}

void WindowForStory::forgetOpenedPicture() { w_.files().lastOpened.clear(); }

std::unique_ptr<StoryWindow> WindowForStory::windowForPlaying(FileDialogPort& dialog) const {
    // The stamps are the same collections: a film paints the stamps its story chose.
    Services services{nullptr, nullptr, &dialog, nullptr, nullptr};
    services.stamps = w_.services.stamps;
    auto window = std::make_unique<MainWindow>(services);
    window->waitsInRealTime = false;
    window->Load(false);
    return std::make_unique<WindowForStory>(std::move(window));
}

// Made on first asking, so a window no story looks at pays nothing for it.
StoryWindow& MainWindow::storyWindow() {
    if (!story_) story_ = std::make_unique<WindowForStory>(*this);
    return *story_;
}

}  // namespace pintaloo
