// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/canvas/oil_filter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <system_error>
#include <thread>
#include <vector>

namespace pintaloo {

namespace {

// Brightness 0.30 R + 0.59 G + 0.11 B rounded half to even, then scaled to
// 0..levels and rounded again. 59G + 30R + 11B is the brightness times 100
// exactly; only where it ends in exactly 50 can the floating-point sum fall
// either side of the half, so just those take the slow path.
class LevelTable {
public:
    explicit LevelTable(int levels) {
        const double scale = levels / 255.0;
        for (int l = 0; l < 256; ++l) scaled_[std::size_t(l)] = std::uint8_t(std::nearbyint(l * scale));
    }
    std::uint8_t levelOf(Colour c) const {
        const std::uint32_t r = c & 255, g = (c >> 8) & 255, b = (c >> 16) & 255;
        const std::uint32_t rounded = 59 * g + 30 * r + 11 * b + 50;
        const std::uint32_t luma = (rounded * 5243) >> 19;  // rounded / 100, exact below 43,690
        if (rounded != luma * 100) return scaled_[luma];
        double sum = double(g) * 0.59;  // on the half: the same sum, in the same order, as the plain filter
        sum += double(r) * 0.30;
        sum += double(b) * 0.11;
        return scaled_[std::size_t(std::nearbyint(sum))];
    }

    // The level of an exact brightness 0..255.
    std::uint8_t scaledOf(std::uint32_t luma) const { return scaled_[luma]; }

private:
    std::array<std::uint8_t, 256> scaled_{};
};

// One pixel from its counted samples (at most nine): the highest count,
// then the lowest level, then the first sample of that level. Needs at
// least one sample.
Colour WinnerOf(const std::uint8_t* level, const Colour* colour, int n) {
    int best = 0, bestCount = 0;
    for (int i = 0; i < n; ++i) {
        int c = 0;
        for (int j = 0; j < n; ++j) c += level[i] == level[j];
        if (c > bestCount || (c == bestCount && level[i] < level[best])) {
            bestCount = c;
            best = i;
        }
    }
    return colour[best];
}

// A pixel near the edge of the rectangle, where some samples do not count.
// `original(sx, sy)` gives a sample's colour as it was before the call.
template <typename Original>
Colour EdgePixel(const Original& original, const std::uint8_t* lev, std::size_t w, int x, int y, int left, int top,
                 int right, int bottom) {
    std::uint8_t level[9];
    Colour colour[9];
    int n = 0;
    for (int sx = x - 1; sx <= x + 1; ++sx) {
        if (!(sx > left && sx < right)) continue;
        for (int sy = y - 1; sy <= y + 1; ++sy) {
            if (!(sy > top && sy < bottom)) continue;
            level[n] = lev[std::size_t(sy) * w + std::size_t(sx)];
            colour[n++] = original(sx, sy);
        }
    }
    return WinnerOf(level, colour, n);
}

// The general case: any radius, any rectangle. Counts per level, first
// colour per level, lowest level wins ties. The colour table persists over
// the whole call, as a pixel with no counted sample keeps level 0's colour.
void GenericFilter(const Colour* src, Colour* dst, const std::uint8_t* lev, int w, int left, int top, int right,
                   int bottom, int radius, int levels) {
    std::array<int, 256> count{};
    std::array<Colour, 256> levelColour{};
    for (int x = left; x <= right; ++x) {
        for (int y = top; y <= bottom; ++y) {
            for (int sx = x - radius; sx <= x + radius; ++sx) {
                if (!(sx > left && sx < right)) continue;
                for (int sy = y - radius; sy <= y + radius; ++sy) {
                    if (!(sy > top && sy < bottom)) continue;
                    const std::size_t at = std::size_t(sy) * std::size_t(w) + std::size_t(sx);
                    if (++count[lev[at]] == 1) levelColour[lev[at]] = src[at];
                }
            }
            int best = 0, bestCount = 0;
            for (int v = 0; v <= levels; ++v) {
                if (count[std::size_t(v)] > bestCount) {
                    best = v;
                    bestCount = count[std::size_t(v)];
                }
                count[std::size_t(v)] = 0;
            }
            const std::size_t at = std::size_t(y) * std::size_t(w) + std::size_t(x);
            dst[at] = (src[at] & 0xFF000000u) | (levelColour[std::size_t(best)] & 0x00FFFFFFu);
        }
    }
}

// 32 pixels a step. Where the processor has AVX2 (nearly every x86-64 of the
// last decade) a clone of the hot loops uses its 32-byte registers; elsewhere
// the compiler splits each step into two 16-byte halves, which costs what
// 16-pixel steps did. The choice is made once, when the program loads.
constexpr int kLanes = 32;
using Bytes = std::uint8_t __attribute__((vector_size(kLanes)));

#if defined(__x86_64__) && !defined(__SANITIZE_ADDRESS__)
#define PINTALOO_WIDE_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define PINTALOO_WIDE_CLONES
#endif

// For 32 neighbouring pixels at once: which of the nine samples (0..8, in
// scan order) carries the winning level. Counts come from the 36 pairwise
// comparisons; the winner is the highest count, then the lowest level, then
// the first sample of that level.
PINTALOO_WIDE_CLONES void WinnersOfRow(const std::uint8_t* up, const std::uint8_t* mid, const std::uint8_t* dn,
                                       int from, int to, std::uint8_t* winner) {
    int x = from;
    for (; x + kLanes <= to + 1; x += kLanes) {
        // Sample i: row i % 3 (above, this, below), column x + i / 3 - 1.
        const std::uint8_t* const rows[3] = {up, mid, dn};
        Bytes s[9];
#pragma GCC unroll 9
        for (int i = 0; i < 9; ++i) std::memcpy(&s[i], rows[i % 3] + x + i / 3 - 1, kLanes);
        Bytes cnt[9];
#pragma GCC unroll 9
        for (auto& c : cnt) c = Bytes{} + 1;
#pragma GCC unroll 9
        for (int i = 0; i < 9; ++i)
#pragma GCC unroll 8
            for (int j = i + 1; j < 9; ++j) {
                const Bytes eq = reinterpret_cast<Bytes>(s[i] == s[j]);  // 0xFF where equal, same bits
                cnt[i] -= eq;
                cnt[j] -= eq;
            }
        Bytes most = cnt[0];
#pragma GCC unroll 8
        for (int i = 1; i < 9; ++i) most = cnt[i] > most ? cnt[i] : most;
        Bytes bestLevel = Bytes{} + 255;
#pragma GCC unroll 9
        for (int i = 0; i < 9; ++i) {
            const Bytes candidate = cnt[i] == most ? s[i] : Bytes{} + 255;
            bestLevel = candidate < bestLevel ? candidate : bestLevel;
        }
        Bytes index = Bytes{} + 8;
#pragma GCC unroll 8
        for (int i = 7; i >= 0; --i) index = s[i] == bestLevel ? Bytes{} + std::uint8_t(i) : index;
        std::memcpy(winner + x, &index, kLanes);
    }
    for (; x <= to; ++x) {  // the tail, one pixel at a time
        const std::uint8_t level[9] = {up[x - 1], mid[x - 1], dn[x - 1],  up[x],    mid[x],
                                       dn[x],     up[x + 1],  mid[x + 1], dn[x + 1]};
        const Colour index[9] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
        winner[x] = std::uint8_t(WinnerOf(level, index, 9));
    }
}

constexpr int kWordLanes = 8;
using Words = std::uint32_t __attribute__((vector_size(4 * kWordLanes)));
using Bytes8 = std::uint8_t __attribute__((vector_size(kWordLanes)));

// Pixels from..to of a row take the colour of their winning sample, eight
// at a time: each of the nine samples is blended in where it won, which
// vectorises where looking each one up would not. The top byte stays the
// pixel's own.
PINTALOO_WIDE_CLONES void PickWinners(const Colour* const source[9], const std::uint8_t* winner, const Colour* cur,
                                      Colour* row, int from, int to) {
    int x = from;
    for (; x + kWordLanes <= to + 1; x += kWordLanes) {
        Bytes8 narrow;
        std::memcpy(&narrow, winner + x, sizeof narrow);
        const Words which = __builtin_convertvector(narrow, Words);
        Words c;
        std::memcpy(&c, source[0] + x, sizeof c);
#pragma GCC unroll 8
        for (std::uint32_t i = 1; i < 9; ++i) {
            Words sample;
            std::memcpy(&sample, source[i] + x, sizeof sample);
            c = which == i ? sample : c;
        }
        Words own;
        std::memcpy(&own, cur + x, sizeof own);
        const Words out = (own & 0xFF000000u) | (c & 0x00FFFFFFu);
        std::memcpy(row + x, &out, sizeof out);
    }
    for (; x <= to; ++x) {
        const Colour c = source[winner[x]][x];
        row[x] = (cur[x] & 0xFF000000u) | (c & 0x00FFFFFFu);
    }
}

// The radius-1 filter over rows y0..y1 of the rectangle, rewritten in place
// from the top: the originals of the row above and of the current row are
// kept aside, the row below is still untouched. That saves a whole-canvas
// copy in and out. `above` is row y0 - 1 as it was before the call (read
// only when y0 > top), `below` row y1 + 1 (null: still untouched in
// `pixels`). Levels of rows y0..y1 and their neighbours must be ready.
void FilterBand(Colour* pixels, std::size_t w, const std::uint8_t* lev, int left, int top, int right, int bottom,
                int y0, int y1, const Colour* above, const Colour* below) {
    std::vector<Colour> prev(w), cur(w);
    std::vector<std::uint8_t> winner(w + kLanes);
    if (y0 > top) std::copy(above + left, above + right + 1, cur.begin() + left);
    for (int y = y0; y <= y1; ++y) {
        std::swap(prev, cur);
        Colour* row = pixels + std::size_t(y) * w;
        std::copy(row + left, row + right + 1, cur.begin() + left);
        const Colour* next = y == bottom ? nullptr : y == y1 && below ? below : pixels + std::size_t(y + 1) * w;
        const auto original = [&](int sx, int sy) {
            return sy < y ? prev[std::size_t(sx)] : sy == y ? cur[std::size_t(sx)] : next[sx];
        };
        const auto edge = [&](int x) {
            const Colour c = EdgePixel(original, lev, w, x, y, left, top, right, bottom);
            row[x] = (cur[std::size_t(x)] & 0xFF000000u) | (c & 0x00FFFFFFu);
        };
        // The two outermost rows and columns of the rectangle lack some samples.
        if (y < top + 2 || y > bottom - 2) {
            for (int x = left; x <= right; ++x) edge(x);
            continue;
        }
        // Inside, every sample counts, so the winner depends only on the nine levels.
        const std::uint8_t* mid = lev + std::size_t(y) * w;
        WinnersOfRow(mid - w, mid, mid + w, left + 2, right - 2, winner.data());
        // Sample i lies in column x + i / 3 - 1 of the row above, this row or below.
        const Colour* source[9] = {prev.data() - 1, cur.data() - 1, next - 1, prev.data(), cur.data(), next,
                                   prev.data() + 1, cur.data() + 1, next + 1};
        PickWinners(source, winner.data(), cur.data(), row, left + 2, right - 2);
        for (int x : {left, left + 1, right - 1, right}) edge(x);
    }
}

// Levels of a row, eight pixels a step: the brightness sums are worked out
// side by side and only the rare sums on a half go the slow way, one pixel
// at a time. A fifth of the filter's time went here before.
PINTALOO_WIDE_CLONES void LevelRows(const Colour* pixels, std::size_t w, std::uint8_t* lev, const LevelTable& table,
                                    int left, int right, int y0, int y1) {
    for (int y = y0; y <= y1; ++y) {
        const Colour* row = pixels + std::size_t(y) * w;
        std::uint8_t* out = lev + std::size_t(y) * w;
        int x = left;
        for (; x + kWordLanes <= right + 1; x += kWordLanes) {
            Words c;
            std::memcpy(&c, row + x, sizeof c);
            const Words rounded = 59 * ((c >> 8) & 255) + 30 * (c & 255) + 11 * ((c >> 16) & 255) + 50;
            const Words luma = (rounded * 5243) >> 19;
            const Words onHalf = rounded == luma * 100;
            for (int i = 0; i < kWordLanes; ++i)
                out[x + i] = onHalf[i] ? table.levelOf(row[x + i]) : table.scaledOf(luma[i]);
        }
        for (; x <= right; ++x) out[x] = table.levelOf(row[x]);
    }
}

// Below this many rows a second thread costs more than it saves.
constexpr int kRowsWorthAThread = 64;

}  // namespace

void OilFilter(Colour* pixels, int width, int height, int left, int top, int right, int bottom, int radius,
               int levels) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width - 1);
    bottom = std::min(bottom, height - 1);
    levels = std::clamp(levels, 0, 255);
    if (right < left || bottom < top) return;

    const LevelTable table(levels);
    const std::size_t w = std::size_t(width);
    // Levels of every pixel of the rectangle (the rest is never read).
    const auto lev = std::make_unique_for_overwrite<std::uint8_t[]>(w * std::size_t(height));
    if (radius != 1 || right - left < 4 || bottom - top < 4) {
        LevelRows(pixels, w, lev.get(), table, left, right, top, bottom);
        std::vector<Colour> out(pixels, pixels + w * std::size_t(height));
        GenericFilter(pixels, out.data(), lev.get(), width, left, top, right, bottom, radius, levels);
        std::copy(out.begin(), out.end(), pixels);
        return;
    }
    if (bottom - top + 1 < 2 * kRowsWorthAThread) {
        LevelRows(pixels, w, lev.get(), table, left, right, top, bottom);
        FilterBand(pixels, w, lev.get(), left, top, right, bottom, top, bottom, nullptr, nullptr);
        return;
    }

    // Two bands of rows, one on a second thread: the machines this runs on
    // have at least two cores. The two rows where the bands meet are copied
    // and their levels worked out first, as each band rewrites its side of
    // the seam while the other still needs the originals. Every pixel is
    // decided exactly as in one pass, so the result is the same.
    const int mid = top + (bottom - top + 1) / 2;  // the lower band starts here
    const std::vector<Colour> lastOfUpper(pixels + std::size_t(mid - 1) * w, pixels + std::size_t(mid) * w);
    const std::vector<Colour> firstOfLower(pixels + std::size_t(mid) * w, pixels + std::size_t(mid + 1) * w);
    LevelRows(pixels, w, lev.get(), table, left, right, mid - 1, mid);
    const auto upper = [&] {
        LevelRows(pixels, w, lev.get(), table, left, right, top, mid - 2);
        FilterBand(pixels, w, lev.get(), left, top, right, bottom, top, mid - 1, nullptr, firstOfLower.data());
    };
    const auto lower = [&] {
        LevelRows(pixels, w, lev.get(), table, left, right, mid + 1, bottom);
        FilterBand(pixels, w, lev.get(), left, top, right, bottom, mid, bottom, lastOfUpper.data(), nullptr);
    };
    std::thread helper;
    try {
        helper = std::thread(lower);
    } catch (const std::system_error&) {
        // No thread to be had: both bands here, one after the other. The
        // upper band must not overwrite the seam before the lower band has
        // read it, and the saved copies see to that.
        upper();
        lower();
        return;
    }
    upper();
    helper.join();
}

void OilFilter(Surface& canvas, int left, int top, int right, int bottom, int radius, int levels) {
    OilFilter(canvas.data(), canvas.width(), canvas.height(), left, top, right, bottom, radius, levels);
    canvas.markDirty({left, top, right + 1, bottom + 1});
}

}  // namespace pintaloo
