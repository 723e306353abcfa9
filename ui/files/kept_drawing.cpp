// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/kept_drawing.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <cerrno>
#include <cstring>
#include <span>

#include "ui/art/art_store.h"
#include "ui/files/safe_write.h"
#include "engine/canvas/large_pages.h"
#include "ui/files/colouring_pages.h"
#include "ui/files/picture_reader.h"

namespace pintaloo {

namespace {

// Text chunk names inside the PNG.
const QString kPageKey = QStringLiteral("Pintaloo-Page");
const QString kPaperKey = QStringLiteral("Pintaloo-Paper");
const QString kOutlineKey = QStringLiteral("Pintaloo-Outline");
const QString kCheckKey = QStringLiteral("Pintaloo-Check");

// FNV-1a over the pixels as the canvas holds them. A PNG cut short or
// damaged in its pixels can still decode (the missing rows come out
// blank), so the sum, written beside the page, is what proves the picture
// whole. About a millisecond for the canvas.
QString PixelCheck(std::span<const Colour> pixels) {
    std::uint64_t h = 14695981039346656037ull;
    for (const Colour c : pixels) {
        h = (h ^ (c & 0xFFFFFFu)) * 1099511628211ull;
    }
    return QString::number(h, 16);
}

// Makes each missing folder of `path` with mode 0700, so a state folder we
// create is private from the first moment rather than made private later;
// the last must be ours.
bool MakePrivatePath(const QString& path, QString* why = nullptr) {
    const QStringList names = QDir::cleanPath(path).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString at;
    for (const QString& name : names) {
        at += QLatin1Char('/') + name;
        const QByteArray native = QFile::encodeName(at);
        if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
            if (why) *why = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
    }
    // The folder found there may not be one we made: a state home in a
    // shared place lets another user make it first, and then read every
    // drawing and put files in it. Only a folder of our own is used, made
    // private if it is not; checked and mended through one descriptor.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
    const int openError = errno;
    struct stat st {};
    int error = fd < 0 ? openError : ::fstat(fd, &st) != 0 ? errno : st.st_uid != ::geteuid() ? EPERM : 0;
    if (error == 0 && (st.st_mode & 077) != 0 && ::fchmod(fd, 0700) != 0) error = errno;
    if (fd >= 0) ::close(fd);
    if (error != 0 && why) *why = QString::fromLocal8Bit(std::strerror(error));
    return error == 0;
}

std::optional<Colour> ColourText(const QString& text) {
    bool ok = false;
    const uint v = text.toUInt(&ok);
    if (!ok || v > 0xFFFFFFu) return std::nullopt;
    return Colour(v);
}

}  // namespace

QString KeptDrawingFolderPath() {
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) {
        QString home = qEnvironmentVariable("HOME");
        if (home.isEmpty() || !QDir::isAbsolutePath(home)) home = QDir::homePath();
        base = home + QStringLiteral("/.local/state");
    }
    return QDir::cleanPath(base + QStringLiteral("/pintaloo"));
}

QString KeptDrawingFolder(QString* why) {
    const QString folder = KeptDrawingFolderPath();
    return MakePrivatePath(folder, why) ? folder : QString();
}

QString KeptDrawingPath(const QString& folder) { return folder + QStringLiteral("/drawing.png"); }

void KeptDrawing::copyInto(Surface& canvas) const {
    if (canvas.width() != width || canvas.height() != height) return;
    std::copy(pixels.begin(), pixels.end(), canvas.data());
    canvas.markDirty(canvas.bounds());
}

std::optional<KeptDrawing> LoadKeptDrawing(const QString& folder, int width, int height) {
    if (folder.isEmpty() || width <= 0 || height <= 0) return std::nullopt;
    // Read as any opened picture is (picture_reader.h): a regular file only,
    // never waited on, never through a link, and no more bytes than a PNG
    // of this canvas can take stored without compression.
    const qint64 mostBytes = qint64(width) * height * 4 + 1024 * 1024;
    PictureRefusal why = PictureRefusal::None;
    const QByteArray bytes = ReadPictureFile(KeptDrawingPath(folder), &why, mostBytes, Links::Refuse);
    if (why != PictureRefusal::None) return std::nullopt;
    // Every chunk whole and its checksum right before libpng sees it: a
    // damaged file is refused here, not inflated.
    const PictureHeader header = CheckPicture(bytes, &why);
    if (why != PictureRefusal::None || header.format != PictureFormat::Png || header.size != QSize(width, height))
        return std::nullopt;
    // Decoded straight into memory taken in large pages (see large_pages.h):
    // a fresh buffer of ordinary pages cost more to touch than the PNG
    // costs to inflate.
    std::vector<Colour, LargePageAllocator<Colour>> decoded(std::size_t(width) * std::size_t(height));
    static_assert(sizeof(Colour) == sizeof(std::uint32_t));
    if (!DecodePngInto(bytes, header.size, reinterpret_cast<std::uint32_t*>(decoded.data()))) return std::nullopt;
    bool pageOk = false;
    const int page = PngText(bytes, kPageKey).toInt(&pageOk);
    const auto paper = ColourText(PngText(bytes, kPaperKey));
    const auto outline = ColourText(PngText(bytes, kOutlineKey));
    if (!pageOk || page < ColouringPages::kFirst || page > ColouringPages::kLastOwn || !paper || !outline)
        return std::nullopt;

    // The decoded words become the canvas's colours in place.
    for (Colour& c : decoded) {
        const QRgb q = c;
        c = Rgb(qRed(q), qGreen(q), qBlue(q));
    }
    KeptDrawing k;
    k.width = width;
    k.height = height;
    k.info = {std::int16_t(page), *paper, *outline};
    k.pixels = std::move(decoded);  // the QImages above only borrowed it
    if (PngText(bytes, kCheckKey) != PixelCheck(k.pixels)) return std::nullopt;
    return k;
}

KeptDrawingWriter::KeptDrawingWriter(QString folder, int delayMs, QObject* parent)
    : QObject(parent), folder_(std::move(folder)) {
    pool_.setMaxThreadCount(1);
    timer_.setSingleShot(true);
    timer_.setInterval(delayMs);
    connect(&timer_, &QTimer::timeout, this, &KeptDrawingWriter::startWrite);
}

KeptDrawingWriter::~KeptDrawingWriter() { flushNow(); }

void KeptDrawingWriter::changed(const Surface& canvas, const StepInfo& info) {
    if (folder_.isEmpty()) return;
    const Colour* px = canvas.data();
    pending_ = Snapshot{canvas.width(), canvas.height(),
                        std::vector<Colour>(px, px + std::size_t(canvas.width()) * std::size_t(canvas.height())), info};
    // Not restarted by later changes: a child painting without pause still
    // has the drawing written every delay.
    if (!timer_.isActive()) timer_.start();
}

void KeptDrawingWriter::startWrite() {
    if (!pending_) return;
    auto shot = std::make_shared<Snapshot>(std::move(*pending_));
    pending_.reset();
    pool_.start([this, shot] { write(*shot); });
}

void KeptDrawingWriter::flushNow() {
    timer_.stop();
    pool_.waitForDone();
    if (!pending_) return;
    const Snapshot s = std::move(*pending_);
    pending_.reset();
    write(s);
}

// On the worker thread (or the UI thread when quitting). Touches nothing
// shared but the counters.
void KeptDrawingWriter::write(const Snapshot& s) {
    QImage img = ColoursToImage(s.pixels.data(), s.width, s.height);
    img.setText(kPageKey, QString::number(s.info.PageNumber));
    img.setText(kPaperKey, QString::number(s.info.PaperColor & 0xFFFFFFu));
    img.setText(kOutlineKey, QString::number(s.info.OutlineColor & 0xFFFFFFu));
    img.setText(kCheckKey, PixelCheck(s.pixels));

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // Qt takes 0..100 for PNG and scales it onto zlib's 0..9; 25 is
    // level 2: a few times faster than the default and still a small
    // file (measured in the kept-drawing benchmark).
    writer.setCompression(25);
    bool ok = writer.write(img);
    QString why = writer.errorString();
    // The folder is made again should it have gone since the start.
    if (ok) ok = MakePrivatePath(folder_, &why);
    WriteTrouble trouble;
    if (ok && !WriteFileSafely(KeptDrawingPath(folder_), bytes, &trouble)) {
        ok = false;
        why = trouble.text();
    }
    (ok ? writesDone_ : writesFailed_).fetch_add(1);
    lastWriteOk_.store(ok);
    // Told on the UI thread; a message left for a writer already gone is dropped.
    QMetaObject::invokeMethod(this, [this, ok, why] { wrote(ok, why); }, Qt::QueuedConnection);
}

void KeptDrawingWriter::wrote(bool ok, const QString& why) {
    if (ok || told_ || !onTrouble) return;
    told_ = true;
    onTrouble(why);
}

QString MoveRefusedAside(const QString& folder, const QDateTime& when) {
    if (folder.isEmpty()) return {};
    const QByteArray from = QFile::encodeName(KeptDrawingPath(folder));
    struct stat st {};
    if (::lstat(from.constData(), &st) != 0) return {};
    const QString stem = QStringLiteral("drawing-refused-%1").arg(when.toString(QStringLiteral("yyyyMMdd-HHmmss")));
    for (int n = 1; n < 100; ++n) {
        const QString name = n == 1 ? stem + QStringLiteral(".png") : QStringLiteral("%1-%2.png").arg(stem).arg(n);
        const QByteArray to = QFile::encodeName(QDir(folder).filePath(name));
        // Never over another file: the one moved aside earlier is kept too.
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) return name;
        if (errno != EEXIST) return {};
    }
    return {};
}

}  // namespace pintaloo
