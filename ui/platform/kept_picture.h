// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small picture kept in a file of the user's cache folder, with a key that
// says exactly what it shows (the words, the language, the version, the font
// set-up). The window draws its first frame's words from it, so that frame
// need not wait for the font configuration to be read.
//
// The file is anyone's: it is used only when it is a regular file (not a
// link), no bigger than a picture of that size could be, of exactly the
// size asked for, and carries exactly the key asked for. Anything else
// reads as no picture, and the caller draws as it would without one.
#include <QImage>
#include <QString>

namespace pintaloo {

// The picture at `path` when it holds `key` and measures `pixels`; a null
// image otherwise.
QImage ReadKeptPicture(const QString& path, const QString& key, QSize pixels);

// Writes `image` with `key` to `path` through a new file renamed into place:
// a link standing at `path` is replaced, never followed. The folder is made
// (private) when missing. False when nothing could be written.
bool KeepPicture(const QString& path, const QString& key, const QImage& image);

// What the installed fonts and their configuration look like from outside,
// without reading them: the change times of the configuration and of
// fontconfig's caches (rewritten whenever fonts are added or removed), and
// the variables that point fontconfig elsewhere. Part of a key, so words
// drawn with fonts since changed are drawn again.
QString FontSetupStamp();

}  // namespace pintaloo
