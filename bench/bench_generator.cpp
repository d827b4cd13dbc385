// Tip generation over a database of 5,000 draws, twice a week. They start just
// after the earliest date the date pickers accept (19.11.1994), so that the
// start date can lie before the first draw and the worst case below really
// covers the whole history:
// a default run from the click to the rated board through the real window,
// the worst case users hit (every candidate checked against the whole history
// at 4 hits, run limit 50,000) through the window and as the candidate loop
// alone, and the responsiveness of the window during that worst case.

#include "paths/AppPaths.h"
#include "app/TForm1.h"
#include "app/pages/BerechnungPage.h"
#include "app/pages/DatenbankPage.h"
#include "app/pages/DiagrammPage.h"
#include "draws/DateSerial.h"
#include "generator/HistoryIndex.h"
#include "generator/NumberPool.h"
#include "generator/PoolBuilder.h"
#include "generator/Random.h"
#include "generator/RowGenerator.h"
#include "platform/UpDown.h"

#include "DrawFixture.h"
#include "HeadlessPlatform.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>

namespace {

constexpr int kDraws = 5000;
const QDate kFirstDraw(1994, 11, 23); // a Wednesday

struct Fixture {
    QTemporaryDir dir;
    std::vector<Draw> draws;
    HeadlessPlatform platform;
    std::unique_ptr<TForm1> window;
};

// Wednesday and Saturday draws, six different numbers, a bonus and a super number.
Fixture& fixture()
{
    static Fixture f = [] {
        Fixture made;
        std::mt19937 random(1994);
        QDate date = kFirstDraw;
        for (int i = 0; i < kDraws; ++i) {
            std::array<int, 49> all{};
            for (int n = 0; n < 49; ++n)
                all[std::size_t(n)] = n + 1;
            std::shuffle(all.begin(), all.end(), random);
            made.draws.push_back(makeDraw(date, {all[0], all[1], all[2], all[3], all[4], all[5]}, all[6],
                                          int(random() % 10)));
            date = date.addDays(date.dayOfWeek() == 3 ? 3 : 4);
        }
        if (writeDatabase(made.dir.path(), made.draws).isEmpty())
            std::abort();
        return made;
    }();
    return f;
}

// A fresh window on the fixture, shown offscreen, with the end date at the
// last draw and the start date at the design value.
TForm1& window()
{
    Fixture& f = fixture();
    if (!f.window) {
        AppPaths paths;
        paths.home = f.dir.path() + QLatin1Char('/');
        paths.programDir = paths.home;
        f.window = f.platform.makeWindow(paths, f.dir.filePath(QStringLiteral("settings.ini")));
        f.window->show();
        for (int i = 0; i < 20; ++i)
            QApplication::processEvents();
    }
    TForm1& w = *f.window;
    w.berechnungPage()->setParams(GenerationParams{});
    w.datenbankPage()->setEndDate(DateSerial::toDate(f.draws.back().datum));
    w.diagrammPage()->setStartDate(QDate(2015, 10, 7));
    return w;
}

void worstCase(TForm1& w)
{
    GenerationParams p;
    p.rejectDatabaseHits = true;
    p.databaseHitCount = 4;
    p.runLimitThousands = 50;
    w.berechnungPage()->setParams(p);
    w.diagrammPage()->setStartDate(QDate(1994, 11, 19));
}

void clickGenerate(TForm1& w)
{
    w.findChild<QPushButton*>(QStringLiteral("BitBtn4"))->click();
}

void BM_WindowDefaultRun(benchmark::State& state)
{
    TForm1& w = window();
    for (auto _ : state) {
        Random::global().setSeed(4711);
        clickGenerate(w);
    }
    // Any ending but the plain one: the run limit or the pool stopped it.
    state.counters["exhausted"] = w.statusPanel(1) != w.text(26) ? 1 : 0;
}

void BM_WindowWorstCase(benchmark::State& state)
{
    TForm1& w = window();
    worstCase(w);
    // How long the interface waits for its turn during a run: a 10 ms timer
    // records the longest gap between its ticks.
    qint64 longestGap = 0;
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (sinceTick.isValid())
            longestGap = std::max(longestGap, sinceTick.elapsed());
        sinceTick.start();
    });
    ticker.start();
    for (auto _ : state) {
        Random::global().setSeed(4711);
        sinceTick.invalidate();
        clickGenerate(w);
    }
    state.counters["candidates"] = w.session().runLimit;
    state.counters["longestEventGapMs"] = double(longestGap);
}

class LoopHost final : public GeneratorHost {
public:
    GeneratorSettings current;
    bool stopRequested() override { return false; }
    const GeneratorSettings& settings() override { return current; }
    std::int64_t runLimit() override { return 50000; }
};

void BM_LoopWorstCase(benchmark::State& state)
{
    Fixture& f = fixture();
    LoopHost host;
    host.current.params.rejectDatabaseHits = true;
    host.current.params.databaseHitCount = 4;
    host.current.history.start = DateSerial::fromDate(QDate(1994, 11, 19));
    host.current.history.end = f.draws.back().datum;
    ReferenceDraws refs;
    refs.last = f.draws[f.draws.size() - 1].zahl();
    refs.secondLast = f.draws[f.draws.size() - 2].zahl();
    refs.thirdLast = f.draws[f.draws.size() - 3].zahl();
    NumberPool pool;
    for (int n = 1; n <= 49; ++n)
        pool.append(n);
    pool.append(1);
    for (int i = 1; i <= 7; ++i)
        pool.markAll(refs.last[std::size_t(i)]);
    pool.dropMarked();
    std::int64_t candidates = 0;
    for (auto _ : state) {
        const HistoryIndex history(f.draws);
        Random random(4711);
        const RowRunResult result = generateRows(RowRunInput{pool, refs, history, {}}, random, host);
        candidates = result.runCounter;
    }
    state.counters["candidates"] = double(candidates);
}

void BM_HistoryIndexBuild(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        HistoryIndex index(f.draws);
        benchmark::DoNotOptimize(index.drawCount());
    }
}

} // namespace

BENCHMARK(BM_WindowDefaultRun)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_WindowWorstCase)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LoopWorstCase)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_HistoryIndexBuild)->Unit(benchmark::kMicrosecond);

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
    fixture().window.reset();
    return 0;
}
