// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns the calls of a drawing session into replay script lines:
//
//   start blank | start page N | start picture FILE     (first line)
//   at MS                      time moved on (ms since the recording began)
//   seed N                     the paint engine's random generator restarts at N
//   picture FILE               the next open is answered with FILE
//   state N ...                the editor state the story begins with
//   moves B X Y dx,dy,dt dx,dy ...
//                              canvas mouse moves with button B: the first at
//                              X,Y now, each next one dx,dy further and dt ms
//                              later (a pair keeps the dt before it)
//   dense B X Y N CODE         the same moves, N steps after the first,
//                              range-coded into CODE (dense_moves.h)
//   NAME ARG ...               any other call, as the replay tool reads it
//
// Mouse moves are nearly all of a recording, so they go as small integer
// steps; one with a coordinate that is not a whole number goes on a line of
// its own, so nothing is ever rounded. A run of moves is written as
// whichever of its two lines is shorter: `dense` holds a step of a fast
// pointer (a pixel or a few, a millisecond or a frame apart) in about a
// character and a half where `moves` takes five to nine, so an hour of a
// pen at a thousand moves a second stays under two megabytes. Stories
// written before `dense` came hold `packed B X Y CODE` lines (each step
// three numbers, five bits a character); they are read as ever. Lines
// come out whole, never half, so whatever reached the disk before a crash
// still reads.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/recording/dense_moves.h"
#include "engine/recording/recorded_call.h"

namespace pintaloo {

class RecordingWriter {
public:
    // A run of moves is written out once it spans half a second or holds
    // this many, so a crash in the middle of a long stroke loses half a
    // second of it at most, and a line of a fast pen stays a few kilobytes.
    static constexpr std::size_t kMovesPerLine = 1000;
    static constexpr std::int64_t kLineMs = 500;

    explicit RecordingWriter(std::size_t movesPerLine = kMovesPerLine);

    // The first line; call once, before anything else. False, writing
    // nothing, for a picture name that is empty, has a line break or spaces
    // at either end, or a negative page.
    bool start(const RecordingStart& where);
    // False, writing nothing, for a call the script language cannot carry: a
    // name that is empty, holds spaces or '#', or is one of the directive
    // words; a number that is not finite; or a `seed` that is not one whole
    // number in 0..4294967295.
    bool add(const RecordedCall& call);
    // Writes out a run of moves still held back (on a pause, before saving).
    void flush();
    // The whole lines written so far, handed over and forgotten here (a
    // run of moves still open is not one yet).
    std::string take();

    // Bytes handed over so far plus those waiting in take().
    std::size_t bytesWritten() const { return written_ + out_.size(); }

private:
    struct Run {
        std::int64_t button = 0;
        std::int64_t x = 0, y = 0;  // the last move's point
        std::int64_t dt = 0;        // the last step's time
        std::size_t count = 0;
        std::int64_t firstAt = 0;  // the first move's time
        std::string head;          // " B X Y"
        std::string steps;         // as `moves` writes them
        std::vector<MoveStep> list;  // as `dense` codes them
    };
    void writeTime(std::int64_t atMs);
    bool extendRun(const RecordedCall& call, std::int64_t button, std::int64_t x, std::int64_t y);

    std::size_t movesPerLine_;
    std::string out_;
    std::size_t written_ = 0;
    std::int64_t now_ = 0;  // the time the reader will have reached
    std::optional<Run> run_;
};

}  // namespace pintaloo
