#include "text/AtomicFile.h"
#include "draws/DrawFile.h"
#include "evaluation/ReportFile.h"
#include "evaluation/RtfWriter.h"
#include "generator/WeightList.h"
#include "text/LanguageFileSet.h"
#include "text/MasterListWriter.h"
#include "tipfiles/TipFile.h"
#include "tipfiles/TipPrintout.h"

#include "DrawFixture.h"
#include "FileBytes.h"
#include "FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <functional>
#include <sys/stat.h>

namespace {

QStringList entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// One of the program's writers: writes its kind of file to the path and
// returns the error text it reports (empty on success).
using Writer = std::function<QString(const QString& path)>;

Writer writerNamed(const QString& name)
{
    if (name == "atomic file")
        return [](const QString& path) { return AtomicFile::write(path, "new content\r\n").message; };
    if (name == "draw database")
        return [](const QString& path) {
            return DrawFile(path).rewrite({makeDraw(QDate(2020, 3, 14), {1, 2, 3, 4, 5, 6}, 7)}, path + "~");
        };
    if (name == "tip file")
        return [](const QString& path) {
            TipRows rows;
            rows[0] = {"1", "2", "3", "4", "5", "6"};
            return TipFile::write(path, rows, "1234567");
        };
    if (name == "tip printout")
        return [](const QString& path) { return TipPrintout::write(path, {"Tipp für Samstag", " 1. Tipp:  1"}); };
    if (name == "weight list")
        return [](const QString& path) { return WeightList::save(path, QStringList(WeightList::Lines, "1")); };
    if (name == "report")
        return [](const QString& path) { return ReportFile::save(path, RtfWriter::document({"2 Ziehungen"})); };
    if (name == "language file")
        return [](const QString& path) { return LanguageFileSet::writeLines(path, {"Datei", "Hilfe"}); };
    if (name == "master list")
        return [](const QString& path) { return MasterListWriter::write(path, {}); };
    return {};
}

const QStringList kWriters = {"atomic file", "draw database", "tip file",      "tip printout",
                              "weight list", "report",        "language file", "master list"};

} // namespace

class TestAtomicFile : public QObject {
    Q_OBJECT

private slots:
    void writesNewAndReplacesOld_data();
    void writesNewAndReplacesOld();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void leavesWhatIsNotARegularFile_data();
    void leavesWhatIsNotARegularFile();
    void linkedFileIsReplacedWhereItLives();
};

void TestAtomicFile::writesNewAndReplacesOld_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<QString>("tempName");
    QTest::newRow("new file, fresh temp name") << false << QString();
    QTest::newRow("over a file, fresh temp name") << true << QString();
    QTest::newRow("over a file, named temp with a stale leftover") << true << QString("out.txt~");
}

void TestAtomicFile::writesNewAndReplacesOld()
{
    QFETCH(bool, existing);
    QFETCH(QString, tempName);
    QTemporaryDir dir;
    const QString path = dir.filePath("out.txt");
    if (existing)
        QVERIFY(writeBytes(path, QByteArray(5000, 'x')));
    if (!tempName.isEmpty())
        QVERIFY(writeBytes(dir.filePath(tempName), "leftover"));

    const AtomicFile::Result result =
        AtomicFile::write(path, "short\r\n", tempName.isEmpty() ? QString() : dir.filePath(tempName));
    QVERIFY2(result.ok(), qPrintable(result.message));
    QCOMPARE(readBytes(path), QByteArray("short\r\n"));
    QCOMPARE(entries(dir.path()), QStringList{"out.txt"});
}

void TestAtomicFile::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<bool>("existing");
    for (const QString& writer : kWriters) {
        QTest::addRow("%s over an existing file", qPrintable(writer)) << writer << true;
        QTest::addRow("%s as a new file", qPrintable(writer)) << writer << false;
    }
}

// A full disk used to leave an empty file behind and report success: the
// bytes sat in a buffer until the commit, whose failed flush went unnoticed.
void TestAtomicFile::fullDiskKeepsTheOldFile()
{
    QFETCH(QString, writer);
    QFETCH(bool, existing);
    QTemporaryDir dir;
    const QString path = dir.filePath("target");
    const QByteArray old = "the old content, which must survive\r\n";
    if (existing)
        QVERIFY(writeBytes(path, old));

    QString error;
    {
        const FileSizeLimit full(0);
        QVERIFY(full.active());
        error = writerNamed(writer)(path);
    }

    QVERIFY2(error.contains(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(error));
    if (existing)
        QCOMPARE(readBytes(path), old);
    else
        QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(entries(dir.path()), existing ? QStringList{"target"} : QStringList{});
}

void TestAtomicFile::leavesWhatIsNotARegularFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("pipe") << "pipe";
    QTest::newRow("link to a pipe") << "link to a pipe";
    QTest::newRow("folder") << "folder";
}

// Renaming over a pipe or a device replaces the node itself; a user who picks
// one in a save dialog must get a refusal, not a plain file in its place.
void TestAtomicFile::leavesWhatIsNotARegularFile()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString node = dir.filePath("node");
    if (kind == "folder")
        QVERIFY(QDir(dir.path()).mkdir("node"));
    else
        QVERIFY(::mkfifo(QFile::encodeName(node).constData(), 0600) == 0);
    const QString path = kind == "link to a pipe" ? dir.filePath("link") : node;
    if (path != node)
        QVERIFY(QFile::link(node, path));
    const QStringList before = entries(dir.path());

    for (const QString& writer : kWriters) {
        const QString error = writerNamed(writer)(path);
        QVERIFY2(!error.isEmpty(), qPrintable(writer));
    }

    struct stat info {};
    QVERIFY(::lstat(QFile::encodeName(node).constData(), &info) == 0);
    QVERIFY(kind == "folder" ? S_ISDIR(info.st_mode) : S_ISFIFO(info.st_mode));
    if (path != node)
        QCOMPARE(QFileInfo(path).symLinkTarget(), node);
    QCOMPARE(entries(dir.path()), before);
}

// Saving into a folder that is a link elsewhere must keep the link and the
// file's permissions; the temporary file lies beside the real file.
void TestAtomicFile::linkedFileIsReplacedWhereItLives()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("home") && QDir(dir.path()).mkpath("elsewhere"));
    const QString real = dir.filePath("elsewhere/tips.vlt");
    QVERIFY(writeBytes(real, "old"));
    QVERIFY(::chmod(QFile::encodeName(real).constData(), 0600) == 0);
    const QString path = dir.filePath("home/tips.vlt");
    QVERIFY(QFile::link(real, path));

    const AtomicFile::Result result = AtomicFile::write(path, "new");
    QVERIFY2(result.ok(), qPrintable(result.message));

    QVERIFY(QFileInfo(path).isSymLink());
    QCOMPARE(readBytes(real), QByteArray("new"));
    struct stat info {};
    QVERIFY(::stat(QFile::encodeName(real).constData(), &info) == 0);
    QCOMPARE(int(info.st_mode & 07777), 0600);
    QCOMPARE(entries(dir.filePath("home")), QStringList{"tips.vlt"});
    QCOMPARE(entries(dir.filePath("elsewhere")), QStringList{"tips.vlt"});
}

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
