// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Films written as animated WebP and read back with libwebp's own decoder.
#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <vector>

#include "ui/files/film_writer.h"
#include "ui/platform/webp_library.h"
#include "test_support.h"
#include "webp_decode.h"

namespace pintaloo {
namespace {

// A white page with frame k's own colour in a block of its own, so the
// frames differ and their order shows.
const QColor kColours[] = {Qt::red, Qt::blue, QColor(0, 160, 0), Qt::black, QColor(255, 160, 0)};

QImage Frame(int k, QSize size = {807, 537}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    for (int i = 0; i <= k; ++i) p.fillRect(40 + i * 150, 100, 120, 300, kColours[i % 5]);
    return image;
}

bool Near(QColor a, QColor b) {
    // Lossy at 75 moves flat colour by a few steps at most.
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 &&
           std::abs(a.blue() - b.blue()) < 24;
}

TEST(FilmWriter, FramesSizeAndDurationAsWritten) {
    test::Scratch scratch;
    const QString path = QString::fromStdString(scratch / "film.webp");
    FilmWriter writer;
    for (int k = 0; k < 5; ++k) ASSERT_TRUE(writer.addFrame(Frame(k))) << qPrintable(writer.error());
    ASSERT_TRUE(writer.save(path)) << qPrintable(writer.error());

    const test::DecodedFilm film = test::DecodeWebP(test::readFile(path.toStdString()));
    ASSERT_TRUE(film.ok);
    EXPECT_EQ(film.width, 807);
    EXPECT_EQ(film.height, 537);
    EXPECT_EQ(film.loopCount, 0);
    ASSERT_EQ(film.frameCount, 5);
    ASSERT_EQ(film.frames.size(), 5u);
    // Twelve a second, the last held three seconds more: 5/12 s + 3 s.
    const int ends[] = {83, 167, 250, 333, 417 + 3000};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(film.frames[std::size_t(k)].endMs, ends[k]) << "frame " << k;
        const QImage& img = film.frames[std::size_t(k)].image;
        // The newest block is there, the next one not yet.
        EXPECT_TRUE(Near(img.pixelColor(100 + k * 150, 250), kColours[k])) << "frame " << k;
        if (k < 4) {
            EXPECT_TRUE(Near(img.pixelColor(100 + (k + 1) * 150, 250), Qt::white)) << "frame " << k;
        }
        EXPECT_TRUE(Near(img.pixelColor(5, 5), Qt::white));
    }
}

// A drawing standing still for a while gives the same frame again: the film
// still lasts as long.
TEST(FilmWriter, RepeatedFramesKeepTheFilmsLength) {
    FilmWriter writer;
    for (int k : {0, 1, 1, 1, 2}) ASSERT_TRUE(writer.addFrame(Frame(k)));
    test::Scratch scratch;
    const QString path = QString::fromStdString(scratch / "still.webp");
    ASSERT_TRUE(writer.save(path));
    const test::DecodedFilm film = test::DecodeWebP(test::readFile(path.toStdString()));
    ASSERT_TRUE(film.ok);
    ASSERT_FALSE(film.frames.empty());
    EXPECT_EQ(film.frames.back().endMs, 417 + 3000);
    EXPECT_TRUE(Near(film.frames.back().image.pixelColor(400, 250), kColours[2]));
}

// A film in which nothing changes after its first frame: everything done
// in the first twelfth of a second, or a story that only moves the pointer.
// The encoder folds equal frames into one, and a film of one frame must
// still be a film that plays for its whole length, not a still picture.
TEST(FilmWriter, AFilmThatNeverChangesStillLastsItsLength) {
    const struct {
        const char* what;
        int frames;
        int endMs;
    } rows[] = {
        {"one frame", 1, 83 + 3000},
        {"five equal frames", 5, 417 + 3000},
        {"two seconds of one picture", 24, 2000 + 3000},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        FilmWriter writer;
        for (int k = 0; k < r.frames; ++k) ASSERT_TRUE(writer.addFrame(Frame(2))) << qPrintable(writer.error());
        test::Scratch scratch;
        const QString path = QString::fromStdString(scratch / "still.webp");
        ASSERT_TRUE(writer.save(path)) << qPrintable(writer.error());
        const test::DecodedFilm film = test::DecodeWebP(test::readFile(path.toStdString()));
        ASSERT_TRUE(film.ok);
        EXPECT_EQ(film.loopCount, 0) << "an animation, which viewers play again and again";
        ASSERT_FALSE(film.frames.empty());
        EXPECT_EQ(film.frames.back().endMs, r.endMs);
        for (const test::DecodedFrame& frame : film.frames)
            EXPECT_TRUE(Near(frame.image.pixelColor(400, 250), kColours[2])) << "ends at " << frame.endMs;
        EXPECT_EQ(test::readFile(path.toStdString()), writer.bytes());
    }
}

TEST(FilmWriter, WrongFramesAreRefusedAndTheFilmGoesOn) {
    FilmWriter writer;
    ASSERT_TRUE(writer.addFrame(Frame(0)));
    const QImage wrong[] = {QImage(), Frame(1, {806, 537}), Frame(1, {807, 538}), Frame(1, {1614, 1074})};
    for (const QImage& image : wrong) {
        EXPECT_FALSE(writer.addFrame(image));
        EXPECT_TRUE(writer.error().contains("807 by 537")) << qPrintable(writer.error());
        EXPECT_EQ(writer.frameCount(), 1);
    }
    // Frames of any pixel format are taken, colours as they are.
    ASSERT_TRUE(writer.addFrame(Frame(1).convertToFormat(QImage::Format_ARGB32_Premultiplied)));
    ASSERT_TRUE(writer.addFrame(Frame(2).convertToFormat(QImage::Format_RGB888)));
    ASSERT_TRUE(writer.addFrame(Frame(3).convertToFormat(QImage::Format_ARGB32)));
    ASSERT_TRUE(writer.addFrame(Frame(4).convertToFormat(QImage::Format_RGBA8888)));
    test::Scratch scratch;
    const QString path = QString::fromStdString(scratch / "film.webp");
    ASSERT_TRUE(writer.save(path));
    const test::DecodedFilm film = test::DecodeWebP(test::readFile(path.toStdString()));
    ASSERT_EQ(film.frameCount, 5);
    ASSERT_EQ(film.frames.size(), 5u);
    for (int k = 1; k < 5; ++k)
        EXPECT_TRUE(Near(film.frames[std::size_t(k)].image.pixelColor(100 + k * 150, 250), kColours[k]))
            << "frame " << k;
    EXPECT_FALSE(writer.addFrame(Frame(0)));  // finished
}

TEST(FilmWriter, AFilmThatCannotBeWrittenIsKeptAndNothingIsLeftBehind) {
    test::Scratch scratch;
    FilmWriter empty;
    const QString emptyPath = QString::fromStdString(scratch / "empty.webp");
    EXPECT_FALSE(empty.save(emptyPath));
    EXPECT_FALSE(empty.error().isEmpty());
    EXPECT_FALSE(test::exists(emptyPath.toStdString()));

    FilmWriter writer;
    ASSERT_TRUE(writer.addFrame(Frame(0)));
    ASSERT_TRUE(writer.addFrame(Frame(1)));
    EXPECT_FALSE(writer.save(QString::fromStdString(scratch / "no such folder/film.webp")));
    EXPECT_TRUE(writer.error().contains("could not be saved")) << qPrintable(writer.error());
    // An older film at the place it goes is replaced whole.
    const std::string path = scratch / "film.webp";
    test::writeFile(path, "an older film");
    ASSERT_TRUE(writer.save(QString::fromStdString(path))) << qPrintable(writer.error());
    EXPECT_EQ(test::readFile(path), writer.bytes());
    EXPECT_EQ(test::DecodeWebP(writer.bytes()).frameCount, 2);
}

// The same frames make the same film, byte for byte, as version 0.1.0 wrote
// them: an animation, and one picture the whole film long.
TEST(FilmWriter, WritesTheFilmsTheFirstVersionWroteByteForByte) {
    const struct {
        const char* file;
        std::vector<int> frames;
    } rows[] = {
        {"five-blocks.webp", {0, 1, 2, 3, 4}},
        {"one-picture.webp", {2, 2, 2}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.file);
        FilmWriter writer;
        for (const int k : r.frames) ASSERT_TRUE(writer.addFrame(Frame(k))) << qPrintable(writer.error());
        test::Scratch scratch;
        ASSERT_TRUE(writer.save(QString::fromStdString(scratch / "film.webp"))) << qPrintable(writer.error());
        const QByteArray pinned = test::readFile(std::string(PINTALOO_TEST_DATA "/films/") + r.file);
        ASSERT_FALSE(pinned.isEmpty());
        EXPECT_EQ(writer.bytes(), pinned);
    }
}

// Without libwebp no film starts: every frame and the save are refused,
// saying why, and nothing is written.
TEST(FilmWriter, WithoutTheLibraryTheFilmFailsAndWritesNothing) {
    PretendWebPLibraryMissing(true);
    FilmWriter writer;
    PretendWebPLibraryMissing(false);
    EXPECT_EQ(writer.error(), "The film could not be started.");
    EXPECT_FALSE(writer.addFrame(Frame(0)));
    EXPECT_EQ(writer.frameCount(), 0);
    test::Scratch scratch;
    const std::string path = scratch / "film.webp";
    EXPECT_FALSE(writer.save(QString::fromStdString(path)));
    EXPECT_EQ(writer.error(), "The film could not be started.");
    EXPECT_FALSE(test::exists(path));
    EXPECT_TRUE(writer.bytes().isEmpty());
}

}  // namespace
}  // namespace pintaloo
