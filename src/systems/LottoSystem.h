#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// A set of numbers as bits: bit n stands for the number n (1..49), or bit i
// for the position i (0-based) of a system's numbers. Hits of a row against a
// draw are then one AND and one population count.
using NumberMask = std::uint64_t;

using SixNumbers = std::array<int, 6>;

// "t if m": at least one row with t hits whenever m of the six drawn numbers
// are among the system's numbers. {0, 0} states no guarantee.
struct Guarantee {
    int hits = 0;
    int ifDrawn = 0;

    bool isSet() const { return hits > 0; }
    // 1 <= t <= m <= 6.
    bool isValid() const { return hits >= 1 && hits <= ifDrawn && ifDrawn <= 6; }
    friend bool operator==(const Guarantee&, const Guarantee&) = default;
};

// A system: the player's k numbers and rows over their positions (bit i of a
// row is numbers[i]), so one design serves any choice of k numbers.
struct LottoSystem {
    QString name;
    Guarantee guarantee;
    std::vector<int> numbers;          // ascending, different, 1..49
    std::vector<NumberMask> rows;      // position masks with six bits each

    // The rows as number masks (bit n = the number n).
    std::vector<NumberMask> numberRows() const;
    // The rows as six ascending numbers each.
    std::vector<SixNumbers> sortedRows() const;
};

namespace Systems {

constexpr int kMinFull = 7;
constexpr int kMaxFull = 13;

int popCount(NumberMask mask);
bool isLottoNumbers(const std::vector<int>& numbers); // ascending, different, 1..49

// The next larger mask with as many bits set (Gosper's hack): stepping from
// the lowest m bits visits every m-subset in ascending order of the mask, so
// the m-subsets of k positions end once the mask exceeds the k lowest bits.
// The mask must not be 0.
inline NumberMask nextSubset(NumberMask mask)
{
    const NumberMask lowest = mask & (~mask + 1);
    const NumberMask ripple = mask + lowest;
    return (((ripple ^ mask) >> 2) / lowest) | ripple;
}

// C(n, r) for the small values used here; 0 when r is out of 0..n.
std::int64_t binomial(int n, int r);

// Every six-element subset of the positions 0..k-1 in lexicographic order of
// the positions: {1..6}, {1..5,7}, ... for 6 <= k <= 13; empty otherwise.
std::vector<NumberMask> fullSystemRows(int k);

// The full system on the given numbers ("Vollsystem"): C(k, 6) rows, 6 if 6.
LottoSystem fullSystem(const std::vector<int>& numbers);

// A number row as a mask, and back. sixNumbers expects six set bits.
NumberMask maskOf(const SixNumbers& row);
SixNumbers sixNumbers(NumberMask numberMask);
// The position mask of a number mask over the given numbers: bits of numbers
// not among them are dropped.
NumberMask positionsOf(NumberMask numberMask, const std::vector<int>& numbers);
NumberMask numbersOf(NumberMask positionMask, const std::vector<int>& numbers);

} // namespace Systems
