// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing survives the program ending, however it ends. At the end of
// every change the window hands the canvas to a KeptDrawingWriter; about a
// second later a worker thread writes it, lossless (PNG) and atomically
// (safe_write.h: a new file renamed over the name, never through a link),
// into the user's state
// folder. A crash or a kill loses at most the last second or two. On the
// next start LoadKeptDrawing gives the drawing back, or nothing at all
// when there is none or it is damaged, and the window starts blank.
//
// The page and the colours the crayon spares travel inside the PNG as text
// chunks, so picture and page are one file and can never disagree.
//
// Wiring, all on the UI thread:
//   KeptDrawingWriter keeper(KeptDrawingFolder());
//   if (auto kept = LoadKeptDrawing(keeper.folder(), canvas.width(), canvas.height())) {
//       kept->copyInto(canvas);  RestoreStepInfo(kept->info, state);  history.reset(canvas, kept->info);
//   }
//   after every commit of a step:    keeper.changed(canvas, StepInfoOf(state));
//   on quitting (aboutToQuit):       keeper.flushNow();
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <functional>
#include <optional>
#include <vector>

#include "engine/canvas/surface.h"
#include "engine/history/step_info.h"

namespace pintaloo {

// $XDG_STATE_HOME/pintaloo when XDG_STATE_HOME is an absolute path, else
// $HOME/.local/state/pintaloo, as the XDG rules say. Missing folders are
// made, readable by the user alone. Empty when it cannot be made, with the
// reason in `why` (the system's words).
QString KeptDrawingFolder(QString* why = nullptr);
// The folder KeptDrawingFolder makes, whether or not it can be made.
QString KeptDrawingFolderPath();

// The file the drawing is kept in, inside that folder.
QString KeptDrawingPath(const QString& folder);

struct KeptDrawing {
    int width = 0, height = 0;
    using PixelRows = std::vector<Colour, LargePageAllocator<Colour>>;  // in large pages, as the canvas's
    PixelRows pixels;  // width * height, x fastest, the canvas's layout
    StepInfo info;
    // Copies the pixels onto the canvas (same size) and marks it all dirty.
    void copyInto(Surface& canvas) const;
};

// The kept drawing if there is one of exactly this size with a sound page;
// nothing, silently, when it is missing, unreadable, cut short, another
// size or carries a page that does not exist.
std::optional<KeptDrawing> LoadKeptDrawing(const QString& folder, int width, int height);

// A kept drawing that was there and refused is moved aside, never
// overwritten: renamed to drawing-refused-<date>-<time>.png (a number added
// if that is taken) in the same folder. The new name, or empty when there
// was nothing to move or the move failed.
QString MoveRefusedAside(const QString& folder, const QDateTime& when);

class KeptDrawingWriter : public QObject {
    Q_OBJECT
public:
    // `delayMs` is how long after a change the write starts; changes inside
    // that time are written together, so there is at most one write a delay.
    explicit KeptDrawingWriter(QString folder, int delayMs = 1000, QObject* parent = nullptr);
    ~KeptDrawingWriter() override;  // flushes

    // At the end of a change: one copy of the pixels (about a millisecond
    // for the whole canvas), never a write on this thread.
    void changed(const Surface& canvas, const StepInfo& info);
    // Writes what is waiting now, on this thread, after any write in flight
    // has finished. For quitting; nothing to do when nothing changed.
    void flushNow();

    const QString& folder() const { return folder_; }
    bool pending() const { return pending_.has_value(); }
    int writesDone() const { return writesDone_.load(); }
    int writesFailed() const { return writesFailed_.load(); }
    // Whether the drawing as it last changed is on the disk: false from a
    // failed write until a write succeeds (each change tries again).
    bool kept() const { return !pending_ && lastWriteOk_.load(); }
    // Called on this object's thread at the first failed write, once: the
    // folder and the system's reason.
    std::function<void(const QString& why)> onTrouble;

private:
    struct Snapshot {
        int width, height;
        std::vector<Colour> pixels;
        StepInfo info;
    };
    void startWrite();
    void write(const Snapshot& s);
    void wrote(bool ok, const QString& why);

    QString folder_;
    QTimer timer_;
    QThreadPool pool_;  // one thread: writes never overtake each other
    std::optional<Snapshot> pending_;
    std::atomic<int> writesDone_{0}, writesFailed_{0};
    std::atomic<bool> lastWriteOk_{true};
    bool told_ = false;
};

}  // namespace pintaloo
