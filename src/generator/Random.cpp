#include "generator/Random.h"

Random& Random::global()
{
    static Random instance;
    return instance;
}

// PCG32 (XSH RR): small, fast and fully specified, so a seed gives the same
// numbers everywhere.
void Random::setSeed(std::uint32_t seed)
{
    seed_ = seed;
    state_ = 0;
    increment_ = (static_cast<std::uint64_t>(seed) << 1u) | 1u;
    next32();
    state_ += 0x853c49e6748fea9bULL ^ seed;
    next32();
}

std::uint32_t Random::next32()
{
    const std::uint64_t old = state_;
    state_ = old * 6364136223846793005ULL + increment_;
    const auto xorshifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rot = static_cast<std::uint32_t>(old >> 59u);
    return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
}

std::uint32_t Random::below(std::uint32_t n)
{
    if (n == 0)
        return 0;
    // Reject the few values that would make the low residues more likely.
    const std::uint32_t threshold = (0u - n) % n;
    for (;;) {
        const std::uint32_t r = next32();
        if (r >= threshold)
            return r % n;
    }
}
