// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Undo and redo for the canvas. Painting goes straight to the Surface as
// always; nothing here runs on a mouse step. When a change ends (a stroke
// released, a fill, a stamp, the oil effect, a new page, a colouring page,
// an opened file) the caller commits: the surface is compared with the copy
// taken at the previous commit, and only the rectangle that differs is kept,
// as a compressed exclusive-or of before and after. The steps share a byte
// budget; when it is full the oldest go first.
//
// Cost: the copy is one canvas (1.7 MB at 807 x 537, made at the first
// commit when the start is a page of one colour); a commit is a full
// compare plus encoding the changed rectangle; undo and redo decode one
// rectangle and copy it out.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "engine/canvas/rect.h"
#include "engine/canvas/surface.h"
#include "engine/history/step_info.h"

namespace pintaloo {

class History {
public:
    // 100 whole-canvas steps of a child's drawing fit in this with room to spare.
    static constexpr std::size_t kDefaultBudget = std::size_t(16) << 20;

    explicit History(const Surface& start, const StepInfo& info = {}, std::size_t budgetBytes = kDefaultBudget);

    // Records the change since the last commit as one step, with the editor
    // state `info` that goes with the drawing as it now is. Clears redo.
    // Returns false and records nothing when neither the pixels nor the
    // info changed.
    bool commit(const Surface& surface, const StepInfo& info);

    // Puts the drawing back as it was before the newest step and returns the
    // info that goes with it; nothing when there is no step. A change not yet
    // committed is committed first (with the last info), so it is what goes.
    // The changed rectangle is marked dirty on the surface.
    std::optional<StepInfo> undo(Surface& surface);
    // Repeats the newest undone step and returns the info after it.
    std::optional<StepInfo> redo(Surface& surface);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    std::size_t undoCount() const { return undo_.size(); }
    std::size_t redoCount() const { return redo_.size(); }

    // Forgets every step and starts again from `surface` (after loading the
    // kept drawing at start-up, say).
    void reset(const Surface& surface, const StepInfo& info);

    // Bytes held by the steps (the budget applies to this) and by the copy
    // (none yet while the page is of one colour: see uniform_).
    std::size_t stepBytes() const { return stepBytes_; }
    std::size_t copyBytes() const { return base_.capacity() * sizeof(Colour); }
    std::size_t budget() const { return budget_; }
    void setBudget(std::size_t bytes);

    // The info of the drawing as last committed.
    const StepInfo& info() const { return info_; }

private:
    struct Step {
        Rect rect;                         // empty when only the info changed
        std::vector<std::uint8_t> change;  // before ^ after over rect, encoded
        StepInfo before, after;
        std::size_t bytes() const { return sizeof(Step) + change.capacity(); }
    };

    Rect differingRect(const Surface& surface) const;
    void copyOut(const Rect& r, Surface& surface) const;
    void trimToBudget();
    bool sameShape(const Surface& surface) const;
    void makeCopy();

    int width_ = 0, height_ = 0;
    std::vector<Colour, LargePageAllocator<Colour>> base_;  // the drawing as last committed
    // A page all of one colour (the blank page at start, every new page) is
    // kept as that colour until the first commit needs the copy, so a
    // window that is only looked at, or a start on a blank page, spends
    // neither the 1.7 MB nor the time of touching it for the first time.
    // While set, base_ is out of date (its memory is kept for reuse).
    std::optional<Colour> uniform_;
    StepInfo info_;
    std::deque<Step> undo_;   // oldest at the front
    std::vector<Step> redo_;  // next to redo at the back
    std::size_t stepBytes_ = 0;
    std::size_t budget_;
    std::vector<std::uint8_t> scratch_;
};

}  // namespace pintaloo
