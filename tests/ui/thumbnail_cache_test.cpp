// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The gallery's thumbnails in the desktop's cache: used only when they are
// of this very file as it is now, never read or written through a link, a
// drawing that cannot be shown noted once, answers on the asking thread.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include "ui/files/png_story.h"
#include "ui/files/thumbnail_cache.h"

namespace pintaloo {
namespace {

QByteArray Png(QImage image, const std::vector<std::pair<QString, QString>>& texts) {
    for (const auto& [key, value] : texts) image.setText(key, value);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(image);
    return bytes;
}

QImage Filled(int w, int h, QRgb colour) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray Get(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A PNG whose header claims 30000 x 30000 pixels: refused before decoding.
QByteArray HostilePng() {
    QByteArray ihdr("IHDR\0\0\x75\x30\0\0\x75\x30\x08\x06\0\0\0", 17);
    const uLong crc = ::crc32(0, reinterpret_cast<const Bytef*>(ihdr.constData()), uInt(ihdr.size()));
    QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\x0d", 12);
    png += ihdr;
    for (int shift = 24; shift >= 0; shift -= 8) png += char((crc >> shift) & 0xff);
    png += QByteArray("\0\0\0\0IEND\xae\x42\x60\x82", 12);
    return png;
}

bool IsRed(const QImage& image) {
    const QRgb c = image.pixel(image.width() / 2, image.height() / 2);
    return qRed(c) > 200 && qBlue(c) < 50;
}

class ThumbnailCacheTest : public ::testing::Test {
public:
    QTemporaryDir dir;
    QString drawing() const { return dir.filePath(QStringLiteral("gallery/Drawing 2026-12-09 10.15.png")); }
    QString root() const { return dir.filePath(QStringLiteral("cache/thumbnails")); }
    QString thumb() const { return root() + QStringLiteral("/large/") + ThumbnailFileName(drawing()); }
    qint64 mtime() const { return QFileInfo(drawing()).lastModified().toSecsSinceEpoch(); }
    // A planted thumbnail: red, so a test tells it from one made from the blue drawing.
    QByteArray planted(const QString& uri, qint64 time, bool withStoryKey) const {
        std::vector<std::pair<QString, QString>> texts = {{QStringLiteral("Thumb::URI"), uri},
                                                          {QStringLiteral("Thumb::MTime"), QString::number(time)}};
        if (withStoryKey) texts.push_back({QStringLiteral("X-Pintaloo::Story"), QStringLiteral("1")});
        return Png(Filled(256, 170, qRgb(230, 0, 0)), texts);
    }
    QString uri() const { return QString::fromLatin1(ThumbnailUri(drawing())); }

    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("gallery"))));
        // A drawing of canvas shape with its story inside, as the gallery files it.
        Put(drawing(), EncodeDrawingPng(Filled(807, 537, qRgb(0, 0, 220)), "pintaloo story\n", {}));
    }
};

TEST_F(ThumbnailCacheTest, UsesOnlyWhatIsOfThisFileNowAndNeverFollowsLinks) {
    struct Case {
        const char* name;
        std::function<void(ThumbnailCacheTest&)> plant;
        bool cacheUsed;  // the planted red thumbnail comes back
        bool image;
        bool story;
        bool failNoted;
    };
    const QString victim = dir.filePath(QStringLiteral("victim.png"));
    const auto plantAt = [](ThumbnailCacheTest& t, const QByteArray& bytes) {
        ASSERT_TRUE(QDir().mkpath(t.root() + QStringLiteral("/large")));
        Put(t.thumb(), bytes);
    };
    const Case cases[] = {
        {"fresh", [&](ThumbnailCacheTest& t) { plantAt(t, t.planted(t.uri(), t.mtime(), true)); }, true, true, true,
         false},
        {"another program's, no story key",
         [&](ThumbnailCacheTest& t) { plantAt(t, t.planted(t.uri(), t.mtime(), false)); }, true, true, true, false},
        {"stale time", [&](ThumbnailCacheTest& t) { plantAt(t, t.planted(t.uri(), t.mtime() - 1, true)); }, false,
         true, true, false},
        {"wrong URI",
         [&](ThumbnailCacheTest& t) { plantAt(t, t.planted(QStringLiteral("file:///elsewhere.png"), t.mtime(), true)); },
         false, true, true, false},
        {"damaged", [&](ThumbnailCacheTest& t) { plantAt(t, t.planted(t.uri(), t.mtime(), true).left(120)); }, false,
         true, true, false},
        {"a link",
         [&](ThumbnailCacheTest& t) {
             Put(victim, t.planted(t.uri(), t.mtime(), true));
             ASSERT_TRUE(QDir().mkpath(t.root() + QStringLiteral("/large")));
             ASSERT_TRUE(QFile::link(victim, t.thumb()));
         },
         false, true, true, false},
        {"cache folder is a file",
         [&](ThumbnailCacheTest& t) {
             ASSERT_TRUE(QDir().mkpath(t.root()));
             Put(t.root() + QStringLiteral("/large"), "not a folder");
         },
         false, true, true, false},
        {"hostile drawing", [&](ThumbnailCacheTest& t) { Put(t.drawing(), HostilePng()); }, false, false, false, true},
        {"drawing too big to decode for a thumbnail",  // 10 million white pixels: a small file, 40 MB decoded
         [](ThumbnailCacheTest& t) { Put(t.drawing(), Png(Filled(4000, 2500, qRgb(255, 255, 255)), {})); }, false,
         false, false, true},
        {"no cache yet", [](ThumbnailCacheTest&) {}, false, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(dir.filePath(QStringLiteral("cache"))).removeRecursively();
        QFile::remove(victim);
        SetUp();
        c.plant(*this);
        const QByteArray victimBefore = Get(victim);
        const bool hadFolder = QFileInfo::exists(root() + QStringLiteral("/large"));
        const GalleryThumbnail got = ThumbnailCache(root()).make(drawing());
        EXPECT_EQ(!got.image.isNull(), c.image);
        EXPECT_EQ(got.hasStory, c.story);
        if (!got.image.isNull()) {
            EXPECT_EQ(IsRed(got.image), c.cacheUsed);
            EXPECT_LE(std::max(got.image.width(), got.image.height()), ThumbnailCache::kSide);
        }
        EXPECT_EQ(Get(victim), victimBefore);  // nothing written through the link
        const QString failed = root() + QStringLiteral("/fail/pintaloo-" PINTALOO_VERSION "/") +
                               ThumbnailFileName(drawing());
        EXPECT_EQ(QFileInfo::exists(failed), c.failNoted);
        const QFileInfo large(root() + QStringLiteral("/large"));
        if (c.image && !c.cacheUsed && large.isDir()) {
            // Made again and kept the desktop's way: a private regular file that a second cache takes as it is.
            struct stat st {};
            ASSERT_EQ(::lstat(QFile::encodeName(thumb()).constData(), &st), 0);
            EXPECT_TRUE(S_ISREG(st.st_mode));
            EXPECT_EQ(st.st_mode & 0777, 0600u);
            ASSERT_EQ(::stat(QFile::encodeName(large.filePath()).constData(), &st), 0);
            if (!hadFolder) {
                EXPECT_EQ(st.st_mode & 0777, 0700u);
            }
            const QImage kept(thumb());
            EXPECT_EQ(kept.text(QStringLiteral("Thumb::URI")), uri());
            EXPECT_EQ(kept.text(QStringLiteral("Thumb::MTime")).toLongLong(), mtime());
        }
    }
}

TEST_F(ThumbnailCacheTest, AFailedDrawingIsNotTriedAgainUntilItChanges) {
    Put(drawing(), HostilePng());
    const QDateTime when = QFileInfo(drawing()).lastModified();
    EXPECT_TRUE(ThumbnailCache(root()).make(drawing()).image.isNull());
    // Mended behind the cache's back, the time put back: the note still stands.
    Put(drawing(), Png(Filled(40, 30, qRgb(0, 0, 220)), {}));
    QFile f(drawing());
    ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.setFileTime(when, QFileDevice::FileModificationTime));
    f.close();
    EXPECT_TRUE(ThumbnailCache(root()).make(drawing()).image.isNull());
    // Changed for real: made.
    ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.setFileTime(when.addSecs(5), QFileDevice::FileModificationTime));
    f.close();
    EXPECT_FALSE(ThumbnailCache(root()).make(drawing()).image.isNull());
}

TEST(ThumbnailNames, FollowTheDesktopsRules) {
    // The example the freedesktop thumbnail standard itself gives.
    EXPECT_EQ(ThumbnailFileName(QStringLiteral("/home/jens/photos/me.png")),
              QStringLiteral("c6ee772d9e49320e97ec29a7eb5b1697.png"));
    EXPECT_EQ(ThumbnailUri(QString::fromUtf8("/p/Drawing 2026-12-09 10.15 \xc3\xa9#?%;\n.png")),
              QByteArray("file:///p/Drawing%202026-12-09%2010.15%20%C3%A9%23%3F%25%3B%0A.png"));
}

TEST_F(ThumbnailCacheTest, AnswersOnTheAskingThreadAndOnlyWhileTheAskerLives) {
    ThumbnailCache cache(root());
    auto alive = std::make_unique<QObject>();
    auto gone = std::make_unique<QObject>();
    int answered = 0, stray = 0;
    const GalleryEntry entry{drawing(), 0, 0};
    for (int i = 0; i < 3; ++i)
        cache.request(entry, alive.get(), [&](const QString& path, const GalleryThumbnail& t) {
            EXPECT_EQ(QThread::currentThread(), qApp->thread());
            EXPECT_EQ(path, drawing());
            EXPECT_TRUE(t.hasStory && !t.image.isNull());
            ++answered;
        });
    cache.request(entry, gone.get(), [&](const QString&, const GalleryThumbnail&) { ++stray; });
    gone.reset();
    cache.finish();
    EXPECT_EQ(answered, 3);
    EXPECT_EQ(stray, 0);
    // A page turned: what was not begun is dropped, and finishing still ends.
    std::vector<QString> copies;
    for (int i = 0; i < 40; ++i) {
        copies.push_back(dir.filePath(QStringLiteral("gallery/copy %1.png").arg(i)));
        ASSERT_TRUE(QFile::copy(drawing(), copies.back()));
    }
    answered = 0;
    for (const QString& copy : copies)
        cache.request({copy, 0, 0}, alive.get(), [&](const QString&, const GalleryThumbnail&) { ++answered; });
    cache.cancelPending();
    cache.finish();
    EXPECT_LT(answered, 40);
}

}  // namespace
}  // namespace pintaloo
