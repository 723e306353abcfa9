// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A recording played into a film: which calls each frame shows, and what
// happens when a call or a frame goes wrong.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>

#include <vector>

#include "ui/files/film_maker.h"
#include "ui/platform/webp_library.h"
#include "test_support.h"
#include "webp_decode.h"

namespace pintaloo {
namespace {

// Call i puts block i on the page.
struct BlockDrawing {
    QImage page{807, 537, QImage::Format_RGB32};
    std::size_t played = 0;
    BlockDrawing() { page.fill(Qt::white); }
    FilmSource source() {
        return {[this](std::size_t i, QString*) {
                    EXPECT_EQ(i, played) << "calls come in order, each once";
                    QPainter(&page).fillRect(20 + int(i) * 100, 200, 80, 80, Qt::blue);
                    ++played;
                    return true;
                },
                [this] { return page; }};
    }
};

bool IsBlue(QColor c) { return c.blue() > 200 && c.red() < 60 && c.green() < 60; }

int BlocksIn(const QImage& frame) {
    int blocks = 0;
    while (blocks < 4 && IsBlue(frame.pixelColor(60 + blocks * 100, 240))) ++blocks;
    return blocks;
}

TEST(FilmMaker, EachFrameShowsTheCallsMadeByItsEnd) {
    // Pauses of 100 ms, 10 s (cut to 0.5 s) and 100 ms: the 20 s film puts
    // the calls at 0, 2.86, 17.14 and 20 s, in frames 0, 34, 205 and 239.
    BlockDrawing drawing;
    test::Scratch scratch;
    const QString path = QString::fromStdString(scratch / "film.webp");
    FilmError error;
    ASSERT_TRUE(MakeFilm({0, 100, 10100, 10200}, drawing.source(), path, &error)) << qPrintable(error.detail);
    const test::DecodedFilm film = test::DecodeWebP(test::readFile(path.toStdString()));
    ASSERT_TRUE(film.ok);
    // Frames that look alike are one frame in the file: four, each ending
    // where the next call's frame begins (frame f begins at f / 12 s).
    struct Shown {
        int endMs, blocks;
    };
    const std::vector<Shown> expected = {{2833, 1}, {17083, 2}, {19917, 3}, {23000, 4}};
    ASSERT_EQ(film.frames.size(), expected.size());
    for (std::size_t f = 0; f < expected.size(); ++f) {
        EXPECT_EQ(film.frames[f].endMs, expected[f].endMs) << "frame " << f;
        EXPECT_EQ(BlocksIn(film.frames[f].image), expected[f].blocks) << "frame " << f;
    }
}

// One press of the paint bucket: the press fills at once and the release
// changes nothing, so every frame shows the same filled page. That is still
// a film of its whole length, never a still picture.
TEST(FilmMaker, AFilmWhoseFirstFrameShowsEverythingStillLastsItsLength) {
    QImage page(807, 537, QImage::Format_RGB32);
    page.fill(Qt::white);
    FilmSource source{[&page](std::size_t i, QString*) {
                          if (i == 0) page.fill(Qt::blue);
                          return true;
                      },
                      [&page] { return page; }};
    FilmClock clock;
    clock.lengthMs = 2000;
    test::Scratch scratch;
    const QString path = QString::fromStdString(scratch / "film.webp");
    FilmError error;
    ASSERT_TRUE(MakeFilm({0, 40}, source, path, &error, clock)) << qPrintable(error.detail);
    const test::DecodedFilm film = test::DecodeWebP(test::readFile(path.toStdString()));
    ASSERT_TRUE(film.ok);
    ASSERT_FALSE(film.frames.empty());
    EXPECT_EQ(film.loopCount, 0);
    EXPECT_EQ(film.frames.back().endMs, 2000 + 3000);
    EXPECT_TRUE(IsBlue(film.frames.front().image.pixelColor(400, 250)));
}

// A story can ask for more work than a film may take: past the budget no
// call is played, and the film ends on the drawing as far as it got, held
// like any film's end.
TEST(FilmMaker, PastItsBudgetTheFilmEndsWhereTheDrawingGot) {
    BlockDrawing drawing;
    FilmSource source = drawing.source();
    std::int64_t worked = 0;
    source.play = [&worked, play = source.play](std::size_t i, QString* why) {
        worked += 1000;  // a second of work a call
        return play(i, why);
    };
    test::Scratch scratch;
    const QString path = QString::fromStdString(scratch / "film.webp");
    FilmError error;
    bool cut = false;
    // The calls fall in frames 0, 34, 205 and 239; 1.5 s of work allows two.
    ASSERT_TRUE(MakeFilm({0, 100, 10100, 10200}, source, path, &error, {}, FilmBudget{1500, [&worked] { return worked; }},
                         &cut))
        << qPrintable(error.detail);
    EXPECT_TRUE(cut);
    EXPECT_EQ(drawing.played, 2u);
    const test::DecodedFilm film = test::DecodeWebP(test::readFile(path.toStdString()));
    ASSERT_TRUE(film.ok);
    ASSERT_FALSE(film.frames.empty());
    EXPECT_EQ(film.frames.back().endMs, 17167 + 3000) << "206 frames, the last held";
    EXPECT_TRUE(IsBlue(film.frames.back().image.pixelColor(160, 240)));
    EXPECT_FALSE(IsBlue(film.frames.back().image.pixelColor(260, 240)));

    BlockDrawing whole;  // the same within a budget it does not reach
    ASSERT_TRUE(MakeFilm({0, 100, 10100, 10200}, whole.source(), path, &error, {}, FilmBudget{60000, {}}, &cut));
    EXPECT_FALSE(cut);
    EXPECT_EQ(whole.played, 4u);
}

TEST(FilmMaker, AFailureStopsTheFilmAndWritesNothing) {
    using Kind = FilmError::Kind;
    struct Case {
        const char* what;
        bool callFails;
        QSize canvas;
        bool noWebP;
        const char* file;
        Kind kind;
        const char* says;
    };
    const Case cases[] = {
        {"a call fails", true, {807, 537}, false, "film.webp", Kind::NotMade, "call 2 went wrong"},
        {"the canvas is the wrong size", false, {400, 300}, false, "film.webp", Kind::NotMade, "807 by 537"},
        {"libwebp is not installed", false, {807, 537}, true, "film.webp", Kind::NotMade,
         "The film could not be started."},
        {"the folder is missing", false, {807, 537}, false, "gone/film.webp", Kind::NotWritten, "could not be saved"},
    };
    for (const Case& c : cases) {
        PretendWebPLibraryMissing(c.noWebP);
        test::Scratch scratch;
        const std::string path = scratch / c.file;
        FilmSource source{[&](std::size_t i, QString* why) {
                              if (c.callFails && i == 2) {
                                  *why = QStringLiteral("call 2 went wrong");
                                  return false;
                              }
                              return true;
                          },
                          [&] {
                              QImage image(c.canvas, QImage::Format_RGB32);
                              image.fill(Qt::white);
                              return image;
                          }};
        FilmError error;
        FilmClock clock;
        clock.lengthMs = 2000;  // a short film is enough to fail in
        EXPECT_FALSE(MakeFilm({0, 10, 20, 30}, source, QString::fromStdString(path), &error, clock)) << c.what;
        EXPECT_TRUE(error.detail.contains(c.says)) << c.what << ": " << qPrintable(error.detail);
        EXPECT_EQ(error.kind, c.kind) << c.what;
        // The parent hears the kind in their language, with the system's own
        // reason for a file; never the developer's English detail.
        EXPECT_EQ(error.system.isEmpty(), c.kind != Kind::NotWritten) << c.what;
        EXPECT_FALSE(error.say(Language::French).contains(error.detail)) << c.what;
        EXPECT_FALSE(test::exists(path)) << c.what;
    }
    PretendWebPLibraryMissing(false);
    FilmError error;
    EXPECT_FALSE(MakeFilm({0}, FilmSource{}, QStringLiteral("/tmp/never.webp"), &error));
    EXPECT_EQ(error.kind, FilmError::Kind::NotMade);
}

}  // namespace
}  // namespace pintaloo
