// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of saving a film: 240 frames of the canvas (twenty seconds at twelve a
// second) encoded as an animated WebP, the drawing growing by a stretch of
// crayon from one frame to the next. And the cost of collecting a week of
// thirty such drawings into PNGs, a booklet and a slideshow film.
//   build/bench/pintaloo_film_bench                 (argument: libwebp's effort; the kind collected)
#include <benchmark/benchmark.h>

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <random>

#include "ui/files/film_writer.h"
#include "ui/files/week_export.h"

namespace pintaloo {
namespace {

// The child's pencil between two frames: a stretch of rough crayon going on
// from where it was, now and then lifted and put down somewhere else in
// another colour. Grain of lighter and darker dots makes it as hard to
// compress as real crayon.
struct Pencil {
    std::mt19937 rng{11};
    int x = 400, y = 260;
    QColor colour{220, 30, 30};

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

    void drawOneFrame(QImage& canvas) {
        static const QColor colours[] = {QColor(220, 30, 30), QColor(30, 60, 200), QColor(40, 160, 40),
                                         QColor(250, 200, 0), QColor(120, 60, 20), QColor(20, 20, 20)};
        if (pick(0, 5) == 0) {
            x = pick(0, 806);
            y = pick(0, 536);
            colour = colours[pick(0, 5)];
        }
        QPainter p(&canvas);
        p.setPen(QPen(colour, 9, Qt::SolidLine, Qt::RoundCap));
        for (int k = 0; k < 12; ++k) {
            const int nx = std::clamp(x + pick(-10, 10), 0, 806), ny = std::clamp(y + pick(-10, 10), 0, 536);
            p.drawLine(x, y, nx, ny);
            for (int g = 0; g < 30; ++g)
                canvas.setPixelColor(std::clamp(nx + pick(-4, 4), 0, 806), std::clamp(ny + pick(-4, 4), 0, 536),
                                     pick(0, 1) ? colour.lighter(130) : colour.darker(130));
            x = nx;
            y = ny;
        }
    }
};

void BM_SaveFilm(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("film.webp"));
    qint64 bytes = 0;
    for (auto _ : state) {
        FilmWriter::Options options;
        options.method = int(state.range(0));
        FilmWriter writer(options);
        Pencil pencil;
        QImage canvas(807, 537, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        for (int frame = 0; frame < 240; ++frame) {
            state.PauseTiming();
            pencil.drawOneFrame(canvas);
            state.ResumeTiming();
            if (!writer.addFrame(canvas)) state.SkipWithError(qPrintable(writer.error()));
        }
        if (!writer.save(path)) state.SkipWithError(qPrintable(writer.error()));
        bytes = writer.bytes().size();
    }
    state.counters["film_kB"] = double(bytes) / 1000.0;
}
BENCHMARK(BM_SaveFilm)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(1);

// Thirty drawings of a hundred crayon strokes each, five a day over six
// days, and the whole span collected as one kind (0 PNGs, 1 booklet, 2 film).
void BM_CollectWeek(benchmark::State& state) {
    // The booklet's fonts need a GUI application; no window is shown.
    static int argc = 1;
    static char name[] = "pintaloo_film_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString gallery = dir.filePath(QStringLiteral("gallery"));
    QDir().mkpath(gallery);
    Pencil pencil;
    for (int i = 0; i < 30; ++i) {
        QImage canvas(807, 537, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        for (int k = 0; k < 100; ++k) pencil.drawOneFrame(canvas);
        canvas.save(QStringLiteral("%1/Drawing 2026-12-%2 1%3.00.png")
                        .arg(gallery)
                        .arg(7 + i / 5, 2, 10, QLatin1Char('0'))
                        .arg(i % 5));
    }
    ExportRequest request;
    request.children = {{QString(), gallery}};
    request.from = {2026, 12, 7};
    request.to = {2026, 12, 13};
    request.kind = ExportKind(state.range(0));
    const char* names[] = {"pictures", "week.pdf", "week.webp"};
    int round = 0;
    ExportResult result;
    for (auto _ : state) {
        request.target = dir.filePath(QStringLiteral("%1-%2").arg(++round).arg(QLatin1String(names[state.range(0)])));
        result = ExportDrawings(request);
        if (result.outcome != ExportResult::Outcome::Done) state.SkipWithError("nothing collected");
    }
    qint64 bytes = 0;
    const QFileInfo out(request.target);
    if (out.isDir())
        for (const QFileInfo& f : QDir(request.target).entryInfoList(QDir::Files)) bytes += f.size();
    else
        bytes = out.size();
    state.counters["drawings"] = result.written;
    state.counters["out_kB"] = double(bytes) / 1000.0;
}
BENCHMARK(BM_CollectWeek)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace pintaloo

BENCHMARK_MAIN();
