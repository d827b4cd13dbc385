#include "stats/CounterChart.h"

#include "stats/Primes.h"

#include <algorithm>

ChartData counterChart(std::span<const qint32> counters, int first, int last,
                       BarColouring colouring, LeftAxis axis)
{
    ChartData chart;
    chart.leftAutomatic = axis == LeftAxis::Automatic;
    if (last < first)
        return chart;
    chart.bars.reserve(last - first + 1);
    qint32 lowest = counters[static_cast<std::size_t>(first)];
    qint32 highest = lowest;
    for (int value = first; value <= last; ++value) {
        const qint32 count = counters[static_cast<std::size_t>(value)];
        StatBar bar{static_cast<double>(value), static_cast<double>(count), std::nullopt};
        if (colouring == BarColouring::Primes)
            bar.color = isPrimeNumber(value) ? kPrimeRed : kNumberGreen;
        chart.bars.append(bar);
        lowest = std::min(lowest, count);
        highest = std::max(highest, count);
    }
    if (!chart.leftAutomatic) {
        chart.leftMin = lowest;
        chart.leftMax = highest;
    }
    return chart;
}
