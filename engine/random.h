#pragma once

#include <cstdint>

// The game's own generator, kept exactly so that a seed always gives the same
// deal: a 32-bit linear congruential step, and a number below n taken from the
// upper half of the 64-bit product of the new seed and n.
class Random {
public:
    explicit Random(std::uint32_t seed = 0) : seed_(seed) {}

    void Seed(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t Seed() const { return seed_; }
    std::uint32_t Below(std::uint32_t n);

    static std::uint32_t MillisecondsSinceMidnightUtc();

private:
    std::uint32_t seed_;
};
