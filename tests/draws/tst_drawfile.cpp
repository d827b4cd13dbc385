#include "DrawFixture.h"
#include "FailingDevice.h"
#include "FileBytes.h"

#include "draws/DateSerial.h"
#include "draws/DrawFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

QByteArray encoded(const Draw& draw)
{
    QByteArray bytes(32, '\0');
    encodeDraw(draw, bytes.data());
    return bytes;
}

const QDate kSat(2020, 12, 5);

} // namespace

class TestDrawFile : public QObject {
    Q_OBJECT

private slots:
    void recordLayoutIsLittleEndianAtFixedOffsets();
    void decodeReadsWhatEncodeWrote();
    void wholeRecordsOnly_data();
    void wholeRecordsOnly();
    void missingFileIsAnErrorNotAnEmptyDatabase();
    void blockScanCrossesBlockBoundariesAndStopsOnRequest();
    void createEmptiesAnExistingDatabase();
    void appendAfterStrayFragmentKeepsRecordsInStep();
    void rewriteReplacesContentAndRemovesTemp();
    void failedRewriteLeavesDatabaseAndNoTemp_data();
    void failedRewriteLeavesDatabaseAndNoTemp();
    void rewriteRefusesTempThatIsTheDatabase();
    void rewriteKeepsLinkAndPermissions_data();
    void rewriteKeepsLinkAndPermissions();
    void fullDiskNamesTheRealCause_data();
    void fullDiskNamesTheRealCause();
    void failingDeviceIsAnError_data();
    void failingDeviceIsAnError();
};

void TestDrawFile::recordLayoutIsLittleEndianAtFixedOffsets()
{
    Draw draw = makeDraw(kSat, {3, 11, 17, 25, 38, 44}, 7, 9);
    draw.spiel77 = {1, 2, 3, 4, 5, 6, 7};
    draw.super6 = {9, 8, 7, 6, 5, 4};
    draw.reserve = {0xAA, 0xBB, 0xCC};
    const QByteArray bytes = encoded(draw);

    // 05.12.2020 is day 44170, the double 0x40E5914000000000, lowest byte first.
    QCOMPARE(DateSerial::fromDate(kSat), 44170.0);
    QCOMPARE(bytes.left(8).toHex(), QByteArray("000000004091e540"));
    QCOMPARE(bytes.mid(8, 8).toHex(), QByteArray("030b1119262c0709"));
    QCOMPARE(bytes.mid(16, 7).toHex(), QByteArray("01020304050607"));
    QCOMPARE(bytes.mid(23, 6).toHex(), QByteArray("090807060504"));
    QCOMPARE(bytes.mid(29, 3).toHex(), QByteArray("aabbcc"));
}

void TestDrawFile::decodeReadsWhatEncodeWrote()
{
    Draw draw = makeDraw(kSat, {49, 1, 200, 0, 255, 2}, 255, 12);
    draw.datum = 44170.75; // a time of day must survive as well
    draw.spiel77 = {9, 9, 9, 9, 9, 9, 9};
    draw.reserve = {1, 2, 3};
    const Draw back = decodeDraw(encoded(draw).constData());
    QCOMPARE(back.datum, draw.datum);
    QVERIFY(back.zahlen == draw.zahlen);
    QVERIFY(back.spiel77 == draw.spiel77);
    QVERIFY(back.super6 == draw.super6);
    QVERIFY(back.reserve == draw.reserve);
}

void TestDrawFile::wholeRecordsOnly_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("records");
    QTest::newRow("empty file") << 0 << 0;
    QTest::newRow("fragment only") << 31 << 0;
    QTest::newRow("one record") << 32 << 1;
    QTest::newRow("65 bytes: two records and a stray byte") << 65 << 2;
    QTest::newRow("2000 records and a fragment, over two blocks") << 2000 * 32 + 5 << 2000;
}

void TestDrawFile::wholeRecordsOnly()
{
    QFETCH(int, size);
    QFETCH(int, records);
    QTemporaryDir dir;
    const QString path = dir.filePath("ZahlenOB.dat");
    QByteArray bytes;
    for (int i = 0; i < size / 32; ++i)
        bytes += encoded(makeDraw(QDate(2000, 1, 1).addDays(i), {1, 2, 3, 4, 5, 6}, 7));
    bytes += QByteArray(size % 32, '\x7f');
    QVERIFY(writeBytes(path, bytes));

    const DrawFile file(path);
    QCOMPARE(file.recordCount(), qint64(records));
    QString error = "untouched";
    const auto draws = file.readAll(&error);
    QVERIFY(draws.has_value());
    QCOMPARE(error, QString("untouched"));
    QCOMPARE(int(draws->size()), records);
    if (records > 0)
        QCOMPARE(DateSerial::toDate(draws->back().datum), QDate(2000, 1, 1).addDays(records - 1));
}

void TestDrawFile::missingFileIsAnErrorNotAnEmptyDatabase()
{
    QTemporaryDir dir;
    const DrawFile file(dir.filePath("ZahlenOB.dat"));
    QVERIFY(!file.exists());
    QString error;
    QVERIFY(!file.readAll(&error).has_value());
    QVERIFY(error.contains("ZahlenOB.dat"));
    QVERIFY(!file.scan([](const Draw&, qint64) { return true; }).isEmpty());
}

void TestDrawFile::blockScanCrossesBlockBoundariesAndStopsOnRequest()
{
    QTemporaryDir dir;
    std::vector<Draw> draws;
    for (int i = 0; i < 2500; ++i)
        draws.push_back(makeDraw(QDate(1990, 1, 6).addDays(i), {1, 2, 3, 4, 5, i % 49 + 1}, 7));
    const QString path = writeDatabase(dir.path(), draws);
    QVERIFY(!path.isEmpty());

    std::vector<qint64> indices;
    bool inOrder = true;
    const QString error = DrawFile(path).scan([&](const Draw& draw, qint64 index) {
        inOrder = inOrder && draw.datum == draws[std::size_t(index)].datum;
        indices.push_back(index);
        return index < 1500; // stop in the second block
    });
    QVERIFY(error.isEmpty());
    QVERIFY(inOrder);
    QCOMPARE(indices.size(), std::size_t(1501));
    QCOMPARE(indices.back(), qint64(1500));
}

void TestDrawFile::createEmptiesAnExistingDatabase()
{
    QTemporaryDir dir;
    const QString path = writeDatabase(dir.path(), {makeDraw(kSat, {1, 2, 3, 4, 5, 6}, 7)});
    const DrawFile file(path);
    QVERIFY(file.create().isEmpty());
    QVERIFY(file.exists());
    QCOMPARE(QFileInfo(path).size(), qint64(0));
    QVERIFY(file.readAll().has_value());
    QVERIFY(file.readAll()->empty());
}

void TestDrawFile::appendAfterStrayFragmentKeepsRecordsInStep()
{
    QTemporaryDir dir;
    const Draw first = makeDraw(kSat, {1, 2, 3, 4, 5, 6}, 7);
    const Draw second = makeDraw(kSat.addDays(4), {7, 8, 9, 10, 11, 12}, 13);
    const QString path = writeDatabase(dir.path(), {first});
    QFile raw(path);
    QVERIFY(raw.open(QIODevice::Append));
    raw.write("\x01\x02\x03", 3); // an interrupted writer's leftover
    raw.close();

    QVERIFY(DrawFile(path).append({second}).isEmpty());
    QCOMPARE(readBytes(path), encoded(first) + encoded(second));
}

void TestDrawFile::rewriteReplacesContentAndRemovesTemp()
{
    QTemporaryDir dir;
    const QString path = writeDatabase(dir.path(), {makeDraw(kSat, {1, 2, 3, 4, 5, 6}, 7)});
    const std::vector<Draw> replacement = {makeDraw(kSat.addDays(-3), {4, 5, 6, 7, 8, 9}, 1),
                                           makeDraw(kSat.addDays(1), {10, 11, 12, 13, 14, 15}, 2)};
    const QString temp = dir.filePath("Zahlen.da~");
    QVERIFY(writeBytes(temp, "leftover of an earlier failure"));

    QVERIFY(DrawFile(path).rewrite(replacement, temp).isEmpty());
    QVERIFY(!QFile::exists(temp));
    QCOMPARE(readBytes(path), encoded(replacement[0]) + encoded(replacement[1]));
}

void TestDrawFile::failedRewriteLeavesDatabaseAndNoTemp_data()
{
    QTest::addColumn<QString>("databaseName");
    QTest::addColumn<QString>("tempName");
    // The temp file cannot be created at all.
    QTest::newRow("temp in a missing folder") << "ZahlenOB.dat" << "missing/ZahlenOB.dat~";
    // The temp file is written, but the rename over the database fails.
    QTest::newRow("database name is a folder") << "dbfolder" << "ZahlenOB.dat~";
}

void TestDrawFile::failedRewriteLeavesDatabaseAndNoTemp()
{
    QFETCH(QString, databaseName);
    QFETCH(QString, tempName);
    QTemporaryDir dir;
    const QString original = writeDatabase(dir.path(), {makeDraw(kSat, {1, 2, 3, 4, 5, 6}, 7)});
    const QByteArray before = readBytes(original);
    QVERIFY(QDir(dir.path()).mkpath("dbfolder/inside"));
    const QString path = dir.filePath(databaseName);

    const QString error = DrawFile(path).rewrite({makeDraw(kSat, {9, 9, 9, 9, 9, 9}, 9)}, dir.filePath(tempName));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(dir.filePath(tempName)));
    QCOMPARE(readBytes(original), before);
    QVERIFY(QFileInfo(dir.filePath("dbfolder/inside")).isDir());
}

void TestDrawFile::rewriteRefusesTempThatIsTheDatabase()
{
    QTemporaryDir dir;
    const QString path = writeDatabase(dir.path(), {makeDraw(kSat, {1, 2, 3, 4, 5, 6}, 7)});
    const QByteArray before = readBytes(path);
    // Removing a stale temp file first would delete the database itself.
    const QString error = DrawFile(path).rewrite({}, QDir(dir.path()).filePath("./ZahlenOB.dat"));
    QVERIFY(!error.isEmpty());
    QCOMPARE(readBytes(path), before);
}

void TestDrawFile::rewriteKeepsLinkAndPermissions_data()
{
    QTest::addColumn<bool>("linked");
    QTest::addColumn<int>("mode");
    QTest::newRow("private plain file") << false << 0600;
    QTest::newRow("group-readable plain file") << false << 0640;
    QTest::newRow("link to a private file elsewhere") << true << 0600;
}

// A rewrite used to put a plain file with default permissions in place of
// the link, while appends went on through it.
void TestDrawFile::rewriteKeepsLinkAndPermissions()
{
    QFETCH(bool, linked);
    QFETCH(int, mode);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("home") && QDir(dir.path()).mkpath("elsewhere"));
    const QString real = writeDatabase(dir.filePath(linked ? "elsewhere" : "home"),
                                       {makeDraw(kSat, {1, 2, 3, 4, 5, 6}, 7)});
    QVERIFY(!real.isEmpty());
    QVERIFY(::chmod(QFile::encodeName(real).constData(), mode_t(mode)) == 0);
    const QString path = dir.filePath("home/ZahlenOB.dat");
    if (linked)
        QVERIFY(QFile::link(real, path));
    const Draw replacement = makeDraw(kSat.addDays(-3), {4, 5, 6, 7, 8, 9}, 1);
    const Draw appended = makeDraw(kSat.addDays(1), {10, 11, 12, 13, 14, 15}, 2);

    QCOMPARE(DrawFile(path).rewrite({replacement}, path + "~"), QString());
    QCOMPARE(DrawFile(path).append({appended}), QString());

    QCOMPARE(QFileInfo(path).isSymLink(), linked);
    QCOMPARE(readBytes(real), encoded(replacement) + encoded(appended));
    struct stat info {};
    QVERIFY(::stat(QFile::encodeName(real).constData(), &info) == 0);
    QCOMPARE(int(info.st_mode & 07777), mode);
    QCOMPARE(QDir(dir.filePath("home")).entryList(QDir::Files | QDir::System | QDir::Hidden),
             QStringList{"ZahlenOB.dat"});
    QCOMPARE(QDir(dir.filePath("elsewhere")).entryList(QDir::Files | QDir::Hidden),
             linked ? QStringList{"ZahlenOB.dat"} : QStringList{});
}

void TestDrawFile::fullDiskNamesTheRealCause_data()
{
    QTest::addColumn<bool>("rewrite");
    QTest::newRow("rewrite through the temp file") << true;
    QTest::newRow("append") << false;
}

// A write that stops short used to be reported as "Unknown error". A file
// size limit makes the kernel cut the write short the way a full disk does
// and then refuse the rest, here with EFBIG instead of ENOSPC.
void TestDrawFile::fullDiskNamesTheRealCause()
{
    QFETCH(bool, rewrite);
    QTemporaryDir dir;
    const std::vector<Draw> stored = {makeDraw(kSat, {1, 2, 3, 4, 5, 6}, 7)};
    const QString path = writeDatabase(dir.path(), stored);
    const QByteArray before = readBytes(path);
    std::vector<Draw> many(200, makeDraw(kSat.addDays(-7), {2, 3, 4, 5, 6, 7}, 8));
    many.push_back(stored.front());

    rlimit old {};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &old) == 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1000;
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
    const QString error = rewrite ? DrawFile(path).rewrite(many, path + "~") : DrawFile(path).append(many);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY2(error.contains(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(error));
    QVERIFY2(!error.contains("Unknown error"), qPrintable(error));
    if (rewrite) {
        QCOMPARE(readBytes(path), before);
        QVERIFY(!QFile::exists(path + "~"));
    } else {
        // All or none: the records that did fit are taken back.
        QCOMPARE(readBytes(path), before);
    }
}

void TestDrawFile::failingDeviceIsAnError_data()
{
    QTest::addColumn<qint64>("failAfter");
    QTest::addColumn<int>("visitedBefore");
    QTest::newRow("fails at once") << qint64(0) << 0;
    QTest::newRow("fails inside a record") << qint64(40) << 1;
    QTest::newRow("fails after a whole block") << qint64(1000 * 32) << 1000;
}

// A device that breaks off must not read as a shorter database.
void TestDrawFile::failingDeviceIsAnError()
{
    QFETCH(qint64, failAfter);
    QFETCH(int, visitedBefore);
    QByteArray bytes;
    for (int i = 0; i < 1500; ++i)
        bytes += encoded(makeDraw(kSat.addDays(-7 * i), {1, 2, 3, 4, 5, 6}, 7));
    FailingDevice device(bytes, failAfter);
    int visited = 0;
    const QString error = DrawFile::scan(device, [&](const Draw&, qint64) {
        ++visited;
        return true;
    });
    QVERIFY2(error.contains("Input/output error"), qPrintable(error));
    QCOMPARE(visited, visitedBefore);
}

QTEST_GUILESS_MAIN(TestDrawFile)
#include "tst_drawfile.moc"
