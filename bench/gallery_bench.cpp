// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The gallery with 500 drawings in its folder: the folder listed, newest
// first, and the first page's twelve thumbnails ready, with the desktop's
// thumbnail cache warm (made by an earlier run) and with it empty; and the
// memory that costs.
//   build/bench/pintaloo_gallery_bench
// Targets: warm under 200 ms, cold under 1 s, at most 20 MB more memory
// (the counters rss_added_MB and heap_added_MB of BM_GalleryMemory).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ui/files/gallery_folder.h"
#include "ui/files/thumbnail_cache.h"

namespace pintaloo {
namespace {

constexpr int kDrawings = 500;
constexpr int kPage = 12;

// 500 drawings of the canvas's size, scribbled in crayon so they compress
// as real ones do, each with a story of a few kilobytes inside, a minute
// apart.
struct Gallery {
    QTemporaryDir dir;
    QString folder() const { return dir.filePath(QStringLiteral("Pintaloo")); }
    QString cacheHome() const { return dir.filePath(QStringLiteral("cache")); }
    QString thumbnails() const { return cacheHome() + QStringLiteral("/thumbnails"); }

    Gallery() {
        QDir().mkpath(folder());
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cacheHome()));
        std::mt19937 rng(5);
        const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        std::string story = "pintaloo story 1\n";
        for (int i = 0; i < 200; ++i) story += "pctDraw_MouseMove 1 " + std::to_string(pick(0, 806)) + " 233\n";
        const QDateTime start = QDateTime::currentDateTime().addDays(-30);
        int filed = 0;
        GalleryFolder gallery(folder(), [&] { return start.addSecs(60LL * filed); });
        QImage canvas(807, 537, QImage::Format_RGB32);
        for (; filed < kDrawings; ++filed) {
            canvas.fill(Qt::white);
            QPainter p(&canvas);
            for (int s = 0; s < 12; ++s) {
                p.setPen(QPen(QColor::fromHsv(pick(0, 359), 220, 220), pick(4, 30), Qt::SolidLine, Qt::RoundCap));
                p.drawLine(pick(0, 806), pick(0, 536), pick(0, 806), pick(0, 536));
            }
            p.end();
            gallery.file(canvas, story, {}, Language::English);
        }
    }
};

Gallery& TheGallery() {
    static Gallery gallery;
    return gallery;
}

std::vector<GalleryEntry> List(const QString& folder) { return GalleryFolder(folder).list(); }

// What opening the gallery costs: the listing and the first page's
// thumbnails, all answered. False when one came back a plain frame or
// without its film badge.
bool FirstPage(ThumbnailCache& cache) {
    const std::vector<GalleryEntry> entries = List(TheGallery().folder());
    QObject page;
    int ready = 0, framed = 0;
    for (int i = 0; i < kPage && i < int(entries.size()); ++i)
        cache.request(entries[std::size_t(i)], &page, [&](const QString&, const GalleryThumbnail& t) {
            ++ready;
            framed += t.image.isNull() || !t.hasStory ? 1 : 0;
        });
    cache.finish();
    return entries.size() == std::size_t(kDrawings) && ready == kPage && framed == 0;
}

void BM_GalleryFirstPageCold(benchmark::State& state) {
    Gallery& gallery = TheGallery();
    for (auto _ : state) {
        state.PauseTiming();
        QDir(gallery.thumbnails()).removeRecursively();
        state.ResumeTiming();
        ThumbnailCache cache(DefaultThumbnailRoot());
        if (!FirstPage(cache)) state.SkipWithError("a thumbnail was not made");
    }
}
BENCHMARK(BM_GalleryFirstPageCold)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_GalleryFirstPageWarm(benchmark::State& state) {
    {
        ThumbnailCache maker(DefaultThumbnailRoot());
        FirstPage(maker);  // the cache on the disk filled, as an earlier run leaves it
    }
    for (auto _ : state) {
        ThumbnailCache cache(DefaultThumbnailRoot());  // a new start: nothing in memory yet
        if (!FirstPage(cache)) state.SkipWithError("a thumbnail was not read");
    }
}
BENCHMARK(BM_GalleryFirstPageWarm)->Unit(benchmark::kMillisecond)->Iterations(20);

qint64 ResidentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * ::sysconf(_SC_PAGESIZE) : 0;
}

// The memory the open gallery holds against before it opened, its cache
// kept alive: after the first page (argument 12), and after every page of
// the 500 drawings was shown once (500: the thumbnails kept in memory at
// their bound). Thumbnails cold, so every drawing is decoded.
void BM_GalleryMemory(benchmark::State& state) {
    Gallery& gallery = TheGallery();
    QDir(gallery.thumbnails()).removeRecursively();
    ::malloc_trim(0);
    const qint64 rssBefore = ResidentBytes();
    const auto heapBefore = qint64(::mallinfo2().uordblks);
    std::unique_ptr<ThumbnailCache> cache;
    for (auto _ : state) {
        cache = std::make_unique<ThumbnailCache>(DefaultThumbnailRoot());
        std::vector<GalleryEntry> entries = List(gallery.folder());
        entries.resize(std::min(entries.size(), std::size_t(state.range(0))));
        QObject panel;
        for (std::size_t i = 0; i < entries.size(); ++i) {  // page after page, as a child turns them
            cache->request(entries[i], &panel, [](const QString&, const GalleryThumbnail&) {});
            if (i % kPage == kPage - 1 || i + 1 == entries.size()) cache->finish();
        }
    }
    state.counters["rss_added_MB"] = double(ResidentBytes() - rssBefore) / 1e6;
    state.counters["heap_added_MB"] = double(qint64(::mallinfo2().uordblks) - heapBefore) / 1e6;
}
BENCHMARK(BM_GalleryMemory)->Arg(kPage)->Arg(kDrawings)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace pintaloo

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);  // the answers come back through the event loop's queue
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    pintaloo::TheGallery();  // made before anything is timed or measured
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
