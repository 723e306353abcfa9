// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The stamp library installed on this computer (Debian's
// tuxpaint-stamps-default, about a thousand stamps): the whole index read
// from the folders (no cache file) and from the cache, the browser's first
// page (the first group's first twelve pictures at 96 px) with the index
// cold and warm, and the memory every group's thumbnails cost once.
//   build/bench/pintaloo_stamps_bench
// Targets: index warm under 300 ms; first page warm under 200 ms, cold
// under 1 s; at most 30 MB more memory (rss_added_MB of BM_StampMemory).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <memory>

#include <malloc.h>
#include <unistd.h>

#include "ui/files/stamp_collections.h"

namespace pintaloo {
namespace {

constexpr int kThumbnail = 96;
constexpr int kPage = 12;

QTemporaryDir& CacheFolder() {
    static QTemporaryDir dir;
    return dir;
}

QString CacheFile() { return CacheFolder().filePath(QStringLiteral("stamps-index")); }

bool Installed(benchmark::State& state) {
    if (StampCollections::StandardRoots().isEmpty()) {
        state.SkipWithError("no stamp library installed (tuxpaint-stamps-default)");
        return false;
    }
    return true;
}

void BM_StampIndexCold(benchmark::State& state) {
    if (!Installed(state)) return;
    for (auto _ : state) {
        QFile::remove(CacheFile());
        StampCollections library(StampCollections::StandardRoots(), CacheFile());
        benchmark::DoNotOptimize(library.groups().size());
    }
}
BENCHMARK(BM_StampIndexCold)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_StampIndexWarm(benchmark::State& state) {
    if (!Installed(state)) return;
    StampCollections(StampCollections::StandardRoots(), CacheFile()).groups();
    for (auto _ : state) {
        StampCollections library(StampCollections::StandardRoots(), CacheFile());
        if (library.groups().empty() || !library.readFromCache()) state.SkipWithError("the cache was not used");
    }
}
BENCHMARK(BM_StampIndexWarm)->Unit(benchmark::kMillisecond)->Iterations(20);

// A new start: the index (from the cache when `warm`) and the first page.
void FirstPage(benchmark::State& state, bool warm) {
    if (!Installed(state)) return;
    StampCollections(StampCollections::StandardRoots(), CacheFile()).groups();
    for (auto _ : state) {
        if (!warm) QFile::remove(CacheFile());
        StampCollections library(StampCollections::StandardRoots(), CacheFile());
        const StampGroup& first = library.groups().front();
        for (std::size_t i = 0; i < first.stamps.size() && i < std::size_t(kPage); ++i)
            if (library.picture(*library.stamp(first.stamps[i]), kThumbnail).isNull())
                state.SkipWithError("a picture was refused");
    }
}
void BM_StampFirstPageCold(benchmark::State& state) { FirstPage(state, false); }
void BM_StampFirstPageWarm(benchmark::State& state) { FirstPage(state, true); }
BENCHMARK(BM_StampFirstPageCold)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_StampFirstPageWarm)->Unit(benchmark::kMillisecond)->Iterations(20);

qint64 ResidentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * ::sysconf(_SC_PAGESIZE) : 0;
}

// Every group opened once at thumbnail size, the library kept alive: what
// the index and the bounded picture cache hold against before.
void BM_StampMemory(benchmark::State& state) {
    if (!Installed(state)) return;
    {
        // The window has its fonts and decoders loaded long before: one PNG
        // and one SVG drawn first, so only what the library holds is counted.
        StampCollections warmUp(StampCollections::StandardRoots(), CacheFile());
        bool png = false, svg = false;
        for (const StampGroup& group : warmUp.groups())
            for (std::uint32_t id : group.stamps) {
                const LibraryStamp& s = *warmUp.stamp(id);
                bool& done = s.file.endsWith(QStringLiteral(".svg")) ? svg : png;
                if (!done) done = !warmUp.picture(s, kThumbnail).isNull();
            }
    }
    ::malloc_trim(0);
    const qint64 before = ResidentBytes();
    const auto heapBefore = qint64(::mallinfo2().uordblks);
    int pictures = 0;
    std::unique_ptr<StampCollections> library;
    for (auto _ : state) {
        library = std::make_unique<StampCollections>(StampCollections::StandardRoots(), CacheFile());
        for (const StampGroup& group : library->groups())
            for (std::uint32_t id : group.stamps)
                pictures += library->picture(*library->stamp(id), kThumbnail).isNull() ? 0 : 1;
    }
    ::malloc_trim(0);
    state.counters["pictures"] = pictures;
    state.counters["rss_added_MB"] = double(ResidentBytes() - before) / (1024.0 * 1024.0);
    // The main arena's bytes in use (the decoders' threads allocate in arenas of their own).
    state.counters["heap_added_MB"] = double(qint64(::mallinfo2().uordblks) - heapBefore) / (1024.0 * 1024.0);
}
BENCHMARK(BM_StampMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace pintaloo

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // an SVG's text needs the fonts
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
