// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A replay script read and checked whole before anything runs: one call a
// line, `#` comments, `dialog`, `wait`, `key`, `touch` and `pen` lines, and a recording's
// lines expanded into the calls they stand for. Every call is checked
// against the action table it will run on, so a bad line stops the script
// before the window has done anything.
//
//   const ReplayScript s = ReadReplayScript("a.txt", text, window.actions);
//   if (!s.error.isEmpty()) ... else for (const ReplayCall& c : s.calls) ...
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "ui/actions/action_hub.h"
#include "ui/story/recording_directives.h"

namespace pintaloo {

struct ReplayCall {
    int line = 0;
    QString name;
    QStringList args;
    std::vector<double> values;  // the arguments of an action, read once
    std::int64_t atMs = -1;      // a recorded call's time; -1 in a plain script
    ReplayStep step;             // a recording's `seed`, `start`, `picture` or `state`
};

struct ReplayScript {
    std::vector<ReplayCall> calls;
    QStringList notes;  // said about the script without stopping it, in order
    QString error;      // `SCRIPT:LINE: why` for the first bad line; empty when every line is good
};

// Longer pauses are refused rather than sat out.
constexpr int kLongestWaitMs = 60000;

// The lines of a recording the window carries out itself rather than as actions.
bool IsRecordingStep(const QString& name);

// `name` is the script's path, for the messages and nothing else.
ReplayScript ReadReplayScript(const QString& name, const QString& text, const ActionHub& actions);

}  // namespace pintaloo
