// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A plain-text picture of the editor state and of every named control, one
// `Name=Value` line each, for the replay tool and the tests.
#include <QString>
#include <QStringList>

namespace pintaloo {

class MainWindow;

QStringList DumpState(const MainWindow& w);

}  // namespace pintaloo
