#include "DrawFixture.h"

#include "draws/DateSerial.h"
#include "draws/DrawFile.h"
#include "stats/GroupStats.h"
#include "stats/NumberStats.h"
#include "stats/PropertyStats.h"
#include "stats/Rounding.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

const QDate kStart(2020, 1, 1);
const QDate kSat(2020, 12, 5);
const QDate kSun(2020, 12, 6);
const QDate kTue(2020, 12, 8);
const QDate kWed(2020, 12, 9);

CountingWindow window(bool saturdays = true, bool wednesdays = true)
{
    CountingWindow w;
    w.start = DateSerial::fromDate(kStart);
    w.end = DateSerial::fromDate(QDate(2021, 12, 31));
    w.saturdays = saturdays;
    w.wednesdays = wednesdays;
    return w;
}

Draw draw(const QDate& date, std::array<int, 6> numbers, int bonus = 49, int super = 0)
{
    return makeDraw(date, numbers, bonus, super);
}

// Every statistic that scans draws, so one table can run a case over all.
enum class Stat { Distribution, Overdue, CrossSums, SuperOverdue, Pairs, Primes };

StatResult run(Stat stat, const DrawSource& source, const CountingWindow& w,
               const StatsTexts& texts = {})
{
    switch (stat) {
    case Stat::Distribution: return numberDistribution(source, w, texts);
    case Stat::Overdue: return overdueNumbers(source, w, texts);
    case Stat::CrossSums: return crossSumDistribution(source, w, texts);
    case Stat::SuperOverdue: return superNumberOverdue(source, w, texts);
    case Stat::Pairs: return groupCounts(source, w, GroupKind::Pairs, texts);
    case Stat::Primes: return perDrawCounts(source, w, DrawProperty::Prime, texts);
    }
    return {};
}

QVector<double> values(const ChartData& chart)
{
    QVector<double> ys;
    for (const StatBar& bar : chart.bars)
        ys.append(bar.y);
    return ys;
}

QVector<double> xs(const ChartData& chart)
{
    QVector<double> result;
    for (const StatBar& bar : chart.bars)
        result.append(bar.x);
    return result;
}

// 49 values: `inside` for the listed numbers, `outside` for every other.
QVector<double> numberValues(std::initializer_list<int> listed, double inside, double outside)
{
    QVector<double> ys(49, outside);
    for (int n : listed)
        ys[n - 1] = inside;
    return ys;
}

} // namespace

Q_DECLARE_METATYPE(Stat)
Q_DECLARE_METATYPE(Draw)

class TestNumberStats : public QObject {
    Q_OBJECT
private slots:
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void singleDraw();
    void startDateCountsOnlyForDistribution_data();
    void startDateCountsOnlyForDistribution();
    void noSelectedDraw_data();
    void noSelectedDraw();
    void distributionAverageRounding_data();
    void distributionAverageRounding();
    void overdueTracksLastAppearance();
    void crossSums();
    void superNumberStart_data();
    void superNumberStart();
    void outOfRangeValuesAreSkipped();
    void tipCells_data();
    void tipCells();
    void captionsUseTheGivenLines_data();
    void captionsUseTheGivenLines();
    void labelsSayWhatIsCounted_data();
    void labelsSayWhatIsCounted();
    void readsTheDatabaseFile();
    void missingFileIsAnError();
};

void TestNumberStats::roundsHalvesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<long long>("expected");
    QTest::newRow("0.5 down") << 0.5 << 0LL;
    QTest::newRow("1.5 up") << 1.5 << 2LL;
    QTest::newRow("2.5 down") << 2.5 << 2LL;
    QTest::newRow("12.5 down") << 12.5 << 12LL;
    QTest::newRow("just above half") << 2.5000001 << 3LL;
    QTest::newRow("just below half") << 3.4999999 << 3LL;
    QTest::newRow("5 of 12") << 500.0 / 12.0 << 42LL;
    QTest::newRow("negative half") << -2.5 << -2LL;
    QTest::newRow("NaN") << std::nan("") << 0LL;
}

void TestNumberStats::roundsHalvesToEven()
{
    QFETCH(double, value);
    QFETCH(long long, expected);
    QCOMPARE(roundHalfEven(value), expected);
}

void TestNumberStats::singleDraw()
{
    const std::vector<Draw> draws{draw(kSat, {1, 2, 3, 4, 5, 6}, 7)};

    const StatResult distribution = numberDistribution(draws, window());
    QVERIFY(distribution.ok());
    QCOMPARE(values(distribution.chart), numberValues({1, 2, 3, 4, 5, 6, 7}, 1, 0));
    QCOMPARE(xs(distribution.chart).first(), 1.0);
    QCOMPARE(xs(distribution.chart).last(), 49.0);
    QCOMPARE(distribution.chart.caption, QStringLiteral("Zahlenverteilung     Ziehungen: 1    Quersumme: 21"));
    QVERIFY(!distribution.chart.leftAutomatic);
    QCOMPARE(distribution.chart.leftMin, 0.0);
    QCOMPARE(distribution.chart.leftMax, 1.0);
    QVERIFY(distribution.chart.hideMarks);
    // Primes red, every other number green.
    QCOMPARE(distribution.chart.bars[1].color, std::optional<Rgb>(kPrimeRed));    // 2
    QCOMPARE(distribution.chart.bars[46].color, std::optional<Rgb>(kPrimeRed));   // 47
    QCOMPARE(distribution.chart.bars[0].color, std::optional<Rgb>(kNumberGreen)); // 1
    QCOMPARE(distribution.chart.bars[48].color, std::optional<Rgb>(kNumberGreen)); // 49

    const StatResult overdue = overdueNumbers(draws, window());
    QCOMPARE(values(overdue.chart), numberValues({1, 2, 3, 4, 5, 6, 7}, 1, 2));
    QCOMPARE(overdue.chart.caption, StatsTexts().ueberfaellig);
    QVERIFY(!overdue.chart.leftAutomatic);
    QCOMPARE(overdue.chart.leftMin, 1.0);
    QCOMPARE(overdue.chart.leftMax, 2.0);
    QVERIFY(!overdue.chart.hideMarks);
    QVERIFY(!overdue.lastDraw); // only the group and per-draw counts move the current draw
}

void TestNumberStats::startDateCountsOnlyForDistribution_data()
{
    QTest::addColumn<Stat>("stat");
    QTest::addColumn<int>("expectedDraws");
    QTest::newRow("distribution") << Stat::Distribution << 1;
    QTest::newRow("overdue") << Stat::Overdue << 0;
    QTest::newRow("cross sums") << Stat::CrossSums << 0;
    QTest::newRow("super number") << Stat::SuperOverdue << 0;
    QTest::newRow("pairs") << Stat::Pairs << 0;
    QTest::newRow("primes") << Stat::Primes << 0;
}

void TestNumberStats::startDateCountsOnlyForDistribution()
{
    QFETCH(Stat, stat);
    QFETCH(int, expectedDraws);
    CountingWindow w = window();
    // The caller's own setting must not decide it.
    for (bool callerInclusive : {false, true}) {
        w.startInclusive = callerInclusive;
        const std::vector<Draw> draws{draw(kStart, {1, 2, 3, 4, 5, 6}, 7, 3)};
        QCOMPARE(run(stat, draws, w).drawCount, expectedDraws);
    }
}

void TestNumberStats::noSelectedDraw_data()
{
    QTest::addColumn<Stat>("stat");
    QTest::addColumn<QVector<double>>("expectedValues");
    QTest::addColumn<QString>("expectedCaption");
    QTest::newRow("distribution") << Stat::Distribution << QVector<double>(49, 0.0)
                                  << QStringLiteral("Zahlenverteilung     Ziehungen: 0    Quersumme: 0");
    // Never seen in the window: selected draws + 1.
    QTest::newRow("overdue") << Stat::Overdue << QVector<double>(49, 1.0) << StatsTexts().ueberfaellig;
    QTest::newRow("cross sums") << Stat::CrossSums << QVector<double>()
                                << QStringLiteral("Quersummenverteilung     Ziehungen: 0    Quersumme: 0");
    QTest::newRow("super number") << Stat::SuperOverdue << QVector<double>(10, 0.0) << StatsTexts().superzahl;
    QTest::newRow("pairs") << Stat::Pairs << QVector<double>(48, 0.0)
                           << QStringLiteral("Ziehungen: 0     Paare gefunden : 0");
    QTest::newRow("primes") << Stat::Primes << QVector<double>(7, 0.0)
                            << QStringLiteral("Anzahl der Primzahlen pro Tipp bei 0 Ziehungen. 0% waren Primzahlen.");
}

void TestNumberStats::noSelectedDraw()
{
    QFETCH(Stat, stat);
    QFETCH(QVector<double>, expectedValues);
    QFETCH(QString, expectedCaption);
    // Neither weekday box: draws on every weekday are present but none counts.
    const std::vector<Draw> draws{draw(kSat, {1, 2, 3, 4, 5, 6}, 7, 1), draw(kSun, {7, 8, 9, 10, 11, 12}, 13, 2),
                                  draw(kTue, {2, 3, 5, 7, 11, 13}, 17, 3), draw(kWed, {4, 5, 6, 7, 8, 9}, 10, 4)};
    const StatResult result = run(stat, draws, window(false, false));
    QVERIFY(result.ok());
    QCOMPARE(result.drawCount, 0);
    QCOMPARE(values(result.chart), expectedValues);
    QCOMPARE(result.chart.caption, expectedCaption);
    QVERIFY(!result.lastDraw);
    if (!result.chart.leftAutomatic)
        QCOMPARE(result.chart.leftMin, result.chart.leftMax); // equal bounds; the drawing widens them
}

void TestNumberStats::distributionAverageRounding_data()
{
    QTest::addColumn<std::vector<Draw>>("draws");
    QTest::addColumn<QString>("expectedCaption");
    QTest::newRow("21.5 rounds up to 22")
        << std::vector<Draw>{draw(kSat, {1, 2, 3, 4, 5, 6}), draw(kWed, {1, 2, 3, 4, 5, 7})}
        << QStringLiteral("Zahlenverteilung     Ziehungen: 2    Quersumme: 22");
    QTest::newRow("22.5 rounds down to 22")
        << std::vector<Draw>{draw(kSat, {1, 2, 3, 4, 5, 6}), draw(kWed, {1, 2, 3, 4, 5, 9})}
        << QStringLiteral("Zahlenverteilung     Ziehungen: 2    Quersumme: 22");
    QTest::newRow("bonus is no part of the cross sum")
        << std::vector<Draw>{draw(kSat, {10, 20, 30, 40, 45, 49}, 48)}
        << QStringLiteral("Zahlenverteilung     Ziehungen: 1    Quersumme: 194");
}

void TestNumberStats::distributionAverageRounding()
{
    QFETCH(std::vector<Draw>, draws);
    QFETCH(QString, expectedCaption);
    QCOMPARE(numberDistribution(draws, window()).chart.caption, expectedCaption);
}

void TestNumberStats::overdueTracksLastAppearance()
{
    // Sunday counts with only the Saturday box; the Wednesday draw is left out.
    const std::vector<Draw> draws{draw(kStart.addDays(3), {1, 2, 3, 4, 5, 6}, 7),   // Sat 4.1.
                                  draw(kStart.addDays(4), {1, 8, 9, 10, 11, 12}, 13), // Sun 5.1.
                                  draw(kStart.addDays(7), {20, 21, 22, 23, 24, 25}, 2), // Wed, excluded
                                  draw(kStart.addDays(10), {8, 30, 31, 32, 33, 34}, 35)}; // Sat 11.1.
    const StatResult result = overdueNumbers(draws, window(true, false));
    QCOMPARE(result.drawCount, 3);
    const QVector<double> ys = values(result.chart);
    QCOMPARE(ys[8 - 1], 1.0);  // in the last draw
    QCOMPARE(ys[30 - 1], 1.0);
    QCOMPARE(ys[1 - 1], 2.0);  // last in the draw before
    QCOMPARE(ys[13 - 1], 2.0); // bonus counts
    QCOMPARE(ys[2 - 1], 3.0);
    QCOMPARE(ys[20 - 1], 4.0); // only in the excluded draw: never seen
    QCOMPARE(ys[49 - 1], 4.0);
    QCOMPARE(result.chart.leftMin, 1.0);
    QCOMPARE(result.chart.leftMax, 4.0);
}

void TestNumberStats::crossSums()
{
    const std::vector<Draw> draws{draw(kSat, {1, 2, 3, 4, 5, 6}), draw(kWed, {2, 3, 4, 5, 6, 7})};
    const StatResult result = crossSumDistribution(draws, window());
    QCOMPARE(xs(result.chart), (QVector<double>{21, 22, 23, 24, 25, 26, 27}));
    QCOMPARE(values(result.chart), (QVector<double>{1, 0, 0, 0, 0, 0, 1}));
    QVERIFY(result.chart.leftAutomatic);
    QVERIFY(!result.chart.bars.first().color); // series colour
    QCOMPARE(result.chart.caption, QStringLiteral("Quersummenverteilung     Ziehungen: 2    Quersumme: 24"));
}

void TestNumberStats::superNumberStart_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("expectedDraws");
    QTest::addColumn<QVector<double>>("expectedValues");
    // Draws: Sat 29.7.1995 super 3, Tue 1.8.1995 super 4, Wed 2.8.1995 super 5, Sat 5.8.1995 super 6.
    QTest::newRow("earlier start is raised to 1.8.1995")
        << QDate(1994, 11, 19) << 2 << QVector<double>{2, 2, 2, 2, 2, 2, 1, 2, 2, 2};
    QTest::newRow("later start is kept") << QDate(1995, 8, 2) << 1 << QVector<double>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
}

void TestNumberStats::superNumberStart()
{
    QFETCH(QDate, start);
    QFETCH(int, expectedDraws);
    QFETCH(QVector<double>, expectedValues);
    const std::vector<Draw> draws{draw(QDate(1995, 7, 29), {1, 2, 3, 4, 5, 6}, 7, 3),
                                  draw(QDate(1995, 8, 1), {1, 2, 3, 4, 5, 6}, 7, 4),
                                  draw(QDate(1995, 8, 2), {1, 2, 3, 4, 5, 6}, 7, 5),
                                  draw(QDate(1995, 8, 5), {1, 2, 3, 4, 5, 6}, 7, 6)};
    CountingWindow w = window();
    w.start = DateSerial::fromDate(start);
    const StatResult result = superNumberOverdue(draws, w);
    QCOMPARE(result.drawCount, expectedDraws);
    QCOMPARE(values(result.chart), expectedValues);
    QCOMPARE(xs(result.chart).first(), 0.0);
    QCOMPARE(xs(result.chart).last(), 9.0);
    QVERIFY(!result.chart.leftAutomatic);
    QCOMPARE(result.chart.caption, StatsTexts().superzahl);
}

void TestNumberStats::outOfRangeValuesAreSkipped()
{
    // A damaged record next to a sound one; ASan/UBSan catch any counter
    // indexed out of bounds.
    const std::vector<Draw> draws{draw(kSat, {50, 255, 0, 49, 200, 201}, 250, 12),
                                  draw(kWed, {1, 2, 3, 4, 5, 6}, 7, 9)};
    const CountingWindow w = window();

    const StatResult distribution = numberDistribution(draws, w);
    QCOMPARE(distribution.drawCount, 2);
    QCOMPARE(values(distribution.chart), numberValues({1, 2, 3, 4, 5, 6, 7, 49}, 1, 0));

    QVector<double> overdueValues = numberValues({1, 2, 3, 4, 5, 6, 7}, 1, 3);
    overdueValues[48] = 2; // 49 from the damaged draw
    QCOMPARE(values(overdueNumbers(draws, w).chart), overdueValues);

    // Cross sum 755 has no counter: that draw is left out of this chart.
    const StatResult sums = crossSumDistribution(draws, w);
    QCOMPARE(sums.drawCount, 1);
    QCOMPARE(xs(sums.chart), QVector<double>{21});

    const StatResult super = superNumberOverdue(draws, w);
    QCOMPARE(super.drawCount, 2);
    QCOMPARE(super.chart.bars[9].y, 1.0);
    QCOMPARE(super.chart.bars[0].y, 2.0);

    QCOMPARE(groupCounts(draws, w, GroupKind::Quads).drawCount, 2);
    QCOMPARE(perDrawCounts(draws, w, DrawProperty::Prime).chart.bars[3].y, 1.0);
}

void TestNumberStats::tipCells_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QVector<double>>("expectedValues");

    QStringList emptyFirstRow(72, QString());
    for (int i = 6; i < 72; ++i)
        emptyFirstRow[i] = QString::number(i % 49 + 1);
    QTest::newRow("empty row 1") << emptyFirstRow << QVector<double>(49, 0.0);

    QStringList full;
    for (int i = 0; i < 72; ++i)
        full << QString::number(i % 36 + 1); // 1..36 twice
    QVector<double> twiceUpTo36(49, 0.0);
    std::fill(twiceUpTo36.begin(), twiceUpTo36.begin() + 36, 2.0);
    QTest::newRow("full board") << full << twiceUpTo36;
    QTest::newRow("stops at a non-number")
        << QStringList{QStringLiteral("5"), QStringLiteral(" 7 "), QStringLiteral("x"), QStringLiteral("8")}
        << numberValues({5, 7}, 1, 0);
    QTest::newRow("stops in a later row")
        << (QStringList(6, QStringLiteral("3")) << QStringLiteral("4") << QString() << QStringLiteral("9"))
        << [] { QVector<double> ys(49, 0.0); ys[2] = 6; ys[3] = 1; return ys; }();
    QTest::newRow("out-of-range number skipped, reading goes on")
        << QStringList{QStringLiteral("77"), QStringLiteral("-3"), QStringLiteral("12")}
        << numberValues({12}, 1, 0);
}

void TestNumberStats::tipCells()
{
    QFETCH(QStringList, cells);
    QFETCH(QVector<double>, expectedValues);
    const ChartData chart = tipDistribution(cells);
    QCOMPARE(values(chart), expectedValues);
    QCOMPARE(chart.caption, QStringLiteral("Zahlenverteilung des Tippes"));
    QVERIFY(!chart.leftAutomatic);
    QCOMPARE(chart.leftMin, *std::min_element(expectedValues.begin(), expectedValues.end()));
    QCOMPARE(chart.leftMax, *std::max_element(expectedValues.begin(), expectedValues.end()));
    QCOMPARE(chart.bars[12].color, std::optional<Rgb>(kPrimeRed)); // 13
}

void TestNumberStats::captionsUseTheGivenLines_data()
{
    QTest::addColumn<Stat>("stat");
    QTest::addColumn<QString>("expectedCaption");
    QTest::newRow("distribution") << Stat::Distribution << QStringLiteral("L0     L1: 1    L2: 21");
    QTest::newRow("overdue") << Stat::Overdue << QStringLiteral("L28");
    QTest::newRow("cross sums") << Stat::CrossSums << QStringLiteral("L13     L1: 1    L14: 21");
    QTest::newRow("super number") << Stat::SuperOverdue << QStringLiteral("L38");
    QTest::newRow("pairs") << Stat::Pairs << QStringLiteral("L1: 1     L9 L10 : 5");
    QTest::newRow("primes") << Stat::Primes << QStringLiteral("L44 1 L1. 50% L45.");
}

void TestNumberStats::captionsUseTheGivenLines()
{
    QFETCH(Stat, stat);
    QFETCH(QString, expectedCaption);
    const StatsTexts texts = StatsTexts::fromLines([](int n) { return QStringLiteral("L%1").arg(n); });
    const std::vector<Draw> draws{draw(kSat, {1, 2, 3, 4, 5, 6}, 7)};
    QCOMPARE(run(stat, draws, window(), texts).chart.caption, expectedCaption);
}

void TestNumberStats::labelsSayWhatIsCounted_data()
{
    QTest::addColumn<Stat>("stat");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("bottomTitle");
    QTest::addColumn<QString>("leftTitle");
    QTest::addColumn<bool>("primeLegend");
    // Only the distribution counts the start date: its note must say so, or
    // two charts over the same dates seem to disagree by one draw.
    const QString from = QStringLiteral("from 01.01.2020 to 31.12.2021");
    const QString after = QStringLiteral("after 01.01.2020 to 31.12.2021");
    QTest::newRow("distribution") << Stat::Distribution << from << "L87" << "L88" << true;
    QTest::newRow("overdue") << Stat::Overdue << after << "L87" << "L89" << true;
    QTest::newRow("cross sums") << Stat::CrossSums << after << "L14" << "L90" << false;
    QTest::newRow("super number") << Stat::SuperOverdue << after << "L91" << "L89" << false;
    QTest::newRow("pairs") << Stat::Pairs << after << "L93" << "L88" << false;
    QTest::newRow("primes") << Stat::Primes << after << "L94" << "L90" << false;
}

void TestNumberStats::labelsSayWhatIsCounted()
{
    QFETCH(Stat, stat);
    QFETCH(QString, note);
    QFETCH(QString, bottomTitle);
    QFETCH(QString, leftTitle);
    QFETCH(bool, primeLegend);
    const StatsTexts texts = StatsTexts::fromLines([](int n) {
        if (n == 99)
            return QStringLiteral("from %1 to %2");
        if (n == 100)
            return QStringLiteral("after %1 to %2");
        return QStringLiteral("L%1").arg(n);
    });
    const std::vector<Draw> draws{draw(kStart, {1, 2, 3, 4, 5, 6}, 7), draw(kSat, {1, 2, 3, 4, 5, 6}, 7)};
    const ChartData chart = run(stat, draws, window(), texts).chart;
    QCOMPARE(chart.note, note);
    QCOMPARE(chart.bottomTitle, bottomTitle);
    QCOMPARE(chart.leftTitle, leftTitle);
    if (primeLegend) {
        QCOMPARE(chart.legend.size(), 2);
        QCOMPARE(chart.legend[0].color, kPrimeRed);
        QCOMPARE(chart.legend[0].text, QStringLiteral("L97"));
        QCOMPARE(chart.legend[1].color, kNumberGreen);
        QCOMPARE(chart.legend[1].text, QStringLiteral("L98"));
    } else {
        QVERIFY(chart.legend.isEmpty());
    }
}

void TestNumberStats::readsTheDatabaseFile()
{
    QTemporaryDir dir;
    const std::vector<Draw> draws{draw(kSat, {1, 2, 3, 4, 5, 6}, 7, 1), draw(kSun, {5, 6, 7, 8, 20, 40}, 9, 2),
                                  draw(kTue, {2, 3, 5, 7, 11, 13}, 17, 3)};
    const QString path = writeDatabase(dir.path(), draws);
    QVERIFY(!path.isEmpty());
    const DrawFile file(path);
    for (Stat stat : {Stat::Distribution, Stat::Overdue, Stat::CrossSums, Stat::SuperOverdue, Stat::Pairs,
                      Stat::Primes}) {
        const StatResult fromFile = run(stat, file, window());
        const StatResult fromMemory = run(stat, draws, window());
        QVERIFY(fromFile.ok());
        QCOMPARE(fromFile.drawCount, 3);
        QCOMPARE(values(fromFile.chart), values(fromMemory.chart));
        QCOMPARE(fromFile.chart.caption, fromMemory.chart.caption);
    }
}

void TestNumberStats::missingFileIsAnError()
{
    QTemporaryDir dir;
    const DrawFile file(dir.filePath(QStringLiteral("ZahlenOB.dat")));
    for (Stat stat : {Stat::Distribution, Stat::Overdue, Stat::CrossSums, Stat::SuperOverdue, Stat::Pairs,
                      Stat::Primes}) {
        const StatResult result = run(stat, file, window());
        QVERIFY(!result.ok());
        QVERIFY(result.error.contains(QStringLiteral("ZahlenOB.dat")));
        QVERIFY(result.chart.bars.isEmpty());
        QVERIFY(!result.lastDraw);
    }
}

QTEST_GUILESS_MAIN(TestNumberStats)
#include "tst_numberstats.moc"
