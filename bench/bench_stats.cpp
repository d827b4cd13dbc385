// Statistics over a database of 6,000 draws, each including the file scan,
// and filling the chart with the biggest result (the cross sums).

#include "draws/DateSerial.h"
#include "draws/DrawFile.h"
#include "platform/Chart1.h"
#include "stats/GroupStats.h"
#include "stats/NumberStats.h"
#include "stats/PropertyStats.h"

#include "DrawFixture.h"

#include <QApplication>
#include <QDate>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>

namespace {

constexpr int kDraws = 6000;

struct Database {
    QTemporaryDir dir;
    QString path;
    CountingWindow window;
};

// Twice a week from 1995 on, six distinct numbers, a bonus and a super number.
Database& database()
{
    static Database db = [] {
        Database made;
        std::mt19937 random(4711);
        std::vector<Draw> draws;
        QDate date(1995, 1, 4);
        for (int i = 0; i < kDraws; ++i) {
            std::vector<int> pool(49);
            for (int n = 0; n < 49; ++n)
                pool[static_cast<std::size_t>(n)] = n + 1;
            std::shuffle(pool.begin(), pool.end(), random);
            draws.push_back(makeDraw(date, {pool[0], pool[1], pool[2], pool[3], pool[4], pool[5]}, pool[6],
                                     int(random() % 10)));
            date = date.addDays(date.dayOfWeek() == 3 ? 3 : 4); // Wednesday, Saturday
        }
        made.path = writeDatabase(made.dir.path(), draws);
        if (made.path.isEmpty())
            std::abort();
        made.window.start = DateSerial::fromDate(QDate(1994, 11, 19));
        made.window.end = DateSerial::fromDate(date);
        return made;
    }();
    return db;
}

template <typename Statistic>
void runStatistic(benchmark::State& state, Statistic statistic)
{
    Database& db = database();
    const DrawFile file(db.path);
    for (auto _ : state) {
        StatResult result = statistic(file, db.window);
        if (!result.ok() || result.drawCount == 0)
            state.SkipWithError("scan failed");
        benchmark::DoNotOptimize(result);
    }
}

void BM_NumberDistribution(benchmark::State& state)
{
    runStatistic(state, [](const DrawFile& f, const CountingWindow& w) { return numberDistribution(f, w); });
}

void BM_OverdueNumbers(benchmark::State& state)
{
    runStatistic(state, [](const DrawFile& f, const CountingWindow& w) { return overdueNumbers(f, w); });
}

void BM_CrossSums(benchmark::State& state)
{
    runStatistic(state, [](const DrawFile& f, const CountingWindow& w) { return crossSumDistribution(f, w); });
}

void BM_SuperNumberOverdue(benchmark::State& state)
{
    runStatistic(state, [](const DrawFile& f, const CountingWindow& w) { return superNumberOverdue(f, w); });
}

void BM_Groups(benchmark::State& state)
{
    const auto kind = static_cast<GroupKind>(state.range(0));
    runStatistic(state, [kind](const DrawFile& f, const CountingWindow& w) { return groupCounts(f, w, kind); });
}

void BM_PerDraw(benchmark::State& state)
{
    const auto property = static_cast<DrawProperty>(state.range(0));
    runStatistic(state,
                 [property](const DrawFile& f, const CountingWindow& w) { return perDrawCounts(f, w, property); });
}

void BM_TipDistribution(benchmark::State& state)
{
    QStringList cells;
    for (int i = 0; i < 72; ++i)
        cells << QString::number(i % 49 + 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(tipDistribution(cells));
}

QVector<ChartBar> toBars(const ChartData& chart)
{
    QVector<ChartBar> bars;
    bars.reserve(chart.bars.size());
    for (const StatBar& bar : chart.bars)
        bars.append({bar.x, bar.y,
                     bar.color ? QColor(bar.color->red, bar.color->green, bar.color->blue) : QColor()});
    return bars;
}

// One statistic from the file to a drawn chart, as a chart button does it.
void fillChart(benchmark::State& state, bool crossSums)
{
    Database& db = database();
    const DrawFile file(db.path);
    Chart1 chart;
    chart.resize(550, 380);
    chart.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        const StatResult result =
            crossSums ? crossSumDistribution(file, db.window) : numberDistribution(file, db.window);
        chart.setActive(Chart1::Series2, true);
        chart.setActive(Chart1::Series1, false);
        chart.setBars(Chart1::Series2, toBars(result.chart));
        if (result.chart.leftAutomatic)
            chart.setLeftAxisAutomatic();
        else
            chart.setLeftAxisRange(result.chart.leftMin, result.chart.leftMax);
        chart.setBottomCaption(result.chart.caption);
        QCoreApplication::processEvents(); // the one coalesced redraw
        if (chart.refreshPending())
            state.SkipWithError("redraw did not run");
    }
    state.counters["bars"] = static_cast<double>(chart.bars(Chart1::Series2).size());
}

void BM_FillChartCrossSums(benchmark::State& state)
{
    fillChart(state, true);
}

void BM_FillChartNumberDistribution(benchmark::State& state)
{
    fillChart(state, false);
}

} // namespace

BENCHMARK(BM_NumberDistribution)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OverdueNumbers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CrossSums)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SuperNumberOverdue)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Groups)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PerDraw)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TipDistribution)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillChartCrossSums)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillChartNumberDistribution)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
