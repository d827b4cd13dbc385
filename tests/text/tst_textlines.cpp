#include "text/TextLines.h"

#include "FailingDevice.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestTextLines : public QObject {
    Q_OBJECT
private slots:
    void decode_data();
    void decode();
    void read();
    void failingDeviceIsNoFile_data();
    void failingDeviceIsNoFile();
};

void TestTextLines::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("no final line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("final line end adds no line") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("CR, LF and CR LF mixed") << QByteArray("a\rb\nc\r\nd") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("LF CR is two line ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("empty lines kept") << QByteArray("\r\n\r\nx\r\n\r\n") << QStringList{"", "", "x", ""};
    QTest::newRow("blanks kept") << QByteArray(" a \r\n  \r\n") << QStringList{" a ", "  "};
    QTest::newRow("UTF-8 with BOM")
        << QByteArray("\xEF\xBB\xBF\xC3\x84nderung\r\n\xD0\xAF") << QStringList{u"Änderung"_qs, u"Я"_qs};
    QTest::newRow("BOM only") << QByteArray("\xEF\xBB\xBF") << QStringList{};
    QTest::newRow("UTF-16 LE with BOM")
        << QByteArray("\xFF\xFE\xDC\x00\x0D\x00\x0A\x00\x2F\x04", 10) << QStringList{u"Ü"_qs, u"Я"_qs};
    QTest::newRow("UTF-16 BE with BOM")
        << QByteArray("\xFE\xFF\x00\xDC\x00\x0A\x04\x2F", 8) << QStringList{u"Ü"_qs, u"Я"_qs};
    QTest::newRow("valid UTF-8 without BOM")
        << QByteArray("T\xC3\xBCrkisch\nNiederl\xC3\xA4ndisch") << QStringList{u"Türkisch"_qs, u"Niederländisch"_qs};
    QTest::newRow("Windows-1252 without BOM")
        << QByteArray("T\xFCrkisch\r\nGr\xF6\xDF" "e") << QStringList{u"Türkisch"_qs, u"Größe"_qs};
    QTest::newRow("Windows-1252 differs from Latin-1")
        << QByteArray("\x80 \x84\x93\x9C\x9F") << QStringList{u"€ „“œŸ"_qs};
    // The unassigned bytes become the C1 controls of the same value.
    QTest::newRow("Windows-1252 at every byte from 0x80 to 0x9F")
        << QByteArray("\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8D\x8E\x8F"
                      "\x90\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9D\x9E\x9F")
        << QStringList{u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ"_qs};
    QTest::newRow("one stray byte makes the whole file 1252")
        << QByteArray("\xC3\xA4\n\xE4") << QStringList{u"Ã¤"_qs, u"ä"_qs};

    const QByteArray longLine(4000, 'x');
    QTest::newRow("long line never wrapped") << longLine + "\r\ny" << QStringList{QString(longLine), "y"};

    // Files that are not ours must not stall start-up: lines are capped in
    // number and in length instead of being read in full.
    const qsizetype most = TextLines::maxLineLength;
    QTest::newRow("line of the longest length kept")
        << QByteArray(most, 'x') + "\ny" << QStringList{QString(most, u'x'), "y"};
    QTest::newRow("longer line cut, next line kept")
        << QByteArray(3 * most, 'x') + "\ny" << QStringList{QString(most, u'x'), "y"};
    QTest::newRow("last line cut without a line end")
        << QByteArray(most + 1, 'x') << QStringList{QString(most, u'x')};
    QTest::newRow("cut never splits a surrogate pair")
        << QByteArray(most - 1, 'x') + "\xF0\x9F\x98\x80" << QStringList{QString(most - 1, u'x')};
    QTest::newRow("lines past the limit dropped")
        << QByteArray(TextLines::maxLines * 10, '\n') << QStringList(TextLines::maxLines, QString());
    QStringList exactly(TextLines::maxLines, QStringLiteral("a"));
    QTest::newRow("last line within the limit kept")
        << exactly.join(u'\n').toUtf8() + "\nb" << exactly;
}

void TestTextLines::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(TextLines::decode(bytes), lines);
}

void TestTextLines::read()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    QVERIFY(!TextLines::read(dir.filePath("missing.txt")));
    QVERIFY2(!TextLines::read(dir.path()), "a folder is not a readable file");
    QVERIFY2(!TextLines::read(QStringLiteral("/dev/zero")), "a device is no language file");

    QFile empty(dir.filePath("empty.txt"));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    const auto none = TextLines::read(empty.fileName());
    QVERIFY2(none && none->isEmpty(), "an empty file is a file with no lines, not a missing file");

    QFile text(dir.filePath("text.txt"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("eins\r\nzwei\r\n");
    text.close();
    QCOMPARE(TextLines::read(text.fileName()), QStringList({"eins", "zwei"}));
}

void TestTextLines::failingDeviceIsNoFile_data()
{
    QTest::addColumn<qint64>("failAfter");
    QTest::newRow("fails at once") << qint64(0);
    QTest::newRow("fails after a line") << qint64(6);
    QTest::newRow("fails after one block") << qint64(16384);
}

// A file that breaks off part-way must count as absent, not as a short
// file: a short message file would blank every text past its end.
void TestTextLines::failingDeviceIsNoFile()
{
    QFETCH(qint64, failAfter);
    FailingDevice device(QByteArray("eins\r\nzwei\r\n").repeated(5000), failAfter);
    QVERIFY(!TextLines::read(device));
}

QTEST_GUILESS_MAIN(TestTextLines)
#include "tst_textlines.moc"
