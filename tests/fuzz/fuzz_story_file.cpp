// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: arbitrary text as a story found beside an opened
// picture, through the same checks the recorder runs before taking a story
// on. A story accepted must be one the window would play: every call one of
// its actions with arguments it takes, every time in range, the start
// picture inside the story's folder. Whatever the text, its reading and its
// film's timing run without a sanitizer report.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "fuzz_setup.h"
#include "ui/window/main_window.h"
#include "ui/story/session_recorder.h"
#include "ui/story/story_file.h"
#include "engine/recording/film_timing.h"
#include "engine/recording/recording_reader.h"

using namespace pintaloo;

namespace {
QTemporaryDir* folder = nullptr;
MainWindow* window = nullptr;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    QTemporaryDir& dir = FuzzSetUp<QApplication>(argc, argv);
    folder = &dir;
    // A start picture the seeds name, so the accepted path is reached too.
    QImage picture(16, 12, QImage::Format_RGB32);
    picture.fill(Qt::green);
    if (!picture.save(dir.filePath(QStringLiteral("start.png")))) std::abort();
    // Only the action table is wanted: nothing is ever run, so no service is given.
    static auto w = std::make_unique<MainWindow>(Services{});
    window = w.get();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The film's timing over whatever times the text reaches, checked or not.
    const Recording read = ReadRecording(text, StoryLimits::kMaxCalls);
    std::vector<std::int64_t> times;
    for (const RecordedCall& c : read.calls) times.push_back(c.atMs);
    const std::vector<FilmMoment> moments = PlanFilm(times);
    if (CallsByFrame(moments).back() != moments.size()) std::abort();

    const StoryFile story = CheckStory(text, folder->path(), window->actions, std::chrono::seconds(8));
    if (story.refusal != StoryRefusal::None) return 0;
    for (const RecordedCall& c : story.calls) {
        if (c.atMs < 0 || c.atMs > StoryLimits::kMaxTimeMs) std::abort();
        if (c.name == kSeedWord) continue;
        if (c.name == kPictureWord) {  // an opened picture: one in the story's own folder
            if (QFileInfo(QString::fromStdString(c.file)).absolutePath() != QDir(folder->path()).absolutePath())
                std::abort();
            continue;
        }
        if (c.name == kStateWord || c.name == kChoicesWord) {
            if (!StateNumbersFit(c.args)) std::abort();
            continue;
        }
        const auto id = window->actions.find(c.name);
        if (!id || !window->actions.validate(*id, c.args)) std::abort();
    }
    if (story.start.kind == RecordingStart::Kind::Page) std::abort();
    if (story.start.kind == RecordingStart::Kind::Picture &&
        QFileInfo(QString::fromStdString(story.start.picture)).absolutePath() != QDir(folder->path()).absolutePath())
        std::abort();
    return 0;
}
