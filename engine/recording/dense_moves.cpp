// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/recording/dense_moves.h"

#include <array>
#include <bit>

#include "engine/recording/number_text.h"

namespace pintaloo {

namespace {

constexpr int kProbabilityBits = 11;
constexpr std::uint16_t kCertain = 1u << kProbabilityBits;
constexpr std::uint16_t kHalf = kCertain / 2;
// A probability moves this many bits' worth of the way to each choice: a
// sixteenth. Lines hold a few hundred steps at most, so a model must learn
// fast; a 32nd (as long streams use) costs 1 % more here.
constexpr int kAdaptShift = 4;
constexpr std::uint32_t kRangeTop = 1u << 24;
// Numbers below 2^5 have the bits under their top one modelled (a stroke's
// changes are small and not evenly spread); the bits of larger ones go at
// one half each.
constexpr int kModelledLengths = 5;

// One coded number's binary choices.
struct NumberModel {
    std::uint16_t zero = kHalf;
    std::uint16_t negative = kHalf;
    std::array<std::uint16_t, 63> longer{};  // whether the bit length goes past 1, 2 ... 63
    std::array<std::array<std::uint16_t, kModelledLengths>, kModelledLengths> lowBits{};
    NumberModel() {
        longer.fill(kHalf);
        for (auto& row : lowBits) row.fill(kHalf);
    }
};

struct StepModel {
    NumberModel x, y, t;
};

class RangeEncoder {
public:
    void put(std::uint16_t& p, bool one) {
        const std::uint32_t bound = (range_ >> kProbabilityBits) * p;
        if (one) {
            low_ += bound;
            range_ -= bound;
            p = std::uint16_t(p - (p >> kAdaptShift));
        } else {
            range_ = bound;
            p = std::uint16_t(p + ((kCertain - p) >> kAdaptShift));
        }
        while (range_ < kRangeTop) {
            range_ <<= 8;
            shiftLow();
        }
    }
    void putEven(bool one) {
        std::uint16_t p = kHalf;
        put(p, one);
    }
    std::vector<std::uint8_t> finish() {
        // The number in [low, low + range) with the most trailing zero bits,
        // so the bytes that end the code are zeros and can be left out.
        for (int bits = 32; bits >= 0; --bits) {
            const std::uint64_t mask = (std::uint64_t(1) << bits) - 1;
            const std::uint64_t v = (low_ + mask) & ~mask;
            if (v < low_ + range_) {
                low_ = v;
                break;
            }
        }
        for (int i = 0; i < 5; ++i) shiftLow();
        // The first byte is the whole part of a number below one: always 0.
        out_.erase(out_.begin());
        while (!out_.empty() && out_.back() == 0) out_.pop_back();
        return std::move(out_);
    }

private:
    // Hands over the top byte of `low`, holding back a run of 0xFF bytes
    // until it is known whether a carry turns them into zeros.
    void shiftLow() {
        if (std::uint32_t(low_) < 0xFF000000u || (low_ >> 32) != 0) {
            const auto carry = std::uint8_t(low_ >> 32);
            std::uint8_t held = cache_;
            do {
                out_.push_back(std::uint8_t(held + carry));
                held = 0xFF;
            } while (--pending_ != 0);
            cache_ = std::uint8_t(low_ >> 24);
        }
        ++pending_;
        low_ = (low_ & 0x00FFFFFFu) << 8;
    }

    std::uint64_t low_ = 0;
    std::uint32_t range_ = 0xFFFFFFFFu;
    std::uint8_t cache_ = 0;
    std::uint64_t pending_ = 1;
    std::vector<std::uint8_t> out_;
};

class RangeDecoder {
public:
    explicit RangeDecoder(const std::vector<std::uint8_t>& in) : in_(in) {
        for (int i = 0; i < 4; ++i) code_ = (code_ << 8) | next();
    }
    // A code that was never written decodes to something all the same;
    // unsigned arithmetic keeps that harmless.
    bool take(std::uint16_t& p) {
        const std::uint32_t bound = (range_ >> kProbabilityBits) * p;
        bool one = false;
        if (code_ < bound) {
            range_ = bound;
            p = std::uint16_t(p + ((kCertain - p) >> kAdaptShift));
        } else {
            code_ -= bound;
            range_ -= bound;
            p = std::uint16_t(p - (p >> kAdaptShift));
            one = true;
        }
        while (range_ < kRangeTop) {
            range_ <<= 8;
            code_ = (code_ << 8) | next();
        }
        return one;
    }
    bool takeEven() {
        std::uint16_t p = kHalf;
        return take(p);
    }

private:
    std::uint32_t next() { return at_ < in_.size() ? in_[at_++] : 0u; }

    const std::vector<std::uint8_t>& in_;
    std::size_t at_ = 0;
    std::uint32_t range_ = 0xFFFFFFFFu;
    std::uint32_t code_ = 0;
};

// `v` is a 64-bit two's complement number.
void PutNumber(RangeEncoder& e, NumberModel& m, std::uint64_t v) {
    e.put(m.zero, v != 0);
    if (v == 0) return;
    const bool negative = (v >> 63) != 0;
    e.put(m.negative, negative);
    const std::uint64_t size = negative ? ~v + 1 : v;
    const int top = 63 - std::countl_zero(size);  // 0..63
    for (int i = 0; i < top; ++i) e.put(m.longer[std::size_t(i)], true);
    if (top < 63) e.put(m.longer[std::size_t(top)], false);
    for (int i = top - 1; i >= 0; --i) {
        const bool one = ((size >> i) & 1) != 0;
        if (top < kModelledLengths)
            e.put(m.lowBits[std::size_t(top)][std::size_t(i)], one);
        else
            e.putEven(one);
    }
}

std::uint64_t TakeNumber(RangeDecoder& d, NumberModel& m) {
    if (!d.take(m.zero)) return 0;
    const bool negative = d.take(m.negative);
    int top = 0;
    while (top < 63 && d.take(m.longer[std::size_t(top)])) ++top;
    std::uint64_t size = std::uint64_t(1) << top;
    for (int i = top - 1; i >= 0; --i) {
        const bool one = top < kModelledLengths ? d.take(m.lowBits[std::size_t(top)][std::size_t(i)]) : d.takeEven();
        if (one) size |= std::uint64_t(1) << i;
    }
    return negative ? ~size + 1 : size;
}

}  // namespace

std::string EncodeDenseSteps(const std::vector<MoveStep>& steps) {
    RangeEncoder e;
    StepModel m;
    std::uint64_t x = 0, y = 0, t = 0;  // the step before, as 64 bits
    for (const MoveStep& s : steps) {
        PutNumber(e, m.x, std::uint64_t(s.dx) - x);
        PutNumber(e, m.y, std::uint64_t(s.dy) - y);
        PutNumber(e, m.t, std::uint64_t(s.dt) - t);
        x = std::uint64_t(s.dx);
        y = std::uint64_t(s.dy);
        t = std::uint64_t(s.dt);
    }
    const std::vector<std::uint8_t> bytes = e.finish();
    std::string code;
    code.reserve((bytes.size() * 4 + 2) / 3);
    std::uint32_t held = 0;
    int bits = 0;
    for (std::uint8_t b : bytes) {
        held = (held << 8) | b;
        bits += 8;
        while (bits >= 6) {
            bits -= 6;
            code += kPackedDigits[(held >> bits) & 63];
        }
    }
    if (bits > 0) code += kPackedDigits[(held << (6 - bits)) & 63];
    return code;
}

std::optional<std::vector<MoveStep>> DecodeDenseSteps(std::string_view code, std::size_t count) {
    // Four characters carry three bytes; one left over carries none.
    if (code.size() % 4 == 1) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(code.size() * 3 / 4);
    std::uint32_t held = 0;
    int bits = 0;
    for (char c : code) {
        const std::size_t v = kPackedDigits.find(c);
        if (v == std::string_view::npos) return std::nullopt;
        held = (held << 6) | std::uint32_t(v);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes.push_back(std::uint8_t(held >> bits));
        }
    }
    RangeDecoder d(bytes);
    StepModel m;
    std::vector<MoveStep> steps;
    steps.reserve(count);
    std::uint64_t x = 0, y = 0, t = 0;
    for (std::size_t i = 0; i < count; ++i) {
        x += TakeNumber(d, m.x);
        y += TakeNumber(d, m.y);
        t += TakeNumber(d, m.t);
        steps.push_back({std::int64_t(x), std::int64_t(y), std::int64_t(t)});
    }
    return steps;
}

}  // namespace pintaloo
