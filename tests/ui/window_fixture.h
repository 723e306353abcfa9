#pragma once
// A real window, loaded as at start-up, with silent sound, a private scratch
// folder and the shared stand-ins (a dialog that cancels unless told otherwise). Every sound the window
// asks for is heard in order in `heard`.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/services.h"
#include "canvas/surface.h"
#include "media/fake_audio_backend.h"
#include "media/sounds.h"
#include "media/temp_folder.h"
#include "stand_ins.h"

namespace pintaloo::uitest {

using standin::RecordingBrowser;
using standin::RecordingMessages;
using standin::ScriptedDialog;

struct Heard {
    std::string kind;  // "wave" or "mp3"
    int number;
    bool operator==(const Heard&) const = default;
};

inline void PrintTo(const Heard& h, std::ostream* os) { *os << h.kind << ' ' << h.number; }

// A pixel rectangle, both ends included; empty when right < left.
struct Area {
    int left = 0, top = 0, right = -1, bottom = -1;
    bool empty() const { return right < left; }
    bool operator==(const Area&) const = default;
};

inline void PrintTo(const Area& b, std::ostream* os) {
    *os << "(" << b.left << "," << b.top << ")-(" << b.right << "," << b.bottom << ")";
}

class WindowTest : public ::testing::Test {
protected:
    QTemporaryDir scratch;
    TempFolder temp{{scratch.path().toStdString() + "/pintaloo-tmp"}};
    FakeAudioBackend audio;
    std::vector<Heard> heard;
    Sounds sounds{audio, temp, [this](const char* kind, int n) { heard.push_back({kind, n}); }};
    ScriptedDialog dialog;  // nothing queued: every dialog cancels
    RecordingBrowser web;
    RecordingMessages messages;
    std::unique_ptr<MainWindow> window;

    void SetUp() override {
        ASSERT_TRUE(scratch.isValid());
        window = std::make_unique<MainWindow>(Services{&sounds, &temp, &dialog, &web, &messages});
        ASSERT_TRUE(window->Form_Load(false));
        window->show();
        heard.clear();
    }

    void TearDown() override { window.reset(); }

    MainWindow& w() { return *window; }
    EditorState& st() { return window->state; }

    // A handler by its name, as the replay tool calls it.
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

    // Every pixel that is not white paper.
    Area paintedBounds() const {
        Area b{Surface::kWidth, Surface::kHeight, -1, -1};
        const Surface& s = window->canvas;
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x)
                if (s.point(x, y) != std::int32_t(kWhite)) {
                    b.left = std::min(b.left, x);
                    b.top = std::min(b.top, y);
                    b.right = std::max(b.right, x);
                    b.bottom = std::max(b.bottom, y);
                }
        return b.right < 0 ? Area{} : b;
    }

    bool canvasIsBlank() const { return paintedBounds().empty(); }

    std::vector<Colour> pixels() const {
        const Surface& s = window->canvas;
        return {s.data(), s.data() + std::size_t(s.width()) * std::size_t(s.height())};
    }
};

inline QColor Q(int r, int g, int b) { return QColor(r, g, b); }

}  // namespace pintaloo::uitest
