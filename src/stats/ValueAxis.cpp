#include "stats/ValueAxis.h"

#include <algorithm>

ValueRange valueRange(const ChartData& chart)
{
    if (!chart.leftAutomatic)
        return {chart.leftMin, chart.leftMax};
    ValueRange range;
    for (const StatBar& bar : chart.bars) {
        range.max = std::max(range.max, bar.y);
        range.min = std::min(range.min, bar.y);
    }
    return range;
}
