// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/help_link.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include "app/main_window.h"
#include "media/captions.h"
#include "media/help_pages.h"
#include "media/temp_folder.h"
#include "theme_colours.h"

namespace pintaloo {

const char* const kHelpAddress = ":/help/index.html";

HelpLink::HelpLink(MainWindow& w) : w_(w) {
    versionLine_ = new Box(&w, "lblInfo", {560, 712, 249, 17});
    versionLine_->setCaptionStyle(captionFont(), QColor(theme::OUTLINE), Qt::AlignRight | Qt::AlignVCenter);
    versionLine_->setCaption(firstCaption());
    versionLine_->setHandCursor(true);
    w.actions.bind(*versionLine_, BoxEvent::MouseMove, "lblInfo_MouseMove");
    w.actions.bind(*versionLine_, BoxEvent::MouseUp, "lblInfo_MouseUp");
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

void HelpLink::lblInfo_MouseMove(int, int, double, double) { w_.SetHandCursor(true); }

QString HelpLink::helpPageLocation() const {
    // A browser cannot read the program's embedded files, so the page in the
    // window's language is copied next to the sounds in the private temporary
    // folder, under its own name (a change of language copies another).
    if (!w_.services.temp) return {};
    const QString page = HelpPageFor(w_.language);
    const QString path = QString::fromStdString(w_.services.temp->path()) + QLatin1Char('/') +
                         (w_.language == Language::English ? QStringLiteral("help.html") : QFileInfo(page).fileName());
    if (!QFile::exists(path)) {
        QFile::copy(page, path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }
    return QFile::exists(path) ? QUrl::fromLocalFile(path).toString() : QString();
}

void HelpLink::lblInfo_MouseUp(int, int, double, double) {
    const QString location = helpPageLocation();
    if (!location.isEmpty() && w_.services.web) w_.services.web->open(location);
}

void HelpLink::applyCaptions(const CaptionTexts& texts) {
    if (const auto& t = texts[Caption::HelpLine]) versionLine_->setCaption(*t);
}

}  // namespace pintaloo
