#include "evaluation/Backtest.h"

#include "text/TextLine.h"
#include "text/UiText.h"

#include "DrawFixture.h"

#include <QTest>

namespace {

Statistik statistik(std::initializer_list<std::tuple<int, int, int>> entries) // k, bonus, rows
{
    Statistik s{};
    for (const auto& [k, bonus, rows] : entries)
        s[std::size_t(k)][std::size_t(bonus)] = rows;
    return s;
}

BoardRows board(std::initializer_list<QStringList> rows)
{
    BoardRows board;
    std::size_t r = 0;
    for (const QStringList& cells : rows) {
        for (std::size_t k = 0; k < 6; ++k)
            board[r][k] = cells.value(int(k));
        ++r;
    }
    return board;
}

} // namespace

class TestBacktest : public QObject {
    Q_OBJECT
private slots:
    void passesSplitByWeekday_data();
    void passesSplitByWeekday();
    void advance_data();
    void advance();
    void passesKeepTheRatedRowsForTheTest();
    void reportText();
    void prizeClasses_data();
    void prizeClasses();
    void stoppedRunSaysSoLast();
};

void TestBacktest::passesSplitByWeekday_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("weekend");
    QTest::newRow("Saturday") << QDate(2020, 12, 5) << true;
    QTest::newRow("Sunday") << QDate(2020, 12, 6) << true;
    QTest::newRow("Wednesday") << QDate(2020, 12, 9) << false;
    QTest::newRow("Tuesday") << QDate(2020, 12, 8) << false;
}

void TestBacktest::passesSplitByWeekday()
{
    QFETCH(QDate, date);
    QFETCH(bool, weekend);
    BacktestCounts counts;
    const Statistik pass = statistik({{0, 0, 5}, {1, 1, 2}, {3, 0, 2}, {3, 1, 1}, {6, 0, 1}});
    // The rows with three or more hits, bonus or not, decide on the next pass.
    QCOMPARE(counts.addPass(pass, makeDraw(date, {1, 2, 3, 4, 5, 6}, 7), {}), 4);
    QCOMPARE(counts.addPass(statistik({{2, 0, 12}}), makeDraw(date, {1, 2, 3, 4, 5, 6}, 7), {}), 0);
    QCOMPARE(counts.passes, 2);
    const Statistik& filled = weekend ? counts.weekend : counts.otherDays;
    const Statistik& empty = weekend ? counts.otherDays : counts.weekend;
    QCOMPARE(filled[3][0], 2);
    QCOMPARE(filled[3][1], 1);
    QCOMPARE(filled[2][0], 12);
    QCOMPARE(filled[6][0], 1);
    QCOMPARE(empty, Statistik{});
    QCOMPARE(counts.observed.rowsWithBonus, qint64(23));
    QCOMPARE(counts.observed.rows[2][0], qint64(12));
}

void TestBacktest::advance_data()
{
    QTest::addColumn<bool>("saturdays");
    QTest::addColumn<bool>("wednesdays");
    QTest::addColumn<int>("days");
    QTest::newRow("both") << true << true << 3;
    QTest::newRow("Saturdays") << true << false << 6;
    QTest::newRow("Wednesdays") << false << true << 6;
    QTest::newRow("none") << false << false << 6;
}

void TestBacktest::advance()
{
    QFETCH(bool, saturdays);
    QFETCH(bool, wednesdays);
    QFETCH(int, days);
    QCOMPARE(Backtest::advanceDays(saturdays, wednesdays), days);
}

void TestBacktest::passesKeepTheRatedRowsForTheTest()
{
    // The test against chance sees the rows the rating counted, as rated:
    // a row with an empty cell is left out, a repeated number counts twice.
    BacktestCounts counts;
    counts.addPass(statistik({{3, 0, 1}}), makeDraw(QDate(2020, 12, 5), {1, 2, 3, 4, 5, 6}, 7),
                   board({{"1", "2", "3", "40", "41", "42"},
                          {"1", "2", "3", "40", "41", ""},
                          {"1", "1", "2", "40", "41", "42"},
                          {"7", "8", "9", "10", "11", "12"}}));
    QCOMPARE(counts.observed.passes.size(), std::size_t(1));
    QCOMPARE(counts.observed.passes[0].rows.size(), std::size_t(3));
    QCOMPARE(Chance::threeOrMoreTest(counts.observed.passes, 0).observed, qint64(2));
    const QStringList lines = Backtest::report(counts, {QStringLiteral("Kopf"), QStringLiteral("Ziehungen"), QString()}, false);
    QVERIFY2(lines.constLast().startsWith(QStringLiteral("Die Parameter waren")), qPrintable(lines.constLast()));
    QVERIFY2(lines[lines.size() - 2].startsWith(QStringLiteral("Erzielt: 2 von 3 Reihen; ")),
             qPrintable(lines[lines.size() - 2]));
}

void TestBacktest::reportText()
{
    BacktestCounts counts;
    counts.addPass(statistik({{0, 0, 6}, {1, 0, 3}, {3, 0, 17}, {2, 1, 1}}), makeDraw(QDate(2020, 12, 5), {1, 2, 3, 4, 5, 6}, 0), {});
    counts.addPass(statistik({{3, 0, 4}, {5, 1, 1}}), makeDraw(QDate(2020, 12, 9), {1, 2, 3, 4, 5, 6}, 0), {});
    const QStringList lines = Backtest::report(counts, {QStringLiteral("Kopf"), QStringLiteral("Ziehungen"), QString()}, false);
    const QStringList expected{
        "Kopf",
        "0x\t=>\t6\t=>\t0",
        "0x + Bonus\t=>\t0\t=>\t0",
        "1x\t=>\t3\t=>\t0",
        "1x + Bonus\t=>\t0\t=>\t0",
        "2x\t=>\t0\t=>\t0",
        "2x + Bonus\t=>\t1\t=>\t0",
        "3x\t=>\t17\t=>\t4",
        "3x + Bonus\t=>\t0\t=>\t0",
        "4x\t=>\t0\t=>\t0",
        "4x + Bonus\t=>\t0\t=>\t0",
        "5x\t=>\t0\t=>\t0",
        "5x + Bonus\t=>\t0\t=>\t1",
        "6x\t=>\t0\t=>\t0",
        "Gewinnklasse 1\t=>\t0,0\t=>\t0,0",
        "Gewinnklasse 2\t=>\t0,0\t=>\t0,0",
        "Gewinnklasse 3\t=>\t0,0\t=>\t0,1",
        "Gewinnklasse 4\t=>\t0,0\t=>\t0,9",
        "Gewinnklasse 5\t=>\t0,0\t=>\t0,0",
        "Gewinnklasse 6\t=>\t0,0\t=>\t0,0",
        "Gewinnklasse 7\t=>\t1,7\t=>\t0,4",
        "Gewinnklasse 8\t=>\t15,3\t=>\t3,6",
        "Gewinnklasse 9\t=>\t0,1\t=>\t0,0",
        UiText::line(TextLine::BacktestClassesByChance),
        "",
        "2 Ziehungen",
    };
    QCOMPARE(lines.mid(0, expected.size()), expected);
    // The comparison with chance follows and ends the report; these passes
    // recorded no board to test.
    QCOMPARE(lines[expected.size()], QString());
    QCOMPARE(lines.constLast(), QStringLiteral("Ohne bewertete Reihen ist kein Vergleich mit dem Zufall möglich."));
    // Draws without a bonus number leave the seven classes of hits alone,
    // and the caveat counts them.
    QVERIFY(lines.contains(UiText::line(TextLine::ChanceDescribeOnly).arg(7)));
}

void TestBacktest::prizeClasses_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("bonus");
    QTest::addColumn<int>("super");
    QTest::addColumn<int>("ticketSuper");
    QTest::addColumn<QStringList>("classLines"); // the lines between "6x" and the blank line

    const QString ticket = UiText::line(TextLine::BacktestClassesTicket);
    const QString chance = UiText::line(TextLine::BacktestClassesByChance);
    const auto classes = [](std::initializer_list<const char*> counts) {
        QStringList lines;
        int c = 0;
        for (const char* count : counts)
            lines << QStringLiteral("Gewinnklasse %1\t=>\t%2\t=>\t").arg(++c).arg(QLatin1String(count))
                         + (QLatin1String(count).contains(QLatin1Char(',')) ? QStringLiteral("0,0") : QStringLiteral("0"));
        return lines;
    };
    // The pass: one row with 6 hits, two with 3, one with 5 and the bonus
    // number (which counts only where a bonus was drawn), four with 2, on a
    // Saturday.
    QTest::newRow("today's rules, ticket's super number drawn")
        << QDate(2020, 12, 5) << 0 << 8 << 8
        << classes({"1", "0", "1", "0", "0", "0", "2", "0", "4"}) + QStringList{ticket.arg(8)};
    QTest::newRow("today's rules, another super number")
        << QDate(2020, 12, 5) << 0 << 8 << 3
        << classes({"0", "1", "0", "1", "0", "0", "0", "2", "0"}) + QStringList{ticket.arg(3)};
    // A stored 0 is the drawn super number.
    QTest::newRow("today's rules, super number 0")
        << QDate(2020, 12, 5) << 0 << 0 << 0
        << classes({"1", "0", "1", "0", "0", "0", "2", "0", "4"}) + QStringList{ticket.arg(0)};
    QTest::newRow("today's rules, no ticket number: 1/10")
        << QDate(2020, 12, 5) << 0 << 8 << -1
        << classes({"0,1", "0,9", "0,1", "0,9", "0,0", "0,0", "0,2", "1,8", "0,4"}) + QStringList{chance};
    QTest::newRow("bonus rules, no ticket number")
        << QDate(2013, 4, 27) << 7 << 9 << -1
        << classes({"0,1", "0,9", "1,0", "0,0", "0,0", "0,0", "0,0", "2,0"}) + QStringList{chance};
    QTest::newRow("bonus rules, ticket's super number drawn")
        << QDate(2013, 4, 27) << 7 << 9 << 9
        << classes({"1", "0", "1", "0", "0", "0", "0", "2"}) + QStringList{ticket.arg(9)};
    QTest::newRow("before the first class table") << QDate(1999, 5, 15) << 7 << 9 << 9
                                                   << QStringList{UiText::line(TextLine::NoClassTable)};
}

void TestBacktest::prizeClasses()
{
    QFETCH(QDate, date);
    QFETCH(int, bonus);
    QFETCH(int, super);
    QFETCH(int, ticketSuper);
    QFETCH(QStringList, classLines);
    BacktestCounts counts;
    counts.ticketSuper = ticketSuper;
    counts.addPass(statistik({{6, 0, 1}, {3, 0, 2}, {5, 1, 1}, {2, 0, 4}}),
                   makeDraw(date, {1, 2, 3, 4, 5, 6}, bonus, super), {});
    const QStringList lines = Backtest::report(counts, {QStringLiteral("Kopf"), QStringLiteral("Ziehungen"), QString()}, false);
    const qsizetype first = lines.indexOf(QStringLiteral("6x\t=>\t1\t=>\t0")) + 1;
    QVERIFY(first > 0);
    QCOMPARE(lines.mid(first, lines.indexOf(QString(), first) - first), classLines);
}

void TestBacktest::stoppedRunSaysSoLast()
{
    BacktestCounts counts;
    counts.addPass(statistik({{0, 0, 12}}), makeDraw(QDate(2020, 12, 5), {1, 2, 3, 4, 5, 6}, 7), {});
    const QStringList lines = Backtest::report(
        counts, {QStringLiteral("Kopf"), QStringLiteral("Ziehungen"), QStringLiteral("Stopped after %1 passes.")}, true);
    // The stop line is the interface language's, as in the status bar.
    QCOMPARE(lines.constLast(), QStringLiteral("Stopped after 1 passes."));
}

QTEST_APPLESS_MAIN(TestBacktest)
#include "tst_backtest.moc"
