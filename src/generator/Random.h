#pragma once

#include <cstdint>

// The process-wide pseudo-random generator. One 32-bit seed reproduces one
// sequence on every compiler and standard library, which the lucky number and
// the backtest rely on; hence no std:: distributions.
class Random {
public:
    static Random& global();

    explicit Random(std::uint32_t seed = 0) { setSeed(seed); }

    void setSeed(std::uint32_t seed);
    std::uint32_t seed() const { return seed_; }

    std::uint32_t next32();
    // Uniform integer in 0 .. n-1 without modulo bias; 0 when n is 0.
    std::uint32_t below(std::uint32_t n);

private:
    std::uint32_t seed_ = 0;
    std::uint64_t state_ = 0;
    std::uint64_t increment_ = 0;
};
