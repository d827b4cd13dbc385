#pragma once

#include "systems/LottoSystem.h"

#include <cstdint>
#include <vector>

// Whether a system with at most `rows` rows guarantees "t if m" on k
// positions, by exhaustive search: the first row is fixed to positions 1..6
// (every row is that one after renaming the positions), then each level
// covers the first open m-subset with every row that covers it, never with a
// row an earlier sibling already tried, and gives up a branch when the rows
// left cannot cover what is open even at their best.
struct ExactAnswer {
    enum Outcome { Exists, None, OutOfTime } outcome = OutOfTime;
    std::vector<NumberMask> rows; // one system, when it exists
    std::int64_t nodes = 0;
};

ExactAnswer exactSearch(int k, Guarantee guarantee, int rows, double seconds);
