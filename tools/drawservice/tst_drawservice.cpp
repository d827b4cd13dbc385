#include "DrawService.h"

#include <QTest>
#include <QUrlQuery>

class TestDrawService : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void refusesABadFile();
};

namespace {

const QByteArray kCsv = "date,n1,n2,n3,n4,n5,n6,bonus,super\n"
                        "2013-05-01,5,11,24,30,41,49,17,3\n"
                        "2026-08-19,3,23,31,33,35,47,,6\n"
                        "2026-08-22,7,16,22,28,30,31,,4\n";

} // namespace

void TestDrawService::answers_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("draw day") << "Programm=Orbisa&Datum=20260819" << 200
                              << QByteArray("2026-08-19,3,23,31,33,35,47,0;;;\r\n");
    QTest::newRow("bonus kept") << "Programm=Orbisa&Datum=20130501" << 200
                                << QByteArray("2013-05-01,5,11,24,30,41,49,17;;;\r\n");
    QTest::newRow("newest day") << "Programm=Orbisa&Datum=20260822" << 200
                                << QByteArray("2026-08-22,7,16,22,28,30,31,0;;;\r\n");
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

QTEST_APPLESS_MAIN(TestDrawService)
#include "tst_drawservice.moc"
