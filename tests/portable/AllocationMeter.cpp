#include "tests/portable/AllocationMeter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> gInUse{0};
std::atomic<std::size_t> gPeak{0};

// Each block carries its size in a header as large as malloc's alignment, so
// that the pointer handed out stays as aligned as malloc's.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* Allocate(std::size_t size) noexcept {
    if (size > std::size_t(-1) - kHeader) return nullptr;
    auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (!block) return nullptr;
    *reinterpret_cast<std::size_t*>(block) = size;
    const std::size_t now = gInUse.fetch_add(size, std::memory_order_relaxed) + size;
    std::size_t peak = gPeak.load(std::memory_order_relaxed);
    while (now > peak && !gPeak.compare_exchange_weak(peak, now, std::memory_order_relaxed)) {
    }
    return block + kHeader;
}

void Release(void* p) noexcept {
    if (!p) return;
    unsigned char* block = static_cast<unsigned char*>(p) - kHeader;
    gInUse.fetch_sub(*reinterpret_cast<std::size_t*>(block), std::memory_order_relaxed);
    std::free(block);
}

void* AllocateOrThrow(std::size_t size) {
    if (void* p = Allocate(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}

}  // namespace

TAllocationMeter::TAllocationMeter() : FBase(gInUse.load(std::memory_order_relaxed)) {
    gPeak.store(FBase, std::memory_order_relaxed);
}

std::size_t TAllocationMeter::PeakBytes() const {
    const std::size_t peak = gPeak.load(std::memory_order_relaxed);
    return peak > FBase ? peak - FBase : 0;
}

// The replaceable forms without alignment; the aligned forms keep the
// library's own pair, which never meets these.
void* operator new(std::size_t size) { return AllocateOrThrow(size); }
void* operator new[](std::size_t size) { return AllocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size == 0 ? 1 : size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size == 0 ? 1 : size); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Release(p); }
