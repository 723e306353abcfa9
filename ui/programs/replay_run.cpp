// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/programs/replay_run.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <cstdio>
#include <memory>
#include <optional>

#include "ui/files/child_folders.h"
#include "ui/files/gallery_folder.h"
#include "ui/files/kept_drawing.h"
#include "ui/files/printing.h"
#include "ui/files/stamp_collections.h"
#include "ui/files/thumbnail_cache.h"
#include "ui/parts/drawing_files.h"
#include "ui/parts/drawing_history.h"
#include "ui/platform/fake_audio_backend.h"
#include "ui/platform/settings.h"
#include "ui/platform/sounds.h"
#include "ui/platform/stand_ins.h"
#include "ui/platform/temp_folder.h"
#include "ui/story/gallery_keeper.h"
#include "ui/story/recording_directives.h"
#include "ui/story/replay_pointers.h"
#include "ui/story/replay_script.h"
#include "ui/story/session_recorder.h"
#include "ui/story/start_picture.h"
#include "ui/story/story_player.h"
#include "ui/story/story_window.h"
#include "ui/window/child_sessions.h"
#include "ui/window/main_window.h"
#include "ui/window/state_dump.h"
#include "ui/words/language.h"

namespace pintaloo {

namespace {

void PrintMessage(const QString& title, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
}

bool WriteLines(const QString& path, const QStringList& lines) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
    QTextStream out(&f);
    for (const QString& l : lines) out << l << '\n';
    return true;
}

// A window that is never shown, with stand-ins for everything it would
// ask of the desktop: no sound played, no dialog shown, no settings read.
struct ReplayRig {
    ReplayRig(const QString& printTo, StampLibraryPort* stamps)
        : printing(!printTo.isEmpty()), printer(printTo), services(Made(printing, stamps, *this)) {
        window.language = LanguageFromEnvironment(ProcessEnvironment());
        // Nobody watches a replay, and its clock is the script's: the oil's
        // second behind the wait box (thirty of them in a story of thirty
        // oil pictures) only held the run back, polling, and changes no
        // pixel, state or sound. A script's own `wait` still waits.
        window.waitsInRealTime = false;
    }
    bool printing;  // without a file to print to, printing does nothing
    TempFolder temp;
    FakeAudioBackend audio;
    QStringList soundLines;
    Sounds sounds{audio, temp,
                  [this](const char* kind, int n) { soundLines << QStringLiteral("%1 %2").arg(kind).arg(n); }};
    standin::ScriptedDialog dialog;
    standin::RecordingHelp help;
    standin::RecordingMessages messages{PrintMessage};
    MemorySettings settings;
    PdfPrintPort printer;
    // The installed stamp collections, so a script that picks a library
    // stamp finds it here as on the computer it was made on; a test may
    // hand its own instead.
    StampCollections installed{StampCollections::StandardRoots(), StampCollections::StandardCacheFile()};
    static Services Made(bool printing, StampLibraryPort* stamps, ReplayRig& r) {
        Services s{&r.sounds, &r.temp, &r.dialog, &r.help, &r.messages, printing ? &r.printer : nullptr, &r.settings};
        s.stamps = stamps ? stamps : &r.installed;
        return s;
    }
    Services services;
    std::unique_ptr<ThumbnailCache> thumbnails;  // made only for a gallery; outlives the window that asks it
    MainWindow window{services};
};

// Runs the calls in order on the loaded window. 0, or 2 with the line's
// reason on stderr.
int RunCalls(const QString& script, const std::vector<ReplayCall>& calls, ReplayRig& rig, SessionRecorder& recorder) {
    MainWindow& window = rig.window;
    StoryWindow& story = window.storyWindow();
    // The run is recorded in script time, not in the moments it took here: a
    // recording's calls at the times it gives, a plain script's a tenth of a
    // second apart (and `wait` as long as it says), so its film moves evenly.
    std::int64_t scriptTime = 0;
    constexpr std::int64_t kPlainStepMs = 100;
    recorder.clock = [&scriptTime] { return scriptTime; };
    const auto answer = [&rig](const QString& path) { rig.dialog.answers.push_back(path); };
    ReplayPointers hands(window);
    const RecordingHooks hooks{
        [&window](std::uint32_t n) { window.random.reseed(n); },
        [&](const RecordingStart& start, QString* why) {
            if (start.kind == RecordingStart::Kind::Blank) return true;
            if (start.kind == RecordingStart::Kind::Page) {
                *why = QStringLiteral("a story that starts on a page cannot be replayed yet");
                return false;
            }
            const QString path = PictureBeside(script, start);
            if (!StartPictureOpens(story, path, why)) return false;
            const bool opened = OpenStartPicture(story, path, answer, why);
            // The story begins at the picture, as it did where it was recorded.
            recorder.restartHere();
            return opened;
        },
        [&](const RecordingStart& picture, QString* why) {
            const QString path = PictureBeside(script, picture);
            if (!StartPictureOpens(story, path, why)) return false;
            answer(path);
            return true;
        },
        [&](const std::vector<double>& numbers) {
            if (!BeginWithState(story, numbers)) return false;
            recorder.restartHere();
            return true;
        },
        // The replay's own story cannot say what a `choices` line set: it
        // begins again there, as after `state`.
        [&](const std::vector<double>& numbers) {
            if (!BeginWithState(story, numbers, false)) return false;
            recorder.restartHere();
            return true;
        }};
    for (const ReplayCall& c : calls) {
        scriptTime = c.atMs >= 0 ? c.atMs : scriptTime + kPlainStepMs;
        if (c.name == "wait") scriptTime += std::int64_t(c.args[0].toDouble());
        if (c.atMs >= 0 && IsRecordingStep(c.name)) {
            QString why;
            if (!RunRecordingStep(c.step, hooks, &why)) {
                std::fprintf(stderr, "%s:%d: %s\n", qPrintable(script), c.line, qPrintable(why));
                return 2;
            }
        } else if (c.name == "dialog") {
            rig.dialog.answers.push_back(c.args[0] == "cancel" ? QString() : c.args[0]);
        } else if (c.name == "wait") {
            window.Delay(c.args[0].toDouble());
        } else if (c.name == "touch" || c.name == "pen") {
            // Checked when the script was read: a stage, then the numbers.
            const QString said = c.args[c.name == "pen" ? 1 : 0];
            const auto stage = said == "begin" || said == "press"   ? ReplayPointers::Stage::Begin
                               : said == "end" || said == "release" ? ReplayPointers::Stage::End
                                                                    : ReplayPointers::Stage::Move;
            if (c.name == "touch") {
                hands.touch(stage, c.args[1].toInt(), {c.args[2].toDouble(), c.args[3].toDouble()});
            } else {
                const QPointF at(c.args[2].toDouble(), c.args[3].toDouble());
                const double pressure =
                    c.args.size() > 4 ? c.args[4].toDouble() : ReplayPointers::kUsualPressure;
                hands.pen(c.args[0] == "eraser", stage, at, pressure);
            }
        } else {
            std::string error;
            bool ran;
            if (c.name == "key") {  // an unbound key does nothing, as on the keyboard
                const QKeySequence keys = QKeySequence::fromString(c.args[0], QKeySequence::PortableText);
                ran = window.actions.runKey(keys, &error) || error.empty();
            } else {
                ran = window.actions.run(c.name.toStdString(), c.values, &error);
            }
            if (!ran) {
                std::fprintf(stderr, "%s:%d: %s\n", qPrintable(script), c.line, error.c_str());
                return 2;
            }
        }
        QCoreApplication::processEvents();
    }
    return 0;
}

// Writes every output asked for. False when any could not be written.
bool WriteOutputs(const ReplayOutputs& outputs, ReplayRig& rig, SessionRecorder& recorder) {
    bool written = true;
    if (!outputs.canvas.isEmpty()) written &= DrawingFiles::SaveCanvas(rig.window.canvas, outputs.canvas);
    if (!outputs.state.isEmpty()) written &= WriteLines(outputs.state, DumpState(rig.window));
    if (!outputs.sounds.isEmpty()) written &= WriteLines(outputs.sounds, rig.soundLines);
    if (!outputs.window.isEmpty()) written &= rig.window.grab().save(outputs.window);
    recorder.sync();
    if (!outputs.film.isEmpty()) {
        FilmError why;
        if (!MakeStoryFilm(rig.window.storyWindow(), recorder.story(), outputs.film, &why)) {
            std::fprintf(stderr, "cannot make the film %s: %s\n", qPrintable(outputs.film), qPrintable(why.detail));
            written = false;
        }
    }
    return written;
}

}  // namespace

int RunReplay(const QString& script, QTextStream& in, const ReplayOutputs& outputs) {
    ReplayRig rig(outputs.print, outputs.stamps);
    // The user's kept drawing and story are never touched unless a folder is given.
    const QString folder = outputs.stateDir.isEmpty() ? QString() : QFileInfo(outputs.stateDir).absoluteFilePath();
    if (!folder.isEmpty() && !QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot make the folder %s\n", qPrintable(folder));
        return 2;
    }
    SessionRecorder recorder(rig.window.storyWindow(), folder);
    // The user's gallery is never touched either: only a folder given is one.
    std::optional<GalleryFolder> gallery;
    if (!outputs.picturesDir.isEmpty()) {
        gallery.emplace(QFileInfo(outputs.picturesDir).absoluteFilePath());
        rig.window.services.gallery = &*gallery;
    }

    // Read and check the whole script before anything runs.
    const ReplayScript read = ReadReplayScript(script, in.readAll(), rig.window.actions);
    for (const QString& note : read.notes) std::fprintf(stderr, "%s\n", qPrintable(note));
    if (!read.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(read.error));
        return 2;
    }

    // Thumbnails only where there is a gallery to show, in the desktop's cache
    // ($XDG_CACHE_HOME) as the program keeps them.
    if (rig.window.services.gallery) {
        rig.thumbnails = std::make_unique<ThumbnailCache>();
        rig.window.services.thumbnails = rig.thumbnails.get();
    }
    rig.window.Load(false);
    // Children from a settings file: only their own folders under the ones given are touched.
    std::optional<ChildSessions> children;
    if (!outputs.settings.isEmpty()) {
        const QSettingsPort file(outputs.settings);
        rig.settings.setChildren(file.children());
        rig.settings.setStartBlank(file.startBlank());
        if (ChildrenApart(file.children()) && (folder.isEmpty() || !gallery)) {
            std::fprintf(stderr, "children need --state-dir and --pictures-dir\n");
            return 2;
        }
    }
    std::optional<GalleryKeeper> keeper;
    if (ChildrenApart(rig.settings.children())) {
        children.emplace(rig.window, recorder, rig.settings, folder, gallery->folder());
        children->start();
    } else {
        if (!folder.isEmpty() && rig.window.drawingHistory().keepIn(folder)) recorder.startFrom(KeptDrawingPath(folder));
        keeper.emplace(rig.window.storyWindow(), recorder, folder);
    }
    if (const int status = RunCalls(script, read.calls, rig, recorder)) return status;
    // Every thumbnail asked for is made, kept and shown before anything is written.
    if (rig.thumbnails) rig.thumbnails->finish();
    const bool written = WriteOutputs(outputs, rig, recorder);
    rig.window.Unload();
    return written ? 0 : 1;
}

}  // namespace pintaloo
