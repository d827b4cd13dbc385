#include "evaluation/BacktestRun.h"

#include "draws/DateSerial.h"
#include "generator/Random.h"

#include "DrawFixture.h"

#include <QTest>

namespace {


// A stand-in for the generator: the row 1 2 3 4 5 6 and a record of what
// each pass saw.
class RecordingHost final : public BacktestHost {
public:
    explicit RecordingHost(const std::vector<Draw>& draws) : draws_(draws) { tips_[0] = {"1", "2", "3", "4", "5", "6"}; }

    bool stopBefore(int pass, double) override { return stopAtPass > 0 && pass >= stopAtPass; }
    void generate(int current) override
    {
        seen << DateSerial::toDate(draws_[std::size_t(current)].datum);
        firstRandom << Random::global().next32();
    }
    BoardRows tips() override { return tips_; }

    int stopAtPass = 0;
    QList<QDate> seen;
    QList<quint32> firstRandom;

private:
    const std::vector<Draw>& draws_;
    BoardRows tips_;
};

} // namespace

class TestBacktestRun : public QObject {
    Q_OBJECT
private slots:
    void passes_data();
    void passes();
    void emptyHistory();
};

void TestBacktestRun::passes_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<bool>("onlyAfterThree");
    QTest::addColumn<int>("stopAtPass");
    QTest::addColumn<QList<QDate>>("seen");
    QTest::addColumn<int>("passes");
    QTest::addColumn<QDate>("current"); // at the end

    const QDate d1(2020, 1, 4), d2(2020, 1, 11), d3(2020, 1, 18), d4(2020, 1, 25), d5(2020, 2, 1);
    // Each pass rates the next draw; the last pass rates the last draw again.
    QTest::newRow("from the first draw") << d1 << false << 0 << QList<QDate>{d1, d2, d3, d4, d5} << 5 << d5;
    // From a day without a draw the next draw is current; the first pass
    // must not rate it, the generation has seen it.
    QTest::newRow("from a Sunday") << QDate(2020, 1, 12) << false << 0 << QList<QDate>{d3, d4, d5} << 3 << d5;
    // Three hits on 11.01 (1 2 3), then fewer: the tips stay until a pass hits three again.
    QTest::newRow("new tips only after three hits") << d1 << true << 0 << QList<QDate>{d1, d2} << 5 << d5;
    QTest::newRow("stopped before pass 3") << d1 << false << 3 << QList<QDate>{d1, d2} << 2 << d3;
}

void TestBacktestRun::passes()
{
    QFETCH(QDate, start);
    QFETCH(bool, onlyAfterThree);
    QFETCH(int, stopAtPass);
    QFETCH(QList<QDate>, seen);
    QFETCH(int, passes);
    QFETCH(QDate, current);
    const std::vector<Draw> draws = fiveSaturdays();
    RecordingHost host(draws);
    host.stopAtPass = stopAtPass;
    BacktestSetup setup;
    setup.firstDay = DateSerial::fromDate(start);
    setup.seed = 4711;
    setup.advance = Backtest::advanceDays(true, false);
    setup.onlyAfterThree = onlyAfterThree;

    const BacktestOutcome outcome = runBacktest(draws, setup, Random::global(), host);

    QCOMPARE(host.seen, seen);
    QCOMPARE(outcome.counts.passes, passes);
    QCOMPARE(outcome.stopped, stopAtPass > 0);
    QCOMPARE(DateSerial::toDate(draws[std::size_t(outcome.current)].datum), current);
    // Every pass starts from the same seed.
    for (quint32 first : host.firstRandom)
        QCOMPARE(first, host.firstRandom.first());
}

void TestBacktestRun::emptyHistory()
{
    const std::vector<Draw> none;
    RecordingHost host(none);
    const BacktestOutcome outcome = runBacktest(none, BacktestSetup{}, Random::global(), host);
    QCOMPARE(outcome.counts.passes, 0);
    QCOMPARE(outcome.current, -1);
    QVERIFY(host.seen.isEmpty());
}

QTEST_GUILESS_MAIN(TestBacktestRun)
#include "tst_backtestrun.moc"
