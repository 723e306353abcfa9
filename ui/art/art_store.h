// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's pictures, drawn from the SVG sources embedded in it. Each
// picture is rendered the first time it is needed, at the size the window
// shows it (times the screen's pixel ratio, so it stays crisp on a
// high-density screen), and kept for the rest of the run. The pictures the
// window shows at start were drawn by the build at their 1x size
// (ui/CMakeLists.txt) and are taken from the program file instead: drawing
// them here cost a noticeable part of the start.
#include <QHash>
#include <QImage>
#include <QLatin1String>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <span>

#include "engine/canvas/picture.h"
#include "ui/art/backdrop.h"

namespace pintaloo {

class ArtStore {
public:
    static ArtStore& instance();

    // ":/art/ui/tool_pencil.svg" style paths.
    QPixmap pixmap(const QString& path, QSize size, qreal devicePixelRatio = 0);
    // A large picture shown as it is, such as the window's background. When
    // the build drew it at exactly this size, its rows are shown straight
    // from the program file, costing no memory of their own.
    const Backdrop& backdrop(const QString& path, QSize size, qreal devicePixelRatio = 0);
    // The same picture lighter and a little washed out: a hovered tool button.
    QPixmap faded(const QString& path, QSize size, qreal devicePixelRatio = 0);
    // The same picture lit up: brighter and a little more colourful, dark
    // outlines kept dark (a hover face that invites, never one that looks off).
    QPixmap brighter(const QString& path, QSize size, qreal devicePixelRatio = 0);
    // The lit picture pressed in a frame (resources/face_effects.h): the
    // tool in use. Drawn by the build at 1x, like the start's other art.
    QPixmap pressed(const QString& path, QSize size, qreal devicePixelRatio = 0);
    // Exactly size pixels on `background` (for pictures the painters copy).
    static QImage render(const QString& path, QSize size, QColor background = Qt::white, bool antialias = true);
    // The engine's layout of an image (0x00BBGGRR).
    static Picture toPicture(const QImage& image);

    // "path@WIDTHxHEIGHT" of every picture drawn from its SVG in this run,
    // in order: the ones the build did not draw beforehand.
    const QStringList& drawnFromSvg() const { return drawnFromSvg_; }

private:
    QImage drawSvg(const QString& path, QSize pixels);

    QHash<QString, QPixmap> cache_;
    QHash<QString, Backdrop> backdrops_;
    QStringList drawnFromSvg_;
};

qreal ScreenPixelRatio();

// The pixels the build drew of `path` (":/art/ui/clock.svg") at exactly
// `size`, in `variant` ("-pressed") when given, as they lie in the program
// file; empty when the build drew none.
std::span<const unsigned char> PrerenderedBytes(const QString& path, QSize size, QLatin1String variant = {});

// Pixels in the engine's layout (a canvas, a picture, a kept snapshot), row
// by row from the top, as an RGB32 image: every place that shows, saves,
// films or keeps a canvas goes through here.
QImage ColoursToImage(const Colour* pixels, int width, int height);

}  // namespace pintaloo
