#pragma once

// Plain values the tip generator works with, shared by the pool builder, the
// filters and the row loop.

#include "draws/CountingWindow.h"
#include "generator/GenerationParams.h"

#include <array>
#include <cstdint>

// Six numbers of one row; 0 marks an empty place (an empty or unusable cell).
using Row = std::array<int, 6>;

// A draw as the window's current-draw field holds it: [1..6] the numbers in
// stored order, [7] bonus, [8] super number, [0] unused.
using DrawNumbers = std::array<std::int32_t, 9>;

// The last, second-last and third-last draw before the generated tips; fixed
// for one run.
struct ReferenceDraws {
    DrawNumbers last{};
    DrawNumbers secondLast{};
    DrawNumbers thirdLast{};
};

// Everything the filters read for one candidate. The window re-reads it from
// its controls while a run goes, so a change takes effect at the next candidate.
struct GeneratorSettings {
    GenerationParams params;
    // The counting window of the database check (start exclusive, end
    // inclusive, weekday rule); its end is also the end of the recent windows.
    CountingWindow history;
};
