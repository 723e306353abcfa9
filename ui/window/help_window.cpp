// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/help_window.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/words/help_pages.h"
#include "ui/window/window_actions.h"
#include "ui/words/texts.h"
#include "theme_colours.h"

namespace pintaloo {

namespace {

QString Css(unsigned int rgb) { return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0')); }

// The look of the panels over the canvas: off-white paper in the blue
// frame, and a big yellow button a small hand cannot miss.
QString Style() {
    return QStringLiteral("QWidget#helpWindow { background: %1; border: 3px solid %2; }"
                          "QTextBrowser { background: %1; border: 2px solid %3; border-radius: 10px;"
                          "  color: %4; padding: 6px; }"
                          "QPushButton { background: %5; color: %4; border: 3px solid %4; border-radius: 14px;"
                          "  font-size: 22px; font-weight: bold; padding: 8px 32px; min-height: 40px; }"
                          "QPushButton:hover { background: #ffe699; }")
        .arg(Css(theme::OFF_WHITE), Css(theme::FRAME_BLUE), Css(theme::CANVAS_EDGE), Css(theme::OUTLINE),
             Css(theme::BUTTON_YELLOW));
}

}  // namespace

HelpWindows::~HelpWindows() { delete window_.data(); }

void HelpWindows::show(Language language) {
    QWidget* owner = owner_ ? owner_() : nullptr;
    if (!window_ || window_->parentWidget() != owner) {
        delete window_.data();
        // A window of its own (Qt::Window) over its owner, never inside the
        // view that scales the drawing window.
        window_ = new QWidget(owner, Qt::Window | Qt::BypassGraphicsProxyWidget);
        window_->setObjectName(QStringLiteral("helpWindow"));
        window_->setAttribute(Qt::WA_DeleteOnClose);
        window_->setStyleSheet(Style());
        auto* layout = new QVBoxLayout(window_);
        layout->setContentsMargins(14, 14, 14, 14);
        layout->setSpacing(12);
        auto* page = new QTextBrowser(window_);
        page->setObjectName(QStringLiteral("helpPage"));
        // The pages' own anchors move within them; an address outside goes
        // to a browser when there is one and is harmless when not.
        page->setOpenExternalLinks(true);
        layout->addWidget(page, 1);
        auto* close = new QPushButton(window_);
        close->setObjectName(QStringLiteral("helpClose"));
        close->setCursor(Qt::PointingHandCursor);
        close->setAutoDefault(false);
        layout->addWidget(close, 0, Qt::AlignHCenter);
        QObject::connect(close, &QPushButton::clicked, window_, &QWidget::close);
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window_);
        QObject::connect(escape, &QShortcut::activated, window_, &QWidget::close);
        // Big enough to read, never bigger than the screen.
        QSize size(720, 600);
        if (const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
            size = size.boundedTo(screen->availableGeometry().size() * 0.9);
        window_->resize(size);
        if (owner) window_->move(owner->geometry().center() - window_->rect().center());
    }
    window_->setWindowTitle(Text(TextId::HelpAbout, language));  // Qt adds " — Pintaloo"
    window_->findChild<QPushButton*>(QStringLiteral("helpClose"))->setText(Text(TextId::CloseWindow, language));
    window_->findChild<QTextBrowser*>(QStringLiteral("helpPage"))->setHtml(HelpPageHtml(language, HelpKeys(language)));
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace pintaloo
