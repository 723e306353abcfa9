// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/help_link.h"


#include "ui/window/main_window.h"
#include "ui/parts/captions.h"
#include "theme_colours.h"

namespace pintaloo {

HelpLink::HelpLink(MainWindow& w) : w_(w) {
    versionLine_ = new Box(&w, "lblInfo", {560, 712, 249, 17});
    versionLine_->setCaptionStyle(captionFont(), QColor(theme::OUTLINE), Qt::AlignRight | Qt::AlignVCenter);
    versionLine_->setCaption(firstCaption());
    versionLine_->setHandCursor(true);
    w.actions.bind(*versionLine_, BoxEvent::MouseMove, "PointerOverHelpLine");
    w.actions.bind(*versionLine_, BoxEvent::MouseUp, "FollowHelpLine");
}

QFont HelpLink::captionFont() {
    QFont f;
    f.setPixelSize(12);
    f.setUnderline(true);
    return f;
}

QString HelpLink::firstCaption() {
    return QStringLiteral("Pintaloo %1 · help and about").arg(QStringLiteral(PINTALOO_VERSION));
}

void HelpLink::PointerOverHelpLine(int, double, double) { w_.SetHandCursor(true); }

void HelpLink::FollowHelpLine(int, double, double) {
    if (w_.services.help) w_.services.help->show(w_.language);
}

void HelpLink::applyCaptions(const CaptionTexts& texts) {
    if (const auto& t = texts[Caption::HelpLine]) versionLine_->setCaption(*t);
}

}  // namespace pintaloo
