#include "pages/drawing_files.h"

#include <QDir>
#include <QFile>
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

DrawingFiles::DrawingFiles(MainWindow& w) : w_(w) {}

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

namespace {

std::uint32_t Le32(const QByteArray& b, int at) {
    return std::uint32_t(uchar(b[at])) | std::uint32_t(uchar(b[at + 1])) << 8 | std::uint32_t(uchar(b[at + 2])) << 16 |
           std::uint32_t(uchar(b[at + 3])) << 24;
}
int Le16(const QByteArray& b, int at) { return int(uchar(b[at])) | int(uchar(b[at + 1])) << 8; }

// An uncompressed bitmap must hold all its rows: Qt's reader would report
// success for one cut short and leave the missing rows as whatever memory
// held. Compressed and non-bitmap files are not judged here.
bool BitmapLooksComplete(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = f.read(64);
    if (head.size() < 26 || !head.startsWith("BM")) return true;
    const std::uint32_t offBits = Le32(head, 10);
    const std::uint32_t dibSize = Le32(head, 14);
    qint64 width, height;
    int bits;
    std::uint32_t compression = 0;
    if (dibSize == 12) {  // the old OS/2 header
        width = Le16(head, 18);
        height = Le16(head, 20);
        bits = Le16(head, 24);
    } else {
        if (head.size() < 34) return false;
        width = qint32(Le32(head, 18));
        height = qint32(Le32(head, 22));
        bits = Le16(head, 28);
        compression = Le32(head, 30);
    }
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (!uncompressed || width <= 0 || bits <= 0 || bits > 64) return true;
    const qint64 rowBytes = (width * bits + 31) / 32 * 4;
    return f.size() >= qint64(offBits) + rowBytes * std::abs(height);
}

}  // namespace

std::optional<Picture> DrawingFiles::LoadPicture(const QString& path, int maxWidth, int maxHeight) {
    QImageReader reader(path);
    reader.setAutoTransform(false);
    reader.setAllocationLimit(256);  // megabytes
    // A bitmap stored top-down reports a negative height.
    const QSize size(reader.size().width(), std::abs(reader.size().height()));
    if (!reader.canRead() || size.width() <= 0 || size.height() <= 0 || size.width() > kMaxSide ||
        size.height() > kMaxSide || qint64(size.width()) * size.height() > kMaxPixels || !BitmapLooksComplete(path))
        return std::nullopt;
    // Decoded into a cleared picture: pixels a damaged file never sets come
    // out the same every time instead of as leftover memory.
    QImage image;
    if (reader.imageFormat() != QImage::Format_Invalid) {
        image = QImage(size, reader.imageFormat());
        if (!image.isNull()) image.fill(0);
    }
    if (!reader.read(&image) || image.isNull()) return std::nullopt;
    if (image.format() == QImage::Format_Indexed8) image.setColorCount(256);  // stray indices stay inside the table
    image = image.copy(0, 0, std::min(image.width(), maxWidth), std::min(image.height(), maxHeight))
                .convertToFormat(QImage::Format_ARGB32);
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
    w_.pagePicker().close();
}

}  // namespace pintaloo
