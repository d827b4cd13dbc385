// The backtest's test against chance: what its reference runs cost over a
// backtest of about 3,000 passes, and how often it calls boards of truly
// random rows "better" (its false-"better" rate), over 1,000 seeds with the
// program's own number of reference runs. The rate is reported as the
// counter "falseBetter" (a share, 0.05 is the test's level).
#include "evaluation/ChanceComparison.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

using Numbers = std::array<quint8, 6>;

Numbers randomSix(std::mt19937& random)
{
    std::array<quint8, 49> all{};
    std::iota(all.begin(), all.end(), quint8(1));
    std::shuffle(all.begin(), all.end(), random);
    Numbers six{};
    std::copy_n(all.begin(), 6, six.begin());
    return six;
}

// Passes of twelve uniformly random rows, each rated against a random draw.
std::vector<Chance::Pass> randomPasses(std::mt19937& random, int passes)
{
    std::vector<Chance::Pass> result;
    for (int p = 0; p < passes; ++p) {
        const Numbers drawn = randomSix(random);
        Chance::Pass pass;
        pass.draw = Chance::drawMask({drawn[0], drawn[1], drawn[2], drawn[3], drawn[4], drawn[5]});
        for (int r = 0; r < 12; ++r)
            pass.rows.push_back(Chance::rowMask(randomSix(random)));
        result.push_back(std::move(pass));
    }
    return result;
}

void BM_ChanceTest(benchmark::State& state)
{
    std::mt19937 random(1);
    const std::vector<Chance::Pass> passes = randomPasses(random, int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(Chance::threeOrMoreTest(passes));
    state.counters["passes"] = double(passes.size());
}
BENCHMARK(BM_ChanceTest)->Arg(3000)->Unit(benchmark::kMillisecond);

void BM_FalseBetterRate(benchmark::State& state)
{
    const int seeds = 1000;
    const int passes = int(state.range(0));
    int better = 0;
    for (auto _ : state) {
        better = 0;
        for (int seed = 1; seed <= seeds; ++seed) {
            std::mt19937 random{quint32(seed)};
            if (Chance::threeOrMoreTest(randomPasses(random, passes)).better())
                ++better;
        }
    }
    state.counters["seeds"] = seeds;
    state.counters["passes"] = passes;
    state.counters["falseBetter"] = double(better) / seeds;
}
BENCHMARK(BM_FalseBetterRate)->Arg(300)->Arg(3000)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
