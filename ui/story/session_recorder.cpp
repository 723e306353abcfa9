// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/story/session_recorder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <optional>

#include "ui/actions/action_hub.h"
#include "ui/art/art_store.h"
#include "ui/parts/drawing_history.h"
#include "ui/files/kept_files.h"
#include "ui/files/picture_reader.h"
#include "ui/files/png_story.h"
#include "ui/files/safe_write.h"
#include "ui/files/recording_file.h"
#include "ui/platform/services.h"
#include "ui/story/story_file.h"
#include "ui/story/story_window.h"
#include "ui/parts/drawing_files.h"
#include "ui/files/picture_writer.h"
#include "engine/recording/recording_reader.h"
#include "engine/toolbox/picture_painters.h"
#include "engine/recording/recording_writer.h"
#include "ui/words/texts.h"

namespace pintaloo {

namespace {

// A story file larger than this is not read for the picture names it holds.
constexpr qint64 kMaxNamingStoryBytes = 16LL * 1024 * 1024;

// The picture's copy beside the story: its content names it, so opening the
// same picture twice keeps one copy, and a later picture of the same name
// cannot replace the one a story begins with. Copies no story names any
// more are pruned (kept_files.h).
QString KeepPicture(const QString& picture, const QString& folder, const QString& alsoNamed = {}) {
    if (folder.isEmpty()) return QFileInfo(picture).absoluteFilePath();  // nothing kept on disk
    const QString name = CopyPictureInto(picture, folder);
    if (name.isEmpty()) return {};
    // What the story file names now (the story that goes on, or the one this
    // copy ends), read back from the disk.
    QByteArray story;
    // A story that cannot be read for names (too large, not ours) prunes nothing.
    if (ReadRegularFile(QDir(folder).filePath(QLatin1String(SessionRecorder::kFileName)), kMaxNamingStoryBytes, &story))
        PrunePictureCopies(folder, name + alsoNamed + QString::fromUtf8(story));
    return name;
}

// The canvas as a picture file, for a story that begins again where the
// drawing now is. PNG keeps every pixel; the file is named by its content.
QString KeepCanvas(const Surface& s, const QString& folder, const QString& alsoNamed) {
    const QImage image = ColoursToImage(s.data(), s.width(), s.height());
    QTemporaryFile file(QDir(folder).filePath(QStringLiteral("canvas-XXXXXX.png")));
    if (!file.open() || !image.save(&file, "PNG") || !file.flush()) return {};
    return KeepPicture(file.fileName(), folder, alsoNamed);
}

// The page's pixels as one number: what tells that a page command changed
// the page, and that undo or redo came to the drawing a story plays to.
// About a millisecond for the whole canvas.
quint64 PageHash(const Surface& s) {
    const std::size_t bytes = std::size_t(s.width()) * std::size_t(s.height()) * sizeof(Colour);
    return quint64(qHashBits(s.data(), bytes, 0x51ed27u)) ^ (quint64(s.width()) << 32 | quint64(s.height()));
}

bool OneColour(const Surface& s) {
    const Colour* p = s.data();
    const std::size_t n = std::size_t(s.width()) * std::size_t(s.height());
    return n == 0 || std::all_of(p, p + n, [first = p[0]](Colour c) { return c == first; });
}

// Stories of other drawings kept for undo and redo to come back to: enough
// for the drawings a child goes back through, and a cap on their memory (an
// hour of drawing is a few megabytes of story).
constexpr std::size_t kMaxLeftStories = 16;
constexpr std::size_t kMaxLeftBytes = 32u * 1024 * 1024;

}  // namespace

std::optional<std::string> StoryForPng(Story story, std::vector<StoryPicture>* pictures) {
    pictures->clear();
    std::vector<std::pair<std::string, std::string>> named;  // as the story names it, as the PNG does
    const auto carry = [&](std::string& name) {
        const auto seen = std::find_if(named.begin(), named.end(), [&](const auto& n) { return n.first == name; });
        if (seen != named.end()) {
            name = seen->second;
            return true;
        }
        if (pictures->size() >= StoryLimits::kMaxPictures) return false;
        const QString path = QDir(story.folder).absoluteFilePath(QString::fromStdString(name));
        StoryPicture picture;
        if (!ReadRegularFile(path, kMaxPictureCopyBytes, &picture.bytes)) return false;
        // Numbered, so two pictures of one name from different folders stay two.
        picture.name = "picture-" + std::to_string(pictures->size() + 1) + "-" +
                       QFileInfo(path).fileName().left(64).toStdString();
        named.emplace_back(name, picture.name);
        name = picture.name;
        pictures->push_back(std::move(picture));
        return true;
    };
    if (story.start.kind == RecordingStart::Kind::Picture && !carry(story.start.picture)) return std::nullopt;
    for (RecordedCall& c : story.calls)
        if (c.name == kPictureWord && !carry(c.file)) return std::nullopt;
    RecordingWriter writer;
    if (!writer.start(story.start)) return std::nullopt;
    for (const RecordedCall& c : story.calls) writer.add(c);
    writer.flush();
    return writer.take();
}

QString StoryBeside(const QString& picture) {
    const QFileInfo info(picture);
    return info.dir().filePath(info.completeBaseName() + QLatin1String(kStoryExtension));
}

struct SessionRecorder::State final : FileDialogPort {
    State(StoryWindow& window, const QString& dir)
        : w(window), folder(dir), file(dir.isEmpty() ? QString() : QDir(dir).filePath(QLatin1String(kFileName))) {}

    StoryWindow& w;
    QString folder;
    RecordingFile file;
    FileDialogPort* inner = nullptr;  // the dialog the recorder listens in front of
    std::function<std::int64_t()>* clock = nullptr;
    RecordingWriter writer;
    // The story is held as the text of its file, not as calls: a move costs
    // a few bytes here rather than a hundred, so hours of drawing stay a few
    // megabytes. story() reads it back when the film wants it.
    RecordingStart start;  // the story's first line
    std::string text;
    bool hasCalls = false;
    std::unique_ptr<QTemporaryDir> scratch;  // where pictures go without a folder
    std::chrono::steady_clock::time_point began = std::chrono::steady_clock::now();
    std::int64_t clockBase = 0;             // the override clock's reading where the story began
    std::optional<std::uint32_t> lastSeed;  // the last `seed` written: the same again says nothing new
    // How far undo and redo may go and still be played by the story: undo
    // down to `undoFloor` steps (the story began there), redo while steps
    // undone inside the story lie above the `redoFloor` the story never saw.
    std::size_t undoFloor = 0, redoFloor = 0;

    struct Pending {
        std::string name;  // the alias, as the story writes it
        std::vector<double> args;
        std::int64_t atMs = 0;
        std::optional<std::uint32_t> seed;
        std::size_t redoBefore = 0;
        bool cut = false;  // the history cut a step as it began (a stroke held across it)
        StoryRole role = StoryRole::Left;
        // Of an action that may put another drawing on the page, and of undo
        // and redo: the page as it began, and (the first only) the editor
        // state and random numbers the next drawing's story begins with.
        quint64 pageBefore = 0;
        std::vector<double> stateBefore;
        std::uint32_t seedBefore = 0;
        bool innerOpen = false;  // an open ran inside it (a gallery pick opens the drawing so)
        std::size_t begun = 0;   // stories begun before it
        std::size_t undoBefore = 0;
    };
    std::size_t begun = 0;  // stories begun, to tell one begun inside an action

    // The story of a drawing another replaced (a new page, a colouring page,
    // an opened picture), kept so that undo coming back to that drawing takes
    // its story up again: each drawing's film and filed story hold that
    // drawing alone. Redo going forward across a page begins the story again
    // at a picture instead (see `ended`), so nothing is kept for it.
    struct Left {
        RecordingStart start;
        std::string text;
        RecordingWriter writer;
        bool hasCalls = false;
        std::optional<std::uint32_t> lastSeed;
        std::size_t undoFloor = 0;
        std::int64_t lastAt = 0;      // the story's clock when it was left
        quint64 page = 0;             // the canvas its story plays to
        std::size_t undoAt = 0;       // and the steps to undo there (the oldest dropped shift them)
        QString pictures;             // the pictures it names, kept from pruning
    };
    std::vector<Left> earlier;  // drawings undo may come back to, the last most recent
    std::size_t cutsSeen = 0;       // the history's cuts() when the last call ended
    std::vector<Pending> running;   // actions begun and not ended (one, unless an action runs another)
    std::optional<QString> saved;   // what the save dialog answered during the running save
    FileStamp savedOver;            // the file that answer named, before the save

    std::int64_t now(std::chrono::steady_clock::time_point t) const {
        if (clock && *clock) return std::max<std::int64_t>(0, (*clock)() - clockBase);
        return std::max<std::int64_t>(0, std::chrono::duration_cast<std::chrono::milliseconds>(t - began).count());
    }

    void takeLines() {
        std::string lines = writer.take();
        if (lines.empty()) return;
        text += lines;
        file.append(std::move(lines));
    }

    void begin(const RecordingStart& where, std::chrono::steady_clock::time_point t) {
        if (clock && *clock) clockBase = (*clock)();
        began = t;
        ++begun;
        writer = RecordingWriter();
        writer.start(where);
        start = where;
        text = writer.take();
        hasCalls = false;
        lastSeed.reset();
        undoFloor = w.history().undoCount();
        redoFloor = w.history().redoCount();
        file.restart(text);
    }

    void keep(const RecordedCall& call) {
        if (writer.add(call)) hasCalls = true;  // a name the script cannot carry is never one of the window's
    }

    // Where pictures the story needs are kept, and how the story names
    // them: beside it by name, or by whole path in a scratch folder.
    QString pictureFolder() {
        if (!folder.isEmpty()) return folder;
        if (!scratch) scratch = std::make_unique<QTemporaryDir>();
        return scratch->isValid() ? scratch->path() : QString();
    }
    QString storyName(const QString& kept) const {
        return folder.isEmpty() || kept.isEmpty() ? kept : QFileInfo(kept).fileName();
    }

    // The editor state, then the painters' memory of the stroke: the
    // pointer may still be held (an undo key pressed mid-stroke).
    std::vector<double> stateNumbers() const {
        std::vector<double> numbers = EditorStateNumbers(w.editorState());
        const StrokePlace m = w.strokePlace();
        numbers.insert(numbers.end(),
                       {m.hasPoint ? 1.0 : 0.0, double(m.x), double(m.y), double(m.drawX), double(m.drawY)});
        return numbers;
    }

    // The editor state as a `state` line (undo begins there) or a `choices`
    // line (undo goes on), then where the random numbers stand: the first
    // call kept after it may be a move of a stroke held across it (an undo,
    // a redo or an open pressed mid-stroke), and a move notes no seed of its
    // own.
    //
    // The end the pen is held by is a choice the numbers leave out: a story
    // replays in a window whose pen draws, so the eraser end is said after a
    // `state` line, and either end after `choices` (the story taken up may
    // have turned the pen the other way before it was left). So is how hard
    // the pen presses (a story may begin mid-stroke), and so the numbers of
    // older stories still fit: a window's pen presses at no level until
    // told, so a level is said after a `state` line when there is one, and
    // after `choices` always.
    void keepNumbers(std::int64_t atMs, const char* word, std::vector<double> numbers, std::uint32_t seed) {
        keep({atMs, word, std::move(numbers), {}});
        const bool erases = w.penErases();
        const bool choices = word == std::string_view(kChoicesWord);
        if (erases || choices) keep({atMs, "PenEnd", {erases ? 1.0 : 0.0}, {}});
        const int pressure = w.editorState().PenPressure;
        if (pressure != 0 || choices) keep({atMs, "PenPressure", {double(pressure)}, {}});
        // So are the stamp chosen from the collections and every stamp's
        // size and turn, said when not as at start (always after `choices`).
        std::vector<double> stamps = w.stampChoices();
        if (stamps.empty() && choices) stamps = {0, double(kStampMediumSize), 0, 0};
        if (!stamps.empty()) keep({atMs, "StampChoices", std::move(stamps), {}});
        if (seed != lastSeed) {
            keep({atMs, kSeedWord, {double(seed)}, {}});
            lastSeed = seed;
        }
    }

    // The editor state as the story's `state` line: what a start at a
    // picture needs so later strokes come out as they did.
    void keepState(std::int64_t atMs) {
        keepNumbers(atMs, kStateWord, stateNumbers(), w.randomSeed());
        undoFloor = w.history().undoCount();
        redoFloor = w.history().redoCount();
    }

    // The names of the pictures the left stories hold, which the pruning of
    // copies must spare.
    QString leftPictures() const {
        QString names;
        for (const Left& l : earlier) names += l.pictures;
        return names;
    }

    // The story as it stands, handed aside as the action `p` (which began at
    // the canvas the story plays to) ends.
    Left leave(const Pending& p, std::chrono::steady_clock::time_point t) {
        writer.flush();
        takeLines();
        Left l{start, text, writer, hasCalls, lastSeed, undoFloor, now(t), p.pageBefore, p.undoBefore, {}};
        for (const QString& line : QString::fromStdString(text).split(u'\n'))
            if (line.startsWith(QLatin1String(kPictureWord)) || line.startsWith(QLatin1String(kStartWord)))
                l.pictures += line + u'\n';
        return l;
    }

    static void cap(std::vector<Left>& side) {
        std::size_t bytes = 0;
        for (const Left& l : side) bytes += l.text.size();
        while (!side.empty() && (side.size() > kMaxLeftStories || bytes > kMaxLeftBytes)) {
            bytes -= side.front().text.size();
            side.erase(side.begin());
        }
    }

    // Undo came back to a drawing left earlier: its story goes on, and the
    // one here ends. Only when the canvas is the one that story plays to,
    // or false. The editor state goes on as it is (undo and redo leave the
    // tools as the child chose them in the other drawing), said by a
    // `choices` line that leaves undo as it was.
    bool takeUp(std::chrono::steady_clock::time_point t) {
        if (earlier.empty() || earlier.back().undoAt != w.history().undoCount() ||
            earlier.back().page != PageHash(w.canvas()))
            return false;
        Left back = std::move(earlier.back());
        earlier.pop_back();
        start = back.start;
        text = std::move(back.text);
        writer = std::move(back.writer);
        hasCalls = back.hasCalls;
        lastSeed = back.lastSeed;
        undoFloor = back.undoFloor;
        // Coming back, whatever lies on the redo stack now was never this story's.
        redoFloor = w.history().redoCount();
        // The clock goes on from where the story was left.
        began = t - std::chrono::milliseconds(back.lastAt);
        if (clock && *clock) clockBase = (*clock)() - back.lastAt;
        file.restart(text);
        keepNumbers(back.lastAt, kChoicesWord, stateNumbers(), w.randomSeed());
        takeLines();
        return true;
    }

    // Another drawing is put on the page: the story here is left for undo
    // to come back to, and the new drawing's story begins blank, with the
    // editor state and random numbers as they were when the action began,
    // so the action itself (the page, the open) is its first step.
    void leaveForNew(const Pending& p, std::chrono::steady_clock::time_point t) {
        earlier.push_back(leave(p, t));
        cap(earlier);
    }
    void beginNew(const Pending& p, std::chrono::steady_clock::time_point t) {
        begin({}, t);
        keepNumbers(0, kStateWord, p.stateBefore, p.seedBefore);
    }

    // The story begins again at the drawing as it now is, with the editor
    // state: for an undo or redo the story could not play.
    bool restartHere(std::chrono::steady_clock::time_point t) {
        const QString dir = pictureFolder();
        const QString kept = dir.isEmpty() ? QString() : KeepCanvas(w.canvas(), dir, leftPictures());
        if (kept.isEmpty()) return false;
        RecordingStart where;
        where.kind = RecordingStart::Kind::Picture;
        where.picture = (folder.isEmpty() ? QDir(dir).filePath(kept) : kept).toStdString();
        begin(where, t);
        keepState(0);
        takeLines();
        return true;
    }

    void hear(const ActionCall& c) {
        // The history hears each call first: a cut it made since the last
        // call ended was made as this one began.
        const std::size_t cuts = w.history().cuts(), cutsBefore = cutsSeen;
        if (c.stage == ActionCall::Stage::Ended) cutsSeen = cuts;
        // What is heard and what kept is the action table's to say (its
        // effect and story role); the story names actions by their aliases.
        // A save is heard (its story goes beside the picture) but not kept.
        if (c.effect != Effect::Drawing && c.story == StoryRole::Left) return;
        // A move without the left button only carries the stamp outline
        // about; the pointer resting over the page would fill the story.
        if (c.alias == kPenMoveCall && (c.args.empty() || c.args[0] != 1)) return;
        if (c.stage == ActionCall::Stage::Began) {
            Pending p;
            p.name = c.alias;
            p.args = c.args;
            p.atMs = now(c.time);
            p.redoBefore = w.history().redoCount();
            p.undoBefore = w.history().undoCount();
            p.cut = cuts != cutsBefore;
            p.role = c.story;
            p.begun = begun;
            if (c.replacesDrawing || c.story == StoryRole::Undoes || c.story == StoryRole::Redoes)
                p.pageBefore = PageHash(w.canvas());
            if (c.replacesDrawing) {
                p.stateBefore = stateNumbers();
                p.seedBefore = w.randomSeed();
            }
            if (c.story == StoryRole::OpensPicture)
                for (Pending& outer : running) outer.innerOpen = outer.innerOpen || outer.role == StoryRole::OpensPicture;
            // Every action that paints, except the moves inside a stroke,
            // notes where the random numbers stand.
            if (c.effect == Effect::Drawing && c.alias != kPenMoveCall && c.alias != "FingerMove")
                p.seed = w.randomSeed();
            // So does a kept action whose row draws random numbers itself
            // (a row's .random()): the replay reseeds there and draws the same.
            if (c.random && StoryKeeps(c.story)) p.seed = w.randomSeed();
            if (c.story == StoryRole::SavesPicture) saved.reset();
            // What the window opened is asked for when the call ends: an
            // open that never reached the dialog (a gallery pick with no
            // gallery) must not find the picture an earlier open left there.
            if (c.story == StoryRole::OpensPicture) w.forgetOpenedPicture();
            running.push_back(std::move(p));
            return;
        }
        const auto it =
            std::find_if(running.rbegin(), running.rend(), [&](const Pending& p) { return p.name == c.alias; });
        if (it == running.rend()) return;
        Pending p = std::move(*it);
        running.erase(std::next(it).base());
        if (c.story == StoryRole::SavesPicture) {
            if (saved && !saved->isEmpty()) keepBeside(ChooseSaveTarget(*saved).path, c.time);
            return;
        }
        const DrawingHistory& history = w.history();
        // Undo past the story's start, or redo of a step undone before it,
        // gives a drawing the story never held: the story of the drawing it
        // came back to goes on, or it begins again there.
        const bool back = c.story == StoryRole::Undoes && history.undoCount() < undoFloor;
        const bool forward =
            c.story == StoryRole::Redoes && history.redoCount() < p.redoBefore && p.redoBefore <= redoFloor;
        // Going forward again, the later drawing's story is not taken up: its
        // undo steps, replayed, have been seen to differ from the live
        // history's after a page was crossed back and forth, so the story
        // begins again at a picture of the canvas (the film loses what came
        // before; the canvas stays right).
        if (back || forward) {
            if (back && takeUp(c.time)) return;
            if (restartHere(c.time)) return;
        }
        redoFloor = std::min(redoFloor, history.redoCount());
        // The open that ran inside (a gallery pick's) kept what happened:
        // the pick itself would replay as nothing where the gallery differs.
        if (p.innerOpen) {
            // A story begun inside began before the history took the step:
            // undo may go down to the step as it stands now.
            if (begun != p.begun) {
                undoFloor = history.undoCount();
                redoFloor = history.redoCount();
            }
            return;
        }
        const auto first = [&p] {  // the new drawing's first step, at its story's start
            Pending f = p;
            f.atMs = 0;
            return f;
        };
        if (c.replacesDrawing && c.story != StoryRole::OpensPicture && PageHash(w.canvas()) != p.pageBefore) {
            leaveForNew(p, c.time);
            beginNew(p, c.time);
            keepSeed(p);
            keep({0, p.name, p.args, {}});
            hasCalls = !OneColour(w.canvas());  // a new blank page has no film yet
            takeLines();
            return;
        }
        if (c.story == StoryRole::OpensPicture) {
            // A cancelled or refused open changed nothing; the window says
            // which picture it put on the canvas (asked for in the dialog, or
            // a drawing taken from the gallery), so none is decoded again.
            // Kept, though, when it ended a stroke held across it (a finger
            // or the button still down): the replay's open, given no
            // picture, is cancelled too and cuts the same undo step.
            const QString opened = w.openedPicture();
            if (opened.isEmpty()) {
                if (!p.cut) return;
                keepSeed(p);
                keep({p.atMs, p.name, p.args, {}});
                takeLines();
                return;
            }
            leaveForNew(p, c.time);
            if (adoptBeside(opened, p, c.time)) return;
            beginNew(p, c.time);
            keepOpen(opened, first());  // cannot keep it: the story goes on, without this picture
            takeLines();
            return;
        }
        keepSeed(p);
        keep({p.atMs, p.name, p.args, {}});
        takeLines();
    }

    // The generator only moves when something draws with it, so a state
    // already written is where a replay stands too.
    void keepSeed(const Pending& p) {
        if (p.seed && p.seed != lastSeed) {
            keep({p.atMs, kSeedWord, {double(*p.seed)}, {}});
            lastSeed = p.seed;
        }
    }

    // An opened picture is a step of the story: the picture is copied beside
    // it and named just before the open, which the replay answers with it.
    bool keepOpen(const QString& picture, const Pending& p) {
        const QString dir = pictureFolder();
        const QString kept = dir.isEmpty() ? QString() : KeepPicture(picture, dir, leftPictures());
        if (kept.isEmpty()) return false;
        keepSeed(p);
        const QString name = folder.isEmpty() ? QDir(dir).filePath(kept) : kept;
        keep({p.atMs, kPictureWord, {}, name.toStdString()});
        keep({p.atMs, p.name, p.args, {}});
        return true;
    }

    // A drawing just saved as PNG gets its story inside it: the file the
    // save wrote is read back and written again with the story's chunks.
    // BMP and JPEG have no place for one and carry none; no file is written
    // beside a picture any more (those already there are still read). A
    // save that failed left the picture as it was (the same file, or none),
    // and then nothing is added. A story that cannot be added leaves the
    // picture as saved, and the parent is told the film was not kept with it.
    void keepBeside(const QString& picture, std::chrono::steady_clock::time_point) {
        const FileStamp now = FileStamp::Of(picture);
        if (!now.exists || now == savedOver || ChooseSaveTarget(picture).format != SaveFormat::Png) return;
        writer.flush();
        takeLines();
        std::vector<StoryPicture> pictures;
        const std::optional<std::string> story = StoryForPng(current(), &pictures);
        QString why = QStringLiteral("-");
        QByteArray png;
        if (story && ReadRegularFile(picture, PictureLimits::kMaxFileBytes, &png) && FileStamp::Of(picture) == now) {
            WriteTrouble trouble;
            why = WriteFileSafely(picture, AddStoryToPng(png, *story, pictures), &trouble, 0644) ? QString()
                                                                                               : trouble.text();
        }
        if (!why.isEmpty())
            w.tell(Text(TextId::StoryNotKeptTitle, w.language()),
                   Text(TextId::StoryNotKept, w.language())
                       .arg(QDir::toNativeSeparators(picture), QDir::toNativeSeparators(picture), why));
    }

    // An opened picture with a story beside it: that story goes on from
    // here, once it is read safely and checked whole (story_file.h), then the
    // open itself, so the canvas is the picture whatever the story drew, and
    // the editor state as it is.
    // A story inside the picture (a PNG from the gallery or a parent's
    // save) comes first; a file beside it is read only when there is none.
    bool adoptBeside(const QString& picture, const Pending& p, std::chrono::steady_clock::time_point t) {
        PictureRefusal refusal = PictureRefusal::None;
        const QByteArray bytes = ReadPictureFile(picture, &refusal);
        const PngStory inside = ReadPngStory(bytes);
        if (inside.found) return inside.refusal == PngStoryRefusal::None && adoptInside(inside, picture, p, t);
        return adopt(ReadStoryFile(StoryBeside(picture), w.actions(), w.openTimeLimit()), picture, p, t);
    }

    // The story's pictures are put in a private folder of their own, the
    // story checked there as one beside a picture is, and the pictures then
    // copied where the story keeps its own (the private folder goes).
    bool adoptInside(const PngStory& inside, const QString& picture, const Pending& p,
                     std::chrono::steady_clock::time_point t) {
        const QTemporaryDir unpacked;
        if (!unpacked.isValid()) return false;
        for (const StoryPicture& sp : inside.pictures)
            if (!WriteFileSafely(unpacked.filePath(QString::fromStdString(sp.name)), sp.bytes)) return false;
        StoryFile read = CheckStory(inside.text, unpacked.path(), w.actions(), w.openTimeLimit());
        if (read.refusal != StoryRefusal::None) return false;
        const QString dir = pictureFolder();
        const auto rehome = [&](std::string& path) {
            const QString kept = dir.isEmpty() ? QString() : CopyPictureInto(QString::fromStdString(path), dir);
            path = storyName(folder.isEmpty() ? QDir(dir).filePath(kept) : kept).toStdString();
            return !kept.isEmpty();
        };
        if (read.start.kind == RecordingStart::Kind::Picture && !rehome(read.start.picture)) return false;
        for (RecordedCall& call : read.calls)
            if (call.name == kPictureWord && !rehome(call.file)) return false;
        return adopt(read, picture, p, t);
    }

    // A checked story goes on from here; a refused one changes nothing.
    bool adopt(const StoryFile& read, const QString& picture, const Pending& p,
               std::chrono::steady_clock::time_point t) {
        if (read.refusal != StoryRefusal::None) return false;  // not a story that plays: start afresh
        begin(read.start, t);
        for (const RecordedCall& call : read.calls) keep(call);
        // On the disk before the open's copy prunes the copies the story
        // file does not name: those of a story taken from inside a PNG lie
        // in the same folder.
        takeLines();
        file.sync();
        // The clock goes on from the story's last moment.
        const std::int64_t last = read.calls.empty() ? 0 : read.calls.back().atMs;
        began -= std::chrono::milliseconds(last);
        clockBase -= last;
        Pending open = p;
        open.atMs = last;
        if (!keepOpen(picture, open)) return false;
        keepState(last);
        takeLines();
        return true;
    }

    // The story so far, moves held back included.
    Story current() const {
        RecordingWriter rest = writer;
        rest.flush();
        const Recording read = ReadRecording(text + rest.take());
        return Story{start, read.calls, folder};
    }

    std::optional<QString> saveFileName(const QString& title, const QString& proposed, const QString& filter) override {
        saved = inner ? inner->saveFileName(title, proposed, filter) : std::nullopt;
        // The picture as it is before the save: what tells a save that wrote it.
        if (saved && !saved->isEmpty()) savedOver = FileStamp::Of(ChooseSaveTarget(*saved).path);
        return saved;
    }
    std::optional<QString> openFileName(const QString& title, const QString& from, const QString& filter) override {
        return inner ? inner->openFileName(title, from, filter) : std::nullopt;
    }
};

SessionRecorder::SessionRecorder(StoryWindow& window, const QString& folder)
    : state_(std::make_shared<State>(window, folder)) {
    state_->clock = &clock;
    state_->begin({}, std::chrono::steady_clock::now());
    state_->inner = window.listenToFileDialog(*state_);
    window.actions().addObserver([weak = std::weak_ptr<State>(state_)](const ActionCall& c) {
        if (const auto s = weak.lock()) s->hear(c);
    });
}

bool SessionRecorder::startFrom(const QString& picture) {
    State& s = *state_;
    const QString dir = s.pictureFolder();
    const QString kept = dir.isEmpty() ? QString() : KeepPicture(picture, dir, s.leftPictures());
    if (kept.isEmpty()) return false;
    RecordingStart start;
    start.kind = RecordingStart::Kind::Picture;
    start.picture = (s.folder.isEmpty() ? QDir(dir).filePath(kept) : kept).toStdString();
    s.begin(start, std::chrono::steady_clock::now());
    s.keepState(0);
    s.takeLines();
    return true;
}

bool SessionRecorder::restartHere() { return state_->restartHere(std::chrono::steady_clock::now()); }

SessionRecorder::~SessionRecorder() {
    sync();
    state_->w.stopListeningToFileDialog(*state_, state_->inner);
}

Story SessionRecorder::story() const { return state_->current(); }

bool SessionRecorder::hasStory() const {
    return state_->hasCalls || state_->start.kind != RecordingStart::Kind::Blank;
}

bool BeginWithState(StoryWindow& w, const std::vector<double>& numbers, bool undoBegins) {
    EditorState state = w.editorState();
    if (!StateNumbersFit(numbers, &state)) return false;
    const auto cut = numbers.end() - std::ptrdiff_t(kStateStrokeNumbers);
    const std::vector<double> stroke(cut, numbers.end());
    w.takeState(state, {stroke[0] == 1, std::int16_t(stroke[1]), std::int16_t(stroke[2]), int(stroke[3]),
                        int(stroke[4])});
    if (undoBegins) w.beginUndoHere();
    return true;
}

QString SessionRecorder::path() const { return state_->file.path(); }

void SessionRecorder::sync() {
    state_->writer.flush();
    state_->takeLines();
    state_->file.sync();
}

}  // namespace pintaloo
