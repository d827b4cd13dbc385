#pragma once

#include "draws/Draw.h"
#include "generator/GenerationParams.h"

#include <QtGlobal>
#include <array>
#include <atomic>
#include <optional>
#include <span>

// The filters of the generator that look at a row alone: the cross-sum range,
// the pair requirement, no runs of three, and the minimum counts of even, odd
// and prime numbers. How strict they are can be counted exactly, over every
// possible row and over the stored draws.
struct RowFilterSettings {
    int crossSumMin = 50;   // inclusive; above crossSumMax nothing passes
    int crossSumMax = 250;  // inclusive
    bool forcePair = false; // some two numbers n, n+1
    bool noTriples = true;  // no three numbers n, n+1, n+2
    int minEven = 0;        // 0 when the check box is off
    int minOdd = 0;
    int minPrimes = 0;

    static RowFilterSettings from(const GenerationParams& params);
    bool operator==(const RowFilterSettings&) const = default;
};

// All rows of six different numbers out of 49.
inline constexpr qint64 kPossibleRows = 13'983'816;

// Whether a row of six different numbers 1..49, sorted ascending, passes.
bool passesRowFilters(const std::array<int, 6>& sortedRow, const RowFilterSettings& settings);

// The six numbers of a record sorted ascending, or nothing when they are not
// six different numbers 1..49 (a damaged record).
std::optional<std::array<int, 6>> sortedNumbers(const Draw& draw);

// How many of all possible rows pass, counted exactly. Returns nothing when
// *cancel became true during the count.
std::optional<qint64> countPassingRows(const RowFilterSettings& settings,
                                       const std::atomic<bool>* cancel = nullptr);

struct DrawPassCount {
    qint64 passed = 0;
    qint64 draws = 0; // records holding six different numbers 1..49
    bool operator==(const DrawPassCount&) const = default;
};

// How many stored draws pass; damaged records count in neither figure.
DrawPassCount countPassingDraws(std::span<const Draw> draws, const RowFilterSettings& settings);
