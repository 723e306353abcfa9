// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/change_codec.h"

#include <algorithm>

namespace pintaloo {

namespace {

// A token is one header byte: the kind in the top two bits, the count in the
// low six. Counts 1..63 are stored as count - 1; 63 means "64 plus a varint
// follows", so long runs across a whole canvas stay a handful of bytes.
enum Kind : std::uint8_t {
    kZeroRun = 0x00,   // n unchanged pixels, no value bytes
    kRun24 = 0x40,     // n pixels of one value below 2^24, three bytes
    kLiteral24 = 0x80, // n values below 2^24, three bytes each
    kRun32 = 0xC0,     // n pixels of one full 32-bit value, four bytes
};
constexpr std::uint32_t kInlineMax = 63;

void PutCount(std::vector<std::uint8_t>& out, Kind kind, std::size_t n) {
    if (n <= kInlineMax) {
        out.push_back(std::uint8_t(kind | (n - 1)));
        return;
    }
    out.push_back(std::uint8_t(kind | kInlineMax));
    std::size_t rest = n - 64;
    while (rest >= 0x80) {
        out.push_back(std::uint8_t(rest | 0x80));
        rest >>= 7;
    }
    out.push_back(std::uint8_t(rest));
}

void Put24(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
    out.push_back(std::uint8_t(v >> 16));
}

// Walks the rectangle as one stream of values, row by row.
class Cursor {
public:
    Cursor(int stride, const Rect& r) : stride_(std::size_t(stride)), r_(r), x_(r.left), y_(r.top) {}
    std::size_t index() const { return std::size_t(y_) * stride_ + std::size_t(x_); }
    void step() {
        if (++x_ == r_.right) { x_ = r_.left; ++y_; }
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
    std::size_t i = 0;
    while (i < total) {
        const std::uint32_t value = v[i];
        std::size_t j = i + 1;
        while (j < total && v[j] == value) ++j;
        const std::size_t run = j - i;
        if (value == 0) {
            PutCount(out, kZeroRun, run);
            i = j;
        } else if (value > 0xFFFFFFu) {
            PutCount(out, kRun32, run);
            for (int b = 0; b < 4; ++b) out.push_back(std::uint8_t(value >> (8 * b)));
            i = j;
        } else if (run >= 2) {
            PutCount(out, kRun24, run);
            Put24(out, value);
            i = j;
        } else {
            // A stretch of lone values: it ends at a zero, a value too wide
            // for three bytes, or the start of a run of two or more.
            std::size_t e = i + 1;
            while (e < total && v[e] != 0 && v[e] <= 0xFFFFFFu && !(e + 1 < total && v[e + 1] == v[e])) ++e;
            PutCount(out, kLiteral24, e - i);
            for (std::size_t t = i; t < e; ++t) Put24(out, v[t]);
            i = e;
        }
    }
}

bool ApplyChange(const std::vector<std::uint8_t>& data, Colour* pixels, int stride, const Rect& r) {
    const std::size_t total = r.empty() ? 0 : std::size_t(r.width()) * std::size_t(r.height());
    const std::uint8_t* p = data.data();
    const std::uint8_t* const end = p + data.size();
    std::size_t done = 0;
    Cursor at(stride, r);
    while (p < end) {
        const std::uint8_t head = *p++;
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
        const Kind kind = Kind(head & 0xC0);
        if (kind == kZeroRun) {
            at.skip(n);
        } else if (kind == kLiteral24) {
            if (std::size_t(end - p) < 3 * n) return false;
            for (std::size_t t = 0; t < n; ++t, p += 3) {
                pixels[at.index()] ^= Colour(p[0]) | (Colour(p[1]) << 8) | (Colour(p[2]) << 16);
                at.step();
            }
        } else {
            const int width = kind == kRun24 ? 3 : 4;
            if (end - p < width) return false;
            Colour value = 0;
            for (int b = 0; b < width; ++b) value |= Colour(p[b]) << (8 * b);
            p += width;
            // Row by row, so the inner loop is a plain sweep the compiler
            // vectorises.
            std::size_t left = n;
            while (left) {
                const std::size_t span = std::min(left, at.rowLeft());
                Colour* row = pixels + at.index();
                for (std::size_t t = 0; t < span; ++t) row[t] ^= value;
                at.skip(span);
                left -= span;
            }
        }
        done += n;
    }
    return done == total;
}

}  // namespace pintaloo
