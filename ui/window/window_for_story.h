// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window as the story floor sees it (ui/story/story_window.h): each
// member reads or does one thing on the MainWindow and its parts, so the
// story never needs the window's header and the window alone knows which
// part holds what. MainWindow::storyWindow() hands out the one of each window.
#include <memory>

#include "ui/story/story_window.h"

namespace pintaloo {

class MainWindow;

class WindowForStory final : public StoryWindow {
public:
    explicit WindowForStory(MainWindow& window) : w_(window) {}
    // One that owns its window: a window of its own for playing a story.
    explicit WindowForStory(std::unique_ptr<MainWindow> owned);
    ~WindowForStory() override;
    WindowForStory(const WindowForStory&) = delete;
    WindowForStory& operator=(const WindowForStory&) = delete;

    ActionHub& actions() override;
    const Surface& canvas() const override;
    const EditorState& editorState() const override;
    StrokePlace strokePlace() const override;
    std::uint32_t randomSeed() const override;
    const DrawingHistory& history() const override;
    bool penErases() const override;
    std::vector<double> stampChoices() const override;
    Language language() const override;
    QString openedPicture() const override;
    QString lastDialogPath() const override;
    std::chrono::milliseconds openTimeLimit() const override;
    FileDialogPort* fileDialog() const override;
    GalleryPort* gallery() const override;
    QWidget& widget() override;
    QRect canvasPlace() const override;

    void tell(const QString& title, const QString& text) override;
    void reseed(std::uint32_t seed) override;
    void takeState(const EditorState& state, const StrokePlace& stroke) override;
    void beginUndoHere() override;
    FileDialogPort* listenToFileDialog(FileDialogPort& listener) override;
    void stopListeningToFileDialog(FileDialogPort& listener, FileDialogPort* before) override;
    void forgetOpenedPicture() override;
    std::unique_ptr<StoryWindow> windowForPlaying(FileDialogPort& dialog) const override;

private:
    std::unique_ptr<MainWindow> owned_;  // declared first: w_ may refer to it
    MainWindow& w_;
};

}  // namespace pintaloo
