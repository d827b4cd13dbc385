// The run counts (pairs, triples, quads) work on a bit mask of the drawn
// numbers. The straightforward way checks every starting number with the
// ticket comparison; it is kept here as the reference, and both must agree
// on every database, damaged records included.

#include "DrawFixture.h"

#include "draws/DateSerial.h"
#include "draws/DrawFile.h"
#include "evaluation/Zettelcheck.h"
#include "stats/CounterChart.h"
#include "stats/GroupStats.h"

#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>
#include <random>

namespace {

// The counting as it was: the row n..n+L-1, filled up with 0, is a run when
// the comparison finds exactly L hits on the six drawn numbers.
StatResult referenceGroupCounts(const DrawSource& source, const CountingWindow& window, GroupKind kind)
{
    const StatsTexts texts;
    CountingWindow selection = window;
    selection.startInclusive = false;
    const int length = static_cast<int>(kind);
    const int lastStart = kind == GroupKind::Pairs ? 48 : 47;
    const int lastBar = kind == GroupKind::Pairs ? 48 : kind == GroupKind::Triples ? 47 : 49;
    const QString& word = kind == GroupKind::Pairs ? texts.paare
        : kind == GroupKind::Triples               ? texts.dreier
                                                   : texts.vierer;
    std::array<qint32, 50> counters{};
    qint32 runs = 0;
    StatResult result;
    result.error = source.forEach([&](const Draw& draw) {
        if (!selection.admits(draw))
            return;
        ++result.drawCount;
        const std::array<qint32, 9> zahl = draw.zahl();
        result.lastDraw = zahl;
        std::array<int, 6> row{};
        for (int start = 1; start <= lastStart; ++start) {
            for (int k = 0; k < length; ++k)
                row[static_cast<std::size_t>(k)] = start + k;
            if (zettelcheck(row, zahl).gewinn == length) {
                ++counters[static_cast<std::size_t>(start)];
                ++runs;
            }
        }
    });
    if (!result.ok()) {
        result.lastDraw.reset();
        return result;
    }
    const LeftAxis axis = kind == GroupKind::Quads ? LeftAxis::Automatic : LeftAxis::CounterRange;
    result.chart = counterChart(counters, 1, lastBar, BarColouring::Series, axis);
    result.chart.caption = texts.ziehungen + QStringLiteral(": ") + QString::number(result.drawCount)
        + QStringLiteral("     ") + word + QLatin1Char(' ') + texts.gefunden + QStringLiteral(" : ")
        + QString::number(runs);
    return result;
}

// Mostly plausible draws on every weekday, with damaged records mixed in:
// repeated numbers, 0, values above 49 (50 can complete the quad row at 47),
// the largest byte, and unreadable dates.
std::vector<Draw> randomDraws(std::mt19937& random, int count)
{
    std::vector<Draw> draws;
    QDate date(1990, 1, 1);
    for (int i = 0; i < count; ++i) {
        date = date.addDays(1 + static_cast<int>(random() % 4));
        std::vector<int> pool(49);
        for (int n = 0; n < 49; ++n)
            pool[static_cast<std::size_t>(n)] = n + 1;
        std::shuffle(pool.begin(), pool.end(), random);
        std::array<int, 6> numbers{};
        for (std::size_t k = 0; k < 6; ++k)
            numbers[k] = pool[k];
        // Runs are rare at random; plant some so every bar gets counts.
        if (random() % 4 == 0) {
            const int start = 1 + static_cast<int>(random() % 46);
            for (int k = 0; k < 2 + static_cast<int>(random() % 3); ++k)
                numbers[static_cast<std::size_t>(k)] = start + k;
        }
        switch (random() % 12) {
        case 0: numbers[random() % 6] = numbers[random() % 6]; break;              // repeated
        case 1: numbers[random() % 6] = static_cast<int>(random() % 4) * 50; break; // 0, 50, 100, 150
        case 2: numbers = {47, 48, 49, 50, 50, 255}; break;
        case 3: numbers = {5, 5, 6, 6, 7, 7}; break;
        default: break;
        }
        Draw draw = makeDraw(date, numbers, static_cast<int>(random() % 50), static_cast<int>(random() % 10));
        if (random() % 50 == 0)
            draw.datum = std::numeric_limits<double>::quiet_NaN();
        draws.push_back(draw);
    }
    return draws;
}

void compareResults(const StatResult& actual, const StatResult& expected)
{
    QCOMPARE(actual.error, expected.error);
    QCOMPARE(actual.drawCount, expected.drawCount);
    QCOMPARE(actual.lastDraw, expected.lastDraw);
    QCOMPARE(actual.chart.caption, expected.chart.caption);
    QCOMPARE(actual.chart.leftAutomatic, expected.chart.leftAutomatic);
    QCOMPARE(actual.chart.leftMin, expected.chart.leftMin);
    QCOMPARE(actual.chart.leftMax, expected.chart.leftMax);
    QCOMPARE(actual.chart.hideMarks, expected.chart.hideMarks);
    QCOMPARE(actual.chart.bars.size(), expected.chart.bars.size());
    for (int j = 0; j < actual.chart.bars.size(); ++j) {
        QCOMPARE(actual.chart.bars[j].x, expected.chart.bars[j].x);
        QCOMPARE(actual.chart.bars[j].y, expected.chart.bars[j].y);
        QCOMPARE(actual.chart.bars[j].color, expected.chart.bars[j].color);
    }
}

} // namespace

Q_DECLARE_METATYPE(GroupKind)

class TestGroupCountsEquivalence : public QObject {
    Q_OBJECT
private slots:
    void sameAsReference_data();
    void sameAsReference();
    void missingFileGivesTheSameError();
};

void TestGroupCountsEquivalence::sameAsReference_data()
{
    QTest::addColumn<GroupKind>("kind");
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed : {1U, 2U, 3U})
        for (const auto& [name, kind] : {std::pair{"pairs", GroupKind::Pairs},
                                          std::pair{"triples", GroupKind::Triples},
                                          std::pair{"quads", GroupKind::Quads}})
            QTest::addRow("%s, database %u", name, seed) << kind << seed;
}

void TestGroupCountsEquivalence::sameAsReference()
{
    QFETCH(GroupKind, kind);
    QFETCH(unsigned, seed);
    std::mt19937 random(seed);
    const std::vector<Draw> draws = randomDraws(random, 1000);
    QTemporaryDir dir;
    const QString path = writeDatabase(dir.path(), draws);
    QVERIFY(!path.isEmpty());
    const DrawFile file(path);

    // Windows with random ends, one of them on a stored date, and every
    // weekday rule; also a window holding nothing.
    const double first = draws.front().datum;
    const double last = draws.back().datum;
    for (int w = 0; w < 30; ++w) {
        CountingWindow window;
        window.start = first - 1 + std::floor((last - first) * (random() % 1000) / 2000.0);
        window.end = window.start + std::floor((last - window.start + 2) * (random() % 1001) / 1000.0);
        if (w == 1)
            window.start = draws[10].datum; // a draw on the start date does not count
        if (w == 2)
            window.end = window.start - 5;
        window.startInclusive = random() % 2 == 0; // overridden by the count
        window.saturdays = random() % 3 != 0;
        window.wednesdays = random() % 3 != 0;
        const StatResult fast = groupCounts(file, window, kind);
        const StatResult reference = referenceGroupCounts(file, window, kind);
        compareResults(fast, reference);
        if (QTest::currentTestFailed()) {
            qWarning("window %d: start %f end %f saturdays %d wednesdays %d", w, window.start,
                     window.end, window.saturdays, window.wednesdays);
            return;
        }
        // The in-memory source reads the same records.
        compareResults(groupCounts(draws, window, kind), reference);
    }
}

void TestGroupCountsEquivalence::missingFileGivesTheSameError()
{
    QTemporaryDir dir;
    const DrawFile missing(dir.filePath(QStringLiteral("ZahlenOB.dat")));
    CountingWindow window;
    window.end = 1e6;
    const StatResult fast = groupCounts(missing, window, GroupKind::Pairs);
    QVERIFY(!fast.ok());
    compareResults(fast, referenceGroupCounts(missing, window, GroupKind::Pairs));
}

QTEST_GUILESS_MAIN(TestGroupCountsEquivalence)
#include "tst_groupcounts_equivalence.moc"
