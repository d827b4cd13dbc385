#pragma once

#include "stats/ChartData.h"

#include <span>

enum class BarColouring { Series, Primes };
enum class LeftAxis { Automatic, CounterRange };

// One bar per value first..last with Y = counters[value], in ascending order.
// CounterRange sets the left axis from the smallest to the largest of those
// counters, with automatic scaling off. The caller guarantees that counters
// holds index last.
ChartData counterChart(std::span<const qint32> counters, int first, int last,
                       BarColouring colouring, LeftAxis axis);
