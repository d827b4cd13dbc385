#include "tipfiles/TipPrintout.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);

TipRows board(const QList<QPair<int, QStringList>>& filled)
{
    TipRows rows;
    for (const auto& [row, cells] : filled)
        for (int k = 0; k < 6; ++k)
            rows[std::size_t(row - 1)][std::size_t(k)] = cells.value(k);
    return rows;
}

using FilledRows = QList<QPair<int, QStringList>>;

} // namespace

class TestTipPrintout : public QObject {
    Q_OBJECT
private slots:
    void nextDrawDate_data();
    void nextDrawDate();
    void header_data();
    void header();
    void rowLines_data();
    void rowLines();
    void badRowFails_data();
    void badRowFails();
    void writesCrLfUtf8();
    void writeFailureIsReported();
};

void TestTipPrintout::nextDrawDate_data()
{
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<bool>("saturday");
    QTest::addColumn<bool>("wednesday");
    QTest::addColumn<QDate>("next");

    QTest::newRow("Saturday, both days") << QDate(2020, 3, 14) << true << true << QDate(2020, 3, 18);
    QTest::newRow("Wednesday, both days") << QDate(2020, 3, 18) << true << true << QDate(2020, 3, 21);
    QTest::newRow("Saturday only") << QDate(2020, 3, 14) << true << false << QDate(2020, 3, 21);
    QTest::newRow("Wednesday only") << QDate(2020, 3, 18) << false << true << QDate(2020, 3, 25);
    QTest::newRow("neither") << QDate(2020, 3, 18) << false << false << QDate(2020, 3, 25);
    QTest::newRow("into the next year") << QDate(2020, 12, 30) << true << true << QDate(2021, 1, 2);
}

void TestTipPrintout::nextDrawDate()
{
    QFETCH(QDate, shown);
    QFETCH(bool, saturday);
    QFETCH(bool, wednesday);
    QFETCH(QDate, next);
    QCOMPARE(TipPrintout::nextDrawDate(shown, saturday, wednesday), next);
}

void TestTipPrintout::header_data()
{
    QTest::addColumn<QDate>("next");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("firstLine");

    QTest::newRow("German Wednesday") << QDate(2020, 3, 18) << kGerman
                                      << QStringLiteral("Vellhorns Numerant.de Tipp für Mittwoch 18.03.20");
    QTest::newRow("German Saturday") << QDate(2020, 3, 21) << kGerman
                                     << QStringLiteral("Vellhorns Numerant.de Tipp für Samstag 21.03.20");
    QTest::newRow("English Saturday") << QDate(2020, 3, 21) << QLocale(QLocale::English)
                                      << QStringLiteral("Vellhorns Numerant.de Tipp für Saturday 21.03.20");
}

// An empty board prints the header block alone.
void TestTipPrintout::header()
{
    QFETCH(QDate, next);
    QFETCH(QLocale, locale);
    QFETCH(QString, firstLine);

    const auto lines = TipPrintout::lines(TipRows{}, next, QStringLiteral("Tipp"), locale);
    QVERIFY(lines.has_value());
    QCOMPARE(*lines, (QStringList{firstLine, QString(46, QLatin1Char('~')), QString()}));
}

void TestTipPrintout::rowLines_data()
{
    QTest::addColumn<FilledRows>("filled");
    QTest::addColumn<QString>("tippWord");
    QTest::addColumn<QStringList>("rowLines");

    QTest::newRow("padding") << FilledRows{{1, {"3", "11", "19", "27", "38", "45"}}} << "Tipp"
                             << QStringList{" 1. Tipp:  3   11   19   27   38   45"};
    QTest::newRow("row 2 empty keeps the numbering")
        << FilledRows{{1, {"1", "2", "3", "4", "5", "6"}}, {3, {"10", "20", "30", "40", "41", "49"}}}
        << "Tipp"
        << QStringList{" 1. Tipp:  1    2    3    4    5    6", " 3. Tipp: 10   20   30   40   41   49"};
    QTest::newRow("empty first cell skips the row")
        << FilledRows{{2, {"", "2", "3", "4", "5", "6"}}, {12, {"7", "8", "9", "10", "11", "12"}}}
        << "Tipp" << QStringList{"12. Tipp:  7    8    9   10   11   12"};
    QTest::newRow("the interface's word")
        << FilledRows{{10, {"5", "6", "7", "8", "9", "10"}}} << "Tip"
        << QStringList{"10. Tip:  5    6    7    8    9   10"};
}

void TestTipPrintout::rowLines()
{
    QFETCH(FilledRows, filled);
    QFETCH(QString, tippWord);
    QFETCH(QStringList, rowLines);

    QString error;
    const auto lines = TipPrintout::lines(board(filled), QDate(2020, 3, 21), tippWord, kGerman, &error);
    QVERIFY2(lines.has_value(), qPrintable(error));
    QCOMPARE(lines->mid(3), rowLines);
}

void TestTipPrintout::badRowFails_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("reported");

    QTest::newRow("empty later cell") << QStringList{"1", "2", "", "4", "5", "6"} << "Tipp 4, Feld 3";
    QTest::newRow("letters") << QStringList{"1", "2", "3", "4", "5", "x"} << "„x“";
    QTest::newRow("letters in first cell") << QStringList{"x", "2", "3", "4", "5", "6"} << "„x“";
}

// A row that cannot be printed stops the whole printout, so no file is
// written with rows silently missing.
void TestTipPrintout::badRowFails()
{
    QFETCH(QStringList, cells);
    QFETCH(QString, reported);

    QString error;
    const TipRows rows = board({{1, {"1", "2", "3", "4", "5", "6"}}, {4, cells}});
    QVERIFY(!TipPrintout::lines(rows, QDate(2020, 3, 21), QStringLiteral("Tipp"), kGerman, &error));
    QVERIFY2(error.contains(reported), qPrintable(error));
}

void TestTipPrintout::writesCrLfUtf8()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tipp.txt"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(500, 'x'));
    }
    const auto lines = TipPrintout::lines(board({{1, {"3", "11", "19", "27", "38", "45"}}}),
                                          QDate(2020, 3, 21), QStringLiteral("Tipp"), kGerman);
    QVERIFY(lines.has_value());
    QCOMPARE(TipPrintout::write(path, *lines), QString());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(),
             QByteArray("Vellhorns Numerant.de Tipp f\xc3\xbcr Samstag 21.03.20\r\n")
                 + QByteArray(46, '~') + "\r\n\r\n"
                 + " 1. Tipp:  3   11   19   27   38   45\r\n");
}

void TestTipPrintout::writeFailureIsReported()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/Tipp.txt"));
    const QString error = TipPrintout::write(path, {QStringLiteral("x")});
    QVERIFY2(error.contains(path), qPrintable(error));
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(TestTipPrintout)
#include "tst_tipprintout.moc"
