// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's pictures, drawn from the SVG sources embedded in it. Each
// picture is rendered the first time it is needed, at the size the window
// shows it (times the screen's pixel ratio, so it stays crisp on a
// high-density screen), and kept for the rest of the run.
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>

#include "canvas/picture.h"

namespace pintaloo {

class ArtStore {
public:
    static ArtStore& instance();

    // ":/art/ui/tool_pencil.svg" style paths.
    QPixmap pixmap(const QString& path, QSize size, qreal devicePixelRatio = 0);
    // The same picture lighter and a little washed out: a hovered tool button.
    QPixmap faded(const QString& path, QSize size, qreal devicePixelRatio = 0);
    // The same picture lit up: brighter and a little more colourful, dark
    // outlines kept dark (a hover face that invites, never one that looks off).
    QPixmap brighter(const QString& path, QSize size, qreal devicePixelRatio = 0);
    // Exactly size pixels on `background` (for pictures the painters copy).
    static QImage render(const QString& path, QSize size, QColor background = Qt::white, bool antialias = true);
    // The engine's layout of an image (0x00BBGGRR).
    static Picture toPicture(const QImage& image);
    static QImage fromPicture(const Picture& picture);

private:
    QHash<QString, QPixmap> cache_;
};

qreal ScreenPixelRatio();

}  // namespace pintaloo
