// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/story/gallery_keeper.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <chrono>
#include <deque>
#include <optional>

#include "ui/actions/action_hub.h"
#include "ui/files/kept_files.h"
#include "ui/files/picture_reader.h"
#include "ui/files/png_story.h"
#include "ui/files/safe_write.h"
#include "ui/parts/drawing_files.h"
#include "ui/platform/gallery_port.h"
#include "ui/platform/services.h"
#include "ui/story/session_recorder.h"
#include "ui/story/story_window.h"
#include "ui/words/texts.h"

namespace pintaloo {

namespace {

constexpr const char* kKnownFile = "gallery-known";
// Pages remembered: enough for undo to bring back any drawing of a long
// session without it being filed again.
constexpr std::size_t kMaxKnown = 64;

// What one pass may spend decoding the drawings waiting in `unfiled`: a
// screen-sized PNG decodes in a few milliseconds, so fifty fit many times over.
constexpr std::chrono::milliseconds kUnfiledTime{1500};

// The page's pixels, as one number that is the same in every run: the
// known pages outlive the program, and Qt's own hashing mixes in a seed of
// each process, which made a page brought back at start look new. Hashing
// a 1000 x 700 page costs a few milliseconds, once per page command.
quint64 PageHash(const Surface& s) {
    const std::size_t bytes = std::size_t(s.width()) * std::size_t(s.height()) * sizeof(Colour);
    const QByteArray sum = QCryptographicHash::hash(
        QByteArrayView(reinterpret_cast<const char*>(s.data()), qsizetype(bytes)), QCryptographicHash::Sha1);
    quint64 h = 0;
    for (int i = 0; i < 8; ++i) h = h << 8 | quint64(static_cast<unsigned char>(sum[i]));
    return h ^ (quint64(s.width()) << 32 | quint64(s.height()));
}

// A page of one colour holds no drawing.
bool OneColour(const Surface& s) {
    const Colour* p = s.data();
    const std::size_t n = std::size_t(s.width()) * std::size_t(s.height());
    return n == 0 || std::all_of(p, p + n, [first = p[0]](Colour c) { return c == first; });
}

}  // namespace

struct GalleryKeeper::State {
    State(StoryWindow& window, SessionRecorder& r, const QString& folder) : w(window), recorder(r), stateFolder(folder) {}

    StoryWindow& w;
    SessionRecorder& recorder;
    QString stateFolder;
    std::deque<quint64> known;  // pages put on the page or filed, newest last
    int depth = 0;              // replacing actions running (one may run another)
    quint64 before = 0;
    struct Taken {
        QImage image;
        std::optional<std::string> story;
        std::vector<StoryPicture> pictures;
        quint64 hash = 0;
    };
    std::optional<Taken> taken;
    bool told = false;      // the parent knows drawings go to the state folder
    bool toldHeld = false;  // ... or wait in memory

    QString knownPath() const { return stateFolder.isEmpty() ? QString() : QDir(stateFolder).filePath(kKnownFile); }

    void load() {
        QByteArray text;
        if (knownPath().isEmpty() || !ReadRegularFile(knownPath(), 4096, &text)) return;
        for (const QByteArray& line : text.split('\n')) {
            bool ok = false;
            const quint64 h = line.toULongLong(&ok, 16);
            if (ok) remember(h, false);
        }
    }

    void remember(quint64 h, bool save = true) {
        known.erase(std::remove(known.begin(), known.end(), h), known.end());
        known.push_back(h);
        while (known.size() > kMaxKnown) known.pop_front();
        if (!save || knownPath().isEmpty()) return;
        QByteArray text;
        for (const quint64 k : known) text += QByteArray::number(k, 16) + '\n';
        WriteFileSafely(knownPath(), text);  // a list not kept only means a drawing may be filed twice
    }

    bool isKnown(quint64 h) const { return std::find(known.begin(), known.end(), h) != known.end(); }

    void hear(const ActionCall& c) {
        if (!c.replacesDrawing || !w.gallery()) return;
        if (c.stage == ActionCall::Stage::Began) {
            if (depth++ == 0) take();
            return;
        }
        if (depth == 0 || --depth != 0) return;
        const quint64 after = PageHash(w.canvas());
        if (after != before && taken) file(*taken);
        taken.reset();
        if (after != before) remember(after);
    }

    // The drawing and its story as they are before the page changes.
    void take() {
        taken.reset();
        before = PageHash(w.canvas());
        if (isKnown(before) || OneColour(w.canvas())) return;
        Taken t;
        t.image = DrawingFiles::CanvasImage(w.canvas());
        t.hash = before;
        recorder.sync();
        // A story whose pictures cannot be read leaves the drawing to be filed without one.
        t.story = StoryForPng(recorder.story(), &t.pictures);
        taken = std::move(t);
    }

    void file(const Taken& t) {
        const std::string story = t.story.value_or(std::string());
        const GalleryFiling filed = w.gallery()->file(t.image, story, t.pictures, w.language());
        if (!filed.path.isEmpty()) {
            remember(t.hash);
            fileUnfiled();
            return;
        }
        const QByteArray png = EncodeDrawingPng(t.image, story, t.pictures);
        const QString kept = keepUnfiled(png);
        // Nowhere on the disk would take it: it waits in memory, and the
        // parent learns that Save takes it out. Memory holds a few dozen:
        // the oldest let go for it is said every time, so Save comes soon.
        if (kept.isEmpty() && w.gallery()->hold(png))
            w.tell(Text(TextId::GalleryNotKeptTitle, w.language()),
                   Text(TextId::HeldLetGo, w.language()).arg(w.gallery()->heldCount()));
        if (!png.isEmpty()) remember(t.hash);
        bool& said = kept.isEmpty() ? toldHeld : told;
        if (said) return;
        said = true;  // once a run: the next drawing meets the same folders
        const QString gallery = QDir::toNativeSeparators(w.gallery()->folder());
        const Language l = w.language();
        w.tell(Text(TextId::GalleryNotKeptTitle, l),
               kept.isEmpty() ? Text(TextId::GalleryHeld, l).arg(gallery, filed.why)
                              : Text(TextId::GalleryNotKept, l)
                                    .arg(gallery, filed.why, QDir::toNativeSeparators(QFileInfo(kept).absolutePath())));
    }

    // Drawings the state folder kept while the gallery refused go into it
    // once it takes drawings again, oldest first, each with its story; one
    // it will not take stays where it is. They are the program's own files,
    // but the state folder is read as a stranger's: capped, links refused,
    // decoded with the limits every picture gets. A pass runs on the
    // window's thread, so it reads at most kMaxUnfiled of them, lists no
    // more than a few times that many names, and decodes them all within
    // kUnfiledTime: a folder filled by someone else costs the child a
    // moment, and what is left waits for the next drawing filed.
    void fileUnfiled() {
        w.gallery()->fileHeld({}, w.language());
        if (stateFolder.isEmpty()) return;
        const QDir dir(QDir(stateFolder).filePath(QLatin1String(kUnfiledFolder)));
        if (!dir.exists()) return;
        QStringList names;
        QDirIterator found(dir.path(), {QStringLiteral("*.png")}, QDir::Files);
        while (found.hasNext() && names.size() < 4 * kMaxUnfiled) names << found.nextFileInfo().fileName();
        names.sort();
        if (names.size() > kMaxUnfiled) names.resize(kMaxUnfiled);
        const auto deadline = std::chrono::steady_clock::now() + kUnfiledTime;
        for (const QString& name : names) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) return;
            const QString path = dir.filePath(name);
            PictureRefusal why = PictureRefusal::None;
            const QByteArray png = ReadPictureFile(path, &why, PictureLimits::kMaxFileBytes, Links::Refuse);
            if (why != PictureRefusal::None) continue;
            const PictureResult decoded = DecodePictureWithin(png, left);
            if (decoded.refusal == PictureRefusal::TooSlow) return;  // the budget is spent
            if (decoded.refusal != PictureRefusal::None) continue;
            const PngStory story = ReadPngStory(png);
            const bool withStory = story.found && story.refusal == PngStoryRefusal::None;
            const GalleryFiling filed =
                w.gallery()->file(decoded.image, withStory ? story.text : std::string(),
                                  withStory ? story.pictures : std::vector<StoryPicture>{}, w.language());
            if (filed.path.isEmpty()) return;  // refusing again: the rest wait for the next time
            QFile::remove(path);
        }
    }

    // The drawing in the state folder instead, the oldest beyond
    // kMaxUnfiled removed. Its path, or empty.
    QString keepUnfiled(const QByteArray& png) {
        if (stateFolder.isEmpty() || png.isEmpty()) return {};
        const QDir dir(QDir(stateFolder).filePath(QLatin1String(kUnfiledFolder)));
        if (!QDir().mkpath(dir.path())) return {};
        // Named by the time, which sorts them; never over one already there.
        const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
        QString path = dir.filePath(stamp + ".png");
        for (int n = 2; QFileInfo(path).exists() || QFileInfo(path).isSymLink(); ++n)
            path = dir.filePath(QStringLiteral("%1-%2.png").arg(stamp).arg(n));
        if (!WriteFileSafely(path, png)) return {};
        const QStringList names = dir.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
        for (qsizetype i = 0; i + kMaxUnfiled < names.size(); ++i) QFile::remove(dir.filePath(names[i]));
        return path;
    }
};

GalleryKeeper::GalleryKeeper(StoryWindow& window, SessionRecorder& recorder, const QString& stateFolder)
    : state_(std::make_shared<State>(window, recorder, stateFolder)) {
    state_->load();
    window.actions().addObserver([weak = std::weak_ptr<State>(state_)](const ActionCall& c) {
        if (const auto s = weak.lock()) s->hear(c);
    });
}

GalleryKeeper::~GalleryKeeper() = default;

void GalleryKeeper::fileNow() {
    State& s = *state_;
    if (!s.w.gallery() || s.depth != 0) return;  // a replacing action running files it itself
    s.take();
    if (s.taken) s.file(*s.taken);
    s.taken.reset();
}

int GalleryKeeper::keepHeldAtSessionEnd() {
    const State& s = *state_;
    GalleryPort* const gallery = s.w.gallery();
    if (!gallery || gallery->heldCount() == 0) return 0;
    QStringList places{QString()};  // the gallery itself
    if (!s.stateFolder.isEmpty()) places << QDir(s.stateFolder).filePath(QLatin1String(kUnfiledFolder));
    places << QDir::homePath();
    for (const QString& place : places) {
        const int before = gallery->heldCount();
        if (gallery->fileHeld(place, s.w.language()) == before) continue;
        // No one is left to tell on the screen; the session's log says where.
        qWarning("pintaloo: %d drawings no folder would take were saved in %s", before - gallery->heldCount(),
                 qUtf8Printable(place.isEmpty() ? gallery->folder() : place));
        if (gallery->heldCount() == 0) return 0;
    }
    qWarning("pintaloo: %d drawings could be saved nowhere", gallery->heldCount());
    return gallery->heldCount();
}

}  // namespace pintaloo
