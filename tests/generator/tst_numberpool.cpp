#include "generator/NumberPool.h"
#include "generator/PoolBands.h"
#include "generator/PoolBuilder.h"

#include <QMap>
#include <QTest>

#include <map>

Q_DECLARE_METATYPE(Band)
Q_DECLARE_METATYPE(GenerationParams)

using Counts = QMap<int, int>; // number -> entries

namespace {

// Statistics as the chart would hand them over, with every fetch recorded.
class FakePoolHost final : public PoolHost {
public:
    std::map<PoolStatistic, StatisticValues> stats;
    QList<PoolStatistic> fetched;
    QStringList texts;
    bool fail = false;

    std::optional<StatisticValues> statistic(PoolStatistic which) override
    {
        fetched << which;
        if (fail)
            return std::nullopt;
        return stats.at(which);
    }
    void status(const QString& text) override { texts << text; }
    QString line(int number) const override { return QStringLiteral("L%1").arg(number); }
};

StatisticValues flat(int size, double value)
{
    StatisticValues s;
    s.values.assign(std::size_t(size), value);
    s.max = value;
    s.min = value;
    return s;
}

// A small set of statistics with known bands (see the composition cases).
FakePoolHost fixtureHost()
{
    FakePoolHost host;
    // Frequency 80..120: 1 and 2 in the narrow top band, 3 in the wide one;
    // 48 and 49 in the bottom band (20 %: 80..88, 10 %: 80..84).
    StatisticValues frequency = flat(49, 100);
    frequency.values[0] = 120;
    frequency.values[1] = 115;
    frequency.values[2] = 110;
    frequency.values[47] = 86;
    frequency.values[48] = 80;
    frequency.max = 120;
    frequency.min = 80;
    host.stats[PoolStatistic::NumberFrequency] = frequency;

    StatisticValues overdue = flat(49, 5);
    overdue.values[9] = 50; // 10: both passes (30 %: 36.5 -> 36..50, 15 %: 43.25 -> 43..50)
    overdue.values[10] = 40; // 11: wide band only
    overdue.max = 50;
    overdue.min = 5;
    host.stats[PoolStatistic::Overdue] = overdue;

    // Groups 0..40: top band above 28, bottom band 1..12; value 0 is never rare.
    StatisticValues pairs = flat(48, 0);
    pairs.values[19] = 40; // pair 20, 21
    pairs.values[29] = 5;  // pair 30, 31
    pairs.max = 40;
    host.stats[PoolStatistic::Pairs] = pairs;
    StatisticValues triples = flat(47, 0);
    triples.values[39] = 40; // 40, 41, 42
    triples.max = 40;
    host.stats[PoolStatistic::Triples] = triples;
    StatisticValues quads = flat(49, 0);
    quads.values[0] = 12;  // 1..4 rare
    quads.values[46] = 40; // quad 47 cannot exist and is not examined
    quads.values[44] = 40; // 45..48
    quads.max = 40;
    host.stats[PoolStatistic::Quads] = quads;
    return host;
}

ReferenceDraws fixtureDraws()
{
    ReferenceDraws draws;
    draws.last = {0, 5, 12, 23, 34, 45, 49, 7, 0};
    draws.secondLast = {0, 1, 2, 3, 4, 5, 6, 8, 3};
    draws.thirdLast = {0, 40, 41, 42, 43, 44, 46, 47, 1};
    return draws;
}

// Parameters with every preference and removal off: the pool is the base block.
GenerationParams nothingPreferred()
{
    GenerationParams p;
    p.preferRare = false;
    p.preferOverdue = false;
    p.limitLastDraw = false;
    p.limitSecondLastDraw = false;
    p.limitThirdLastDraw = false;
    return p;
}

Counts countsOf(const NumberPool& pool)
{
    Counts counts;
    for (std::uint8_t n : pool.entries())
        ++counts[n];
    return counts;
}

Counts baseBlock()
{
    Counts counts;
    for (int n = 1; n <= 49; ++n)
        counts[n] = 1;
    counts[1] = 2;
    return counts;
}

} // namespace

class TestNumberPool : public QObject {
    Q_OBJECT
private slots:
    void bands_data();
    void bands();
    void composition_data();
    void composition();
    void sharedStatisticIsFetchedOnce();
    void bandTexts();
    void failedStatisticEndsTheBuild();
    void capacityIsNeverExceeded();
    void rebuildFromWeights();
    void strongestNumbers();
};

void TestNumberPool::bands_data()
{
    QTest::addColumn<Band>("band");
    QTest::addColumn<Band>("expected");
    QTest::newRow("frequency top 30 %") << numberTopBand(120, 80, 0.30) << Band{108, 120, false};
    QTest::newRow("frequency top, narrow pass") << numberTopBand(120, 80, 0.15) << Band{114, 120, false};
    QTest::newRow("bottom 20 %") << numberBottomBand(120, 80, 0.20) << Band{80, 88, false};
    QTest::newRow("half rounds down to even") << numberTopBand(45, 0, 0.30) << Band{32, 45, false};
    QTest::newRow("half rounds up to even") << numberTopBand(35, 0, 0.30) << Band{24, 35, false};
    QTest::newRow("bottom half to even") << numberBottomBand(15, 0, 0.30) << Band{0, 4, false};
    QTest::newRow("group top excludes its low end") << groupTopBand(40, 0) << Band{28, 40, true};
    QTest::newRow("group bottom from above 0") << groupBottomBand(40, 0) << Band{0, 12, true};
    QTest::newRow("group bottom over a raised floor") << groupBottomBand(40, 10) << Band{0, 19, true};
    QTest::newRow("all values equal") << numberTopBand(7, 7, 0.5) << Band{7, 7, false};
}

void TestNumberPool::bands()
{
    QFETCH(Band, band);
    QFETCH(Band, expected);
    QCOMPARE(band, expected);
    if (expected.lowExclusive)
        QVERIFY(!band.contains(double(band.low)));
    else
        QVERIFY(band.contains(double(band.low)));
    QVERIFY(band.contains(double(band.high)));
    QVERIFY(!band.contains(double(band.high) + 1));
}

void TestNumberPool::composition_data()
{
    QTest::addColumn<GenerationParams>("params");
    QTest::addColumn<Counts>("expected");

    QTest::newRow("base block only: 1 twice, the rest once")
        << nothingPreferred() << baseBlock();
    {
        GenerationParams p = nothingPreferred();
        p.avoidMonthNumbers = true;
        Counts c;
        for (int n = 13; n <= 49; ++n)
            c[n] = 1;
        QTest::newRow("month numbers avoided: 13..49 once") << p << c;
    }
    {
        GenerationParams p = nothingPreferred();
        p.weakenDateNumbers = true;
        Counts c;
        c[1] = 1;
        for (int n = 32; n <= 49; ++n)
            c[n] = 1;
        QTest::newRow("date numbers weakened: one entry of 1..31 less") << p << c;
    }
    {
        GenerationParams p = nothingPreferred();
        p.onlyPreferred = true;
        p.preferNeighbours = true;
        Counts c;
        for (int n : {4, 11, 13, 22, 24, 33, 35, 44, 46, 48, 8, 1})
            c[n] = 4;
        c[6] = 8; // neighbour of 5 and of the bonus 7; 49 has no upper one; super 0 gives 1
        QTest::newRow("neighbours of the last draw") << p << c;
    }
    {
        GenerationParams p = nothingPreferred();
        p.preferNeighbours = true;
        p.limitLastDraw = true;
        p.lastDrawLimit = 0;
        p.bonusCountsAsHit = false; // the bonus goes even so
        Counts c = baseBlock();
        for (int n : {4, 11, 13, 22, 24, 33, 35, 44, 46, 48, 8, 1})
            c[n] += 4;
        c[6] += 8;
        for (int n : {5, 12, 23, 34, 45, 49, 7})
            c.remove(n);
        QTest::newRow("limit 0 removes the last draw and its bonus") << p << c;
    }
    {
        GenerationParams p = nothingPreferred();
        p.limitSecondLastDraw = true;
        p.secondLastDrawLimit = 1;
        QTest::newRow("limit above 0 removes nothing") << p << baseBlock();
    }
    {
        GenerationParams p = nothingPreferred();
        p.onlyPreferred = true;
        p.preferFrequent = true;
        p.frequentPercent = 30;
        QTest::newRow("frequent: narrow band three entries, wide band two")
            << p << Counts{{1, 3}, {2, 3}, {3, 2}};
    }
    {
        GenerationParams p = nothingPreferred();
        p.onlyPreferred = true;
        p.preferRare = true;
        p.rarePercent = 20;
        QTest::newRow("rare numbers") << p << Counts{{48, 2}, {49, 3}};
    }
    {
        GenerationParams p = nothingPreferred();
        p.onlyPreferred = true;
        p.preferOverdue = true;
        p.overduePercent = 30;
        QTest::newRow("overdue") << p << Counts{{10, 3}, {11, 2}};
    }
    {
        GenerationParams p = nothingPreferred();
        p.onlyPreferred = true;
        p.preferFrequentPairs = true;
        p.preferRarePairs = true;
        QTest::newRow("frequent and rare pairs; pairs never drawn are not rare")
            << p << Counts{{20, 1}, {21, 1}, {30, 1}, {31, 1}};
    }
    {
        GenerationParams p = nothingPreferred();
        p.onlyPreferred = true;
        p.preferFrequentTriples = true;
        p.preferFrequentQuads = true;
        p.preferRareQuads = true;
        QTest::newRow("triples and quads; quad 47 is not examined")
            << p
            << Counts{{40, 1}, {41, 1}, {42, 1}, {45, 1}, {46, 1}, {47, 1}, {48, 1},
                      {1, 1}, {2, 1}, {3, 1}, {4, 1}};
    }
}

void TestNumberPool::composition()
{
    QFETCH(GenerationParams, params);
    QFETCH(Counts, expected);
    FakePoolHost host = fixtureHost();
    const std::optional<NumberPool> pool = buildPool(params, fixtureDraws(), host);
    QVERIFY(pool);
    QCOMPARE(countsOf(*pool), expected);
}

void TestNumberPool::sharedStatisticIsFetchedOnce()
{
    // The chart still holds a statistic after its frequent band: the rare
    // band reads it again without another scan.
    GenerationParams p = nothingPreferred();
    p.preferFrequentPairs = p.preferRarePairs = true;
    p.preferRareTriples = true;
    p.preferFrequent = p.preferRare = true;
    FakePoolHost host = fixtureHost();
    QVERIFY(buildPool(p, fixtureDraws(), host));
    const QList<PoolStatistic> expected{PoolStatistic::Pairs, PoolStatistic::Triples,
                                        PoolStatistic::NumberFrequency};
    QCOMPARE(host.fetched, expected);
}

void TestNumberPool::bandTexts()
{
    GenerationParams p = nothingPreferred();
    p.preferRareQuads = true;
    p.preferOverdue = true;
    FakePoolHost host = fixtureHost();
    QVERIFY(buildPool(p, fixtureDraws(), host));
    const QStringList expected{
        QStringLiteral("L17 L20"),
        QStringLiteral("Min: 0 Max: 12  0"),   // rare quads: one blank
        QStringLiteral("L17 L21"),
        QStringLiteral("Min: 36 Max: 50  4"),  // overdue, first pass: one blank
        QStringLiteral("Min: 43  Max: 50  8"), // second pass: two
    };
    QCOMPARE(host.texts, expected);
}

void TestNumberPool::failedStatisticEndsTheBuild()
{
    FakePoolHost host = fixtureHost();
    host.fail = true;
    QVERIFY(!buildPool(GenerationParams{}, fixtureDraws(), host));
}

void TestNumberPool::capacityIsNeverExceeded()
{
    // Every group band at once over statistics where every group is in the
    // band asks for far more than 500 entries.
    FakePoolHost host;
    for (auto [which, size] : {std::pair{PoolStatistic::Pairs, 48}, {PoolStatistic::Triples, 47},
                               {PoolStatistic::Quads, 49}}) {
        StatisticValues s = flat(size, 10);
        s.min = 0;
        host.stats[which] = s;
    }
    host.stats[PoolStatistic::NumberFrequency] = flat(49, 3);
    host.stats[PoolStatistic::Overdue] = flat(49, 3);
    GenerationParams p;
    p.preferFrequentPairs = p.preferFrequentTriples = p.preferFrequentQuads = true;
    p.preferFrequent = p.preferNeighbours = true;
    const std::optional<NumberPool> pool = buildPool(p, fixtureDraws(), host);
    QVERIFY(pool);
    QVERIFY(pool->count() <= NumberPool::Capacity);
    QVERIFY(pool->count() > 400);

    NumberPool full;
    QVERIFY(full.append(7, NumberPool::Capacity));
    QVERIFY(!full.append(8));
    QCOMPARE(full.count(), NumberPool::Capacity);
    QCOMPARE(full.countOf(8), 0);
}

void TestNumberPool::rebuildFromWeights()
{
    std::vector<bool> checked(49, false);
    std::vector<int> weights(49, 5);
    checked[6] = true;  // 7, weight 3: four entries
    weights[6] = 3;
    checked[9] = true;  // 10, weight 0 counts as 1: two entries
    weights[9] = 0;
    checked[19] = true; // 20, negative: none
    weights[19] = -2;
    const NumberPool pool = poolFromWeights(checked, weights); // unchecked boxes add nothing
    QCOMPARE(countsOf(pool), (Counts{{7, 4}, {10, 2}}));
}

void TestNumberPool::strongestNumbers()
{
    NumberPool pool;
    pool.append(40, 5);
    pool.append(3, 2);
    pool.append(17, 2);
    pool.append(9, 2);
    pool.append(44, 1);
    // Marked entries no longer count once dropped.
    pool.append(1, 9);
    pool.markAll(1);
    pool.dropMarked();

    QCOMPARE(pool.strongest(1), std::vector<int>{40});
    // Three numbers tie at two entries: the smaller ones are taken first.
    QCOMPARE(pool.strongest(3), (std::vector<int>{3, 9, 40}));
    QCOMPARE(pool.strongest(13), (std::vector<int>{3, 9, 17, 40, 44}));
    QCOMPARE(pool.strongest(0), std::vector<int>{});
    QCOMPARE(NumberPool().strongest(7), std::vector<int>{});
}

QTEST_GUILESS_MAIN(TestNumberPool)
#include "tst_numberpool.moc"
