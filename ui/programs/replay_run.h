// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The replay tool's work without its command line (replay_main.cpp keeps
// only that), so a test or a fuzz target runs script text in-process.
// Reading and checking are replay_script.h's; this runs what they accepted.
// Needs a QApplication.
//
//   QTextStream in(&scriptBytes);
//   const int status = pintaloo::RunReplay("script.txt", in, {});
#include <QString>
#include <QTextStream>

namespace pintaloo {

class StampLibraryPort;

// Files to write once the script has run; an empty path writes nothing.
struct ReplayOutputs {
    QString canvas;    // the drawing as a 24-bit BMP
    QString state;     // editor state and every control's properties
    QString sounds;    // every sound request
    QString window;    // a picture of the whole window
    QString print;     // where printing writes its one-page PDF (empty: printing does nothing)
    QString stateDir;  // the folder the drawing and its story are kept in (empty: nothing kept, nothing read)
    QString film;      // the film of the run, as an animated WebP
    QString picturesDir;  // the gallery folder replaced drawings are filed into (empty: none, nothing filed)
    // A settings file whose children are read (empty: none). With two or
    // more, each child's drawings are kept under stateDir and picturesDir,
    // which must both be given, as the program keeps them.
    QString settings;
    // Not an output: the stamp collections the run paints from (none: the installed ones).
    StampLibraryPort* stamps = nullptr;
};

// Reads and checks the whole script, then runs it on a fresh window.
// 0 when done, 1 when an output could not be written, 2 for a bad line
// (reported on stderr as `SCRIPT:LINE: why`, nothing run or written).
int RunReplay(const QString& script, QTextStream& in, const ReplayOutputs& outputs);

}  // namespace pintaloo
