// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/large_pages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

// The address sanitizer watches only memory from operator new, so its builds
// keep to that.
#if defined(MADV_HUGEPAGE) && !defined(__SANITIZE_ADDRESS__)
#define PINTALOO_LARGE_PAGES 1
#endif

namespace pintaloo {

#if defined(PINTALOO_LARGE_PAGES)
namespace {

constexpr std::size_t kLargePage = std::size_t(2) << 20;

// The size a request takes in large pages, or 0 when it should not use them.
std::size_t LargeSize(std::size_t bytes) {
    if (bytes < kLargePage / 2 || bytes > (std::size_t(1) << 40)) return 0;
    const std::size_t size = (bytes + kLargePage - 1) / kLargePage * kLargePage;
    return size - bytes <= kLargePage / 4 ? size : 0;
}

}  // namespace
#endif

void* AllocateLarge(std::size_t bytes) {
#if defined(PINTALOO_LARGE_PAGES)
    if (const std::size_t size = LargeSize(bytes); size != 0) {
        // A large page must start on a 2 MB boundary: reserve one page more,
        // keep the aligned part and give the ends back.
        void* reserved = mmap(nullptr, size + kLargePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (reserved == MAP_FAILED) throw std::bad_alloc();
        const auto start = reinterpret_cast<std::uintptr_t>(reserved);
        const std::uintptr_t aligned = (start + kLargePage - 1) / kLargePage * kLargePage;
        if (aligned > start) munmap(reserved, aligned - start);
        if (const std::size_t tail = start + kLargePage - aligned)
            munmap(reinterpret_cast<void*>(aligned + size), tail);
        void* p = reinterpret_cast<void*>(aligned);
        madvise(p, size, MADV_HUGEPAGE);  // only a hint: refused, the memory still works in small pages
        return p;
    }
#endif
    return ::operator new(bytes);
}

void FreeLarge(void* p, std::size_t bytes) {
    if (!p) return;
#if defined(PINTALOO_LARGE_PAGES)
    if (const std::size_t size = LargeSize(bytes); size != 0) {
        munmap(p, size);
        return;
    }
#else
    (void)bytes;
#endif
    ::operator delete(p);
}

}  // namespace pintaloo
