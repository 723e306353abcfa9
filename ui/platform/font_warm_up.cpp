// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/font_warm_up.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <iterator>
#include <system_error>
#include <utility>

namespace pintaloo {

// Painting text into a QImage is allowed off the main thread; the image is
// one line high and thrown away. Without a thread to spare the window simply
// sets the fonts up itself, as it always did.
FontWarmUp::FontWarmUp(const QFont& font, const QString& text) {
    try {
        worker_ = std::thread([font, text] {
            const QFontMetrics metrics(font);
            QImage line(std::max(1, metrics.horizontalAdvance(text)), std::max(1, metrics.height()),
                        QImage::Format_ARGB32_Premultiplied);
            line.fill(Qt::transparent);
            QPainter p(&line);
            p.setFont(font);
            p.drawText(line.rect(), Qt::AlignLeft | Qt::AlignVCenter, text);
        });
    } catch (const std::system_error&) {
        // no thread to spare: the first paint sets the fonts up, as before
    }
}

FontWarmUp::~FontWarmUp() {
    if (worker_.joinable()) worker_.join();
}

namespace {

// What a person does first. Not Enter or HoverEnter: X sends those when a
// window is mapped under the pointer, with nobody at the mouse.
constexpr QEvent::Type kFirstInput[] = {
    QEvent::MouseMove,
    QEvent::MouseButtonPress,
    QEvent::KeyPress,
    QEvent::Wheel,
    QEvent::TouchBegin,
    QEvent::TabletEnterProximity,
    QEvent::TabletMove,
    QEvent::TabletPress,
    QEvent::NonClientAreaMouseMove,
    QEvent::NonClientAreaMouseButtonPress,
};

}  // namespace

FontWarmUpOnFirstInput::FontWarmUpOnFirstInput(const QFont& font, QString text) : font_(font), text_(std::move(text)) {
    if (auto* app = QCoreApplication::instance()) app->installEventFilter(this);
}

FontWarmUpOnFirstInput::~FontWarmUpOnFirstInput() {
    if (auto* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

void FontWarmUpOnFirstInput::startNow() {
    if (warmUp_) return;
    if (auto* app = QCoreApplication::instance()) app->removeEventFilter(this);
    warmUp_.emplace(font_, text_);
}

bool FontWarmUpOnFirstInput::eventFilter(QObject* watched, QEvent* event) {
    if (std::find(std::begin(kFirstInput), std::end(kFirstInput), event->type()) != std::end(kFirstInput)) startNow();
    return QObject::eventFilter(watched, event);
}

}  // namespace pintaloo
