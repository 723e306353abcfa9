// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/start_choices.h"

namespace pintaloo {

Language StartLanguage(const QStringList& arguments, SettingsPort& settings, const EnvironmentReader& env) {
    if (const auto given = LanguageArgument(arguments)) {
        if (const auto language = LanguageFromCode(*given)) settings.setLanguageOverride(LanguageCode(*language));
    }
    return ChooseLanguage(arguments, settings.languageOverride(), env);
}

bool StartFullScreen(const QStringList& arguments, const SettingsPort& settings) {
    return arguments.contains(QStringLiteral("--fullscreen")) || settings.fullScreen();
}

}  // namespace pintaloo
