// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace pintaloo {

// What the command line asks of this run. Everything is optional: a child's
// launcher starts the program with no arguments at all.
struct CommandLineOptions {
    bool fullscreen = false;  // --fullscreen
    bool windowed = false;    // --windowed
    bool nosound = false;     // --nosound: no sound device is opened
    QString lang;             // --lang CODE: one of LanguageCodes(), empty when not given
    int scanSeconds = 0;      // --scan [SECONDS]: switch scanning every 1..5 seconds (2 when not said); 0 off
    bool twoSwitches = false; // --two-switches: one switch moves, the other presses
};

// The outcome of reading the arguments. For Help, Version and Error the
// program prints `text` (to standard output for the first two, standard
// error for Error) and ends with `exitCode` without opening a window.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    CommandLineOptions options;
    QString text;
    int exitCode = 0;
};

// The interface languages, in the order the help lists them.
const QStringList& LanguageCodes();

// Reads `arguments` (the program's name first, as argv gives it). Needs no
// QCoreApplication, so --help and --version work without a display.
// Misuse ends with exit status 2, the usual one for a bad command line.
CommandLine ParseCommandLine(const QStringList& arguments, const QString& version);

// Runs `parsed` up to the point where the window would start: prints the
// help, version or error. Returns -1 when the program should go on, or the
// exit status to end with.
int FinishCommandLine(const CommandLine& parsed);

}  // namespace pintaloo
