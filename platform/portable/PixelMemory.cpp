#include "platform/portable/PixelMemory.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace pixelmemory {
namespace {

std::size_t Rounded(std::size_t bytes) { return (bytes + Granule - 1) / Granule * Granule; }

struct TKept {
    void* Block;
    std::size_t Bytes;  // rounded
};

// The kept blocks, oldest first. Pictures are made on the user-interface
// thread, but nothing stops a tool from decoding on others: guarded.
class TKeptBlocks {
public:
    void* Take(std::size_t bytes) {
        const std::lock_guard<std::mutex> lock(FLock);
        const auto found =
            std::find_if(FBlocks.rbegin(), FBlocks.rend(), [bytes](const TKept& k) { return k.Bytes == bytes; });
        if (found == FBlocks.rend()) return nullptr;
        void* block = found->Block;
        FBytes -= found->Bytes;
        FBlocks.erase(std::next(found).base());
        ++FReused;
        return block;
    }

    // False when the block is not kept: the caller frees it.
    bool Keep(void* block, std::size_t bytes) {
        if (bytes > MaxKeptBytes) return false;
        std::vector<TKept> dropped;
        {
            const std::lock_guard<std::mutex> lock(FLock);
            while (!FBlocks.empty() && (FBlocks.size() >= MaxKeptBlocks || FBytes + bytes > MaxKeptBytes)) {
                dropped.push_back(FBlocks.front());
                FBytes -= FBlocks.front().Bytes;
                FBlocks.erase(FBlocks.begin());
            }
            FBlocks.reserve(MaxKeptBlocks);
            FBlocks.push_back({block, bytes});
            FBytes += bytes;
        }
        for (const TKept& k : dropped) ::operator delete(k.Block);
        return true;
    }

    void Trim() {
        std::vector<TKept> dropped;
        {
            const std::lock_guard<std::mutex> lock(FLock);
            dropped.swap(FBlocks);
            FBytes = 0;
        }
        for (const TKept& k : dropped) ::operator delete(k.Block);
    }

    TStats Stats() {
        const std::lock_guard<std::mutex> lock(FLock);
        return {FBlocks.size(), FBytes, FReused};
    }

private:
    std::mutex FLock;
    std::vector<TKept> FBlocks;
    std::size_t FBytes = 0;
    std::size_t FReused = 0;
};

// Never destroyed: pictures in static storage may be freed after any other
// static object is gone. What it keeps at exit is still reachable from here.
TKeptBlocks& Kept() {
    static TKeptBlocks& kept = *new TKeptBlocks;
    return kept;
}

}  // namespace

void* Allocate(std::size_t bytes) {
    if (bytes < LargeBlock) return ::operator new(bytes);
    const std::size_t rounded = Rounded(bytes);
    if (void* block = Kept().Take(rounded)) return block;
    return ::operator new(rounded);
}

void Release(void* block, std::size_t bytes) {
    if (!block) return;
    if (bytes < LargeBlock || !Kept().Keep(block, Rounded(bytes))) ::operator delete(block);
}

void Trim() { Kept().Trim(); }

TStats Stats() { return Kept().Stats(); }

}  // namespace pixelmemory
