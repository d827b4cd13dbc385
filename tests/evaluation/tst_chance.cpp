#include "evaluation/ChanceComparison.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <numeric>
#include <random>

namespace {

constexpr double kRows = 13983816.0; // C(49, 6)
// Rows with 3 or more hits out of C(49, 6).
constexpr double kThreeOrMore = (246820.0 + 13545.0 + 258.0 + 1.0) / kRows;

bool near(double a, double b, double relative)
{
    return std::fabs(a - b) <= relative * std::fabs(b);
}

using Numbers = std::array<quint8, 6>;

std::vector<quint8> shuffled(std::mt19937& random, std::vector<quint8> numbers)
{
    std::shuffle(numbers.begin(), numbers.end(), random);
    return numbers;
}

Numbers firstSix(const std::vector<quint8>& numbers)
{
    Numbers six{};
    std::copy_n(numbers.begin(), 6, six.begin());
    return six;
}

std::vector<quint8> allNumbers()
{
    std::vector<quint8> all(49);
    std::iota(all.begin(), all.end(), quint8(1));
    return all;
}

// Twelve rows of six different numbers, each taken at random from one pool
// of poolSize numbers chosen at random: 49 gives independent uniform rows, a
// small pool rows that share numbers and so hit together.
std::vector<Numbers> randomBoard(std::mt19937& random, int poolSize)
{
    std::vector<quint8> pool = shuffled(random, allNumbers());
    pool.resize(std::size_t(poolSize));
    std::vector<Numbers> rows;
    for (int r = 0; r < 12; ++r)
        rows.push_back(firstSix(shuffled(random, pool)));
    return rows;
}

Chance::Pass pass(const Numbers& drawn, const std::vector<Numbers>& rows)
{
    Chance::Pass p;
    p.draw = Chance::drawMask({drawn[0], drawn[1], drawn[2], drawn[3], drawn[4], drawn[5]});
    for (const Numbers& row : rows)
        p.rows.push_back(Chance::rowMask(row));
    return p;
}

} // namespace

Q_DECLARE_METATYPE(Numbers)

class TestChance : public QObject {
    Q_OBJECT
private slots:
    void exactProbabilities_data();
    void exactProbabilities();
    void probabilitiesAddUpToOne();
    void shareInterval_data();
    void shareInterval();
    void comparisonOfCounts();
    void bonusClassesOnlyWhileTheBonusExisted();
    void verdict_data();
    void verdict();
    void referenceRunsDrawEveryNumberAlike_data();
    void referenceRunsDrawEveryNumberAlike();
    void repeatedNumbersCountAsTheRatingCounts();
    void falseBetterRate_data();
    void falseBetterRate();
};

void TestChance::exactProbabilities_data()
{
    QTest::addColumn<int>("hits");
    QTest::addColumn<double>("all");          // rows out of C(49, 6), bonus or not
    QTest::addColumn<double>("withBonus");
    QTest::addColumn<double>("withoutBonus");

    QTest::newRow("0") << 0 << 6096454.0 << 850668.0 << 5245786.0;
    QTest::newRow("1") << 1 << 5775588.0 << 671580.0 << 5104008.0;
    QTest::newRow("2") << 2 << 1851150.0 << 172200.0 << 1678950.0;
    QTest::newRow("3") << 3 << 246820.0 << 17220.0 << 229600.0;
    QTest::newRow("4") << 4 << 13545.0 << 630.0 << 12915.0;
    QTest::newRow("5") << 5 << 258.0 << 6.0 << 252.0;
    QTest::newRow("6") << 6 << 1.0 << 0.0 << 1.0;
}

void TestChance::exactProbabilities()
{
    QFETCH(int, hits);
    QFETCH(double, all);
    QFETCH(double, withBonus);
    QFETCH(double, withoutBonus);
    QVERIFY(near(Chance::hitProbability(hits), all / kRows, 1e-12));
    QVERIFY(near(Chance::probability(hits, true), withBonus / kRows, 1e-12));
    QVERIFY(near(Chance::probability(hits, false), withoutBonus / kRows, 1e-12));
}

void TestChance::probabilitiesAddUpToOne()
{
    double sum = 0.0;
    for (int k = 0; k <= 6; ++k)
        sum += Chance::probability(k, true) + Chance::probability(k, false);
    QVERIFY(near(sum, 1.0, 1e-12));
}

void TestChance::shareInterval_data()
{
    QTest::addColumn<qint64>("successes");
    QTest::addColumn<qint64>("trials");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<double>("tolerance");

    // Closed forms at the edges: 1 - 0.025^(1/n) and 0.025^(1/n).
    QTest::newRow("0 of 10") << qint64(0) << qint64(10) << 0.0 << 0.30849710781 << 1e-9;
    QTest::newRow("10 of 10") << qint64(10) << qint64(10) << 0.69150289219 << 1.0 << 1e-9;
    // Clopper-Pearson values from tables, checked against the defining sums.
    QTest::newRow("5 of 10") << qint64(5) << qint64(10) << 0.18708602 << 0.81291398 << 1e-7;
    QTest::newRow("1 of 20") << qint64(1) << qint64(20) << 0.00126509 << 0.24873276 << 1e-7;
    // Large counts, as a long backtest gives: close to the normal interval.
    QTest::newRow("26000 of 60000") << qint64(26000) << qint64(60000) << 0.42937 << 0.43730 << 5e-5;
}

void TestChance::shareInterval()
{
    QFETCH(qint64, successes);
    QFETCH(qint64, trials);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(double, tolerance);
    const Chance::Interval interval = Chance::shareInterval(successes, trials);
    QVERIFY2(std::fabs(interval.low - low) < tolerance, qPrintable(QString::number(interval.low, 'g', 10)));
    QVERIFY2(std::fabs(interval.high - high) < tolerance, qPrintable(QString::number(interval.high, 'g', 10)));
}

void TestChance::comparisonOfCounts()
{
    // 1,000,000 rated rows on draws with a bonus number, scored exactly as
    // expected in 3x: ratio 1 with an interval around it.
    Chance::Observed observed;
    observed.rowsWithBonus = 1000000;
    observed.rows[3][0] = qint64(std::llround(1e6 * 229600.0 / kRows)); // 16419
    const std::vector<Chance::ClassComparison> classes = Chance::compare(observed);
    QCOMPARE(classes.size(), std::size_t(13)); // 0x..6x and 0x..5x + Bonus
    const auto three = std::find_if(classes.begin(), classes.end(), [](const auto& c) {
        return c.hits == 3 && !c.bonus;
    });
    QVERIFY(three != classes.end());
    QVERIFY(near(three->expected, 1e6 * 229600.0 / kRows, 1e-9));
    QCOMPARE(three->observed, qint64(16419));
    QVERIFY(near(three->ratio, 1.0, 1e-3));
    QVERIFY(three->ratioInterval.low < 0.99 && three->ratioInterval.low > 0.96);
    QVERIFY(three->ratioInterval.high > 1.01 && three->ratioInterval.high < 1.04);
}

void TestChance::bonusClassesOnlyWhileTheBonusExisted()
{
    // Rows on draws without a bonus number fall into the plain classes with
    // the plain probabilities, and no bonus class is reported.
    Chance::Observed observed;
    observed.rowsWithoutBonus = 500;
    const std::vector<Chance::ClassComparison> classes = Chance::compare(observed);
    QCOMPARE(classes.size(), std::size_t(7));
    for (const Chance::ClassComparison& c : classes) {
        QVERIFY(!c.bonus);
        QVERIFY(near(c.expected, 500 * Chance::hitProbability(c.hits), 1e-12));
    }

    // Mixed: 5x expects its plain share on the bonus draws plus the whole
    // probability on the others.
    observed.rowsWithBonus = 300;
    const auto mixed = Chance::compare(observed);
    const auto five = std::find_if(mixed.begin(), mixed.end(),
                                   [](const auto& c) { return c.hits == 5 && !c.bonus; });
    QVERIFY(near(five->expected, (300 * 252.0 + 500 * 258.0) / kRows, 1e-12));
}

void TestChance::verdict_data()
{
    QTest::addColumn<int>("threesPerPass"); // rows of the board that share 3 numbers with the draw
    QTest::addColumn<int>("passes");
    QTest::addColumn<QString>("result");    // the line with the p-value, from its second field on
    QTest::addColumn<QString>("verdict");

    const QString better = QStringLiteral("Die Parameter waren besser als der Zufall (p unter 0,05).");
    const QString notShown = QStringLiteral("Die Parameter waren nicht nachweisbar besser als "
                                            "zufällige Tipps (p nicht unter 0,05).");
    // Twelve rows, the others apart from the draw: a row meeting it in three
    // every pass beats every reference run, p = 1 / 1001.
    QTest::newRow("a three in every pass") << 1 << 300 << "300 von 3.600 Reihen" << better;
    // Never a three: every reference run scores at least as many.
    QTest::newRow("never a three") << 0 << 300 << "0 von 3.600 Reihen" << notShown;
    // One pass, one three among twelve rows: no evidence either way.
    QTest::newRow("one pass with a three") << 1 << 1 << "1 von 12 Reihen" << notShown;
}

void TestChance::verdict()
{
    QFETCH(int, threesPerPass);
    QFETCH(int, passes);
    QFETCH(QString, result);
    QFETCH(QString, verdict);

    const Numbers drawn{1, 2, 3, 4, 5, 6};
    std::vector<Numbers> rows;
    for (int r = 0; r < 12; ++r)
        rows.push_back(Numbers{quint8(7 + r), quint8(8 + r), quint8(9 + r), quint8(10 + r),
                               quint8(11 + r), quint8(12 + r)});
    for (int r = 0; r < threesPerPass; ++r)
        rows[std::size_t(r)] = Numbers{1, 2, 3, 47, 48, 49};
    Chance::Observed observed;
    observed.rowsWithBonus = 12 * passes;
    observed.passes.assign(std::size_t(passes), pass(drawn, rows));

    const Chance::TestResult test = Chance::threeOrMoreTest(observed.passes);
    QCOMPARE(test.observed, qint64(threesPerPass * passes));
    QCOMPARE(test.runs, 1000);
    QCOMPARE(test.better(), verdict.contains(QStringLiteral("besser als der Zufall")));
    if (passes >= 300)
        QVERIFY(near(test.referenceMean, 12.0 * passes * kThreeOrMore, 0.1));

    const QStringList lines = Chance::report(Chance::compare(observed), test);
    QCOMPARE(lines[0], QString());
    QVERIFY(lines.contains(QStringLiteral("Klasse\tErwartet\tErzielt\tVerhältnis\t95-%-Intervall")));
    QCOMPARE(lines.constLast(), verdict);
    const QString stated = lines[lines.size() - 2];
    QVERIFY2(stated.startsWith(QStringLiteral("Erzielt: ") + result + QStringLiteral("; ")), qPrintable(stated));
    QVERIFY2(stated.endsWith(QStringLiteral("p = %1 (einseitig).")
                                 .arg(QLocale(QLocale::German).toString(test.pValue, 'f', 3))),
             qPrintable(stated));
    if (threesPerPass * passes >= 300)
        QCOMPARE(test.pValue, 1.0 / 1001.0);
    // The seed is fixed: the same board gives the same report.
    QCOMPARE(Chance::threeOrMoreTest(observed.passes).pValue, test.pValue);
}

void TestChance::referenceRunsDrawEveryNumberAlike_data()
{
    QTest::addColumn<Numbers>("row");
    QTest::newRow("lowest numbers") << Numbers{1, 2, 3, 4, 5, 6};
    QTest::newRow("highest numbers") << Numbers{44, 45, 46, 47, 48, 49};
    QTest::newRow("spread") << Numbers{1, 10, 25, 32, 48, 49};
}

void TestChance::referenceRunsDrawEveryNumberAlike()
{
    // A fixed row against the reference draws meets 3 or more numbers as
    // often as against real draws of 6 out of 49, whichever its numbers.
    QFETCH(Numbers, row);
    const Chance::TestResult test =
        Chance::threeOrMoreTest(std::vector<Chance::Pass>(2000, pass({7, 8, 9, 10, 11, 12}, {row})));
    // 2,000,000 rated rows over the runs: the mean is within 1.5 % (about
    // four standard deviations) of the exact share.
    QVERIFY2(near(test.referenceMean, 2000 * kThreeOrMore, 0.015), qPrintable(QString::number(test.referenceMean)));
}

void TestChance::repeatedNumbersCountAsTheRatingCounts()
{
    // A number entered twice counts twice; numbers outside 1 to 49 never hit.
    const Numbers drawn{5, 9, 20, 30, 40, 49};
    QCOMPARE(Chance::threeOrMoreTest({pass(drawn, {{5, 5, 9, 1, 2, 3}})}, 0).observed, qint64(1));
    QCOMPARE(Chance::threeOrMoreTest({pass(drawn, {{5, 9, 1, 2, 3, 4}})}, 0).observed, qint64(0));
    QCOMPARE(Chance::threeOrMoreTest({pass(drawn, {{0, 50, 255, 5, 9, 49}})}, 0).observed, qint64(1));
    QCOMPARE(Chance::threeOrMoreTest({pass(drawn, {{0, 50, 255, 1, 9, 49}})}, 0).observed, qint64(0));
}

void TestChance::falseBetterRate_data()
{
    QTest::addColumn<int>("poolSize");
    QTest::newRow("uniform random rows") << 49;
    // Rows from a pool of nine numbers hit together: rated as if they were
    // independent rows, they would be called better far too often.
    QTest::newRow("rows sharing a small pool") << 9;
}

void TestChance::falseBetterRate()
{
    // Boards made without any knowledge of the draws, over 1,000 seeds: the
    // verdict may call them better only at about its level of 5 %. Fewer
    // reference runs than in the program keep the test quick; the level
    // does not depend on their number.
    QFETCH(int, poolSize);
    constexpr int seeds = 1000;
    int better = 0;
    for (int seed = 1; seed <= seeds; ++seed) {
        std::mt19937 random{quint32(seed)};
        std::vector<Chance::Pass> passes;
        for (int p = 0; p < 100; ++p) {
            const Numbers drawn = firstSix(shuffled(random, allNumbers()));
            passes.push_back(pass(drawn, randomBoard(random, poolSize)));
        }
        if (Chance::threeOrMoreTest(passes, 100).better())
            ++better;
    }
    const double rate = double(better) / seeds;
    qInfo("false \"better\" in %d of %d boards (%.1f %%)", better, seeds, 100.0 * rate);
    // With 100 passes and 100 runs the count is coarse enough to hold the
    // exact rate at 4.1 %; over 1,000 boards its standard deviation is 0.6 %.
    QVERIFY2(rate <= 0.065, qPrintable(QString::number(rate)));
    QVERIFY2(rate >= 0.02, qPrintable(QString::number(rate))); // not so timid that it never speaks
}

QTEST_APPLESS_MAIN(TestChance)
#include "tst_chance.moc"
