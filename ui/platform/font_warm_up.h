// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Gets the fonts ready on a worker thread while the window is being built.
//
// The first text the window draws (its version line) used to pay for the
// whole font set-up on the main thread during the first paint: reading the
// font configuration, listing the installed fonts and opening the face, about
// 10 ms of a start that takes about 100. The configuration and the font list
// are shared by every thread, so drawing one line of that font into a small
// image here leaves the main thread only its own glyphs to make. Nothing
// drawn here reaches the screen; the window draws its text exactly as before.
#include <QFont>
#include <QString>
#include <thread>

namespace pintaloo {

class FontWarmUp {
public:
    // Starts at once; needs the QApplication to exist.
    FontWarmUp(const QFont& font, const QString& text);
    // Waits for the worker (it is done long before the window closes).
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

private:
    std::thread worker_;
};

}  // namespace pintaloo
