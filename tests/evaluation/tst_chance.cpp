#include "evaluation/ChanceComparison.h"

#include <QTest>

#include <cmath>

namespace {

constexpr double kRows = 13983816.0; // C(49, 6)

bool near(double a, double b, double relative)
{
    return std::fabs(a - b) <= relative * std::fabs(b);
}

} // namespace

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
    QTest::addColumn<qint64>("threes");  // observed 3x out of 100,000 rows (expected about 1,642)
    QTest::addColumn<QString>("sentence");

    QTest::newRow("as expected") << qint64(1642)
                                 << "Die Parameter lagen im Rahmen des Zufalls.";
    QTest::newRow("far more threes")
        << qint64(2200)
        << "Die Parameter lagen nicht überall im Rahmen des Zufalls: häufiger als zufällig in 3x. "
           "In den Klassen ab 3 Treffern waren sie besser als der Zufall.";
    QTest::newRow("far fewer threes")
        << qint64(1200)
        << "Die Parameter lagen nicht überall im Rahmen des Zufalls: seltener als zufällig in 3x. "
           "In den Klassen ab 3 Treffern waren sie schlechter als der Zufall.";
}

void TestChance::verdict()
{
    QFETCH(qint64, threes);
    QFETCH(QString, sentence);
    // Every other class exactly at its expectation, rounded.
    Chance::Observed observed;
    observed.rowsWithBonus = 100000;
    for (int k = 0; k <= 6; ++k)
        for (int b = 0; b < 2; ++b)
            observed.rows[std::size_t(k)][std::size_t(b)] =
                std::llround(100000 * Chance::probability(k, b == 1));
    observed.rows[3][0] = threes;
    const QStringList lines = Chance::report(Chance::compare(observed));
    QCOMPARE(lines.constLast(), sentence);
    QCOMPARE(lines[0], QString());
    QVERIFY(lines.contains(QStringLiteral("Klasse\tErwartet\tErzielt\tVerhältnis\t95-%-Intervall")));
}

QTEST_APPLESS_MAIN(TestChance)
#include "tst_chance.moc"
