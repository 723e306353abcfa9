// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The animation panel: three numbered buttons that play three short
// cartoons over the drawing area, and a close button. Page commands, tool
// buttons and size bars silence it too, so no cartoon stays over the page.
#include <array>
#include <functional>
#include <memory>

#include "ui/actions/box.h"
#include "ui/actions/late_widgets.h"
#include "ui/actions/panels.h"
#include "ui/actions/sound_player.h"
#include "ui/actions/window_controls.h"
#include "ui/platform/services.h"

namespace pintaloo {

class AnimationPlayer;

class AnimationPanel {
public:
    // What this part asks of its neighbours; the window connects each to
    // the part that does it (MainWindow::connectParts), and a test may put a
    // stand-in here.
    struct Needs {
        std::function<QRect()> canvasOnWindow;  // the canvas's place on the window, where a cartoon plays
    };
    Needs needs;

    AnimationPanel(WindowControls& c, const Services& services, const SoundPlayer& sounds, Panels& panels,
                   Needs wiring);
    ~AnimationPanel();

    void OpenAnimations();
    void PlayAnimation(int index);
    void CloseAnimations();
    void PointerOverAnimation(int index, int button, double x, double y);
    void PointerOverAnimationsClose(int button, double x, double y);

    void PlayAnimation(std::int16_t number);
    // Stops and empties the player and hides the panel; the page commands
    // play the click between emptying and hiding.
    void CloseAnimation(bool withClick);
    void hidePanel();
    // Stops and empties the player only (the panel's visibility is the caller's).
    void silencePlayer();

    AnimationPlayer& player();
    // The player stopped where it is (the quit).
    void stop();
    // The panel shows.
    bool isOpen() const;

private:
    void make();
    WindowControls& c_;
    const Services& services_;
    const SoundPlayer& sounds_;
    Panels& panels_;
    LateWidgets late_;
    Box* panel_ = nullptr;           // "pctFlash"
    std::array<Box*, 3> choices_{};  // "picture2(0)".."picture2(2)", a cartoon each
    Box* closeButton_ = nullptr;     // "Picture3"
    AnimationPlayer* player_ = nullptr;
    std::unique_ptr<AnimationPlayer> ownedPlayer_;
};

}  // namespace pintaloo
