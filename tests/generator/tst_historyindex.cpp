#include "generator/HistoryIndex.h"

#include "DrawFixture.h"
#include "draws/DateSerial.h"
#include "draws/DrawFile.h"
#include "evaluation/Zettelcheck.h"

#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>
#include <random>

namespace {

// Plain answer, the way the history filters were always answered: read the
// file from its first record and compare each admitted draw with the row.
bool plainScanReaches(const DrawFile& file, const Row& row, int threshold,
                      const CountingWindow& window, bool bonusRule)
{
    bool reached = false;
    const QString error = file.scan([&](const Draw& draw, qint64) {
        if (!window.admits(draw))
            return true;
        const CheckResult check = zettelcheck(row, draw.zahl());
        const int hits = check.gewinn + (bonusRule && check.zusatz ? 1 : 0);
        reached = hits >= threshold;
        return !reached;
    });
    if (!error.isEmpty())
        qFatal("scan failed: %s", qPrintable(error));
    return reached;
}

// About 1,500 plausible draws twice a week from 2000 on, with some damaged
// records among them: numbers twice, numbers out of range, a bonus equal to
// a drawn number, an impossible date.
std::vector<Draw> fixtureDraws(std::mt19937& random)
{
    std::vector<Draw> draws;
    QDate date(2000, 1, 5);
    std::uniform_int_distribution<int> number(1, 49);
    for (int i = 0; i < 1500; ++i) {
        std::array<int, 49> all{};
        for (int n = 0; n < 49; ++n)
            all[std::size_t(n)] = n + 1;
        std::shuffle(all.begin(), all.end(), random);
        Draw draw = makeDraw(date, {all[0], all[1], all[2], all[3], all[4], all[5]}, all[6],
                             int(random() % 10));
        switch (i % 97) {
        case 10: draw.zahlen[3] = draw.zahlen[1]; break;                // a number twice
        case 20: draw.zahlen[0] = 0; draw.zahlen[5] = 200; break;       // out of range
        case 30: draw.zahlen[6] = draw.zahlen[2]; break;                // bonus among the six
        case 40: draw.datum = std::numeric_limits<double>::quiet_NaN(); break;
        case 50: draw.zahlen[6] = 0; break;                             // no bonus
        default: break;
        }
        draws.push_back(draw);
        date = date.addDays(date.dayOfWeek() == 3 ? 3 : 4);
    }
    return draws;
}

} // namespace

class TestHistoryIndex : public QObject {
    Q_OBJECT
private slots:
    void sameAnswersAsThePlainScan();
    void emptyHistoryReachesNothing();
};

void TestHistoryIndex::sameAnswersAsThePlainScan()
{
    std::mt19937 random(20261210);
    const std::vector<Draw> draws = fixtureDraws(random);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const DrawFile file(writeDatabase(dir.path(), draws));
    QVERIFY(file.exists());

    std::optional<std::vector<Draw>> stored = file.readAll();
    QVERIFY(stored);
    const HistoryIndex index(*stored);

    const double first = DateSerial::fromDate(QDate(1999, 12, 1));
    const double last = DateSerial::fromDate(QDate(2009, 12, 31));
    std::uniform_real_distribution<double> day(first, last);
    int reached = 0;
    int missed = 0;
    for (int i = 0; i < 3000; ++i) {
        std::array<int, 49> all{};
        for (int n = 0; n < 49; ++n)
            all[std::size_t(n)] = n + 1;
        std::shuffle(all.begin(), all.end(), random);
        Row row{all[0], all[1], all[2], all[3], all[4], all[5]};
        std::sort(row.begin(), row.end());

        CountingWindow window;
        window.start = std::floor(day(random));
        window.end = std::floor(day(random));
        if (window.end < window.start)
            std::swap(window.start, window.end);
        window.startInclusive = random() % 2 == 0;
        const unsigned weekdays = random() % 3;
        window.saturdays = weekdays != 1;
        window.wednesdays = weekdays != 2;
        const bool bonusRule = random() % 2 == 0;
        const int threshold = 2 + int(random() % 5);
        // Every third query asks a recent window, as the recent filters do.
        const CountingWindow asked = i % 3 == 0
            ? HistoryIndex::recentWindow(window, 4 + int(random() % 497))
            : window;

        const bool expected = plainScanReaches(file, row, threshold, asked, bonusRule);
        QCOMPARE(index.anyDrawReaches(row, threshold, asked, bonusRule), expected);
        (expected ? reached : missed) += 1;
    }
    // Both answers occur often, so the comparison means something.
    QVERIFY(reached > 300);
    QVERIFY(missed > 300);
}

void TestHistoryIndex::emptyHistoryReachesNothing()
{
    const HistoryIndex index;
    CountingWindow window;
    window.end = 1e6;
    QVERIFY(!index.anyDrawReaches(Row{1, 2, 3, 4, 5, 6}, 0, window, true));
}

QTEST_GUILESS_MAIN(TestHistoryIndex)
#include "tst_historyindex.moc"
