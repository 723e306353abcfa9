// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up time: the least a Qt Widgets program does to
// put a window of Pintaloo's size on the screen.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(827, 728);
    window.show();
    return app.exec();
}
