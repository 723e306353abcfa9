// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a picture file as the page to paint on: bitmaps, JPEG and PNG,
// cancelling, and files that are missing, damaged or hostile.
#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QImageWriter>
#include <QTimer>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFileInfo>

#include <malloc.h>

#include "ui/parts/canvas_part.h"
#include "ui/parts/drawing_files.h"
#include "ui/parts/page_picker.h"
#include "pages_support.h"

namespace pintaloo::test {
namespace {

constexpr int kW = Surface::kWidth;
constexpr int kH = Surface::kHeight;

// Every pixel its own colour, so a shift, a scale or swapped channels show.
QImage Busy(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x & 255, y & 255, ((x >> 8) * 64 + (y >> 8) * 16 + 7) & 255));
    return img;
}

// Gentle gradients that survive JPEG compression nearly unchanged.
QImage Smooth(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb((x / 5) & 255, (y / 4) & 255, 60 + (x + y) / 16));
    return img;
}

// A progressive JPEG whose last scan is repeated until it has `scans` of
// them: each one makes the decoder go over the whole picture again.
QByteArray ManyScanJpeg(int w, int h, int scans) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(qRgb(120, 200, 40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    if (!writer.write(img)) return {};
    const qsizetype eoi = bytes.size() - 2, last = bytes.lastIndexOf("\xFF\xDA");
    const QByteArray scan = bytes.mid(last, eoi - last);
    QByteArray out = bytes.left(eoi);
    for (int i = bytes.count("\xFF\xDA"); i < scans; ++i) out += scan;
    return out + "\xFF\xD9";
}

// An 8-bit run-length bitmap with a two-colour palette (black, white).
QByteArray RleBitmap(int w, int h, const QByteArray& runs) {
    QByteArray b = BitmapHeader(w, h, 8);
    auto put32 = [&](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = char((v >> (8 * i)) & 255);
    };
    b[28] = 8;
    put32(30, 1);  // RLE8
    put32(34, std::uint32_t(runs.size()));
    put32(46, 2);
    put32(10, 62);
    const char palette[8] = {0, 0, 0, 0, char(255), char(255), char(255), 0};
    b.replace(54, 8, QByteArray(palette, 8));
    b += runs;
    put32(2, std::uint32_t(b.size()));
    return b;
}

QByteArray Encoded(const QImage& img, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(QImageWriter(&buffer, format).write(img)) << format;
    return bytes;
}

class OpeningTest : public ::testing::Test {
protected:
    WindowRig rig;
    QString path(const QString& name) { return rig.scratch.path() + '/' + name; }
    bool pickerShown() { return !Control(rig.w(), "pctOpen")->isHidden(); }

    // "Open a drawing" in the picker, answered with `answer`.
    void open(std::optional<QString> answer, int button = 1) {
        rig.call("KewlButtons1_MouseDown", {1, 10, 10});
        ASSERT_TRUE(pickerShown());
        rig.dialog.answers.push_back(std::move(answer));
        rig.heard.clear();
        rig.call("Label7_MouseDown", {double(button), 10, 10});
    }

    // Opening `file` must leave a drawing exactly as it was and tell the
    // grown-up why, once.
    void expectRefused(const QString& file, std::optional<PictureRefusal> reason = std::nullopt) {
        SCOPED_TRACE(file.toStdString());
        rig.drawSomethingVaried();
        const auto before = rig.pixels();
        rig.messages.told.clear();
        open(file);
        EXPECT_EQ(CountDifferent(rig.pixels(), before), 0u);
        EXPECT_TRUE(pickerShown()) << "a refused picture leads back to the picker";
        EXPECT_TRUE(Control(rig.w(), "Picture1")->isHidden()) << "the wait note stayed";
        PictureRefusal why = PictureRefusal::None;
        EXPECT_FALSE(DrawingFiles::LoadPicture(file, kW, kH, &why).has_value());
        EXPECT_NE(why, PictureRefusal::None);
        if (reason) {
            EXPECT_EQ(int(why), int(*reason));
        }
        ASSERT_EQ(rig.messages.told.size(), 1u) << "a refused picture must say so";
        EXPECT_EQ(rig.messages.told[0].second, RefusalText(why));
        EXPECT_TRUE(rig.messages.told[0].second.contains("The drawing is still on the page."));
    }
};

TEST_F(OpeningTest, PicturesThatFitLoadUnscaledFromTheTopLeft) {
    struct Case {
        const char* name;
        const char* format;
        QImage source;
        bool exact;
    };
    const Case cases[] = {
        {"small.bmp", "BMP", Busy(300, 200), true},     {"small.png", "PNG", Busy(123, 456), true},
        {"small.jpeg", "JPG", Smooth(500, 300), false}, {"page.png", "PNG", Busy(kW, kH), true},
        {"narrow.bmp", "BMP", Busy(kW, 40), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.source.save(path(c.name), c.format, 95));
        rig.drawSomethingVaried();
        open(path(c.name));
        EXPECT_FALSE(pickerShown());
        EXPECT_EQ(rig.heard, (Played{{"wave", 102}}));
        const auto canvas = rig.pixels();
        // Exactly what the file holds, its top-left part, the rest paper.
        EXPECT_EQ(CountDifferent(canvas, ExpectedCanvas(QImage(path(c.name)), kW, kH)), 0u);
        if (c.exact) {
            EXPECT_EQ(CountDifferent(canvas, ExpectedCanvas(c.source, kW, kH)), 0u);
        } else {
            // A JPEG is close to its source everywhere.
            const auto want = ExpectedCanvas(c.source, kW, kH);
            long worst = 0;
            for (std::size_t i = 0; i < want.size(); ++i)
                for (const int shift : {0, 8, 16})
                    worst =
                        std::max(worst, std::labs(long((canvas[i] >> shift) & 255) - long((want[i] >> shift) & 255)));
            EXPECT_LE(worst, 24);
        }
        // The part beyond a small picture is paper, not the old drawing.
        if (c.source.width() < kW) {
            const int x = kW - 1, y = kH - 1;
            EXPECT_EQ(canvas[std::size_t(y) * kW + std::size_t(x)], kWhite);
        }
    }
}

// A picture larger than the page (a photo, nearly always) is shrunk until
// it just fits, its proportions kept, from the top-left corner; it used to
// show its top-left 807 x 537 pixels only.
TEST_F(OpeningTest, LargerPicturesShrinkToFitWithTheirProportions) {
    // Four flat quarters, so their middles keep their colours through the
    // smoothing and any stretch or crop moves a colour to the wrong place.
    const auto quarters = [](int w, int h) {
        QImage img(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                img.setPixel(x, y,
                             y < h / 2 ? (x < w / 2 ? qRgb(200, 0, 0) : qRgb(0, 160, 0))
                                       : (x < w / 2 ? qRgb(0, 0, 220) : qRgb(250, 200, 0)));
        return img;
    };
    struct Case {
        const char* name;
        const char* format;
        int w, h;
        int fitW, fitH;  // the page's 807 x 537 at the picture's proportions
    };
    const Case cases[] = {
        {"photo.jpg", "JPG", 4000, 3000, 716, 537}, {"wide.png", "PNG", 2000, 400, 807, 161},
        {"tall.bmp", "BMP", 600, 2000, 161, 537},   {"just.png", "PNG", 1614, 1074, 807, 537},
        {"strip.png", "PNG", 20000, 2, 807, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(quarters(c.w, c.h).save(path(c.name), c.format, 95));
        rig.drawSomethingVaried();
        open(path(c.name));
        const auto canvas = rig.pixels();
        const auto at = [&](int x, int y) { return canvas[std::size_t(y) * kW + std::size_t(x)]; };
        // The painted part is exactly the fitted size; the rest is paper.
        int right = 0, bottom = 0;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                if (at(x, y) != kWhite) right = std::max(right, x + 1), bottom = std::max(bottom, y + 1);
        EXPECT_EQ(right, c.fitW);
        EXPECT_EQ(bottom, c.fitH);
        if (c.fitH < 8) continue;  // too thin for quarters
        // Each quarter's middle keeps its colour (a JPEG nearly).
        const struct {
            int x, y;
            Colour want;
        } middles[] = {{c.fitW / 4, c.fitH / 4, Rgb(200, 0, 0)},
                       {3 * c.fitW / 4, c.fitH / 4, Rgb(0, 160, 0)},
                       {c.fitW / 4, 3 * c.fitH / 4, Rgb(0, 0, 220)},
                       {3 * c.fitW / 4, 3 * c.fitH / 4, Rgb(250, 200, 0)}};
        for (const auto& m : middles)
            for (const int shift : {0, 8, 16})
                EXPECT_LE(std::abs(int((at(m.x, m.y) >> shift) & 255) - int((m.want >> shift) & 255)), 12)
                    << m.x << "," << m.y;
    }
}

TEST_F(OpeningTest, AnyMouseButtonOpensTheDialog) {
    ASSERT_TRUE(Busy(50, 50).save(path("a.bmp"), "BMP"));
    for (const int button : {2, 4, 1}) {
        rig.call("KewlButtons2_MouseDown", {1, 10, 10});  // a blank page
        open(path("a.bmp"), button);
        EXPECT_EQ(rig.pixels(), ExpectedCanvas(Busy(50, 50), kW, kH)) << "button " << button;
        EXPECT_EQ(rig.dialog.asks.back().kind, "open");
        EXPECT_TRUE(rig.dialog.asks.back().filter.contains("*.bmp"));
        EXPECT_TRUE(rig.dialog.asks.back().filter.contains("*.jpg"));
    }
    EXPECT_EQ(rig.dialog.asks.size(), 3u);
}

TEST_F(OpeningTest, TransparentPartsShowThePaper) {
    QImage img(100, 80, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 50; ++x) img.setPixel(x, y, qRgba(200, 10, 30, 255));
    ASSERT_TRUE(img.save(path("clear.png"), "PNG"));
    rig.drawSomethingVaried();
    open(path("clear.png"));
    const auto canvas = rig.pixels();
    EXPECT_EQ(canvas[10 * kW + 10], Rgb(200, 10, 30));
    EXPECT_EQ(canvas[60 * kW + 70], kWhite);
    EXPECT_EQ(std::count(canvas.begin(), canvas.end(), kWhite), std::ptrdiff_t(kW * kH - 50 * 40));
}

TEST_F(OpeningTest, CancelLeavesTheDrawingExactlyAsItWas) {
    rig.drawSomethingVaried();
    auto before = rig.pixels();
    open(std::nullopt);
    EXPECT_EQ(CountDifferent(rig.pixels(), before), 0u);
    EXPECT_TRUE(pickerShown()) << "a cancelled dialog leads back to the picker";
    EXPECT_EQ(rig.heard, (Played{{"wave", 102}}));
    // With a picture opened earlier, a cancel must not bring it back.
    ASSERT_TRUE(Busy(400, 300).save(path("earlier.png"), "PNG"));
    open(path("earlier.png"));
    rig.drawSomethingVaried();
    before = rig.pixels();
    open(std::nullopt);
    EXPECT_EQ(CountDifferent(rig.pixels(), before), 0u);
    EXPECT_EQ(rig.dialog.asks.back().start, path("earlier.png"));
    open(QString());
    EXPECT_EQ(CountDifferent(rig.pixels(), before), 0u);
}

TEST_F(OpeningTest, MissingDamagedAndHostileFilesChangeNothing) {
    expectRefused(path("not_there.bmp"), PictureRefusal::Unreadable);

    ASSERT_TRUE(WriteAll(path("letter.bmp"), "Dear grandma, this is not a picture.\n"));
    expectRefused(path("letter.bmp"), PictureRefusal::NotAPicture);

    ASSERT_TRUE(WriteAll(path("empty.bmp"), QByteArray()));
    expectRefused(path("empty.bmp"), PictureRefusal::NotAPicture);

    // 100000 x 100000 pixels claimed, a few bytes given.
    ASSERT_TRUE(WriteAll(path("huge.bmp"), BitmapHeader(100000, 100000, 96)));
    expectRefused(path("huge.bmp"), PictureRefusal::TooLarge);
    ASSERT_TRUE(WriteAll(path("huge_topdown.bmp"), BitmapHeader(100000, -100000, 96)));
    expectRefused(path("huge_topdown.bmp"), PictureRefusal::TooLarge);
    // The same trick in a PNG header.
    ASSERT_TRUE(Busy(8, 8).save(path("tiny.png"), "PNG"));
    QByteArray png = ReadAll(path("tiny.png"));
    ASSERT_GT(png.size(), 24);
    for (const int at : {16, 20}) {  // width and height of the IHDR chunk
        png[at] = 0;
        png[at + 1] = 1;
        png[at + 2] = char(0x86);
        png[at + 3] = char(0xA0);
    }
    ASSERT_TRUE(WriteAll(path("huge.png"), png));
    expectRefused(path("huge.png"), PictureRefusal::TooLarge);

    ASSERT_TRUE(QDir().mkpath(path("folder.bmp")));
    expectRefused(path("folder.bmp"), PictureRefusal::Unreadable);

    // The program is still fine: a good picture opens.
    ASSERT_TRUE(Busy(400, 300).save(path("whole.bmp"), "BMP"));
    open(path("whole.bmp"));
    EXPECT_EQ(rig.pixels(), ExpectedCanvas(Busy(400, 300), kW, kH));
}

// Only bitmaps, PNG and JPEG open, whatever the name says; everything else
// Qt could draw is refused before any decoder sees it.
TEST_F(OpeningTest, OtherKindsOfPictureAreRefusedWhateverTheirName) {
    const char gif[] =
        "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00\x2c\x00\x00\x00\x00"
        "\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3b";
    const QByteArray svg =
        "<svg xmlns='http://www.w3.org/2000/svg' width='300' height='200'><rect width='300' height='200' "
        "fill='red'/></svg>";
    struct Case {
        const char* name;
        const char* qtFormat;  // what Qt itself would read it as
        QByteArray bytes;
    };
    const Case cases[] = {
        {"drawing_svg.bmp", "svg", svg},
        {"drawing_ppm.bmp", "ppm", Encoded(Busy(40, 30), "ppm")},
        {"drawing_xpm.png", "xpm", Encoded(Busy(8, 8), "xpm")},
        {"drawing_gif.jpg", "gif", QByteArray(gif, sizeof gif - 1)},
        {"drawing_ico.bmp", "ico", Encoded(Busy(32, 32), "ico")},
        // A 100-byte header claiming 6000 x 6000: refused without a look at the size.
        {"huge_ppm.bmp", "ppm", QByteArray("P6\n6000 6000\n255\n").leftJustified(100, '\x7f')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.bytes.isEmpty());
        ASSERT_TRUE(WriteAll(path(c.name), c.bytes));
        if (QImageReader::supportedImageFormats().contains(c.qtFormat) && std::string(c.name) != "huge_ppm.bmp") {
            EXPECT_FALSE(QImage::fromData(c.bytes, c.qtFormat).isNull()) << "not a real " << c.qtFormat;
        }
        expectRefused(path(c.name), PictureRefusal::NotAPicture);
        EXPECT_TRUE(rig.messages.told.back().second.startsWith("This file is not a picture Pintaloo can open."));
    }
    // The bytes decide, not the name: a PNG called .jpg and a JPEG called
    // .bmp open as what they are.
    ASSERT_TRUE(WriteAll(path("really_png.jpg"), Encoded(Busy(60, 40), "png")));
    open(path("really_png.jpg"));
    EXPECT_EQ(rig.pixels(), ExpectedCanvas(Busy(60, 40), kW, kH));
    ASSERT_TRUE(WriteAll(path("really_jpeg.bmp"), Encoded(Smooth(60, 40), "jpeg")));
    open(path("really_jpeg.bmp"));
    EXPECT_EQ(rig.pixels(), ExpectedCanvas(QImage::fromData(ReadAll(path("really_jpeg.bmp")), "jpeg"), kW, kH));
}

// Files cut short or lying about themselves are refused and the drawing
// stays; good files of the same kinds beside them still open.
TEST_F(OpeningTest, DamagedFilesAreRefusedWithAMessage) {
    const QByteArray jpeg = Encoded(Smooth(300, 200), "jpeg");
    const QByteArray png = Encoded(Busy(300, 200), "png");
    QByteArray badCrc = png;
    badCrc[40] = char(badCrc[40] ^ 0x55);  // inside the picture data
    const QByteArray rows = QByteArray::fromHex(
        "040100000400"
        "0001");  // a white row, a black row, the end
    struct Case {
        const char* name;
        QByteArray bytes;
        bool opens;
    };
    const Case cases[] = {
        {"whole.jpg", jpeg, true},
        {"cut_200.jpg", jpeg.left(200), false},
        {"cut_half.jpg", jpeg.left(jpeg.size() / 2), false},
        {"no_end.jpg", jpeg.left(jpeg.size() - 2), false},
        {"whole.png", png, true},
        {"cut_half.png", png.left(png.size() / 2), false},
        {"no_end.png", png.left(png.size() - 12), false},
        {"bad_checksum.png", badCrc, false},
        {"rle_rows.bmp", RleBitmap(4, 2, rows), true},
        {"rle_end_only.bmp", RleBitmap(4, 2, QByteArray::fromHex("0001")), false},
        {"rle_no_end.bmp", RleBitmap(4, 2, rows.left(6)), false},
        {"rle_run_too_long.bmp", RleBitmap(4, 2, QByteArray::fromHex("05010001")), false},
        {"rle_too_many_rows.bmp", RleBitmap(4, 1, rows), false},
        {"rle_colour_not_in_palette.bmp", RleBitmap(4, 1, QByteArray::fromHex("04020001")), false},
        {"rle_raw_colour_not_in_palette.bmp",
         RleBitmap(4, 1,
                   QByteArray::fromHex("000400010701"
                                       "0001")),
         false},
        {"rle_moves_off_the_page.bmp",
         RleBitmap(4, 2,
                   QByteArray::fromHex("02010002"
                                       "0005"
                                       "0001")),
         false},
        {"many_scans.jpg", ManyScanJpeg(64, 48, 3000), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteAll(path(c.name), c.bytes));
        if (!c.opens) {
            expectRefused(path(c.name), PictureRefusal::Damaged);
            continue;
        }
        rig.messages.told.clear();
        ASSERT_TRUE(DrawingFiles::LoadPicture(path(c.name), kW, kH).has_value());
        open(path(c.name));
        EXPECT_TRUE(rig.messages.told.empty());
    }
    // The two-row run-length picture, drawn bottom row first.
    open(path("rle_rows.bmp"));
    const auto canvas = rig.pixels();
    EXPECT_EQ(canvas[0], Rgb(0, 0, 0));
    EXPECT_EQ(canvas[kW + 3], kWhite);
    EXPECT_EQ(canvas[3], Rgb(0, 0, 0));
}

// Bitmap headers that lie about sizes, bits or the file.
TEST_F(OpeningTest, BitmapHeadersThatLieAreRefused) {
    const int stride = 92, w = 30, h = 20;
    auto put32 = [](QByteArray& b, int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = char((v >> (8 * i)) & 255);
    };
    auto put16 = [](QByteArray& b, int at, std::uint32_t v) {
        b[at] = char(v & 255);
        b[at + 1] = char(v >> 8);
    };
    struct Case {
        const char* name;
        std::function<void(QByteArray&)> lie;
        PictureRefusal why;
    };
    const Case cases[] = {
        {"file_size.bmp", [&](QByteArray& b) { put32(b, 2, 2111692253); }, PictureRefusal::Damaged},
        {"header_size.bmp", [&](QByteArray& b) { put32(b, 14, 66); }, PictureRefusal::Damaged},
        {"planes.bmp", [&](QByteArray& b) { put16(b, 26, 3); }, PictureRefusal::Damaged},
        {"bits.bmp", [&](QByteArray& b) { put16(b, 28, 30000); }, PictureRefusal::Damaged},
        {"negative_width.bmp", [&](QByteArray& b) { put32(b, 18, std::uint32_t(-w)); }, PictureRefusal::Damaged},
        {"image_size.bmp", [&](QByteArray& b) { put32(b, 34, 2129587950); }, PictureRefusal::Damaged},
        {"density.bmp", [&](QByteArray& b) { put32(b, 38, 30000000); }, PictureRefusal::Damaged},
        {"data_offset.bmp", [&](QByteArray& b) { put32(b, 10, std::uint32_t(b.size() + 10)); },
         PictureRefusal::Damaged},
        {"compression.bmp", [&](QByteArray& b) { put32(b, 30, 2); }, PictureRefusal::Damaged},
        {"embedded_png.bmp", [&](QByteArray& b) { put32(b, 30, 5); }, PictureRefusal::NotAPicture},
        {"taller.bmp", [&](QByteArray& b) { put32(b, 22, h + 1); }, PictureRefusal::Damaged},
        {"too_wide.bmp", [&](QByteArray& b) { put32(b, 18, 30000); }, PictureRefusal::TooLarge},
    };
    const QByteArray good = BitmapHeader(w, h, stride * h);
    ASSERT_TRUE(WriteAll(path("good.bmp"), good));
    ASSERT_TRUE(DrawingFiles::LoadPicture(path("good.bmp"), kW, kH).has_value());
    for (const Case& c : cases) {
        QByteArray b = good;
        c.lie(b);
        ASSERT_TRUE(WriteAll(path(c.name), b));
        expectRefused(path(c.name), c.why);
    }
}

// Things that are not files at all: a named pipe with no writer would make
// a plain open wait for ever, a device would never end.
TEST_F(OpeningTest, PipesAndDevicesAreRefusedAtOnce) {
    const QString fifo = path("pipe.bmp");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Should the open wait for a writer, this frees it after a few seconds
    // (opening for reading and writing never waits) and the test fails.
    std::atomic<bool> done{false}, hadToFree{false};
    std::thread freer([&] {
        for (int i = 0; i < 300 && !done; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (done) return;
        hadToFree = true;
        const int fd = ::open(QFile::encodeName(fifo).constData(), O_RDWR);
        if (fd >= 0) ::close(fd);
    });
    expectRefused(fifo, PictureRefusal::Unreadable);
    done = true;
    freer.join();
    EXPECT_FALSE(hadToFree) << "opening a pipe waited for a writer";
    expectRefused(QStringLiteral("/dev/zero"), PictureRefusal::Unreadable);
}

// Decoding runs on a worker while the window keeps drawing its wait note;
// past the time limit the picture is refused and the drawing stays.
TEST_F(OpeningTest, SlowPicturesShowTheWaitNoteAndGiveUpAtTheLimit) {
    ASSERT_TRUE(Busy(3000, 2000).save(path("big.png"), "PNG"));
    // Within the limit: the note shows while the decoder works, then goes.
    bool noteSeen = false;
    QTimer::singleShot(0, [&] { noteSeen = !Control(rig.w(), "Picture1")->isHidden(); });
    open(path("big.png"));
    EXPECT_TRUE(noteSeen) << "no wait note during the decode";
    EXPECT_TRUE(Control(rig.w(), "Picture1")->isHidden());
    const auto taken = rig.pixels();
    EXPECT_EQ(BlueOf(taken[0]), 7) << "the picture is on the page";
    EXPECT_LE(RedOf(taken[0]) + GreenOf(taken[0]), 6) << "its first pixels, smoothed";
    EXPECT_EQ(taken[kW - 1], kWhite) << "shrunk to 806 x 537, its proportions kept";
    // Past it.
    rig.w().files().openTimeLimit = std::chrono::milliseconds(1);
    rig.drawSomethingVaried();
    const auto before = rig.pixels();
    rig.messages.told.clear();
    open(path("big.png"));
    EXPECT_EQ(CountDifferent(rig.pixels(), before), 0u);
    EXPECT_TRUE(Control(rig.w(), "Picture1")->isHidden());
    ASSERT_EQ(rig.messages.told.size(), 1u);
    EXPECT_EQ(rig.messages.told[0].second, RefusalText(PictureRefusal::TooSlow));
    std::vector<bool> waits;
    PictureRefusal why = PictureRefusal::None;
    EXPECT_FALSE(DrawingFiles::LoadPicture(path("big.png"), kW, kH, &why, std::chrono::milliseconds(1),
                                           [&](bool on) { waits.push_back(on); }));
    EXPECT_EQ(int(why), int(PictureRefusal::TooSlow));
    EXPECT_EQ(waits, (std::vector<bool>{true, false}));
    FinishPictureDecoding();  // the abandoned workers end before the next test
}

// A bitmap cut short (a copy broken off half way) is damaged: opening it must
// not put a half picture, padded with whatever memory held, on the page.
TEST_F(OpeningTest, BitmapsCutShortChangeNothing) {
    ASSERT_TRUE(Busy(400, 300).save(path("whole.bmp"), "BMP"));
    const QByteArray whole = ReadAll(path("whole.bmp"));
    ASSERT_GT(whole.size(), 300000);
    ASSERT_TRUE(WriteAll(path("half.bmp"), whole.left(whole.size() / 2)));
    expectRefused(path("half.bmp"), PictureRefusal::Damaged);
    ASSERT_TRUE(WriteAll(path("headers_only.bmp"), whole.left(60)));
    expectRefused(path("headers_only.bmp"), PictureRefusal::Damaged);
    ASSERT_TRUE(WriteAll(path("one_byte_short.bmp"), whole.left(whole.size() - 1)));
    expectRefused(path("one_byte_short.bmp"), PictureRefusal::Damaged);
}

// Rows stored from the top down (a negative height in the header) are a
// normal kind of bitmap.
TEST_F(OpeningTest, TopDownBitmapsLoad) {
    const int w = 30, h = 20, stride = 92;  // 30 * 3 = 90, padded to 92
    QByteArray bmp = BitmapHeader(w, -h, stride * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            char* p = bmp.data() + 54 + y * stride + 3 * x;
            p[0] = char(x * 8);   // blue
            p[1] = char(y * 12);  // green
            p[2] = char(200);     // red
        }
    ASSERT_TRUE(WriteAll(path("topdown.bmp"), bmp));
    rig.drawSomethingVaried();
    open(path("topdown.bmp"));
    const auto canvas = rig.pixels();
    EXPECT_EQ(canvas[0], Rgb(200, 0, 0));
    EXPECT_EQ(canvas[std::size_t(19 * kW + 29)], Rgb(200, 19 * 12, 29 * 8));
    EXPECT_EQ(canvas[std::size_t(19 * kW + 30)], kWhite);
    EXPECT_EQ(canvas[std::size_t(20 * kW)], kWhite);
}

// The BMP corpus: good files load, questionable ones may load or not, bad
// ones never crash and never spoil a drawing when refused.
class BmpSuite : public OpeningTest {
protected:
    static QString dir(const char* sub) { return QStringLiteral(PINTALOO_BMPSUITE_DIR "/") + QLatin1String(sub); }
    void SetUp() override {
        // A corpus that went missing is a broken checkout, never a reason to pass.
        for (const char* sub : {"g", "q", "b"})
            ASSERT_FALSE(files(sub).isEmpty()) << "no BMP corpus at " PINTALOO_BMPSUITE_DIR "/" << sub;
    }
    QStringList files(const char* sub) {
        QStringList out;
        for (const QString& f : QDir(dir(sub)).entryList({"*.bmp"}, QDir::Files, QDir::Name)) out << dir(sub) + '/' + f;
        return out;
    }
    // Opens `file` over a drawing; true when the canvas took the picture.
    bool openOverDrawing(const QString& file) {
        rig.drawSomethingVaried();
        const auto before = rig.pixels();
        // Fresh memory is filled with a different byte for each of the two
        // loads, so any pixel the file never set shows up as a difference.
        mallopt(M_PERTURB, 0xFE);  // new memory reads 0x01
        open(file);
        mallopt(M_PERTURB, 0xFD);  // new memory reads 0x02
        const auto again = DrawingFiles::LoadPicture(file, kW, kH);
        mallopt(M_PERTURB, 0);
        EXPECT_EQ(pickerShown(), !again.has_value()) << "only a refused picture leads back to the picker";
        const auto after = rig.pixels();
        if (const auto& pic = again) {
            // Loading the same file again gives the same page; a difference
            // means part of the picture came from memory the file never set.
            Surface expected;
            expected.setPicture(*pic);
            EXPECT_EQ(CountDifferent(after, {expected.data(), expected.data() + std::size_t(kW * kH)}), 0u)
                << "two loads of the same file differ";
            return true;
        }
        EXPECT_EQ(CountDifferent(after, before), 0u) << "a refused picture changed the drawing";
        return false;
    }
};

TEST_F(BmpSuite, GoodFilesAllLoad) {
    const QStringList good = files("g");
    ASSERT_GE(good.size(), 20);
    for (const QString& f : good) {
        SCOPED_TRACE(f.toStdString());
        if (!openOverDrawing(f)) {
            ADD_FAILURE() << "refused";
            continue;
        }
        const QImage reference(f);
        ASSERT_FALSE(reference.isNull());
        EXPECT_EQ(CountDifferent(rig.pixels(), ExpectedCanvas(reference, kW, kH)), 0u);
    }
    // One checked against the file's own bytes rather than a reader.
    std::string why;
    const auto rgb24 = ParseBitmap24(ReadAll(dir("g") + "/rgb24.bmp"), &why);
    ASSERT_TRUE(rgb24) << why;
    open(dir("g") + "/rgb24.bmp");
    const auto canvas = rig.pixels();
    for (int y = 0; y < rgb24->height; ++y)
        for (int x = 0; x < rgb24->width; ++x)
            ASSERT_EQ(canvas[std::size_t(y) * kW + std::size_t(x)], rgb24->pixels[std::size_t(y * rgb24->width + x)])
                << x << "," << y;
    EXPECT_EQ(canvas[std::size_t(kH - 1) * kW + kW - 1], kWhite);
}

TEST_F(BmpSuite, QuestionableFilesLoadCleanlyOrNotAtAll) {
    QStringList loaded;
    for (const QString& f : files("q")) {
        SCOPED_TRACE(f.toStdString());
        if (openOverDrawing(f)) loaded << QFileInfo(f).fileName();
    }
    RecordProperty("loaded", loaded.join(' ').toStdString());
    std::printf("[ bmp q/   ] loaded: %s\n", qPrintable(loaded.join(' ')));
}

TEST_F(BmpSuite, BadFilesNeverCrashOrSpoilTheDrawing) {
    QStringList loaded;
    for (const QString& f : files("b")) {
        SCOPED_TRACE(f.toStdString());
        if (openOverDrawing(f)) loaded << QFileInfo(f).fileName();
    }
    RecordProperty("loaded", loaded.join(' ').toStdString());
    std::printf("[ bmp b/   ] loaded: %s\n", qPrintable(loaded.join(' ')));
    // Every one of them lies in its header or its data.
    EXPECT_EQ(loaded, QStringList()) << "damaged bitmaps were taken";
}

}  // namespace
}  // namespace pintaloo::test
