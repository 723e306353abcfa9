// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Own colouring pages and background pictures: files planted in the data
// folders are left out or refused without a hang, and a teacher's picture
// becomes a page whose every pixel is either exactly the outline colour or
// paper, with no dark pixel lost.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <random>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "ui/files/own_pages.h"

namespace pintaloo {
namespace {

// The data folders pointed at a scratch folder for one test.
class DataHome {
public:
    DataHome() : home_(qgetenv("XDG_DATA_HOME")), dirs_(qgetenv("XDG_DATA_DIRS")) {
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath("home")));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(dir.filePath("system")));
    }
    ~DataHome() {
        qputenv("XDG_DATA_HOME", home_);
        qputenv("XDG_DATA_DIRS", dirs_);
    }
    QString folder(const QString& kind) {
        const QString f = dir.filePath(QStringLiteral("home/pintaloo/") + kind);
        QDir().mkpath(f);
        return f;
    }
    QTemporaryDir dir;

private:
    QByteArray home_, dirs_;
};

QByteArray Png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QImage House(QSize size) {
    QImage img(size, QImage::Format_ARGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 3));
    p.drawRect(size.width() / 4, size.height() / 3, size.width() / 2, size.height() / 2);
    p.drawLine(size.width() / 4, size.height() / 3, size.width() / 2, size.height() / 8);
    return img;
}

TEST(OwnPages, PlantedFilesAreLeftOutOrRefusedAndTheGoodOnesRead) {
    DataHome data;
    const QString pages = data.folder(QStringLiteral("pages"));
    const QByteArray good = Png(House({80, 60}));
    QByteArray huge = good;  // the header says 100000 x 100000
    huge.replace(16, 8, QByteArray::fromHex("000186a0000186a0"));
    struct Planted {
        const char* name;
        std::function<void(const QString& path)> make;
        bool listed;  // kept by the listing (refused later, when decoded)
        bool reads;
    };
    const std::vector<Planted> planted = {
        {"a-good.png", [&](const QString& p) { Write(p, good); }, true, true},
        {"b-good.JPEG", [&](const QString& p) { House({40, 30}).save(p, "JPEG"); }, true, true},
        {"c-huge.png", [&](const QString& p) { Write(p, huge); }, true, false},
        {"d-truncated.png", [&](const QString& p) { Write(p, good.left(good.size() / 2)); }, true, false},
        {"e-text.png", [&](const QString& p) { Write(p, "not a picture at all\n"); }, true, false},
        {"f-empty.png", [&](const QString& p) { Write(p, {}); }, false, false},
        {"g-oversized.png",
         [&](const QString& p) {
             QFile f(p);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.write(good);
             f.resize(OwnPages::kMostBytes + 1);  // sparse: no disk spent
         },
         false, false},
        {"h-link.png", [&](const QString& p) { QFile::link(pages + "/a-good.png", p); }, false, false},
        {"i-fifo.png", [&](const QString& p) { ASSERT_EQ(::mkfifo(QFile::encodeName(p).constData(), 0600), 0); },
         false, false},
        {"j-notes.txt", [&](const QString& p) { Write(p, good); }, false, false},
    };
    for (const Planted& f : planted) f.make(pages + "/" + f.name);

    OwnPages own;
    std::vector<QString> listed;
    for (const OwnPage& p : own.list()) listed.push_back(p.relative);
    for (std::size_t i = 0, at = 0; i < planted.size(); ++i) {
        const QString name = QString::fromLatin1(planted[i].name);
        const bool isListed = std::find(listed.begin(), listed.end(), name) != listed.end();
        EXPECT_EQ(isListed, planted[i].listed) << planted[i].name;
        if (!isListed) continue;
        EXPECT_EQ(own.list()[at].id, OwnPageId(name));
        const QImage page = own.image(int(at), {807, 561}, qRgb(0, 0, 0));
        EXPECT_EQ(!page.isNull(), planted[i].reads) << planted[i].name;
        if (!page.isNull()) {
            EXPECT_EQ(page.size(), QSize(807, 561));
        }
        ++at;
    }
    EXPECT_EQ(own.indexOf(OwnPageId(QStringLiteral("b-good.JPEG"))), 1);
    EXPECT_EQ(own.indexOf(OwnPageId(QStringLiteral("gone.png"))), -1);
}

// Random small pictures (anti-aliased strokes in any colour, see-through
// patches, grey noise): at their own size every dark pixel, after
// flattening onto white, becomes exactly the outline and every other pixel
// paper; shrunk to half, still only the two colours, and a line one pixel
// wide in the big picture keeps at least one outline pixel in its row.
TEST(OwnPages, OutlinePagesHaveTwoColoursAndLoseNoDarkPixel) {
    std::mt19937 dice(7);
    const auto roll = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(dice); };
    const QRgb outline = qRgb(0, 0, 0), paper = qRgb(255, 255, 255);
    for (int round = 0; round < 40; ++round) {
        const QSize size(4 + roll(40), 4 + roll(30));
        QImage pic(size, QImage::Format_ARGB32);
        pic.fill(QColor(roll(256), roll(256), roll(256), roll(2) ? 255 : roll(256)));
        {
            QPainter p(&pic);
            p.setRenderHint(QPainter::Antialiasing);
            for (int k = roll(6); k > 0; --k) {
                p.setPen(QPen(QColor(roll(256), roll(256), roll(256), roll(256)), 0.5 + roll(4)));
                p.drawLine(QPointF(roll(size.width()), roll(size.height())), QPointF(roll(size.width()), roll(size.height())));
            }
        }
        const QImage page = OutlinePage(pic, size, outline);
        ASSERT_EQ(page.size(), size);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const QColor c = pic.pixelColor(x, y);
                const double a = c.alphaF();
                const int flat = qGray(qRound(c.red() * a + 255 * (1 - a)), qRound(c.green() * a + 255 * (1 - a)),
                                       qRound(c.blue() * a + 255 * (1 - a)));
                const QRgb got = page.pixel(x, y);
                ASSERT_TRUE(got == outline || got == paper) << round;
                // Two grey levels of blending round-off either way at the cut.
                if (flat < kDarkBelow - 2) {
                    ASSERT_EQ(got, outline) << round << " at " << x << "," << y;
                }
                if (flat > kDarkBelow + 1) {
                    ASSERT_EQ(got, paper) << round << " at " << x << "," << y;
                }
            }
        // Twice the page's size, shrunk to it.
        QImage big = pic.scaled(size * 2).convertToFormat(QImage::Format_RGB32);
        big.fill(Qt::white);
        const int row = roll(big.height());
        for (int x = 0; x < big.width(); ++x) big.setPixel(x, row, qRgb(40, 40, 40));
        const QImage shrunk = OutlinePage(big, size, outline);
        bool lineKept = false;
        for (int y = 0; y < shrunk.height(); ++y)
            for (int x = 0; x < shrunk.width(); ++x) {
                ASSERT_TRUE(shrunk.pixel(x, y) == outline || shrunk.pixel(x, y) == paper);
                lineKept = lineKept || (y == row / 2 && shrunk.pixel(x, y) == outline);
            }
        EXPECT_TRUE(lineKept) << round;
        // A background of the same picture is paint: never the outline colour, and covers the page.
        const QImage background = BackgroundPicture(pic, {size.width() + roll(9), size.height()}, outline);
        for (int y = 0; y < background.height(); ++y)
            for (int x = 0; x < background.width(); ++x) ASSERT_NE(background.pixel(x, y), outline) << round;
    }
}

}  // namespace
}  // namespace pintaloo
