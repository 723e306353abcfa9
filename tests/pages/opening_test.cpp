// Opening a picture file as the page to paint on: bitmaps, JPEG and PNG,
// cancelling, and files that are missing, damaged or hostile.
#include <QDir>
#include <QFileInfo>

#include <malloc.h>

#include "pages/drawing_files.h"
#include "pages/page_picker.h"
#include "pages_support.h"

namespace pintaloo::test {
namespace {

constexpr int kW = Surface::kWidth;
constexpr int kH = Surface::kHeight;

// Every pixel its own colour, so a shift, a scale or swapped channels show.
QImage Busy(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb(x & 255, y & 255, ((x >> 8) * 64 + (y >> 8) * 16 + 7) & 255));
    return img;
}

// Gentle gradients that survive JPEG compression nearly unchanged.
QImage Smooth(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb((x / 5) & 255, (y / 4) & 255, 60 + (x + y) / 16));
    return img;
}

class OpeningTest : public ::testing::Test {
protected:
    WindowRig rig;
    QString path(const QString& name) { return rig.scratch.path() + '/' + name; }
    bool pickerShown() { return !rig.w().pagePicker().pctOpen->isHidden(); }

    // "Open a drawing" in the picker, answered with `answer`.
    void open(std::optional<QString> answer, int button = 1) {
        rig.call("KewlButtons1_MouseDown", {1, 10, 10});
        ASSERT_TRUE(pickerShown());
        rig.dialog.answers.push_back(std::move(answer));
        rig.heard.clear();
        rig.call("Label7_MouseDown", {double(button), 10, 10});
    }

    // Opening `file` must leave a drawing exactly as it was.
    void expectRefused(const QString& file) {
        SCOPED_TRACE(file.toStdString());
        rig.drawSomethingVaried();
        const auto before = rig.pixels();
        open(file);
        EXPECT_EQ(CountDifferent(rig.pixels(), before), 0u);
        EXPECT_FALSE(pickerShown());
        EXPECT_FALSE(DrawingFiles::LoadPicture(file, kW, kH).has_value());
    }
};

TEST_F(OpeningTest, PicturesLoadUnscaledFromTheTopLeft) {
    struct Case {
        const char* name;
        const char* format;
        QImage source;
        bool exact;
    };
    const Case cases[] = {
        {"big.bmp", "BMP", Busy(1000, 700), true},  {"small.bmp", "BMP", Busy(300, 200), true},
        {"big.png", "PNG", Busy(900, 600), true},   {"small.png", "PNG", Busy(123, 456), true},
        {"big.jpg", "JPG", Smooth(1200, 800), false}, {"small.jpeg", "JPG", Smooth(500, 300), false},
        {"wide.png", "PNG", Busy(2000, 40), true},
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
                    worst = std::max(worst, std::labs(long((canvas[i] >> shift) & 255) - long((want[i] >> shift) & 255)));
            EXPECT_LE(worst, 24);
        }
        // The part beyond a small picture is paper, not the old drawing.
        if (c.source.width() < kW) {
            const int x = kW - 1, y = kH - 1;
            EXPECT_EQ(canvas[std::size_t(y) * kW + std::size_t(x)], kWhite);
        }
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
    EXPECT_FALSE(pickerShown());
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
    expectRefused(path("not_there.bmp"));

    ASSERT_TRUE(WriteAll(path("letter.bmp"), "Dear grandma, this is not a picture.\n"));
    expectRefused(path("letter.bmp"));

    ASSERT_TRUE(WriteAll(path("empty.bmp"), QByteArray()));
    expectRefused(path("empty.bmp"));

    // 100000 x 100000 pixels claimed, a few bytes given.
    ASSERT_TRUE(WriteAll(path("huge.bmp"), BitmapHeader(100000, 100000, 96)));
    expectRefused(path("huge.bmp"));
    ASSERT_TRUE(WriteAll(path("huge_topdown.bmp"), BitmapHeader(100000, -100000, 96)));
    expectRefused(path("huge_topdown.bmp"));
    // The same trick in a PNG header.
    ASSERT_TRUE(Busy(8, 8).save(path("tiny.png"), "PNG"));
    QByteArray png = ReadAll(path("tiny.png"));
    ASSERT_GT(png.size(), 24);
    for (const int at : {16, 20}) {  // width and height of the IHDR chunk
        png[at] = 0; png[at + 1] = 1; png[at + 2] = char(0x86); png[at + 3] = char(0xA0);
    }
    ASSERT_TRUE(WriteAll(path("huge.png"), png));
    expectRefused(path("huge.png"));

    ASSERT_TRUE(QDir().mkpath(path("folder.bmp")));
    expectRefused(path("folder.bmp"));

    // The program is still fine: a good picture opens.
    ASSERT_TRUE(Busy(400, 300).save(path("whole.bmp"), "BMP"));
    open(path("whole.bmp"));
    EXPECT_EQ(rig.pixels(), ExpectedCanvas(Busy(400, 300), kW, kH));
}

// A bitmap cut short (a copy broken off half way) is damaged: opening it must
// not put a half picture, padded with whatever memory held, on the page.
TEST_F(OpeningTest, BitmapsCutShortChangeNothing) {
    ASSERT_TRUE(Busy(400, 300).save(path("whole.bmp"), "BMP"));
    const QByteArray whole = ReadAll(path("whole.bmp"));
    ASSERT_GT(whole.size(), 300000);
    ASSERT_TRUE(WriteAll(path("half.bmp"), whole.left(whole.size() / 2)));
    expectRefused(path("half.bmp"));
    ASSERT_TRUE(WriteAll(path("headers_only.bmp"), whole.left(60)));
    expectRefused(path("headers_only.bmp"));
    ASSERT_TRUE(WriteAll(path("one_byte_short.bmp"), whole.left(whole.size() - 1)));
    expectRefused(path("one_byte_short.bmp"));
}

// Rows stored from the top down (a negative height in the header) are a
// normal kind of bitmap.
TEST_F(OpeningTest, TopDownBitmapsLoad) {
    const int w = 30, h = 20, stride = 92;  // 30 * 3 = 90, padded to 92
    QByteArray bmp = BitmapHeader(w, -h, stride * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            char* p = bmp.data() + 54 + y * stride + 3 * x;
            p[0] = char(x * 8);  // blue
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
        if (!QFileInfo(dir("g")).isDir()) GTEST_SKIP() << "no BMP corpus at " PINTALOO_BMPSUITE_DIR;
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
        EXPECT_FALSE(pickerShown());
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
            ASSERT_EQ(canvas[std::size_t(y) * kW + std::size_t(x)], rgb24->pixels[std::size_t(y * rgb24->width + x)]) << x << "," << y;
    EXPECT_EQ(canvas[std::size_t(kH - 1) * kW + kW - 1], kWhite);
}

TEST_F(BmpSuite, QuestionableFilesLoadCleanlyOrNotAtAll) {
    QStringList loaded;
    for (const QString& f : files("q")) {
        SCOPED_TRACE(f.toStdString());
        if (openOverDrawing(f)) loaded << QFileInfo(f).fileName();
    }
    RecordProperty("loaded", loaded.join(' ').toStdString());
}

TEST_F(BmpSuite, BadFilesNeverCrashOrSpoilTheDrawing) {
    QStringList loaded;
    for (const QString& f : files("b")) {
        SCOPED_TRACE(f.toStdString());
        if (openOverDrawing(f)) loaded << QFileInfo(f).fileName();
    }
    RecordProperty("loaded", loaded.join(' ').toStdString());
    std::printf("[ bmp b/   ] loaded: %s\n", qPrintable(loaded.join(' ')));
    // The hostile sizes are refused outright.
    EXPECT_FALSE(loaded.contains("reallybig.bmp"));
    EXPECT_FALSE(loaded.contains("badwidth.bmp"));
    EXPECT_FALSE(loaded.contains("shortfile.bmp")) << "a bitmap cut short was taken";
}

}  // namespace
}  // namespace pintaloo::test
