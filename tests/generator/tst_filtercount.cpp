#include "DrawFixture.h"

#include "generator/FilterCount.h"

#include <QTest>

#include <algorithm>
#include <random>
#include <vector>

namespace {

bool plainIsPrime(int n)
{
    if (n < 2)
        return false;
    for (int d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return true;
}

// What a row is, as the filters see it; worked out the plain way.
struct RowTraits {
    int sum = 0;
    int even = 0;
    int primes = 0;
    bool pair = false;
    bool triple = false;
};

RowTraits traitsOf(const std::array<int, 6>& row)
{
    RowTraits t;
    for (int i = 0; i < 6; ++i) {
        t.sum += row[i];
        t.even += row[i] % 2 == 0;
        t.primes += plainIsPrime(row[i]);
    }
    for (int i = 0; i + 1 < 6; ++i)
        t.pair = t.pair || row[i + 1] - row[i] == 1;
    for (int i = 0; i + 2 < 6; ++i)
        t.triple = t.triple || (row[i + 1] - row[i] == 1 && row[i + 2] - row[i + 1] == 1);
    return t;
}

bool plainPasses(const RowTraits& t, const RowFilterSettings& s)
{
    return t.sum >= s.crossSumMin && t.sum <= s.crossSumMax && (!s.forcePair || t.pair)
        && (!s.noTriples || !t.triple) && t.even >= s.minEven && 6 - t.even >= s.minOdd
        && t.primes >= s.minPrimes;
}

// Every possible row, tallied by its traits, so that the expected count of
// any setting is a sum over the tally instead of another walk over all rows.
struct Tally {
    struct Cell {
        RowTraits traits;
        qint64 rows = 0;
    };
    std::vector<Cell> cells;

    static Tally ofAllRows()
    {
        // Flat, indexed by sum, even, primes, pair and run.
        auto index = [](const RowTraits& t) {
            return (((t.sum * 7 + t.even) * 7 + t.primes) * 2 + t.pair) * 2 + t.triple;
        };
        std::vector<qint64> counts(280 * 7 * 7 * 2 * 2);
        std::array<int, 6> r{};
        for (r[0] = 1; r[0] <= 49; ++r[0])
            for (r[1] = r[0] + 1; r[1] <= 49; ++r[1])
                for (r[2] = r[1] + 1; r[2] <= 49; ++r[2])
                    for (r[3] = r[2] + 1; r[3] <= 49; ++r[3])
                        for (r[4] = r[3] + 1; r[4] <= 49; ++r[4])
                            for (r[5] = r[4] + 1; r[5] <= 49; ++r[5])
                                ++counts[static_cast<std::size_t>(index(traitsOf(r)))];
        Tally tally;
        for (int sum = 0; sum < 280; ++sum)
            for (int even = 0; even <= 6; ++even)
                for (int primes = 0; primes <= 6; ++primes)
                    for (bool pair : {false, true})
                        for (bool triple : {false, true}) {
                            const RowTraits t{sum, even, primes, pair, triple};
                            if (const qint64 rows = counts[static_cast<std::size_t>(index(t))])
                                tally.cells.push_back({t, rows});
                        }
        return tally;
    }

    qint64 passing(const RowFilterSettings& s) const
    {
        qint64 total = 0;
        for (const Cell& cell : cells)
            if (plainPasses(cell.traits, s))
                total += cell.rows;
        return total;
    }
};

RowFilterSettings nothingFiltered()
{
    RowFilterSettings s;
    s.crossSumMin = 21;
    s.crossSumMax = 279;
    s.noTriples = false;
    return s;
}

} // namespace

Q_DECLARE_METATYPE(RowFilterSettings)

class TestFilterCount : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void knownFigures_data();
    void knownFigures();
    void agreesWithPlainCount_data();
    void agreesWithPlainCount();
    void randomSettingsAgreeWithPlainCount();
    void settingsFromParameters();
    void rowFilterExamples_data();
    void rowFilterExamples();
    void storedDraws();
    void cancelledCountGivesNothing();

private:
    Tally tally_;
};

void TestFilterCount::initTestCase()
{
    tally_ = Tally::ofAllRows();
    qint64 rows = 0;
    for (const Tally::Cell& cell : tally_.cells)
        rows += cell.rows;
    QCOMPARE(rows, kPossibleRows);
}

void TestFilterCount::knownFigures_data()
{
    QTest::addColumn<RowFilterSettings>("settings");
    QTest::addColumn<qint64>("expected");
    RowFilterSettings s = nothingFiltered();
    QTest::newRow("nothing filtered") << s << kPossibleRows;
    s.crossSumMax = 21;
    QTest::newRow("cross sum exactly 21: 1 2 3 4 5 6") << s << qint64(1);
    s.crossSumMin = s.crossSumMax = 279;
    QTest::newRow("cross sum exactly 279: 44 .. 49") << s << qint64(1);
    s.noTriples = true;
    QTest::newRow("the only row of 279 is a run") << s << qint64(0);
    s = nothingFiltered();
    s.crossSumMin = 200;
    s.crossSumMax = 100;
    QTest::newRow("lowest above highest") << s << qint64(0);
    s = nothingFiltered();
    s.minPrimes = 6;
    QTest::newRow("six primes: 15 choose 6") << s << qint64(5005);
    s = nothingFiltered();
    s.minEven = 6;
    QTest::newRow("six even: 24 choose 6") << s << qint64(134596);
    s = nothingFiltered();
    s.minEven = 3;
    s.minOdd = 3;
    QTest::newRow("three even, three odd: 24c3 * 25c3") << s << qint64(2024 * 2300);
    s = nothingFiltered();
    s.minEven = 4;
    s.minOdd = 3;
    QTest::newRow("even and odd over six") << s << qint64(0);
    s = nothingFiltered();
    s.forcePair = true;
    // No pair: choose 6 gaps-of-at-least-two rows, i.e. 44 choose 6.
    QTest::newRow("pair required") << s << kPossibleRows - qint64(7059052);
}

void TestFilterCount::knownFigures()
{
    QFETCH(RowFilterSettings, settings);
    QFETCH(qint64, expected);
    QCOMPARE(countPassingRows(settings), std::optional<qint64>(expected));
    QCOMPARE(tally_.passing(settings), expected); // the plain count agrees too
}

void TestFilterCount::agreesWithPlainCount_data()
{
    QTest::addColumn<RowFilterSettings>("settings");
    QTest::newRow("design defaults") << RowFilterSettings{};
    RowFilterSettings s = nothingFiltered();
    s.noTriples = true;
    QTest::newRow("no runs alone") << s;
    s.forcePair = true;
    QTest::newRow("pair but no runs") << s;
    s = RowFilterSettings{};
    s.forcePair = true;
    s.minEven = 2;
    s.minOdd = 2;
    s.minPrimes = 2;
    QTest::newRow("every filter on") << s;
    s.crossSumMin = 140;
    s.crossSumMax = 160;
    QTest::newRow("every filter on, narrow sums") << s;
    s = nothingFiltered();
    s.minPrimes = 1;
    s.crossSumMax = 60;
    QTest::newRow("low sums with a prime") << s;
}

void TestFilterCount::agreesWithPlainCount()
{
    QFETCH(RowFilterSettings, settings);
    QCOMPARE(countPassingRows(settings), std::optional<qint64>(tally_.passing(settings)));
}

void TestFilterCount::randomSettingsAgreeWithPlainCount()
{
    std::mt19937 random(77);
    for (int i = 0; i < 40; ++i) {
        RowFilterSettings s;
        s.crossSumMin = 21 + static_cast<int>(random() % 259);
        s.crossSumMax = i % 3 == 0 ? 279 : 21 + static_cast<int>(random() % 259);
        s.forcePair = random() % 2;
        s.noTriples = random() % 2;
        s.minEven = random() % 2 ? static_cast<int>(random() % 7) : 0;
        s.minOdd = random() % 2 ? static_cast<int>(random() % 7) : 0;
        s.minPrimes = random() % 2 ? static_cast<int>(random() % 7) : 0;
        const std::optional<qint64> counted = countPassingRows(s);
        QVERIFY(counted);
        if (*counted != tally_.passing(s))
            QFAIL(qPrintable(QStringLiteral("sums %1..%2 pair %3 no runs %4 even %5 odd %6 primes %7: %8, "
                                            "plain count %9")
                                 .arg(s.crossSumMin).arg(s.crossSumMax).arg(s.forcePair).arg(s.noTriples)
                                 .arg(s.minEven).arg(s.minOdd).arg(s.minPrimes).arg(*counted)
                                 .arg(tally_.passing(s))));
    }
}

void TestFilterCount::settingsFromParameters()
{
    // A minimum whose box is off does not filter, whatever its value.
    GenerationParams params;
    params.minEven = 5;
    params.minOdd = 5;
    params.minPrimes = 5;
    params.crossSumMin = 60;
    params.crossSumMax = 200;
    params.forcePair = true;
    params.noTriples = false;
    RowFilterSettings expected;
    expected.crossSumMin = 60;
    expected.crossSumMax = 200;
    expected.forcePair = true;
    expected.noTriples = false;
    QCOMPARE(RowFilterSettings::from(params), expected);
    params.minEvenOn = params.minOddOn = params.minPrimesOn = true;
    expected.minEven = expected.minOdd = expected.minPrimes = 5;
    QCOMPARE(RowFilterSettings::from(params), expected);
}

void TestFilterCount::rowFilterExamples_data()
{
    QTest::addColumn<QList<int>>("row");
    QTest::addColumn<RowFilterSettings>("settings");
    QTest::addColumn<bool>("passes");
    RowFilterSettings noRuns = nothingFiltered();
    noRuns.noTriples = true;
    QTest::newRow("run of three") << QList<int>{5, 6, 7, 20, 30, 40} << noRuns << false;
    QTest::newRow("two pairs, no run") << QList<int>{5, 6, 20, 21, 30, 40} << noRuns << true;
    RowFilterSettings pair = nothingFiltered();
    pair.forcePair = true;
    QTest::newRow("two pairs satisfy the pair") << QList<int>{5, 6, 20, 21, 30, 40} << pair << true;
    QTest::newRow("no neighbours") << QList<int>{1, 3, 5, 7, 9, 11} << pair << false;
    const RowFilterSettings sums; // 50..250
    QTest::newRow("sum 49") << QList<int>{1, 3, 5, 7, 9, 24} << sums << false;
    QTest::newRow("sum 50") << QList<int>{1, 3, 5, 7, 9, 25} << sums << true;
    QTest::newRow("sum 250") << QList<int>{35, 38, 40, 44, 46, 47} << sums << true;
    QTest::newRow("sum 251") << QList<int>{35, 38, 40, 44, 46, 48} << sums << false;
    RowFilterSettings primes = nothingFiltered();
    primes.minPrimes = 2;
    QTest::newRow("1 is no prime") << QList<int>{1, 4, 6, 8, 9, 47} << primes << false;
    QTest::newRow("2 and 47") << QList<int>{2, 4, 6, 8, 9, 47} << primes << true;
}

void TestFilterCount::rowFilterExamples()
{
    QFETCH(QList<int>, row);
    QFETCH(RowFilterSettings, settings);
    QFETCH(bool, passes);
    std::array<int, 6> sorted{};
    std::copy(row.begin(), row.end(), sorted.begin());
    QCOMPARE(passesRowFilters(sorted, settings), passes);
}

void TestFilterCount::storedDraws()
{
    // Draws stored in any order, and damaged records that count in neither
    // figure: a repeated number, a 0, a value above 49.
    const QDate day(2020, 5, 2);
    const std::vector<Draw> draws{
        makeDraw(day, {40, 30, 7, 6, 5, 20}, 1),    // run 5 6 7
        makeDraw(day, {21, 5, 20, 6, 30, 40}, 1),   // two pairs
        makeDraw(day, {1, 3, 5, 7, 9, 24}, 2),      // sum 49
        makeDraw(day, {2, 3, 5, 7, 11, 29}, 4),     // six primes, a pair
        makeDraw(day, {5, 5, 20, 21, 30, 40}, 1),   // damaged
        makeDraw(day, {0, 6, 20, 21, 30, 40}, 1),   // damaged
        makeDraw(day, {50, 6, 20, 21, 30, 40}, 1),  // damaged
    };
    RowFilterSettings s; // sums 50..250, no runs
    QCOMPARE(countPassingDraws(draws, s), (DrawPassCount{2, 4}));
    s.forcePair = true;
    s.minPrimes = 3;
    QCOMPARE(countPassingDraws(draws, s), (DrawPassCount{1, 4}));
    QCOMPARE(countPassingDraws({}, s), (DrawPassCount{0, 0}));

    // Against the plain check on many random records.
    std::mt19937 random(5);
    std::vector<Draw> many;
    qint64 passed = 0;
    qint64 valid = 0;
    for (int i = 0; i < 3000; ++i) {
        std::array<int, 6> numbers{};
        for (int& n : numbers)
            n = 1 + static_cast<int>(random() % (i % 10 == 0 ? 52 : 49));
        many.push_back(makeDraw(day, numbers, 0));
        std::array<int, 6> sorted = numbers;
        std::sort(sorted.begin(), sorted.end());
        if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end() || sorted[5] > 49)
            continue;
        ++valid;
        passed += plainPasses(traitsOf(sorted), s);
    }
    QCOMPARE(countPassingDraws(many, s), (DrawPassCount{passed, valid}));
}

void TestFilterCount::cancelledCountGivesNothing()
{
    const std::atomic<bool> cancel{true};
    QCOMPARE(countPassingRows(RowFilterSettings{}, &cancel), std::nullopt);
}

QTEST_GUILESS_MAIN(TestFilterCount)
#include "tst_filtercount.moc"
