#pragma once

#include "systems/CoverageCheck.h"
#include "systems/LottoSystem.h"

#include <atomic>
#include <cstdint>
#include <vector>

// Builds a reduced system for k numbers and a guarantee "t if m": a greedy
// start (each row the one that covers most of what is still open), then a
// local search that drops a row and moves the others until every m-subset is
// covered again, as long as the budget lasts. The smallest system found is
// kept. The same seed and step budget give the same rows on every machine; a
// time limit or a stop may end the search earlier, with the best found so far.
struct SearchOptions {
    int k = 10;
    Guarantee guarantee{3, 4};
    std::uint32_t seed = 1;
    std::int64_t maxSteps = 1'000'000;   // moves of the local search in all
    std::int64_t stepsPerAttempt = 100'000; // before an attempt at one row fewer starts again
    int maxMilliseconds = 0;             // 0: no time limit
    const std::atomic_bool* stop = nullptr;
};

struct SearchResult {
    std::vector<NumberMask> rows; // position masks, ascending; empty when the input was out of range
    CoverageResult proof;         // the checker's answer for these rows: holds is always true when rows exist
    std::int64_t steps = 0;
    int lowerBound = 0;           // no system can have fewer rows (a counting bound)
};

namespace SystemSearch {

// The range of the full systems the rows are taken from.
constexpr int kMinNumbers = Systems::kMinFull;
constexpr int kMaxNumbers = Systems::kMaxFull;

SearchResult search(const SearchOptions& options);

// Each row covers at most so many m-subsets: the number of m-subsets over it
// gives a bound no system can beat.
int countingBound(int k, Guarantee guarantee);

} // namespace SystemSearch
