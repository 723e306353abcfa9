// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/font_warm_up.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <system_error>

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

}  // namespace pintaloo
