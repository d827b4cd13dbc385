// Systems: a full system of 13 numbers rated against the whole shipped
// history, the proof of a guarantee on 13 numbers, and a search as the window
// would start it.
#include "draws/DrawCsv.h"
#include "systems/CoverageCheck.h"
#include "systems/LottoSystem.h"
#include "systems/SystemRating.h"
#include "systems/SystemSearch.h"

#include <QFile>

#include <algorithm>

#include <benchmark/benchmark.h>

namespace {

const std::vector<int> kThirteen = {3, 7, 11, 16, 19, 22, 25, 31, 34, 38, 42, 45, 49};

std::vector<Draw> shippedHistory()
{
    QFile csv(QStringLiteral(NUMERANT_HISTORY_CSV));
    if (!csv.open(QIODevice::ReadOnly))
        return {};
    return parseDrawCsv(csv.readAll()).draws;
}

void BM_System013AgainstHistory(benchmark::State& state)
{
    const std::vector<Draw> draws = shippedHistory();
    if (draws.empty()) {
        state.SkipWithError("shipped history not found");
        return;
    }
    for (auto _ : state) {
        const LottoSystem system = Systems::fullSystem(kThirteen);
        const std::vector<NumberMask> rows = system.numberRows();
        SystemTotals totals;
        for (const Draw& draw : draws)
            totals.add(SystemRating::rate(rows, draw, 3), rows.size());
        benchmark::DoNotOptimize(totals.perClass);
    }
    state.counters["draws"] = double(draws.size());
    state.counters["rows"] = 1716;
}
BENCHMARK(BM_System013AgainstHistory)->Unit(benchmark::kMillisecond);

void BM_BacktestSystem013(benchmark::State& state)
{
    const std::vector<Draw> draws = shippedHistory();
    if (draws.empty()) {
        state.SkipWithError("shipped history not found");
        return;
    }
    const std::vector<NumberMask> rows = Systems::fullSystem(kThirteen).numberRows();
    for (auto _ : state) {
        const SystemBacktest result = SystemRating::backtest(rows, draws, draws.front().datum, draws.back().datum, 3, 4711);
        benchmark::DoNotOptimize(result.system.perClass);
    }
}
BENCHMARK(BM_BacktestSystem013)->Unit(benchmark::kMillisecond);

// A reduced 3 if 4 design on 13 numbers: every 4-subset has to be looked up.
void BM_CheckThirteenThreeIfFour(benchmark::State& state)
{
    SearchOptions options;
    options.k = 13;
    options.guarantee = {3, 4};
    options.maxSteps = 200000;
    const std::vector<NumberMask> rows = SystemSearch::search(options).rows;
    for (auto _ : state) {
        const CoverageResult result = CoverageCheck::check(rows, 13, {3, 4});
        benchmark::DoNotOptimize(result.holds);
    }
    state.counters["rows"] = double(rows.size());
}
BENCHMARK(BM_CheckThirteenThreeIfFour)->Unit(benchmark::kMicrosecond);

void BM_CheckSystem013ThreeIfFour(benchmark::State& state)
{
    const std::vector<NumberMask> rows = Systems::fullSystemRows(13);
    for (auto _ : state) {
        const CoverageResult result = CoverageCheck::check(rows, 13, {3, 4});
        benchmark::DoNotOptimize(result.holds);
    }
}
BENCHMARK(BM_CheckSystem013ThreeIfFour)->Unit(benchmark::kMicrosecond);

// What "build one" costs the window at a budget of 100,000 steps.
void BM_SearchTwelveFourIfFive(benchmark::State& state)
{
    SearchOptions options;
    options.k = 12;
    options.guarantee = {4, 5};
    options.maxSteps = 100000;
    std::size_t rows = 0;
    for (auto _ : state)
        rows = SystemSearch::search(options).rows.size();
    state.counters["rows"] = double(rows);
}
BENCHMARK(BM_SearchTwelveFourIfFive)->Unit(benchmark::kMillisecond);

// "Build one" on the largest choice, at the window's budget: the time the
// user waits at most for each guarantee (hits, if drawn, steps).
void BM_SearchThirteen(benchmark::State& state)
{
    SearchOptions options;
    options.k = 13;
    options.guarantee = {int(state.range(0)), int(state.range(1))};
    options.maxSteps = state.range(2);
    SearchResult found;
    for (auto _ : state)
        found = SystemSearch::search(options);
    state.counters["rows"] = double(found.rows.size());
    state.counters["bound"] = double(found.lowerBound);
}
void searchGuarantees(benchmark::internal::Benchmark* bench)
{
    for (int ifDrawn = 3; ifDrawn <= 6; ++ifDrawn)
        for (int hits = 2; hits <= std::min(ifDrawn, 5); ++hits)
            bench->Args({hits, ifDrawn, 3'000'000}); // the window's budget
}
BENCHMARK(BM_SearchThirteen)->Apply(searchGuarantees)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
