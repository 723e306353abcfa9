// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines a recording adds to replay scripts, for the replay tool:
//
//   start blank | start page N | start picture FILE
//   at MS          seed N          moves B X Y dx,dy[,dt] ...
//   picture FILE   state N ...
//
// `moves` stands for the canvas mouse moves it packs, `at` only moves the
// clock on, `seed`, `start`, `picture` and `state` are steps the window
// carries out through RecordingHooks.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/recording/recorded_call.h"
#include "engine/recording/recording_reader.h"

namespace pintaloo {

struct ReplayStep {
    std::int64_t atMs = 0;  // since the recording began
    QString name;           // a handler, or "seed", "start", "picture", "state" or "choices"
    QStringList args;       // numbers, written so they read back exactly
    RecordingStart start;   // for "start", and "picture" (its file as a start picture)
};

class RecordingDirectives {
public:
    // Whether the line's first word is start, at, moves or seed.
    static bool Handles(const QString& line);

    // Reads one such line, appending the steps it stands for. False, with a
    // reason and nothing appended, for a malformed one (or a second start).
    bool Expand(const QString& line, std::vector<ReplayStep>& out, QString* error = nullptr);

    // The time the last `at` or `moves` reached.
    std::int64_t now() const { return reader_.now(); }

private:
    RecordingReader reader_;
};

// The window's side of `seed` and `start`.
struct RecordingHooks {
    std::function<void(std::uint32_t)> reseed;                         // seed N
    std::function<bool(const RecordingStart&, QString* error)> begin;  // a blank page, page N, or the picture
    std::function<bool(const RecordingStart&, QString* error)> picture;  // the next open answers this file
    std::function<bool(const std::vector<double>&)> state;               // the editor state from here
    std::function<bool(const std::vector<double>&)> choices;             // the same, undo going on
};

// Carries out a "seed", "start", "picture", "state" or "choices" step. False, with the reason, for another
// name, a hook left empty, or a start the window refuses.
bool RunRecordingStep(const ReplayStep& step, const RecordingHooks& hooks, QString* error = nullptr);

// Where the picture of `start picture FILE` is: beside the script, unless
// the name is a whole path.
QString PictureBeside(const QString& scriptPath, const RecordingStart& start);

}  // namespace pintaloo
