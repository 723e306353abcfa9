// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace pintaloo {

// Turns SIGTERM and SIGINT (a desktop logging out, a parent's Ctrl+C, a
// test harness) into a call on the UI thread, so the program ends through
// its usual close path instead of dying mid-step. A signal handler may do
// almost nothing, so it only writes a byte to a pipe; the event loop reads
// it and calls `onSignal`. One instance at a time; the handlers go back to
// the defaults when it is destroyed.
class QuitOnSignal final : public QObject {
public:
    explicit QuitOnSignal(std::function<void()> onSignal);
    ~QuitOnSignal() override;
    QuitOnSignal(const QuitOnSignal&) = delete;
    QuitOnSignal& operator=(const QuitOnSignal&) = delete;

    // False when the pipe could not be made; the signals then keep their
    // default effect (the program ends at once).
    bool active() const { return notifier_ != nullptr; }

private:
    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace pintaloo
