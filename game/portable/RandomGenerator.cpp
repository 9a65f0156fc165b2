#include "game/portable/RandomGenerator.h"

int TSeededGenerator::Draw(int n) {
    FSeed = FSeed * 134775813u + 1u;  // unsigned: wraps modulo 2^32
    if (n <= 0) return 0;
    const std::uint64_t product = std::uint64_t(FSeed) * std::uint64_t(n);
    return static_cast<int>(product >> 32);
}
