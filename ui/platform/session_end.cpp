// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/session_end.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QCoreApplication>
#include <csignal>

namespace pintaloo {

namespace {

int g_pipe[2] = {-1, -1};  // [0] read by the event loop, [1] written by the handler
constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// Async-signal-safe: one write of the signal number, errno kept. A full pipe
// already holds a byte that will wake the loop, so a failed write is fine.
extern "C" void OnSessionSignal(int sig) {
    const int saved = errno;
    const unsigned char b = static_cast<unsigned char>(sig);
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &b, 1);
    errno = saved;
}

void SetHandler(int sig, void (*handler)(int)) {
    struct sigaction sa {};
    sa.sa_handler = handler;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(sig, &sa, nullptr);
}

}  // namespace

SessionEndSignals::SessionEndSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
    if (g_pipe[0] >= 0) return;  // another one is installed
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pipe) != 0) {
        g_pipe[0] = g_pipe[1] = -1;
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &SessionEndSignals::readPipe);
    for (const int sig : kSignals) SetHandler(sig, OnSessionSignal);
}

SessionEndSignals::~SessionEndSignals() {
    if (!notifier_) return;
    for (const int sig : kSignals) SetHandler(sig, SIG_DFL);
    notifier_.reset();
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void SessionEndSignals::readPipe() {
    unsigned char b = 0;
    bool any = false;
    while (::read(g_pipe[0], &b, 1) == 1) {  // several signals end the program once
        lastSignal_ = b;
        any = true;
    }
    if (!any) return;
    if (onSignal_)
        onSignal_();
    else
        QCoreApplication::quit();
}

}  // namespace pintaloo
