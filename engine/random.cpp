#include "engine/random.h"

#include <chrono>

std::uint32_t Random::Below(std::uint32_t n)
{
    seed_ = seed_ * 134775813u + 1u;  // wraps modulo 2^32
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * n) >> 32);
}

std::uint32_t Random::MillisecondsSinceMidnightUtc()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto sinceMidnight = now - floor<days>(now);
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(sinceMidnight).count());
}
