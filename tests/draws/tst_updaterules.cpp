#include "draws/DateSerial.h"
#include "draws/UpdateRules.h"

#include <QTest>

using namespace UpdateRules;

class TestUpdateRules : public QObject {
    Q_OBJECT
private slots:
    void parsesLines_data();
    void parsesLines();
    void recordTakesTheRequestedDay();
    void splitsBodies_data();
    void splitsBodies();
    void classifiesStatus_data();
    void classifiesStatus();
    void firstDay_data();
    void firstDay();
    void texts();
};

void TestUpdateRules::parsesLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("numbersOrProblem"); // "n1 .. n6 b" or the text shown

    QTest::newRow("any first field, single ;") << "whatever,1,2,3,4,5,6,7;" << true << "1 2 3 4 5 6 7";
    QTest::newRow("with both games") << "20260822,7,16,22,28,30,31,0;0123456;654321;" << true
                                     << "7 16 22 28 30 31 0 77:0123456 6:654321";
    QTest::newRow("games and super number") << "x,7,16,22,28,30,31,0;0123456;654321;4" << true
                                            << "7 16 22 28 30 31 0 SZ:4 77:0123456 6:654321";
    QTest::newRow("super number without games, blanks around it")
        << "x,7,16,22,28,30,31,0;;; 3 " << true << "7 16 22 28 30 31 0 SZ:3";
    QTest::newRow("Super 6 only, fields after the super number ignored")
        << "x,7,16,22,28,30,31,0;;654321;9;later" << true << "7 16 22 28 30 31 0 SZ:9 6:654321";
    QTest::newRow("game of the wrong length: no game") << "x,1,2,3,4,5,6,7;123456;1234567;" << true
                                                       << "1 2 3 4 5 6 7";
    QTest::newRow("game with a letter: no game") << "x,1,2,3,4,5,6,7;12a4567;12345x;" << true << "1 2 3 4 5 6 7";
    QTest::newRow("super number 10") << "x,1,2,3,4,5,6,0;;;10" << false << "x,1,2,3,4,5,6,0;;;10";
    QTest::newRow("super number not a digit") << "x,1,2,3,4,5,6,0;1234567;123456;S" << false
                                              << "x,1,2,3,4,5,6,0;1234567;123456;S";
    QTest::newRow("negative super number") << "x,1,2,3,4,5,6,0;;;-1" << false << "x,1,2,3,4,5,6,0;;;-1";
    QTest::newRow("line order kept") << "x,40,3,17,9,22,1,49;" << true << "40 3 17 9 22 1 49";
    QTest::newRow("blanks around numbers") << "x, 1, 2 ,3,4,5,6, 7 ;" << true << "1 2 3 4 5 6 7";
    QTest::newRow("plain-text notice") << "Wartungsarbeiten bis 18 Uhr" << false
                                       << "Wartungsarbeiten bis 18 Uhr";
    QTest::newRow("non-numeric field") << "x,1,2,drei,4,5,6,7;" << false << "drei,4,5,6,7;";
    QTest::newRow("hex is no decimal") << "x,1,2,$A,4,5,6,7;" << false << "$A,4,5,6,7;";
    QTest::newRow("too few numbers") << "x,1,2,3,4,5;" << false << "5;";
    QTest::newRow("bonus without ;") << "x,1,2,3,4,5,6,7" << false << "7";
    QTest::newRow("empty bonus") << "x,1,2,3,4,5,6,;" << false << ";";
    QTest::newRow("ends after the sixth number") << "x,1,2,3,4,5,6," << false << "x,1,2,3,4,5,6,";
    QTest::newRow("ends after the fifth number") << ",2,3,4,5,6," << false << ",2,3,4,5,6,";
    QTest::newRow("number 0") << "x,0,2,3,4,5,6,7;" << false << "x,0,2,3,4,5,6,7;";
    QTest::newRow("number 50") << "x,1,2,3,4,5,50,7;" << false << "x,1,2,3,4,5,50,7;";
    QTest::newRow("number 257 (low byte 1)") << "x,257,2,3,4,5,6,7;" << false << "x,257,2,3,4,5,6,7;";
    QTest::newRow("negative number") << "x,-3,2,3,4,5,6,7;" << false << "x,-3,2,3,4,5,6,7;";
    QTest::newRow("duplicate numbers") << "x,1,2,3,4,5,5,7;" << false << "x,1,2,3,4,5,5,7;";
    QTest::newRow("bonus 50") << "x,1,2,3,4,5,6,50;" << false << "x,1,2,3,4,5,6,50;";
    QTest::newRow("bonus 0 (none drawn)") << "x,1,2,3,4,5,6,0;" << true << "1 2 3 4 5 6 0";
}

void TestUpdateRules::parsesLines()
{
    QFETCH(QString, line);
    QFETCH(bool, ok);
    QFETCH(QString, numbersOrProblem);

    const ParsedLine parsed = parseLine(line);
    QCOMPARE(parsed.ok, ok);
    if (!ok) {
        QCOMPARE(parsed.problem, numbersOrProblem);
        return;
    }
    QStringList values;
    for (int n : parsed.numbers)
        values << QString::number(n);
    values << QString::number(parsed.bonus);
    if (parsed.superNumber != 0)
        values << QStringLiteral("SZ:%1").arg(parsed.superNumber);
    const auto digits = [](const auto& game) {
        QString text;
        for (std::uint8_t d : game)
            text += QString::number(d);
        return text;
    };
    if (parsed.spiel77 != decltype(parsed.spiel77){})
        values << QStringLiteral("77:") + digits(parsed.spiel77);
    if (parsed.super6 != decltype(parsed.super6){})
        values << QStringLiteral("6:") + digits(parsed.super6);
    QCOMPARE(values.join(u' '), numbersOrProblem);
}

void TestUpdateRules::recordTakesTheRequestedDay()
{
    const Draw draw = recordFor(parseLine(QStringLiteral("01.01.1999,1,2,3,4,5,6,7;")), QDate(2026, 8, 22));
    QCOMPARE(draw.datum, DateSerial::fromDate(QDate(2026, 8, 22)));
    const std::array<std::uint8_t, 8> expected{1, 2, 3, 4, 5, 6, 7, 0};
    QCOMPARE(draw.zahlen, expected);
    QCOMPARE(draw.spiel77, (std::array<std::uint8_t, 7>{}));
    QCOMPARE(draw.super6, (std::array<std::uint8_t, 6>{}));
    QCOMPARE(draw.reserve, (std::array<std::uint8_t, 3>{}));

    const Draw full = recordFor(parseLine(QStringLiteral("x,7,16,22,28,30,31,0;0123456;654321;4")), QDate(2026, 8, 22));
    QCOMPARE(full.zahlen, (std::array<std::uint8_t, 8>{7, 16, 22, 28, 30, 31, 0, 4}));
    QCOMPARE(full.spiel77, (std::array<std::uint8_t, 7>{0, 1, 2, 3, 4, 5, 6}));
    QCOMPARE(full.super6, (std::array<std::uint8_t, 6>{6, 5, 4, 3, 2, 1}));
}

void TestUpdateRules::splitsBodies_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("only a line break") << QByteArray("\r\n") << QStringList();
    QTest::newRow("one line, no break") << QByteArray("a,1") << QStringList{"a,1"};
    QTest::newRow("CR LF, LF and CR") << QByteArray("a\r\nb\nc\rd\r\n") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("blank line between") << QByteArray("a\r\n\r\nb") << QStringList{"a", "b"};
}

void TestUpdateRules::splitsBodies()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, lines);
    QCOMPARE(bodyLines(body), lines);
}

void TestUpdateRules::classifiesStatus_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("reply");
    QTest::newRow("200") << 200 << int(Reply::Draws);
    QTest::newRow("500") << 500 << int(Reply::NotYet);
    QTest::newRow("404") << 404 << int(Reply::Failed);
    QTest::newRow("204") << 204 << int(Reply::Failed);
    QTest::newRow("503") << 503 << int(Reply::Failed);
    QTest::newRow("100") << 100 << int(Reply::Nothing);
}

void TestUpdateRules::classifiesStatus()
{
    QFETCH(int, status);
    QFETCH(int, reply);
    QCOMPARE(int(classify(status)), reply);
}

void TestUpdateRules::firstDay_data()
{
    QTest::addColumn<double>("lastStored"); // 0: empty database
    QTest::addColumn<QDate>("chosen");
    QTest::addColumn<QDate>("first");

    const QDate chosen(2026, 12, 10);
    QTest::newRow("empty database") << 0.0 << chosen << chosen.addDays(1);
    QTest::newRow("after the last draw") << DateSerial::fromDate(QDate(2026, 8, 22)) << chosen
                                         << QDate(2026, 8, 23);
    QTest::newRow("last draw at month end") << DateSerial::fromDate(QDate(2024, 2, 29)) << chosen
                                            << QDate(2024, 3, 1);
}

void TestUpdateRules::firstDay()
{
    QFETCH(double, lastStored);
    QFETCH(QDate, chosen);
    QFETCH(QDate, first);
    std::optional<Draw> last;
    if (lastStored > 0) {
        last = Draw{};
        last->datum = lastStored;
    }
    QCOMPARE(UpdateRules::firstDay(last, chosen), first);
}

void TestUpdateRules::texts()
{
    QCOMPARE(query(QDate(2026, 1, 3)), QStringLiteral("Programm=Orbisa&Datum=20260103"));
    QCOMPARE(notYetText(QDate(2026, 1, 3)), QStringLiteral("03.01.2026 noch nicht da!"));
    QCOMPARE(failedText(404, QStringLiteral("Not Found")), QStringLiteral("Failed : 404 Not Found"));
    QCOMPARE(receivedText(31), QStringLiteral("Received 31 bytes"));
}

QTEST_APPLESS_MAIN(TestUpdateRules)
#include "tst_updaterules.moc"
