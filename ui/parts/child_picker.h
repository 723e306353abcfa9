// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Who is painting: with two or more children on one account, a panel over
// the canvas shows each child's picture (one of the program's own stamps)
// big, with their name under it, and a friendly question above. A press on
// a picture makes that child the one painting; their picture then stands
// small in the title strip, and a press on it brings the panel back.
//
// The part only shows and asks: what choosing a child does to the drawings
// (the drawing on the page filed into its child's gallery, the next
// child's drawing brought back) is done by whoever fills needs.choose (the
// window's children, ui/window/child_sessions.h). With none or one child
// nothing shows, and both actions do nothing.
#include <functional>
#include <vector>

#include "ui/actions/box.h"
#include "ui/actions/late_widgets.h"
#include "ui/actions/panels.h"
#include "ui/actions/sound_player.h"
#include "ui/actions/spoken_language.h"
#include "ui/actions/window_controls.h"
#include "ui/files/child_folders.h"
#include "ui/platform/settings.h"

namespace pintaloo {

class ChildPicker {
public:
    static constexpr int kMostChildren = pintaloo::kMostChildren;

    struct Needs {
        std::function<void(int child)> choose;  // the child's drawings onto the page
    };
    Needs needs;

    ChildPicker(WindowControls& c, const SoundPlayer& sounds, SpokenLanguage& spoken, Panels& panels, Needs wiring);

    // The children to show (the first kMostChildren), none chosen yet.
    void setChildren(const std::vector<ChildEntry>& children);
    // The actions (window_actions.cpp).
    void ChildChoose(int child);
    void ChildSwitch();
    // The picker shown over the canvas, or put away (a child is painting).
    void open();
    void close();

    bool isOpen() const;
    int count() const { return int(children_.size()); }
    int current() const { return current_; }  // -1 before a child is chosen
    QString currentName() const { return current_ < 0 ? QString() : children_[std::size_t(current_)].name; }
    void setCurrent(int child);
    void applyTexts(Language language);

private:
    void make();
    void layOut();

    WindowControls& c_;
    const SoundPlayer& sounds_;
    const SpokenLanguage& language_;
    std::vector<ChildEntry> children_;
    int current_ = -1;
    Box* button_ = nullptr;  // "bChild", the child painting, small in the title strip
    Box* panel_ = nullptr;   // "pctChildren"
    Box* prompt_ = nullptr;  // "lblChildren"
    std::vector<Box*> pictures_;  // "imgChild(k)"
    std::vector<Box*> names_;     // "lblChild(k)"
    LateWidgets late_;
};

}  // namespace pintaloo
