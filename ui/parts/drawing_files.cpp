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
#include <QTime>
#include <algorithm>
#include <cmath>

#include "ui/window/main_window.h"
#include "ui/platform/settings.h"
#include "ui/parts/canvas_part.h"
#include "ui/parts/animation_panel.h"
#include "ui/words/texts.h"
#include "ui/parts/page_picker.h"
#include "ui/art/art_store.h"

namespace pintaloo {

DrawingFiles::DrawingFiles(MainWindow& w) : w_(w) {}

namespace {
// Where the save and open dialogs start: the folder used last time (kept
// between runs), else Pictures, else home.
QString StartFolder(const MainWindow& w) {
    if (w.services.settings) {
        const QString last = w.services.settings->lastFolder();
        if (!last.isEmpty() && QDir(last).exists()) return last;
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    return folder;
}

void RememberFolder(const MainWindow& w, const QString& file) {
    if (w.services.settings) w.services.settings->setLastFolder(QFileInfo(file).absolutePath());
}
}  // namespace

QString DrawingFiles::ProposedName(int hour, int minute, int second) {
    return QStringLiteral("%1_%2_%3_Draw.bmp").arg(hour).arg(minute).arg(second);
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
    w_.animation().CloseAnimation(true);
    const QTime now = QTime::currentTime();
    const QString proposed = ProposedName(now.hour(), now.minute(), now.second());
    if (!w_.services.dialog) return;
    const auto chosen =
        w_.services.dialog->saveFileName(StartFolder(w_) + QLatin1Char('/') + proposed, SaveFilter(w_.language));
    if (!chosen || chosen->isEmpty()) return;  // cancelled: nothing is written
    dialogFileName = *chosen;
    RememberFolder(w_, *chosen);
    const SaveTarget target = ChooseSaveTarget(*chosen);
    if (target.format == SaveFormat::Unknown) {
        if (w_.services.messages)
            w_.services.messages->tell(UnknownEndingTitle(w_.language), UnknownEndingText(*chosen, w_.language));
        return;
    }
    QString why;
    if (!SaveCanvas(w_.canvas, target.path, &why, target.format) && w_.services.messages) {
        w_.services.messages->tell(
            Text(TextId::SaveFailedTitle, w_.language),
            Text(TextId::SaveFailed, w_.language).arg(QDir::toNativeSeparators(target.path), why));
    }
}

void DrawingFiles::OpenDrawing(int, double, double) {
    w_.PlayWaveSound(102);
    lastOpened.clear();
    std::optional<QString> chosen;
    if (w_.services.dialog)
        chosen = w_.services.dialog->openFileName(dialogFileName.isEmpty() ? StartFolder(w_) : dialogFileName,
                                                  OpenFilter(w_.language));
    // A cancel leaves the drawing exactly as it was.
    if (chosen && !chosen->isEmpty()) {
        dialogFileName = *chosen;
        RememberFolder(w_, *chosen);
        // The wait note shows while the picture is decoded. A window that
        // never waits in real time (a film's) shows none and lets no event
        // run in the middle of its open.
        std::function<void(bool)> waiting;
        if (w_.waitsInRealTime) waiting = [this](bool on) { w_.canvasPart().showWaitBox(on); };
        PictureRefusal why = PictureRefusal::None;
        if (const auto pic =
                LoadPicture(*chosen, w_.canvas.width(), w_.canvas.height(), &why, openTimeLimit, waiting)) {
            w_.canvas.setPicture(*pic);
            w_.canvasPart().refresh();
            lastOpened = *chosen;
        } else if (w_.services.messages) {
            w_.services.messages->tell(RefusalTitle(w_.language), RefusalText(why, w_.language));
        }
    }
    w_.pagePicker().close();
}

}  // namespace pintaloo
