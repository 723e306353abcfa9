// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and times it: from the launch until its top-level window
// whose title starts with TITLE is mapped, and until its main thread then settles (no context
// switch for QUIET_MS). Prints one line:
//   map_ms=... idle_ms=... rss_kb=... closed=yes|no
// then closes the window the way a window manager would (WM_DELETE_WINDOW),
// and kills the program only if it does not end within five seconds.
//
// Usage: launch_timer TITLE TIMEOUT_MS QUIET_MS PROGRAM [ARGS...]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace {

double NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1e6;
}

// A field of /proc/PID/task/PID/status or /proc/PID/status, as a number; -1 when absent.
long StatusField(const std::string& path, const char* key) {
    std::ifstream in(path);
    std::string line;
    const std::size_t n = std::strlen(key);
    while (std::getline(in, line)) {
        if (line.compare(0, n, key) == 0 && line.size() > n && line[n] == ':') {
            std::istringstream rest(line.substr(n + 1));
            long v = -1;
            rest >> v;
            return v;
        }
    }
    return -1;
}

// Every time the main thread sleeps or is preempted one of these grows.
long ContextSwitches(pid_t pid) {
    const std::string path = "/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid) + "/status";
    const long v = StatusField(path, "voluntary_ctxt_switches");
    const long nv = StatusField(path, "nonvoluntary_ctxt_switches");
    if (v < 0 || nv < 0) return -1;
    return v + nv;
}

std::string WindowTitle(Display* dpy, Window w) {
    XTextProperty prop{};
    std::string title;
    if (XGetWMName(dpy, w, &prop) && prop.value) {
        title.assign(reinterpret_cast<const char*>(prop.value), prop.nitems);
        XFree(prop.value);
    }
    return title;
}

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }  // a window may vanish while we look

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s TITLE TIMEOUT_MS QUIET_MS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const std::string title = argv[1];
    const double timeoutMs = std::atof(argv[2]);
    const double quietMs = std::atof(argv[3]);

    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "launch_timer: cannot open display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    const double t0 = NowMs();
    const pid_t pid = fork();
    if (pid < 0) return 2;
    if (pid == 0) {
        close(ConnectionNumber(dpy));
        execvp(argv[4], argv + 4);
        std::perror("launch_timer: exec");
        _exit(127);
    }

    // Until the window is mapped.
    Window win = 0;
    double mapMs = -1;
    const int fd = ConnectionNumber(dpy);
    while (!win) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == MapNotify && !ev.xmap.override_redirect && WindowTitle(dpy, ev.xmap.window).starts_with(title)) {
                mapMs = NowMs() - t0;
                win = ev.xmap.window;
                break;
            }
        }
        if (win) break;
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "launch_timer: %s ended (status %d) before mapping a window titled \"%s\"\n", argv[4],
                         WIFEXITED(status) ? WEXITSTATUS(status) : -1, title.c_str());
            return 1;
        }
        const double left = timeoutMs - (NowMs() - t0);
        if (left <= 0) {
            std::fprintf(stderr, "launch_timer: no window titled \"%s\" within %.0f ms\n", title.c_str(), timeoutMs);
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            return 1;
        }
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, int(left < 5 ? left + 1 : 5));
    }

    // Until the main thread has not run for quietMs: the moment of its last switch.
    double idleMs = -1;
    long last = ContextSwitches(pid);
    double lastChange = NowMs();
    while (NowMs() - t0 < timeoutMs) {
        usleep(500);
        const long now = ContextSwitches(pid);
        const double t = NowMs();
        if (now != last) {
            last = now;
            lastChange = t;
        } else if (t - lastChange >= quietMs) {
            idleMs = lastChange - t0;
            break;
        }
    }
    const long rssKb = StatusField("/proc/" + std::to_string(pid) + "/status", "VmRSS");

    // Close the window as a window manager would.
    const Atom protocols = XInternAtom(dpy, "WM_PROTOCOLS", False);
    const Atom del = XInternAtom(dpy, "WM_DELETE_WINDOW", False);
    XEvent msg{};
    msg.xclient.type = ClientMessage;
    msg.xclient.window = win;
    msg.xclient.message_type = protocols;
    msg.xclient.format = 32;
    msg.xclient.data.l[0] = long(del);
    msg.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, win, False, NoEventMask, &msg);
    XFlush(dpy);
    bool closed = false;
    for (int i = 0; i < 500; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            closed = true;
            break;
        }
        usleep(10000);
    }
    if (!closed) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }

    char idle[32] = "NA";
    if (idleMs >= 0) std::snprintf(idle, sizeof idle, "%.1f", idleMs);
    std::printf("map_ms=%.1f idle_ms=%s rss_kb=%ld closed=%s\n", mapMs, idle, rssKb, closed ? "yes" : "no");
    XCloseDisplay(dpy);
    return 0;
}
