#include "tipfiles/TipFile.h"

#include "FailingDevice.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

TipRows rowsOf(const QStringList& lines)
{
    TipRows rows;
    for (int r = 0; r < lines.size(); ++r) {
        const QStringList cells = lines[r].split(QLatin1Char(','));
        for (int k = 0; k < 6; ++k)
            rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(k)] = cells.value(k);
    }
    return rows;
}

// The rows read, each as its six cells joined with "|" so that a cell holding
// "," shows up plainly.
QStringList readRows(const TipFile::Content& content)
{
    QStringList list;
    for (int r = 0; r < content.rowsRead; ++r) {
        const auto& row = content.rows[static_cast<std::size_t>(r)];
        list << QStringList(row.begin(), row.end()).join(QLatin1Char('|'));
    }
    return list;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestTipFile : public QObject {
    Q_OBJECT
private slots:
    void startFolder_data();
    void startFolder();
    void writesThirteenLines();
    void roundTrip();
    void replacesExistingFile();
    void writeFailureIsReported_data();
    void writeFailureIsReported();
    void splitLine_data();
    void splitLine();
    void readLines_data();
    void readLines();
    void readFailureIsReported();
    void refusesWhatIsNoTipFile_data();
    void refusesWhatIsNoTipFile();
    void deviceReadStopsAtTheLimit();
    void proposedFileName_data();
    void proposedFileName();
};

void TestTipFile::writesThirteenLines()
{
    const TipRows rows = rowsOf({"1,2,3,4,5,6", "7,8,9,10,11,12"});
    const QByteArray expected = "1,2,3,4,5,6\r\n7,8,9,10,11,12\r\n"
                                + QByteArray(",,,,,\r\n").repeated(10) + "\r\n";
    QCOMPARE(TipFile::format(rows, QString()), expected);
}

void TestTipFile::roundTrip()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("20200318.vlt"));
    TipRows rows = rowsOf({"3,11,19,27,38,45", "", "1,2,,4,,6", "49,48,47,46,45,44"});
    rows[11] = {"5", "5", "5", "10", "20", "30"};
    const QString losNr = QStringLiteral("Schein Nr. 0815 – Müller");

    QCOMPARE(TipFile::write(path, rows, losNr), QString());
    QString error;
    const auto content = TipFile::read(path, &error);
    QVERIFY2(content.has_value(), qPrintable(error));
    QCOMPARE(content->rowsRead, 12);
    QVERIFY(content->rows == rows);
    QCOMPARE(content->losNr, std::optional<QString>(losNr));
}

void TestTipFile::replacesExistingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tipp.vlt"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(4000, 'x'));
    }
    QCOMPARE(TipFile::write(path, TipRows{}, QStringLiteral("7")), QString());
    QCOMPARE(fileBytes(path), QByteArray(",,,,,\r\n").repeated(12) + "7\r\n");
}

void TestTipFile::writeFailureIsReported_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("folder missing") << QStringLiteral("missing/tipp.vlt");
    QTest::newRow("name is a folder") << QStringLiteral("folder");
}

void TestTipFile::writeFailureIsReported()
{
    QFETCH(QString, relativePath);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QString path = dir.filePath(relativePath);

    const QString error = TipFile::write(path, rowsOf({"1,2,3,4,5,6"}), QString());
    QVERIFY(!error.isEmpty());
    QVERIFY2(error.contains(path), qPrintable(error));
    // Nothing half-written is left behind, not even a temporary file.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

void TestTipFile::splitLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("cells");

    QTest::newRow("full row") << "3,11,19,27,38,45" << QStringList{"3", "11", "19", "27", "38", "45"};
    QTest::newRow("three numbers") << "1,2,3" << QStringList{"1", "2", "", "", "", "3"};
    QTest::newRow("seven numbers") << "1,2,3,4,5,6,7" << QStringList{"1", "2", "3", "4", "5", "6,7"};
    QTest::newRow("colon ends the last cell")
        << "1,2,3,4,5,6:Samstag" << QStringList{"1", "2", "3", "4", "5", "6"};
    QTest::newRow("colon in an earlier cell stays")
        << "1:2,3" << QStringList{"1:2", "", "", "", "", "3"};
    QTest::newRow("no comma") << "17" << QStringList{"", "", "", "", "", "17"};
    QTest::newRow("no comma with colon") << "Tipp:17" << QStringList{"", "", "", "", "", "Tipp"};
    QTest::newRow("empty row") << ",,,,," << QStringList{"", "", "", "", "", ""};
    QTest::newRow("empty line") << "" << QStringList{"", "", "", "", "", ""};
    QTest::newRow("blanks kept") << " 1, 2,3,4,5,6 " << QStringList{" 1", " 2", "3", "4", "5", "6 "};
}

void TestTipFile::splitLine()
{
    QFETCH(QString, line);
    QFETCH(QStringList, cells);
    const auto split = TipFile::splitLine(line);
    QCOMPARE(QStringList(split.begin(), split.end()), cells);
}

void TestTipFile::readLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("hasLosNr");
    QTest::addColumn<QString>("losNr");

    const QByteArray twelve = QByteArray("1,2,3,4,5,6\r\n").repeated(12);
    const QStringList twelveRows = QStringList(12, QStringLiteral("1|2|3|4|5|6"));

    QTest::newRow("empty file") << QByteArray() << QStringList() << false << QString();
    QTest::newRow("three lines") << QByteArray("1,2,3,4,5,6\r\n7,8,9,10,11,12\r\n,,,,,\r\n")
                                 << QStringList{"1|2|3|4|5|6", "7|8|9|10|11|12", "|||||"}
                                 << false << QString();
    QTest::newRow("LF ends") << QByteArray("1,2,3,4,5,6\n7,8,9,10,11,12\n")
                             << QStringList{"1|2|3|4|5|6", "7|8|9|10|11|12"} << false << QString();
    QTest::newRow("CR ends") << QByteArray("1,2,3,4,5,6\r7,8,9,10,11,12\r")
                             << QStringList{"1|2|3|4|5|6", "7|8|9|10|11|12"} << false << QString();
    QTest::newRow("mixed ends, last line open")
        << QByteArray("1,2\n\r3,4\r\n5,6") << QStringList{"1|||||2", "|||||", "3|||||4", "5|||||6"}
        << false << QString();
    QTest::newRow("blank line is an empty row")
        << QByteArray("\r\n1,2,3,4,5,6\r\n") << QStringList{"|||||", "1|2|3|4|5|6"} << false
        << QString();
    QTest::newRow("twelve lines, no ticket") << twelve << twelveRows << false << QString();
    QTest::newRow("ticket number") << twelve + "4711\r\n" << twelveRows << true << "4711";
    QTest::newRow("ticket number without line end") << twelve + "4711" << twelveRows << true
                                                    << "4711";
    QTest::newRow("empty ticket line") << twelve + "\r\n" << twelveRows << true << "";
    QTest::newRow("later lines ignored") << twelve + "4711\r\n1,2,3\r\nmore\r\n" << twelveRows
                                         << true << "4711";
    QTest::newRow("8-bit ticket number") << twelve + "M\xfcller\r\n" << twelveRows << true
                                         << QStringLiteral("Müller");
}

void TestTipFile::readLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, rows);
    QFETCH(bool, hasLosNr);
    QFETCH(QString, losNr);

    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QString error;
    const auto content = TipFile::read(buffer, &error);
    QVERIFY2(content.has_value(), qPrintable(error));
    QCOMPARE(readRows(*content), rows);
    QCOMPARE(content->losNr.has_value(), hasLosNr);
    if (hasLosNr)
        QCOMPARE(*content->losNr, losNr);
}

void TestTipFile::readFailureIsReported()
{
    QString error;
    QVERIFY(!TipFile::read(QStringLiteral("/nonexistent/folder/tipp.vlt"), &error));
    QVERIFY2(error.contains(QStringLiteral("/nonexistent/folder/tipp.vlt")), qPrintable(error));

    QTemporaryDir dir;
    error.clear();
    QVERIFY(!TipFile::read(dir.path(), &error));
    QVERIFY(!error.isEmpty());

    // A failure part-way must not look like a short file.
    FailingDevice device(QByteArray("1,2,3,4,5,6\r\n").repeated(13), 30);
    error.clear();
    QVERIFY(!TipFile::read(device, &error));
    QVERIFY2(error.contains(QStringLiteral("Input/output error")), qPrintable(error));
}

void TestTipFile::refusesWhatIsNoTipFile_data()
{
    QTest::addColumn<QString>("name"); // in the temporary folder, made by the case
    QTest::newRow("link to /dev/zero") << "zero.vlt";
    QTest::newRow("named pipe") << "pipe.vlt";
    QTest::newRow("larger than the limit, no line break") << "big.vlt";
    QTest::newRow("larger than the limit, thirteen lines first") << "tail.vlt";
}

// /dev/zero used to freeze the window and grow without bound; a pipe blocks
// on opening. Each is now refused at once with the board's data untouched.
void TestTipFile::refusesWhatIsNoTipFile()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(name);
    if (name == QLatin1String("zero.vlt")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else if (name == QLatin1String("pipe.vlt")) {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (name == QLatin1String("tail.vlt"))
            file.write(QByteArray("1,2,3,4,5,6\r\n").repeated(13));
        file.write(QByteArray(TipFile::maxFileSize, 'x'));
    }
    QString error;
    QVERIFY(!TipFile::read(path, &error));
    QVERIFY2(error.contains(QStringLiteral("Datei")), qPrintable(error));
}

void TestTipFile::deviceReadStopsAtTheLimit()
{
    QByteArray bytes = QByteArray("1,2,3,4,5,6\r\n") + QByteArray(2 * TipFile::maxFileSize, '7');
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QString error;
    QVERIFY(!TipFile::read(buffer, &error));
    QVERIFY2(error.contains(QStringLiteral("keine Tippdatei")), qPrintable(error));
    QVERIFY(buffer.pos() <= TipFile::maxFileSize);
}

void TestTipFile::proposedFileName_data()
{
    QTest::addColumn<QDate>("picker");
    QTest::addColumn<QString>("name");

    QTest::newRow("Saturday") << QDate(2020, 3, 14) << "20200318.vlt";
    QTest::newRow("Sunday") << QDate(2020, 3, 15) << "20200318.vlt";
    QTest::newRow("Wednesday") << QDate(2020, 3, 18) << "20200321.vlt";
    QTest::newRow("Monday") << QDate(2020, 3, 16) << "20210105.vlt";
    QTest::newRow("Tuesday") << QDate(2020, 3, 17) << "20210105.vlt";
    QTest::newRow("Thursday") << QDate(2020, 3, 19) << "20210105.vlt";
    QTest::newRow("Friday") << QDate(2020, 3, 20) << "20210105.vlt";
    QTest::newRow("into the next year") << QDate(2019, 12, 28) << "20200101.vlt";
    QTest::newRow("no date") << QDate() << "20210105.vlt";
}

void TestTipFile::proposedFileName()
{
    QFETCH(QDate, picker);
    QFETCH(QString, name);
    QCOMPARE(TipFile::proposedFileName(picker, QDate(2021, 1, 5)), name);
}

void TestTipFile::startFolder_data()
{
    // Folders inside one temporary folder: "program" holds the executable,
    // "data" is a per-user data folder, "docs" the documents folder.
    QTest::addColumn<QString>("lastUsed");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("documents");
    QTest::addColumn<QString>("expected");
    QTest::newRow("kept beside the program") << "" << "program" << "docs" << "program";
    QTest::newRow("system-wide install") << "" << "data" << "docs" << "docs";
    QTest::newRow("no documents folder") << "" << "data" << "gone" << "data";
    QTest::newRow("last folder wins") << "tips" << "data" << "docs" << "tips";
    QTest::newRow("last folder wins beside the program") << "tips" << "program" << "docs" << "tips";
    QTest::newRow("last folder removed") << "gone" << "data" << "docs" << "docs";
}

void TestTipFile::startFolder()
{
    QFETCH(QString, lastUsed);
    QFETCH(QString, home);
    QFETCH(QString, documents);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    for (const char* folder : {"program", "data", "docs", "tips"})
        QVERIFY(QDir(dir.path()).mkdir(QLatin1String(folder)));
    const auto at = [&dir](const QString& name) { return name.isEmpty() ? QString() : dir.filePath(name); };
    QCOMPARE(TipFile::startFolder(at(lastUsed), at(home) + u'/', at(QStringLiteral("program")) + u'/', at(documents)),
             expected == home ? at(home) + u'/' : at(expected));
}

QTEST_GUILESS_MAIN(TestTipFile)
#include "tst_tipfile.moc"
