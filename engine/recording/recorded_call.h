// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One entry of a recording: an action (or one of the story's own words,
// story_words.h) called with its numbers at a time counted in milliseconds
// from the moment the recording began.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/recording/story_words.h"

namespace pintaloo {

struct RecordedCall {
    // A constructor rather than an aggregate, so `{at, name, args}` stays
    // the whole of most calls.
    RecordedCall(std::int64_t at = 0, std::string n = {}, std::vector<double> a = {}, std::string f = {})
        : atMs(at), name(std::move(n)), args(std::move(a)), file(std::move(f)) {}
    std::int64_t atMs = 0;
    std::string name;
    std::vector<double> args;
    std::string file;  // `picture` only: the file the next open is answered with
    bool operator==(const RecordedCall&) const = default;
};

// Where the drawing of a recording began: a blank page, a colouring page by
// its number, or a picture that was opened (its file kept beside the recording).
struct RecordingStart {
    enum class Kind { Blank, Page, Picture };
    Kind kind = Kind::Blank;
    int page = 0;         // for Kind::Page
    std::string picture;  // for Kind::Picture: a file name without spaces at either end
    bool operator==(const RecordingStart&) const = default;
};

}  // namespace pintaloo
