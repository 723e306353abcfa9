// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/help_link.h"

#include <QFile>
#include <QUrl>

#include "app/main_window.h"
#include "media/temp_folder.h"
#include "theme_colours.h"

namespace pintaloo {

const char* const kHelpAddress = ":/help/index.html";

HelpLink::HelpLink(MainWindow& w) : w_(w) {
    lblInfo = new Box(&w, "lblInfo", {560, 712, 249, 17});
    QFont f;
    f.setPixelSize(12);
    f.setUnderline(true);
    lblInfo->setCaptionStyle(f, QColor(theme::OUTLINE), Qt::AlignRight | Qt::AlignVCenter);
    lblInfo->setCaption(QStringLiteral("Pintaloo %1 · help and about").arg(QStringLiteral(PINTALOO_VERSION)));
    lblInfo->setHandCursor(true);
    w.actions.bind(*lblInfo, BoxEvent::MouseMove, "lblInfo_MouseMove");
    w.actions.bind(*lblInfo, BoxEvent::MouseUp, "lblInfo_MouseUp");
}

void HelpLink::lblInfo_MouseMove(int, int, double, double) { w_.SetHandCursor(true); }

QString HelpLink::helpPageLocation() const {
    // A browser cannot read the program's embedded files, so the page is
    // copied next to the sounds in the private temporary folder.
    if (!w_.services.temp) return {};
    const QString path = QString::fromStdString(w_.services.temp->path()) + QStringLiteral("/help.html");
    if (!QFile::exists(path)) {
        QFile::copy(QString::fromLatin1(kHelpAddress), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }
    return QFile::exists(path) ? QUrl::fromLocalFile(path).toString() : QString();
}

void HelpLink::lblInfo_MouseUp(int, int, double, double) {
    const QString location = helpPageLocation();
    if (!location.isEmpty() && w_.services.web) w_.services.web->open(location);
}

}  // namespace pintaloo
