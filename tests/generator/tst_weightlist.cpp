#include "generator/WeightList.h"

#include "FailingDevice.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class TestWeightList : public QObject {
    Q_OBJECT
private slots:
    void encodeWritesFortyNineCrLfLines();
    void decode_data();
    void decode();
    void decodeStopsAfterFortyNineLines();
    void saveAndLoadRoundTrip();
    void fileErrors_data();
    void fileErrors();
    void refusesWhatIsNoWeightList_data();
    void refusesWhatIsNoWeightList();
    void failingDeviceLeavesLinesUntouched_data();
    void failingDeviceLeavesLinesUntouched();
};

namespace {

QStringList sparse(std::initializer_list<std::pair<int, QString>> entries)
{
    QStringList lines(WeightList::Lines);
    for (const auto& [number, text] : entries)
        lines[number - 1] = text;
    return lines;
}

} // namespace

void TestWeightList::encodeWritesFortyNineCrLfLines()
{
    const QByteArray expected = "2\r\n" + QByteArray("\r\n").repeated(47) + "1\r\n";
    QCOMPARE(WeightList::encode(sparse({{1, "2"}, {49, "1"}})), expected);

    // Short and long inputs still give exactly 49 lines.
    QCOMPARE(WeightList::encode({QStringLiteral("7")}), "7\r\n" + QByteArray("\r\n").repeated(48));
    QStringList tooMany(60, QStringLiteral("3"));
    QCOMPARE(WeightList::encode(tooMany).count("\r\n"), 49);
}

void TestWeightList::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("CR LF") << QByteArray("4\r\n\r\n5\r\n") << sparse({{1, "4"}, {3, "5"}});
    QTest::newRow("LF only") << QByteArray("4\n\n5\n") << sparse({{1, "4"}, {3, "5"}});
    QTest::newRow("CR only") << QByteArray("4\r\r5\r") << sparse({{1, "4"}, {3, "5"}});
    QTest::newRow("mixed ends") << QByteArray("4\r\n\r5\n6") << sparse({{1, "4"}, {3, "5"}, {4, "6"}});
    QTest::newRow("CR CR LF is two ends") << QByteArray("4\r\r\n5") << sparse({{1, "4"}, {3, "5"}});
    QTest::newRow("empty file") << QByteArray() << sparse({});
    QTest::newRow("ten lines, rest empty")
        << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n")
        << sparse({{1, "1"}, {2, "2"}, {3, "3"}, {4, "4"}, {5, "5"},
                   {6, "6"}, {7, "7"}, {8, "8"}, {9, "9"}, {10, "10"}});
    QTest::newRow("texts are not checked")
        << QByteArray(" 3\r\nabc\r\n-2\r\n") << sparse({{1, " 3"}, {2, "abc"}, {3, "-2"}});
    QByteArray fifty;
    for (int i = 1; i <= 50; ++i)
        fifty += QByteArray::number(i) + "\r\n";
    QStringList first49;
    for (int i = 1; i <= 49; ++i)
        first49 << QString::number(i);
    QTest::newRow("lines past 49 ignored") << fifty << first49;
}

void TestWeightList::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    QCOMPARE(WeightList::decode(bytes), expected);
}

void TestWeightList::decodeStopsAfterFortyNineLines()
{
    QByteArray data = WeightList::encode(sparse({{49, "9"}}));
    const qint64 listSize = data.size();
    data += QByteArray(4 << 20, 'x');
    QBuffer buffer(&data);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QStringList lines;
    QString error;
    QVERIFY(WeightList::decode(buffer, lines, error));
    QCOMPARE(lines.value(48), QStringLiteral("9"));
    QCOMPARE(buffer.pos(), listSize);
}

void TestWeightList::saveAndLoadRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("20240101.vlw"));
    const QStringList lines = sparse({{1, "2"}, {12, "17"}, {49, "1"}});
    QCOMPARE(WeightList::save(path, lines), QString());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), WeightList::encode(lines));

    QStringList loaded;
    QCOMPARE(WeightList::load(path, loaded), QString());
    QCOMPARE(loaded, lines);
}

void TestWeightList::fileErrors_data()
{
    QTest::addColumn<bool>("saving");
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("save into missing folder") << true << QStringLiteral("missing/list.vlw");
    QTest::newRow("save over a folder") << true << QStringLiteral("folder");
    QTest::newRow("load missing file") << false << QStringLiteral("missing.vlw");
    QTest::newRow("load a folder") << false << QStringLiteral("folder");
}

void TestWeightList::fileErrors()
{
    QFETCH(bool, saving);
    QFETCH(QString, relativePath);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QString path = dir.filePath(relativePath);

    QStringList lines = {QStringLiteral("untouched")};
    const QString error = saving ? WeightList::save(path, sparse({{1, "1"}}))
                                 : WeightList::load(path, lines);
    QVERIFY2(!error.isEmpty(), "a failure must come back as the system's text");
    QCOMPARE(lines, QStringList{QStringLiteral("untouched")});
    if (saving)
        QVERIFY(!QFileInfo(path).isFile());
}

void TestWeightList::refusesWhatIsNoWeightList_data()
{
    QTest::addColumn<QString>("name"); // in the temporary folder, made by the case
    QTest::newRow("link to /dev/zero") << "zero.vlw";
    QTest::newRow("named pipe") << "pipe.vlw";
    QTest::newRow("larger than the limit, no line break") << "big.vlw";
}

// /dev/zero used to be read without end; a pipe blocks on opening.
void TestWeightList::refusesWhatIsNoWeightList()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(name);
    if (name == QLatin1String("zero.vlw")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else if (name == QLatin1String("pipe.vlw")) {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(WeightList::MaxFileSize + 1, 'x'));
    }
    QStringList lines = {QStringLiteral("untouched")};
    const QString error = WeightList::load(path, lines);
    QVERIFY2(error.contains(QStringLiteral("Datei")), qPrintable(error));
    QCOMPARE(lines, QStringList{QStringLiteral("untouched")});
}

void TestWeightList::failingDeviceLeavesLinesUntouched_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<qint64>("failAfter");
    QTest::addColumn<QString>("errorPart");
    const QByteArray list = WeightList::encode(sparse({{1, "3"}, {49, "1"}}));
    QTest::newRow("fails at once") << list << qint64(0) << "Input/output error";
    QTest::newRow("fails part-way") << list << qint64(20) << "Input/output error";
    QTest::newRow("fails just before the last line") << list << qint64(list.size() - 2) << "Input/output error";
    QTest::newRow("no line break within the limit")
        << QByteArray(WeightList::MaxFileSize + 10, 'x') << qint64(WeightList::MaxFileSize + 10) << "Gewichtsliste";
}

// A device that breaks off used to read as a short, valid list.
void TestWeightList::failingDeviceLeavesLinesUntouched()
{
    QFETCH(QByteArray, data);
    QFETCH(qint64, failAfter);
    QFETCH(QString, errorPart);
    FailingDevice device(data, failAfter);
    QStringList lines = {QStringLiteral("untouched")};
    QString error;
    QVERIFY(!WeightList::decode(device, lines, error));
    QVERIFY2(error.contains(errorPart), qPrintable(error));
    QCOMPARE(lines, QStringList{QStringLiteral("untouched")});
}

QTEST_GUILESS_MAIN(TestWeightList)
#include "tst_weightlist.moc"
