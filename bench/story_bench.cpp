// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The story's growth under a fast pointer: bytes written to drawing.rec and
// memory held, for pointer moves at 1000 a second (a gaming mouse, a pen).
//
//   QT_QPA_PLATFORM=offscreen build/bench/pintaloo_story_bench [SECONDS]
//
// 1. SECONDS (10) of real time at 1000 moves a second, in three-second
//    strokes, through the canvas's own input (which takes one move a screen
//    frame), and the same moves run straight as actions, as every move did
//    before: bytes written, scaled to an hour, and bytes a move.
// 2. An hour of drawing as the canvas takes it (one move in 16 ms), run as
//    actions on a simulated clock: the story's bytes, the memory the process
//    gained, and the memory the same story takes as a list of calls.
// 3. An hour of moves at 1000 a second through the canvas's own input, on a
//    simulated clock (the canvas's and the story's): the moves it took, the
//    story's bytes and the memory the process gained (story and undo).
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <thread>

#include "ui/actions/box.h"
#include "ui/parts/canvas_part.h"
#include "ui/window/main_window.h"
#include "ui/story/session_recorder.h"
#include "ui/platform/settings.h"

using namespace pintaloo;

namespace {

long ResidentKb() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * 4;
}

struct Rig {
    QTemporaryDir dir;
    MemorySettings settings;
    MainWindow window{Services{nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &settings}};
    std::unique_ptr<SessionRecorder> recorder;
    Rig() {
        window.Load(false);
        recorder = std::make_unique<SessionRecorder>(window.storyWindow(), dir.path());
    }
    qint64 bytes() {
        recorder->sync();
        return QFileInfo(recorder->path()).size();
    }
};

// A child's stroke wandering over the page: the point of move i.
void Point(long i, double& x, double& y) {
    x = 400 + 300 * std::sin(double(i) / 700.0) + 20 * std::sin(double(i) / 37.0);
    y = 260 + 200 * std::cos(double(i) / 900.0) + 15 * std::cos(double(i) / 23.0);
}

// Moves at 1000 a second for `seconds` of real time; `throughInput` sends
// them to the canvas as the pointer does, else runs each as an action.
void RealTime(int seconds, bool throughInput) {
    Rig rig;
    Box* canvas = rig.window.findChild<Box*>(QStringLiteral("pctDraw"));
    const auto start = std::chrono::steady_clock::now();
    long events = 0;
    double x = 0, y = 0;
    for (int s = 0; s < seconds; s += 3) {
        Point(events, x, y);
        throughInput ? canvas->onMouseDown(1, x, y) : (void)rig.window.actions.run("pctDraw_MouseDown", {1, x, y});
        for (int i = 0; i < 3000; ++i) {
            ++events;
            Point(events, x, y);
            const double rx = std::round(x), ry = std::round(y);
            if (throughInput)
                canvas->onMouseMove(1, rx, ry);
            else
                rig.window.actions.run("pctDraw_MouseMove", {1, rx, ry});
            QCoreApplication::processEvents();
            std::this_thread::sleep_until(start + std::chrono::microseconds(1000 * events));
        }
        throughInput ? canvas->onMouseUp(1, x, y) : (void)rig.window.actions.run("pctDraw_MouseUp", {1, x, y});
    }
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const qint64 bytes = rig.bytes();
    std::printf("%-28s %ld moves in %.1f s: %lld bytes, %.2f bytes a move, %.2f MB an hour\n",
                throughInput ? "through the canvas input:" : "every move as an action:", events, secs,
                static_cast<long long>(bytes), double(bytes) / double(events),
                double(bytes) / secs * 3600 / (1024.0 * 1024.0));
}

void SimulatedHour() {
    const long before = ResidentKb();
    Rig rig;
    std::int64_t now = 0;
    rig.recorder->clock = [&now] { return now; };
    const long ready = ResidentKb();
    long moves = 0;
    double x = 0, y = 0;
    while (now < 3600 * 1000) {
        Point(moves, x, y);
        rig.window.actions.run("pctDraw_MouseDown", {1, x, y});
        for (int i = 0; i < 187; ++i, ++moves) {  // three seconds, a move every 16 ms
            now += 16;
            Point(moves, x, y);
            rig.window.actions.run("pctDraw_MouseMove", {1, std::round(x), std::round(y)});
        }
        rig.window.actions.run("pctDraw_MouseUp", {1, x, y});
        now += 16;
    }
    const qint64 bytes = rig.bytes();
    const long drawn = ResidentKb();
    const Story story = rig.recorder->story();
    const long asCalls = ResidentKb();
    std::printf("an hour as the canvas takes it: %ld moves, %lld bytes written (%.2f MB)\n", moves,
                static_cast<long long>(bytes), double(bytes) / (1024.0 * 1024.0));
    std::printf("memory: window %ld kB, an hour of story held %+ld kB, the same story as %zu calls %+ld kB\n",
                ready - before, drawn - ready, story.calls.size(), asCalls - drawn);
}

void SimulatedInputHour() {
    Rig rig;
    Box* canvas = rig.window.findChild<Box*>(QStringLiteral("pctDraw"));
    std::int64_t now = 0;
    const auto start = std::chrono::steady_clock::now() + std::chrono::hours(1);
    rig.recorder->clock = [&now] { return now; };
    rig.window.canvasPart().moveClock = [&] { return start + std::chrono::milliseconds(now); };
    long taken = 0;
    rig.window.actions.addObserver([&](const ActionCall& c) {
        if (c.stage == ActionCall::Stage::Began && c.name == "PenMove") ++taken;
    });
    const long ready = ResidentKb();
    long moves = 0;
    double x = 0, y = 0;
    while (now < 3600 * 1000) {
        Point(moves, x, y);
        canvas->onMouseDown(1, x, y);
        for (int i = 0; i < 3000; ++i, ++moves) {  // three seconds, a move every millisecond
            now += 1;
            Point(moves, x, y);
            canvas->onMouseMove(1, std::round(x), std::round(y));
        }
        canvas->onMouseUp(1, x, y);
        now += 1;
    }
    const qint64 bytes = rig.bytes();
    rig.window.canvasPart().moveClock = std::chrono::steady_clock::now;
    std::printf(
        "an hour at 1000 moves a second through the canvas input: %ld moves, %ld taken (%.0f a second), "
        "%lld bytes written (%.2f MB), %.2f bytes a move taken; memory %+ld kB\n",
        moves, taken, double(taken) / 3600.0, static_cast<long long>(bytes), double(bytes) / (1024.0 * 1024.0),
        double(bytes) / double(std::max(taken, 1L)), ResidentKb() - ready);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(3, std::atoi(argv[1])) : 9;
    RealTime(seconds, true);
    RealTime(seconds, false);
    SimulatedHour();
    SimulatedInputHour();
    return 0;
}
