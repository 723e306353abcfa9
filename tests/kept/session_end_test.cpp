// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <csignal>

#include <gtest/gtest.h>

#include "ui/platform/session_end.h"

namespace pintaloo {
namespace {

// Runs the event loop until `done` or a generous deadline (a hang, not a
// speed target).
template <typename F>
bool SpinUntil(F done) {
    QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

void (*CurrentHandler(int sig))(int) {
    struct sigaction sa {};
    sigaction(sig, nullptr, &sa);
    return sa.sa_handler;
}

TEST(SessionEndSignals, EachSignalRunsTheHandlerOnTheEventLoopOnce) {
    for (const int sig : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(sig);
        int calls = 0;
        {
            SessionEndSignals s([&calls] { ++calls; });
            ASSERT_TRUE(s.installed());
            std::raise(sig);
            std::raise(sig);      // a second signal before the loop ran
            EXPECT_EQ(calls, 0);  // nothing runs inside the signal handler
            ASSERT_TRUE(SpinUntil([&] { return calls > 0; }));
            QCoreApplication::processEvents();
            EXPECT_EQ(calls, 1);
            EXPECT_EQ(s.lastSignal(), sig);
        }
        EXPECT_EQ(CurrentHandler(sig), SIG_DFL);  // default handling is back
    }
}

TEST(SessionEndSignals, WithoutAHandlerTheLoopQuits) {
    SessionEndSignals s;
    ASSERT_TRUE(s.installed());
    QTimer::singleShot(0, [] { std::raise(SIGTERM); });
    QTimer guard;  // should quitting never happen, end the loop anyway and fail
    bool timedOut = false;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    guard.start(10000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(s.lastSignal(), SIGTERM);
}

TEST(SessionEndSignals, OnlyOneAtATime) {
    SessionEndSignals first([] {});
    SessionEndSignals second([] {});
    EXPECT_TRUE(first.installed());
    EXPECT_FALSE(second.installed());
}

}  // namespace
}  // namespace pintaloo
