// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/thumbnail_cache.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPointer>
#include <QRunnable>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>

#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include "ui/files/picture_reader.h"
#include "ui/files/png_story.h"
#include "ui/files/safe_write.h"

namespace pintaloo {

namespace {

constexpr const char* kUriKey = "Thumb::URI";
constexpr const char* kMTimeKey = "Thumb::MTime";
constexpr const char* kSizeKey = "Thumb::Size";
constexpr const char* kMimeKey = "Thumb::Mimetype";
constexpr const char* kSoftwareKey = "Software";
// Ours: whether the drawing carries a story, so a cached thumbnail answers
// the film badge without the drawing being read again.
constexpr const char* kStoryKey = "X-Pintaloo::Story";
// A story kept beside a picture by earlier versions (X.pintaloo-story).
constexpr const char* kSideStoryExtension = ".pintaloo-story";
constexpr const char* kSoftware = "Pintaloo " PINTALOO_VERSION;
// A text value we read is a URI or a number: anything longer is not ours
// to inflate (a hostile thumbnail's zTXt cannot make us allocate more).
constexpr uLong kMaxTextBytes = 8192;

std::uint32_t Be32(const unsigned char* b) {
    return std::uint32_t(b[0]) << 24 | std::uint32_t(b[1]) << 16 | std::uint32_t(b[2]) << 8 | std::uint32_t(b[3]);
}

// The PNG's text chunks up to the end marker, each passed as keyword and
// (for tEXt and zTXt) its text. Only headers and text bodies are touched;
// a chunk running past the end stops the walk.
template <typename Visit>
void WalkTexts(const QByteArray& bytes, Visit&& visit) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qint64 n = bytes.size();
    if (n < 8 || std::memcmp(b, "\x89PNG\r\n\x1a\n", 8) != 0) return;
    for (qint64 p = 8; n - p >= 12;) {
        const qint64 length = Be32(b + p);
        if (length > n - p - 12) return;
        const QByteArrayView type(b + p + 4, 4), body(b + p + 8, length);
        p += 12 + length;
        if (type == QByteArrayView("IEND")) return;
        const bool plain = type == QByteArrayView("tEXt"), packed = type == QByteArrayView("zTXt");
        if (!plain && !packed && type != QByteArrayView("iTXt")) continue;
        const qsizetype zero = body.indexOf('\0');
        if (zero <= 0) continue;
        const QByteArrayView keyword = body.first(zero);
        QByteArray text;
        if (plain) {
            text = body.sliced(zero + 1).toByteArray();
        } else if (packed && body.size() > zero + 2 && body[zero + 1] == '\0') {
            text.resize(qsizetype(kMaxTextBytes));
            uLongf out = kMaxTextBytes;
            const QByteArrayView data = body.sliced(zero + 2);
            // Z_BUF_ERROR: longer than we take; such a value matches nothing.
            if (::uncompress(reinterpret_cast<Bytef*>(text.data()), &out,
                             reinterpret_cast<const Bytef*>(data.data()), uLong(data.size())) != Z_OK)
                text.clear();
            else
                text.truncate(qsizetype(out));
        }
        if (!visit(keyword, text)) return;
    }
}

// The drawing as it is now, never through a link: a regular file's time
// and size, or nothing.
struct Stamp {
    qint64 mtime = 0;  // whole seconds, as Thumb::MTime keeps it
    qint64 nanoseconds = 0;
    qint64 size = 0;
};
bool StampOf(const QString& path, Stamp* stamp) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    *stamp = {qint64(st.st_mtim.tv_sec), qint64(st.st_mtim.tv_nsec), qint64(st.st_size)};
    return true;
}

bool IsRegularFile(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

// The folders made one by one, each 0700 as the cache wants; each must end
// up a real folder, not a link to one somewhere else or a file.
bool MakeFolders(const QString& root, const QStringList& below) {
    QString at = root;
    const auto make = [](const QString& folder) {
        const QByteArray native = QFile::encodeName(folder);
        if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) return false;
        struct stat st {};
        return ::lstat(native.constData(), &st) == 0 && S_ISDIR(st.st_mode);
    };
    const QString parent = QFileInfo(root).path();
    if (!QDir().mkpath(parent) || !make(at)) return false;
    for (const QString& name : below)
        if (!make(at += QLatin1Char('/') + name)) return false;
    return true;
}

// A picture decoded only when its header's size is within `maxSide` and
// `maxPixels`: what a file claims is checked before anything that big is
// allocated.
PictureResult DecodeWithin(const QByteArray& bytes, int maxSide, qint64 maxPixels) {
    PictureResult out;
    const PictureHeader header = CheckPicture(bytes, &out.refusal);
    if (out.refusal != PictureRefusal::None) return out;
    if (header.size.width() > maxSide || header.size.height() > maxSide ||
        qint64(header.size.width()) * header.size.height() > maxPixels) {
        out.refusal = PictureRefusal::TooLarge;
        return out;
    }
    return DecodePicture(bytes);
}

// The thumbnail as PNG with its keys in plain tEXt chunks right after the
// header, where every reader finds them before the pixels. (Qt would put
// a value longer than 40 characters, the URI, in a compressed chunk.)
QByteArray EncodePng(const QImage& image, const QByteArray& uri, const Stamp& stamp, std::optional<bool> story) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setCompression(25);  // zlib level 2: a 256-pixel thumbnail in a few milliseconds
    constexpr qsizetype kAfterHeader = 8 + 12 + 13;  // signature, then IHDR's length, type, body and check
    if (!writer.write(image) || bytes.size() < kAfterHeader) return {};
    QByteArray texts;
    const auto be32 = [&texts](std::uint32_t v) {
        for (int shift = 24; shift >= 0; shift -= 8) texts += char((v >> shift) & 0xffu);
    };
    const auto add = [&](const char* key, const QByteArray& value) {
        QByteArray chunk = QByteArray("tEXt") + key + '\0' + value;
        be32(std::uint32_t(chunk.size() - 4));
        texts += chunk;
        be32(std::uint32_t(::crc32(0, reinterpret_cast<const Bytef*>(chunk.constData()), uInt(chunk.size()))));
    };
    add(kUriKey, uri);
    add(kMTimeKey, QByteArray::number(stamp.mtime));
    add(kSizeKey, QByteArray::number(stamp.size));
    add(kMimeKey, "image/png");
    add(kSoftwareKey, kSoftware);
    if (story) add(kStoryKey, *story ? "1" : "0");
    bytes.insert(kAfterHeader, texts);
    return bytes;
}

// What a cached file says about itself: its URI and time, and our story key.
struct Said {
    bool matches = false;
    std::optional<bool> story;
};
Said Read(const QByteArray& bytes, const QByteArray& uri, qint64 mtime) {
    bool uriOk = false, timeOk = false;
    Said said;
    WalkTexts(bytes, [&](QByteArrayView keyword, const QByteArray& text) {
        if (keyword == QByteArrayView(kUriKey)) uriOk = text == uri;
        else if (keyword == QByteArrayView(kMTimeKey)) timeOk = text == QByteArray::number(mtime);
        else if (keyword == QByteArrayView(kStoryKey)) said.story = text == "1";
        return true;
    });
    said.matches = uriOk && timeOk;
    return said;
}

}  // namespace

QString DefaultThumbnailRoot() {
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) base = QDir::homePath() + QStringLiteral("/.cache");
    return base + QStringLiteral("/thumbnails");
}

QByteArray ThumbnailUri(const QString& path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const QByteArray native = QFile::encodeName(QDir::cleanPath(path));
    QByteArray uri = "file://";
    uri.reserve(uri.size() + native.size() * 3);
    for (const char c : native) {
        const auto u = static_cast<unsigned char>(c);
        const bool keep = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
                          std::strchr("-_.!~*'()/:@&=+$,", int(u)) != nullptr;
        if (keep && u != 0) {
            uri += c;
        } else {
            uri += '%';
            uri += kHex[u >> 4];
            uri += kHex[u & 15];
        }
    }
    return uri;
}

QString ThumbnailFileName(const QString& path) {
    return QString::fromLatin1(QCryptographicHash::hash(ThumbnailUri(path), QCryptographicHash::Md5).toHex()) +
           QStringLiteral(".png");
}

ThumbnailCache::ThumbnailCache(QString root) : root_(std::move(root)) {
    memory_.setMaxCost(kMemoryBytes);
    // Two at most: the window's own thread and the children's pointer come first.
    pool_.setMaxThreadCount(2);
    pool_.setThreadPriority(QThread::LowPriority);
}

ThumbnailCache::~ThumbnailCache() {
    pool_.clear();
    pool_.waitForDone();
    // Answers still posted to receiver_ go with it, undelivered.
}

QString ThumbnailCache::largeFolder() const { return root_ + QStringLiteral("/large"); }
QString ThumbnailCache::failFolder() const {
    return root_ + QStringLiteral("/fail/pintaloo-" PINTALOO_VERSION);
}

bool ThumbnailCache::lookUp(const QString& key, GalleryThumbnail* found) {
    const std::lock_guard lock(memoryMutex_);
    const GalleryThumbnail* kept = memory_.object(key);
    if (kept) *found = *kept;
    return kept != nullptr;
}

void ThumbnailCache::remember(const QString& key, const GalleryThumbnail& thumbnail) {
    const std::lock_guard lock(memoryMutex_);
    // A plain frame costs nearly nothing but is still worth remembering.
    memory_.insert(key, new GalleryThumbnail(thumbnail), std::max<qsizetype>(64, thumbnail.image.sizeInBytes()));
}

GalleryThumbnail ThumbnailCache::make(const QString& path) {
    Stamp stamp;
    // Gone, a link or not a file: a plain frame, and nothing noted (it may
    // be back as a real drawing in a moment).
    if (!StampOf(path, &stamp)) return {};
    const QString key =
        path + QLatin1Char('\n') + QString::number(stamp.mtime) + QLatin1Char('.') +
        QString::number(stamp.nanoseconds) + QLatin1Char('/') + QString::number(stamp.size);
    GalleryThumbnail answer;
    if (lookUp(key, &answer)) return answer;

    const QByteArray uri = ThumbnailUri(path);
    const QString name = ThumbnailFileName(path);
    const QString cached = largeFolder() + QLatin1Char('/') + name;
    const QString failed = failFolder() + QLatin1Char('/') + name;
    const auto storyBeside = [&] {
        const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
        return dot > path.lastIndexOf(QLatin1Char('/')) &&
               IsRegularFile(path.left(dot) + QString::fromLatin1(kSideStoryExtension));
    };

    // 1. The desktop's cache, ours or another program's, when it is of this
    //    very file as it is now. Anything else there is made again.
    PictureRefusal why = PictureRefusal::None;
    const QByteArray thumbBytes = ReadPictureFile(cached, &why, kMaxThumbnailBytes, Links::Refuse);
    if (why == PictureRefusal::None) {
        const Said said = Read(thumbBytes, uri, stamp.mtime);
        if (said.matches) {
            PictureResult thumb = DecodeWithin(thumbBytes, kSide, qint64(kSide) * kSide);
            if (thumb.refusal == PictureRefusal::None) {
                answer.image = std::move(thumb.image);
                if (said.story) {
                    answer.hasStory = *said.story;
                } else {  // another program made it: the drawing's chunks tell
                    PictureRefusal drawingWhy = PictureRefusal::None;
                    answer.hasStory = PngHasStory(ReadPictureFile(path, &drawingWhy, kMaxDrawingBytes, Links::Refuse)) ||
                                      storyBeside();
                }
                remember(key, answer);
                return answer;
            }
        }
    }

    // 2. Tried before and failed, and the drawing has not changed since.
    why = PictureRefusal::None;
    const QByteArray failBytes = ReadPictureFile(failed, &why, kMaxThumbnailBytes, Links::Refuse);
    if (why == PictureRefusal::None && Read(failBytes, uri, stamp.mtime).matches) {
        remember(key, answer);
        return answer;
    }

    // 3. The drawing itself, with the checks every opened picture gets.
    why = PictureRefusal::None;
    const QByteArray bytes = ReadPictureFile(path, &why, kMaxDrawingBytes, Links::Refuse);
    if (why == PictureRefusal::Unreadable) return answer;  // not ours to read now; perhaps later
    PictureResult drawing;
    if (why == PictureRefusal::None) drawing = DecodeWithin(bytes, PictureLimits::kMaxSide, kMaxDrawingPixels);
    else drawing.refusal = why;
    if (drawing.refusal != PictureRefusal::None) {
        // Noted, so it is not decoded again on every page turn or start.
        QImage mark(1, 1, QImage::Format_ARGB32);
        mark.fill(Qt::transparent);
        const QByteArray note = EncodePng(mark, uri, stamp, std::nullopt);
        if (!note.isEmpty() && MakeFolders(root_, {QStringLiteral("fail"), failFolder().section(QLatin1Char('/'), -1)}))
            WriteFileSafely(failed, note);
        remember(key, answer);
        return answer;
    }
    answer.hasStory = PngHasStory(bytes) || storyBeside();
    QImage image = std::move(drawing.image);
    if (image.width() > kSide || image.height() > kSide)
        image = image.scaled(kSide, kSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    answer.image = image;
    // A cache that cannot be written (a file where the folder should be, a
    // full disk) still gives the thumbnail; it is made again next time.
    const QByteArray png = EncodePng(image, uri, stamp, answer.hasStory);
    if (!png.isEmpty() && MakeFolders(root_, {QStringLiteral("large")})) {
        // A link planted under the thumbnail's name is no thumbnail: the
        // link goes (never what it points at), so the new one can be kept.
        struct stat st {};
        const QByteArray native = QFile::encodeName(cached);
        if (::lstat(native.constData(), &st) == 0 && S_ISLNK(st.st_mode)) ::unlink(native.constData());
        WriteFileSafely(cached, png);
    }
    remember(key, answer);
    return answer;
}

// One request on the pool. Its count of requests not begun is given back
// however it ends: run, or dropped unrun by cancelPending.
class ThumbnailCache::Job final : public QRunnable {
public:
    Job(ThumbnailCache* cache, QString path, QPointer<QObject> guard, Ready ready)
        : cache_(cache), path_(std::move(path)), guard_(std::move(guard)), ready_(std::move(ready)) {
        ++cache_->waiting_;
    }
    ~Job() override {
        if (!begun_) --cache_->waiting_;
    }
    Job(const Job&) = delete;
    Job& operator=(const Job&) = delete;

    void run() override {
        begun_ = true;
        ThumbnailCache& cache = *cache_;
        // Counted once begun: a request dropped before it began owes no answer.
        ++cache.undelivered_;
        ++cache.running_;
        --cache.waiting_;
        GalleryThumbnail thumbnail = cache.make(path_);
        // Each drawing is decoded whole (1.7 MB at the canvas's size) on a
        // worker whose malloc arena keeps what was freed: 500 drawings left
        // some 90 MB resident that nothing used. Given back when the queue
        // runs dry, about once a page, for a millisecond or two.
        if (--cache.running_ == 0 && cache.waiting_ == 0) ::malloc_trim(0);
        QMetaObject::invokeMethod(
            &cache.receiver_,
            [&cache, guard = guard_, path = path_, thumbnail = std::move(thumbnail), ready = ready_] {
                --cache.undelivered_;
                if (guard) ready(path, thumbnail);
            },
            Qt::QueuedConnection);
    }

private:
    ThumbnailCache* cache_;
    QString path_;
    QPointer<QObject> guard_;
    Ready ready_;
    bool begun_ = false;
};

void ThumbnailCache::request(const GalleryEntry& entry, QObject* context, Ready ready) {
    Q_ASSERT(QThread::currentThread() == receiver_.thread());
    pool_.start(new Job(this, entry.path, QPointer<QObject>(context), std::move(ready)));
}

void ThumbnailCache::cancelPending() {
    // Requests not begun are dropped. One already running still answers
    // (its context's guard decides whether anyone hears it).
    pool_.clear();
}

void ThumbnailCache::finish() {
    Q_ASSERT(QThread::currentThread() == receiver_.thread());
    // Answers may ask for more (a panel filling its page): until all is quiet.
    while (true) {
        pool_.waitForDone();
        if (undelivered_ == 0) return;
        QCoreApplication::sendPostedEvents(&receiver_, QEvent::MetaCall);
    }
}

}  // namespace pintaloo
