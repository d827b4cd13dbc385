#pragma once

#include "generator/GeneratorTypes.h"

#include <span>

class HistoryIndex;

// The filter chain every candidate row passes through, in its fixed order;
// the first filter that fails rejects the candidate.
enum class Filter {
    None,           // the candidate passes
    Overlap,        // shared numbers with the rows made (CheckBox3, CheckBox24, CheckBox27)
    Pair,           // CheckBox8: at least one pair of consecutive numbers
    Run,            // CheckBox18: no three consecutive numbers
    CrossSum,       // UpDown1 .. UpDown2, always on
    LastDraws,      // CheckBox4, CheckBox5, CheckBox23 with a limit above 0
    EvenOdd,        // CheckBox25, CheckBox26
    RecentWindow,   // CheckBox28
    RecentWindow2,  // CheckBox34
    CountingWindow, // CheckBox9
    Primes,         // CheckBox22
};

// Numbers of `candidate` that occur in `row`; empty places (0) never match.
int overlap(const Row& candidate, const Row& row);
// Two neighbouring numbers of the sorted row differ by exactly 1.
bool hasPair(const Row& sorted);
// Three neighbouring numbers of the sorted row are consecutive.
bool hasRunOfThree(const Row& sorted);
int crossSum(const Row& row);
// Numbers of the row equal to one of the draw's six numbers, or seven with
// the bonus number; each number of the row counts at most once.
int drawHits(const Row& row, const DrawNumbers& draw, bool withBonus);
int evenCount(const Row& row);
int oddCount(const Row& row);

struct FilterContext {
    const GeneratorSettings& settings;
    bool pairRequired;                // CheckBox8, unless switched off during the run
    std::span<const Row> rowsMade;    // every row processed so far, empty ones too
    const ReferenceDraws& draws;
    const HistoryIndex& history;
};

// The first filter the sorted candidate fails, or Filter::None.
Filter firstFailingFilter(const Row& sorted, const FilterContext& context);
