// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/recording/recording_writer.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

#include "engine/recording/number_text.h"

namespace pintaloo {

namespace {

bool IsScriptWord(std::string_view name) {
    if (name.empty() || name.front() == '#') return false;
    for (char c : name)
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == '#') return false;
    for (const char* word : {kStartWord, kAtWord, kMovesWord, kPackedWord, kDenseWord})
        if (name == word) return false;
    return true;
}

bool FileNameFits(const std::string& f) {
    return !f.empty() && f.find_first_of("\r\n") == std::string::npos && f.front() != ' ' && f.back() != ' ' &&
           f.front() != '\t' && f.back() != '\t';
}

}  // namespace

// A reader takes at most ten thousand steps on a line.
RecordingWriter::RecordingWriter(std::size_t movesPerLine) : movesPerLine_(std::clamp<std::size_t>(movesPerLine, 1, 10000)) {}

bool RecordingWriter::start(const RecordingStart& where) {
    if (where.kind == RecordingStart::Kind::Page && where.page < 0) return false;
    if (where.kind == RecordingStart::Kind::Picture && !FileNameFits(where.picture)) return false;
    out_ += kStartWord;
    switch (where.kind) {
        case RecordingStart::Kind::Blank:
            out_ += " blank";
            break;
        case RecordingStart::Kind::Page:
            out_ += " page ";
            AppendInteger(out_, where.page);
            break;
        case RecordingStart::Kind::Picture:
            out_ += " picture ";
            out_ += where.picture;
            break;
    }
    out_ += '\n';
    return true;
}

void RecordingWriter::writeTime(std::int64_t atMs) {
    if (atMs == now_) return;
    out_ += kAtWord;
    out_ += ' ';
    AppendInteger(out_, atMs);
    out_ += '\n';
    now_ = atMs;
}

bool RecordingWriter::extendRun(const RecordedCall& call, std::int64_t button, std::int64_t x, std::int64_t y) {
    if (!run_ || run_->button != button || run_->count >= movesPerLine_) return false;
    std::int64_t dt = 0, span = 0;
    // Times are anyone's numbers (a script's): a step whose sums do not fit
    // 64 bits begins a line of its own.
    if (__builtin_sub_overflow(call.atMs, now_, &dt) ||
        __builtin_sub_overflow(call.atMs, run_->firstAt, &span) || span >= kLineMs)
        return false;
    std::string& steps = run_->steps;
    steps += ' ';
    AppendInteger(steps, x - run_->x);
    steps += ',';
    AppendInteger(steps, y - run_->y);
    if (dt != run_->dt) {
        steps += ',';
        AppendInteger(steps, dt);
    }
    run_->list.push_back({x - run_->x, y - run_->y, dt});
    run_->x = x;
    run_->y = y;
    run_->dt = dt;
    ++run_->count;
    now_ = call.atMs;
    return true;
}

bool RecordingWriter::add(const RecordedCall& call) {
    if (!IsScriptWord(call.name)) return false;
    for (double a : call.args)
        if (!std::isfinite(a)) return false;
    if (call.name == kPictureWord) {
        if (!call.args.empty() || !FileNameFits(call.file)) return false;
        flush();
        writeTime(call.atMs);
        out_ += kPictureWord;
        out_ += ' ';
        out_ += call.file;
        out_ += '\n';
        return true;
    }
    if (call.name == kSeedWord) {
        if (call.args.size() != 1 || !(call.args[0] >= 0 && call.args[0] <= 4294967295.0) ||
            std::trunc(call.args[0]) != call.args[0])
            return false;
    }

    if (call.name == kPenMoveCall && call.args.size() == 3) {
        const auto b = AsSmallInteger(call.args[0]);
        const auto x = AsSmallInteger(call.args[1]);
        const auto y = AsSmallInteger(call.args[2]);
        if (b && x && y) {
            if (extendRun(call, *b, *x, *y)) return true;
            flush();
            writeTime(call.atMs);
            run_ = Run{*b, *x, *y, 0, 1, call.atMs, {}, {}, {}};
            for (std::int64_t v : {*b, *x, *y}) {
                run_->head += ' ';
                AppendInteger(run_->head, v);
            }
            return true;
        }
    }

    flush();
    writeTime(call.atMs);
    out_ += call.name;
    for (double a : call.args) {
        out_ += ' ';
        AppendNumber(out_, a);
    }
    out_ += '\n';
    return true;
}

void RecordingWriter::flush() {
    if (!run_) return;
    std::string count, code;
    if (run_->count > 1) {
        AppendInteger(count, std::int64_t(run_->list.size()));
        code = EncodeDenseSteps(run_->list);
    }
    const bool dense = run_->count > 1 && 2 + count.size() + code.size() < run_->steps.size();
    out_ += dense ? kDenseWord : kMovesWord;
    out_ += run_->head;
    if (dense) {
        out_ += ' ';
        out_ += count;
        // Steps that all repeat the one before (or stand still) code to nothing.
        if (!code.empty()) out_ += ' ';
        out_ += code;
    } else {
        out_ += run_->steps;
    }
    out_ += '\n';
    run_.reset();
}

std::string RecordingWriter::take() {
    written_ += out_.size();
    return std::exchange(out_, {});
}

}  // namespace pintaloo
