// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include <gtest/gtest.h>

// The window is made of widgets, so one QApplication serves every test.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // No window on screen and no sound device, whatever the caller's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
