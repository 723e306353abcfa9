// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Gets the fonts ready on a worker thread.
//
// The first text the window draws (its version line) used to pay for the
// whole font set-up on the main thread during the first paint: reading the
// font configuration, listing the installed fonts and opening the face, about
// 10 ms of a start that takes about 100. The configuration and the font list
// are shared by every thread, so drawing one line of that font into a small
// image here leaves the main thread only its own glyphs to make. Nothing
// drawn here reaches the screen; the window draws its text exactly as before.
#include <QFont>
#include <QObject>
#include <QString>
#include <optional>
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

// The warm-up, started when someone first moves, presses, types, touches or
// brings a pen to the program, or by startNow().
//
// A first frame whose help line is a kept picture draws no text, and a
// window nobody has touched yet draws none either. The font set-up is then
// only memory: its libraries, the font configuration's caches and the
// font, and the worker's own heap came to 3.9 MiB of a start's 40. The
// first thing that needs text (the help line's caption under a button, a
// tool tip) follows a move or a press, so the fonts get ready just ahead of
// it. A window appearing under a pointer that lies still is not someone
// there: the pointer coming in alone does not start it.
class FontWarmUpOnFirstInput final : public QObject {
public:
    // Watches the application's events from now on; needs the QApplication.
    FontWarmUpOnFirstInput(const QFont& font, QString text);
    ~FontWarmUpOnFirstInput() override;
    // Starts the warm-up now, if it has not started.
    void startNow();
    bool started() const { return warmUp_.has_value(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QFont font_;
    QString text_;
    std::optional<FontWarmUp> warmUp_;
};

}  // namespace pintaloo
