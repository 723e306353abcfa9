// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help-and-about page in a window of the program's own: the pages are
// embedded, so no web browser is needed (a child's computer often has none
// set up, and a browser would lead away from the drawing anyway).
//
//     HelpWindows help([&] { return window.shownWindow(); });
//     services.help = &help;
#include <QPointer>
#include <QWidget>
#include <functional>

#include "ui/platform/services.h"

namespace pintaloo {

class HelpWindows final : public HelpPort {
public:
    // `owner` gives the window on the desktop the help belongs to (it stays
    // above it and closes with it).
    explicit HelpWindows(std::function<QWidget*()> owner) : owner_(std::move(owner)) {}
    ~HelpWindows() override;
    HelpWindows(const HelpWindows&) = delete;
    HelpWindows& operator=(const HelpWindows&) = delete;

    // One help window at a time: asked again, the open one comes to the
    // front in the language asked for.
    void show(Language language) override;
    // The open help window, if any.
    QWidget* shown() const { return window_.data(); }

private:
    std::function<QWidget*()> owner_;
    QPointer<QWidget> window_;
};

}  // namespace pintaloo
