// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One real window, started as at start-up (Load), with the shared
// stand-ins, silent sound that keeps every request in `heard`, and a private
// scratch folder. Members are declared so that the window goes first and its
// clean-up still finds the temporary folder.
#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ui/window/main_window.h"
#include "ui/platform/settings.h"
#include "controls.h"
#include "ui/platform/fake_audio_backend.h"
#include "ui/platform/sounds.h"
#include "ui/platform/temp_folder.h"
#include "ui/platform/stand_ins.h"

namespace pintaloo::testkit {

struct Heard {
    std::string kind;  // "wave" or "mp3"
    int number;
    bool operator==(const Heard&) const = default;
};

inline void PrintTo(const Heard& h, std::ostream* os) { *os << h.kind << ' ' << h.number; }

class WindowRig {
public:
    // Every panel made at once unless asked otherwise: tests reach into
    // panels not yet opened. The program makes them when first needed.
    explicit WindowRig(bool everyPartMade = true) {
        window = std::make_unique<MainWindow>(Services{&sounds, &temp, &dialog, &help, &messages, &printer, &settings});
        loaded = window->Load(false);
        if (everyPartMade) window->makeEveryPart();
        heard.clear();
    }

    MainWindow& w() { return *window; }
    EditorState& st() { return window->state; }

    // An action by its name, as the replay tool calls it; a refusal fails the test.
    void call(const std::string& name, std::vector<double> args = {}) {
        std::string error;
        ASSERT_TRUE(window->actions.run(name, args, &error)) << error;
    }

    // A call the window must turn down with a reason, running nothing.
    void refused(const std::string& name, std::vector<double> args = {}) {
        std::string error;
        ASSERT_FALSE(window->actions.run(name, args, &error)) << name << " ran";
        EXPECT_FALSE(error.empty()) << name << " refused without a reason";
    }

    // The canvas, row by row.
    std::vector<Colour> pixels() const {
        const Surface& s = window->canvas;
        return {s.data(), s.data() + std::size_t(s.width()) * std::size_t(s.height())};
    }

    QTemporaryDir scratch;
    TempFolder temp{{scratch.path().toStdString() + "/tmp"}};
    FakeAudioBackend audio;
    std::vector<Heard> heard;
    Sounds sounds{audio, temp, [this](const char* kind, int n) { heard.push_back({kind, n}); }};
    standin::ScriptedDialog dialog;  // nothing queued: every dialog cancels
    standin::RecordingHelp help;
    standin::RecordingMessages messages;
    standin::RecordingPrinter printer;
    MemorySettings settings;  // never the user's settings file
    std::unique_ptr<MainWindow> window;
    bool loaded = false;
};

}  // namespace pintaloo::testkit
