#include "pages/drawing_files.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTime>

#include "app/main_window.h"
#include "canvas/canvas_part.h"
#include "media/animation_panel.h"
#include "pages/page_picker.h"
#include "resources/art_store.h"

namespace pintaloo {

namespace {
// Beyond these a picture is refused before it is decoded: a hostile header
// must not make the program try to allocate gigabytes.
constexpr qint64 kMaxPixels = 40'000'000;
constexpr int kMaxSide = 20'000;
}  // namespace

DrawingFiles::DrawingFiles(MainWindow& w) : w_(w) {
    const std::vector<std::string> mouse = {"Button", "X", "Y"};
    w.registry.add("KewlButtons3_MouseDown", mouse, [this](auto& a) { KewlButtons3_MouseDown(int(a[0]), 0, a[1], a[2]); });
    w.registry.add("Label7_MouseDown", mouse, [this](auto& a) { Label7_MouseDown(int(a[0]), 0, a[1], a[2]); });
    w.pagePicker().Label7->onMouseDown = [this](int b, int s, double x, double y) { Label7_MouseDown(b, s, x, y); };
}

QString DrawingFiles::ProposedName(int hour, int minute, int second) {
    return QStringLiteral("%1_%2_%3_Draw.bmp").arg(hour).arg(minute).arg(second);
}

bool DrawingFiles::SaveCanvas(const Surface& canvas, const QString& path, QString* error) {
    QImage image(canvas.width(), canvas.height(), QImage::Format_RGB888);
    for (int y = 0; y < canvas.height(); ++y) {
        const Colour* from = canvas.data() + std::size_t(y) * std::size_t(canvas.width());
        uchar* to = image.scanLine(y);
        for (int x = 0; x < canvas.width(); ++x) {
            to[3 * x] = uchar(RedOf(from[x]));
            to[3 * x + 1] = uchar(GreenOf(from[x]));
            to[3 * x + 2] = uchar(BlueOf(from[x]));
        }
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    QImageWriter writer(&file, "bmp");  // a bitmap whatever the name's ending
    if (!writer.write(image)) {
        if (error) *error = writer.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {  // a full disk shows here; the old file stays as it was
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

std::optional<Picture> DrawingFiles::LoadPicture(const QString& path, int maxWidth, int maxHeight) {
    QImageReader reader(path);
    reader.setAutoTransform(false);
    reader.setAllocationLimit(256);  // megabytes
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid() || size.width() > kMaxSide || size.height() > kMaxSide ||
        qint64(size.width()) * size.height() > kMaxPixels)
        return std::nullopt;
    QImage image = reader.read();
    if (image.isNull()) return std::nullopt;
    image = image.copy(0, 0, std::min(image.width(), maxWidth), std::min(image.height(), maxHeight));
    // Transparent parts of a picture show the paper.
    QImage onPaper(image.size(), QImage::Format_RGB32);
    onPaper.fill(Qt::white);
    {
        QPainter p(&onPaper);
        p.drawImage(0, 0, image);
    }
    return ArtStore::toPicture(onPaper);
}

void DrawingFiles::KewlButtons3_MouseDown(int button, int, double, double) {
    if (button != 1) return;
    w_.animation().CloseAnimation(true);
    const QTime now = QTime::currentTime();
    const QString proposed = ProposedName(now.hour(), now.minute(), now.second());
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    if (!w_.services.dialog) return;
    const auto chosen = w_.services.dialog->saveFileName(folder + QLatin1Char('/') + proposed, QStringLiteral("Windows Bitmap (*.bmp)"));
    if (!chosen || chosen->isEmpty()) return;  // cancelled: nothing is written
    dialogFileName = *chosen;
    QString why;
    if (!SaveCanvas(w_.canvas, *chosen, &why) && w_.services.messages) {
        w_.services.messages->tell(
            QStringLiteral("The picture was not saved"),
            QStringLiteral("Pintaloo could not save the picture as\n%1\n\n%2\n\nThe drawing is still on the page: "
                           "please try another folder or free some disk space.")
                .arg(QDir::toNativeSeparators(*chosen), why));
    }
}

void DrawingFiles::Label7_MouseDown(int, int, double, double) {
    w_.PlayWaveSound(102);
    std::optional<QString> chosen;
    if (w_.services.dialog)
        chosen = w_.services.dialog->openFileName(
            dialogFileName.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) : dialogFileName,
            QStringLiteral("Pictures (*.bmp *.jpg *.jpeg *.png);;Windows Bitmap (*.bmp);;JPG/JPEG (*.jpg *.jpeg);;PNG (*.png)"));
    // A cancel leaves the drawing exactly as it was.
    if (chosen && !chosen->isEmpty()) {
        dialogFileName = *chosen;
        if (const auto pic = LoadPicture(*chosen, w_.canvas.width(), w_.canvas.height())) {
            w_.canvas.setPicture(*pic);
            w_.canvasPart().refresh();
        }
    }
    w_.pagePicker().pctOpen->hide();
}

}  // namespace pintaloo
