#include "platform/DateField.h"

#include <QLineEdit>
#include <QLocale>
#include <QtTest>

// Typing a date into the field, with the cursor wherever a click or the
// keyboard left it, in the locale the program starts under (C.UTF-8 on a bare
// system) and in German.
class TestDateField : public QObject {
    Q_OBJECT

private slots:
    void typedDate_data();
    void typedDate();
};

void TestDateField::typedDate_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("cursor"); // -1: all text selected; 99: behind the text
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("expected");

    const QDate whole(2026, 8, 26);
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
        const QByteArray name = locale.name().toLatin1() + ": ";
        const auto row = [&](const char* what) -> QTestData& { return QTest::newRow(name + what); };
        row("before the text, digits only") << locale << 0 << "26082026" << whole;
        row("inside the day, with dots") << locale << 1 << "26.08.2026" << whole;
        row("behind the text: the whole date") << locale << 99 << "26.08.2026" << whole;
        row("all selected") << locale << -1 << "26.08.2026" << whole;
        row("one-digit day and month") << locale << 0 << "6.8.2026" << QDate(2026, 8, 6);
        row("inside the year: the year alone") << locale << 8 << "2025" << QDate(2025, 8, 19);
        row("inside the month: the month alone") << locale << 4 << "12" << QDate(2026, 12, 19);
    }
}

void TestDateField::typedDate()
{
    QFETCH(QLocale, locale);
    QFETCH(int, cursor);
    QFETCH(QString, typed);
    QFETCH(QDate, expected);

    QWidget window;
    auto* field = new DateField(&window);
    field->setLocale(locale);
    field->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    field->setCalendarPopup(true);
    field->setMinimumDate(QDate(1994, 11, 19));
    field->setDate(QDate(2026, 8, 19));
    field->resize(160, 26);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    auto* text = field->findChild<QLineEdit*>();
    QVERIFY(text);
    field->setFocus(Qt::MouseFocusReason);
    if (cursor < 0)
        text->selectAll();
    else
        text->setCursorPosition(std::min(cursor, int(text->text().size())));
    QTest::keyClicks(field, typed);

    QCOMPARE(field->date(), expected);
    QCOMPARE(field->text(), expected.toString(QStringLiteral("dd.MM.yyyy")));
}

QTEST_MAIN(TestDateField)
#include "tst_datefield.moc"
