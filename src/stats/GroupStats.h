#pragma once

#include "stats/ChartData.h"
#include "stats/DrawSource.h"
#include "stats/StatsTexts.h"
#include "draws/CountingWindow.h"

// Runs of consecutive drawn numbers, counted at their smallest number; the
// value is the run length. The bonus number never takes part.
enum class GroupKind { Pairs = 2, Triples = 3, Quads = 4 };

// Counts, per starting number, the selected draws (start date exclusive)
// holding the run. Bars: pairs 1..48, triples 1..47, quads 1..49 (47..49
// always zero). Pairs and triples set the left axis to the counter range,
// quads leave it automatic. lastDraw holds the last selected draw.
StatResult groupCounts(const DrawSource& source, const CountingWindow& window, GroupKind kind,
                       const StatsTexts& texts = {});
