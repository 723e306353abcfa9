// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of saving a film: 240 frames of the canvas (twenty seconds at twelve a
// second) encoded as an animated WebP, the drawing growing by a stretch of
// crayon from one frame to the next.
//   build/bench/pintaloo_film_bench                 (argument: libwebp's effort)
#include <benchmark/benchmark.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <random>

#include "ui/files/film_writer.h"

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

}  // namespace
}  // namespace pintaloo

BENCHMARK_MAIN();
