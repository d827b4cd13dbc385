#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// One stored draw: exactly one 32-byte record of the database file,
// little-endian, no padding. Numbers are kept as raw bytes: a file written by
// another program may hold anything, so readers check ranges themselves.
struct Draw {
    double datum = 0.0;                     // day serial (days since 30.12.1899)
    std::array<std::uint8_t, 8> zahlen{};   // [0..5] numbers, [6] bonus, [7] super number
    std::array<std::uint8_t, 7> spiel77{};  // seven-digit game, first digit first
    std::array<std::uint8_t, 6> super6{};   // six-digit game, first digit first
    std::array<std::uint8_t, 3> reserve{};

    int number(int i) const { return zahlen[static_cast<std::size_t>(i)]; } // i = 0..5
    int bonus() const { return zahlen[6]; }
    int superNumber() const { return zahlen[7]; }
    // The numbers as the window's current draw holds them: [1..6] numbers,
    // [7] bonus, [8] super number, [0] unused.
    std::array<std::int32_t, 9> zahl() const
    {
        std::array<std::int32_t, 9> out{};
        for (std::size_t i = 0; i < zahlen.size(); ++i)
            out[i + 1] = zahlen[i];
        return out;
    }
    int crossSum() const {
        int sum = 0;
        for (int i = 0; i < 6; ++i) sum += zahlen[static_cast<std::size_t>(i)];
        return sum;
    }
};

static_assert(sizeof(Draw) == 32, "a Draw must be one 32-byte record");
static_assert(offsetof(Draw, zahlen) == 8);
static_assert(offsetof(Draw, spiel77) == 16);
static_assert(offsetof(Draw, super6) == 23);
static_assert(offsetof(Draw, reserve) == 29);
static_assert(sizeof(double) == 8);

// Range checks for values taken from a record. A damaged or foreign file may
// hold any byte, so check a value before it indexes a counter array and skip
// it when the check fails.
inline bool isLottoNumber(int value) { return value >= 1 && value <= 49; } // numbers and bonus
inline bool isDigitValue(int value) { return value >= 0 && value <= 9; }   // super number, game digits
