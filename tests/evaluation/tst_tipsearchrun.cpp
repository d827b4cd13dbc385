#include "evaluation/TipSearchRun.h"

#include "draws/DateSerial.h"

#include "DrawFixture.h"

#include <QQueue>
#include <QTest>

#include <algorithm>

namespace {

// Row 1 is the Saturday draw unsorted, row 2 shares three numbers with the
// Wednesday draw and one with either Saturday; the other rows are empty.
BoardRows board()
{
    BoardRows rows;
    rows[0] = {"44", "38", "25", "17", "11", "3"};
    rows[1] = {"1", "2", "3", "30", "31", "32"};
    return rows;
}

QString day(double datum)
{
    return DateSerial::toDate(datum).toString(QStringLiteral("dd.MM."));
}

// Records what the search reports, as "05.12. 40%" for progress and
// "05.12. r1=6" for a hit, and answers the found messages from a queue
// (yes once it is empty).
class RecordingHost : public SearchHost {
public:
    void progress(const Draw& next, int percent) override
    {
        events << QStringLiteral("%1 %2%").arg(day(next.datum)).arg(percent);
        ++progressCalls;
    }
    bool stopRequested() override { return stopAfter >= 0 && progressCalls > stopAfter; }
    void examining(const Draw& draw) override
    {
        examined = &draw;
        nextRow = 1;
    }
    void checked(int row, const CheckResult& check) override
    {
        // Every row of the examined draw, in order.
        QVERIFY(examined);
        QCOMPARE(row, nextRow++);
        last = check;
        ++checks;
    }
    void hit(int row, BoardRows&) override
    {
        events << QStringLiteral("%1 r%2=%3").arg(day(examined->datum)).arg(row).arg(last.gewinn);
    }
    bool goOn(const QString& title, const QString& message) override
    {
        questions << title + QLatin1Char('|') + message;
        return answers.isEmpty() || answers.dequeue();
    }

    int stopAfter = -1; // progress calls before the stop; -1: never
    QQueue<bool> answers;
    QStringList events;
    QStringList questions;
    int checks = 0;

protected:
    const Draw* examined = nullptr;
    CheckResult last;
    int nextRow = 1;
    int progressCalls = 0;
};

} // namespace

Q_DECLARE_METATYPE(Draw)

class TestTipSearchRun : public QObject {
    Q_OBJECT
private slots:
    void search_data();
    void search();
    void foundMessage();
    void foundMessageNamesTheClass_data();
    void foundMessageNamesTheClass();
    void rowsRewrittenAtAHit();
};

void TestTipSearchRun::search_data()
{
    QTest::addColumn<bool>("history");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<bool>("saturdays");
    QTest::addColumn<bool>("wednesdays");
    QTest::addColumn<int>("threshold");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<int>("stopAfter");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<int>("checks");
    QTest::addColumn<int>("lastExamined");
    QTest::addColumn<bool>("stopped");
    QTest::addColumn<bool>("declined");

    const QDate first(2020, 12, 1);
    const QDate last(2020, 12, 31);
    const QStringList all{"05.12. 0%", "09.12. 40%", "12.12. 80%"};
    QTest::newRow("threshold 6: the Saturday, never Tuesday or Thursday")
        << true << first << last << true << true << 6 << QList<bool>{} << -1
        << QStringList{"05.12. 0%", "05.12. r1=6", "09.12. 40%", "12.12. 80%"} << 36 << 4 << false << false;
    QTest::newRow("threshold 3: one hit below it is passed over")
        << true << first << last << true << true << 3 << QList<bool>{} << -1
        << QStringList{"05.12. 0%", "05.12. r1=6", "09.12. 40%", "09.12. r2=3", "12.12. 80%"} << 36 << 4
        << false << false;
    QTest::newRow("threshold 7: nothing found") << true << first << last << true << true << 7 << QList<bool>{}
                                                << -1 << all << 36 << 4 << false << false;
    QTest::newRow("threshold 0: every row of every draw")
        << true << first << last << true << true << 0 << QList<bool>{} << -1
        << QStringList{"05.12. 0%",  "05.12. r1=6",  "05.12. r2=1",  "05.12. r3=0",  "05.12. r4=0",
                       "05.12. r5=0", "05.12. r6=0",  "05.12. r7=0",  "05.12. r8=0",  "05.12. r9=0",
                       "05.12. r10=0", "05.12. r11=0", "05.12. r12=0", "09.12. 40%", "09.12. r1=1",
                       "09.12. r2=3",  "09.12. r3=0",  "09.12. r4=0",  "09.12. r5=0", "09.12. r6=0",
                       "09.12. r7=0",  "09.12. r8=0",  "09.12. r9=0",  "09.12. r10=0", "09.12. r11=0",
                       "09.12. r12=0", "12.12. 80%",  "12.12. r1=0",  "12.12. r2=1",  "12.12. r3=0",
                       "12.12. r4=0",  "12.12. r5=0", "12.12. r6=0",  "12.12. r7=0",  "12.12. r8=0",
                       "12.12. r9=0",  "12.12. r10=0", "12.12. r11=0", "12.12. r12=0"}
        << 36 << 4 << false << false;
    QTest::newRow("no at the first hit: the rows after it are not compared")
        << true << first << last << true << true << 3 << QList<bool>{false} << -1
        << QStringList{"05.12. 0%", "05.12. r1=6"} << 1 << 0 << false << true;
    QTest::newRow("yes, then no at the second hit")
        << true << first << last << true << true << 3 << QList<bool>{true, false} << -1
        << QStringList{"05.12. 0%", "05.12. r1=6", "09.12. 40%", "09.12. r2=3"} << 14 << 2 << false << true;
    QTest::newRow("stop before the first draw") << true << first << last << true << true << 3 << QList<bool>{}
                                                << 0 << QStringList{"05.12. 0%"} << 0 << -1 << true << false;
    QTest::newRow("stop before the second draw")
        << true << first << last << true << true << 7 << QList<bool>{} << 1
        << QStringList{"05.12. 0%", "09.12. 40%"} << 12 << 0 << true << false;
    QTest::newRow("stop before the last draw")
        << true << first << last << true << true << 7 << QList<bool>{} << 2 << all << 24 << 2 << true << false;
    QTest::newRow("start and end are inclusive")
        << true << QDate(2020, 12, 9) << QDate(2020, 12, 12) << true << true << 7 << QList<bool>{} << -1
        << QStringList{"09.12. 40%", "12.12. 80%"} << 24 << 4 << false << false;
    QTest::newRow("one day") << true << QDate(2020, 12, 9) << QDate(2020, 12, 9) << true << true << 7
                             << QList<bool>{} << -1 << QStringList{"09.12. 40%"} << 12 << 2 << false << false;
    QTest::newRow("start after the end") << true << last << first << true << true << 0 << QList<bool>{} << -1
                                         << QStringList{} << 0 << -1 << false << false;
    QTest::newRow("Saturdays only") << true << first << last << true << false << 7 << QList<bool>{} << -1
                                    << QStringList{"05.12. 0%", "12.12. 80%"} << 24 << 4 << false << false;
    QTest::newRow("Wednesdays only") << true << first << last << false << true << 3 << QList<bool>{} << -1
                                     << QStringList{"09.12. 40%", "09.12. r2=3"} << 12 << 2 << false << false;
    QTest::newRow("neither weekday") << true << first << last << false << false << 0 << QList<bool>{} << -1
                                     << QStringList{} << 0 << -1 << false << false;
    QTest::newRow("empty history") << false << first << last << true << true << 0 << QList<bool>{} << -1
                                   << QStringList{} << 0 << -1 << false << false;
}

void TestTipSearchRun::search()
{
    QFETCH(bool, history);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(bool, saturdays);
    QFETCH(bool, wednesdays);
    QFETCH(int, threshold);
    QFETCH(QList<bool>, answers);
    QFETCH(int, stopAfter);
    QFETCH(QStringList, events);
    QFETCH(int, checks);
    QFETCH(int, lastExamined);
    QFETCH(bool, stopped);
    QFETCH(bool, declined);

    const std::vector<Draw> draws = history ? decemberWeekdays() : std::vector<Draw>{};
    const SearchRange range{DateSerial::fromDate(start), DateSerial::fromDate(end), saturdays, wednesdays};
    RecordingHost host;
    host.stopAfter = stopAfter;
    for (const bool answer : answers)
        host.answers.enqueue(answer);

    const TipSearchOutcome outcome = runTipSearch(draws, board(), range, threshold, host);

    QCOMPARE(host.events, events);
    QCOMPARE(host.checks, checks);
    QCOMPARE(outcome.lastExamined, lastExamined);
    QCOMPARE(outcome.stopped, stopped);
    QCOMPARE(outcome.declined, declined);
    QCOMPARE(outcome.completed(), !stopped && !declined);
    // One question per hit, and none left unasked or asked twice.
    QCOMPARE(host.questions.size(), events.filter(QStringLiteral(" r")).size());
    QVERIFY(host.answers.isEmpty());
}

void TestTipSearchRun::foundMessage()
{
    // Without a language installed the lines read as the German defaults.
    RecordingHost host;
    const SearchRange range{DateSerial::fromDate(QDate(2020, 12, 1)), DateSerial::fromDate(QDate(2020, 12, 31)),
                            true, true};
    runTipSearch(decemberWeekdays(), board(), range, 3, host);
    QCOMPARE(host.questions,
             QStringList({"Ziehung gefunden|Ein Treffer gefunden am :05.12.2020\n"
                          "Reihe 1: 44 38 25 17 11 3 (6 Treffer)\nGewinnklasse 2\nWeiter?",
                          "Ziehung gefunden|Ein Treffer gefunden am :09.12.2020\n"
                          "Reihe 2: 1 2 3 30 31 32 (3 Treffer)\nGewinnklasse 8\nWeiter?"}));
    QCOMPARE(tipSearchProgress(DateSerial::fromDate(QDate(2020, 12, 9)), 40),
             QStringLiteral("Suche: 09.12.2020 (40 %)"));
    QCOMPARE(tipSearchStopped(), QStringLiteral("Die Suche wurde angehalten."));
}

void TestTipSearchRun::foundMessageNamesTheClass_data()
{
    QTest::addColumn<Draw>("draw");
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<int>("ticketSuper");
    QTest::addColumn<QString>("classLine"); // empty: none

    const Draw today = makeDraw(QDate(2013, 5, 4), {5, 7, 11, 21, 22, 48}, 0, 8);
    const QStringList fourHits{"5", "7", "11", "21", "30", "40"};
    QTest::newRow("4 + SZ") << today << fourHits << 8 << "Gewinnklasse 5";
    QTest::newRow("4, other super number") << today << fourHits << 3 << "Gewinnklasse 6";
    QTest::newRow("4, no ticket number") << today << fourHits << -1 << "Gewinnklasse 6";
    QTest::newRow("2 + SZ") << today << QStringList{"1", "2", "3", "4", "5", "7"} << 8 << "Gewinnklasse 9";
    QTest::newRow("2, no ticket number") << today << QStringList{"1", "2", "3", "4", "5", "7"} << -1 << "";
    QTest::newRow("5 + ZZ") << makeDraw(QDate(2013, 5, 1), {9, 12, 15, 16, 22, 28}, 5, 9)
                            << QStringList{"5", "9", "12", "15", "16", "22"} << -1 << "Gewinnklasse 3";
    QTest::newRow("before the first class table") << makeDraw(QDate(1999, 5, 19), {1, 2, 3, 4, 5, 6}, 7, 8)
                                                  << QStringList{"1", "2", "3", "4", "5", "6"} << 8 << "";
}

void TestTipSearchRun::foundMessageNamesTheClass()
{
    QFETCH(Draw, draw);
    QFETCH(QStringList, row);
    QFETCH(int, ticketSuper);
    QFETCH(QString, classLine);
    BoardRows rows;
    std::copy(row.begin(), row.end(), rows[0].begin());
    RecordingHost host;
    const SearchRange range{draw.datum, draw.datum, true, true};
    runTipSearch({draw}, rows, range, 2, host, ticketSuper);
    QCOMPARE(host.questions.size(), 1);
    QStringList lines = host.questions[0].split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), classLine.isEmpty() ? 3 : 4);
    QCOMPARE(lines.constLast(), QStringLiteral("Weiter?"));
    if (!classLine.isEmpty())
        QCOMPARE(lines[2], classLine);
}

void TestTipSearchRun::rowsRewrittenAtAHit()
{
    // At a hit the window's rating sorts the board: the message names the
    // row as rewritten, and the later draws are compared with the new rows.
    class SortingHost final : public RecordingHost {
    public:
        void hit(int row, BoardRows& rows) override
        {
            RecordingHost::hit(row, rows);
            std::sort(rows[0].begin(), rows[0].end(),
                      [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
            rows[1] = {"10", "20", "30", "40", "41", "42"};
        }
    };
    SortingHost host;
    const SearchRange range{DateSerial::fromDate(QDate(2020, 12, 1)), DateSerial::fromDate(QDate(2020, 12, 31)),
                            true, true};
    const TipSearchOutcome outcome = runTipSearch(decemberWeekdays(), board(), range, 6, host);
    QVERIFY(outcome.completed());
    QCOMPARE(host.events, QStringList({"05.12. 0%", "05.12. r1=6", "09.12. 40%", "12.12. 80%", "12.12. r2=6"}));
    QCOMPARE(host.questions.size(), 2);
    QVERIFY(host.questions[0].contains(QStringLiteral("Reihe 1: 3 11 17 25 38 44 (6 Treffer)")));
    QVERIFY(host.questions[1].contains(QStringLiteral("Reihe 2: 10 20 30 40 41 42 (6 Treffer)")));
}

QTEST_MAIN(TestTipSearchRun)
#include "tst_tipsearchrun.moc"
