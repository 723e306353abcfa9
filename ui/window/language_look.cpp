// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/language_look.h"

#include <QApplication>
#include <QFont>

namespace pintaloo {

// Debian's fonts-dejavu-core and fonts-noto-cjk; when one is missing Qt
// skips the name and the desktop's fallback still finds some face with the
// glyphs. DejaVu Sans joins the Arabic letters as well as Noto Sans Arabic
// does, and its lines are two thirds as tall: Noto Sans Arabic's line, taken
// by every text in the family list, left the help line at the window's foot
// no size that fits.
QString ScriptFamily(Language language) {
    switch (language) {
        case Language::Arabic:
            return QStringLiteral("DejaVu Sans");
        case Language::Chinese:
            return QStringLiteral("Noto Sans CJK SC");
        case Language::Japanese:
            return QStringLiteral("Noto Sans CJK JP");
        case Language::Korean:
            return QStringLiteral("Noto Sans CJK KR");
        default:
            return {};
    }
}

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
