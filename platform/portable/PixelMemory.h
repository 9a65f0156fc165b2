// Memory for pixel buffers.
//
// Pictures of a window's size (the table window's frame, 777 x 333, is 1 MB)
// and the larger skin pictures are made and dropped over and over: on every
// paint of a sized composition, on every skin load. Where the heap hands
// blocks above a threshold straight back to the system (Windows and wine:
// about 512 KB in a 32-bit process, 1 MB in a 64-bit one), every new one
// costs a page fault for each 4 KB when it is first written; under wine that
// measured 0.36 ms for one 1 MB block, more than copying its bytes twice.
// Wine's heap also gives back the pages of freed blocks of some tens of KB:
// a skin load that freed the previous skin's pictures paid for them again
// (0.15 ms for the generated skin of the load benchmark). So blocks from
// 64 KB up that are freed here are kept for the next picture of about their
// size: a bounded number of them and of bytes, the oldest given back first.
// Smaller blocks go to the heap.
//
// Large requests are rounded up to a whole number of granules, so that a
// block serves every later request that rounds to the same size (a window
// a few pixels wider or narrower) and its size is known again from the size
// it is released with.
#pragma once

#include <cstddef>
#include <new>
#include <utility>

namespace pixelmemory {

constexpr std::size_t LargeBlock = 64 * 1024;  // bytes: blocks from here up are kept when freed
constexpr std::size_t Granule = 64 * 1024;      // bytes: large blocks are whole granules
constexpr std::size_t MaxKeptBlocks = 32;
constexpr std::size_t MaxKeptBytes = 32u << 20;

void* Allocate(std::size_t bytes);
void Release(void* block, std::size_t bytes);  // bytes: as allocated

// Gives every kept block back to the heap.
void Trim();

struct TStats {
    std::size_t KeptBlocks = 0;
    std::size_t KeptBytes = 0;
    std::size_t Reused = 0;  // large requests served from a kept block, since the start
};
TStats Stats();

}  // namespace pixelmemory

// The allocator of pixel vectors. Resizing without a value leaves the new
// pixels uninitialised (default-initialised), for code that writes every
// pixel anyway; everything else initialises as usual.
template <class T>
struct TPixelAllocator {
    using value_type = T;

    TPixelAllocator() = default;
    template <class U>
    TPixelAllocator(const TPixelAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        if (n > std::size_t(-1) / sizeof(T)) throw std::bad_array_new_length();
        return static_cast<T*>(pixelmemory::Allocate(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept { pixelmemory::Release(p, n * sizeof(T)); }

    template <class U>
    void construct(U* p) noexcept {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }

    template <class U>
    bool operator==(const TPixelAllocator<U>&) const noexcept {
        return true;
    }
};
