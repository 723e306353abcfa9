// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/recording/recording_reader.h"

#include <algorithm>

#include "engine/recording/dense_moves.h"
#include "engine/recording/number_text.h"

namespace pintaloo {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
    return s;
}

// Splits at runs of spaces; `s` is already trimmed.
std::vector<std::string_view> Words(std::string_view s) {
    std::vector<std::string_view> words;
    while (!s.empty()) {
        std::size_t n = 0;
        while (n < s.size() && !IsSpace(s[n])) ++n;
        words.push_back(s.substr(0, n));
        s.remove_prefix(n);
        while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
    }
    return words;
}

std::string_view FirstWord(std::string_view s) {
    std::size_t n = 0;
    while (n < s.size() && !IsSpace(s[n])) ++n;
    return s.substr(0, n);
}

bool Fail(std::string* error, std::string why) {
    if (error) *error = std::move(why);
    return false;
}

// "dx,dy" or "dx,dy,dt".
bool ReadStep(std::string_view step, std::int64_t d[3], bool* hasTime) {
    const auto c1 = step.find(',');
    if (c1 == std::string_view::npos) return false;
    const auto c2 = step.find(',', c1 + 1);
    const auto x = ParseInteger(step.substr(0, c1));
    const auto y =
        ParseInteger(step.substr(c1 + 1, c2 == std::string_view::npos ? std::string_view::npos : c2 - c1 - 1));
    if (!x || !y) return false;
    d[0] = *x;
    d[1] = *y;
    *hasTime = c2 != std::string_view::npos;
    if (*hasTime) {
        const auto t = ParseInteger(step.substr(c2 + 1));
        if (!t) return false;
        d[2] = *t;
    }
    return true;
}

}  // namespace

bool RecordingReader::TooMany(std::string* error) {
    full_ = true;
    return Fail(error, "more calls than this recording may hold");
}

bool RecordingReader::IsDirective(std::string_view line) {
    const std::string_view w = FirstWord(Trim(line));
    return std::find(kStoryLineWords.begin(), kStoryLineWords.end(), w) != kStoryLineWords.end();
}

bool RecordingReader::read(std::string_view line, std::vector<RecordedCall>& out, std::string* error) {
    const std::string_view text = Trim(line);
    if (text.empty() || text.front() == '#') return true;
    const std::vector<std::string_view> w = Words(text);
    const std::string_view name = w[0];

    if (name == kStartWord) {
        if (start_) return Fail(error, "a recording has only one start");
        if (w.size() == 2 && w[1] == "blank") {
            start_ = RecordingStart{};
            return true;
        }
        if (w.size() == 3 && w[1] == "page") {
            const auto n = ParseInteger(w[2]);
            if (!n || *n < 0 || *n > 1000000) return Fail(error, "start page needs a page number");
            start_ = RecordingStart{RecordingStart::Kind::Page, int(*n), {}};
            return true;
        }
        if (w.size() >= 3 && w[1] == "picture") {
            // The file name is the rest of the line, spaces and all.
            const auto at = std::size_t(w[2].data() - text.data());
            start_ = RecordingStart{RecordingStart::Kind::Picture, 0, std::string(text.substr(at))};
            return true;
        }
        return Fail(error, "start is followed by blank, page N or picture FILE");
    }
    if (name == kPictureWord) {
        if (w.size() < 2) return Fail(error, "picture is followed by a file name");
        const auto at = std::size_t(w[1].data() - text.data());  // the rest of the line, spaces and all
        out.push_back({now_, std::string(name), {}, std::string(text.substr(at))});
        return true;
    }
    if (name == kAtWord) {
        const auto t = w.size() == 2 ? ParseInteger(w[1]) : std::nullopt;
        if (!t) return Fail(error, "at needs one whole number of milliseconds");
        now_ = *t;
        return true;
    }
    if (name == kSeedWord) {
        const auto n = w.size() == 2 ? ParseInteger(w[1]) : std::nullopt;
        if (!n || *n < 0 || *n > 4294967295LL) return Fail(error, "seed needs one whole number from 0 to 4294967295");
        if (out.size() >= maxCalls_) return TooMany(error);
        out.push_back({now_, std::string(name), {double(*n)}});
        return true;
    }
    if (name == kMovesWord) {
        if (w.size() < 4) return Fail(error, "moves needs a button and a first point");
        std::int64_t p[3];
        for (int i = 0; i < 3; ++i) {
            const auto v = ParseInteger(w[std::size_t(i) + 1]);
            if (!v) return Fail(error, "moves needs whole numbers for its button and first point");
            p[i] = *v;
        }
        if (out.size() > maxCalls_ || w.size() - 3 > maxCalls_ - out.size()) return TooMany(error);
        // Built aside, so a bad step leaves `out` and the clock as they were.
        std::vector<RecordedCall> calls;
        calls.reserve(w.size() - 3);
        std::int64_t t = now_, dt = 0, x = p[1], y = p[2];
        calls.push_back({t, kPenMoveCall, {double(p[0]), double(x), double(y)}});
        for (std::size_t i = 4; i < w.size(); ++i) {
            std::int64_t d[3] = {0, 0, dt};
            bool hasTime = false;
            if (!ReadStep(w[i], d, &hasTime))
                return Fail(error, "a step of moves is dx,dy or dx,dy,dt: " + std::string(w[i]));
            if (hasTime) dt = d[2];
            // Steps are anyone's numbers: a sum past what 64 bits hold is
            // refused here rather than wrapped (undefined in C++).
            if (__builtin_add_overflow(x, d[0], &x) || __builtin_add_overflow(y, d[1], &y) ||
                __builtin_add_overflow(t, dt, &t))
                return Fail(error, "a step of moves goes beyond the numbers a recording can hold");
            calls.push_back({t, kPenMoveCall, {double(p[0]), double(x), double(y)}});
        }
        now_ = t;
        out.insert(out.end(), calls.begin(), calls.end());
        return true;
    }

    if (name == kPackedWord) {
        if (w.size() != 5) return Fail(error, "packed needs a button, a first point and its steps");
        std::int64_t p[3];
        for (int i = 0; i < 3; ++i) {
            const auto v = ParseInteger(w[std::size_t(i) + 1]);
            if (!v) return Fail(error, "packed needs whole numbers for its button and first point");
            p[i] = *v;
        }
        // Built aside, so a bad step leaves `out` and the clock as they were;
        // counted as they come, so a long word never stands for more than
        // the calls allowed.
        if (out.size() >= maxCalls_) return TooMany(error);
        const std::size_t room = maxCalls_ - out.size();
        std::vector<RecordedCall> calls;
        std::int64_t t = now_, dt = 0, x = p[1], y = p[2];
        calls.push_back({t, kPenMoveCall, {double(p[0]), double(x), double(y)}});
        for (std::string_view code = w[4]; !code.empty();) {
            if (calls.size() >= room) return TooMany(error);
            const auto dx = TakePackedNumber(code), dy = TakePackedNumber(code), ddt = TakePackedNumber(code);
            if (!dx || !dy || !ddt) return Fail(error, "the steps of packed are not whole: " + std::string(w[4]));
            if (__builtin_add_overflow(x, *dx, &x) || __builtin_add_overflow(y, *dy, &y) ||
                __builtin_add_overflow(dt, *ddt, &dt) || __builtin_add_overflow(t, dt, &t))
                return Fail(error, "a step of packed goes beyond the numbers a recording can hold");
            calls.push_back({t, kPenMoveCall, {double(p[0]), double(x), double(y)}});
        }
        now_ = t;
        out.insert(out.end(), calls.begin(), calls.end());
        return true;
    }

    if (name == kDenseWord) {
        // The code is left out when the steps code to nothing.
        if (w.size() != 5 && w.size() != 6) return Fail(error, "dense needs a button, a first point, a count and its steps");
        std::int64_t p[4];
        for (int i = 0; i < 4; ++i) {
            const auto v = ParseInteger(w[std::size_t(i) + 1]);
            if (!v) return Fail(error, "dense needs whole numbers for its button, first point and count");
            p[i] = *v;
        }
        // A writer puts a thousand steps on a line at most; ten times that is
        // room enough, and a few characters cannot ask for millions of calls.
        constexpr std::int64_t kMostSteps = 10000;
        if (p[3] < 1 || p[3] > kMostSteps) return Fail(error, "dense needs a count of 1 to 10000 steps");
        // Counted before anything is decoded: any code gives as many steps as asked for.
        if (out.size() >= maxCalls_ || std::uint64_t(p[3]) >= maxCalls_ - out.size()) return TooMany(error);
        const auto steps = DecodeDenseSteps(w.size() == 6 ? w[5] : std::string_view(), std::size_t(p[3]));
        if (!steps) return Fail(error, "the steps of dense are not base64url: " + std::string(w[5]));
        std::vector<RecordedCall> calls;
        calls.reserve(steps->size() + 1);
        std::int64_t t = now_, x = p[1], y = p[2];
        calls.push_back({t, kPenMoveCall, {double(p[0]), double(x), double(y)}});
        for (const MoveStep& d : *steps) {
            if (__builtin_add_overflow(x, d.dx, &x) || __builtin_add_overflow(y, d.dy, &y) ||
                __builtin_add_overflow(t, d.dt, &t))
                return Fail(error, "a step of dense goes beyond the numbers a recording can hold");
            calls.push_back({t, kPenMoveCall, {double(p[0]), double(x), double(y)}});
        }
        now_ = t;
        out.insert(out.end(), calls.begin(), calls.end());
        return true;
    }

    if (out.size() >= maxCalls_) return TooMany(error);
    RecordedCall call{now_, std::string(name), {}};
    for (std::size_t i = 1; i < w.size(); ++i) {
        const auto v = ParseNumber(w[i]);
        if (!v) return Fail(error, std::string(name) + " takes numbers, not " + std::string(w[i]));
        call.args.push_back(*v);
    }
    out.push_back(std::move(call));
    return true;
}

Recording ReadRecording(std::string_view text, std::size_t maxCalls) {
    Recording r;
    RecordingReader reader(maxCalls);
    std::size_t lineNo = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            r.cutShort = true;  // written up to the middle of a line
            break;
        }
        ++lineNo;
        std::string error;
        if (!reader.read(text.substr(0, end), r.calls, &error)) {
            r.badLine = lineNo;
            r.error = std::move(error);
            r.tooManyCalls = reader.full();
            break;
        }
        r.wholeLines = lineNo;
        text.remove_prefix(end + 1);
    }
    if (reader.start()) r.start = *reader.start();
    return r;
}

}  // namespace pintaloo
