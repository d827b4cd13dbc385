#pragma once

#include "systems/LottoSystem.h"

#include <vector>

// A covering problem "t if m" on k positions: the blocks (all six-subsets of
// the positions), the m-subsets to cover and which block covers which
// subset. Built once per search; the subsets in ascending order of the mask.
struct CoverInstance {
    std::vector<NumberMask> blocks;
    std::vector<NumberMask> subsets;
    std::vector<std::vector<int>> coversOf;   // block -> subsets it covers
    std::vector<std::vector<int>> coveredBy;  // subset -> blocks that cover it

    // For 6 <= k <= Systems::kMaxFull and a valid guarantee.
    CoverInstance(int k, Guarantee g);
};
