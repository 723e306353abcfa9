// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own dialog words the program's dialogs show, translated in the
// program's files for languages Qt itself has no translation of.
#include <span>

namespace pintaloo {

struct DialogWord {
    const char* context;  // Qt's class, as Qt's translators name it
    const char* source;
};

std::span<const DialogWord> DialogWords();

}  // namespace pintaloo
