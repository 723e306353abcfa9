// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/week_export.h"

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QRegularExpression>

#include <fcntl.h>
#include <stdio.h>  // renameat2
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <memory>
#include <mutex>
#include <random>

#include "ui/files/film_writer.h"
#include "ui/files/gallery_folder.h"
#include "ui/files/picture_reader.h"
#include "ui/files/png_story.h"
#include "ui/files/printing.h"
#include "ui/files/safe_write.h"
#include "ui/words/texts.h"

namespace pintaloo {

namespace {

QString SystemWords(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

// The date and time a gallery name carries ("Drawing 2026-12-07 14.03.png",
// in any language), or an invalid time. The file's time changes when a
// parent copies the folder about; the name does not.
QDateTime DateInName(const QString& path) {
    static const QRegularExpression dated(QStringLiteral("(\\d{4})-(\\d{2})-(\\d{2})[ _T](\\d{2})[.:h-](\\d{2})"));
    const QRegularExpressionMatch m = dated.match(QFileInfo(path).fileName());
    if (!m.hasMatch()) return {};
    const QDate day(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    const QTime time(m.captured(4).toInt(), m.captured(5).toInt());
    if (!day.isValid() || !time.isValid()) return {};
    return QDateTime(day, time);
}

// The locale the dates are written in.
QLocale LocaleOf(Language language) { return QLocale(SystemLanguageCode(language)); }

// Where the output goes, one drawing at a time. A failure keeps the
// system's reason in `err`.
class Sink {
public:
    virtual ~Sink() = default;
    virtual bool start() = 0;
    // `file` is the drawing's own PNG bytes when it has them (kept as they
    // are, with any story inside), empty for a drawing not filed yet.
    virtual bool add(const QImage& image, const QByteArray& file, const QString& child, const QDateTime& when) = 0;
    virtual bool finish() = 0;  // false: nothing complete was left
    virtual void abandon() = 0;
    int err = 0;
    int pages = 0;
};

// The folder for the PNGs, made when missing (its parent must be there),
// opened without following a link.
int OpenTargetFolder(const QString& folder) {
    const QByteArray native = QFile::encodeName(folder);
    int fd = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0 || errno != ENOENT) return fd;
    if (::mkdir(native.constData(), 0755) != 0 && errno != EEXIST) return -1;
    return ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

QByteArray RandomName(const char* prefix) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    return QByteArray(prefix) + QByteArray::number(quint64(random()), 36);
}

class PictureSink final : public Sink {
public:
    explicit PictureSink(QString folder) : folder_(std::move(folder)) {}
    ~PictureSink() override {
        if (dir_ >= 0) ::close(dir_);
    }
    bool start() override {
        dir_ = OpenTargetFolder(folder_);
        if (dir_ < 0) err = errno == ELOOP ? ENOTDIR : errno;
        return dir_ >= 0;
    }
    bool add(const QImage& image, const QByteArray& file, const QString& child, const QDateTime& when) override {
        // Only a real PNG is copied as it is; anything else is written anew.
        QByteArray png = SniffPicture(file) == PictureFormat::Png ? file : EncodeDrawingPng(image, {}, {});
        if (png.isEmpty()) return fail(EIO);
        QByteArray temp;
        int fd = -1;
        for (int tries = 0; tries < 100 && fd < 0; ++tries) {
            temp = RandomName(".pintaloo-export-");
            fd = ::openat(dir_, temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
            if (fd < 0 && errno != EEXIST) break;
        }
        if (fd < 0) return fail(errno);
        bool ok = WriteAll(fd, png.constData(), std::size_t(png.size())) && ::fsync(fd) == 0;
        int e = ok ? 0 : errno;
        if (::close(fd) != 0 && ok) {
            ok = false;
            e = errno;
        }
        if (ok) {
            const QString piece = SafeNamePiece(child);
            const QString stem = (piece.isEmpty() ? QString() : piece + QLatin1Char(' ')) +
                                 when.toString(QStringLiteral("yyyy-MM-dd HH-mm"));
            ok = false;
            e = EEXIST;
            for (int n = 1; n <= 999 && !ok && e == EEXIST; ++n) {
                const QString name =
                    n == 1 ? stem + QStringLiteral(".png") : QStringLiteral("%1 (%2).png").arg(stem).arg(n);
                const QByteArray to = QFile::encodeName(name);
                if (::renameat2(dir_, temp.constData(), dir_, to.constData(), RENAME_NOREPLACE) == 0) {
                    ok = true;
                } else if (errno == EINVAL || errno == ENOSYS) {
                    // No RENAME_NOREPLACE here: a hard link never replaces either.
                    ok = ::linkat(dir_, temp.constData(), dir_, to.constData(), 0) == 0;
                    e = ok ? 0 : errno;
                    if (ok) ::unlinkat(dir_, temp.constData(), 0);
                } else {
                    e = errno;
                }
            }
        }
        if (!ok) {
            ::unlinkat(dir_, temp.constData(), 0);
            return fail(e);
        }
        ++pages;
        return true;
    }
    bool finish() override {
        ::fsync(dir_);
        return true;
    }
    void abandon() override {}

private:
    bool fail(int e) {
        err = e;
        return false;
    }
    QString folder_;
    int dir_ = -1;
};

// A file written to a private temporary name beside its target and renamed
// over it once complete: a link at the target is refused, never followed.
class FileBeside {
public:
    explicit FileBeside(const QString& target) : target_(QFile::encodeName(target)) {}
    ~FileBeside() { drop(); }
    int open() {
        const qsizetype slash = target_.lastIndexOf('/');
        const QByteArray dir = slash < 0 ? QByteArray(".") : target_.left(slash == 0 ? 1 : slash);
        temp_ = dir + "/.pintaloo-export-XXXXXX";
        fd_ = ::mkostemp(temp_.data(), O_CLOEXEC);
        if (fd_ < 0) {
            temp_.clear();
            return -1;
        }
        ::fchmod(fd_, 0644);
        return fd_;
    }
    // Flushed to the disk and given the target's name; errno on failure.
    bool commit() {
        if (::fsync(fd_) != 0) return false;
        struct stat st {};
        if (::lstat(target_.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
            errno = S_ISDIR(st.st_mode) ? EISDIR : EEXIST;
            return false;
        }
        if (::rename(temp_.constData(), target_.constData()) != 0) return false;
        temp_.clear();
        return true;
    }
    void drop() {
        if (!temp_.isEmpty()) ::unlink(temp_.constData());
        temp_.clear();
    }

private:
    QByteArray target_, temp_;
    int fd_ = -1;
};

// Andika, drawn for children learning to read, when it is installed; the
// desktop's face otherwise (and for scripts Andika does not write).
QString FriendlyFamily() {
    static std::once_flag once;
    static QString family;
    std::call_once(once, [] {
        const QString andika = QStringLiteral("/usr/share/fonts/truetype/andika/Andika-Regular.ttf");
        if (QFileInfo(andika).isFile()) {
            const int id = QFontDatabase::addApplicationFont(andika);
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            if (!families.isEmpty()) family = families.first();
        }
    });
    return family;
}

QFont FriendlyFont(Language language, double points, bool bold) {
    QFont font;
    QStringList families;
    if (!FriendlyFamily().isEmpty()) families << FriendlyFamily();
    if (!ScriptFamily(language).isEmpty()) families << ScriptFamily(language);
    if (!families.isEmpty()) font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

class BookletSink final : public Sink {
public:
    explicit BookletSink(const ExportRequest& request) : request_(request), file_(request.target) {}
    bool start() override {
        const int fd = file_.open();
        if (fd < 0 || !out_.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
            err = errno ? errno : EIO;
            return false;
        }
        writer_ = std::make_unique<QPdfWriter>(&out_);
        writer_->setResolution(kDpi);
        writer_->setTitle(Text("week.cover", request_.language));
        writer_->setCreator(QStringLiteral("Pintaloo"));
        // The drawings are wider than tall: the paper turned to match.
        writer_->setPageLayout(QPageLayout(request_.paper, QPageLayout::Landscape, QMarginsF()));
        return true;
    }
    bool add(const QImage& image, const QByteArray&, const QString& child, const QDateTime& when) override {
        if (request_.covers && (pages == 0 || child != lastChild_) && !page([&](QPainter& p) { cover(p, child); }))
            return false;
        lastChild_ = child;
        return page([&](QPainter& p) { drawing(p, image, child, when); });
    }
    bool finish() override {
        if (painter_.isActive() && !painter_.end()) return fail();
        if (out_.error() != QFileDevice::NoError || !out_.flush()) return fail();
        if (!file_.commit()) return fail();
        out_.close();
        return true;
    }
    void abandon() override {
        if (painter_.isActive()) painter_.end();
        out_.close();
        file_.drop();
    }

private:
    static constexpr int kDpi = 200;

    // The system's reason; a write the file refused without one is taken
    // for a full disk, the usual cause.
    bool fail() {
        err = errno ? errno : ENOSPC;
        return false;
    }

    template <typename Draw>
    bool page(Draw draw) {
        if (pages == 0) {
            if (!painter_.begin(writer_.get())) return fail();
        } else if (!writer_->newPage()) {
            return fail();
        }
        draw(painter_);
        ++pages;
        // A full disk shows as the file's error while the pages stream out.
        if (out_.error() != QFileDevice::NoError) {
            err = ENOSPC;
            return false;
        }
        return true;
    }

    QRect area() const {
        const QRect whole(QPoint(0, 0), writer_->pageLayout().fullRectPixels(kDpi).size());
        const int margin = std::min(whole.width(), whole.height()) / 14;
        return whole.adjusted(margin, margin, -margin, -margin);
    }

    void cover(QPainter& p, const QString& child) {
        const QRect a = area();
        const QString title = child.isEmpty() ? Text("week.cover", request_.language) : child;
        const QLocale locale = LocaleOf(request_.language);
        const QString span = request_.from == request_.to
                                 ? locale.toString(request_.from, QLocale::LongFormat)
                                 : locale.toString(request_.from, QLocale::LongFormat) + QStringLiteral(" – ") +
                                       locale.toString(request_.to, QLocale::LongFormat);
        // A big soft circle of colour behind the name, as the window's buttons have.
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xe0, 0x8a));
        const int r = a.height() / 3;
        p.drawEllipse(QPoint(a.center().x(), a.top() + a.height() * 2 / 5), r, r);
        p.setPen(QColor(0x3a, 0x2e, 0x6b));
        p.setFont(FriendlyFont(request_.language, 60, true));
        p.drawText(QRect(a.left(), a.top(), a.width(), a.height() * 4 / 5), Qt::AlignCenter | Qt::TextWordWrap, title);
        p.setPen(QColor(0x55, 0x55, 0x55));
        // Two long dates may take two lines.
        p.setFont(FriendlyFont(request_.language, 26, false));
        p.drawText(QRect(a.left(), a.top() + a.height() * 4 / 5, a.width(), a.height() / 5),
                   Qt::AlignCenter | Qt::TextWordWrap, span);
    }

    void drawing(QPainter& p, const QImage& image, const QString& child, const QDateTime& when) {
        const QRect a = area();
        const int band = a.height() / 5;  // the caption's room under the drawing
        const QRect room(a.left(), a.top(), a.width(), a.height() - band);
        const QRect fitted = FittedRect(image.size(), room);
        p.setRenderHint(QPainter::Antialiasing);
        // A thin frame, so a white drawing still shows where it ends.
        p.setPen(QPen(QColor(0xcc, 0xcc, 0xcc), kDpi / 50.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(fitted).adjusted(-kDpi / 25.0, -kDpi / 25.0, kDpi / 25.0, kDpi / 25.0), kDpi / 12.0,
                          kDpi / 12.0);
        p.drawImage(fitted, image);
        const QRect caption(a.left(), a.bottom() - band + 1, a.width(), band);
        const QString date = LocaleOf(request_.language).toString(when.date(), QLocale::LongFormat);
        p.setPen(QColor(0x3a, 0x2e, 0x6b));
        if (child.isEmpty()) {
            p.setFont(FriendlyFont(request_.language, 32, true));
            p.drawText(caption, Qt::AlignCenter, date);
            return;
        }
        p.setFont(FriendlyFont(request_.language, 36, true));
        p.drawText(QRect(caption.left(), caption.top(), caption.width(), caption.height() * 11 / 20),
                   Qt::AlignHCenter | Qt::AlignBottom, child);
        p.setPen(QColor(0x55, 0x55, 0x55));
        p.setFont(FriendlyFont(request_.language, 24, false));
        p.drawText(QRect(caption.left(), caption.top() + caption.height() * 11 / 20, caption.width(),
                         caption.height() * 9 / 20),
                   Qt::AlignHCenter | Qt::AlignTop, date);
    }

    const ExportRequest& request_;
    FileBeside file_;
    QFile out_;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
    QString lastChild_;
};

class FilmSink final : public Sink {
public:
    explicit FilmSink(const ExportRequest& request) : request_(request) {
        // Ten frames a second, each picture added again for its share: the
        // writer keeps a repeated picture as one frame lasting longer.
        const double seconds = std::clamp(request.secondsPerPicture, 0.5, 20.0);
        repeats_ = std::max(1, int(std::lround(seconds * kFps)));
    }
    bool start() override {
        FilmWriter::Options options;
        options.framesPerSecond = kFps;
        options.holdLastMs = 0;  // the last picture lasts as long as the others
        writer_ = std::make_unique<FilmWriter>(options);
        if (writer_->failure().kind != FilmError::Kind::None) {
            err = ENOSYS;
            return false;
        }
        size_ = options.size;
        return true;
    }
    bool add(const QImage& image, const QByteArray&, const QString&, const QDateTime&) override {
        QImage frame;
        if (image.size() == size_) {
            frame = image.convertToFormat(QImage::Format_RGB32);
        } else {
            // Every picture the film's size, fitted whole on white paper.
            frame = QImage(size_, QImage::Format_RGB32);
            frame.fill(Qt::white);
            QPainter p(&frame);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(FittedRect(image.size(), frame.rect()), image);
        }
        for (int i = 0; i < repeats_; ++i)
            if (!writer_->addFrame(frame)) {
                err = EIO;
                return false;
            }
        ++pages;
        return true;
    }
    bool finish() override {
        if (!writer_->finish()) {
            err = EIO;
            return false;
        }
        WriteTrouble trouble;
        if (!WriteFileSafely(request_.target, writer_->bytes(), &trouble, 0644)) {
            err = trouble.error;
            return false;
        }
        return true;
    }
    void abandon() override {}

private:
    static constexpr int kFps = 10;
    const ExportRequest& request_;
    std::unique_ptr<FilmWriter> writer_;
    QSize size_;
    int repeats_ = 1;
};

}  // namespace

QString SafeNamePiece(const QString& name) {
    QString out;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control ||
            c.category() == QChar::Other_Format)
            out += QLatin1Char('_');
        else
            out += c;
    }
    out = out.simplified();
    while (out.startsWith(QLatin1Char('.'))) out.remove(0, 1);
    if (out.size() > 60) out.truncate(out[59].isHighSurrogate() ? 59 : 60);
    return out.trimmed();
}

std::vector<FoundDrawing> FindDrawings(const ExportRequest& request, int* overLimit) {
    std::vector<FoundDrawing> found;
    const QDateTime now = request.now.isValid() ? request.now : QDateTime::currentDateTime();
    const auto inSpan = [&](const QDate& day) { return day >= request.from && day <= request.to; };
    for (int c = 0; c < int(request.children.size()); ++c) {
        const ExportChild& child = request.children[std::size_t(c)];
        std::vector<FoundDrawing> mine;
        GalleryFolder gallery(child.folder);
        for (const GalleryEntry& e : gallery.list()) {
            QDateTime when = DateInName(e.path);
            if (!when.isValid()) when = QDateTime::fromMSecsSinceEpoch(e.modifiedMs);
            if (inSpan(when.date())) mine.push_back({c, e.path, -1, when});
        }
        for (int i = 0; i < int(request.current.size()); ++i) {
            const CurrentDrawing& d = request.current[std::size_t(i)];
            // A drawing with no child named belongs to the one gallery there is.
            const bool theirs = d.child == child.name || (d.child.isEmpty() && request.children.size() == 1);
            if (theirs && !d.image.isNull() && inSpan(now.date()) && gallery.holding(d.image).isEmpty())
                mine.push_back({c, {}, i, now});
        }
        std::stable_sort(mine.begin(), mine.end(),
                         [](const FoundDrawing& a, const FoundDrawing& b) { return a.when < b.when; });
        found.insert(found.end(), mine.begin(), mine.end());
    }
    const std::size_t cap = std::size_t(std::max(0, request.maxDrawings));
    if (overLimit) *overLimit = found.size() > cap ? int(found.size() - cap) : 0;
    if (found.size() > cap) found.resize(cap);
    return found;
}

ExportResult ExportDrawings(const ExportRequest& request, const ExportProgress& progress) {
    ExportResult result;
    result.path = request.target;
    const std::vector<FoundDrawing> found = FindDrawings(request, &result.overLimit);
    if (found.empty()) return result;

    std::unique_ptr<Sink> sink;
    switch (request.kind) {
        case ExportKind::Pictures:
            sink = std::make_unique<PictureSink>(request.target);
            break;
        case ExportKind::Booklet:
            sink = std::make_unique<BookletSink>(request);
            break;
        case ExportKind::Film:
            sink = std::make_unique<FilmSink>(request);
            break;
    }
    const auto notWritten = [&] {
        sink->abandon();
        result.outcome = ExportResult::Outcome::NotWritten;
        // A booklet or film not written holds nothing; PNGs written before stay.
        if (request.kind != ExportKind::Pictures) result.written = 0;
        result.why = SystemWords(sink->err ? sink->err : EIO);
        return result;
    };
    if (!sink->start()) return notWritten();

    const int total = int(found.size());
    for (int i = 0; i < total; ++i) {
        if (progress.cancel && progress.cancel->load()) {
            sink->abandon();
            result.outcome = ExportResult::Outcome::Cancelled;
            return result;
        }
        const FoundDrawing& d = found[std::size_t(i)];
        QImage image;
        QByteArray bytes;
        if (d.current >= 0) {
            image = request.current[std::size_t(d.current)].image;
        } else {
            PictureRefusal why = PictureRefusal::None;
            bytes = ReadPictureFile(d.path, &why, PictureLimits::kMaxFileBytes, Links::Refuse);
            if (why == PictureRefusal::None) {
                PictureResult read = DecodePictureWithin(bytes, request.readLimit);
                image = std::move(read.image);
            }
        }
        if (image.isNull()) {
            ++result.unreadable;
        } else {
            if (!sink->add(image, bytes, request.children[std::size_t(d.child)].name, d.when)) return notWritten();
            ++result.written;
        }
        if (progress.step) progress.step(i + 1, total);
    }
    if (result.written == 0) {
        sink->abandon();
        return result;
    }
    if (!sink->finish()) return notWritten();
    result.pages = sink->pages;
    result.outcome = ExportResult::Outcome::Done;
    return result;
}

}  // namespace pintaloo
