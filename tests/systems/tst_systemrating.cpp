#include "evaluation/PrizeClasses.h"
#include "evaluation/TicketCost.h"
#include "evaluation/TicketRun.h"
#include "systems/LottoSystem.h"
#include "systems/SystemRating.h"

#include "DrawFixture.h"
#include "draws/DateSerial.h"

#include <QTest>

#include <bit>
#include <numeric>

namespace {

using Classes = std::array<int, 10>;

std::vector<NumberMask> system010()
{
    return Systems::fullSystem({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}).numberRows();
}

double serial(int y, int m, int d)
{
    return DateSerial::fromDate(QDate(y, m, d));
}

} // namespace

class TestSystemRating : public QObject {
    Q_OBJECT

private slots:
    void system010AgainstOneToSix()
    {
        const auto rows = system010();
        const SystemDrawRating rating = SystemRating::rate(rows, makeDraw(QDate(2020, 1, 4), {1, 2, 3, 4, 5, 6}, 0, 7), -1);
        QVERIFY(rating.rated);
        QCOMPARE(rating.perHits, (std::array<int, 7>{0, 0, 15, 80, 90, 24, 1}));
        // At 1.20 EUR a row.
        QCOMPARE(ticketCost(int(rows.size()), false, false, 1, 0).perDraw, 25200);
    }

    void system010Classes_data()
    {
        QTest::addColumn<Draw>("draw");
        QTest::addColumn<int>("ticketSuper");
        QTest::addColumn<bool>("classTable");
        QTest::addColumn<Classes>("classes");
        const Draw today = makeDraw(QDate(2020, 1, 4), {1, 2, 3, 4, 5, 6}, 0, 7);
        QTest::newRow("Superzahl matches") << today << 7 << true << Classes{0, 1, 0, 24, 0, 90, 0, 80, 0, 15};
        QTest::newRow("other Superzahl") << today << 3 << true << Classes{15, 0, 1, 0, 24, 0, 90, 0, 80, 0};
        QTest::newRow("no Losnummer") << today << -1 << true << Classes{15, 0, 1, 0, 24, 0, 90, 0, 80, 0};
        // Zusatzzahl 7: of the 24 rows with five hits 6 hold it, of 90 with four 45, of 80 with three 60.
        QTest::newRow("Zusatzzahl rules") << makeDraw(QDate(2010, 1, 2), {1, 2, 3, 4, 5, 6}, 7, 7) << 7 << true
                                          << Classes{15, 1, 0, 6, 18, 45, 45, 60, 20, 0};
        QTest::newRow("no class table") << makeDraw(QDate(1998, 1, 3), {1, 2, 3, 4, 5, 6}, 7, 7) << 7 << false
                                        << Classes{210, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    }
    void system010Classes()
    {
        QFETCH(Draw, draw);
        QFETCH(int, ticketSuper);
        QFETCH(bool, classTable);
        QFETCH(Classes, classes);
        const SystemDrawRating rating = SystemRating::rate(system010(), draw, ticketSuper);
        QCOMPARE(rating.classTable, classTable);
        QCOMPARE(rating.perClass, classes);
    }

    // Counting rows by hits and bonus must give what rating every row on its own gives.
    void agreesWithRatingRowByRow_data()
    {
        QTest::addColumn<Draw>("draw");
        QTest::addColumn<int>("ticketSuper");
        QTest::newRow("today") << makeDraw(QDate(2024, 3, 2), {4, 9, 10, 13, 30, 41}, 0, 2) << 2;
        QTest::newRow("Zusatzzahl") << makeDraw(QDate(2005, 6, 4), {2, 9, 11, 12, 13, 40}, 10, 5) << 5;
        QTest::newRow("Zusatzzahl, no ticket") << makeDraw(QDate(2005, 6, 4), {2, 9, 11, 12, 13, 40}, 10, 5) << -1;
    }
    void agreesWithRatingRowByRow()
    {
        QFETCH(Draw, draw);
        QFETCH(int, ticketSuper);
        const LottoSystem system = Systems::fullSystem({2, 4, 9, 10, 11, 12, 13, 30, 40, 41, 44});
        Classes expected{};
        std::array<int, 7> hits{};
        for (const SixNumbers& row : system.sortedRows()) {
            const Prize::RowResult result = Prize::rateRow(row, draw, ticketSuper);
            ++expected[std::size_t(result.prizeClass)];
            ++hits[std::size_t(result.hits)];
        }
        const SystemDrawRating rating = SystemRating::rate(system.numberRows(), draw, ticketSuper);
        QCOMPARE(rating.perClass, expected);
        QCOMPARE(rating.perHits, hits);
    }

    void damagedRecordIsNotRated()
    {
        const auto rows = system010();
        QVERIFY(!SystemRating::rate(rows, makeDraw(QDate(2020, 1, 4), {1, 2, 3, 4, 5, 0}, 0, 7), 7).rated);
        QVERIFY(!SystemRating::rate(rows, makeDraw(QDate(2020, 1, 4), {1, 2, 3, 4, 5, 5}, 0, 7), 7).rated);
        QVERIFY(!SystemRating::rate(rows, makeDraw(QDate(2020, 1, 4), {1, 2, 3, 4, 5, 50}, 0, 7), 7).rated);
    }

    void ticketRun()
    {
        const std::vector<Draw> draws = {
            makeDraw(QDate(2020, 1, 1), {1, 2, 3, 4, 5, 6}, 0, 1),   // Wednesday before the run
            makeDraw(QDate(2020, 1, 4), {1, 2, 3, 7, 8, 9}, 0, 2),   // Saturday
            makeDraw(QDate(2020, 1, 8), {1, 2, 3, 11, 12, 13}, 0, 3), // Wednesday
            makeDraw(QDate(2020, 1, 11), {1, 2, 3, 4, 5, 6}, 0, 4),  // the next week: after the run
        };
        TicketRun run;
        run.firstDate = serial(2020, 1, 4);
        run.weeks = 1;
        run.days = DrawDays::Both;
        const auto ratings = SystemRating::rateRun(system010(), draws, run, 2);
        QCOMPARE(ratings.size(), std::size_t(2));
        QCOMPARE(ratings[0].date, serial(2020, 1, 4));
        QCOMPARE(ratings[0].perHits[6], 1);
        QCOMPARE(ratings[0].perClass[1], 1); // 6 + SZ 2
        QCOMPARE(ratings[1].date, serial(2020, 1, 8));
        QCOMPARE(ratings[1].perHits[3], 35); // 1 2 3 and three of the seven others
        QCOMPARE(ratings[1].perClass[8], 35);
    }

    void backtestBesideRandomRows()
    {
        const std::vector<Draw> draws = {
            makeDraw(QDate(2019, 12, 28), {1, 2, 3, 4, 5, 6}, 0, 1),   // before the range
            makeDraw(QDate(2020, 1, 4), {1, 2, 3, 7, 8, 9}, 0, 2),
            makeDraw(QDate(2020, 1, 8), {1, 2, 3, 11, 12, 0}, 0, 3),   // damaged
            makeDraw(QDate(2020, 1, 11), {10, 20, 30, 40, 41, 42}, 0, 4),
            makeDraw(QDate(2020, 1, 15), {4, 5, 6, 30, 31, 32}, 0, 5), // the range's last day
            makeDraw(QDate(2020, 1, 18), {1, 2, 3, 4, 5, 6}, 0, 1),   // after it
        };
        const auto rows = system010();
        const SystemBacktest result =
            SystemRating::backtest(rows, draws, serial(2020, 1, 4), serial(2020, 1, 15), 2, 4711);
        QCOMPARE(result.system.draws, 3);
        QCOMPARE(result.skipped, 1);
        QCOMPARE(result.system.stakeCents, 3 * 210 * Prices::kRowCents);
        QCOMPARE(result.random.stakeCents, result.system.stakeCents);
        QCOMPARE(std::accumulate(result.system.perHits.begin(), result.system.perHits.end(), std::int64_t(0)), 3 * 210);
        QCOMPARE(std::accumulate(result.system.perClass.begin(), result.system.perClass.end(), std::int64_t(0)), 3 * 210);
        QCOMPARE(result.system.perClass[1], 1);
        QCOMPARE(result.system.perHits[6], 1);

        // The random rows: as many, six different numbers 1..49 each, rated on the same draws.
        QCOMPARE(result.randomRows.size(), rows.size());
        for (NumberMask row : result.randomRows) {
            QCOMPARE(std::popcount(row), 6);
            QCOMPARE(row & ~((NumberMask(1) << 50) - 2), NumberMask(0));
        }
        SystemTotals again;
        for (std::size_t i = 1; i <= 4; ++i)
            again.add(SystemRating::rate(result.randomRows, draws[i], 2), rows.size());
        QCOMPARE(result.random.perHits, again.perHits);
        QCOMPARE(result.random.perClass, again.perClass);
        QCOMPARE(result.random.draws, 3);

        QCOMPARE(SystemRating::randomRows(50, 4711), SystemRating::randomRows(50, 4711));
        QVERIFY(SystemRating::randomRows(50, 4711) != SystemRating::randomRows(50, 4712));
    }
};

QTEST_GUILESS_MAIN(TestSystemRating)
#include "tst_systemrating.moc"
