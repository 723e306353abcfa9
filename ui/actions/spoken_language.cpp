// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/actions/spoken_language.h"

#include <QVariant>

namespace pintaloo {

void MirrorForLanguage(QWidget& panel, Language language) {
    static const char* const kMirrored = "pintalooMirrored";
    const bool want = RightToLeft(language);
    if (panel.property(kMirrored).toBool() == want) return;
    panel.setProperty(kMirrored, want);
    for (QWidget* child : panel.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect r = child->geometry();
        child->move(panel.width() - r.x() - r.width(), r.y());
    }
}

}  // namespace pintaloo
