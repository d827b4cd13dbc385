#include "systems/CoverageCheck.h"
#include "systems/LottoSystem.h"
#include "systems/ShippedSystems.h"
#include "systems/SystemSearch.h"
#include "systems/SystemTexts.h"

#include <QTest>

#include <algorithm>
#include <set>

namespace {

std::vector<int> oneTo(int k)
{
    std::vector<int> numbers;
    for (int n = 1; n <= k; ++n)
        numbers.push_back(n);
    return numbers;
}

NumberMask positions(std::initializer_list<int> oneBased)
{
    NumberMask mask = 0;
    for (int p : oneBased)
        mask |= NumberMask(1) << (p - 1);
    return mask;
}

// The issue's example: 3 if 4 on 10 numbers.
std::vector<NumberMask> fourRows()
{
    return {positions({1, 2, 3, 4, 5, 6}), positions({1, 2, 3, 4, 5, 7}), positions({1, 6, 7, 8, 9, 10}),
            positions({2, 3, 4, 5, 8, 9})};
}

// The m-subsets no row meets in t places, counted the slow way over sorted
// position lists, independent of the checker's bit tricks.
std::vector<NumberMask> holesBySets(const std::vector<NumberMask>& rows, int k, Guarantee g)
{
    std::vector<NumberMask> holes;
    for (NumberMask s = 0; s < (NumberMask(1) << k); ++s) {
        std::vector<int> subset;
        for (int i = 0; i < k; ++i)
            if ((s >> i) & 1U)
                subset.push_back(i);
        if (int(subset.size()) != g.ifDrawn)
            continue;
        bool covered = false;
        for (NumberMask row : rows) {
            int shared = 0;
            for (int i : subset)
                shared += ((row >> i) & 1U) ? 1 : 0;
            covered = covered || shared >= g.hits;
        }
        if (!covered)
            holes.push_back(s);
    }
    return holes;
}

} // namespace

class TestSystems : public QObject {
    Q_OBJECT

private slots:
    void fullSystemRows_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("007") << 7 << 7 << "123456" << "234567";
        QTest::newRow("008") << 8 << 28 << "123456" << "345678";
        QTest::newRow("009") << 9 << 84 << "123456" << "456789";
        QTest::newRow("010") << 10 << 210 << "123456" << "56789A";
        QTest::newRow("011") << 11 << 462 << "123456" << "6789AB";
        QTest::newRow("012") << 12 << 924 << "123456" << "789ABC";
        QTest::newRow("013") << 13 << 1716 << "123456" << "89ABCD";
    }
    void fullSystemRows()
    {
        QFETCH(int, k);
        QFETCH(int, rows);
        QFETCH(QString, first);
        QFETCH(QString, last);
        const LottoSystem system = Systems::fullSystem(oneTo(k));
        QCOMPARE(int(system.rows.size()), rows);
        QCOMPARE(ShippedSystems::formatRows({system.rows.front()}), first);
        QCOMPARE(ShippedSystems::formatRows({system.rows.back()}), last);
        // Lexicographic order over positions, every six-subset exactly once.
        const auto sorted = system.sortedRows();
        QVERIFY(std::is_sorted(sorted.begin(), sorted.end()));
        QCOMPARE(std::set<SixNumbers>(sorted.begin(), sorted.end()).size(), sorted.size());
        QVERIFY(CoverageCheck::check(system).holds);
    }

    void fullSystemOutsideItsRange()
    {
        QVERIFY(Systems::fullSystemRows(14).empty());
        QVERIFY(Systems::fullSystemRows(5).empty());
        QCOMPARE(Systems::fullSystemRows(6).size(), std::size_t(1));
    }

    void nextSubsetVisitsEveryMSubsetOnce()
    {
        // The covering checks and the searches step through the m-subsets this way.
        for (int k = 6; k <= CoverageCheck::kMaxNumbers; ++k) {
            const NumberMask all = (NumberMask(1) << k) - 1;
            for (int m = 1; m <= 6; ++m) {
                std::int64_t count = 0;
                NumberMask previous = 0;
                for (NumberMask s = (NumberMask(1) << m) - 1; s <= all; s = Systems::nextSubset(s)) {
                    QVERIFY(s > previous);
                    QCOMPARE(Systems::popCount(s), m);
                    previous = s;
                    ++count;
                }
                QCOMPARE(count, Systems::binomial(k, m));
            }
        }
    }

    void rowsMapOntoTheNumbers()
    {
        LottoSystem system;
        system.numbers = {3, 7, 12, 19, 23, 28, 31, 36, 41, 45};
        system.rows = fourRows();
        const auto rows = system.sortedRows();
        QCOMPARE(rows[2], (SixNumbers{3, 28, 31, 36, 41, 45}));
        QCOMPARE(rows[3], (SixNumbers{7, 12, 19, 23, 36, 41}));
        QCOMPARE(Systems::positionsOf(system.numberRows()[3], system.numbers), system.rows[3]);
    }

    void issueExampleHoldsWithoutHoles()
    {
        const CoverageResult result = CoverageCheck::check(fourRows(), 10, {3, 4});
        QVERIFY(result.checked);
        QVERIFY(result.holds);
        QCOMPARE(result.holeCount, 0);
        QVERIFY(result.holes.empty());
    }

    void removingAnyRowLeavesTheHolesListed_data()
    {
        QTest::addColumn<int>("removed");
        for (int i = 0; i < 4; ++i)
            QTest::addRow("without row %d", i + 1) << i;
    }
    void removingAnyRowLeavesTheHolesListed()
    {
        QFETCH(int, removed);
        std::vector<NumberMask> rows = fourRows();
        rows.erase(rows.begin() + removed);
        const CoverageResult result = CoverageCheck::check(rows, 10, {3, 4});
        QVERIFY(result.checked);
        QVERIFY(!result.holds);
        const auto expected = holesBySets(rows, 10, {3, 4});
        QVERIFY(!expected.empty());
        QCOMPARE(result.holes, expected);
        QCOMPARE(result.holeCount, std::int64_t(expected.size()));
    }

    void holeListIsCutButCounted()
    {
        const CoverageResult result = CoverageCheck::check({fourRows().front()}, 10, {3, 4}, 5);
        QCOMPARE(result.holes.size(), std::size_t(5));
        QCOMPARE(result.holeCount, std::int64_t(holesBySets({fourRows().front()}, 10, {3, 4}).size()));
    }

    void fullSystemWithoutOneRowMissesExactlyIt()
    {
        std::vector<NumberMask> rows = Systems::fullSystemRows(9);
        const NumberMask gone = rows[40];
        rows.erase(rows.begin() + 40);
        const CoverageResult result = CoverageCheck::check(rows, 9, {6, 6});
        QCOMPARE(result.holes, std::vector<NumberMask>{gone});
        QVERIFY(CoverageCheck::check(rows, 9, {5, 6}).holds);
    }

    void checkerRefusesWhatItCannotProve_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("m");
        QTest::addColumn<bool>("fiveNumberRow");
        QTest::newRow("five numbers") << 5 << 3 << 4 << false;
        QTest::newRow("too many numbers") << CoverageCheck::kMaxNumbers + 1 << 3 << 4 << false;
        QTest::newRow("t above m") << 10 << 4 << 3 << false;
        QTest::newRow("m above six") << 10 << 3 << 7 << false;
        QTest::newRow("no hits") << 10 << 0 << 4 << false;
        QTest::newRow("a row of five") << 10 << 3 << 4 << true;
    }
    void checkerRefusesWhatItCannotProve()
    {
        QFETCH(int, k);
        QFETCH(int, t);
        QFETCH(int, m);
        QFETCH(bool, fiveNumberRow);
        std::vector<NumberMask> rows = {positions({1, 2, 3, 4, 5, 6})};
        if (fiveNumberRow)
            rows.push_back(positions({1, 2, 3, 4, 5}));
        const CoverageResult result = CoverageCheck::check(rows, k, {t, m});
        QVERIFY(!result.checked);
        QVERIFY(!result.holds);
    }

    void aGeneralSetOfRowsOverManyNumbers()
    {
        // Two disjoint rows and more: 18 numbers, beyond a full system's range.
        const std::vector<NumberMask> rows = {positions({1, 2, 3, 4, 5, 6}), positions({7, 8, 9, 10, 11, 12}),
                                              positions({13, 14, 15, 16, 17, 18})};
        QVERIFY(CoverageCheck::check(rows, 18, {1, 3}).holds);
        const CoverageResult result = CoverageCheck::check(rows, 18, {2, 3});
        QCOMPARE(result.holeCount, std::int64_t(6 * 6 * 6)); // one number from each row
    }

    void searchResultIsAlwaysProven_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("m");
        QTest::newRow("10: 3 if 4") << 10 << 3 << 4;
        QTest::newRow("8: 4 if 4") << 8 << 4 << 4;
        QTest::newRow("11: 5 if 5") << 11 << 5 << 5;
        QTest::newRow("12: 5 if 6") << 12 << 5 << 6;
        QTest::newRow("13: 3 if 4") << 13 << 3 << 4;
        QTest::newRow("7: 2 if 2") << 7 << 2 << 2;
        QTest::newRow("13: 6 if 6") << 13 << 6 << 6;
    }
    void searchResultIsAlwaysProven()
    {
        QFETCH(int, k);
        QFETCH(int, t);
        QFETCH(int, m);
        SearchOptions options;
        options.k = k;
        options.guarantee = {t, m};
        options.maxSteps = 20000;
        const SearchResult result = SystemSearch::search(options);
        QVERIFY(!result.rows.empty());
        QVERIFY(result.proof.holds);
        QVERIFY(CoverageCheck::check(result.rows, k, {t, m}).holds);
        if (result.rows.size() < 200) // the slow count takes long on a full system
            QVERIFY(holesBySets(result.rows, k, {t, m}).empty());
        QVERIFY(int(result.rows.size()) >= result.lowerBound);
        QVERIFY(result.steps <= options.maxSteps);
        if (t == 6)
            QCOMPARE(result.rows.size(), std::size_t(Systems::binomial(k, 6)));
    }

    void searchIsDeterministicPerSeed()
    {
        SearchOptions options;
        options.k = 11;
        options.guarantee = {4, 4};
        options.maxSteps = 30000;
        const auto a = SystemSearch::search(options);
        const auto b = SystemSearch::search(options);
        QCOMPARE(a.rows, b.rows);
        QCOMPARE(a.steps, b.steps);
    }

    void searchFindsTheIssueExample()
    {
        SearchOptions options;
        options.k = 10;
        options.guarantee = {3, 4};
        options.maxSteps = 50000;
        QCOMPARE(SystemSearch::search(options).rows.size(), std::size_t(4));
    }

    void stoppedSearchStillReturnsAProvenSystem()
    {
        std::atomic_bool stop{true};
        SearchOptions options;
        options.k = 12;
        options.guarantee = {4, 5};
        options.stop = &stop;
        const SearchResult result = SystemSearch::search(options);
        QCOMPARE(result.steps, 0);
        QVERIFY(!result.rows.empty());
        QVERIFY(result.proof.holds);
    }

    void searchRefusesWhatItCannotBuild_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("m");
        QTest::newRow("14 numbers") << 14 << 3 << 4;
        QTest::newRow("6 numbers") << 6 << 3 << 4;
        QTest::newRow("t above m") << 10 << 5 << 4;
    }
    void searchRefusesWhatItCannotBuild()
    {
        QFETCH(int, k);
        QFETCH(int, t);
        QFETCH(int, m);
        SearchOptions options;
        options.k = k;
        options.guarantee = {t, m};
        QVERIFY(SystemSearch::search(options).rows.empty());
    }

    void everyShippedSystemIsProven()
    {
        const auto& all = ShippedSystems::all();
        for (int k = 8; k <= 12; ++k)
            for (const Guarantee g : {Guarantee{3, 3}, Guarantee{3, 4}, Guarantee{4, 4}, Guarantee{4, 5}, Guarantee{5, 6}})
                QVERIFY2(ShippedSystems::find(k, g), qPrintable(QStringLiteral("k=%1 %2 if %3").arg(k).arg(g.hits).arg(g.ifDrawn)));
        for (const ShippedSystem& entry : all) {
            const QString name = QStringLiteral("k=%1 %2 if %3").arg(entry.k).arg(entry.guarantee.hits).arg(entry.guarantee.ifDrawn);
            QVERIFY2(!entry.rows.empty(), qPrintable(name));
            QVERIFY2(CoverageCheck::check(entry.rows, entry.k, entry.guarantee).holds, qPrintable(name));
            QVERIFY2(holesBySets(entry.rows, entry.k, entry.guarantee).empty(), qPrintable(name));
            QVERIFY2(int(entry.rows.size()) >= SystemSearch::countingBound(entry.k, entry.guarantee), qPrintable(name));
            QVERIFY2(std::is_sorted(entry.rows.begin(), entry.rows.end(), [](NumberMask a, NumberMask b) {
                         return ShippedSystems::formatRows({a}) < ShippedSystems::formatRows({b});
                     }), qPrintable(name));
        }
        const ShippedSystem* example = ShippedSystems::find(10, {3, 4});
        QCOMPARE(example->rows.size(), std::size_t(4));
        QVERIFY(example->provenMinimal);
    }

    void shippedSystemOnTheUsersNumbers()
    {
        const std::vector<int> numbers = {2, 9, 14, 20, 27, 33, 38, 42, 47, 49};
        const LottoSystem system = ShippedSystems::onNumbers(*ShippedSystems::find(10, {3, 4}), numbers);
        QVERIFY(CoverageCheck::check(system).holds);
        for (const SixNumbers& row : system.sortedRows())
            for (int n : row)
                QVERIFY(std::find(numbers.begin(), numbers.end(), n) != numbers.end());
    }

    void rowTextsParse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("rows");
        QTest::newRow("two rows") << "123456 789ABC" << 12 << 2;
        QTest::newRow("position past k") << "12345D" << 12 << 0;
        QTest::newRow("five positions") << "12345" << 12 << 0;
        QTest::newRow("a position twice") << "123455" << 12 << 0;
        QTest::newRow("not a position") << "12345x" << 12 << 0;
    }
    void rowTextsParse()
    {
        QFETCH(QString, text);
        QFETCH(int, k);
        QFETCH(int, rows);
        const auto parsed = ShippedSystems::parseRows(text.toLatin1().constData(), k);
        QCOMPARE(int(parsed.size()), rows);
        if (rows > 0)
            QCOMPARE(ShippedSystems::formatRows(parsed), text);
    }

    void guaranteeInWords()
    {
        QCOMPARE(SystemTexts::guarantee({3, 4}), QStringLiteral("3 Richtige, wenn 4 der gezogenen Zahlen unter Ihren sind"));
        QCOMPARE(SystemTexts::numbers(Systems::maskOf({1, 2, 3, 4, 48, 49})), QStringLiteral("1 2 3 4 48 49"));
    }
};

QTEST_GUILESS_MAIN(TestSystems)
#include "tst_systems.moc"
