#include "app/dialogs/TForm3.h"
#include "draws/DateSerial.h"
#include "platform/UpDown.h"

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
    // Hidden digit texts are stored as the low byte of their value.
    form.findChild<QLineEdit*>(QStringLiteral("S77_1"))->setText(QStringLiteral("260"));
    const Draw d = form.draw();
    const std::array<std::uint8_t, 8> expected{40, 3, 17, 9, 22, 1, 33, 9};
    QCOMPARE(d.zahlen, expected);
    QCOMPARE(int(d.spiel77[0]), 4);
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
