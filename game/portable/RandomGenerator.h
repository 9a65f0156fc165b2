// The round's pseudo-random numbers: a 32-bit linear congruential generator
// re-seeded from a clock that the host supplies.
#pragma once

#include <cstdint>

// Where a re-seed takes its value. The table window reads the low 32 bits
// of the high-resolution performance counter (or the milliseconds since the
// system started); a window-free host reads its own clock.
class ISeedSource {
public:
    virtual ~ISeedSource() = default;
    virtual std::uint32_t ReadSeed() = 0;
};

// What the round asks of its random numbers. Tests replace it to force draws.
class IRandomSource {
public:
    virtual ~IRandomSource() = default;
    virtual void Reseed() = 0;
    // A value from 0 to n - 1; n is 100 or 37 in the round.
    virtual int Draw(int n) = 0;
};

class TSeededGenerator : public IRandomSource {
public:
    explicit TSeededGenerator(ISeedSource& seedSource) : FSeedSource(seedSource) {}

    void Reseed() override { FSeed = FSeedSource.ReadSeed(); }

    // Advances the seed as seed := seed * 134775813 + 1 (mod 2^32) and returns
    // the upper 32 bits of the 64-bit product of the new seed and n, so the
    // result is below n for every seed. n <= 0 yields 0.
    int Draw(int n) override;

    std::uint32_t GetSeed() const { return FSeed; }
    void SetSeed(std::uint32_t value) { FSeed = value; }

private:
    ISeedSource& FSeedSource;  // not owned
    std::uint32_t FSeed = 0;
};
