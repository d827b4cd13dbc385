#include "generator/HistoryIndex.h"
#include "generator/Random.h"
#include "generator/TipGeneration.h"

#include "DrawFixture.h"
#include "draws/DateSerial.h"

#include <QTest>

namespace {

// Saturday, Wednesday, Saturday, Wednesday, Saturday.
std::vector<Draw> fiveDraws()
{
    return {makeDraw(QDate(2020, 12, 5), {1, 2, 3, 4, 5, 6}, 7),
            makeDraw(QDate(2020, 12, 9), {11, 12, 13, 14, 15, 16}, 17),
            makeDraw(QDate(2020, 12, 12), {21, 22, 23, 24, 25, 26}, 27),
            makeDraw(QDate(2020, 12, 16), {31, 32, 33, 34, 35, 36}, 37),
            makeDraw(QDate(2020, 12, 19), {41, 42, 43, 44, 45, 46}, 47)};
}

// A made-up history of some hundred draws, so every statistic has bars.
std::vector<Draw> longHistory()
{
    std::vector<Draw> draws;
    Random random(99);
    for (QDate day(2018, 1, 6); day < QDate(2020, 12, 31); day = day.addDays(7)) {
        std::array<int, 6> numbers{};
        std::array<bool, 50> used{};
        for (int& n : numbers) {
            do n = int(random.below(49)) + 1; while (used[std::size_t(n)]);
            used[std::size_t(n)] = true;
        }
        draws.push_back(makeDraw(day, numbers, 0));
    }
    return draws;
}

} // namespace

class TestTipGeneration : public QObject {
    Q_OBJECT
private slots:
    void references_data();
    void references();
    void valueBounds_data();
    void valueBounds();
    void runsWithoutWindow();
};

void TestTipGeneration::references_data()
{
    QTest::addColumn<QDate>("endDay");
    QTest::addColumn<bool>("wednesdays");
    QTest::addColumn<QList<int>>("firstNumbers"); // of last, second-last, third-last; 0: the current draw

    QTest::newRow("last three draws") << QDate(2020, 12, 19) << true << QList<int>{41, 31, 21};
    // Stepping back, as the "previous draw" button does, never reaches the
    // oldest record and stops where nothing earlier is admitted.
    QTest::newRow("Saturdays only") << QDate(2020, 12, 19) << false << QList<int>{41, 21, 21};
    // From a day without a draw the next draw is the last one.
    QTest::newRow("day without a draw") << QDate(2020, 12, 10) << true << QList<int>{21, 11, 11};
    QTest::newRow("first draw") << QDate(2020, 12, 5) << true << QList<int>{1, 11, 11};
    QTest::newRow("second draw") << QDate(2020, 12, 9) << true << QList<int>{11, 11, 11};
    QTest::newRow("no draws") << QDate() << true << QList<int>{0, 0, 0};
}

void TestTipGeneration::references()
{
    QFETCH(QDate, endDay);
    QFETCH(bool, wednesdays);
    QFETCH(QList<int>, firstNumbers);
    const std::vector<Draw> draws = endDay.isValid() ? fiveDraws() : std::vector<Draw>{};
    DrawNumbers current{};
    current[1] = 0;

    const ReferenceDraws found =
        referenceDraws(draws, endDay.isValid() ? DateSerial::fromDate(endDay) : 0.0, true, wednesdays, current);

    QCOMPARE((QList<int>{found.last[1], found.secondLast[1], found.thirdLast[1]}), firstNumbers);
}

void TestTipGeneration::valueBounds_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");

    // Automatic bounds start at zero, as the chart's axis does.
    QTest::newRow("automatic") << QList<double>{3, 9, 5} << true << 0.0 << 9.0;
    QTest::newRow("automatic, below zero") << QList<double>{-2, 4} << true << -2.0 << 4.0;
    QTest::newRow("fixed range") << QList<double>{3, 9, 5} << false << 2.0 << 11.0;
}

void TestTipGeneration::valueBounds()
{
    QFETCH(QList<double>, values);
    QFETCH(bool, automatic);
    QFETCH(double, min);
    QFETCH(double, max);
    ChartData chart;
    for (int i = 0; i < values.size(); ++i)
        chart.bars.append(StatBar{double(i + 1), values[i], std::nullopt});
    chart.leftAutomatic = automatic;
    chart.leftMin = 2.0;
    chart.leftMax = 11.0;

    const std::optional<StatisticValues> read = statisticValues(chart);

    QVERIFY(read);
    QCOMPARE(read->values, std::vector<double>(values.begin(), values.end()));
    QCOMPARE(read->min, min);
    QCOMPARE(read->max, max);
    QVERIFY(!statisticValues(ChartData{}));
}

void TestTipGeneration::runsWithoutWindow()
{
    const std::vector<Draw> draws = longHistory();
    const HistoryIndex history(draws);
    GeneratorSettings settings;
    settings.history.start = DateSerial::fromDate(QDate(2018, 1, 1));
    settings.history.end = draws.back().datum;
    BoardState board;
    board.locked[2] = true;
    board.rows[2] = {4, 9, 16, 25, 36, 49};
    const TipGenerationInput input{draws, history, settings, board, 50000, DrawNumbers{}};

    std::array<Row, kBoardRows> first{};
    for (int run = 0; run < 2; ++run) {
        Random random(4711);
        TipGenerationHost host(input);
        const TipGenerationResult result = generateTips(input, random, host);
        QVERIFY(result.rows);
        QCOMPARE(result.rows->rowsGenerated, 11);
        QCOMPARE(result.rows->rows[2], (Row{4, 9, 16, 25, 36, 49}));
        QCOMPARE(result.references.last, draws.back().zahl());
        // One seed, one history, one set of settings: the same rows.
        if (run == 0)
            first = result.rows->rows;
        else
            QCOMPARE(result.rows->rows, first);
    }
}

QTEST_GUILESS_MAIN(TestTipGeneration)
#include "tst_tipgeneration.moc"
