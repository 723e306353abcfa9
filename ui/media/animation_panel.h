// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The animation panel: three numbered buttons that play three short
// cartoons over the drawing area, and a close button. Page commands, tool
// buttons and size bars silence it too, so no cartoon stays over the page.
#include <array>
#include <memory>

#include "app/box.h"

namespace pintaloo {

class MainWindow;
class AnimationPlayer;

class AnimationPanel {
public:
    explicit AnimationPanel(MainWindow& w);
    ~AnimationPanel();

    void sColor_Click();
    void picture2_Click(int index);
    void Picture3_Click();
    void picture2_MouseMove(int index, int button, int shift, double x, double y);
    void Picture3_MouseMove(int button, int shift, double x, double y);

    void PlayAnimation(std::int16_t number);
    // Stops and empties the player and hides the panel; the page commands
    // play the click between emptying and hiding.
    void CloseAnimation(bool withClick);
    void hidePanel() { pctFlash->hide(); }
    // Stops and empties the player only (the panel's visibility is the caller's).
    void silencePlayer();

    AnimationPlayer& player() { return *player_; }

    Box* pctFlash;
    std::array<Box*, 3> picture2{};
    Box* Picture3;

private:
    MainWindow& w_;
    AnimationPlayer* player_ = nullptr;
    std::unique_ptr<AnimationPlayer> ownedPlayer_;
};

}  // namespace pintaloo
