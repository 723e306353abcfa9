// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving the drawing as a bitmap file and opening a picture file as the page
// to paint on. A save never leaves a half-written file, a failed save says
// so, and a cancelled or failed open leaves the drawing exactly as it was.
#include <QDateTime>
#include <QImage>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>

#include "engine/canvas/picture.h"
#include "engine/canvas/surface.h"
#include "ui/actions/action_hub.h"
#include "ui/actions/painting.h"
#include "ui/actions/sound_player.h"
#include "ui/actions/spoken_language.h"
#include "ui/files/picture_reader.h"
#include "ui/files/picture_writer.h"
#include "ui/platform/services.h"

namespace pintaloo {

class DrawingFiles {
public:
    // What this part asks of its neighbours; the window connects each to
    // the part that does it (MainWindow::connectParts), and a test may put a
    // stand-in here.
    struct Needs {
        std::function<void(bool withClick)> closeAnimations;
        std::function<void()> closePagePicker;
        std::function<void(bool shown)> showWaitBox;
        std::function<bool()> waitsInRealTime;  // false in a window that plays a story: no wait notes
        std::function<void()> openGallery;      // open without file dialogs: the child's own drawings
    };
    Needs needs;

    DrawingFiles(ActionHub& actions, Painting& painting, const Services& services, const SoundPlayer& sounds,
                 SpokenLanguage& spoken, Needs wiring);

    void SaveDrawing(int button, double x, double y);  // save
    void OpenDrawing(int button, double x, double y);        // open
    // Where the settings allow no file dialogs, a save files the drawing
    // into the gallery as a new dated picture and an open shows the gallery.
    // The open command on this file without asking for it (a drawing taken
    // from the gallery): run through the hub, so it is one undo step and
    // the story records it as an open. False when it was refused.
    bool OpenFile(const QString& path);
    // Before the program ends: drawings no folder would take are in memory
    // only. The gallery is tried once more; for those still held the
    // parent hears how many and may save them (with the drawing) into a
    // folder they choose, asked again while some are left and they say yes.
    void offerHeldBeforeQuitting();

    // Where the save dialog starts: the gallery's dated name ("Drawing
    // 2026-12-09 10.15.png" in the child's language) in the gallery folder,
    // or in the folder used last when there is no gallery.
    static QString ProposedPath(const Services& services, const QDateTime& now, Language language);
    // The canvas as a picture, pixel for pixel.
    static QImage CanvasImage(const Surface& canvas);
    // The whole canvas as a 24-bit bitmap (or PNG, or JPEG at quality 95),
    // written beside the target and renamed over it only when complete.
    // False (with a reason) on failure.
    static bool SaveCanvas(const Surface& canvas, const QString& path, QString* error = nullptr,
                           SaveFormat format = SaveFormat::Bmp);
    // A picture file as canvas pixels (shrunk to fit, proportions kept,
    // where larger), or nothing for a file that is missing, damaged, not a
    // picture, or too large to decode safely.
    // `image` as it is when it fits in maxWidth x maxHeight, else shrunk
    // (smoothly, proportions kept) until it just fits.
    static QImage FitOnPage(const QImage& image, int maxWidth, int maxHeight);
    static std::optional<Picture> LoadPicture(const QString& path, int maxWidth, int maxHeight,
                                              PictureRefusal* why = nullptr,
                                              std::chrono::milliseconds limit = kOpenTimeLimit,
                                              const std::function<void(bool)>& waiting = {});

    // How long a picture may take to decode before it is given up on: far
    // more than the biggest ordinary photo needs, short enough that a
    // grown-up is still waiting.
    static constexpr std::chrono::milliseconds kOpenTimeLimit{8000};
    std::chrono::milliseconds openTimeLimit = kOpenTimeLimit;

    QString dialogFileName;  // what the last dialog left, the start of the next
    // The picture the last open put on the canvas; empty when that open was
    // cancelled or refused. Whoever follows the open asks this rather than
    // decoding the picture a second time.
    QString lastOpened;

private:
    void saveIntoGallery();
    ActionHub& actions_;
    Painting& painting_;
    const Services& services_;
    const SoundPlayer& sounds_;
    const SpokenLanguage& language_;
    std::optional<QString> given_;  // OpenFile's file, for the open it runs
};

}  // namespace pintaloo
