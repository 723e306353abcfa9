// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The gallery's files: what the folder lists and files, and the story a
// drawing carries inside its PNG, read as a stranger's file.
#include <gtest/gtest.h>
#include <zlib.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <set>
#include <string>

#include "ui/files/gallery_folder.h"
#include "ui/files/picture_reader.h"
#include "ui/files/png_story.h"
#include "ui/files/story_limits.h"
#include "ui/parts/drawing_files.h"
#include "ui/parts/drawing_history.h"
#include "ui/story/gallery_keeper.h"
#include "ui/story/session_recorder.h"
#include "ui/words/texts.h"
#include "tests/support/window_rig.h"

namespace pintaloo {
namespace {

QImage Drawing(int seed) {
    QImage image(37, 23, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, 0xFF000000u | std::uint32_t(x * 7 + y * 131 + seed));
    return image;
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// A chunk made by hand, with its checksum.
QByteArray Chunk(const char* type, const QByteArray& body) {
    QByteArray out;
    const auto be = [&](std::uint32_t v) {
        for (int s = 24; s >= 0; s -= 8) out.append(char(v >> s));
    };
    be(std::uint32_t(body.size()));
    const QByteArray typed = QByteArray(type, 4) + body;
    out += typed;
    be(std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(typed.constData()), uInt(typed.size()))));
    return out;
}

QByteArray Deflate(const QByteArray& text) {
    uLongf n = compressBound(uLong(text.size()));
    QByteArray out(qsizetype(n), '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &n, reinterpret_cast<const Bytef*>(text.constData()),
              uLong(text.size()), 9);
    out.resize(qsizetype(n));
    return out;
}

// A plain PNG with `extra` chunks put before its end marker.
QByteArray WithChunks(const QByteArray& extra) {
    const QByteArray png = EncodeDrawingPng(Drawing(1), {}, {});
    return png.left(png.size() - 12) + extra + png.right(12);
}

QByteArray StoryChunk(const QByteArray& text) {
    return Chunk("zTXt", QByteArray(kPngStoryKey) + '\0' + '\0' + Deflate(text));
}

// An all-black side x side PNG made by hand: one bit a pixel, rows of
// zeros that deflate to a few kilobytes, however many pixels it claims.
QByteArray BlackPng(int side) {
    QByteArray header;
    for (const int v : {side, side})
        for (int s = 24; s >= 0; s -= 8) header.append(char(std::uint32_t(v) >> s));
    header.append("\x01\x00\x00\x00\x00", 5);  // 1 bit, grey, deflate, no filter, no interlace
    const QByteArray rows(qsizetype(side) * (1 + (side + 7) / 8), '\0');
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", header) + Chunk("IDAT", Deflate(rows)) + Chunk("IEND", {});
}

// A drawing whose story names `count` of these pictures, each 6324 x 6324
// (just under the pixels one picture may have).
QByteArray BigPicturesStory(const QImage& drawing, int count) {
    const QByteArray big = BlackPng(6324);
    std::string story = "start blank\n";
    std::vector<StoryPicture> pictures;
    for (int i = 0; i < count; ++i) {
        pictures.push_back({"big-" + std::to_string(i) + ".png", big});
        story += "picture " + pictures.back().name + "\nLabel7_MouseDown 1\n";
    }
    return EncodeDrawingPng(drawing, story, pictures);
}

TEST(PngStory, StoryAndPicturesComeBackAndThePixelsStayExact) {
    const std::vector<StoryPicture> pictures{{"picture-1.png", EncodeDrawingPng(Drawing(9), {}, {})},
                                             {"picture-2.png", QByteArray(3000, 'x')}};
    const std::string story = "start blank\nat 5\nbColor_Click 3\n" + std::string(20000, '\n');
    const QByteArray png = EncodeDrawingPng(Drawing(3), story, pictures);
    QImage back;
    ASSERT_TRUE(back.loadFromData(png, "PNG"));
    EXPECT_EQ(back.convertToFormat(QImage::Format_ARGB32), Drawing(3));
    const PngStory read = ReadPngStory(png);
    ASSERT_EQ(read.refusal, PngStoryRefusal::None);
    EXPECT_TRUE(read.found && PngHasStory(png));
    EXPECT_EQ(read.text, story);
    ASSERT_EQ(read.pictures.size(), 2u);
    EXPECT_EQ(read.pictures[1].name, "picture-2.png");
    EXPECT_EQ(read.pictures[1].bytes, pictures[1].bytes);
    EXPECT_FALSE(ReadPngStory(EncodeDrawingPng(Drawing(3), {}, {})).found);
}

// Hostile stories: each is refused whole, and never costs more than its cap.
TEST(PngStory, HostileStoriesAreRefused) {
    const QByteArray good = StoryChunk("start blank\n");
    QByteArray badCrc = good;
    badCrc[badCrc.size() - 1] = char(badCrc[badCrc.size() - 1] ^ 1);
    QByteArray many;
    for (std::size_t i = 0; i <= StoryLimits::kMaxPictures; ++i)
        many += Chunk(kPngPictureChunk, "p" + QByteArray::number(int(i)) + '\0' + "x");
    const struct {
        const char* what;
        QByteArray chunks;
        PngStoryRefusal want;
    } cases[] = {
        {"zip bomb", StoryChunk(QByteArray(StoryLimits::kMaxBytes + 1, ' ')), PngStoryRefusal::TooLarge},
        {"bad checksum", badCrc, PngStoryRefusal::Damaged},
        {"not deflate", Chunk("zTXt", QByteArray(kPngStoryKey) + '\0' + '\0' + "nonsense"), PngStoryRefusal::Damaged},
        {"cut short", Chunk("zTXt", QByteArray(kPngStoryKey) + '\0' + '\0' + Deflate("start blank\n").left(5)),
         PngStoryRefusal::Damaged},
        {"too many pictures", good + many, PngStoryRefusal::TooMany},
        {"picture without a name", good + Chunk(kPngPictureChunk, QByteArray("\0abc", 4)), PngStoryRefusal::BadPicture},
        {"picture named a path", good + Chunk(kPngPictureChunk, QByteArray("../x\0abc", 8)),
         PngStoryRefusal::BadPicture},
        {"pictures without a story", Chunk(kPngPictureChunk, QByteArray("a\0b", 3)), PngStoryRefusal::Damaged},
    };
    for (const auto& c : cases) {
        const PngStory read = ReadPngStory(WithChunks(c.chunks));
        EXPECT_EQ(read.refusal, c.want) << c.what;
        EXPECT_TRUE(read.found) << c.what;
        EXPECT_TRUE(read.text.empty() && read.pictures.empty()) << c.what;
    }
}

class GalleryFolderTest : public ::testing::Test {
protected:
    QTemporaryDir scratch;
    QString at(const QString& name) const { return scratch.filePath(name); }
    GalleryFolder gallery(const QString& folder) {
        return GalleryFolder(folder, [] { return QDateTime(QDate(2026, 12, 9), QTime(10, 15, 42)); });
    }
};

// Filed drawings get the dated name, then " (2)"; the listing takes only
// regular PNGs, newest first, whatever bytes their names hold.
TEST_F(GalleryFolderTest, FilesUnderDatedNamesAndListsOnlyRegularPngs) {
    GalleryFolder g = gallery(at("Pictures/Pintaloo"));
    EXPECT_TRUE(g.list().empty());
    const GalleryFiling first = g.file(Drawing(1), "start blank\n", {}, Language::German);
    const GalleryFiling second = g.file(Drawing(2), {}, {}, Language::German);
    ASSERT_TRUE(first.why.isEmpty()) << first.why.toStdString();
    EXPECT_EQ(QFileInfo(first.path).fileName(), "Zeichnung 2026-12-09 10.15.png");
    EXPECT_EQ(QFileInfo(second.path).fileName(), "Zeichnung 2026-12-09 10.15 (2).png");
    // Filed within one millisecond, the later name still lists first.
    const QDateTime same = QDateTime::currentDateTime();
    for (const QString& p : {first.path, second.path}) {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.setFileTime(same, QFileDevice::FileModificationTime));
    }
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(first.path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
    // Strangers in the folder: a link, a FIFO, a folder, a hidden file, an
    // odd name, and a picture that is not a PNG.
    const QString dir = g.folder();
    ASSERT_EQ(::symlink(QFile::encodeName(first.path).constData(), QFile::encodeName(dir + "/link.png").constData()), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir + "/fifo.png").constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir).mkdir("folder.png"));
    Write(dir + "/.hidden.png", "x");
    Write(dir + "/x.bmp", "x");
    // A name of bytes that are not UTF-8 cannot be opened through a Qt
    // string: it is left out, its neighbour with a newline is not.
    ASSERT_EQ(::close(::open((QFile::encodeName(dir) + "/bad\xffname.png").constData(), O_CREAT | O_WRONLY, 0644)), 0);
    const QByteArray odd = QFile::encodeName(dir) + "/odd\nname.PNG";
    {
        QFile f(QFile::decodeName(odd));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        // Made newest by its time.
        ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
    }
    const std::vector<GalleryEntry> listed = g.list();
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(QFile::encodeName(listed[0].path), odd);
    EXPECT_EQ(listed[1].path, second.path);
    EXPECT_EQ(listed[2].path, first.path);
    EXPECT_GT(listed[2].bytes, 0);
}

// A folder that cannot take drawings says why, and nothing is written elsewhere.
TEST_F(GalleryFolderTest, HostileFoldersRefuseFiling) {
    ASSERT_TRUE(QDir(scratch.path()).mkpath("elsewhere"));
    ASSERT_TRUE(QDir(scratch.path()).mkpath("readonly"));
    ASSERT_EQ(::chmod(QFile::encodeName(at("readonly")).constData(), 0500), 0);
    ASSERT_EQ(::symlink(QFile::encodeName(at("elsewhere")).constData(), QFile::encodeName(at("link")).constData()), 0);
    Write(at("file"), "x");
    const bool root = ::geteuid() == 0;
    for (const char* folder : {"link", "file", "readonly"}) {
        if (root && std::string(folder) == "readonly") continue;  // root writes anywhere
        const GalleryFiling filed = gallery(at(folder)).file(Drawing(1), {}, {}, Language::English);
        EXPECT_TRUE(filed.path.isEmpty()) << folder;
        EXPECT_FALSE(filed.why.isEmpty()) << folder;
        EXPECT_TRUE(gallery(at(folder)).list().empty()) << folder;
    }
    EXPECT_TRUE(QDir(at("elsewhere")).isEmpty());
}

// Files planted in the gallery folder, a row each: this program's drawings
// still list however many strangers lie beside them, nothing the folder
// holds lists unless it is a regular PNG in it, and a story listed there
// never names more pixels than a pick may decode.
TEST_F(GalleryFolderTest, HostileFilesNeitherHideOurDrawingsNorCostAPickItsTime) {
    const auto make = [](const QString& path) { ::close(::open(QFile::encodeName(path).constData(), O_CREAT | O_WRONLY, 0644)); };
    const struct {
        const char* what;
        std::function<void(const QString& dir)> plant;
        QStringList alsoListed;
    } rows[] = {
        {"30,000 other files",
         [&](const QString& dir) {
             for (int i = 0; i < 30'000; ++i) make(dir + "/other-" + QString::number(i));
         },
         {}},
        {"a story naming 64 pictures of 40 megapixels",
         [](const QString& dir) { Write(dir + "/planted.png", BigPicturesStory(Drawing(9), 64)); },
         {"planted.png"}},
        {"the index a FIFO",
         [](const QString& dir) {
             const QString index = dir + "/" + GalleryFolder::kIndexName;
             QFile::remove(index);
             ::mkfifo(QFile::encodeName(index).constData(), 0600);
         },
         {}},
        {"the index larger than any index",
         [](const QString& dir) { Write(dir + "/" + GalleryFolder::kIndexName, QByteArray(2 << 20, '\n')); }, {}},
        {"the index naming a link, a FIFO, a folder and files elsewhere",
         [&](const QString& dir) {
             make(dir + "/../outside.png");
             ::symlink("../outside.png", QFile::encodeName(dir + "/link.png").constData());
             ::mkfifo(QFile::encodeName(dir + "/fifo.png").constData(), 0600);
             QDir(dir).mkdir("folder.png");
             QFile index(dir + "/" + GalleryFolder::kIndexName);
             ASSERT_TRUE(index.open(QIODevice::Append));
             for (const char* name : {"link.png", "fifo.png", "folder.png", "../outside.png", "/etc/passwd.png", ".hidden.png"})
                 index.write(QByteArray(40, 'a') + ' ' + name + '\n');
         },
         {}},
    };
    int n = 0;
    for (const auto& row : rows) {
        GalleryFolder g = gallery(at(QString::number(++n) + "/Pintaloo"));
        QStringList ours;
        for (int i = 0; i < 4; ++i) ours << QFileInfo(g.file(Drawing(10 + i), {}, {}, Language::English).path).fileName();
        row.plant(g.folder());
        QStringList listed;
        for (const GalleryEntry& e : g.list()) {
            listed << QFileInfo(e.path).fileName();
            PictureRefusal why = PictureRefusal::None;
            const PngStory story = ReadPngStory(ReadPictureFile(e.path, &why));
            qint64 pixels = 0;
            for (const StoryPicture& p : story.pictures) {
                const QSize size = CheckPicture(QByteArray(p.bytes), &why).size;
                pixels += qint64(size.width()) * size.height();
            }
            EXPECT_LE(pixels, StoryLimits::kMaxPicturePixels) << row.what;
        }
        listed.sort();
        QStringList want = ours + row.alsoListed;
        want.sort();
        EXPECT_EQ(listed.join(" | ").toStdString(), want.join(" | ").toStdString()) << row.what;
    }
}

class GalleryKeeperTest : public ::testing::Test, protected testkit::WindowRig {
protected:
    void SetUp() override {
        ASSERT_TRUE(loaded);
        ASSERT_TRUE(QDir().mkpath(at("state")));
    }
    QString at(const QString& name) const { return scratch.filePath(name); }
    void draw(double x) {
        call("pctDraw_MouseDown", {1, x, 100});
        call("pctDraw_MouseMove", {1, x + 40, 160});
        call("pctDraw_MouseUp", {1, x + 40, 160});
    }
    QImage canvas() { return DrawingFiles::CanvasImage(w().canvas).convertToFormat(QImage::Format_RGB32); }
};

// A drawing taken from the gallery is one undo step, and the story records
// it as an open of that picture, never by its place in the gallery.
TEST_F(GalleryKeeperTest, AGalleryDrawingOpensAsOneStepWithItsStory) {
    GalleryFolder gallery(at("gallery"));
    w().services.gallery = &gallery;
    SessionRecorder recorder(w().storyWindow(), at("state"));
    const GalleryKeeper keeper(w().storyWindow(), recorder, at("state"));
    draw(100);
    const QImage first = canvas();
    call("KewlButtons2_MouseDown", {1});
    draw(300);
    const QImage second = canvas();
    const std::vector<GalleryEntry> listed = gallery.list();
    ASSERT_EQ(listed.size(), 1u);
    const std::size_t undos = w().drawingHistory().undoCount();
    ASSERT_TRUE(w().files().OpenFile(listed[0].path));
    EXPECT_EQ(canvas(), first);
    EXPECT_EQ(gallery.list().size(), 2u) << "the drawing in hand was filed first";
    EXPECT_EQ(w().drawingHistory().undoCount(), undos + 1);
    const Story story = recorder.story();
    ASSERT_GE(story.calls.size(), 3u);
    EXPECT_EQ(story.calls[story.calls.size() - 3].name, kPictureWord);
    EXPECT_EQ(story.calls[story.calls.size() - 2].name, "Label7_MouseDown");
    call("Undo");
    EXPECT_EQ(canvas(), second);
    EXPECT_FALSE(w().files().OpenFile(at("missing.png")));
}

// A gallery that cannot take drawings: the parent is told once a run, and
// every drawing goes to the state folder instead.
TEST_F(GalleryKeeperTest, AGalleryThatRefusesIsSaidOnceAndNothingIsLost) {
    QFile file(at("gallery"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    GalleryFolder gallery(at("gallery"));
    w().services.gallery = &gallery;
    SessionRecorder recorder(w().storyWindow(), at("state"));
    const GalleryKeeper keeper(w().storyWindow(), recorder, at("state"));
    std::vector<QImage> drawn;
    for (int i = 0; i < 3; ++i) {
        draw(100 + 150 * i);
        drawn.push_back(canvas());
        call("KewlButtons2_MouseDown", {1});
    }
    const auto told = std::count_if(messages.told.begin(), messages.told.end(), [&](const auto& m) {
        return m.first == Text(TextId::GalleryNotKeptTitle, Language::English);
    });
    EXPECT_EQ(told, 1);
    const QDir unfiled(at("state/") + GalleryKeeper::kUnfiledFolder);
    std::vector<QImage> kept;
    for (const QString& name : unfiled.entryList({"*.png"}, QDir::Files))
        kept.push_back(QImage(unfiled.filePath(name)).convertToFormat(QImage::Format_RGB32));
    ASSERT_EQ(kept.size(), drawn.size());
    for (const QImage& d : drawn) EXPECT_NE(std::find(kept.begin(), kept.end(), d), kept.end());
    // The gallery mended, the next drawing filed takes the kept ones with it.
    file.remove();
    draw(90);
    drawn.push_back(canvas());
    call("KewlButtons2_MouseDown", {1});
    EXPECT_TRUE(unfiled.entryList({"*.png"}, QDir::Files).isEmpty());
    std::vector<QImage> filed;
    for (const GalleryEntry& e : gallery.list()) filed.push_back(QImage(e.path).convertToFormat(QImage::Format_RGB32));
    ASSERT_EQ(filed.size(), drawn.size());
    for (const QImage& d : drawn) EXPECT_NE(std::find(filed.begin(), filed.end(), d), filed.end());
}

// The drawings waiting in the state folder are read on the window's thread,
// so one filing takes at most kMaxUnfiled of them (fewer when its time runs
// out: a loaded machine); the rest wait their turn, and every one goes in.
TEST_F(GalleryKeeperTest, WaitingDrawingsGoIntoTheGalleryAFewAtATime) {
    const QDir unfiled(at("state/") + GalleryKeeper::kUnfiledFolder);
    ASSERT_TRUE(unfiled.mkpath("."));
    const int planted = GalleryKeeper::kMaxUnfiled + 5;
    for (int i = 0; i < planted; ++i) {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(qRgb(i, 255 - i, 128));
        image.setPixel(i % 40, 0, qRgb(0, 0, 0));
        ASSERT_TRUE(image.save(unfiled.filePath(QStringLiteral("w%1.png").arg(i, 3, 10, QLatin1Char('0')))));
    }
    GalleryFolder gallery(at("gallery"));
    w().services.gallery = &gallery;
    SessionRecorder recorder(w().storyWindow(), at("state"));
    const GalleryKeeper keeper(w().storyWindow(), recorder, at("state"));
    draw(100);
    call("KewlButtons2_MouseDown", {1});
    EXPECT_LE(gallery.list().size(), std::size_t(GalleryKeeper::kMaxUnfiled) + 1);
    EXPECT_GE(unfiled.entryList({"*.png"}, QDir::Files).size(), 5);
    int filings = 1;
    for (; filings < 40 && !unfiled.entryList({"*.png"}, QDir::Files).isEmpty(); ++filings) {
        draw(100 + 7 * filings);
        call("KewlButtons2_MouseDown", {1});
    }
    EXPECT_TRUE(unfiled.entryList({"*.png"}, QDir::Files).isEmpty());
    EXPECT_EQ(gallery.list().size(), std::size_t(planted + filings));
}

// The same pixels go into the gallery once, filed or saved there, across
// a restart too; a save into a folder of the parent's still writes there.
TEST_F(GalleryKeeperTest, TheGalleryHoldsEachDrawingOnce) {
    GalleryFolder gallery(at("gallery"));
    w().services.gallery = &gallery;
    SessionRecorder recorder(w().storyWindow(), at("state"));
    auto keeper = std::make_unique<GalleryKeeper>(w().storyWindow(), recorder, at("state"));
    const auto save = [&](const QString& name) {
        dialog.answers.push_back(at(name));
        call("KewlButtons3_MouseDown", {1});
    };
    draw(100);
    call("KewlButtons2_MouseDown", {1});
    ASSERT_EQ(gallery.list().size(), 1u);
    ASSERT_TRUE(w().files().OpenFile(gallery.list()[0].path));
    save("gallery/again.png");
    EXPECT_EQ(gallery.list().size(), 1u) << "a drawing brought back and saved";
    ASSERT_TRUE(QDir().mkpath(at("mine")));
    save("mine/kept.png");
    EXPECT_TRUE(QFileInfo(at("mine/kept.png")).isFile());
    draw(300);
    save("gallery/new.png");
    call("KewlButtons2_MouseDown", {1});
    EXPECT_EQ(gallery.list().size(), 2u) << "a drawing saved into the gallery, then replaced";
    // Another run brings a filed drawing back as its kept drawing, and its
    // state folder remembers nothing: the gallery itself tells.
    keeper.reset();
    GalleryFolder again(at("gallery"));
    w().services.gallery = &again;
    ASSERT_TRUE(w().files().OpenFile(again.list()[1].path));
    keeper = std::make_unique<GalleryKeeper>(w().storyWindow(), recorder, at("state-2"));
    call("KewlButtons2_MouseDown", {1});
    EXPECT_EQ(again.list().size(), 2u) << "the same drawing filed by another run";
}

// A drawing whose story names more pixels than a pick may decode opens at
// once, without that story.
TEST_F(GalleryKeeperTest, APickedStoryBeyondItsPixelsIsDroppedAndTheDrawingOpens) {
    GalleryFolder gallery(at("gallery"));
    w().services.gallery = &gallery;
    SessionRecorder recorder(w().storyWindow(), at("state"));
    const GalleryKeeper keeper(w().storyWindow(), recorder, at("state"));
    QImage drawing = Drawing(5).scaled(w().canvas.width(), w().canvas.height());
    ASSERT_TRUE(QDir().mkpath(at("gallery")));
    Write(at("gallery/planted.png"), BigPicturesStory(drawing, 1));
    call("GalleryPick", {0});
    EXPECT_EQ(canvas(), drawing.convertToFormat(QImage::Format_RGB32));
    std::set<std::string> pictures;
    for (const auto& c : recorder.story().calls)
        if (c.name == kPictureWord) pictures.insert(c.file);
    EXPECT_EQ(pictures.size(), 1u)
        << "only the drawing's own open";
}

// A gallery and a state folder that both refuse: the drawings wait in
// memory, the parent learns that Save takes them out, and it does.
TEST_F(GalleryKeeperTest, DrawingsNoFolderTakesWaitForSave) {
    Write(at("gallery"), "x");
    Write(at("state/unfiled"), "x");
    GalleryFolder gallery(at("gallery"));
    w().services.gallery = &gallery;
    SessionRecorder recorder(w().storyWindow(), at("state"));
    const GalleryKeeper keeper(w().storyWindow(), recorder, at("state"));
    std::vector<QImage> drawn;
    for (int i = 0; i < 4; ++i) {
        draw(100 + 120 * i);
        drawn.push_back(canvas());
        call("KewlButtons2_MouseDown", {1});
    }
    draw(50);
    drawn.push_back(canvas());
    ASSERT_EQ(messages.told.size(), 1u);
    EXPECT_FALSE(messages.told[0].second.endsWith("-")) << qPrintable(messages.told[0].second);
    ASSERT_TRUE(QDir().mkpath(at("chosen")));
    dialog.answers.push_back(at("chosen/mine.png"));
    call("KewlButtons3_MouseDown", {1});
    const QDir chosen(at("chosen"));
    std::vector<QImage> saved;
    for (const QString& name : chosen.entryList(QDir::Files))
        saved.push_back(QImage(chosen.filePath(name)).convertToFormat(QImage::Format_RGB32));
    ASSERT_EQ(saved.size(), drawn.size());
    for (const QImage& d : drawn) EXPECT_NE(std::find(saved.begin(), saved.end(), d), saved.end());
}

// Drawings only memory holds are never lost unsaid: the session's end
// writes them where a folder takes them, one let go past the cap is said,
// and quitting asks about the rest and saves them where the parent chooses.
TEST_F(GalleryKeeperTest, HeldDrawingsAreWrittenAtTheSessionsEndOrOfferedAtQuit) {
    Write(at("gallery"), "x");
    Write(at("state/unfiled"), "x");
    GalleryFolder gallery(at("gallery"));
    w().services.gallery = &gallery;
    SessionRecorder recorder(w().storyWindow(), at("state"));
    GalleryKeeper keeper(w().storyWindow(), recorder, at("state"));
    int drawn = 0;
    const auto hold = [&](int count) {
        for (int i = 0; i < count; ++i, ++drawn) {
            draw(40 + 3 * drawn);
            call("KewlButtons2_MouseDown", {1});
        }
    };
    const auto pngs = [&](const char* folder) { return QDir(at(folder)).entryList({"*.png"}, QDir::Files).size(); };
    hold(2);
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(at("home")));
    EXPECT_EQ(keeper.keepHeldAtSessionEnd(), 0);
    qputenv("HOME", home);
    EXPECT_EQ(pngs("home"), 2) << "the gallery and the state folder refuse: the home folder takes them";
    hold(GalleryFolder::kMaxHeld + 1);
    const QString letGo = Text(TextId::HeldLetGo, Language::English).arg(GalleryFolder::kMaxHeld);
    EXPECT_TRUE(
        std::any_of(messages.told.begin(), messages.told.end(), [&](const auto& t) { return t.second == letGo; }));
    messages.answers = {true};
    ASSERT_TRUE(QDir().mkpath(at("chosen")));
    dialog.answers.push_back(at("chosen/mine.png"));
    w().close();
    ASSERT_FALSE(messages.asked.empty());
    EXPECT_EQ(messages.asked.back().second,
              Text(TextId::HeldBeforeQuitting, Language::English).arg(GalleryFolder::kMaxHeld));
    EXPECT_EQ(pngs("chosen"), GalleryFolder::kMaxHeld + 1) << "the held drawings and the drawing itself";
}

}  // namespace
}  // namespace pintaloo
