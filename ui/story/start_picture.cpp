// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/story/start_picture.h"

#include <string>

#include "engine/canvas/surface.h"
#include "ui/actions/action_hub.h"
#include "ui/parts/drawing_files.h"
#include "ui/story/story_window.h"

namespace pintaloo {

// Decoded once here to refuse early with a plain reason; the open action
// decodes it again, which costs a start picture's decoding twice, once a story.
bool StartPictureOpens(const StoryWindow& window, const QString& path, QString* why) {
    if (DrawingFiles::LoadPicture(path, window.canvas().width(), window.canvas().height())) return true;
    if (why) *why = QStringLiteral("the picture %1 is missing or cannot be read").arg(path);
    return false;
}

bool OpenStartPicture(StoryWindow& window, const QString& path, const std::function<void(const QString&)>& answer,
                      QString* why) {
    answer(path);
    std::string error;
    const bool ran = window.actions().run("OpenDrawing", {1, 0, 0}, &error);
    if (!ran && why) *why = QString::fromStdString(error);
    window.beginUndoHere();
    return ran;
}

}  // namespace pintaloo
