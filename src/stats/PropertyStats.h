#pragma once

#include "stats/ChartData.h"
#include "stats/DrawSource.h"
#include "stats/StatsTexts.h"
#include "draws/CountingWindow.h"

enum class DrawProperty { Prime, Odd, Even };

// For each selected draw (start date exclusive), how many of its six drawn
// numbers have the property: one bar per count 0..6, left axis over the
// counter range, and a caption with the draw count and the share of all
// drawn numbers that had it. lastDraw holds the last selected draw.
StatResult perDrawCounts(const DrawSource& source, const CountingWindow& window, DrawProperty property,
                         const StatsTexts& texts = {});
