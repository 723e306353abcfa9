// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture a story starts with, opened as the user opened it: through
// the window's own open action, its dialog answered with the picture's
// path. The story player and the replay tool both begin stories this way,
// so a story replays to the canvas it recorded wherever it is played.
#include <QString>
#include <functional>

namespace pintaloo {

class StoryWindow;

// Whether `path` opens as a picture on the window's page; the reason otherwise.
bool StartPictureOpens(const StoryWindow& window, const QString& path, QString* why);

// Opens `path` with the open action (`answer` queues it for the open
// dialog) and begins undo there, as it began where the story was recorded.
// Undo begins there even when the action refuses (false, with its reason):
// check StartPictureOpens first.
bool OpenStartPicture(StoryWindow& window, const QString& path, const std::function<void(const QString&)>& answer,
                      QString* why);

}  // namespace pintaloo
