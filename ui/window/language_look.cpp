// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/language_look.h"

#include <QApplication>
#include <QFont>
#include <QProxyStyle>
#include <QStyleFactory>

namespace pintaloo {

namespace {

// Right to left, Qt's style lays a dialog button's icon and word out past
// the button's edge, and the word loses letters (Cancel in the Arabic save
// dialog). Without the icon the word is centred and whole; the look is
// otherwise the desktop's style, untouched.
class WordsOnlyDialogButtons final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* answer) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
        return QProxyStyle::styleHint(hint, option, widget, answer);
    }
};

void FitDialogButtons(Qt::LayoutDirection way) {
    QStyle* now = QApplication::style();
    auto* ours = dynamic_cast<WordsOnlyDialogButtons*>(now);
    if ((way == Qt::RightToLeft) == (ours != nullptr)) return;
    // The application deletes the style it gives up: each is made afresh,
    // by the name of the style under any proxy.
    const auto* proxy = qobject_cast<const QProxyStyle*>(now);
    const QString name = proxy ? proxy->baseStyle()->name() : now->name();
    QStyle* plain = QStyleFactory::create(name);
    if (!plain) return;
    QApplication::setStyle(way == Qt::RightToLeft ? new WordsOnlyDialogButtons(plain) : plain);
}

}  // namespace

void ApplyLanguageLook(Language language) {
    const Qt::LayoutDirection way = RightToLeft(language) ? Qt::RightToLeft : Qt::LeftToRight;
    if (QGuiApplication::layoutDirection() != way) QGuiApplication::setLayoutDirection(way);
    FitDialogButtons(way);
    // The desktop's font as it was before any language touched it: the
    // script's family goes after the desktop's own, which keeps the Latin
    // letters, digits and the version number in it.
    static const QFont desktop = QApplication::font();
    QFont font = desktop;
    if (const QString family = ScriptFamily(language); !family.isEmpty()) font.setFamilies({desktop.family(), family});
    if (font != QApplication::font()) QApplication::setFont(font);
}

}  // namespace pintaloo
