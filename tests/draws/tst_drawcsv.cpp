#include "DrawFixture.h"
#include "draws/DateSerial.h"
#include "draws/DrawCsv.h"
#include "draws/DrawImport.h"

#include <QFile>
#include <QTest>

#include <algorithm>

namespace {

QString describe(const Draw& d)
{
    QStringList values;
    for (int i = 0; i < 8; ++i)
        values << QString::number(d.zahlen[std::size_t(i)]);
    const auto digits = [](const auto& game) {
        QString text;
        for (std::uint8_t g : game)
            text += QString::number(g);
        return text;
    };
    if (std::any_of(d.spiel77.begin(), d.spiel77.end(), [](std::uint8_t g) { return g != 0; }))
        values << QStringLiteral("77:") + digits(d.spiel77);
    if (std::any_of(d.super6.begin(), d.super6.end(), [](std::uint8_t g) { return g != 0; }))
        values << QStringLiteral("6:") + digits(d.super6);
    return DateSerial::toDate(d.datum).toString(Qt::ISODate) + u' ' + values.join(u' ');
}

QStringList describe(const std::vector<Draw>& draws)
{
    QStringList out;
    for (const Draw& d : draws)
        out << describe(d);
    return out;
}

Draw draw(const QDate& date, std::array<int, 6> numbers, int bonus, int super = 0)
{
    return makeDraw(date, numbers, bonus, super);
}

} // namespace

class TestDrawCsv : public QObject {
    Q_OBJECT
private slots:
    void reads_data();
    void reads();
    void writesTheShippedFormat();
    void shippedHistoryReadsAndWritesBackExactly();
    void merge();
    void completion_data();
    void completion();
    void countingWindow();
};

void TestDrawCsv::reads_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("draws");    // when the file is good
    QTest::addColumn<QStringList>("problems"); // "line: start of the reason"

    QTest::newRow("shipped format")
        << QByteArray("date,n1,n2,n3,n4,n5,n6,bonus,super\n1955-10-09,3,12,13,16,23,41,,\n"
                      "2013-05-01,5,11,24,30,41,49,17,3\n2026-08-22,7,16,22,28,30,31,,4\n")
        << QStringList{"1955-10-09 3 12 13 16 23 41 0 0", "2013-05-01 5 11 24 30 41 49 17 3",
                       "2026-08-22 7 16 22 28 30 31 0 4"}
        << QStringList{};
    QTest::newRow("spreadsheet: ; and German dates, CR LF, BOM, header")
        << QByteArray("\xEF\xBB\xBF\"Datum\";\"Z1\";\"Z2\";\"Z3\";\"Z4\";\"Z5\";\"Z6\";\"ZZ\";\"SZ\"\r\n"
                      "22.08.2026;7;16;22;28;30;31;;4\r\n\"01.05.2013\";5;11;24;30;41;49;17;3\r\n")
        << QStringList{"2026-08-22 7 16 22 28 30 31 0 4", "2013-05-01 5 11 24 30 41 49 17 3"}
        << QStringList{};
    QTest::newRow("no header, short dates, trailing fields left off, blank line")
        << QByteArray("9.10.1955;3;12;13;16;23;41\n\n1.5.2013;5;11;24;30;41;49;17\n")
        << QStringList{"1955-10-09 3 12 13 16 23 41 0 0", "2013-05-01 5 11 24 30 41 49 17 0"}
        << QStringList{};
    QTest::newRow("empty file") << QByteArray() << QStringList{} << QStringList{};
    QTest::newRow("digit games, leading zeros kept, empty when unknown")
        << QByteArray("date,n1,n2,n3,n4,n5,n6,bonus,super,spiel77,super6\n"
                      "2026-08-19,3,23,31,33,35,47,,6,0123456,654321\n"
                      "2026-08-22,7,16,22,28,30,31,,4,,\n")
        << QStringList{"2026-08-19 3 23 31 33 35 47 0 6 77:0123456 6:654321", "2026-08-22 7 16 22 28 30 31 0 4"}
        << QStringList{};
    QTest::newRow("header names the games the other way round")
        << QByteArray("Datum;Z1;Z2;Z3;Z4;Z5;Z6;ZZ;SZ;Super6;Spiel77\n22.08.2026;7;16;22;28;30;31;;4;654321;0123456\n")
        << QStringList{"2026-08-22 7 16 22 28 30 31 0 4 77:0123456 6:654321"} << QStringList{};
    QTest::newRow("header with Super 6 only")
        << QByteArray("date,n1,n2,n3,n4,n5,n6,bonus,super,super6\n2026-08-22,7,16,22,28,30,31,,4,654321\n")
        << QStringList{"2026-08-22 7 16 22 28 30 31 0 4 6:654321"} << QStringList{};
    QTest::newRow("no header: the games follow the super number")
        << QByteArray("2026-08-22,7,16,22,28,30,31,,4,0123456\n2026-08-19,3,23,31,33,35,47,,6,,654321\n")
        << QStringList{"2026-08-22 7 16 22 28 30 31 0 4 77:0123456", "2026-08-19 3 23 31 33 35 47 0 6 6:654321"}
        << QStringList{};
    QTest::newRow("bad digit games")
        << QByteArray("date,n1,n2,n3,n4,n5,n6,bonus,super,spiel77,super6\n"
                      "2026-08-22,7,16,22,28,30,31,,4,123456,\n"   // 2: a digit short
                      "2026-08-19,7,16,22,28,30,31,,4,12345a7,\n"  // 3
                      "2026-08-15,7,16,22,28,30,31,,4,,1234567\n"  // 4: a digit too many
                      "2026-08-12,7,16,22,28,30,31,,4,,-12345\n"   // 5
                      "2026-08-08,7,16,22,28,30,31,,4,,,\n")       // 6: a column no header names
        << QStringList{}
        << QStringList{"2: Spiel 77 \"123456\"", "3: Spiel 77 \"12345a7\"", "4: Super 6 \"1234567\"",
                       "5: Super 6 \"-12345\"", "6: 12 Felder statt 9"};

    QTest::newRow("every bad line, with its number")
        << QByteArray("date,n1,n2,n3,n4,n5,n6,bonus,super\n"
                      "2026-08-22,7,16,22,28,30,31,,4\n"
                      "2026-02-30,7,16,22,28,30,31,,4\n"   // 3
                      "2026-08-19,7,7,22,28,30,31,,4\n"    // 4
                      "2026-08-15,7,16,22,28,30,50,,4\n"   // 5
                      "2026-08-12,7,16,22,28,30,31,50,4\n" // 6
                      "2026-08-08,7,16,22,28,30,31,,10\n"  // 7
                      "2026-08-05,7,16,22,28,30\n"         // 8
                      "2026-08-01,7,16,zwei,28,30,31,,\n"  // 9
                      "2026-08-22,1,2,3,4,5,6,,\n"         // 10
                      "2026-07-29,1,2,3,4,5,6,7,8,,,9\n" // 11
                      "-8978-10-09,1,2,3,4,5,6,,\n")       // 12: the export could not write it back
        << QStringList{}
        << QStringList{"3: \"2026-02-30\" ist kein Datum", "4: die Zahl 7 kommt zweimal vor",
                       "5: Zahl 6 \"50\"", "6: Zusatzzahl \"50\"", "7: Superzahl \"10\"",
                       "8: 6 Felder statt 9", "9: Zahl 3 \"zwei\"", "10: das Datum steht schon in Zeile 2",
                       "11: 12 Felder statt 9", "12: \"-8978-10-09\" ist kein Datum"};
    QTest::newRow("a header only in the first line")
        << QByteArray("2026-08-22,7,16,22,28,30,31,,4\ndate,n1,n2,n3,n4,n5,n6,bonus,super\n")
        << QStringList{} << QStringList{"2: \"date\" ist kein Datum"};
}

void TestDrawCsv::reads()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, draws);
    QFETCH(QStringList, problems);

    const CsvRead read = parseDrawCsv(content);
    QStringList found;
    for (const CsvProblem& p : read.problems)
        found << QStringLiteral("%1: %2").arg(p.line).arg(p.what);
    QCOMPARE(found.size(), problems.size());
    for (qsizetype i = 0; i < found.size(); ++i)
        QVERIFY2(found[i].startsWith(problems[i]), qPrintable(found[i]));
    QCOMPARE(describe(read.draws), draws); // nothing at all from a file with a bad line
}

void TestDrawCsv::writesTheShippedFormat()
{
    Draw games = draw(QDate(2026, 8, 19), {3, 23, 31, 33, 35, 47}, 0, 6);
    games.spiel77 = {0, 1, 2, 3, 4, 5, 6};
    games.super6 = {6, 5, 4, 3, 2, 1};
    Draw notDigits = draw(QDate(2026, 8, 22), {31, 7, 16, 22, 28, 30}, 0, 4);
    notDigits.spiel77 = {1, 2, 3, 4, 5, 6, 10};
    const QByteArray csv = drawCsv({draw(QDate(1955, 10, 9), {3, 12, 13, 16, 23, 41}, 0),
                                    draw(QDate(1991, 11, 30), {1, 2, 3, 4, 5, 6}, 7, 0),
                                    draw(QDate(1991, 12, 7), {1, 2, 3, 4, 5, 6}, 7, 0),
                                    draw(QDate(2013, 5, 4), {5, 7, 11, 21, 22, 48}, 9, 8), // bonus abolished
                                    games, notDigits});
    QCOMPARE(csv, QByteArray("date,n1,n2,n3,n4,n5,n6,bonus,super,spiel77,super6\n"
                             "1955-10-09,3,12,13,16,23,41,,,,\n"
                             "1991-11-30,1,2,3,4,5,6,7,,,\n"
                             "1991-12-07,1,2,3,4,5,6,7,0,,\n"
                             "2013-05-04,5,7,11,21,22,48,,8,,\n"
                             "2026-08-19,3,23,31,33,35,47,,6,0123456,654321\n"
                             "2026-08-22,31,7,16,22,28,30,,4,,\n"));
    QCOMPARE(describe(parseDrawCsv(csv).draws)[4], describe(games));
}

void TestDrawCsv::shippedHistoryReadsAndWritesBackExactly()
{
    QFile file(qEnvironmentVariable("NUMERANT_SOURCE_DIR") + QStringLiteral("/data/history/lotto-6aus49.csv"));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray content = file.readAll();
    const CsvRead read = parseDrawCsv(content);
    QVERIFY(read.problems.empty());
    QCOMPARE(read.draws.size(), std::size_t(5040));
    // The export adds the two digit-game columns, empty, and nothing else.
    QByteArray expected = content;
    expected.replace("\n", ",,\n");
    expected.replace("bonus,super,,", "bonus,super,spiel77,super6");
    QCOMPARE(drawCsv(read.draws), expected);
}

void TestDrawCsv::merge()
{
    const Draw a = draw(QDate(2020, 1, 4), {1, 2, 3, 4, 5, 6}, 7, 1);
    const Draw b = draw(QDate(2020, 1, 11), {11, 12, 13, 14, 15, 16}, 17, 2);
    const Draw c = draw(QDate(2020, 1, 18), {21, 22, 23, 24, 25, 26}, 27, 3);
    Draw aSameOtherOrder = draw(QDate(2020, 1, 4), {6, 5, 4, 3, 2, 1}, 7, 0); // no super number in the file
    Draw bDiffers = draw(QDate(2020, 1, 11), {11, 12, 13, 14, 15, 17}, 17, 2);
    const Draw earlyWednesday = draw(QDate(1985, 5, 1), {1, 2, 3, 4, 5, 6}, 7);
    const Draw lateWednesday = draw(QDate(2001, 1, 3), {1, 2, 3, 4, 5, 6}, 7);
    const Draw between = draw(QDate(2020, 1, 8), {31, 32, 33, 34, 35, 36}, 37);

    const MergeResult result =
        mergeDraws({a, b, c}, {c, lateWednesday, bDiffers, earlyWednesday, between, aSameOtherOrder});
    QCOMPARE(describe(result.draws), describe({lateWednesday, a, between, b, c}));
    QCOMPARE(result.added, 2);
    QCOMPARE(result.kept, 3);
    QCOMPARE(result.dropped, 1);
    QCOMPARE(result.completed, 0);
    QCOMPARE(result.differing, QList<QDate>{QDate(2020, 1, 11)});
}

void TestDrawCsv::completion_data()
{
    QTest::addColumn<Draw>("stored");
    QTest::addColumn<Draw>("file");
    QTest::addColumn<Draw>("after");
    QTest::addColumn<int>("completed");
    QTest::addColumn<bool>("listed");

    const QDate day(2020, 1, 4);
    const Draw bare = draw(day, {1, 2, 3, 4, 5, 6}, 0, 0); // as the update stored it
    const Draw withSuper = draw(day, {6, 5, 4, 3, 2, 1}, 0, 4);
    Draw withGames = draw(day, {1, 2, 3, 4, 5, 6}, 0, 0);
    withGames.spiel77 = {0, 1, 2, 3, 4, 5, 6};
    withGames.super6 = {6, 5, 4, 3, 2, 1};
    Draw everything = withGames;
    everything.zahlen[7] = 4;
    Draw otherGames = everything;
    otherGames.spiel77[6] = 9;
    Draw damagedGame = bare;
    damagedGame.spiel77 = {1, 2, 3, 4, 5, 6, 10};

    QTest::newRow("super number filled in") << bare << withSuper << draw(day, {1, 2, 3, 4, 5, 6}, 0, 4) << 1 << false;
    QTest::newRow("digit games filled in") << bare << withGames << withGames << 1 << false;
    QTest::newRow("super number and games: one draw completed") << bare << everything << everything << 1 << false;
    QTest::newRow("damaged game bytes replaced") << damagedGame << withGames << withGames << 1 << false;
    QTest::newRow("other six numbers on the same date: nothing taken")
        << bare << draw(day, {1, 2, 3, 4, 5, 7}, 0, 4) << bare << 0 << true;
    QTest::newRow("stored super number never replaced")
        << draw(day, {1, 2, 3, 4, 5, 6}, 0, 3) << withSuper << draw(day, {1, 2, 3, 4, 5, 6}, 0, 3) << 0 << true;
    QTest::newRow("stored game never replaced, the missing super number taken")
        << withGames << otherGames << everything << 1 << true;
    QTest::newRow("the same values again: nothing to do") << everything << everything << everything << 0 << false;
    QTest::newRow("file without the values: stored ones stay") << everything << bare << everything << 0 << false;
    QTest::newRow("no super number before 07.12.1991")
        << draw(QDate(1991, 11, 30), {1, 2, 3, 4, 5, 6}, 7, 0) << draw(QDate(1991, 11, 30), {1, 2, 3, 4, 5, 6}, 7, 4)
        << draw(QDate(1991, 11, 30), {1, 2, 3, 4, 5, 6}, 7, 0) << 0 << false;
    QTest::newRow("bonus differs: completed all the same, and listed")
        << draw(QDate(2010, 1, 2), {1, 2, 3, 4, 5, 6}, 7, 0) << draw(QDate(2010, 1, 2), {1, 2, 3, 4, 5, 6}, 8, 4)
        << draw(QDate(2010, 1, 2), {1, 2, 3, 4, 5, 6}, 7, 4) << 1 << true;
}

void TestDrawCsv::completion()
{
    QFETCH(Draw, stored);
    QFETCH(Draw, file);
    QFETCH(Draw, after);
    QFETCH(int, completed);
    QFETCH(bool, listed);

    const Draw other = draw(QDate(2021, 1, 2), {11, 12, 13, 14, 15, 16}, 0, 0);
    const MergeResult result = mergeDraws({stored, other}, {file});
    QCOMPARE(result.kept, 1);
    QCOMPARE(result.added, 0);
    QCOMPARE(result.completed, completed);
    QCOMPARE(result.differing.size(), listed ? 1 : 0);
    QCOMPARE(describe(result.draws), describe({after, other}));
}

void TestDrawCsv::countingWindow()
{
    const std::vector<Draw> draws{draw(QDate(2020, 1, 4), {1, 2, 3, 4, 5, 6}, 7),
                                  draw(QDate(2020, 1, 11), {1, 2, 3, 4, 5, 6}, 7),
                                  draw(QDate(2020, 1, 18), {1, 2, 3, 4, 5, 6}, 7)};
    QCOMPARE(describe(drawsBetween(draws, QDate(2020, 1, 4), QDate(2020, 1, 11))),
             describe({draws[0], draws[1]}));
    QCOMPARE(drawsBetween(draws, QDate(2020, 1, 5), QDate(2020, 1, 10)).size(), std::size_t(0));
}

QTEST_APPLESS_MAIN(TestDrawCsv)
#include "tst_drawcsv.moc"
