// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One entry of a recording: a handler (or `seed`) called with its numbers at
// a time counted in milliseconds from the moment the recording began.
#include <cstdint>
#include <string>
#include <vector>

namespace pintaloo {

struct RecordedCall {
    std::int64_t atMs = 0;
    std::string name;
    std::vector<double> args;
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

// The words a recording adds to the replay script language.
inline constexpr const char* kStartWord = "start";
inline constexpr const char* kAtWord = "at";
inline constexpr const char* kMovesWord = "moves";
inline constexpr const char* kSeedWord = "seed";
// The canvas mouse move whose runs are written compactly.
inline constexpr const char* kCanvasMoveName = "pctDraw_MouseMove";

}  // namespace pintaloo
