// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The story format's own words, each spelled here and nowhere else. A story
// on disk is a replay script: its lines are the window's actions, by the
// script names the action table gives them, and these words, which are the
// format's own. Stories already saved (beside pictures, inside them, in the
// gallery) are read by these spellings, so none of them may ever change;
// the C++ names may.
#include <array>
#include <string_view>

namespace pintaloo {

// `start blank | start page N | start picture FILE`: the first line.
inline constexpr const char* kStartWord = "start";
// `at MS`: the clock moved on to MS milliseconds since the story began.
inline constexpr const char* kAtWord = "at";
// `moves B X Y dx,dy,dt dx,dy ...`: a run of pen moves (recording_writer.h).
inline constexpr const char* kMovesWord = "moves";
// `packed B X Y CODE`: a run of pen moves as `moves` holds them, its steps
// packed into one word, five bits a character; written until `dense` came.
inline constexpr const char* kPackedWord = "packed";
// `dense B X Y N CODE`: a run of pen moves as `moves` holds them, its N
// steps range-coded into one word (dense_moves.h), written when shorter.
inline constexpr const char* kDenseWord = "dense";
// `seed N`: the paint engine's random numbers go on from N.
inline constexpr const char* kSeedWord = "seed";
// `picture FILE`: the next open of a picture is answered with FILE (kept
// beside the story), so an open is a step of the story like any other.
inline constexpr const char* kPictureWord = "picture";
// `state N...`: right after `start`, the editor state the story begins
// with (EditorStateNumbers); undo begins there.
inline constexpr const char* kStateWord = "state";
// `choices N...`: the editor state from here, as `state` gives it, undo going
// on as it was: where a drawing's story takes up again after undo came back
// to it from a later drawing (whose tool and colour choices are still made).
inline constexpr const char* kChoicesWord = "choices";

// The words that begin a line of the format's own, never an action's.
inline constexpr std::array<std::string_view, 9> kStoryLineWords = {
    kStartWord, kAtWord, kMovesWord, kPackedWord, kDenseWord, kSeedWord, kPictureWord, kStateWord, kChoicesWord};

// The call each step of a `moves`, `packed` or `dense` line stands for: the pen (or
// the mouse) over the paper, with button B at X,Y. A move no step can carry
// (a point that is not whole) is written as this call on a line of its own,
// and old stories hold such lines, so the story spells it too: it is the
// script name of the window's PenMove action, whose row takes it from here.
inline constexpr const char* kPenMoveCall = "pctDraw_MouseMove";

}  // namespace pintaloo
