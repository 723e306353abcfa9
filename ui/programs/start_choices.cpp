// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/programs/start_choices.h"

namespace pintaloo {

Language StartLanguage(const CommandLineOptions& options, SettingsPort& settings, const EnvironmentReader& env) {
    if (const auto language = LanguageFromCode(options.lang)) settings.setLanguageOverride(LanguageCode(*language));
    return ChooseLanguage(options.lang, settings.languageOverride(), env);
}

bool StartFullScreen(const CommandLineOptions& options, const SettingsPort& settings) {
    return options.fullscreen || (!options.windowed && settings.fullScreen());
}

}  // namespace pintaloo
