// Importing the shipped history into an empty database: read and check every
// line, merge, and write the database in one rewrite.
#include "draws/DrawCsv.h"
#include "draws/DrawFile.h"
#include "draws/DrawImport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_ImportShippedHistory(benchmark::State& state)
{
    QFile csv(QStringLiteral(NUMERANT_HISTORY_CSV));
    if (!csv.open(QIODevice::ReadOnly)) {
        state.SkipWithError("shipped history not found");
        return;
    }
    const QString path = csv.fileName();
    QTemporaryDir dir;
    const DrawFile database(QDir(dir.path()).filePath(QStringLiteral("ZahlenOB.dat")));
    for (auto _ : state) {
        state.PauseTiming();
        database.create();
        state.ResumeTiming();

        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const CsvRead read = parseDrawCsv(file.readAll());
        const MergeResult merge = mergeDraws(*database.readAll(), read.draws);
        database.rewrite(merge.draws, database.path() + QLatin1Char('~'));
        benchmark::DoNotOptimize(merge.added);
    }
    state.counters["records"] = double(database.recordCount());
}
BENCHMARK(BM_ImportShippedHistory)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
