#include "DrawFixture.h"

#include "draws/DateSerial.h"
#include "stats/GroupStats.h"
#include "stats/Primes.h"
#include "stats/PropertyStats.h"

#include <QMap>
#include <QTest>

#include <algorithm>

namespace {

const QDate kStart(2020, 1, 1);
const QDate kSat(2020, 12, 5);
const QDate kWed(2020, 12, 9);

CountingWindow window(const QDate& end = QDate(2021, 12, 31))
{
    CountingWindow w;
    w.start = DateSerial::fromDate(kStart);
    w.end = DateSerial::fromDate(end);
    return w;
}

// The non-zero bars as x -> y.
QMap<int, int> nonZero(const ChartData& chart)
{
    QMap<int, int> result;
    for (const StatBar& bar : chart.bars)
        if (bar.y != 0.0)
            result.insert(static_cast<int>(bar.x), static_cast<int>(bar.y));
    return result;
}

std::array<qint32, 9> asZahl(const Draw& draw)
{
    std::array<qint32, 9> zahl{};
    for (std::size_t i = 0; i < 8; ++i)
        zahl[i + 1] = draw.zahlen[i];
    return zahl;
}

using Bars = QMap<int, int>;

} // namespace

Q_DECLARE_METATYPE(GroupKind)
Q_DECLARE_METATYPE(DrawProperty)
Q_DECLARE_METATYPE(Draw)

class TestGroupStats : public QObject {
    Q_OBJECT
private slots:
    void runs_data();
    void runs();
    void barsAndAxis_data();
    void barsAndAxis();
    void countsOverSeveralDraws();
    void perDraw_data();
    void perDraw();
    void lastSelectedDrawIsReturned();
    void primzahlenCountsThePrimes();
};

void TestGroupStats::runs_data()
{
    QTest::addColumn<Draw>("draw");
    QTest::addColumn<GroupKind>("kind");
    QTest::addColumn<Bars>("expected");

    const Draw run5to8 = makeDraw(kSat, {5, 6, 7, 8, 20, 40}, 1);
    QTest::newRow("5..8 pairs") << run5to8 << GroupKind::Pairs << Bars{{5, 1}, {6, 1}, {7, 1}};
    QTest::newRow("5..8 triples") << run5to8 << GroupKind::Triples << Bars{{5, 1}, {6, 1}};
    QTest::newRow("5..8 quad") << run5to8 << GroupKind::Quads << Bars{{5, 1}};
    QTest::newRow("no neighbours") << makeDraw(kSat, {1, 3, 5, 7, 9, 11}, 2) << GroupKind::Pairs << Bars{};
    QTest::newRow("unsorted storage") << makeDraw(kSat, {48, 49, 1, 2, 30, 31}, 10) << GroupKind::Pairs
                                      << Bars{{1, 1}, {30, 1}, {48, 1}};
    QTest::newRow("bonus next to a number") << makeDraw(kSat, {10, 20, 30, 40, 44, 46}, 11) << GroupKind::Pairs
                                            << Bars{};
    QTest::newRow("bonus completing a triple") << makeDraw(kSat, {10, 11, 30, 40, 44, 46}, 12)
                                               << GroupKind::Triples << Bars{};
    QTest::newRow("quad at the top") << makeDraw(kSat, {46, 47, 48, 49, 1, 3}, 2) << GroupKind::Quads
                                     << Bars{{46, 1}};
    QTest::newRow("six in a row, quads") << makeDraw(kSat, {20, 21, 22, 23, 24, 25}, 26) << GroupKind::Quads
                                         << Bars{{20, 1}, {21, 1}, {22, 1}};
}

void TestGroupStats::runs()
{
    QFETCH(Draw, draw);
    QFETCH(GroupKind, kind);
    QFETCH(Bars, expected);
    const StatResult result = groupCounts(std::vector<Draw>{draw}, window(), kind);
    QVERIFY(result.ok());
    QCOMPARE(result.drawCount, 1);
    QCOMPARE(nonZero(result.chart), expected);
}

void TestGroupStats::barsAndAxis_data()
{
    QTest::addColumn<GroupKind>("kind");
    QTest::addColumn<int>("lastX");
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("fifthBarName"); // the hover text names the whole run
    QTest::newRow("pairs") << GroupKind::Pairs << 48 << false
                           << QStringLiteral("Ziehungen: 1     Paare gefunden : 3") << QStringLiteral("5–6");
    QTest::newRow("triples") << GroupKind::Triples << 47 << false
                             << QStringLiteral("Ziehungen: 1     Dreier gefunden : 2") << QStringLiteral("5–6–7");
    QTest::newRow("quads") << GroupKind::Quads << 49 << true << QStringLiteral("Ziehungen: 1     Vierer gefunden : 1")
                           << QStringLiteral("5–6–7–8");
}

void TestGroupStats::barsAndAxis()
{
    QFETCH(GroupKind, kind);
    QFETCH(int, lastX);
    QFETCH(bool, automatic);
    QFETCH(QString, caption);
    QFETCH(QString, fifthBarName);
    const StatResult result = groupCounts(std::vector<Draw>{makeDraw(kSat, {5, 6, 7, 8, 20, 40}, 1)}, window(), kind);
    QCOMPARE(result.chart.barNames.size(), lastX);
    QCOMPARE(result.chart.barNames[4], fifthBarName);
    QCOMPARE(result.chart.bars.size(), lastX);
    for (int j = 0; j < result.chart.bars.size(); ++j) {
        QCOMPARE(result.chart.bars[j].x, double(j + 1)); // bar j is the run starting at j + 1
        QVERIFY(!result.chart.bars[j].color);
    }
    QCOMPARE(result.chart.leftAutomatic, automatic);
    if (!automatic) {
        QCOMPARE(result.chart.leftMin, 0.0);
        QCOMPARE(result.chart.leftMax, 1.0);
    }
    QCOMPARE(result.chart.caption, caption);
}

void TestGroupStats::countsOverSeveralDraws()
{
    // The draw on the start date and the one after the end do not count.
    const std::vector<Draw> draws{makeDraw(kStart, {1, 2, 10, 20, 30, 40}, 3),
                                  makeDraw(kSat, {1, 2, 3, 20, 30, 40}, 4),
                                  makeDraw(kWed, {1, 2, 11, 12, 30, 40}, 5),
                                  makeDraw(QDate(2022, 1, 1), {1, 2, 3, 4, 5, 6}, 7)};
    const StatResult result = groupCounts(draws, window(), GroupKind::Pairs);
    QCOMPARE(result.drawCount, 2);
    QCOMPARE(nonZero(result.chart), (Bars{{1, 2}, {2, 1}, {11, 1}}));
    QCOMPARE(result.chart.leftMin, 0.0);
    QCOMPARE(result.chart.leftMax, 2.0);
    QCOMPARE(result.chart.caption, QStringLiteral("Ziehungen: 2     Paare gefunden : 4"));
}

void TestGroupStats::perDraw_data()
{
    QTest::addColumn<std::vector<Draw>>("draws");
    QTest::addColumn<DrawProperty>("property");
    QTest::addColumn<Bars>("expected");
    QTest::addColumn<QString>("caption");

    const std::vector<Draw> primes{makeDraw(kSat, {2, 3, 5, 7, 11, 13}, 17)};
    QTest::newRow("six primes") << primes << DrawProperty::Prime << Bars{{6, 1}}
                                << QStringLiteral("Anzahl der Primzahlen pro Tipp bei 1 Ziehungen. 100% waren Primzahlen.");
    QTest::newRow("six primes, odd") << primes << DrawProperty::Odd << Bars{{5, 1}}
                                     << QStringLiteral("Anzahl der ungeraden Zahlen pro Tipp bei 1 Ziehungen.  83% waren Ungerade.");
    QTest::newRow("six primes, even") << primes << DrawProperty::Even << Bars{{1, 1}}
                                      << QStringLiteral("Anzahl der geraden Zahlen pro Tipp bei 1 Ziehungen.  17% waren Gerade.");
    QTest::newRow("two draws, 5 of 12 primes")
        << std::vector<Draw>{makeDraw(kSat, {1, 2, 3, 4, 5, 6}, 7), makeDraw(kWed, {7, 8, 9, 10, 11, 12}, 13)}
        << DrawProperty::Prime << Bars{{3, 1}, {2, 1}}
        << QStringLiteral("Anzahl der Primzahlen pro Tipp bei 2 Ziehungen. 42% waren Primzahlen.");
    QTest::newRow("prime bonus does not count")
        << std::vector<Draw>{makeDraw(kSat, {1, 4, 6, 8, 9, 10}, 2)} << DrawProperty::Prime << Bars{{0, 1}}
        << QStringLiteral("Anzahl der Primzahlen pro Tipp bei 1 Ziehungen. 0% waren Primzahlen.");
    // 3 of 24 numbers: 12.5% goes to the even 12.
    const Draw noPrime = makeDraw(kSat, {4, 6, 8, 10, 12, 14}, 2);
    const Draw onePrime = makeDraw(kWed, {2, 4, 6, 8, 10, 12}, 3);
    QTest::newRow("half share to even")
        << std::vector<Draw>{onePrime, onePrime, onePrime, noPrime} << DrawProperty::Prime << Bars{{0, 1}, {1, 3}}
        << QStringLiteral("Anzahl der Primzahlen pro Tipp bei 4 Ziehungen. 12% waren Primzahlen.");
}

void TestGroupStats::perDraw()
{
    QFETCH(std::vector<Draw>, draws);
    QFETCH(DrawProperty, property);
    QFETCH(Bars, expected);
    QFETCH(QString, caption);
    const StatResult result = perDrawCounts(draws, window(), property);
    QCOMPARE(nonZero(result.chart), expected);
    QCOMPARE(result.chart.caption, caption);
    QCOMPARE(result.chart.bars.size(), 7);
    QCOMPARE(result.chart.bars.first().x, 0.0);
    QVERIFY(!result.chart.leftAutomatic);
    QCOMPARE(result.chart.leftMin, 0.0);
    QCOMPARE(result.chart.leftMax, double(*std::max_element(expected.begin(), expected.end())));
}

void TestGroupStats::lastSelectedDrawIsReturned()
{
    // The window ends before the latest draw: the last draw inside it is
    // what the current draw becomes.
    const Draw inside1 = makeDraw(kSat, {1, 2, 3, 4, 5, 6}, 7, 8);
    const Draw inside2 = makeDraw(kWed, {10, 11, 12, 13, 14, 15}, 16, 9);
    const Draw later = makeDraw(QDate(2020, 12, 12), {20, 21, 22, 23, 24, 25}, 26, 1);
    const std::vector<Draw> draws{inside1, inside2, later};
    const CountingWindow w = window(QDate(2020, 12, 10));

    for (GroupKind kind : {GroupKind::Pairs, GroupKind::Triples, GroupKind::Quads}) {
        const StatResult result = groupCounts(draws, w, kind);
        QVERIFY(result.lastDraw);
        QCOMPARE(*result.lastDraw, asZahl(inside2));
    }
    for (DrawProperty property : {DrawProperty::Prime, DrawProperty::Odd, DrawProperty::Even}) {
        const StatResult result = perDrawCounts(draws, w, property);
        QVERIFY(result.lastDraw);
        QCOMPARE(*result.lastDraw, asZahl(inside2));
    }
    QVERIFY(!groupCounts(draws, window(QDate(2020, 1, 2)), GroupKind::Pairs).lastDraw);
}

void TestGroupStats::primzahlenCountsThePrimes()
{
    QCOMPARE(primzahlen(2, 3, 5, 7, 11, 13), 6);
    QCOMPARE(primzahlen(17, 19, 23, 29, 31, 37), 6);
    QCOMPARE(primzahlen(41, 43, 47, 1, 9, 49), 3);
    QCOMPARE(primzahlen(1, 4, 6, 8, 9, 10), 0);
    QCOMPARE(primzahlen(0, 15, 21, 25, 27, 33), 0);
}

QTEST_GUILESS_MAIN(TestGroupStats)
#include "tst_groupstats.moc"
