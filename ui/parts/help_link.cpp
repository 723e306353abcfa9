// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/help_link.h"

#include "ui/actions/layout.h"
#include <algorithm>

#include "ui/words/texts.h"

#include "theme_colours.h"

namespace pintaloo {

namespace {
// The window's frame, drawn along its bottom edge (background.svg).
constexpr int kFrameRows = 3;
}  // namespace

HelpLink::HelpLink(WindowControls& c, const Services& services, SpokenLanguage& spoken)
    : c_(c), services_(services), language_(spoken) {
    versionLine_ = new Box(&c.window, "lblInfo", PlaceOf("FollowHelpLine"));
    // The line's place is fixed, and its box reaches one row past the
    // window's last and three into the frame: written in the full box, the
    // descenders of "p" and "y" and the underline were cut off. Its words
    // go in the rows above the frame, at the size that fits them there.
    const int hidden = versionLine_->geometry().bottom() + 1 - (c.window.height() - kFrameRows);
    versionLine_->setCaptionMargins({0, 0, 0, std::max(0, hidden)});
    // Hard by the window's corner in every language.
    versionLine_->setCaptionStyle(captionFont(), QColor(theme::OUTLINE),
                                  Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    versionLine_->setCaptionFitsByInk(true);
    versionLine_->setCaption(firstCaption());
    versionLine_->setHandCursor(true);
    c.actions.bind(*versionLine_, BoxEvent::MouseMove, "PointerOverHelpLine");
    c.actions.bind(*versionLine_, BoxEvent::MouseUp, "FollowHelpLine");
    spoken.whenLanguageChanges([this](Language language) { applyTexts(language); });
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

void HelpLink::PointerOverHelpLine(int, double, double) { c_.setHandCursor(true); }

void HelpLink::FollowHelpLine(int, double, double) {
    if (services_.help) services_.help->show(language_.now());
}

void HelpLink::applyTexts(Language language) {
    // The help line names the version it belongs to.
    versionLine_->setCaption(Text(TextId::HelpLine, language).arg(QStringLiteral(PINTALOO_VERSION)));
}

}  // namespace pintaloo
