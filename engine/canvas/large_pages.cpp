// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/canvas/large_pages.h"

#include <cstdint>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

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

#if defined(PINTALOO_LARGE_PAGES)
namespace {

void* MapLarge(std::size_t size) {
    // A large page must start on a 2 MB boundary: reserve one page more,
    // keep the aligned part and give the ends back.
    void* reserved = mmap(nullptr, size + kLargePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (reserved == MAP_FAILED) return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(reserved);
    const std::uintptr_t aligned = (start + kLargePage - 1) / kLargePage * kLargePage;
    if (aligned > start) munmap(reserved, aligned - start);
    if (const std::size_t tail = start + kLargePage - aligned) munmap(reinterpret_cast<void*>(aligned + size), tail);
    void* p = reinterpret_cast<void*>(aligned);
    madvise(p, size, MADV_HUGEPAGE);  // only a hint: refused, the memory still works in small pages
    return p;
}

// The one block PrepareLarge makes, and the worker making it.
struct Prepared {
    std::mutex lock;
    std::thread worker;
    void* block = nullptr;  // written by the worker, read after joining it
    std::size_t bytes = 0;

    // Waits for the worker; the caller holds `lock`.
    void settle() {
        if (worker.joinable()) worker.join();
    }
    ~Prepared() {
        std::lock_guard hold(lock);
        settle();
        if (block) munmap(block, LargeSize(bytes));
    }
};

Prepared& ThePrepared() {
    static Prepared prepared;
    return prepared;
}

}  // namespace
#endif

void PrepareLarge(std::size_t bytes) {
#if defined(PINTALOO_LARGE_PAGES)
    const std::size_t size = LargeSize(bytes);
    if (size == 0) return;
    Prepared& prepared = ThePrepared();
    std::lock_guard hold(prepared.lock);
    if (prepared.worker.joinable() || prepared.block) return;
    prepared.bytes = bytes;
    try {
        prepared.worker = std::thread([&prepared, size] {
            void* p = MapLarge(size);
            if (!p) return;
            // One write a small page: the whole block is made now, in large
            // pages or small, whichever the system gave.
            auto* bytesOf = static_cast<volatile unsigned char*>(p);
            for (std::size_t at = 0; at < size; at += 4096) bytesOf[at] = 0;
            prepared.block = p;
        });
    } catch (const std::system_error&) {
        // no thread to spare: the canvas makes its own pages, as before
    }
#else
    (void)bytes;
#endif
}

std::size_t PreparedLargeBytes() {
#if defined(PINTALOO_LARGE_PAGES)
    Prepared& prepared = ThePrepared();
    std::lock_guard hold(prepared.lock);
    prepared.settle();
    return prepared.block ? prepared.bytes : 0;
#else
    return 0;
#endif
}

void* AllocateLarge(std::size_t bytes) {
#if defined(PINTALOO_LARGE_PAGES)
    if (const std::size_t size = LargeSize(bytes); size != 0) {
        Prepared& prepared = ThePrepared();
        {
            std::lock_guard hold(prepared.lock);
            prepared.settle();
            if (prepared.block && prepared.bytes == bytes) return std::exchange(prepared.block, nullptr);
        }
        if (void* p = MapLarge(size)) return p;
        throw std::bad_alloc();
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
