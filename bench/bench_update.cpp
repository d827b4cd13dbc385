// The online update from the real draw service program on loopback, measured
// from the click to the rated current draw: a year's catch-up and the whole
// shipped history into a database that holds only its first draw. The
// argument is the service's delay per answer in milliseconds (0: loopback as
// it is; 20: a round trip like a real network's).
#include "paths/AppPaths.h"
#include "app/TForm1.h"
#include "app/pages/DatenbankPage.h"
#include "app/pages/InternetPage.h"
#include "draws/DateSerial.h"
#include "draws/DrawCsv.h"
#include "draws/DrawFile.h"

#include "HeadlessPlatform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>

namespace {

std::vector<Draw> shippedHistory()
{
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/lotto-6aus49.csv"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseDrawCsv(file.readAll()).draws;
}

// The draw service program, started once per delay for all runs.
class Service {
public:
    explicit Service(int delayMs)
    {
        process_.start(QCoreApplication::applicationDirPath() + QStringLiteral("/numerant-drawservice"),
                       {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--delay-ms"),
                        QString::number(delayMs), QStringLiteral("--quiet")});
        process_.setReadChannel(QProcess::StandardOutput);
        const QRegularExpression listening(QStringLiteral("listening on (http://\\S+)"));
        QElapsedTimer waited;
        waited.start();
        while (address_.isEmpty() && waited.elapsed() < 10000) {
            process_.waitForReadyRead(100);
            address_ = listening.match(QString::fromLocal8Bit(process_.peek(4096))).captured(1);
        }
        // Nothing more should come (--quiet), but a full pipe would stall it.
        QObject::connect(&process_, &QProcess::readyReadStandardOutput, &process_,
                         [this] { process_.readAllStandardOutput(); });
    }
    ~Service()
    {
        process_.kill();
        process_.waitForFinished();
    }
    const QString& address() const { return address_; }

private:
    QProcess process_;
    QString address_;
};

void catchUp(benchmark::State& state, const QDate& lastStored)
{
    static std::map<int, std::unique_ptr<Service>> byDelay;
    const int delayMs = int(state.range(0));
    std::unique_ptr<Service>& running = byDelay[delayMs];
    if (!running)
        running = std::make_unique<Service>(delayMs);
    const Service& service = *running;
    const std::vector<Draw> history = shippedHistory();
    if (service.address().isEmpty() || history.empty()) {
        state.SkipWithError("no draw service or no shipped history beside the program");
        return;
    }
    std::vector<Draw> stored;
    for (const Draw& draw : history)
        if (DateSerial::toDate(draw.datum) <= lastStored)
            stored.push_back(draw);

    QTemporaryDir dir;
    AppPaths paths;
    paths.home = dir.path() + QLatin1Char('/');
    paths.programDir = paths.home;
    // No question is expected during an update; a message means it failed.
    HeadlessPlatform platform;
    platform.dialogs.whileMessageShown = [](const QString& text) {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    };
    const std::unique_ptr<TForm1> shown = platform.makeWindow(paths, QDir(dir.path()).filePath(QStringLiteral("settings.ini")));
    TForm1& window = *shown;
    window.session().ratingOn = true;
    window.internetPage()->setServiceUrl(service.address());
    const DrawFile database(window.databasePath());

    qint64 days = 0;
    for (auto _ : state) {
        state.PauseTiming();
        database.create();
        database.append(stored);
        state.ResumeTiming();

        QTest::mouseClick(window.datenbankPage()->updateButton(), Qt::LeftButton);
        while (window.isBusy())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        days += lastStored.daysTo(QDate::currentDate());
    }
    state.counters["days"] = benchmark::Counter(double(days), benchmark::Counter::kAvgIterations);
    state.counters["records"] = double(database.recordCount());
    if (!platform.dialogs.messages.isEmpty())
        state.SkipWithError("the update ended with a message");
}

void BM_CatchUpOneYear(benchmark::State& state)
{
    catchUp(state, QDate::currentDate().addDays(-365));
}
BENCHMARK(BM_CatchUpOneYear)->ArgName("delay_ms")->Arg(0)->Arg(20)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CatchUpWholeHistory(benchmark::State& state)
{
    catchUp(state, QDate(1955, 10, 9));
}
BENCHMARK(BM_CatchUpWholeHistory)->ArgName("delay_ms")->Arg(0)->Arg(20)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
