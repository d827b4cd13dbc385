#include "systems/CoverageCheck.h"
#include "systems/LottoSystem.h"
#include "systems/SystemFile.h"
#include "systems/SystemTexts.h"
#include "text/TextLine.h"
#include "text/UiText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The 3 if 4 system on ten numbers of a player.
LottoSystem example()
{
    LottoSystem system;
    system.name = QStringLiteral("Verkürzt 3 aus 4 – Zehner");
    system.guarantee = {3, 4};
    system.numbers = {3, 7, 12, 19, 23, 28, 31, 36, 41, 45};
    system.rows = {0b0000111111, 0b0001011111, 0b1111100001, 0b0110011110};
    return system;
}

const QByteArray kExample = "Numerant system 1\r\n"
                            "name: Verkürzt 3 aus 4 – Zehner\r\n"
                            "numbers: 3 7 12 19 23 28 31 36 41 45\r\n"
                            "guarantee: 3 if 4\r\n"
                            "rows: 4\r\n"
                            "3 7 12 19 23 28\r\n"
                            "3 7 12 19 23 31\r\n"
                            "3 28 31 36 41 45\r\n"
                            "7 12 19 23 36 41\r\n";

QString at(int line, const QString& why)
{
    return UiText::line(TextLine::ImportBadLine).arg(line).arg(why);
}

} // namespace

class TestSystemFile : public QObject {
    Q_OBJECT

private slots:
    void formatIsReadable()
    {
        QCOMPARE(SystemFile::format(example()), kExample);
    }

    void roundTripThroughTheDisk_data()
    {
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::newRow("CR LF") << QByteArray("\r\n");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR") << QByteArray("\r");
    }
    void roundTripThroughTheDisk()
    {
        QFETCH(QByteArray, lineEnd);
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(QStringLiteral("zehner.vls"));
        QCOMPARE(SystemFile::write(path, example()), QString());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        QCOMPARE(bytes, kExample);
        file.close();
        bytes.replace("\r\n", lineEnd);
        QVERIFY(QFile::remove(path));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();

        QString error;
        const auto read = SystemFile::read(path, &error);
        QVERIFY2(read, qPrintable(error));
        QCOMPARE(read->name, example().name);
        QCOMPARE(read->guarantee, example().guarantee);
        QCOMPARE(read->numbers, example().numbers);
        QCOMPARE(read->rows, example().rows);
    }

    void fullSystemWithoutGuaranteeLine()
    {
        LottoSystem system = Systems::fullSystem({1, 5, 9, 13, 17, 21, 25});
        system.guarantee = {};
        system.name = QStringLiteral("Vollsystem 007");
        QString error;
        const auto read = SystemFile::parse(SystemFile::format(system), &error);
        QVERIFY2(read, qPrintable(error));
        QVERIFY(!read->guarantee.isSet());
        QCOMPARE(read->rows.size(), std::size_t(7));
    }

    void numbersInAnyOrderAreSorted()
    {
        QByteArray bytes = kExample;
        bytes.replace("numbers: 3 7 12 19 23 28 31 36 41 45", "numbers: 45 41 36 31 28 23 19 12 7 3");
        const auto read = SystemFile::parse(bytes);
        QVERIFY(read);
        QCOMPARE(read->numbers, example().numbers);
        QCOMPARE(read->rows, example().rows);
    }

    void blankLinesAtTheEndAreNoRows()
    {
        QString error;
        QVERIFY2(SystemFile::parse(kExample + "\r\n  \r\n\r\n", &error), qPrintable(error));
    }

    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("error");
        const QString rowsLine = at(5, UiText::line(TextLine::SystemFileBadRowCount).arg(SystemFile::maxRows));
        const QString numbersLine = at(3, UiText::line(TextLine::SystemFileBadNumbers));
        QTest::newRow("a tip file") << QByteArray("Numerant system 1") << QByteArray("1,2,3,4,5,6")
                                    << UiText::line(TextLine::SystemFileNotASystem).arg(QStringLiteral("Numerant system 1"));
        QTest::newRow("no name line") << QByteArray("name: ") << QByteArray("title: ")
                                      << at(2, UiText::line(TextLine::SystemFileExpected).arg(QStringLiteral("name:")));
        QTest::newRow("five numbers") << QByteArray("numbers: 3 7 12 19 23 28 31 36 41 45") << QByteArray("numbers: 3 7 12 19 23") << numbersLine;
        QTest::newRow("fifty") << QByteArray("numbers: 3 ") << QByteArray("numbers: 50 ") << numbersLine;
        QTest::newRow("zero") << QByteArray("numbers: 3 ") << QByteArray("numbers: 0 ") << numbersLine;
        QTest::newRow("a number twice") << QByteArray("numbers: 3 7") << QByteArray("numbers: 7 7") << numbersLine;
        QTest::newRow("a letter") << QByteArray("numbers: 3 ") << QByteArray("numbers: 3a ") << numbersLine;
        QTest::newRow("a long number") << QByteArray("numbers: 3 ") << QByteArray("numbers: 003 ") << numbersLine;
        QTest::newRow("guarantee of words") << QByteArray("3 if 4") << QByteArray("3 of 4")
                                            << at(4, UiText::line(TextLine::SystemFileBadGuarantee).arg(QStringLiteral("3 of 4")));
        QTest::newRow("t above m") << QByteArray("3 if 4") << QByteArray("4 if 3")
                                   << at(4, UiText::line(TextLine::SystemFileBadGuarantee).arg(QStringLiteral("4 if 3")));
        QTest::newRow("seven if seven") << QByteArray("3 if 4") << QByteArray("7 if 7")
                                        << at(4, UiText::line(TextLine::SystemFileBadGuarantee).arg(QStringLiteral("7 if 7")));
        QTest::newRow("no rows") << QByteArray("rows: 4") << QByteArray("rows: 0") << rowsLine;
        QTest::newRow("rows not a number") << QByteArray("rows: 4") << QByteArray("rows: four") << rowsLine;
        QTest::newRow("too many rows") << QByteArray("rows: 4") << QByteArray("rows: 20001") << rowsLine;
        QTest::newRow("fewer rows than announced") << QByteArray("rows: 4") << QByteArray("rows: 5")
                                                   << UiText::line(TextLine::SystemFileRowCount).arg(5).arg(4);
        QTest::newRow("more rows than announced") << QByteArray("rows: 4") << QByteArray("rows: 3")
                                                  << UiText::line(TextLine::SystemFileRowCount).arg(3).arg(4);
        QTest::newRow("a row of five") << QByteArray("\n3 28 31 36 41 45") << QByteArray("\n3 28 31 36 41")
                                       << at(8, UiText::line(TextLine::SystemFileBadRow).arg(QStringLiteral("3 28 31 36 41")));
        QTest::newRow("a number not in the system") << QByteArray("\n3 28 31 36 41 45") << QByteArray("\n3 28 31 36 41 44")
                                                     << at(8, UiText::line(TextLine::SystemFileBadRow).arg(QStringLiteral("3 28 31 36 41 44")));
        QTest::newRow("a number twice in a row") << QByteArray("\n3 28 31 36 41 45") << QByteArray("\n3 28 31 36 41 41")
                                                 << at(8, UiText::line(TextLine::SystemFileBadRow).arg(QStringLiteral("3 28 31 36 41 41")));
        // The third row replaced by a copy of the first: the guarantee breaks.
        QTest::newRow("a guarantee that does not hold")
            << QByteArray("\n3 28 31 36 41 45") << QByteArray("\n3 7 12 19 23 28")
            << UiText::line(TextLine::SystemFileGuaranteeFails)
                   .arg(SystemTexts::guarantee({3, 4}))
                   .arg(51)
                   .arg(QStringLiteral("3 28 31 36"));
    }
    void badFiles()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, error);
        QByteArray bytes = kExample;
        QVERIFY(bytes.contains(from));
        bytes.replace(from, to);
        QString why;
        QVERIFY(!SystemFile::parse(bytes, &why));
        QCOMPARE(why, error);
    }

    void manyNumbersWithAGuaranteeAreRefused()
    {
        QByteArray bytes = "Numerant system 1\nname: all\nnumbers:";
        for (int n = 1; n <= 25; ++n)
            bytes += ' ' + QByteArray::number(n);
        bytes += "\nguarantee: 1 if 1\nrows: 1\n1 2 3 4 5 6\n";
        QString why;
        QVERIFY(!SystemFile::parse(bytes, &why));
        QCOMPARE(why, UiText::line(TextLine::SystemFileGuaranteeUnchecked).arg(CoverageCheck::kMaxNumbers));
        bytes.replace("1 if 1", "none");
        QVERIFY(SystemFile::parse(bytes));
    }

    void fileTooLarge()
    {
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(QStringLiteral("big.vls"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kExample);
        file.write(QByteArray(SystemFile::maxFileSize, '\n'));
        file.close();
        QString why;
        QVERIFY(!SystemFile::read(path, &why));
        QVERIFY2(why.endsWith(UiText::line(TextLine::SystemFileTooLarge).arg(SystemFile::maxFileSize)), qPrintable(why));
    }

    void notAFileAndMissingFile()
    {
        QTemporaryDir dir;
        QString why;
        QVERIFY(!SystemFile::read(dir.path(), &why));
        QCOMPARE(why, UiText::line(TextLine::SystemFileNotAFile).arg(dir.path()));
        const QString missing = QDir(dir.path()).filePath(QStringLiteral("missing.vls"));
        QVERIFY(!SystemFile::read(missing, &why));
        QVERIFY2(why.contains(missing), qPrintable(why));
    }

    void failedWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(QStringLiteral("in/no/folder.vls"));
        QVERIFY(!SystemFile::write(path, example()).isEmpty());
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestSystemFile)
#include "tst_systemfile.moc"
