// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the command line and the remembered settings decide at start.
#include <QStringList>

#include "app/language.h"
#include "app/settings.h"

namespace pintaloo {

// The language for this run (--lang, else the remembered choice, else the
// system). A usable --lang is remembered for the runs after it; an unknown
// one changes nothing.
Language StartLanguage(const QStringList& arguments, SettingsPort& settings, const EnvironmentReader& env);

// Full screen at start: asked for with --fullscreen, or left on last time.
bool StartFullScreen(const QStringList& arguments, const SettingsPort& settings);

}  // namespace pintaloo
