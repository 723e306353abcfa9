// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One entry of a recording: a handler (or `seed`) called with its numbers at
// a time counted in milliseconds from the moment the recording began.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

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

// The words a recording adds to the replay script language.
inline constexpr const char* kStartWord = "start";
inline constexpr const char* kAtWord = "at";
inline constexpr const char* kMovesWord = "moves";
inline constexpr const char* kSeedWord = "seed";
// `picture FILE`: the next open of a picture is answered with FILE (kept
// beside the recording), so an open is a step of the story like any other.
inline constexpr const char* kPictureWord = "picture";
// `state N...`: right after `start`, the editor state the story begins
// with (EditorStateNumbers); undo begins there.
inline constexpr const char* kStateWord = "state";
// `choices N...`: the editor state from here, as `state` gives it, undo going
// on as it was: where a drawing's story takes up again after undo came back
// to it from a later drawing (whose tool and colour choices are still made).
inline constexpr const char* kChoicesWord = "choices";
// The canvas mouse move whose runs are written compactly.
inline constexpr const char* kCanvasMoveName = "pctDraw_MouseMove";

}  // namespace pintaloo
