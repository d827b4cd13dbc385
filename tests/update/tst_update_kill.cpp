// An update killed at any moment leaves the database a prefix of what the
// full update stores: whole records, in day order, none after a gap. The
// update runs in a child process (this program again, told so by the
// environment) against the real draw service with answers that come back out
// of order; the parent kills it with SIGKILL at random moments.
#include "draws/DateSerial.h"
#include "draws/DrawFile.h"
#include "update/DrawUpdater.h"

#include "DrawFixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>

namespace {

const char* const kChildVariable = "NUMERANT_UPDATE_CHILD"; // "url|database|first|last"

int runChild(int argc, char* argv[], const QString& job)
{
    QCoreApplication app(argc, argv);
    const QStringList parts = job.split(u'|');
    if (parts.size() != 4)
        return 2;
    DrawUpdater updater;
    QObject::connect(&updater, &DrawUpdater::finished, &app,
                     [](const QString& message, const QDate&, int) {
                         if (!message.isEmpty())
                             std::fprintf(stderr, "%s\n", qPrintable(message));
                         QCoreApplication::exit(message.isEmpty() ? 0 : 1);
                     });
    updater.start(QUrl(parts[0]), parts[1], QDate::fromString(parts[2], Qt::ISODate),
                  QDate::fromString(parts[3], Qt::ISODate), {});
    return app.exec();
}

QString key(const Draw& draw)
{
    QStringList values{DateSerial::toDate(draw.datum).toString(Qt::ISODate)};
    for (int i = 0; i < 8; ++i)
        values << QString::number(draw.zahlen[std::size_t(i)]);
    return values.join(u' ');
}

} // namespace

class TestUpdateKill : public QObject {
    Q_OBJECT
private slots:
    void killedUpdateLeavesAPrefix();
};

void TestUpdateKill::killedUpdateLeavesAPrefix()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // Two draws a week over about eight years, after a first stored draw.
    const QDate first(2010, 1, 2);
    const QDate last = first.addDays(3000);
    std::vector<Draw> expected{makeDraw(first, {1, 2, 3, 4, 5, 6}, 7)};
    QByteArray csv = "date,n1,n2,n3,n4,n5,n6,bonus,super\n";
    QRandomGenerator numbers(19);
    for (QDate day = first.addDays(1); day <= last; day = day.addDays(1)) {
        if (day.dayOfWeek() != Qt::Wednesday && day.dayOfWeek() != Qt::Saturday)
            continue;
        std::array<int, 6> drawn{};
        for (std::size_t i = 0; i < 6;) {
            const int n = int(numbers.bounded(1, 50));
            if (std::find(drawn.begin(), drawn.begin() + i, n) == drawn.begin() + i)
                drawn[i++] = n;
        }
        const int bonus = int(numbers.bounded(0, 10));
        expected.push_back(makeDraw(day, drawn, bonus));
        csv += day.toString(Qt::ISODate).toLatin1();
        for (int n : drawn)
            csv += ',' + QByteArray::number(n);
        csv += ',' + QByteArray::number(bonus) + ",\n";
    }
    const QString csvPath = dir.filePath(QStringLiteral("draws.csv"));
    {
        QFile file(csvPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(csv), csv.size());
    }

    QProcess service;
    service.start(QCoreApplication::applicationDirPath() + QStringLiteral("/numerant-drawservice"),
                  {QStringLiteral("--csv"), csvPath, QStringLiteral("--port"), QStringLiteral("0"),
                   QStringLiteral("--delay-ms"), QStringLiteral("2"), QStringLiteral("--jitter-ms"),
                   QStringLiteral("2")});
    QVERIFY2(service.waitForStarted(), qPrintable(service.errorString()));
    QString address;
    const QRegularExpression listening(QStringLiteral("listening on (http://\\S+)"));
    for (int i = 0; i < 100 && address.isEmpty(); ++i) {
        service.waitForReadyRead(100);
        address = listening.match(QString::fromLocal8Bit(service.peek(4096))).captured(1);
    }
    QVERIFY(!address.isEmpty());
    // The log would fill the pipe.
    connect(&service, &QProcess::readyReadStandardOutput, &service,
            [&service] { service.readAllStandardOutput(); });

    QStringList expectedKeys;
    for (const Draw& draw : expected)
        expectedKeys << key(draw);
    const QString database = dir.filePath(QStringLiteral("ZahlenOB.dat"));
    QRandomGenerator moments(7);
    int cutShort = 0;
    for (int trial = 0; trial < 12; ++trial) {
        QFile::remove(database);
        QVERIFY(!writeDatabase(dir.path(), {expected.front()}).isEmpty());
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QLatin1String(kChildVariable),
                           QStringList{address, database, first.addDays(1).toString(Qt::ISODate),
                                       last.toString(Qt::ISODate)}
                               .join(u'|'));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted());
        // Somewhere in the middle of the update, or at its very start.
        QTest::qWait(int(moments.bounded(0, 1500)));
        if (child.state() == QProcess::Running) {
            ::kill(pid_t(child.processId()), SIGKILL);
            ++cutShort;
        }
        QVERIFY(child.waitForFinished(30000));
        if (child.exitStatus() == QProcess::NormalExit)
            QCOMPARE(child.exitCode(), 0);

        QCOMPARE(QFileInfo(database).size() % 32, 0);
        QString error;
        const auto stored = DrawFile(database).readAll(&error);
        QVERIFY2(stored, qPrintable(error));
        QStringList storedKeys;
        for (const Draw& draw : *stored)
            storedKeys << key(draw);
        QVERIFY(!storedKeys.isEmpty());
        QCOMPARE(storedKeys, expectedKeys.mid(0, storedKeys.size()));
    }
    service.kill();
    service.waitForFinished();
    QVERIFY2(cutShort > 0, "every update ended before its kill");
}

int main(int argc, char* argv[])
{
    const QString job = qEnvironmentVariable(kChildVariable);
    if (!job.isEmpty())
        return runChild(argc, argv, job);
    QCoreApplication app(argc, argv);
    TestUpdateKill test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_update_kill.moc"
