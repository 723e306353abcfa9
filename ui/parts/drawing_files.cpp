// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/drawing_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/files/gallery_folder.h"
#include "ui/platform/gallery_port.h"
#include "ui/platform/settings.h"
#include "ui/words/texts.h"
#include "ui/art/art_store.h"

namespace pintaloo {

DrawingFiles::DrawingFiles(ActionHub& actions, Painting& painting, const Services& services, const SoundPlayer& sounds,
                           SpokenLanguage& spoken, Needs wiring)
    : needs(std::move(wiring)),
      actions_(actions),
      painting_(painting),
      services_(services),
      sounds_(sounds),
      language_(spoken) {}

namespace {
// Where the save and open dialogs start: the folder used last time (kept
// between runs), else Pictures, else home.
QString StartFolder(const Services& services) {
    if (services.settings) {
        const QString last = services.settings->lastFolder();
        if (!last.isEmpty() && QDir(last).exists()) return last;
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    return folder;
}

void RememberFolder(const Services& services, const QString& file) {
    if (services.settings) services.settings->setLastFolder(QFileInfo(file).absolutePath());
}
}  // namespace

QString DrawingFiles::ProposedPath(const Services& services, const QDateTime& now, Language language) {
    QString folder = StartFolder(services);
    // The gallery folder is made here when missing, so the dialog opens in
    // it; one that cannot be made (a file stands there) leaves the last one.
    if (services.gallery && QDir().mkpath(services.gallery->folder())) folder = services.gallery->folder();
    return QDir(folder).filePath(GalleryFolder::DatedName(now, language));
}

// In 24 bits, the layout the writers have always been given (a BMP's bytes depend on it).
QImage DrawingFiles::CanvasImage(const Surface& canvas) {
    return ColoursToImage(canvas.data(), canvas.width(), canvas.height()).convertToFormat(QImage::Format_RGB888);
}

bool DrawingFiles::SaveCanvas(const Surface& canvas, const QString& path, QString* error, SaveFormat format) {
    return WritePicture(CanvasImage(canvas), {path, format}, error);
}

// A photo is nearly always larger than the page; its top-left corner alone
// was a puzzle to a child. Smooth scaling takes 60 to 160 ms for a 12- or
// 40-megapixel picture (the reader's largest) on a busy two-core machine,
// small beside its decoding; a picture that fits is taken as it is, pixel
// for pixel.
QImage DrawingFiles::FitOnPage(const QImage& image, int maxWidth, int maxHeight) {
    if (image.width() <= maxWidth && image.height() <= maxHeight) return image;
    // A sliver (20000 x 2) keeps at least one pixel across.
    const double f = std::min(double(maxWidth) / image.width(), double(maxHeight) / image.height());
    const int w = std::clamp(int(std::lround(image.width() * f)), 1, std::max(1, maxWidth));
    const int h = std::clamp(int(std::lround(image.height() * f)), 1, std::max(1, maxHeight));
    return image.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

std::optional<Picture> DrawingFiles::LoadPicture(const QString& path, int maxWidth, int maxHeight, PictureRefusal* why,
                                                 std::chrono::milliseconds limit,
                                                 const std::function<void(bool)>& waiting) {
    PictureResult opened = OpenPicture(path, limit, waiting);
    if (why) *why = opened.refusal;
    if (opened.refusal != PictureRefusal::None) return std::nullopt;
    QImage image = std::move(opened.image);
    if (image.format() == QImage::Format_Indexed8) image.setColorCount(256);  // stray indices stay inside the table
    image = FitOnPage(image, maxWidth, maxHeight).convertToFormat(QImage::Format_ARGB32);
    // Transparent parts of a picture show the paper.
    QImage onPaper(image.size(), QImage::Format_RGB32);
    onPaper.fill(Qt::white);
    {
        QPainter p(&onPaper);
        p.drawImage(0, 0, image);
    }
    return ArtStore::toPicture(onPaper);
}

void DrawingFiles::SaveDrawing(int button, double, double) {
    if (button != 1) return;
    needs.closeAnimations(true);
    if (services_.settings && services_.settings->noFileDialogs()) {
        saveIntoGallery();
        return;
    }
    if (!services_.dialog) return;
    const auto chosen = services_.dialog->saveFileName(
        Text(TextId::SaveDrawing, language_.now()),
        ProposedPath(services_, QDateTime::currentDateTime(), language_.now()), SaveFilter(language_.now()));
    if (!chosen || chosen->isEmpty()) return;  // cancelled: nothing is written
    dialogFileName = *chosen;
    RememberFolder(services_, *chosen);
    const SaveTarget target = ChooseSaveTarget(*chosen);
    if (target.format == SaveFormat::Unknown) {
        if (services_.messages)
            services_.messages->tell(UnknownEndingTitle(language_.now()), UnknownEndingText(*chosen, language_.now()));
        return;
    }
    const QImage image = CanvasImage(painting_.canvas);
    GalleryPort* const gallery = services_.gallery;
    const QString folder = QFileInfo(target.path).absolutePath();
    // Into the gallery itself only once: when it holds these pixels under
    // another name, that drawing is this one and nothing more is written.
    // A folder the parent chose elsewhere always gets its copy.
    const bool intoGallery = gallery && target.format == SaveFormat::Png && QDir(folder) == QDir(gallery->folder());
    const QString there = intoGallery ? gallery->holding(image) : QString();
    if (there.isEmpty() || QFileInfo(there) == QFileInfo(target.path)) {
        QString why;
        if (!WritePicture(image, {target.path, target.format}, &why)) {
            if (services_.messages)
                services_.messages->tell(
                    Text(TextId::SaveFailedTitle, language_.now()),
                    Text(TextId::SaveFailed, language_.now()).arg(QDir::toNativeSeparators(target.path), why));
            return;
        }
        if (intoGallery) gallery->noteSaved(target.path, image);
    }
    // Drawings that could be filed nowhere go with it, each a new file.
    if (gallery && gallery->heldCount() > 0) gallery->fileHeld(folder, language_.now());
}

void DrawingFiles::saveIntoGallery() {
    GalleryPort* const gallery = services_.gallery;
    if (!gallery) return;
    const QImage image = CanvasImage(painting_.canvas);
    if (!gallery->holding(image).isEmpty()) return;  // these pixels are there already
    const GalleryFiling filed = gallery->file(image, {}, {}, language_.now());
    if (filed.path.isEmpty() && services_.messages)
        services_.messages->tell(
            Text(TextId::SaveFailedTitle, language_.now()),
            Text(TextId::SaveFailed, language_.now()).arg(QDir::toNativeSeparators(gallery->folder()), filed.why));
}

void DrawingFiles::offerHeldBeforeQuitting() {
    GalleryPort* const gallery = services_.gallery;
    if (!gallery || gallery->heldCount() == 0 || gallery->fileHeld({}, language_.now()) == 0) return;
    // A dialog cancelled or a folder refusing leaves the same number: asked
    // again, so only a "no" lets them go.
    while (const int held = gallery->heldCount()) {
        if (!services_.messages ||
            !services_.messages->ask(Text(TextId::GalleryNotKeptTitle, language_.now()),
                                     Text(TextId::HeldBeforeQuitting, language_.now()).arg(held)))
            return;
        actions_.run("SaveDrawing", {1});
    }
}

void DrawingFiles::OpenDrawing(int, double, double) {
    sounds_.playWave(WaveSound::Click);
    lastOpened.clear();
    const bool given = given_.has_value();
    std::optional<QString> chosen;
    if (given_) {
        chosen = std::exchange(given_, std::nullopt);
    } else if (services_.settings && services_.settings->noFileDialogs()) {
        if (needs.openGallery) needs.openGallery();
        return;
    } else if (services_.dialog) {
        chosen = services_.dialog->openFileName(Text(TextId::OpenDrawing, language_.now()),
                                                dialogFileName.isEmpty() ? StartFolder(services_) : dialogFileName,
                                                OpenFilter(language_.now()));
    }
    // A cancel leaves the drawing exactly as it was.
    if (chosen && !chosen->isEmpty()) {
        if (!given) {  // a gallery drawing leaves the dialogs where the parent left them
            dialogFileName = *chosen;
            RememberFolder(services_, *chosen);
        }
        // The wait note shows while the picture is decoded. A window that
        // never waits in real time (a film's) shows none and lets no event
        // run in the middle of its open.
        std::function<void(bool)> waiting;
        if (needs.waitsInRealTime()) waiting = [this](bool on) { needs.showWaitBox(on); };
        PictureRefusal why = PictureRefusal::None;
        if (const auto pic = LoadPicture(*chosen, painting_.canvas.width(), painting_.canvas.height(), &why,
                                         openTimeLimit, waiting)) {
            painting_.canvas.setPicture(*pic);
            painting_.refresh();
            lastOpened = *chosen;
        } else if (services_.messages) {
            services_.messages->tell(RefusalTitle(language_.now()), RefusalText(why, language_.now()));
        }
    }
    // A cancelled or refused open leaves the page picker it came from open.
    if (!lastOpened.isEmpty()) needs.closePagePicker();
}

bool DrawingFiles::OpenFile(const QString& path) {
    given_ = path;
    const bool ran = actions_.run("OpenDrawing", {1, 0, 0});
    given_.reset();
    return ran && lastOpened == path;
}

}  // namespace pintaloo
