#include "DrawService.h"

#include "draws/DateSerial.h"
#include "draws/DrawCsv.h"
#include "draws/UpdateRules.h"

#include <QTest>
#include <QUrlQuery>

class TestDrawService : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void refusesABadFile();
    void updateStoresWhatTheFileHolds();
};

namespace {

const QByteArray kCsv = "date,n1,n2,n3,n4,n5,n6,bonus,super,spiel77,super6\n"
                        "1991-11-30,1,2,3,4,5,6,7,,,\n"
                        "2013-05-01,5,11,24,30,41,49,17,3,,\n"
                        "2026-08-15,3,23,31,33,35,47,,6,,654321\n"
                        "2026-08-19,3,23,31,33,35,47,,6,0123456,654321\n"
                        "2026-08-22,7,16,22,28,30,31,,4,,\n";

} // namespace

void TestDrawService::answers_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("both games and the super number") << "Programm=Orbisa&Datum=20260819" << 200
                              << QByteArray("2026-08-19,3,23,31,33,35,47,0;0123456;654321;6\r\n");
    QTest::newRow("Super 6 only") << "Programm=Orbisa&Datum=20260815" << 200
                                  << QByteArray("2026-08-15,3,23,31,33,35,47,0;;654321;6\r\n");
    QTest::newRow("bonus and super number") << "Programm=Orbisa&Datum=20130501" << 200
                                << QByteArray("2013-05-01,5,11,24,30,41,49,17;;;3\r\n");
    QTest::newRow("before the super number: the old line") << "Programm=Orbisa&Datum=19911130" << 200
                                << QByteArray("1991-11-30,1,2,3,4,5,6,7;;;\r\n");
    QTest::newRow("newest day") << "Programm=Orbisa&Datum=20260822" << 200
                                << QByteArray("2026-08-22,7,16,22,28,30,31,0;;;4\r\n");
    QTest::newRow("past day without draw") << "Programm=Orbisa&Datum=20260820" << 200 << QByteArray();
    QTest::newRow("before the first draw") << "Programm=Orbisa&Datum=19500101" << 200 << QByteArray();
    QTest::newRow("after the newest draw") << "Programm=Orbisa&Datum=20260823" << 500 << QByteArray();
    QTest::newRow("no date") << "Programm=Orbisa" << 400 << QByteArray();
    QTest::newRow("not a calendar day") << "Programm=Orbisa&Datum=20260230" << 400 << QByteArray();
    QTest::newRow("short date") << "Programm=Orbisa&Datum=2026082" << 400 << QByteArray();
    QTest::newRow("other program") << "Programm=X&Datum=20260819" << 400 << QByteArray();
}

void TestDrawService::answers()
{
    QFETCH(QString, query);
    QFETCH(int, status);
    QFETCH(QByteArray, body);

    DrawService service;
    QString error;
    QVERIFY2(service.load(kCsv, &error), qPrintable(error));
    const DrawService::Answer answer = service.answer(QUrlQuery(query));
    QCOMPARE(answer.status, status);
    if (status != 400)
        QCOMPARE(answer.body, body);
}

void TestDrawService::refusesABadFile()
{
    DrawService service;
    QString error;
    QVERIFY(!service.load("2026-08-19,3,23,31,33,35,47,,6\n2026-08-22,7,7,22,28,30,31,,4\n", &error));
    QVERIFY2(error.startsWith(QLatin1String("line 2:")), qPrintable(error));
}

void TestDrawService::updateStoresWhatTheFileHolds()
{
    // What the update makes of each answer is the record the file holds.
    DrawService service;
    QString error;
    QVERIFY2(service.load(kCsv, &error), qPrintable(error));
    for (const Draw& draw : parseDrawCsv(kCsv).draws) {
        const QDate day = DateSerial::toDate(draw.datum);
        const DrawService::Answer answer =
            service.answer(QUrlQuery(QStringLiteral("Programm=Orbisa&Datum=") + day.toString(QStringLiteral("yyyyMMdd"))));
        const QStringList lines = UpdateRules::bodyLines(answer.body);
        QCOMPARE(lines.size(), 1);
        const UpdateRules::ParsedLine parsed = UpdateRules::parseLine(lines.first());
        QVERIFY2(parsed.ok, qPrintable(parsed.problem));
        const Draw stored = UpdateRules::recordFor(parsed, day);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&stored), 32),
                 QByteArray(reinterpret_cast<const char*>(&draw), 32));
    }
}

QTEST_APPLESS_MAIN(TestDrawService)
#include "tst_drawservice.moc"
