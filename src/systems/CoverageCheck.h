#pragma once

#include "systems/LottoSystem.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

// The exact proof of a guarantee "t if m": every m-subset of the k positions
// (the drawn numbers among the player's) must meet some row in at least t
// positions. The subsets that meet none are the holes. Drawing more than m of
// the k numbers only adds hits, so the m-subsets are all there is to check.
struct CoverageResult {
    bool checked = false;          // false: the input was out of range, nothing was checked
    bool holds = false;            // checked and no hole
    std::int64_t holeCount = 0;
    std::vector<NumberMask> holes; // position masks, ascending, at most the number asked for
};

namespace CoverageCheck {

// The most numbers a check takes; C(24, 6) subsets still check in a moment.
constexpr int kMaxNumbers = 24;

// rows: position masks over positions 0..k-1 with six bits each. Not checked
// when k is outside 6..kMaxNumbers, the guarantee is not valid or a row has
// other than six bits inside the k positions.
CoverageResult check(const std::vector<NumberMask>& rows, int k, Guarantee guarantee,
                     std::size_t maxHoles = std::numeric_limits<std::size_t>::max());

// The system's own guarantee over its numbers.
CoverageResult check(const LottoSystem& system,
                     std::size_t maxHoles = std::numeric_limits<std::size_t>::max());

} // namespace CoverageCheck
