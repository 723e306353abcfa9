// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the command line and the remembered settings decide at start.
#include "ui/programs/command_line.h"
#include "ui/words/language.h"
#include "ui/platform/settings.h"

namespace pintaloo {

// Both read the options as ParseCommandLine gave them, so the program has
// one reading of its arguments and every spelling it takes counts here too.

// The language for this run (--lang, else the remembered choice, else the
// system). A usable --lang is remembered for the runs after it; an unknown
// one changes nothing.
Language StartLanguage(const CommandLineOptions& options, SettingsPort& settings, const EnvironmentReader& env);

// Full screen at start: asked for with --fullscreen, or left on last time
// unless --windowed says otherwise.
// Always when full screen is to be kept; as the school locked it, whatever
// the options say.
bool StartFullScreen(const CommandLineOptions& options, const SettingsPort& settings);

// Puts the options' settings over the kept ones for this run. The names of
// the locked keys an option asked to change (left as the school set them).
QStringList ApplyForThisRun(const CommandLineOptions& options, RunSettings& settings);

}  // namespace pintaloo
