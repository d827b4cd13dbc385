#include "text/Languages.h"
#include "text/TextLine.h"
#include "text/TextTable.h"
#include "text/UiText.h"

#include <QSet>
#include <QTest>

class TestTextTable : public QObject {
    Q_OBJECT
private slots:
    void defaults_data();
    void defaults();
    void readsBeyondTheEndAsEmpty();
    void languageNumbers();
    void installedTableWordsTheMessages();
};

void TestTextTable::defaults_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");

    QTest::newRow("first") << 0 << "Zahlenverteilung";
    QTest::newRow("trailing blank 12") << 12 << "Schein Nr ";
    QTest::newRow("trailing blank 17") << 17 << "Berechnung der ";
    QTest::newRow("tip word") << 24 << "Tipp";
    QTest::newRow("umlaut") << 25 << u"Ändern Sie die Parameter um 12 Tipps zuberechnen"_qs;
    QTest::newRow("after unread 27") << 28
        << u"Welche Zahl ist überfällig, wurde also seit wievielen Ziehungen nicht gezogen?"_qs;
    QTest::newRow("trailing blank 32") << 32 << u"Ihre Glückzahl ist jetzt die "_qs;
    QTest::newRow("after unread 35") << 36 << u"Zahlen für Berechnung wählen"_qs;
    QTest::newRow("after unread 52, 53") << 54 << "Scheinnummer?";
    QTest::newRow("last") << 55
        << u"die Datei für die Tippübergabe konnte nicht angelegt werden. Überprüfen Sie die "
           "Zugriffsrechte des Programmes oder starten Sie als Administrator"_qs;
    QTest::newRow("appended, trailing blank 56") << 56 << "QS: ";
    QTest::newRow("appended, with places") << 62 << "Durchgang %1: %2 (%3 %)";
    QTest::newRow("past the end") << int(TextLine::End) << QString();
    QTest::newRow("negative") << -1 << QString();
}

void TestTextTable::defaults()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    const TextTable table;
    QCOMPARE(table.size(), TextLine::End);
    QCOMPARE(table.line(index), text);
}

void TestTextTable::readsBeyondTheEndAsEmpty()
{
    TextTable table;
    QStringList thirty;
    for (int i = 0; i < 30; ++i)
        thirty << QStringLiteral("line %1").arg(i);
    table.setLines(thirty);
    QCOMPARE(table.line(29), "line 29");
    QCOMPARE(table.line(30), QString());
    QCOMPARE(table.line(55), QString());
}

void TestTextTable::languageNumbers()
{
    // Settings store the number: each of 0..8 must name exactly one language.
    QSet<int> numbers;
    QSet<QString> codes;
    for (const Language& language : Languages::all()) {
        numbers.insert(language.number);
        codes.insert(language.code);
        QCOMPARE(Languages::byNumber(language.number), &language);
        QCOMPARE(Languages::byMenuItem(language.menuItem), &language);
    }
    QCOMPARE(numbers, QSet<int>({0, 1, 2, 3, 4, 5, 6, 7, 8}));
    QCOMPARE(codes.size(), 9);
    QCOMPARE(Languages::byNumber(9), nullptr);
    QCOMPARE(Languages::all()[6].code, "pl");
    QCOMPARE(Languages::all()[6].number, 8);
    QCOMPARE(Languages::all()[8].code, "nl");
    QCOMPARE(Languages::all()[8].number, 6);
}

void TestTextTable::installedTableWordsTheMessages()
{
    TextTable english;
    QStringList lines = english.lines();
    lines[TextLine::CannotOpen] = QStringLiteral("Cannot open “%1”: %2");
    lines[TextLine::CannotRead] = QString(); // a line left empty
    english.setLines(lines);
    UiText::install(english);
    QCOMPARE(UiText::line(TextLine::CannotOpen), QStringLiteral("Cannot open “%1”: %2"));
    // The program's own messages never lose their words to an older or
    // shorter message file; the original lines read as the file has them.
    QCOMPARE(UiText::line(TextLine::CannotRead), QStringLiteral("Lesefehler: %1"));
    english.setLines(lines.mid(0, 30));
    UiText::install(english);
    QCOMPARE(UiText::line(TextLine::CannotOpen), TextTable().line(TextLine::CannotOpen));
    QCOMPARE(UiText::line(40), QString());
    QCOMPARE(UiText::line(-1), QString());
    UiText::install(TextTable());
}

QTEST_GUILESS_MAIN(TestTextTable)
#include "tst_texttable.moc"
