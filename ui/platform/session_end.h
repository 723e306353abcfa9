// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// When the desktop session ends the program gets SIGTERM or SIGHUP (and
// SIGINT from a terminal's Ctrl+C or a test harness). A
// signal handler may do almost nothing, so it only writes a byte to a pipe;
// the Qt event loop sees the byte and runs the real handler on the UI
// thread, which saves and quits like the close button does.
//
//   SessionEndSignals endOnSignal([&] { keeper.flushNow(); app.quit(); });
//
// Without a handler given, QCoreApplication::quit() is called (aboutToQuit
// handlers still run). One object at a time; destroying it puts the
// default handling of the signals back.
#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace pintaloo {

class SessionEndSignals : public QObject {
    Q_OBJECT
public:
    explicit SessionEndSignals(std::function<void()> onSignal = {}, QObject* parent = nullptr);
    ~SessionEndSignals() override;
    // False when the pipe or the handlers could not be set up (the program
    // then runs on with the default handling).
    bool installed() const { return notifier_ != nullptr; }
    // The last signal received, 0 before any.
    int lastSignal() const { return lastSignal_; }

private:
    void readPipe();

    std::function<void()> onSignal_;
    std::unique_ptr<QSocketNotifier> notifier_;
    int lastSignal_ = 0;
};

}  // namespace pintaloo
