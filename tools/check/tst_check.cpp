#include "Check.h"

#include "draws/DateSerial.h"
#include "draws/DrawCsv.h"
#include "draws/DrawFile.h"
#include "systems/LottoSystem.h"
#include "systems/SystemFile.h"
#include "tipfiles/TipFile.h"

#include "DrawFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Digit games on the draw of 04.05.2013: a ticket number ending in 568
// matches Spiel 77 on three final digits (class 5, 77 €) and Super 6 on
// two (class 5, 6 €).
void addDigitGames(std::vector<Draw>& draws)
{
    for (Draw& draw : draws) {
        if (draw.datum == DateSerial::fromDate(QDate(2013, 5, 4))) {
            draw.spiel77 = {9, 9, 9, 9, 5, 6, 8};
            draw.super6 = {0, 0, 0, 0, 6, 8};
        }
    }
}

QJsonObject json(const Check::Output& output)
{
    return QJsonDocument::fromJson(output.out).object();
}

} // namespace

class TestCheck : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void exitCodes_data();
    void exitCodes();
    void badDatabase();
    void classesOfTheIssue_data();
    void classesOfTheIssue();
    void jsonFields();
    void runOfEightDraws();
    void tipFile();
    void systemFile();
    void humanText();
    void defaultDatabase();

private:
    Check::Output check(QStringList arguments, const QString& lang = QString()) const
    {
        if (!arguments.contains(QStringLiteral("--db")))
            arguments << QStringLiteral("--db") << database_;
        return Check::run(arguments, {QString(), languageFolder_, lang});
    }

    QTemporaryDir dir_;
    QString database_;
    QString languageFolder_;
    std::vector<Draw> history_;
};

void TestCheck::initTestCase()
{
    QVERIFY(dir_.isValid());
    QFile csv(qEnvironmentVariable("NUMERANT_SOURCE_DIR") + QStringLiteral("/data/history/lotto-6aus49.csv"));
    QVERIFY2(csv.open(QIODevice::ReadOnly), qPrintable(csv.fileName()));
    history_ = parseDrawCsv(csv.readAll()).draws;
    QVERIFY(history_.size() > 4000);
    addDigitGames(history_);
    database_ = writeDatabase(dir_.path(), history_);
    QVERIFY(!database_.isEmpty());
    languageFolder_ = QCoreApplication::applicationDirPath() + QStringLiteral("/land");
}

void TestCheck::exitCodes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message"); // a part of stderr; empty: stderr stays empty

    const QString day = QStringLiteral("2013-05-04"); // 5 7 11 21 22 48, SZ 8
    const auto row = [&](const QString& numbers, const QString& losnummer) {
        return QStringList{"--draw", day, "--row", numbers, "--losnummer", losnummer};
    };
    QTest::newRow("won: 4 + SZ") << row("5,7,11,21,30,40", "1234568") << 0 << "";
    QTest::newRow("won: 2 + SZ") << row("1,2,3,4,5,7", "1234568") << 0 << "";
    QTest::newRow("nothing: 2 without SZ") << row("1,2,3,4,5,7", "1234563") << 1 << "";
    QTest::newRow("nothing: no hits") << row("1,2,3,4,40,41", "1234568") << 1 << "";
    QTest::newRow("won: Spiel 77 alone") << row("1,2,3,4,40,41", "1234568") + QStringList{"--spiel77"} << 0 << "";
    QTest::newRow("several rows, one wins") << QStringList{"--draw", day, "--row", "1,2,3,4,40,41", "5,7,11,21,22,1"}
                                            << 0 << "";

    QTest::newRow("unknown option") << QStringList{"--row", "1,2,3,4,5,6", "--frobnicate"} << 2 << "--frobnicate";
    QTest::newRow("missing value") << QStringList{"--row", "1,2,3,4,5,6", "--draw"} << 2 << "--draw";
    QTest::newRow("date not in the calendar") << row("1,2,3,4,5,6", "1234568").replaceInStrings(day, "2013-02-30")
                                              << 2 << "2013-02-30";
    QTest::newRow("German date") << row("1,2,3,4,5,6", "1234568").replaceInStrings(day, "04.05.2013") << 2
                                 << "04.05.2013";
    QTest::newRow("no draw stored that day") << row("1,2,3,4,5,6", "1234568").replaceInStrings(day, "2013-05-05")
                                             << 2 << "05.05.2013";
    QTest::newRow("row of five") << row("1,2,3,4,5", "1234568") << 2 << "1,2,3,4,5";
    QTest::newRow("number 50") << row("1,2,3,4,5,50", "1234568") << 2 << "1,2,3,4,5,50";
    QTest::newRow("number twice") << row("1,1,2,3,4,5", "1234568") << 2 << "1,1,2,3,4,5";
    QTest::newRow("not numbers") << row("a,b,c,d,e,f", "1234568") << 2 << "a,b,c,d,e,f";
    QTest::newRow("no row") << QStringList{"--draw", day, "--losnummer", "1234568"} << 2 << "--row";
    QTest::newRow("Losnummer of six digits") << row("1,2,3,4,5,6", "123456") << 2 << "123456";
    QTest::newRow("Losnummer of eight digits") << row("1,2,3,4,5,6", "12345678") << 2 << "12345678";
    QTest::newRow("Losnummer with a letter") << row("1,2,3,4,5,6", "123456a") << 2 << "123456a";
    QTest::newRow("Spiel 77 without Losnummer") << QStringList{"--row", "1,2,3,4,5,6", "--spiel77"} << 2 << "--losnummer";
    QTest::newRow("bad fee") << row("1,2,3,4,5,6", "1234568") + QStringList{"--fee", "abc"} << 2 << "abc";
    QTest::newRow("bad language") << QStringList{"--row", "1,2,3,4,5,6", "--lang", "xx"} << 2 << "xx";
    QTest::newRow("run: weeks 6") << QStringList{"--run", day, "6", "sa", "--row", "1,2,3,4,5,6"} << 2 << "6";
    QTest::newRow("run: days so") << QStringList{"--run", day, "1", "so", "--row", "1,2,3,4,5,6"} << 2 << "so";
    QTest::newRow("run: too few values") << QStringList{"--row", "1,2,3,4,5,6", "--run", day, "1"} << 2 << "--run";
    QTest::newRow("draw and run") << QStringList{"--draw", day, "--run", day, "1", "sa", "--row", "1,2,3,4,5,6"} << 2
                                  << "--run";
    QTest::newRow("missing database") << QStringList{"--db", "/nonexistent/ZahlenOB.dat", "--row", "1,2,3,4,5,6"} << 2
                                      << "/nonexistent/ZahlenOB.dat";
    QTest::newRow("folder as database") << QStringList{"--db", "/tmp", "--row", "1,2,3,4,5,6"} << 2 << "/tmp";
    QTest::newRow("missing tip file") << QStringList{"--tips", "/nonexistent/a.vlt"} << 2 << "/nonexistent/a.vlt";
    QTest::newRow("tips and rows") << QStringList{"--tips", "/nonexistent/a.vlt", "--row", "1,2,3,4,5,6"} << 2
                                   << "--tips";
}

void TestCheck::exitCodes()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const Check::Output output = check(arguments);
    QCOMPARE(output.exitCode, exitCode);
    if (message.isEmpty()) {
        QCOMPARE(output.err, QByteArray());
    } else {
        QVERIFY2(QString::fromUtf8(output.err).contains(message), output.err.constData());
        // Bad input writes nothing a script could take for a result.
        QCOMPARE(output.out, QByteArray());
    }
}

void TestCheck::badDatabase()
{
    // A file cut inside a record, a latest draw no draw can be, an empty
    // file: each refused with its reason, not rated as far as it goes.
    QFile source(database_);
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray bytes = source.readAll();
    const auto refusal = [&](const QByteArray& content) {
        const QString path = dir_.filePath(QStringLiteral("bad.dat"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
            return Check::Output{};
        file.close();
        return check({"--db", path, "--row", "1,2,3,4,5,6"});
    };
    Check::Output output = refusal(bytes + "12345");
    QCOMPARE(output.exitCode, 2);
    QVERIFY2(QString::fromUtf8(output.err).contains(QStringLiteral("32 Bytes")), output.err.constData());

    std::vector<Draw> draws{makeDraw(QDate(2020, 12, 5), {1, 2, 3, 4, 5, 60}, 0, 3)};
    QByteArray damaged(sizeof(Draw), '\0');
    encodeDraw(draws[0], damaged.data());
    output = refusal(bytes + damaged);
    QCOMPARE(output.exitCode, 2);
    QVERIFY2(QString::fromUtf8(output.err).contains(QStringLiteral("05.12.2020")), output.err.constData());

    output = refusal(QByteArray());
    QCOMPARE(output.exitCode, 2);
    QCOMPARE(output.out, QByteArray());
}

void TestCheck::classesOfTheIssue_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("losnummer");
    QTest::addColumn<int>("prizeClass");
    QTest::newRow("4 + SZ") << "2013-05-04" << "5,7,11,21,30,40" << "0000008" << 5;
    QTest::newRow("4, other SZ") << "2013-05-04" << "5,7,11,21,30,40" << "0000003" << 6;
    QTest::newRow("2 + SZ") << "2013-05-04" << "1,2,3,4,5,7" << "0000008" << 9;
    QTest::newRow("5 + ZZ") << "2013-05-01" << "5,9,12,15,16,22" << "0000003" << 3;
}

void TestCheck::classesOfTheIssue()
{
    QFETCH(QString, day);
    QFETCH(QString, row);
    QFETCH(QString, losnummer);
    QFETCH(int, prizeClass);
    const QJsonObject result = json(check({"--draw", day, "--row", row, "--losnummer", losnummer, "--json"}));
    const QJsonArray draws = result.value("draws").toArray();
    QCOMPARE(draws.size(), 1);
    QCOMPARE(draws[0].toObject().value("date").toString(), day);
    QCOMPARE(draws[0].toObject().value("rows").toArray()[0].toObject().value("class").toInt(), prizeClass);
}

void TestCheck::jsonFields()
{
    const Check::Output output = check({"--draw", "2013-05-04", "--row", "5,7,11,21,30,40", "--row", "1,2,3,4,40,41",
                                        "--losnummer", "1234568", "--spiel77", "--super6", "--fee", "0,50", "--json"});
    QCOMPARE(output.exitCode, 0);
    const QJsonObject root = json(output);
    QCOMPARE(root.value("losnummer").toString(), QStringLiteral("1234568"));
    QCOMPARE(root.value("ticketSuperNumber").toInt(), 8);
    QVERIFY(root.value("spiel77").toBool());
    QVERIFY(root.value("won").toBool());
    QCOMPARE(root.value("rows").toArray().size(), 2);

    const QJsonObject draw = root.value("draws").toArray()[0].toObject();
    QCOMPARE(draw.value("numbers").toArray(), QJsonArray({5, 7, 11, 21, 22, 48}));
    QCOMPARE(draw.value("superNumber").toInt(), 8);
    QVERIFY(draw.value("bonus").isNull()); // abolished on that date
    QVERIFY(draw.value("classTable").toBool());
    const QJsonObject first = draw.value("rows").toArray()[0].toObject();
    QCOMPARE(first.value("hits").toInt(), 4);
    QVERIFY(first.value("superMatch").toBool());
    QCOMPARE(first.value("class").toInt(), 5);
    QCOMPARE(draw.value("rows").toArray()[1].toObject().value("class").toInt(), 0);
    QCOMPARE(draw.value("perClass").toArray()[5].toInt(), 1);
    QCOMPARE(draw.value("perClass").toArray()[0].toInt(), 1);
    QCOMPARE(draw.value("spiel77").toObject().value("class").toInt(), 5);
    QCOMPARE(draw.value("spiel77").toObject().value("amountCents").toInt(), 7700);
    QCOMPARE(draw.value("super6").toObject().value("class").toInt(), 5);
    QCOMPARE(draw.value("super6").toObject().value("amountCents").toInt(), 600);
    QCOMPARE(draw.value("fixedAmountCents").toInt(), 8300);
    QVERIFY(!draw.value("jackpot").toBool());

    const QJsonObject cost = root.value("cost").toObject();
    QCOMPARE(cost.value("rowsPerDrawCents").toInt(), 240);
    QCOMPARE(cost.value("spiel77PerDrawCents").toInt(), 250);
    QCOMPARE(cost.value("super6PerDrawCents").toInt(), 125);
    QCOMPARE(cost.value("perDrawCents").toInt(), 615);
    QCOMPARE(cost.value("draws").toInt(), 1);
    QCOMPARE(cost.value("feeCents").toInt(), 50);
    QCOMPARE(cost.value("runCents").toInt(), 665);

    // Not played, the digit games are null; a draw without digits has no class.
    const QJsonObject plain = json(check({"--draw", "2013-05-01", "--row", "1,2,3,4,5,6", "--losnummer", "1234568",
                                          "--super6", "--json"}))
                                  .value("draws").toArray()[0].toObject();
    QVERIFY(plain.value("spiel77").isNull());
    QVERIFY(plain.value("super6").toObject().value("class").isNull());
    QCOMPARE(plain.value("bonus").toInt(), 5);
}

void TestCheck::runOfEightDraws()
{
    // 12 rows for 4 weeks on Wednesday and Saturday: the 8 draws from
    // 04.05.2013 to 29.05.2013, not the one of 01.06.2013.
    QStringList arguments{"--run", "2013-05-04", "4", "sa+mi", "--losnummer", "1234568", "--json", "--row"};
    for (int r = 0; r < 12; ++r)
        arguments << QStringLiteral("%1,%2,%3,%4,49,%5").arg(r + 1).arg(r + 13).arg(r + 25).arg(r + 37).arg((r + 6) % 12 + 1);
    const Check::Output output = check(arguments);
    QCOMPARE(output.err, QByteArray());
    const QJsonObject root = json(output);
    const QJsonArray draws = root.value("draws").toArray();
    QStringList dates;
    for (const QJsonValue& draw : draws) {
        dates << draw.toObject().value("date").toString();
        QCOMPARE(draw.toObject().value("rows").toArray().size(), 12);
    }
    QCOMPARE(dates, QStringList({"2013-05-04", "2013-05-08", "2013-05-11", "2013-05-15", "2013-05-18", "2013-05-22",
                                 "2013-05-25", "2013-05-29"}));
    QCOMPARE(root.value("run").toObject().value("days").toString(), QStringLiteral("sa+mi"));
    QCOMPARE(root.value("cost").toObject().value("draws").toInt(), 8);
    QCOMPARE(root.value("cost").toObject().value("runCents").toInt(), 12 * 120 * 8);

    // A run whose draws are not stored yet won nothing so far.
    const Check::Output future = check({"--run", "2099-01-03", "1", "sa", "--row", "1,2,3,4,5,6"});
    QCOMPARE(future.exitCode, 1);
    QVERIFY(QString::fromUtf8(future.out).contains(QStringLiteral("noch keine Ziehung")));
}

void TestCheck::tipFile()
{
    TipRows rows;
    rows[0] = {"5", "7", "11", "21", "30", "40"};
    rows[2] = {"1", "2", "3", "4", "40", "41"};
    const QString path = dir_.filePath(QStringLiteral("ticket.vlt"));
    QVERIFY(TipFile::write(path, rows, QStringLiteral("1234568")).isEmpty());

    // The file's rows (the empty ones left out) and its ticket number.
    QJsonObject root = json(check({"--draw", "2013-05-04", "--tips", path, "--json"}));
    QCOMPARE(root.value("losnummer").toString(), QStringLiteral("1234568"));
    QCOMPARE(root.value("rows").toArray().size(), 2);
    QCOMPARE(root.value("draws").toArray()[0].toObject().value("rows").toArray()[0].toObject().value("class").toInt(), 5);
    // --losnummer overrides it.
    root = json(check({"--draw", "2013-05-04", "--tips", path, "--losnummer", "1234563", "--json"}));
    QCOMPARE(root.value("draws").toArray()[0].toObject().value("rows").toArray()[0].toObject().value("class").toInt(), 6);

    rows[1] = {"5", "7", "x", "21", "30", "40"};
    const QString bad = dir_.filePath(QStringLiteral("bad.vlt"));
    QVERIFY(TipFile::write(bad, rows, QStringLiteral("1234568")).isEmpty());
    Check::Output output = check({"--tips", bad});
    QCOMPARE(output.exitCode, 2);
    QVERIFY2(QString::fromUtf8(output.err).contains(QStringLiteral("„x“")), output.err.constData());

    QVERIFY(TipFile::write(bad, {}, QStringLiteral("12345")).isEmpty());
    output = check({"--tips", bad});
    QCOMPARE(output.exitCode, 2);

    rows[1] = {};
    QVERIFY(TipFile::write(bad, rows, QStringLiteral("12345678")).isEmpty());
    output = check({"--tips", bad});
    QCOMPARE(output.exitCode, 2);
    QVERIFY2(QString::fromUtf8(output.err).contains(QStringLiteral("12345678")), output.err.constData());
}

void TestCheck::systemFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString database = writeDatabase(dir.path(), {makeDraw(QDate(2020, 1, 4), {1, 2, 3, 4, 5, 6}, 0, 7)});
    QVERIFY(!database.isEmpty());
    LottoSystem system = Systems::fullSystem({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    system.name = QStringLiteral("Vollsystem 010");
    const QString path = dir.filePath(QStringLiteral("010.vls"));
    QVERIFY(SystemFile::write(path, system).isEmpty());

    // Every row of the system, rated by class with the ticket's super number 7.
    const QStringList arguments{"--db", database, "--system", path, "--losnummer", "1234567"};
    const QJsonObject root = json(check(arguments + QStringList{"--json"}));
    QCOMPARE(root.value("rows").toArray().size(), 210);
    QCOMPARE(root.value("system").toObject().value("guarantee").toString(), QStringLiteral("6 if 6"));
    QCOMPARE(root.value("system").toObject().value("name").toString(), QStringLiteral("Vollsystem 010"));
    const QJsonArray perClass = root.value("draws").toArray()[0].toObject().value("perClass").toArray();
    QCOMPARE(perClass, (QJsonArray{0, 1, 0, 24, 0, 90, 0, 80, 0, 15}));
    QCOMPARE(root.value("cost").toObject().value("rowsPerDrawCents").toInt(), 25200);
    const QStringList text = QString::fromUtf8(check(arguments).out).split(QLatin1Char('\n'));
    QCOMPARE(text.first(), QStringLiteral("Vollsystem 010: 1 2 3 4 5 6 7 8 9 10 – "
                                          "6 Richtige, wenn 6 der gezogenen Zahlen unter Ihren sind"));

    // A file whose guarantee fails, and a second source of rows, are refused.
    LottoSystem holes = system;
    holes.rows.pop_back();
    const QString broken = dir.filePath(QStringLiteral("broken.vls"));
    QVERIFY(SystemFile::write(broken, holes).isEmpty());
    Check::Output output = check({"--db", database, "--system", broken});
    QCOMPARE(output.exitCode, 2);
    QVERIFY2(QString::fromUtf8(output.err).contains(broken), output.err.constData());
    output = check({"--db", database, "--system", broken, "--row", "1,2,3,4,5,6"});
    QCOMPARE(output.exitCode, 2);
    QVERIFY2(QString::fromUtf8(output.err).contains(QStringLiteral("--system")), output.err.constData());
}

void TestCheck::humanText()
{
    const QStringList arguments{"--draw", "2013-05-04", "--row", "5,7,11,21,30,40", "--losnummer", "1234568",
                                "--spiel77"};
    const QStringList german = QString::fromUtf8(check(arguments).out).split(QLatin1Char('\n'));
    QVERIFY2(german.contains(QStringLiteral("Reihe 1: 5 7 11 21 30 40 (4 Treffer) – Gewinnklasse 5")),
             qPrintable(german.join(QLatin1Char('\n'))));
    QVERIFY(german.contains(QStringLiteral("Spiel 77: Gewinnklasse 5 (77,00 €)")));
    QVERIFY(german.contains(QStringLiteral("Einsatz je Ziehung: 3,70 € (Reihen 1,20 €, Spiel 77 2,50 €, Super 6 0,00 €)")));
    QCOMPARE(german.value(german.size() - 2), QStringLiteral("Gewonnen."));

    // Draws before the first class table say so.
    const QString old = QString::fromUtf8(check({"--draw", "1995-07-15", "--row", "3,11,17,25,38,44"}).out);
    QVERIFY2(old.contains(QStringLiteral("keine Gewinnklassentabelle")), qPrintable(old));
    QVERIFY(old.contains(QStringLiteral("Ohne Losnummer")));

    if (!QFile::exists(languageFolder_ + QStringLiteral("/meldungen.txt.en")))
        QSKIP("the language files are not built beside the test");
    const QStringList english = QString::fromUtf8(check(arguments, QStringLiteral("en_GB.UTF-8")).out).split(QLatin1Char('\n'));
    QVERIFY2(english.contains(QStringLiteral("Row 1: 5 7 11 21 30 40 (4 hits) – Prize class 5")),
             qPrintable(english.join(QLatin1Char('\n'))));
    QVERIFY(english.contains(QStringLiteral("Spiel 77: Prize class 5 (77.00 €)")));
    QVERIFY(english.contains(QStringLiteral("Stake per draw: 3.70 € (rows 1.20 €, Spiel 77 2.50 €, Super 6 0.00 €)")));
    // --lang wins over LANG.
    const QString french = QString::fromUtf8(check(arguments + QStringList{"--lang", "fr"}, "en_GB.UTF-8").out);
    QVERIFY2(french.contains(QStringLiteral("Rang 5")), qPrintable(french));
}

void TestCheck::defaultDatabase()
{
    // The window's folder: beside a program whose folder can be written ...
    QTemporaryDir program;
    QCOMPARE(Check::defaultDatabase(program.path()), QDir(program.path()).filePath("ZahlenOB.dat"));
    // ... else the per-user folder, and there a copy the window would adopt
    // from beside the program until it has its own.
    QTemporaryDir user;
    const QString own = QDir(user.path()).filePath("ZahlenOB.dat");
    QCOMPARE(Check::defaultDatabase(QStringLiteral("/proc"), user.path()), own);
    QVERIFY(DrawFile(own).create().isEmpty());
    QCOMPARE(Check::defaultDatabase(QStringLiteral("/proc"), user.path()), own);
}

QTEST_GUILESS_MAIN(TestCheck)
#include "tst_check.moc"
