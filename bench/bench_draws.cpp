// Whole-file scans are repeated once per candidate tip by the generator's
// history filters, so their cost per scan matters.
#include "draws/CountingWindow.h"
#include "draws/DateSerial.h"
#include "draws/DrawFile.h"

#include "DrawFixture.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString writeHistory(const QTemporaryDir& dir, int records)
{
    std::vector<Draw> draws;
    const QDate first(1994, 11, 19);
    for (int i = 0; i < records; ++i) {
        const auto number = [i](int k) { return (i * 7 + k * 11) % 49 + 1; };
        draws.push_back(makeDraw(first.addDays(i * 3 + (i % 2)),
                                 {number(0), number(1), number(2), number(3), number(4), number(5)}, number(6)));
    }
    return writeDatabase(dir.path(), draws);
}

void BM_ScanAndCount(benchmark::State& state)
{
    QTemporaryDir dir;
    const DrawFile file(writeHistory(dir, int(state.range(0))));
    CountingWindow window;
    window.start = DateSerial::fromDate(QDate(2000, 1, 1));
    window.end = DateSerial::fromDate(QDate(2030, 1, 1));
    window.saturdays = true;
    window.wednesdays = false;
    for (auto _ : state) {
        int counted = 0;
        file.scan([&](const Draw& draw, qint64) {
            counted += window.admits(draw) ? 1 : 0;
            return true;
        });
        benchmark::DoNotOptimize(counted);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ScanAndCount)->Arg(1000)->Arg(5000);

} // namespace

BENCHMARK_MAIN();
