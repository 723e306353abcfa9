// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/history/change_codec.h"

#include <algorithm>

namespace pintaloo {

namespace {

// Each token starts with one byte; the top two bits say what it is.
//   00iiiiii  one pixel: the value in slot i of the table of recent values
//   01nnnnnn  n unchanged pixels (value zero)
//   10nnnnnn  n more pixels of the value just before
//   11nnnnnn  n - 1 < 63: n values of three bytes each, put in the table
//   11111111  one value of four bytes (a stray high byte), put in the table
// Run counts 1..63 are stored as count - 1; 63 means "64 plus a varint
// follows", so a run across the whole canvas is a handful of bytes.
// The table is what makes the crayon cheap: its texture is a few colours
// scattered at random, and each pixel of a colour seen lately is one byte.
enum Op : std::uint8_t { kIndex = 0x00, kZeroRun = 0x40, kRepeat = 0x80, kLiteral = 0xC0 };
constexpr std::uint8_t kWide = 0xFF;
constexpr std::uint32_t kInlineMax = 63;
constexpr std::size_t kLiteralMax = 63;

// Slot of a value in the 64-entry table (a multiplicative hash; the
// decoder computes the same).
inline unsigned Slot(std::uint32_t v) { return (v * 2654435761u) >> 26; }

void PutCount(std::vector<std::uint8_t>& out, Op op, std::size_t n) {
    if (n <= kInlineMax) {
        out.push_back(std::uint8_t(op | (n - 1)));
        return;
    }
    out.push_back(std::uint8_t(op | kInlineMax));
    std::size_t rest = n - 64;
    while (rest >= 0x80) {
        out.push_back(std::uint8_t(rest | 0x80));
        rest >>= 7;
    }
    out.push_back(std::uint8_t(rest));
}

// Walks the rectangle as one stream of values, row by row.
class Cursor {
public:
    Cursor(int stride, const Rect& r) : stride_(std::size_t(stride)), r_(r), x_(r.left), y_(r.top) {}
    std::size_t index() const { return std::size_t(y_) * stride_ + std::size_t(x_); }
    void step() {
        if (++x_ == r_.right) {
            x_ = r_.left;
            ++y_;
        }
    }
    // Skips n values; the caller has checked they exist.
    void skip(std::size_t n) {
        const std::size_t w = std::size_t(r_.width());
        const std::size_t along = std::size_t(x_ - r_.left) + n;
        y_ += int(along / w);
        x_ = r_.left + int(along % w);
    }
    // How many values are left in the current row.
    std::size_t rowLeft() const { return std::size_t(r_.right - x_); }

private:
    std::size_t stride_;
    Rect r_;
    int x_, y_;
};

}  // namespace

void EncodeChange(const Colour* before, const Colour* after, int stride, const Rect& r,
                  std::vector<std::uint8_t>& out) {
    out.clear();
    if (r.empty()) return;
    const std::size_t total = std::size_t(r.width()) * std::size_t(r.height());
    // The stream is read once into a flat list of values first: the loops
    // below then look ahead freely, and the extra pass costs less than
    // tracking row ends in every comparison.
    std::vector<std::uint32_t> v(total);
    std::size_t k = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        const std::size_t row = std::size_t(y) * std::size_t(stride);
        for (int x = r.left; x < r.right; ++x, ++k) v[k] = before[row + std::size_t(x)] ^ after[row + std::size_t(x)];
    }
    out.reserve(total / 4 + 16);
    std::uint32_t table[64] = {};
    std::uint32_t prev = 0;
    std::size_t i = 0;
    while (i < total) {
        const std::uint32_t value = v[i];
        if (value == 0 || value == prev) {
            std::size_t j = i + 1;
            while (j < total && v[j] == value) ++j;
            PutCount(out, value == 0 ? kZeroRun : kRepeat, j - i);
            prev = value;
            i = j;
            continue;
        }
        const unsigned slot = Slot(value);
        if (table[slot] == value) {
            out.push_back(std::uint8_t(kIndex | slot));
        } else if (value > 0xFFFFFFu) {
            out.push_back(kWide);
            for (int b = 0; b < 4; ++b) out.push_back(std::uint8_t(value >> (8 * b)));
            table[slot] = value;
        } else {
            // New values one after another share a header. The stretch ends
            // where another token would do better: zero, a repeat, a value in
            // the table, a wide value.
            const std::size_t head = out.size();
            out.push_back(0);
            std::size_t e = i;
            do {
                const std::uint32_t w = v[e];
                out.push_back(std::uint8_t(w));
                out.push_back(std::uint8_t(w >> 8));
                out.push_back(std::uint8_t(w >> 16));
                table[Slot(w)] = w;
                ++e;
            } while (e < total && e - i < kLiteralMax && v[e] != 0 && v[e] <= 0xFFFFFFu && v[e] != v[e - 1] &&
                     table[Slot(v[e])] != v[e]);
            out[head] = std::uint8_t(kLiteral | (e - i - 1));
            prev = v[e - 1];
            i = e;
            continue;
        }
        prev = value;
        ++i;
    }
}

bool ApplyChange(const std::vector<std::uint8_t>& data, Colour* pixels, int stride, const Rect& r) {
    const std::size_t total = r.empty() ? 0 : std::size_t(r.width()) * std::size_t(r.height());
    const std::uint8_t* p = data.data();
    const std::uint8_t* const end = p + data.size();
    std::uint32_t table[64] = {};
    std::uint32_t prev = 0;
    std::size_t done = 0;
    Cursor at(stride, r);
    while (p < end) {
        const std::uint8_t head = *p++;
        const Op op = Op(head & 0xC0);
        if (op == kIndex) {
            if (done == total) return false;
            prev = table[head & 0x3F];
            pixels[at.index()] ^= prev;
            at.step();
            ++done;
            continue;
        }
        if (head == kWide) {
            if (done == total || end - p < 4) return false;
            prev = Colour(p[0]) | (Colour(p[1]) << 8) | (Colour(p[2]) << 16) | (Colour(p[3]) << 24);
            p += 4;
            table[Slot(prev)] = prev;
            pixels[at.index()] ^= prev;
            at.step();
            ++done;
            continue;
        }
        if (op == kLiteral) {
            const std::size_t n = (head & 0x3Fu) + 1u;
            if (n > total - done || std::size_t(end - p) < 3 * n) return false;
            for (std::size_t t = 0; t < n; ++t, p += 3) {
                prev = Colour(p[0]) | (Colour(p[1]) << 8) | (Colour(p[2]) << 16);
                table[Slot(prev)] = prev;
                pixels[at.index()] ^= prev;
                at.step();
            }
            done += n;
            continue;
        }
        std::size_t n = (head & kInlineMax) + 1u;
        if ((head & kInlineMax) == kInlineMax) {
            std::size_t extra = 0;
            for (int shift = 0;; shift += 7) {
                if (p == end || shift > 35) return false;
                const std::uint8_t b = *p++;
                extra |= std::size_t(b & 0x7F) << shift;
                if (!(b & 0x80)) break;
            }
            n = 64 + extra;
        }
        if (n > total - done) return false;
        if (op == kZeroRun) {
            prev = 0;
            at.skip(n);
        } else {
            // Row by row, so the inner loop is a plain sweep the compiler
            // vectorises.
            std::size_t left = n;
            while (left) {
                const std::size_t span = std::min(left, at.rowLeft());
                Colour* row = pixels + at.index();
                for (std::size_t t = 0; t < span; ++t) row[t] ^= prev;
                at.skip(span);
                left -= span;
            }
        }
        done += n;
    }
    return done == total;
}

}  // namespace pintaloo
