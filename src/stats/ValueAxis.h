#pragma once

#include "stats/ChartData.h"

// The value axis of a statistic as its chart shows it: the fixed range the
// statistic asks for, or else from zero to its highest bar (down to its
// lowest when that is below zero). The generator's bands are cut from these
// bounds, so they are computed here and not read back from a widget.
struct ValueRange {
    double min = 0.0;
    double max = 0.0;
};

ValueRange valueRange(const ChartData& chart);
