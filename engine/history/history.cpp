// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/history/history.h"

#include <algorithm>
#include <cstring>

#include "engine/history/change_codec.h"

namespace pintaloo {

History::History(const Surface& start, const StepInfo& info, std::size_t budgetBytes) : budget_(budgetBytes) {
    reset(start, info);
}

void History::reset(const Surface& surface, const StepInfo& info) {
    width_ = surface.width();
    height_ = surface.height();
    const Colour* pixels = surface.data();
    const Colour* end = pixels + std::size_t(width_) * std::size_t(height_);
    // One pass over pixels already in memory costs far less than a fresh copy.
    if (std::all_of(pixels, end, [first = *pixels](Colour c) { return c == first; })) {
        uniform_ = *pixels;
    } else {
        uniform_.reset();
        base_.assign(pixels, end);
    }
    info_ = info;
    undo_.clear();
    redo_.clear();
    stepBytes_ = 0;
}

bool History::sameShape(const Surface& surface) const {
    return surface.width() == width_ && surface.height() == height_;
}

void History::makeCopy() {
    if (!uniform_) return;
    base_.assign(std::size_t(width_) * std::size_t(height_), *uniform_);
    uniform_.reset();
}

// Rows are compared whole first (memcmp is far faster than a pixel loop),
// then only the differing rows are searched for their first and last
// changed pixel.
Rect History::differingRect(const Surface& surface) const {
    const std::size_t w = std::size_t(width_);
    const Colour* now = surface.data();
    const Colour* was = base_.data();
    auto rowDiffers = [&](int y) {
        return std::memcmp(now + std::size_t(y) * w, was + std::size_t(y) * w, w * sizeof(Colour)) != 0;
    };
    int top = 0;
    while (top < height_ && !rowDiffers(top)) ++top;
    if (top == height_) return {};
    int bottom = height_;
    while (!rowDiffers(bottom - 1)) --bottom;
    int left = width_, right = 0;
    for (int y = top; y < bottom; ++y) {
        const Colour* a = now + std::size_t(y) * w;
        const Colour* b = was + std::size_t(y) * w;
        int l = 0;
        while (l < left && a[l] == b[l]) ++l;
        left = std::min(left, l);
        int r = width_;
        while (r > right && a[r - 1] == b[r - 1]) --r;
        right = std::max(right, r);
    }
    return {left, top, right, bottom};
}

bool History::commit(const Surface& surface, const StepInfo& info) {
    if (!sameShape(surface)) {
        // The canvas never changes size while the program runs; if it ever
        // did, the steps would no longer fit it, so they are dropped.
        reset(surface, info);
        return false;
    }
    makeCopy();  // undo and redo commit first, so they find the copy made too
    const Rect r = differingRect(surface);
    if (r.empty() && info == info_) return false;

    Step step;
    step.rect = r;
    step.before = info_;
    step.after = info;
    if (!r.empty()) {
        EncodeChange(base_.data(), surface.data(), width_, r, scratch_);
        step.change.assign(scratch_.begin(), scratch_.end());
        for (int y = r.top; y < r.bottom; ++y) {
            const std::size_t at = std::size_t(y) * std::size_t(width_) + std::size_t(r.left);
            std::copy_n(surface.data() + at, r.width(), base_.data() + at);
        }
    }
    info_ = info;
    for (const Step& s : redo_) stepBytes_ -= s.bytes();
    redo_.clear();
    stepBytes_ += step.bytes();
    undo_.push_back(std::move(step));
    trimToBudget();
    return true;
}

void History::copyOut(const Rect& r, Surface& surface) const {
    for (int y = r.top; y < r.bottom; ++y) {
        const std::size_t at = std::size_t(y) * std::size_t(width_) + std::size_t(r.left);
        std::copy_n(base_.data() + at, r.width(), surface.data() + at);
    }
    surface.markDirty(r);
}

std::optional<StepInfo> History::undo(Surface& surface) {
    commit(surface, info_);
    if (undo_.empty()) return std::nullopt;
    Step step = std::move(undo_.back());
    undo_.pop_back();
    // The copy equals the surface here, so the change applies to the copy
    // and the rectangle is copied out; a change that fails to decode (it
    // cannot, short of a fault) leaves the copy as the truth.
    ApplyChange(step.change, base_.data(), width_, step.rect);
    copyOut(step.rect, surface);
    info_ = step.before;
    redo_.push_back(std::move(step));
    return info_;
}

std::optional<StepInfo> History::redo(Surface& surface) {
    // A change made after an undo and not yet committed would be lost by
    // redoing over it; committing it ends the redo steps instead.
    commit(surface, info_);
    if (redo_.empty()) return std::nullopt;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    ApplyChange(step.change, base_.data(), width_, step.rect);
    copyOut(step.rect, surface);
    info_ = step.after;
    undo_.push_back(std::move(step));
    return info_;
}

void History::setBudget(std::size_t bytes) {
    budget_ = bytes;
    trimToBudget();
}

// The newest step is always kept, even alone over the budget: the last thing
// a child did can be taken back.
void History::trimToBudget() {
    while (stepBytes_ > budget_ && undo_.size() + redo_.size() > 1) {
        if (!undo_.empty()) {
            stepBytes_ -= undo_.front().bytes();
            undo_.pop_front();
        } else {
            // Only redo steps are left: drop the one furthest from now.
            stepBytes_ -= redo_.front().bytes();
            redo_.erase(redo_.begin());
        }
    }
}

}  // namespace pintaloo
