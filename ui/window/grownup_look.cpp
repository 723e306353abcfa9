// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/grownup_look.h"

#include <QPainter>

namespace pintaloo {

QString GrownUpStyleSheet() {
    return QStringLiteral(R"(
QDialog { background: #fff4dc; }
QLabel { font-size: 22px; color: #1d2340; }
QLabel#heading { font-size: 30px; font-weight: bold; color: #3c4a8c; }
QLabel#sum { font-size: 52px; font-weight: bold; color: #d2452f; }
QLabel#folder { font-size: 20px; background: #fafaf6; border: 3px solid #1d2340; border-radius: 14px; padding: 12px; }
QLabel#school { font-size: 17px; color: #8a6d3b; }
QLabel:disabled { color: #8f8a80; }
QLineEdit { font-size: 40px; font-weight: bold; color: #1d2340; border: 3px solid #1d2340; border-radius: 14px;
            padding: 4px 10px; background: #fafaf6; min-width: 170px; max-width: 240px; }
QLineEdit:disabled { background: #e8e4da; }
QPushButton { font-size: 22px; color: #1d2340; border: 3px solid #1d2340; border-radius: 18px;
              padding: 10px 24px; background: #ffd666; min-height: 36px; }
QPushButton:hover { background: #ffc233; }
QPushButton:pressed { background: #ffb347; }
QPushButton:disabled { background: #e8e4da; color: #a09a90; border-color: #b8b2a8; }
QPushButton[role="digit"] { font-size: 32px; font-weight: bold; background: #bfe3ff; padding: 4px; border-radius: 20px; }
QPushButton[role="digit"]:hover { background: #9fd3ff; }
QPushButton[role="go"] { background: #8fe08a; font-weight: bold; }
QPushButton[role="go"]:hover { background: #74d46e; }
QPushButton[role="stop"] { background: #ffc7cb; }
QPushButton[role="stop"]:hover { background: #ffaab0; }
QPushButton[role="choice"] { background: #fafaf6; padding: 12px 18px; border-radius: 16px; }
QPushButton[role="choice"]:checked { background: #ffd666; border-width: 4px; font-weight: bold; }
QPushButton[role="choice"]:checked:disabled { background: #ece3c6; color: #8f8a80; }
QListWidget#pages { background: #3c4a8c; border: none; outline: none; font-size: 22px; font-weight: bold;
                    color: #fafaf6; padding: 10px 6px; }
QListWidget#pages::item { padding: 10px 12px; border-radius: 18px; margin: 3px 4px; }
QListWidget#pages::item:hover { background: #4f5fa6; }
QListWidget#pages::item:selected { background: #ffd666; color: #1d2340; }
QWidget[card="true"] { background: #fffdf5; border: 2px solid #ecd9ae; border-radius: 22px; }
QScrollArea, QScrollArea > QWidget > QWidget { background: transparent; border: none; }
)");
}

BigSwitch::BigSwitch(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
}

QSize BigSwitch::sizeHint() const { return {96, 52}; }

void BigSwitch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(2, 2, -2, -2);
    const double r = track.height() / 2;
    const bool on = isChecked();
    const QColor fill = !isEnabled() ? QColor(0xd8d3c8) : on ? QColor(0x58c453) : QColor(0xc9c4d8);
    p.setPen(QPen(isEnabled() ? QColor(0x1d2340) : QColor(0xa09a90), 3));
    p.setBrush(fill);
    p.drawRoundedRect(track, r, r);
    // The knob goes the way the language reads when on.
    const bool knobRight = on != (layoutDirection() == Qt::RightToLeft);
    const double d = track.height() - 10;
    const QRectF knob(knobRight ? track.right() - 5 - d : track.left() + 5, track.top() + 5, d, d);
    p.setBrush(QColor(0xfafaf6));
    p.setPen(QPen(isEnabled() ? QColor(0x1d2340) : QColor(0xa09a90), 2.5));
    p.drawEllipse(knob);
    if (hasFocus()) {
        p.setPen(QPen(QColor(0xff9418), 2, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), r + 2, r + 2);
    }
}

}  // namespace pintaloo
