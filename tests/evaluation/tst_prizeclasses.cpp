#include "evaluation/PrizeClasses.h"
#include "evaluation/TicketCost.h"
#include "evaluation/TicketRating.h"
#include "evaluation/TicketRun.h"

#include "DrawFixture.h"
#include "draws/DateSerial.h"

#include <QTest>

#include <bit>

namespace {

// 04.05.2013, the first draw without the Zusatzzahl.
Draw superEraDraw() { return makeDraw(QDate(2013, 5, 4), {5, 7, 11, 21, 22, 48}, 0, 8); }
// 01.05.2013, the last draw with it.
Draw bonusEraDraw() { return makeDraw(QDate(2013, 5, 1), {9, 12, 15, 16, 22, 28}, 5, 9); }

Draw withDigits(Draw draw, const char* spiel77, const char* super6)
{
    for (std::size_t i = 0; i < draw.spiel77.size(); ++i)
        draw.spiel77[i] = static_cast<std::uint8_t>(spiel77[i] - '0');
    for (std::size_t i = 0; i < draw.super6.size(); ++i)
        draw.super6[i] = static_cast<std::uint8_t>(super6[i] - '0');
    return draw;
}

} // namespace

class TestPrizeClasses : public QObject {
    Q_OBJECT
private slots:
    void rowClass_data()
    {
        QTest::addColumn<Draw>("draw");
        QTest::addColumn<TicketRow>("row");
        QTest::addColumn<QString>("losnummer");
        QTest::addColumn<int>("expected");

        const Draw now = superEraDraw();
        QTest::newRow("4 + SZ") << now << TicketRow{5, 7, 11, 21, 30, 40} << "1234568" << 5;
        QTest::newRow("4, other SZ") << now << TicketRow{5, 7, 11, 21, 30, 40} << "1234563" << 6;
        QTest::newRow("2 + SZ") << now << TicketRow{1, 2, 3, 4, 5, 7} << "0000008" << 9;
        QTest::newRow("2 without SZ") << now << TicketRow{1, 2, 3, 4, 5, 7} << "0000007" << 0;
        QTest::newRow("6 + SZ") << now << TicketRow{5, 7, 11, 21, 22, 48} << "7777778" << 1;
        QTest::newRow("6, no Losnummer") << now << TicketRow{5, 7, 11, 21, 22, 48} << "" << 2;
        QTest::newRow("3 + SZ, invalid Losnummer") << now << TicketRow{5, 7, 11, 1, 2, 3} << "123456" << 8;

        const Draw before = bonusEraDraw();
        QTest::newRow("5 + ZZ") << before << TicketRow{5, 9, 12, 15, 16, 22} << "" << 3;
        QTest::newRow("5 + SZ is 5") << before << TicketRow{1, 9, 12, 15, 16, 22} << "0000009" << 4;
        QTest::newRow("6 + SZ") << before << TicketRow{9, 12, 15, 16, 22, 28} << "1111119" << 1;
        QTest::newRow("2 + ZZ") << before << TicketRow{5, 9, 12, 1, 2, 3} << "0000009" << 0;

        QTest::newRow("no table before 22.05.1999")
            << makeDraw(QDate(1999, 5, 15), {1, 2, 3, 4, 5, 6}, 7, 1) << TicketRow{1, 2, 3, 4, 5, 6}
            << "0000001" << 0;
        QTest::newRow("first day of the Zusatzzahl table")
            << makeDraw(QDate(1999, 5, 22), {14, 18, 33, 35, 39, 41}, 24, 1)
            << TicketRow{14, 18, 33, 35, 39, 41} << "0000001" << 1;
    }
    void rowClass()
    {
        QFETCH(Draw, draw);
        QFETCH(TicketRow, row);
        QFETCH(QString, losnummer);
        QFETCH(int, expected);
        QCOMPARE(Prize::rateRow(row, draw, Prize::ticketSuperNumber(losnummer)).prizeClass, expected);
    }

    void noTableBeforeTheZusatzzahlRules()
    {
        QVERIFY(!Prize::eraOn(DateSerial::fromDate(QDate(1999, 5, 19))));
        QVERIFY(Prize::eraOn(DateSerial::fromDate(QDate(1999, 5, 22))));
        QCOMPARE(Prize::classCount(*Prize::eraOn(DateSerial::fromDate(QDate(2013, 5, 1)))), 8);
        QCOMPARE(Prize::classCount(*Prize::eraOn(DateSerial::fromDate(QDate(2026, 8, 22)))), 9);
    }

    // Every row of the game with every super number digit against one draw.
    void everyRowAndDigitUnderTodaysRules()
    {
        const Draw draw = superEraDraw();
        std::uint64_t drawn = 0;
        for (int i = 0; i < 6; ++i)
            drawn |= std::uint64_t(1) << draw.number(i);
        std::array<qint64, 7> rowsByHits{};
        for (int a = 1; a <= 44; ++a)
            for (int b = a + 1; b <= 45; ++b)
                for (int c = b + 1; c <= 46; ++c)
                    for (int d = c + 1; d <= 47; ++d)
                        for (int e = d + 1; e <= 48; ++e)
                            for (int f = e + 1; f <= 49; ++f) {
                                const std::uint64_t row = (std::uint64_t(1) << a) | (std::uint64_t(1) << b)
                                    | (std::uint64_t(1) << c) | (std::uint64_t(1) << d)
                                    | (std::uint64_t(1) << e) | (std::uint64_t(1) << f);
                                ++rowsByHits[static_cast<std::size_t>(std::popcount(row & drawn))];
                            }
        std::array<qint64, 10> perClass{};
        for (int hits = 0; hits <= 6; ++hits)
            for (int digit = 0; digit <= 9; ++digit)
                perClass[static_cast<std::size_t>(Prize::rateHits(hits, false, draw, digit).prizeClass)]
                    += rowsByHits[static_cast<std::size_t>(hits)];
        const std::array<qint64, 10> expected{0, 1, 9, 258, 2322, 13545, 121905, 246820, 2221380, 1851150};
        for (std::size_t k = 1; k < 10; ++k)
            QCOMPARE(perClass[k], expected[k]);
        qint64 all = 0;
        for (qint64 n : perClass)
            all += n;
        QCOMPARE(all, qint64(13983816) * 10);
    }

    void losnummer_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("superNumber");
        QTest::newRow("seven digits") << "1234567" << 7;
        QTest::newRow("blanks around") << " 0000000 " << 0;
        QTest::newRow("six digits") << "123456" << -1;
        QTest::newRow("eight digits") << "12345678" << -1;
        QTest::newRow("a letter") << "12345a7" << -1;
        QTest::newRow("blank inside") << "123 4567" << -1;
        QTest::newRow("other digits") << QString::fromUtf8("١٢٣٤٥٦٧") << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void losnummer()
    {
        QFETCH(QString, text);
        QFETCH(int, superNumber);
        QCOMPARE(Prize::isValidLosnummer(text), superNumber >= 0);
        QCOMPARE(Prize::ticketSuperNumber(text), superNumber);
    }

    void digitGames_data()
    {
        QTest::addColumn<QString>("losnummer");
        QTest::addColumn<int>("spiel77");
        QTest::addColumn<int>("super6");
        // Drawn: Spiel 77 7654321, Super 6 654321.
        QTest::newRow("six final digits") << "1654321" << 2 << 1;
        QTest::newRow("Spiel 77 jackpot") << "7654321" << 1 << 1;
        QTest::newRow("last digit only") << "9999991" << 7 << 6;
        QTest::newRow("two final digits") << "0000021" << 6 << 5;
        QTest::newRow("a match before a mismatch counts not") << "7654320" << 0 << 0;
        QTest::newRow("invalid number") << "123456" << -1 << -1;
    }
    void digitGames()
    {
        QFETCH(QString, losnummer);
        QFETCH(int, spiel77);
        QFETCH(int, super6);
        const Draw draw = withDigits(superEraDraw(), "7654321", "654321");
        QCOMPARE(Prize::spiel77Class(losnummer, draw), spiel77);
        QCOMPARE(Prize::super6Class(losnummer, draw), super6);
        QCOMPARE(Prize::spiel77Class("1234567", superEraDraw()), -1); // no digits stored
    }

    void fixedAmounts()
    {
        QCOMPARE(Prize::spiel77AmountCents(1), 0); // the jackpot varies
        QCOMPARE(Prize::spiel77AmountCents(2), 7777700);
        QCOMPARE(Prize::spiel77AmountCents(7), 500);
        QCOMPARE(Prize::super6AmountCents(1), 10000000);
        QCOMPARE(Prize::super6AmountCents(6), 250);
        QCOMPARE(Prize::super6AmountCents(7), 0);
    }

    void cost()
    {
        // 12 rows, both games, Wednesday and Saturday for 4 weeks, fee 1,00.
        const TicketCost cost = ticketCost(12, true, true, 8, 100);
        QCOMPARE(cost.rowsPerDraw, 1440);
        QCOMPARE(cost.perDraw, 1440 + 250 + 125);
        QCOMPARE(cost.run, 8 * 1815 + 100);
        QCOMPARE(parseCents(" 0,50 "), std::optional<qint64>(50));
        QCOMPARE(parseCents("1.5"), std::optional<qint64>(150));
        QCOMPARE(parseCents("2"), std::optional<qint64>(200));
        QCOMPARE(parseCents("-1"), std::nullopt);
        QCOMPARE(parseCents("1,234"), std::nullopt);
        QCOMPARE(parseCents("abc"), std::nullopt);
        QCOMPARE(euroText(252000, QLocale(QLocale::German)), QStringLiteral("2.520,00 €"));
    }

    // Four weeks on Wednesday and Saturday from a Saturday: exactly eight
    // draws, none of the Sundays or the draw after the run.
    void runOfFourWeeks()
    {
        std::vector<Draw> draws;
        const QDate first(2026, 7, 4); // a Saturday
        for (QDate day = first.addDays(-7); day <= first.addDays(35); day = day.addDays(1))
            if (day.dayOfWeek() == Qt::Wednesday || day.dayOfWeek() == Qt::Saturday
                || day.dayOfWeek() == Qt::Sunday)
                draws.push_back(makeDraw(day, {1, 2, 3, 4, 5, 6}, 0, 1));
        TicketRun run{DateSerial::fromDate(first), 4, DrawDays::Both};
        const std::vector<int> inRun = drawsInRun(draws, run);
        QCOMPARE(inRun.size(), std::size_t(8));
        QCOMPARE(DateSerial::toDate(draws[std::size_t(inRun.front())].datum), first);
        QCOMPARE(DateSerial::toDate(draws[std::size_t(inRun.back())].datum), first.addDays(25));

        run.days = DrawDays::Saturday;
        QCOMPARE(drawsInRun(draws, run).size(), std::size_t(4));
        run.weeks = 0; // until changed: every Saturday from the first on
        QCOMPARE(drawsInRun(draws, run).size(), std::size_t(6));

        const std::vector<TicketRow> rows(12, TicketRow{1, 2, 3, 7, 8, 9});
        const auto results = rateTicketRun(rows, draws, TicketRun{DateSerial::fromDate(first), 4, DrawDays::Both},
                                           TicketPlay{"0000001", false, false});
        QCOMPARE(results.size(), std::size_t(8));
        for (std::size_t i = 0; i < results.size(); ++i)
            QCOMPARE(results[i].drawIndex, inRun[i]);
        QCOMPARE(results.front().perClass[7], 12); // 3 + SZ
        QVERIFY(results.front().won());
    }
};

QTEST_APPLESS_MAIN(TestPrizeClasses)
#include "tst_prizeclasses.moc"
