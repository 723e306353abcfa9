// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the lines RecordingWriter writes back into the calls they stand for:
// each `moves` run becomes its canvas mouse moves again, each call carries
// the time its `at` lines reached.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/recording/recorded_call.h"

namespace pintaloo {

class RecordingReader {
public:
    RecordingReader() = default;
    // At most `maxCalls` calls in `out`: a line that would go past them is
    // refused before its calls are made (a file's one `moves` line can
    // stand for millions).
    explicit RecordingReader(std::size_t maxCalls) : maxCalls_(maxCalls) {}

    // One line without its line break. Blank lines and `#` comments stand for
    // nothing; `start` is remembered; `at` moves the clock on; `moves`, `packed`, `seed`,
    // `picture FILE` and any other `NAME NUMBER...` line append their calls to `out`. False,
    // appending nothing, with a friendly reason for a line that is not one of
    // these, or a second `start`.
    bool read(std::string_view line, std::vector<RecordedCall>& out, std::string* error = nullptr);

    const std::optional<RecordingStart>& start() const { return start_; }
    std::int64_t now() const { return now_; }
    // Whether a line was refused for passing `maxCalls`.
    bool full() const { return full_; }

    // Whether the first word of a line is one of the recording's own
    // directives (start, at, moves, packed, seed, picture, state, choices)
    // rather than a call or another word of the replay script language.
    static bool IsDirective(std::string_view line);

private:
    bool TooMany(std::string* error);

    std::optional<RecordingStart> start_;
    std::int64_t now_ = 0;
    std::size_t maxCalls_ = SIZE_MAX;
    bool full_ = false;
};

// A whole recording file read as far as it goes.
struct Recording {
    RecordingStart start;  // blank when the file has no `start` line
    std::vector<RecordedCall> calls;
    std::size_t wholeLines = 0;  // lines read, up to the first bad one
    bool cutShort = false;       // the text ended inside a line (killed while writing it): that line is left out
    std::size_t badLine = 0;     // the first malformed line (from 1), 0 if none; reading stopped there
    bool tooManyCalls = false;   // that line would have passed the most calls allowed
    std::string error;           // why that line was refused
};

// Everything before a malformed line or a last line without its line break
// is kept, so a recording cut off by a crash still plays up to its last
// complete action.
// `maxCalls` as for RecordingReader: the line that would pass it is the bad one.
Recording ReadRecording(std::string_view text, std::size_t maxCalls = SIZE_MAX);

}  // namespace pintaloo
