// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session_recorder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <chrono>
#include <optional>

#include "actions/action_hub.h"
#include "app/main_window.h"
#include "app/kept_files.h"
#include "app/recording_file.h"
#include "app/services.h"
#include "app/story_file.h"
#include "pages/drawing_files.h"
#include "pages/picture_writer.h"
#include "recording/recording_reader.h"
#include "recording/recording_writer.h"
#include "media/texts.h"

namespace pintaloo {

namespace {

// Actions that shape what later strokes do without painting themselves
// (those that paint say so in their row and are kept anyway), and the
// undo pair, kept by name whoever declares them.
constexpr std::string_view kShaping[] = {
    "pctDraw_MouseUp",         // ends the stroke
    "bColor_Click",            // colour
    "Label4_Click",            // size
    "bSpray_MouseDown",        // pattern brushes
    "bStamp_MouseDown",        // stamp family
    "bStamp1_Click",           // the stamp
    "KewlButtons1_MouseDown",  // the page picker opens at its page
    "KewlButtons8_Click",      // next page
    "KewlButtons9_Click",      // previous page
    "Undo",
    "Redo",
};
constexpr std::string_view kOpenAction = "Label7_MouseDown";
constexpr std::string_view kSaveAction = "KewlButtons3_MouseDown";
// A story file larger than this is not read for the picture names it holds.
constexpr qint64 kMaxNamingStoryBytes = 16LL * 1024 * 1024;

// The picture's copy beside the story: its content names it, so opening the
// same picture twice keeps one copy, and a later picture of the same name
// cannot replace the one a story begins with. Copies no story names any
// more are pruned (kept_files.h).
QString KeepPicture(const QString& picture, const QString& folder) {
    if (folder.isEmpty()) return QFileInfo(picture).absoluteFilePath();  // nothing kept on disk
    const QString name = CopyPictureInto(picture, folder);
    if (name.isEmpty()) return {};
    // What the story file names now (the story that goes on, or the one this
    // copy ends), read back from the disk.
    QByteArray story;
    // A story that cannot be read for names (too large, not ours) prunes nothing.
    if (ReadRegularFile(QDir(folder).filePath(QLatin1String(SessionRecorder::kFileName)), kMaxNamingStoryBytes, &story))
        PrunePictureCopies(folder, name + QString::fromUtf8(story));
    return name;
}

// The story as the lines of its file; a start picture named by its whole
// path, so the story still finds it wherever the text is kept.
std::string StoryText(const Story& story) {
    RecordingWriter writer;
    RecordingStart start = story.start;
    if (start.kind == RecordingStart::Kind::Picture && !story.folder.isEmpty())
        start.picture = QDir(story.folder).absoluteFilePath(QString::fromStdString(start.picture)).toStdString();
    writer.start(start);
    for (const RecordedCall& c : story.calls) writer.add(c);
    writer.flush();
    return writer.take();
}

}  // namespace

QString StoryBeside(const QString& picture) {
    const QFileInfo info(picture);
    return info.dir().filePath(info.completeBaseName() + QLatin1String(kStoryExtension));
}

struct SessionRecorder::State final : FileDialogPort {
    State(MainWindow& window, const QString& dir)
        : w(window),
          folder(dir),
          file(dir.isEmpty() ? QString() : QDir(dir).filePath(QLatin1String(kFileName))),
          inner(window.services.dialog) {
        story.folder = folder;
    }

    MainWindow& w;
    QString folder;
    RecordingFile file;
    FileDialogPort* inner;
    std::function<std::int64_t()>* clock = nullptr;
    RecordingWriter writer;
    Story story;
    std::chrono::steady_clock::time_point began = std::chrono::steady_clock::now();
    std::int64_t clockBase = 0;             // the override clock's reading where the story began
    std::optional<std::uint32_t> lastSeed;  // the last `seed` written: the same again says nothing new

    struct Pending {
        std::string name;
        std::vector<double> args;
        std::int64_t atMs = 0;
        std::optional<std::uint32_t> seed;
    };
    std::vector<Pending> running;   // actions begun and not ended (one, unless an action runs another)
    std::optional<QString> opened;  // what the open dialog answered during the running open
    std::optional<QString> saved;   // what the save dialog answered during the running save
    FileStamp savedOver;            // the file that answer named, before the save

    std::int64_t now(std::chrono::steady_clock::time_point t) const {
        if (clock && *clock) return std::max<std::int64_t>(0, (*clock)() - clockBase);
        return std::max<std::int64_t>(0, std::chrono::duration_cast<std::chrono::milliseconds>(t - began).count());
    }

    void begin(const RecordingStart& start, std::chrono::steady_clock::time_point t) {
        if (clock && *clock) clockBase = (*clock)();
        began = t;
        writer = RecordingWriter();
        writer.start(start);
        story.start = start;
        story.calls.clear();
        lastSeed.reset();
        file.restart(writer.take());
    }

    void keep(const RecordedCall& call) {
        if (!writer.add(call)) return;  // a name the script cannot carry: never one of the window's
        story.calls.push_back(call);
    }

    void hear(const ActionCall& c) {
        // A save is heard (its story goes beside the picture) but not kept.
        if (c.effect != Effect::Drawing && !Records(c.name) && c.name != kSaveAction) return;
        // A move without the left button only carries the stamp outline
        // about; the pointer resting over the page would fill the story.
        if (c.name == kCanvasMoveName && (c.args.empty() || c.args[0] != 1)) return;
        if (c.stage == ActionCall::Stage::Began) {
            Pending p{c.name, c.args, now(c.time), std::nullopt};
            // Every action that paints, except the moves inside a stroke,
            // notes where the random numbers stand.
            if (c.effect == Effect::Drawing && c.name != kCanvasMoveName) p.seed = w.random.seed();
            if (c.name == kOpenAction) opened.reset();
            if (c.name == kSaveAction) saved.reset();
            running.push_back(std::move(p));
            return;
        }
        const auto it =
            std::find_if(running.rbegin(), running.rend(), [&](const Pending& p) { return p.name == c.name; });
        if (it == running.rend()) return;
        Pending p = std::move(*it);
        running.erase(std::next(it).base());
        if (c.name == kSaveAction) {
            if (saved && !saved->isEmpty()) keepBeside(ChooseSaveTarget(*saved).path, c.time);
            return;
        }
        if (c.name == kOpenAction) {
            // Only a picture that opened starts a new story.
            if (!opened || opened->isEmpty() || w.files().lastOpened != *opened) return;
            if (adoptBeside(*opened, c.time)) return;
            const QString name = KeepPicture(*opened, folder);
            if (name.isEmpty()) return;  // cannot keep it: the story goes on, without this picture
            RecordingStart start;
            start.kind = RecordingStart::Kind::Picture;
            start.picture = name.toStdString();
            begin(start, c.time);
            return;
        }
        // The generator only moves when something draws with it, so a
        // state already written is where a replay stands too.
        if (p.seed && p.seed != lastSeed) {
            keep({p.atMs, kSeedWord, {double(*p.seed)}});
            lastSeed = p.seed;
        }
        keep({p.atMs, p.name, p.args});
        file.append(writer.take());
    }

    // A drawing just saved gets its story beside it. A save that failed
    // left the picture as it was (the same file, or none), and then no story
    // is written either. A story that cannot be written leaves the picture
    // as saved, and the parent is told the film was not kept with it.
    void keepBeside(const QString& picture, std::chrono::steady_clock::time_point) {
        const FileStamp now = FileStamp::Of(picture);
        if (!now.exists || now == savedOver) return;
        writer.flush();
        file.append(writer.take());
        const QString beside = StoryBeside(picture);
        const QString why = WriteBeside(beside, StoryText(story));
        if (!why.isEmpty() && w.services.messages)
            w.services.messages->tell(Text(TextId::StoryNotKeptTitle, w.language),
                                      Text(TextId::StoryNotKept, w.language)
                                          .arg(QDir::toNativeSeparators(picture), QDir::toNativeSeparators(beside), why));
    }

    // An opened picture with a story beside it: that story goes on from here,
    // once it is read safely and checked whole (story_file.h).
    bool adoptBeside(const QString& picture, std::chrono::steady_clock::time_point t) {
        return adopt(ReadStoryFile(StoryBeside(picture), w.actions, w.files().openTimeLimit), t);
    }

    // A checked story goes on from here; a refused one changes nothing.
    bool adopt(const StoryFile& read, std::chrono::steady_clock::time_point t) {
        if (read.refusal != StoryRefusal::None) return false;  // not a story that plays: start afresh
        const RecordingStart& start = read.start;
        begin(start, t);
        for (const RecordedCall& call : read.calls) keep(call);
        file.append(writer.take());
        // The clock goes on from the story's last moment.
        const std::int64_t last = read.calls.empty() ? 0 : read.calls.back().atMs;
        began -= std::chrono::milliseconds(last);
        clockBase -= last;
        return true;
    }

    std::optional<QString> saveFileName(const QString& proposed, const QString& filter) override {
        saved = inner ? inner->saveFileName(proposed, filter) : std::nullopt;
        // The picture as it is before the save: what tells a save that wrote it.
        if (saved && !saved->isEmpty()) savedOver = FileStamp::Of(ChooseSaveTarget(*saved).path);
        return saved;
    }
    std::optional<QString> openFileName(const QString& start, const QString& filter) override {
        opened = inner ? inner->openFileName(start, filter) : std::nullopt;
        return opened;
    }
};

SessionRecorder::SessionRecorder(MainWindow& window, const QString& folder)
    : state_(std::make_shared<State>(window, folder)) {
    state_->clock = &clock;
    state_->begin({}, std::chrono::steady_clock::now());
    window.services.dialog = state_.get();
    window.actions.addObserver([weak = std::weak_ptr<State>(state_)](const ActionCall& c) {
        if (const auto s = weak.lock()) s->hear(c);
    });
}

bool SessionRecorder::startFrom(const QString& picture) {
    const QString name = KeepPicture(picture, state_->folder);
    if (name.isEmpty()) return false;
    RecordingStart start;
    start.kind = RecordingStart::Kind::Picture;
    start.picture = name.toStdString();
    state_->begin(start, std::chrono::steady_clock::now());
    return true;
}

SessionRecorder::~SessionRecorder() {
    sync();
    if (state_->w.services.dialog == state_.get()) state_->w.services.dialog = state_->inner;
}

bool SessionRecorder::Records(std::string_view name) {
    return std::find(std::begin(kShaping), std::end(kShaping), name) != std::end(kShaping);
}

const Story& SessionRecorder::story() const { return state_->story; }

QString SessionRecorder::path() const { return state_->file.path(); }

void SessionRecorder::sync() {
    state_->writer.flush();
    state_->file.append(state_->writer.take());
    state_->file.sync();
}

}  // namespace pintaloo
