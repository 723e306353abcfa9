// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <utility>
#include <vector>

#include "ui/platform/settings.h"

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
    // Every setting the options ask of this run, in the order given by the
    // table of options: each one a key and its value. They go over the kept
    // settings for this run only (RunSettings), never over a locked key.
    std::vector<std::pair<SettingKey, QVariant>> forThisRun;
};

// One row of the table the parser, the help and the manual page's list of
// options come from: an option, what it does, and the settings it sets.
struct OptionRow {
    QStringList names;
    const char* help;
    const char* valueName;  // for an option that takes a value, else null
    // The keys it sets; a value left invalid is the option's own argument.
    std::vector<std::pair<SettingKey, QVariant>> sets;
};
const std::vector<OptionRow>& OptionTable();

// The option a key is set with, and the one that undoes it, for the
// grown-up's messages ("--noprint"); empty for a key no option sets.
QString OptionFor(SettingKey key, const QVariant& value);

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
