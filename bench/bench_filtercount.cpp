// The exact count of the rows the row filters let through, over all
// 13,983,816 rows, on the calling thread (one core).

#include "generator/FilterCount.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

RowFilterSettings settingsFor(int which)
{
    RowFilterSettings s; // the design defaults: sums 50..250, no runs
    switch (which) {
    case 1: // nothing filtered
        s.crossSumMin = 21;
        s.crossSumMax = 279;
        s.noTriples = false;
        break;
    case 2: // every filter on
        s.forcePair = true;
        s.minEven = 2;
        s.minOdd = 2;
        s.minPrimes = 2;
        break;
    default:
        break;
    }
    return s;
}

void BM_CountPassingRows(benchmark::State& state)
{
    const RowFilterSettings settings = settingsFor(static_cast<int>(state.range(0)));
    qint64 rows = 0;
    for (auto _ : state) {
        rows = countPassingRows(settings).value_or(-1);
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

// 6,000 stored draws, already read.
void BM_CountPassingDraws(benchmark::State& state)
{
    std::mt19937 random(4711);
    std::vector<Draw> draws(6000);
    for (Draw& draw : draws) {
        std::vector<int> pool(49);
        for (int n = 0; n < 49; ++n)
            pool[static_cast<std::size_t>(n)] = n + 1;
        std::shuffle(pool.begin(), pool.end(), random);
        for (std::size_t k = 0; k < 7; ++k)
            draw.zahlen[k] = static_cast<std::uint8_t>(pool[k]);
    }
    const RowFilterSettings settings = settingsFor(2);
    for (auto _ : state)
        benchmark::DoNotOptimize(countPassingDraws(draws, settings));
}

} // namespace

BENCHMARK(BM_CountPassingRows)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountPassingDraws)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
