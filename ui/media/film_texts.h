// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The film buttons' English texts from the text table, until the window's
// language reaches them through applyCaptions. Kept apart because the text
// table's names clash with the paint engine's.
#include <QString>

namespace pintaloo {

QString PlayFilmText();  // "Watch it again"
QString SaveFilmText();  // "Save the film"

}  // namespace pintaloo
