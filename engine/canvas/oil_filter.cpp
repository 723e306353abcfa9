#include "canvas/oil_filter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
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
        const int r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
        const int n = 59 * g + 30 * r + 11 * b;
        int luma;
        if (n % 100 != 50) {
            luma = (n + 50) / 100;
        } else {
            double sum = g * 0.59;
            sum += r * 0.30;
            sum += b * 0.11;
            luma = int(std::nearbyint(sum));
        }
        return scaled_[std::size_t(luma)];
    }

private:
    std::array<std::uint8_t, 256> scaled_{};
};

// The general case: any radius, any rectangle. Counts per level, first
// colour per level, lowest level wins ties. The colour table persists over
// the whole call, as a pixel with no counted sample keeps level 0's colour.
void GenericFilter(const Colour* src, Colour* dst, const std::uint8_t* lev, int w, int left, int top,
                   int right, int bottom, int radius, int levels, int fromX, int toX, int fromY, int toY,
                   std::array<Colour, 256>& levelColour, bool onlyBorder) {
    std::array<int, 256> count{};
    for (int x = fromX; x <= toX; ++x) {
        for (int y = fromY; y <= toY; ++y) {
            if (onlyBorder && x >= left + 2 && x <= right - 2 && y >= top + 2 && y <= bottom - 2) continue;
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
                if (count[std::size_t(v)] > bestCount) { best = v; bestCount = count[std::size_t(v)]; }
                count[std::size_t(v)] = 0;
            }
            const std::size_t at = std::size_t(y) * std::size_t(w) + std::size_t(x);
            dst[at] = (src[at] & 0xFF000000u) | (levelColour[std::size_t(best)] & 0x00FFFFFFu);
        }
    }
}

using Bytes16 = std::uint8_t __attribute__((vector_size(16)));

Bytes16 Load16(const std::uint8_t* p) {
    Bytes16 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// For 16 neighbouring pixels at once: which of the nine samples (0..8, in
// scan order) carries the winning level. Counts come from the 36 pairwise
// comparisons; the winner is the highest count, then the lowest level, then
// the first sample of that level.
void WinnersOfRow(const std::uint8_t* up, const std::uint8_t* mid, const std::uint8_t* dn, int from, int to,
                  std::uint8_t* winner) {
    int x = from;
    for (; x + 16 <= to + 1; x += 16) {
        const Bytes16 s[9] = {Load16(up + x - 1), Load16(mid + x - 1), Load16(dn + x - 1),
                              Load16(up + x),     Load16(mid + x),     Load16(dn + x),
                              Load16(up + x + 1), Load16(mid + x + 1), Load16(dn + x + 1)};
        Bytes16 cnt[9];
        for (auto& c : cnt) c = Bytes16{} + 1;
        for (int i = 0; i < 9; ++i)
            for (int j = i + 1; j < 9; ++j) {
                const Bytes16 eq = (Bytes16)(s[i] == s[j]);  // 0xFF where equal
                cnt[i] -= eq;
                cnt[j] -= eq;
            }
        Bytes16 most = cnt[0];
        for (int i = 1; i < 9; ++i) most = cnt[i] > most ? cnt[i] : most;
        Bytes16 bestLevel = Bytes16{} + 255;
        for (int i = 0; i < 9; ++i) {
            const Bytes16 candidate = cnt[i] == most ? s[i] : Bytes16{} + 255;
            bestLevel = candidate < bestLevel ? candidate : bestLevel;
        }
        Bytes16 index = Bytes16{} + 8;
        for (int i = 7; i >= 0; --i) index = s[i] == bestLevel ? Bytes16{} + std::uint8_t(i) : index;
        std::memcpy(winner + x, &index, 16);
    }
    for (; x <= to; ++x) {  // the tail, one pixel at a time
        const std::uint8_t s[9] = {up[x - 1], mid[x - 1], dn[x - 1], up[x], mid[x], dn[x], up[x + 1], mid[x + 1], dn[x + 1]};
        int bestI = 0, bestCnt = 0;
        for (int i = 0; i < 9; ++i) {
            int c = 0;
            for (int j = 0; j < 9; ++j) c += s[i] == s[j];
            if (c > bestCnt || (c == bestCnt && s[i] < s[bestI])) { bestCnt = c; bestI = i; }
        }
        winner[x] = std::uint8_t(bestI);
    }
}

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
    std::vector<std::uint8_t> lev(w * std::size_t(height), 0);
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) lev[std::size_t(y) * w + std::size_t(x)] = table.levelOf(pixels[std::size_t(y) * w + std::size_t(x)]);

    std::vector<Colour> out(pixels, pixels + w * std::size_t(height));
    std::array<Colour, 256> levelColour{};
    const bool fast = radius == 1 && right - left >= 4 && bottom - top >= 4;
    GenericFilter(pixels, out.data(), lev.data(), width, left, top, right, bottom, radius, levels, left, right,
                  top, bottom, levelColour, fast);
    if (fast) {
        // Every sample of an inner pixel counts, so the winner depends only
        // on its nine levels.
        const std::ptrdiff_t offset[9] = {
            -std::ptrdiff_t(w) - 1, -1, std::ptrdiff_t(w) - 1, -std::ptrdiff_t(w), 0, std::ptrdiff_t(w),
            -std::ptrdiff_t(w) + 1, 1, std::ptrdiff_t(w) + 1};
        std::vector<std::uint8_t> winner(w + 16);
        for (int y = top + 2; y <= bottom - 2; ++y) {
            const std::uint8_t* mid = lev.data() + std::size_t(y) * w;
            WinnersOfRow(mid - w, mid, mid + w, left + 2, right - 2, winner.data());
            const std::size_t row = std::size_t(y) * w;
            for (int x = left + 2; x <= right - 2; ++x) {
                const std::size_t at = row + std::size_t(x);
                out[at] = (pixels[at] & 0xFF000000u) | (pixels[std::ptrdiff_t(at) + offset[winner[std::size_t(x)]]] & 0x00FFFFFFu);
            }
        }
    }
    std::copy(out.begin(), out.end(), pixels);
}

}  // namespace pintaloo
