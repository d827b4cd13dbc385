#include "app/dialogs/TForm3.h"
#include "draws/DateSerial.h"
#include "platform/UpDown.h"

#include "DrawFixture.h"
#include "HeadlessPlatform.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TestTForm3 : public QObject {
    Q_OBJECT
private slots:
    void defaultValues_data();
    void defaultValues();
    void presetThenReadBack();
    void confirmedEntryKeepsFieldOrder();
    void buttonsEndWithTheirResult();
    void fieldsShown_data();
    void fieldsShown();
    void superNumberFollowsTheTypedDate();
    void gamesEnteredWholeOrNotAtAll_data();
    void gamesEnteredWholeOrNotAtAll();
};

void TestTForm3::defaultValues_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("text"); // label caption, or position / text of a field
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");

    for (int i = 1; i <= 6; ++i)
        QTest::addRow("UpDown%d", i) << QStringLiteral("UpDown%1").arg(i) << true << "49" << 1 << 49;
    // 0 is "no bonus number", as for every draw since 2013.
    QTest::newRow("UpDown7 bonus") << "UpDown7" << true << "49" << 0 << 49;
    QTest::newRow("UpDown8 super number") << "UpDown8" << true << "9" << 0 << 9;
    QTest::newRow("Label1") << "Label1" << true << "Bonus:" << 0 << 0;
    QTest::newRow("Label2") << "Label2" << true << "S:" << 0 << 0;
    QTest::newRow("Label3") << "Label3" << false << "Spiel 77:" << 0 << 0;
    QTest::newRow("Label4") << "Label4" << false << "Super 6:" << 0 << 0;
    for (int i = 1; i <= 7; ++i)
        QTest::addRow("S77_%d", i) << QStringLiteral("S77_%1").arg(i) << false << "1" << 0 << 0;
    for (int i = 1; i <= 6; ++i)
        QTest::addRow("SS_%d", i) << QStringLiteral("SS_%1").arg(i) << false << "1" << 0 << 0;
    QTest::newRow("BitBtn2 OK") << "BitBtn2" << true << "OK" << 0 << 0;
    QTest::newRow("BitBtn1 Abort") << "BitBtn1" << true << "Abbrechen" << 0 << 0;
}

void TestTForm3::defaultValues()
{
    QFETCH(QString, name);
    QFETCH(bool, visible);
    QFETCH(QString, text);
    QFETCH(int, minimum);
    QFETCH(int, maximum);

    TForm3 form(nullptr);
    QCOMPARE(form.objectName(), QStringLiteral("Form3"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Zahlen der Ziehung eingeben"));
    QWidget* control = form.findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(control->isVisibleTo(&form), visible);
    if (auto* upDown = qobject_cast<UpDown*>(control)) {
        QCOMPARE(QString::number(upDown->position()), text);
        QCOMPARE(upDown->minimum(), minimum);
        QCOMPARE(upDown->maximum(), maximum);
        const QString editName = QStringLiteral("Edit") + name.mid(6);
        QVERIFY(form.findChild<QLineEdit*>(editName));
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        QCOMPARE(label->text(), text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        QCOMPARE(edit->text(), text);
    } else if (auto* button = qobject_cast<QPushButton*>(control)) {
        QCOMPARE(button->text(), text);
    }
    QCOMPARE(form.findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"))->displayFormat(),
             QStringLiteral("dd.MM.yyyy"));
}

void TestTForm3::presetThenReadBack()
{
    Draw stored;
    stored.datum = DateSerial::fromDate(QDate(2023, 6, 14));
    stored.zahlen = {4, 11, 23, 30, 38, 45, 17, 6};
    stored.spiel77 = {1, 2, 3, 4, 5, 6, 7};
    stored.super6 = {9, 8, 7, 6, 5, 0};
    stored.reserve = {0xAB, 0x00, 0x7F};

    TForm3 form(nullptr);
    form.preset(stored);
    QCOMPARE(form.findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"))->date(),
             QDate(2023, 6, 14));
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("S77_7"))->text(), QStringLiteral("7"));
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("SS_6"))->text(), QStringLiteral("0"));
    QCOMPARE(form.findChild<UpDown*>(QStringLiteral("UpDown8"))->position(), 6);

    // A correction of the visible fields keeps the hidden values of the draw.
    const Draw read = form.draw();
    QCOMPARE(read.datum, stored.datum);
    QCOMPARE(read.zahlen, stored.zahlen);
    QCOMPARE(read.spiel77, stored.spiel77);
    QCOMPARE(read.super6, stored.super6);
    QCOMPARE(read.reserve, stored.reserve);
}

void TestTForm3::confirmedEntryKeepsFieldOrder()
{
    TForm3 form(nullptr);
    form.show();
    const int typed[] = {40, 3, 17, 9, 22, 1, 33};
    for (int i = 0; i < 7; ++i) {
        QLineEdit* edit = form.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(i + 1));
        edit->selectAll();
        QTest::keyClicks(edit, QString::number(typed[i]));
        QTest::keyClick(edit, Qt::Key_Tab);
    }
    // A digit field takes one digit.
    form.setGamesPlayed(true, false);
    QLineEdit* first = form.findChild<QLineEdit*>(QStringLiteral("S77_1"));
    first->selectAll();
    QTest::keyClicks(first, QStringLiteral("260"));
    QCOMPARE(first->text(), QStringLiteral("2"));
    const Draw d = form.draw();
    const std::array<std::uint8_t, 8> expected{40, 3, 17, 9, 22, 1, 33, 9};
    QCOMPARE(d.zahlen, expected);
    QCOMPARE(int(d.spiel77[0]), 2);
}

void TestTForm3::fieldsShown_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("spiel77");
    QTest::addColumn<bool>("super6");
    QTest::addColumn<bool>("superShown");

    QTest::newRow("today, no games played") << QDate(2026, 8, 22) << false << false << true;
    QTest::newRow("Spiel 77 played") << QDate(2026, 8, 22) << true << false << true;
    QTest::newRow("Super 6 played") << QDate(2026, 8, 22) << false << true << true;
    QTest::newRow("first super number, both played") << QDate(1991, 12, 7) << true << true << true;
    QTest::newRow("before the first super number") << QDate(1991, 11, 30) << true << true << false;
}

void TestTForm3::fieldsShown()
{
    QFETCH(QDate, date);
    QFETCH(bool, spiel77);
    QFETCH(bool, super6);
    QFETCH(bool, superShown);

    TForm3 form(nullptr);
    form.preset(makeDraw(date, {1, 2, 3, 4, 5, 6}, 7, 3));
    form.setGamesPlayed(spiel77, super6);
    const auto shown = [&form](const QString& name) {
        const QWidget* control = form.findChild<QWidget*>(name);
        return control && control->isVisibleTo(&form);
    };
    QCOMPARE(shown(QStringLiteral("Label2")), superShown);
    QCOMPARE(shown(QStringLiteral("UpDown8")), superShown);
    QCOMPARE(shown(QStringLiteral("Label3")), spiel77);
    for (int i = 1; i <= 7; ++i)
        QCOMPARE(shown(QStringLiteral("S77_%1").arg(i)), spiel77);
    QCOMPARE(shown(QStringLiteral("Label4")), super6);
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(shown(QStringLiteral("SS_%1").arg(i)), super6);
    // A record without the games shows their fields empty, and keeps them so.
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("S77_1"))->text(), QString());
    QCOMPARE(form.draw().spiel77, (std::array<std::uint8_t, 7>{}));
    // No super number is kept for a date that had none.
    QCOMPARE(form.draw().superNumber(), superShown ? 3 : 0);
}

void TestTForm3::superNumberFollowsTheTypedDate()
{
    TForm3 form(nullptr);
    form.preset(makeDraw(QDate(2026, 8, 22), {1, 2, 3, 4, 5, 6}, 0, 3));
    QDateEdit* date = form.findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"));
    const QWidget* super = form.findChild<QWidget*>(QStringLiteral("UpDown8"));
    date->setDate(QDate(1991, 12, 6));
    QVERIFY(!super->isVisibleTo(&form));
    date->setDate(QDate(1991, 12, 7));
    QVERIFY(super->isVisibleTo(&form));
    QCOMPARE(form.draw().superNumber(), 3);
}

void TestTForm3::gamesEnteredWholeOrNotAtAll_data()
{
    QTest::addColumn<QString>("spiel77");
    QTest::addColumn<QString>("super6");
    QTest::addColumn<QString>("refusal"); // empty: accepted

    QTest::newRow("both whole") << "0123456" << "654321" << QString();
    QTest::newRow("both empty") << "" << "" << QString();
    QTest::newRow("Spiel 77 short of a digit") << "012345" << "" << "Bitte geben Sie alle Ziffern von Spiel 77 ein";
    QTest::newRow("Super 6 short of a digit") << "" << "65432" << "Bitte geben Sie alle Ziffern von Super 6 ein";
}

void TestTForm3::gamesEnteredWholeOrNotAtAll()
{
    QFETCH(QString, spiel77);
    QFETCH(QString, super6);
    QFETCH(QString, refusal);

    TForm3 form(nullptr);
    FakeDialogs dialogs;
    form.setDialogs(&dialogs);
    form.preset(makeDraw(QDate(2026, 8, 22), {1, 2, 3, 4, 5, 6}, 0, 3));
    form.setGamesPlayed(true, true);
    for (int i = 0; i < 7; ++i)
        form.findChild<QLineEdit*>(QStringLiteral("S77_%1").arg(i + 1))->setText(spiel77.mid(i, 1));
    for (int i = 0; i < 6; ++i)
        form.findChild<QLineEdit*>(QStringLiteral("SS_%1").arg(i + 1))->setText(super6.mid(i, 1));
    form.open();
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("BitBtn2")), Qt::LeftButton);
    if (!refusal.isEmpty()) {
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY2(dialogs.messages.first().startsWith(refusal), qPrintable(dialogs.messages.first()));
        QVERIFY(form.isVisible());
        return;
    }
    QVERIFY(dialogs.messages.isEmpty());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    const Draw d = form.draw();
    Draw expected = makeDraw(QDate(2026, 8, 22), {1, 2, 3, 4, 5, 6}, 0, 3);
    for (int i = 0; i < spiel77.size(); ++i)
        expected.spiel77[std::size_t(i)] = std::uint8_t(spiel77.at(i).digitValue());
    for (int i = 0; i < super6.size(); ++i)
        expected.super6[std::size_t(i)] = std::uint8_t(super6.at(i).digitValue());
    QCOMPARE(d.spiel77, expected.spiel77);
    QCOMPARE(d.super6, expected.super6);
}

void TestTForm3::buttonsEndWithTheirResult()
{
    TForm3 form(nullptr);
    FakeDialogs dialogs;
    form.setDialogs(&dialogs);
    Draw possible;
    possible.datum = DateSerial::fromDate(QDate(2023, 6, 14));
    possible.zahlen = {4, 11, 23, 30, 38, 45, 0, 6};
    form.preset(possible);
    form.open();
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("BitBtn2")), Qt::LeftButton);
    QVERIFY(dialogs.messages.isEmpty());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    form.open();
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Rejected));
}

QTEST_MAIN(TestTForm3)
#include "tst_tform3.moc"
