// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a painting program, waits until its window titled TITLE... is up
// and still, then drags across its paper with XTest the way a hand on a
// mouse would, and times each step from the motion event sent to the moment
// the X server's own copy of the screen shows paint at the new pointer
// position (a small patch around it read back with XGetImage, as fast as the
// server answers). Motions go out on a fixed clock whether or not the last
// one was painted, as a mouse's do, and every step is watched until its
// patch changes or TIMEOUT_MS passes ("never painted").
//
// Before the drag the same path is crossed with the button up: a program
// that draws a brush outline under the pointer would be seen as painting,
// so the number of patches that changed then is printed as hover=K.
//
// Prints one line:
//   painted=P/N median_ms=... p90_ms=... hover=K steps_ms=a,b,...(-1 never)
//
// Usage: pointer_timer [--key KEYSYM] TITLE X Y DX DY N INTERVAL_MS TIMEOUT_MS PROGRAM [ARGS...]
//   TITLE            the window's title starts with this
//   X Y              the press, in pixels from the window's top-left corner
//   DX DY            each motion's step; keep it wider than the pen so a
//                    step's patch is not painted by the one before
//   N                motions after the press
//   --key KEYSYM     a key typed into the window before the drag, to pick
//                    the pen (the window is given the focus first)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kPatch = 1;  // the patch reaches this far either side of the pointer

double NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1e6;
}

void SleepUntil(double ms) {
    const double left = ms - NowMs();
    if (left > 0) usleep(useconds_t(left * 1000.0));
}

long ContextSwitches(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid) + "/status");
    std::string line;
    long sum = 0;
    int found = 0;
    while (std::getline(in, line)) {
        for (const char* key : {"voluntary_ctxt_switches:", "nonvoluntary_ctxt_switches:"}) {
            if (line.rfind(key, 0) == 0) {
                sum += std::atol(line.c_str() + std::strlen(key));
                ++found;
            }
        }
    }
    return found == 2 ? sum : -1;
}

bool TitleStartsWith(Display* dpy, Window w, const std::string& prefix) {
    XTextProperty prop{};
    bool match = false;
    if (XGetWMName(dpy, w, &prop) && prop.value) {
        const std::string title(reinterpret_cast<const char*>(prop.value), prop.nitems);
        match = title.rfind(prefix, 0) == 0;
        XFree(prop.value);
    }
    return match;
}

// A window on screen, `w` or one below it, whose title starts with
// `prefix`: a window manager puts the program's window inside its frame.
Window FindTitled(Display* dpy, Window w, const std::string& prefix, int depth) {
    XWindowAttributes a{};
    if (!XGetWindowAttributes(dpy, w, &a) || a.map_state != IsViewable) return 0;
    if (TitleStartsWith(dpy, w, prefix)) return w;
    if (depth == 0) return 0;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(dpy, w, &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !found; ++i) found = FindTitled(dpy, children[i], prefix, depth - 1);
        if (children) XFree(children);
    }
    return found;
}

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

// The pixels of the path's bounding box, as the server has them now.
struct Strip {
    int x = 0, y = 0, w = 0, h = 0;
    std::vector<unsigned long> px;
    bool read(Display* dpy, Window root) {
        XImage* img = XGetImage(dpy, root, x, y, unsigned(w), unsigned(h), AllPlanes, ZPixmap);
        if (!img) return false;
        px.resize(std::size_t(w) * std::size_t(h));
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) px[std::size_t(j) * std::size_t(w) + std::size_t(i)] = XGetPixel(img, i, j);
        XDestroyImage(img);
        return true;
    }
    // Whether the patch around screen point (cx, cy) differs from the same patch in `before`.
    bool changed(const Strip& before, int cx, int cy) const {
        for (int j = cy - kPatch; j <= cy + kPatch; ++j)
            for (int i = cx - kPatch; i <= cx + kPatch; ++i) {
                const std::size_t k = std::size_t(j - y) * std::size_t(w) + std::size_t(i - x);
                if (px[k] != before.px[k]) return true;
            }
        return false;
    }
};

// One pass over the path: the pointer to the start, the button down when
// `press`, N motions on the clock. Returns each step's time to paint, -1 when never.
std::vector<double> Pass(Display* dpy, Window root, int x0, int y0, int dx, int dy, int n, double intervalMs,
                         double timeoutMs, bool press, Strip& strip) {
    XTestFakeMotionEvent(dpy, -1, x0, y0, CurrentTime);
    XSync(dpy, False);
    usleep(200000);
    Strip before = strip;
    before.read(dpy, root);
    if (press) {
        XTestFakeButtonEvent(dpy, 1, True, CurrentTime);
        XSync(dpy, False);
    }
    std::vector<double> sent(std::size_t(n), -1), took(std::size_t(n), -1);
    double next = NowMs() + intervalMs;
    int nextStep = 0, open = 0;
    for (;;) {
        if (nextStep < n && NowMs() >= next) {
            XTestFakeMotionEvent(dpy, -1, x0 + (nextStep + 1) * dx, y0 + (nextStep + 1) * dy, CurrentTime);
            XFlush(dpy);
            sent[std::size_t(nextStep)] = NowMs();
            ++nextStep;
            ++open;
            next += intervalMs;
        }
        if (open > 0 && strip.read(dpy, root)) {
            const double t = NowMs();
            for (int s = 0; s < nextStep; ++s) {
                const std::size_t k = std::size_t(s);
                if (took[k] >= 0 || sent[k] < 0) continue;
                if (strip.changed(before, x0 + (s + 1) * dx, y0 + (s + 1) * dy)) {
                    took[k] = t - sent[k];
                    --open;
                } else if (t - sent[k] > timeoutMs) {
                    sent[k] = -1;  // given up on
                    --open;
                }
            }
        } else if (open == 0) {
            if (nextStep >= n) break;
            SleepUntil(next);
        }
    }
    if (press) {
        XTestFakeButtonEvent(dpy, 1, False, CurrentTime);
        XSync(dpy, False);
    }
    return took;
}

}  // namespace

int main(int argc, char** argv) {
    const char* key = nullptr;
    if (argc > 2 && std::strcmp(argv[1], "--key") == 0) {
        key = argv[2];
        argv[2] = argv[0];
        argv += 2;
        argc -= 2;
    }
    if (argc < 10) {
        std::fprintf(stderr, "usage: %s [--key KEYSYM] TITLE X Y DX DY N INTERVAL_MS TIMEOUT_MS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const std::string title = argv[1];
    const int x = std::atoi(argv[2]), y = std::atoi(argv[3]), dx = std::atoi(argv[4]), dy = std::atoi(argv[5]);
    const int n = std::atoi(argv[6]);
    const double intervalMs = std::atof(argv[7]), timeoutMs = std::atof(argv[8]);
    if (n < 1 || n > 1000 || (dx == 0 && dy == 0) || intervalMs <= 0 || timeoutMs <= 0) {
        std::fprintf(stderr, "pointer_timer: bad numbers\n");
        return 2;
    }

    Display* dpy = XOpenDisplay(nullptr);
    int ev = 0, er = 0, major = 0, minor = 0;
    if (!dpy || !XTestQueryExtension(dpy, &ev, &er, &major, &minor)) {
        std::fprintf(stderr, "pointer_timer: no display, or no XTest on it\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    const Window root = DefaultRootWindow(dpy);
    const pid_t pid = fork();
    if (pid < 0) return 2;
    if (pid == 0) {
        close(ConnectionNumber(dpy));
        execvp(argv[9], argv + 9);
        std::perror("pointer_timer: exec");
        _exit(127);
    }
    auto stop = [pid] {
        kill(pid, SIGTERM);
        for (int i = 0; i < 300; ++i) {
            if (waitpid(pid, nullptr, WNOHANG) == pid) return;
            usleep(10000);
        }
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    };

    // The window: mapped, then still for half a second.
    const double t0 = NowMs();
    Window win = 0;
    while (!(win = FindTitled(dpy, root, title, 3))) {
        if (NowMs() - t0 > 20000) {
            std::fprintf(stderr, "pointer_timer: no window titled \"%s...\" within 20 s\n", title.c_str());
            stop();
            return 1;
        }
        usleep(20000);
    }
    long last = ContextSwitches(pid);
    double lastChange = NowMs();
    while (NowMs() - lastChange < 500 && NowMs() - t0 < 20000) {
        usleep(2000);
        const long now = ContextSwitches(pid);
        if (now != last) {
            last = now;
            lastChange = NowMs();
        }
    }
    usleep(300000);  // a window manager's frame settles

    if (key) {
        const KeyCode code = XKeysymToKeycode(dpy, XStringToKeysym(key));
        if (code == 0) {
            std::fprintf(stderr, "pointer_timer: no key %s\n", key);
            stop();
            return 1;
        }
        XSetInputFocus(dpy, win, RevertToParent, CurrentTime);
        XSync(dpy, False);
        usleep(200000);
        XTestFakeKeyEvent(dpy, code, True, CurrentTime);
        XTestFakeKeyEvent(dpy, code, False, CurrentTime);
        XSync(dpy, False);
        usleep(300000);
    }

    int ox = 0, oy = 0;
    Window child = 0;
    XTranslateCoordinates(dpy, win, root, x, y, &ox, &oy, &child);
    Strip strip;
    strip.x = std::min(ox, ox + n * dx) - kPatch;
    strip.y = std::min(oy, oy + n * dy) - kPatch;
    strip.w = std::abs(n * dx) + 2 * kPatch + 1;
    strip.h = std::abs(n * dy) + 2 * kPatch + 1;
    const int sw = DisplayWidth(dpy, DefaultScreen(dpy)), sh = DisplayHeight(dpy, DefaultScreen(dpy));
    if (strip.x < 0 || strip.y < 0 || strip.x + strip.w > sw || strip.y + strip.h > sh) {
        std::fprintf(stderr, "pointer_timer: the path leaves the screen\n");
        stop();
        return 1;
    }

    const std::vector<double> hover = Pass(dpy, root, ox, oy, dx, dy, n, intervalMs, timeoutMs, false, strip);
    usleep(300000);
    const std::vector<double> took = Pass(dpy, root, ox, oy, dx, dy, n, intervalMs, timeoutMs, true, strip);
    stop();

    std::vector<double> painted;
    std::string steps;
    for (const double t : took) {
        if (t >= 0) painted.push_back(t);
        char buf[32];
        std::snprintf(buf, sizeof buf, "%s%.1f", steps.empty() ? "" : ",", t);
        steps += buf;
    }
    const auto hovered = std::count_if(hover.begin(), hover.end(), [](double t) { return t >= 0; });
    std::sort(painted.begin(), painted.end());
    // The median halfway between the middle two; the 90th percentile by nearest rank.
    auto median = [&painted] {
        const std::size_t m = painted.size();
        return m % 2 ? painted[m / 2] : (painted[m / 2 - 1] + painted[m / 2]) / 2;
    };
    auto p90 = [&painted] {
        const std::size_t k = (painted.size() * 9 + 9) / 10;  // ceil(0.9 m)
        return painted[std::max<std::size_t>(k, 1) - 1];
    };
    if (painted.empty())
        std::printf("painted=0/%d median_ms=NA p90_ms=NA hover=%ld steps_ms=%s\n", n, long(hovered), steps.c_str());
    else
        std::printf("painted=%zu/%d median_ms=%.1f p90_ms=%.1f hover=%ld steps_ms=%s\n", painted.size(), n, median(),
                    p90(), long(hovered), steps.c_str());
    XCloseDisplay(dpy);
    return 0;
}
