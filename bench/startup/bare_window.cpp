// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up time: the least a Qt Widgets program does to
// put a window of Pintaloo's size on the screen.
//
// Built with WIDGETS defined (a number), the second yardstick: the same
// window with that many small controls on it, each a picture with a tool
// tip, a name for screen readers and a hand for a pointer, as most of
// Pintaloo's buttons have. What a window of that many controls costs in Qt
// alone, before any program of its own runs.
#include <QApplication>
#include <QWidget>
#ifdef WIDGETS
#include <QColor>
#include <QLabel>
#include <QPixmap>
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
#ifdef WIDGETS
    window.setWindowTitle(QStringLiteral("Widgets window"));
    for (int i = 0; i < WIDGETS; ++i) {
        auto* control = new QLabel(&window);
        QPixmap face(40, 40);
        face.fill(QColor::fromHsv((i * 37) % 360, 160, 230));
        control->setPixmap(face);
        control->setGeometry(10 + (i % 18) * 45, 10 + (i / 18) * 45, 40, 40);
        control->setToolTip(QStringLiteral("Control %1").arg(i));
        control->setAccessibleName(QStringLiteral("Control %1").arg(i));
        control->setCursor(Qt::PointingHandCursor);
    }
#else
    window.setWindowTitle(QStringLiteral("Bare window"));
#endif
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(827, 728);
    window.show();
    return app.exec();
}
