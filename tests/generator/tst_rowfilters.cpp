#include "generator/HistoryIndex.h"
#include "generator/RowFilters.h"

#include "DrawFixture.h"
#include "draws/DateSerial.h"

#include <QTest>

#include <functional>

Q_DECLARE_METATYPE(Row)
Q_DECLARE_METATYPE(Filter)

using Setup = std::function<void(GenerationParams&, CountingWindow&)>;
Q_DECLARE_METATYPE(Setup)

namespace {

const QDate kEnd(2024, 6, 29);   // a Saturday
const QDate kStart(2019, 1, 5);

// Every filter off, the widest cross-sum range: each row switches on what it tests.
GenerationParams allOff()
{
    GenerationParams p;
    p.overlapCeilingOn = p.overlapFloorOn = p.overlapEachRow = false;
    p.limitLastDraw = p.limitSecondLastDraw = p.limitThirdLastDraw = false;
    p.rejectDatabaseHits = p.rejectRecentHits = p.rejectRecentHits2 = false;
    p.forcePair = p.noTriples = false;
    p.crossSumMin = 21;
    p.crossSumMax = 279;
    return p;
}

std::vector<Draw> history()
{
    return {
        makeDraw(kStart, {1, 2, 3, 4, 5, 6}, 7),                   // on the start date
        makeDraw(QDate(2020, 1, 4), {40, 41, 42, 43, 44, 45}, 46),
        makeDraw(QDate(2021, 3, 3), {1, 2, 3, 4, 5, 49}, 48),      // a Wednesday
        makeDraw(kEnd.addDays(-35), {30, 31, 32, 33, 34, 35}, 36), // just outside 10 draws
        makeDraw(kEnd.addDays(-34), {20, 21, 22, 23, 24, 25}, 26), // just inside
        makeDraw(kEnd.addDays(-3), {10, 11, 12, 13, 14, 15}, 16),
        makeDraw(kEnd.addDays(1), {17, 18, 19, 27, 28, 29}, 37),   // after the end date
    };
}

ReferenceDraws references()
{
    ReferenceDraws draws;
    draws.last = {0, 3, 9, 17, 25, 33, 41, 12, 5};
    draws.secondLast = {0, 2, 4, 6, 8, 10, 14, 16, 0};
    draws.thirdLast = {0, 1, 11, 21, 31, 41, 47, 48, 0};
    return draws;
}

} // namespace

class TestRowFilters : public QObject {
    Q_OBJECT
private slots:
    void chain_data();
    void chain();
};

void TestRowFilters::chain_data()
{
    QTest::addColumn<Row>("candidate");
    QTest::addColumn<QList<Row>>("rowsMade");
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<Filter>("expected");

    const QList<Row> none;
    const Row a{1, 2, 3, 4, 30, 40};
    const Row b{1, 20, 22, 24, 26, 28};
    const auto ceiling = [](GenerationParams& p, CountingWindow&) {
        p.overlapCeilingOn = true;
        p.overlapCeiling = 2;
    };
    QTest::newRow("ceiling: 4 with one row, 1 with another passes")
        << Row{1, 2, 3, 4, 45, 46} << QList<Row>{a, b} << Setup(ceiling) << Filter::None;
    QTest::newRow("ceiling: 3 with both rows is rejected")
        << Row{1, 2, 3, 22, 24, 26} << QList<Row>{a, b} << Setup(ceiling) << Filter::Overlap;
    QTest::newRow("ceiling: no row made yet")
        << Row{1, 2, 3, 4, 30, 40} << none << Setup(ceiling) << Filter::None;
    const auto floor2 = [](GenerationParams& p, CountingWindow&) {
        p.overlapFloorOn = true;
        p.overlapFloor = 2;
    };
    QTest::newRow("floor: one row close enough passes")
        << Row{1, 2, 10, 11, 12, 13} << QList<Row>{a, b} << Setup(floor2) << Filter::None;
    QTest::newRow("floor: no row close enough")
        << Row{1, 10, 11, 12, 13, 14} << QList<Row>{a, b} << Setup(floor2) << Filter::Overlap;
    const auto each = [](GenerationParams& p, CountingWindow&) {
        p.overlapEachRow = true;
        p.overlapFloor = 1;
        p.overlapCeiling = 5;
    };
    QTest::newRow("each row: an empty row made fails every floor of 1")
        << Row{1, 2, 3, 4, 5, 6} << QList<Row>{a, Row{}} << Setup(each) << Filter::Overlap;
    QTest::newRow("each row: every row within floor and ceiling")
        << Row{1, 2, 5, 6, 7, 8} << QList<Row>{a, b} << Setup(each) << Filter::None;

    const auto pair = [](GenerationParams& p, CountingWindow&) { p.forcePair = true; };
    QTest::newRow("pair present") << Row{5, 6, 20, 21, 30, 40} << none << Setup(pair) << Filter::None;
    QTest::newRow("pair missing") << Row{5, 7, 20, 22, 30, 40} << none << Setup(pair) << Filter::Pair;
    const auto noRuns = [](GenerationParams& p, CountingWindow&) { p.noTriples = true; };
    QTest::newRow("run of three") << Row{5, 6, 7, 20, 30, 40} << none << Setup(noRuns) << Filter::Run;
    QTest::newRow("two pairs are no run")
        << Row{5, 6, 20, 21, 30, 40} << none << Setup(noRuns) << Filter::None;

    const auto sums = [](GenerationParams& p, CountingWindow&) {
        p.crossSumMin = 50;
        p.crossSumMax = 250;
    };
    QTest::newRow("cross sum 49 below 50") << Row{1, 3, 5, 7, 9, 24} << none << Setup(sums) << Filter::CrossSum;
    QTest::newRow("cross sum 50 allowed") << Row{1, 3, 5, 7, 9, 25} << none << Setup(sums) << Filter::None;
    QTest::newRow("cross sum 250 allowed") << Row{30, 40, 43, 44, 46, 47} << none << Setup(sums) << Filter::None;
    QTest::newRow("cross sum 251 above 250") << Row{30, 40, 43, 44, 46, 48} << none << Setup(sums) << Filter::CrossSum;

    const auto lastWithBonus = [](GenerationParams& p, CountingWindow&) {
        p.limitLastDraw = true;
        p.lastDrawLimit = 1;
    };
    const auto lastWithoutBonus = [](GenerationParams& p, CountingWindow&) {
        p.limitLastDraw = true;
        p.lastDrawLimit = 1;
        p.bonusCountsAsHit = false;
    };
    QTest::newRow("last draw: 3 and bonus 12 count 2")
        << Row{3, 12, 20, 30, 40, 45} << none << Setup(lastWithBonus) << Filter::LastDraws;
    QTest::newRow("last draw: without the bonus rule 1")
        << Row{3, 12, 20, 30, 40, 45} << none << Setup(lastWithoutBonus) << Filter::None;
    const auto thirdLast = [](GenerationParams& p, CountingWindow&) {
        p.limitThirdLastDraw = true;
        p.thirdLastDrawLimit = 2;
    };
    QTest::newRow("third-last draw: 3 above 2")
        << Row{1, 11, 21, 30, 40, 45} << none << Setup(thirdLast) << Filter::LastDraws;
    QTest::newRow("third-last draw: 2 allowed")
        << Row{1, 11, 22, 30, 40, 45} << none << Setup(thirdLast) << Filter::None;

    const auto even4 = [](GenerationParams& p, CountingWindow&) {
        p.minEvenOn = true;
        p.minEven = 4;
    };
    QTest::newRow("3 even, 4 wanted") << Row{2, 4, 6, 7, 9, 11} << none << Setup(even4) << Filter::EvenOdd;
    QTest::newRow("4 even") << Row{2, 4, 6, 8, 9, 11} << none << Setup(even4) << Filter::None;
    const auto odd3 = [](GenerationParams& p, CountingWindow&) {
        p.minOddOn = true;
        p.minOdd = 3;
    };
    QTest::newRow("2 odd, 3 wanted") << Row{2, 4, 6, 8, 9, 11} << none << Setup(odd3) << Filter::EvenOdd;
    const auto primes3 = [](GenerationParams& p, CountingWindow&) {
        p.minPrimesOn = true;
        p.minPrimes = 3;
    };
    QTest::newRow("2 primes, 3 wanted") << Row{2, 4, 6, 8, 9, 11} << none << Setup(primes3) << Filter::Primes;
    QTest::newRow("3 primes") << Row{2, 3, 6, 8, 9, 11} << none << Setup(primes3) << Filter::None;

    const auto recent = [](GenerationParams& p, CountingWindow&) {
        p.rejectRecentHits = true;
        p.recentHitCount = 3;
        p.recentDraws = 10;
    };
    QTest::newRow("recent: 3 hits 3 days ago")
        << Row{10, 11, 12, 30, 40, 49} << none << Setup(recent) << Filter::RecentWindow;
    QTest::newRow("recent: 34 days ago is inside")
        << Row{20, 21, 22, 30, 40, 49} << none << Setup(recent) << Filter::RecentWindow;
    QTest::newRow("recent: 35 days ago is outside")
        << Row{30, 31, 32, 38, 40, 49} << none << Setup(recent) << Filter::None;
    QTest::newRow("recent: a draw after the end date does not count")
        << Row{17, 18, 19, 38, 40, 49} << none << Setup(recent) << Filter::None;
    QTest::newRow("recent: 2 hits and the bonus")
        << Row{10, 11, 16, 38, 40, 49} << none << Setup(recent) << Filter::RecentWindow;
    QTest::newRow("recent: 2 hits, bonus rule off")
        << Row{10, 11, 16, 38, 40, 49} << none
        << Setup([recent](GenerationParams& p, CountingWindow& w) {
               recent(p, w);
               p.bonusCountsAsHit = false;
           })
        << Filter::None;
    QTest::newRow("second recent window")
        << Row{20, 21, 22, 23, 40, 49} << none
        << Setup([](GenerationParams& p, CountingWindow&) {
               p.rejectRecentHits2 = true;
               p.recentHitCount2 = 4;
               p.recentDraws2 = 100;
           })
        << Filter::RecentWindow2;

    const auto database = [](GenerationParams& p, CountingWindow&) {
        p.rejectDatabaseHits = true;
        p.databaseHitCount = 5;
    };
    QTest::newRow("database: 5 hits in the window")
        << Row{1, 40, 41, 42, 43, 44} << none << Setup(database) << Filter::CountingWindow;
    QTest::newRow("database: 4 hits are fewer than 5")
        << Row{1, 9, 40, 41, 42, 43} << none << Setup(database) << Filter::None;
    QTest::newRow("database: 5 hits on a Wednesday with both weekdays")
        << Row{1, 2, 3, 4, 5, 40} << none << Setup(database) << Filter::CountingWindow;
    QTest::newRow("database: the start date itself and Wednesdays excluded")
        << Row{1, 2, 3, 4, 5, 40} << none
        << Setup([database](GenerationParams& p, CountingWindow& w) {
               database(p, w);
               w.wednesdays = false;
           })
        << Filter::None;
    QTest::newRow("database: threshold 6")
        << Row{1, 40, 41, 42, 43, 44} << none
        << Setup([database](GenerationParams& p, CountingWindow& w) {
               database(p, w);
               p.databaseHitCount = 6;
           })
        << Filter::None;

    QTest::newRow("the first failing filter in the chain order")
        << Row{10, 11, 12, 13, 14, 15} << none
        << Setup([noRuns, recent](GenerationParams& p, CountingWindow& w) {
               noRuns(p, w);
               recent(p, w);
           })
        << Filter::Run;
}

void TestRowFilters::chain()
{
    QFETCH(Row, candidate);
    QFETCH(QList<Row>, rowsMade);
    QFETCH(Setup, setup);
    QFETCH(Filter, expected);

    GeneratorSettings settings;
    settings.params = allOff();
    settings.history.start = DateSerial::fromDate(kStart);
    settings.history.end = DateSerial::fromDate(kEnd);
    setup(settings.params, settings.history);

    const std::vector<Draw> draws = history();
    const HistoryIndex index(draws);
    const ReferenceDraws refs = references();
    const std::vector<Row> made(rowsMade.begin(), rowsMade.end());
    const FilterContext context{settings, settings.params.forcePair, made, refs, index};
    QCOMPARE(firstFailingFilter(candidate, context), expected);
}

QTEST_GUILESS_MAIN(TestRowFilters)
#include "tst_rowfilters.moc"
