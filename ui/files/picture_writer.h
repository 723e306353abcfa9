// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which format a typed file name asks for, and writing the drawing in it
// without ever leaving half a file behind.
#include <QImage>
#include <QString>

#include "ui/words/language.h"

namespace pintaloo {

enum class SaveFormat { Bmp, Png, Jpeg, Unknown };

struct SaveTarget {
    QString path;       // the name typed, with ".bmp" added when it had no ending
    SaveFormat format;  // Unknown for an ending other than .bmp, .png, .jpg, .jpeg
};

SaveTarget ChooseSaveTarget(const QString& typed);

// The picture encoded in memory first, then written beside the target and
// renamed over it only when complete. On failure `error` says why in the
// system's words ("No space left on device"), and an earlier file stays.
bool WritePicture(const QImage& image, const SaveTarget& target, QString* error);

// The friendly words for an ending the program does not write.
QString UnknownEndingTitle(Language language = Language::English);
QString UnknownEndingText(const QString& typed, Language language = Language::English);

}  // namespace pintaloo
