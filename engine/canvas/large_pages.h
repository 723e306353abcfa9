// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Memory for whole canvases, in 2 MB pages where the system offers them.
//
// A canvas (1.7 MB) taken in ordinary 4 KB pages costs one page fault per
// page the first time it is painted, about 430 of them; filling a fresh
// canvas white took about 5 ms of the start-up, longer than any other single
// step of building the window. Asked for as one 2 MB page (Linux's
// transparent huge pages, "madvise" mode or "always") the same fill takes a
// fraction of a millisecond. The price is the unused rest of that page, so
// only sizes that waste at most a quarter of it are served this way; any
// other size, or a system without such pages, gets ordinary memory.
#include <cstddef>
#include <new>

namespace pintaloo {

// Never null: throws std::bad_alloc like operator new.
void* AllocateLarge(std::size_t bytes);
void FreeLarge(void* p, std::size_t bytes);

// Makes one block of `bytes` ready on a worker thread, for the next
// AllocateLarge of exactly that size. The system zeroes a fresh 2 MB page
// when it is first touched, about a millisecond on the main thread; the
// program asks for its first canvas here while the window system is still
// being set up, so that millisecond is spent on the other core. Does
// nothing for sizes not served in large pages, without threads, or when a
// block is already being made; a block never asked for is given back at exit.
void PrepareLarge(std::size_t bytes);
// The size of the block PrepareLarge has waiting (0 when none), once it is
// made: for tests and diagnostics.
std::size_t PreparedLargeBytes();

template <typename T>
struct LargePageAllocator {
    using value_type = T;
    LargePageAllocator() = default;
    template <typename U>
    LargePageAllocator(const LargePageAllocator<U>&) noexcept {}
    T* allocate(std::size_t n) {
        if (n > std::size_t(-1) / sizeof(T)) throw std::bad_array_new_length();
        return static_cast<T*>(AllocateLarge(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept { FreeLarge(p, n * sizeof(T)); }
    template <typename U>
    bool operator==(const LargePageAllocator<U>&) const noexcept {
        return true;
    }
};

}  // namespace pintaloo
