// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/programs/start_choices.h"

namespace pintaloo {

Language StartLanguage(const CommandLineOptions& options, SettingsPort& settings, const EnvironmentReader& env) {
    // The school's language, when locked, over --lang too.
    if (settings.locked(SettingKey::Language)) return ChooseLanguage(QString(), settings.languageOverride(), env);
    if (const auto language = LanguageFromCode(options.lang)) settings.setLanguageOverride(LanguageCode(*language));
    return ChooseLanguage(options.lang, settings.languageOverride(), env);
}

bool StartFullScreen(const CommandLineOptions& options, const SettingsPort& settings) {
    if (settings.keepFullScreen()) return true;
    if (settings.locked(SettingKey::FullScreen)) return settings.fullScreen();
    return options.fullscreen || (!options.windowed && settings.fullScreen());
}

QStringList ApplyForThisRun(const CommandLineOptions& options, RunSettings& settings) {
    QStringList refused;
    for (const auto& [key, value] : options.forThisRun) {
        // The language is remembered (StartLanguage) and full screen chosen
        // at start (StartFullScreen); the rest hold for this run only.
        if (key == SettingKey::Language || key == SettingKey::FullScreen) {
            if (settings.locked(key)) refused << QString::fromLatin1(SettingName(key));
            continue;
        }
        if (!settings.setForThisRun(key, value)) refused << QString::fromLatin1(SettingName(key));
    }
    refused.removeDuplicates();
    return refused;
}

}  // namespace pintaloo
