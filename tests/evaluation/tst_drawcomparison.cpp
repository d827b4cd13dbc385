#include "evaluation/DrawComparison.h"

#include "DrawFixture.h"
#include "draws/DateSerial.h"

#include <QList>
#include <QTest>

namespace {

using Counts = QList<qint32>;

Counts list(const std::array<qint32, 7>& values)
{
    return Counts(values.begin(), values.end());
}

double day(int year, int month, int dayOfMonth)
{
    return DateSerial::fromDate(QDate(year, month, dayOfMonth));
}


// Records what the comparison asks and answers from presets.
class ScriptedHost final : public ComparisonHost {
public:
    QList<int> references;
    QList<double> foundDates;
    int stopBeforePass = -1; // the pass at which a stop is requested
    bool answer = true;      // to every found message

    bool beginReference(int reference, int passesDone) override
    {
        references << reference;
        return passesDone != stopBeforePass;
    }
    bool found(const Draw& draw) override
    {
        foundDates << draw.datum;
        return answer;
    }
};

ComparisonSetup setupFrom(double chosen, int threshold = 7)
{
    ComparisonSetup setup;
    setup.chosenDay = chosen;
    setup.windowStart = day(2020, 1, 4);
    setup.threshold = threshold;
    return setup;
}

} // namespace

Q_DECLARE_METATYPE(ComparisonResult::End)

class TestDrawComparison : public QObject {
    Q_OBJECT
private slots:
    void countsOverTheHistory();
    void startAtTheLastDraw();
    void laterFirstReferenceStillSeesEarlierDrawsFromTheSecondOn();
    void foundMessages_data();
    void foundMessages();
    void stopKeepsThePassesDone();
    void steppingThatCannotMoveOnEnds();
    void emptyDatabase();
    void reportLines();
};

void TestDrawComparison::countsOverTheHistory()
{
    // Counted by hand: the first reference meets no earlier draw; the last
    // draw is never a reference; the third-last misses its third draw and
    // the second-last its second and third.
    ScriptedHost host;
    const ComparisonResult result = compareDraws(fiveSaturdays(), setupFrom(day(2020, 1, 4)), host);
    QCOMPARE(result.end, ComparisonResult::End::Completed);
    QCOMPARE(host.references, QList<int>({0, 1, 2, 3}));
    QCOMPARE(result.passes, 4);
    QCOMPARE(list(result.counts.earlier), Counts({0, 3, 2, 1, 0, 0, 0}));
    QCOMPARE(list(result.counts.next), Counts({1, 1, 1, 1, 0, 0, 0}));
    QCOMPARE(list(result.counts.second), Counts({1, 1, 1, 0, 0, 0, 0}));
    QCOMPARE(list(result.counts.third), Counts({1, 1, 0, 0, 0, 0, 0}));
    QCOMPARE(result.lastReference, 3);
    QCOMPARE(result.current, 4);
}

void TestDrawComparison::startAtTheLastDraw()
{
    ScriptedHost host;
    // A day after the last draw chooses the last draw too.
    for (const double chosen : {day(2020, 2, 1), day(2021, 1, 1)}) {
        const ComparisonResult result = compareDraws(fiveSaturdays(), setupFrom(chosen), host);
        QCOMPARE(result.end, ComparisonResult::End::Completed);
        QCOMPARE(result.passes, 1);
        for (const auto* counts : {&result.counts.earlier, &result.counts.next,
                                   &result.counts.second, &result.counts.third})
            QCOMPARE(list(*counts), Counts(7, 0));
        QCOMPARE(result.lastReference, 4);
        QCOMPARE(result.current, 4);
    }
}

void TestDrawComparison::laterFirstReferenceStillSeesEarlierDrawsFromTheSecondOn()
{
    // Chosen between D1 and D2: D2 is the first reference and sees nothing
    // before it; D3 then sees D0, D1 and D2 from the counting window's start.
    ScriptedHost host;
    const ComparisonResult result = compareDraws(fiveSaturdays(), setupFrom(day(2020, 1, 15)), host);
    QCOMPARE(host.references, QList<int>({2, 3}));
    QCOMPARE(list(result.counts.earlier), Counts({0, 3, 0, 0, 0, 0, 0}));
}

void TestDrawComparison::foundMessages_data()
{
    QTest::addColumn<int>("threshold");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("messages");
    QTest::addColumn<ComparisonResult::End>("end");

    // Earlier pairs share 3 (once), 2 (twice) and 1 (three times).
    QTest::newRow("7: never") << 7 << true << 0 << ComparisonResult::End::Completed;
    QTest::newRow("3: once, yes") << 3 << true << 1 << ComparisonResult::End::Completed;
    QTest::newRow("2: three times, yes") << 2 << true << 3 << ComparisonResult::End::Completed;
    QTest::newRow("0: every earlier draw") << 0 << true << 6 << ComparisonResult::End::Completed;
    QTest::newRow("2: no at the first") << 2 << false << 1 << ComparisonResult::End::Declined;
}

void TestDrawComparison::foundMessages()
{
    QFETCH(int, threshold);
    QFETCH(bool, answer);
    QFETCH(int, messages);
    QFETCH(ComparisonResult::End, end);

    ScriptedHost host;
    host.answer = answer;
    const ComparisonResult result =
        compareDraws(fiveSaturdays(), setupFrom(day(2020, 1, 4), threshold), host);
    QCOMPARE(host.foundDates.size(), messages);
    QCOMPARE(result.end, end);
    if (end == ComparisonResult::End::Declined) {
        QCOMPARE(host.foundDates.constFirst(), day(2020, 1, 4)); // D0 against D1
        QCOMPARE(result.current, 1); // the reference stays current
    }
}

void TestDrawComparison::stopKeepsThePassesDone()
{
    ScriptedHost host;
    host.stopBeforePass = 2;
    const ComparisonResult result = compareDraws(fiveSaturdays(), setupFrom(day(2020, 1, 4)), host);
    QCOMPARE(result.end, ComparisonResult::End::Stopped);
    QCOMPARE(result.passes, 2);
    QCOMPARE(list(result.counts.earlier), Counts({0, 0, 0, 1, 0, 0, 0}));
    QCOMPARE(list(result.counts.next), Counts({0, 0, 1, 1, 0, 0, 0}));
    QCOMPARE(result.lastReference, 1);
    QCOMPARE(result.current, 2);
}

void TestDrawComparison::steppingThatCannotMoveOnEnds()
{
    // Only Wednesdays are stepped to, and the one later draw is a Saturday:
    // the stepping stays at the reference, which must end the run instead of
    // repeating it forever.
    const std::vector<Draw> draws{makeDraw(QDate(2020, 1, 8), {1, 2, 3, 4, 5, 6}, 7),
                                  makeDraw(QDate(2020, 1, 11), {1, 2, 3, 10, 11, 12}, 13)};
    ComparisonSetup setup = setupFrom(day(2020, 1, 8));
    setup.saturdays = false;
    ScriptedHost host;
    const ComparisonResult result = compareDraws(draws, setup, host);
    QCOMPARE(result.end, ComparisonResult::End::Completed);
    QCOMPARE(result.passes, 1);
    QCOMPARE(list(result.counts.next), Counts(7, 0));
}

void TestDrawComparison::emptyDatabase()
{
    ScriptedHost host;
    const ComparisonResult result = compareDraws({}, setupFrom(day(2020, 1, 4)), host);
    QCOMPARE(result.end, ComparisonResult::End::NoDraws);
    QVERIFY(host.references.isEmpty());
}

void TestDrawComparison::reportLines()
{
    ComparisonCounts counts;
    counts.earlier = {0, 3, 2, 12, 0, 0, 0};
    counts.next[1] = 4;
    counts.second[6] = 1;
    counts.third[0] = 9;
    const QStringList lines = comparisonReport(counts, {"E", "N", "S", "T"});
    QCOMPARE(lines.size(), 4 * 8 + 3);
    QCOMPARE(lines.mid(0, 8), QStringList({"E", "0x    =>0", "1x    =>3", "2x    =>2",
                                           "3x    =>12", "4x    =>0", "5x    =>0", "6x    =>0"}));
    QCOMPARE(lines[8], QStringLiteral(" "));
    QCOMPARE(lines[9], QStringLiteral("N"));
    QCOMPARE(lines[11], QStringLiteral("1x    =>4"));
    QCOMPARE(lines[18], QStringLiteral("S"));
    QCOMPARE(lines[25], QStringLiteral("6x    =>1"));
    QCOMPARE(lines[27], QStringLiteral("T"));
    QCOMPARE(lines[28], QStringLiteral("0x    =>9"));
}

QTEST_APPLESS_MAIN(TestDrawComparison)
#include "tst_drawcomparison.moc"
