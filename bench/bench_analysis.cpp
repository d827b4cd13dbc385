// The three history walks of the window, run through the window offscreen as
// the user starts them: the search of the tips, the draw comparison and the
// backtest. The history is the file named by NUMERANT_HISTORY_CSV (lines
// "yyyy-mm-dd,n1,...,n6,bonus,super", bonus and super may be empty), or else
// a made-up one of the same shape: Saturdays from 1955, Wednesdays too from
// 1982, about 5,000 draws.
#include "paths/AppPaths.h"
#include "app/TForm1.h"
#include "app/pages/DatenbankPage.h"
#include "app/pages/DiagrammPage.h"
#include "app/pages/TipBoard.h"
#include "draws/DateSerial.h"
#include "draws/DrawFile.h"

#include "HeadlessPlatform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::vector<Draw> readCsv(const QString& path)
{
    std::vector<Draw> draws;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return draws;
    file.readLine(); // header
    while (!file.atEnd()) {
        const QStringList f = QString::fromUtf8(file.readLine()).trimmed().split(QLatin1Char(','));
        if (f.size() < 9)
            continue;
        Draw draw;
        draw.datum = DateSerial::fromDate(QDate::fromString(f[0], Qt::ISODate));
        for (int i = 0; i < 8; ++i)
            draw.zahlen[std::size_t(i)] = std::uint8_t(f[i + 1].toInt());
        draws.push_back(draw);
    }
    return draws;
}

std::vector<Draw> madeUpHistory()
{
    std::vector<Draw> draws;
    std::uint32_t state = 12345;
    const auto next = [&] { return state = state * 1103515245u + 12345u, (state >> 16) % 49 + 1; };
    for (QDate day(1955, 10, 9); day < QDate(2026, 9, 1); day = day.addDays(1)) {
        const bool saturday = day.dayOfWeek() == 6 || (day < QDate(1965, 1, 1) && day.dayOfWeek() == 7);
        if (!saturday && !(day.year() >= 1982 && day.dayOfWeek() == 3))
            continue;
        Draw draw;
        draw.datum = DateSerial::fromDate(day);
        std::array<bool, 50> used{};
        for (int i = 0; i < 7; ++i) {
            std::uint32_t n;
            do n = next(); while (used[n]);
            used[n] = true;
            draw.zahlen[std::size_t(i)] = std::uint8_t(n);
        }
        draws.push_back(draw);
    }
    return draws;
}

// One window on a database of the history, with fakes for the dialogs and
// the shell.
struct Bench {
    QTemporaryDir dir;
    HeadlessPlatform platform;
    FakeDialogs& dialogs = platform.dialogs;
    std::unique_ptr<TForm1> window;
    std::size_t draws = 0;

    Bench()
    {
        const QByteArray csv = qgetenv("NUMERANT_HISTORY_CSV");
        std::vector<Draw> history = csv.isEmpty() ? madeUpHistory() : readCsv(QString::fromLocal8Bit(csv));
        draws = history.size();
        const DrawFile file(dir.filePath(QStringLiteral("ZahlenOB.dat")));
        file.create();
        file.append(history);
        AppPaths paths;
        paths.home = paths.programDir = dir.path() + QLatin1Char('/');
        window = platform.makeWindow(paths, dir.filePath(QStringLiteral("s.ini")));
        window->session().ratingOn = true;
        window->diagrammPage()->setStartDate(QDate(1955, 10, 9));
        // Default tips: twelve rows.
        for (int r = 1; r <= TipBoard::RowCount; ++r)
            for (int k = 1; k <= TipBoard::CellCount; ++k)
                window->tipBoard()->setCellText(r, k, QString::number((r * 7 + k * 5) % 49 + 1));
        window->show();
        // The first show queues the start-up sequence (settings, the current
        // draw); it must be over before a measured run, or it runs inside
        // the run's first event turn and moves the dates under it.
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 300)
            QCoreApplication::processEvents();
    }
};

Bench& bench()
{
    static Bench instance;
    return instance;
}

void BM_Search(benchmark::State& state)
{
    Bench& b = bench();
    b.window->datenbankPage()->setEndDate(QDate(2030, 1, 1));
    for (auto _ : state) {
        b.dialogs.inputAnswers.enqueue(QStringLiteral("7"));
        b.window->SpeedButton4Click();
    }
    state.counters["draws"] = double(b.draws);
}
BENCHMARK(BM_Search)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_DrawComparison(benchmark::State& state)
{
    Bench& b = bench();
    for (auto _ : state) {
        b.window->datenbankPage()->setEndDate(QDate(1955, 10, 9));
        b.dialogs.inputAnswers.enqueue(QStringLiteral("7"));
        b.window->BitBtn19Click();
    }
    state.counters["draws"] = double(b.draws);
}
BENCHMARK(BM_DrawComparison)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_Backtest(benchmark::State& state)
{
    Bench& b = bench();
    // NUMERANT_BACKTEST_FROM=yyyy-mm-dd starts later, for quick comparisons.
    QDate from = QDate::fromString(qEnvironmentVariable("NUMERANT_BACKTEST_FROM"), Qt::ISODate);
    if (!from.isValid())
        from = QDate(1994, 11, 19);
    for (auto _ : state) {
        b.window->datenbankPage()->setEndDate(from);
        b.dialogs.inputAnswers.enqueue(QStringLiteral("4711"));
        b.window->BitBtn9Click();
    }
    state.counters["draws"] = double(b.draws);
    // The passes the report counts, so a run that ended early shows.
    QFile report(b.dir.filePath(QStringLiteral("Test.txt")));
    if (report.open(QIODevice::ReadOnly))
        for (const QByteArray& line : report.readAll().split('\n'))
            if (line.endsWith(" Ziehungen") || line.endsWith(" Ziehungen\r"))
                state.counters["passes"] = line.split(' ').first().toDouble();
}
BENCHMARK(BM_Backtest)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    bench().window.reset();
    return 0;
}
