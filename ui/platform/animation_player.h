// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace pintaloo {

// Shows one short movie at a time, played once from the start on request.
class AnimationPlayer {
public:
    enum class State {
        Empty,    // no movie loaded
        Playing,  // running through the frames
        Stopped,  // movie loaded, standing still (before, after or halfway)
    };

    virtual ~AnimationPlayer() = default;

    // Loads the movie at `path`, replacing the current one. A blank name
    // ("   ") or anything that does not load leaves the player Empty.
    virtual void setMovie(const std::string& path) = 0;
    // Plays from the first frame at the movie's own frame rate and stops on
    // the last frame; no loop. Does nothing when Empty.
    virtual void Play() = 0;
    // Stands still on the frame showing.
    virtual void Stop() = 0;

    virtual State state() const = 0;
    // The frame showing, counted from 0; -1 when Empty.
    virtual int currentFrame() const = 0;
};

}  // namespace pintaloo
