// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/language_look.h"

#include <QApplication>
#include <QFont>

namespace pintaloo {

void ApplyLanguageLook(Language language) {
    const Qt::LayoutDirection way = RightToLeft(language) ? Qt::RightToLeft : Qt::LeftToRight;
    if (QGuiApplication::layoutDirection() != way) QGuiApplication::setLayoutDirection(way);
    // The desktop's font as it was before any language touched it: the
    // script's family goes after the desktop's own, which keeps the Latin
    // letters, digits and the version number in it.
    static const QFont desktop = QApplication::font();
    QFont font = desktop;
    if (const QString family = ScriptFamily(language); !family.isEmpty()) font.setFamilies({desktop.family(), family});
    if (font != QApplication::font()) QApplication::setFont(font);
}

}  // namespace pintaloo
