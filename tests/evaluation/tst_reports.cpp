#include "evaluation/ReportFile.h"
#include "evaluation/RtfWriter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTest>

namespace {

// The paragraphs the draw comparison writes, with the umlauts, braces and
// backslashes a writer must escape, and a character beyond the basic plane.
const QStringList kParagraphs{
    QStringLiteral("Wie oft gab es bei der überübernächsten Ziehung ähnliche Zahlen"),
    QStringLiteral("3x    =>12"),
    QStringLiteral(" "),
    QStringLiteral("{Klammern} und \\ Rückstrich\tmit Tab"),
    QStringLiteral("Stern \U0001F340 € ж"),
};

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestReports : public QObject {
    Q_OBJECT
private slots:
    void rtfMatchesExpectedFile();
    void rtfFallbackFollowsTheCodePage();
    void rtfReadsBackInARealReader();
    void saveReplacesTheWholeFile();
    void failedSaveLeavesNoFileAndSaysWhy();
    void textLinesEndWithCrLf();
};

void TestReports::rtfMatchesExpectedFile()
{
    const QString expected = qEnvironmentVariable("NUMERANT_SOURCE_DIR")
                             + QStringLiteral("/tests/evaluation/data/report.rtf");
    QVERIFY2(QFile::exists(expected), qPrintable(expected));
    const QByteArray document = RtfWriter::document(kParagraphs);
    QCOMPARE(document, readFile(expected));
    // Pure 7-bit: no reader code page can garble it.
    for (const char c : document)
        QVERIFY(static_cast<unsigned char>(c) < 0x80);
}

// Every character of the upper half of Latin-1 (with the C1 controls, which
// the code page leaves unassigned at five places), every character the code
// page puts at 0x80..0x9F, and one it lacks: each fallback byte is the code
// page's own, or "?" where it has none.
void TestReports::rtfFallbackFollowsTheCodePage()
{
    QString paragraph;
    for (char16_t u = 0x80; u <= 0xFF; ++u)
        paragraph += QChar(u);
    paragraph += u"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"_qs;
    paragraph += u"Ā"_qs;
    const QString expected = qEnvironmentVariable("NUMERANT_SOURCE_DIR")
                             + QStringLiteral("/tests/evaluation/data/codepage.rtf");
    QVERIFY2(QFile::exists(expected), qPrintable(expected));
    QCOMPARE(RtfWriter::document({paragraph}), readFile(expected));
}

void TestReports::rtfReadsBackInARealReader()
{
    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    if (unrtf.isEmpty())
        QSKIP("unrtf is not installed (scripts/install-deps.sh --with-tests installs it)");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Test.rtf"));
    QCOMPARE(ReportFile::save(path, RtfWriter::document(kParagraphs)), QString());

    QProcess reader;
    // Its HTML output keeps every character (its plain text is Latin-1).
    reader.start(unrtf, {QStringLiteral("--html"), QStringLiteral("--nopict"), path});
    QVERIFY(reader.waitForFinished(10000));
    QCOMPARE(reader.exitCode(), 0);
    QTextDocument read;
    read.setHtml(QString::fromUtf8(reader.readAllStandardOutput()));
    // HTML folds runs of blanks and turns the tab into blanks.
    QStringList paragraphs = read.toPlainText().split(QLatin1Char('\n'));
    for (QString& p : paragraphs)
        p = p.simplified();
    for (const QString& paragraph : kParagraphs)
        QVERIFY2(paragraphs.contains(paragraph.simplified()), qPrintable(paragraphs.join('|')));
}

void TestReports::saveReplacesTheWholeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Test.txt"));
    QCOMPARE(ReportFile::save(path, QByteArray(1000, 'x')), QString());
    QCOMPARE(ReportFile::save(path, "kurz"), QString());
    QCOMPARE(readFile(path), QByteArray("kurz"));
}

void TestReports::failedSaveLeavesNoFileAndSaysWhy()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fehlt/Test.txt"));
    const QString error = ReportFile::save(path, "Inhalt");
    QVERIFY(error.contains(path));
    QVERIFY(error.size() > path.size() + 4); // the system's reason follows
    QVERIFY(!QFile::exists(path));
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

void TestReports::textLinesEndWithCrLf()
{
    QCOMPARE(ReportFile::textLines({QStringLiteral("3x\t=>\t1"), QString(), QStringLiteral("für")}),
             QByteArray("3x\t=>\t1\r\n\r\nf\xc3\xbcr\r\n"));
}

QTEST_APPLESS_MAIN(TestReports)
#include "tst_reports.moc"
