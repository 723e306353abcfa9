// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The role of a part that says something: the language the window speaks
// now (messages, dialogs' filters, help), and a call whenever it changes,
// so each part puts its own texts on its controls. Take it when the part
// shows or asks for any text.
//
//     language.whenLanguageChanges([this](Language l) { applyTexts(l); });
//     messages->tell(Text(TextId::SaveFailedTitle, language_.now()), ...);
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/words/language.h"

namespace pintaloo {

class SpokenLanguage {
public:
    // `now` is the window's own language, read at every call.
    explicit SpokenLanguage(const Language& now) : now_(now) {}
    SpokenLanguage(const SpokenLanguage&) = delete;
    SpokenLanguage& operator=(const SpokenLanguage&) = delete;

    Language now() const { return now_; }
    void whenLanguageChanges(std::function<void(Language)> apply) { listeners_.push_back(std::move(apply)); }
    // The window's call: every part applies the new language, in the order
    // the parts asked.
    void languageChanged(Language now) const {
        for (const auto& apply : listeners_) apply(now);
    }

private:
    const Language& now_;
    std::vector<std::function<void(Language)>> listeners_;
};

// Lays a panel's controls out right to left for a language written that
// way, and back: each direct child's place is mirrored across the panel, so
// what comes first (the first drawing, the page before) stands on the
// reading side. Call it whenever the language changes; it remembers which
// way the panel stands. The painting window itself is never mirrored.
void MirrorForLanguage(QWidget& panel, Language language);

}  // namespace pintaloo
