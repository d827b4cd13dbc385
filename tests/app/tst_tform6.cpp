#include "app/dialogs/TForm6.h"
#include "generator/Random.h"
#include "generator/WeightList.h"

#include "HeadlessPlatform.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QSet>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class TestTForm6 : public QObject {
    Q_OBJECT
private slots:
    void defaultValues();
    void weightRule_data();
    void weightRule();
    void statusTextFollowsChangesAndMouse();
    void buttonsEndWithTheirResult_data();
    void buttonsEndWithTheirResult();
    void saveThenLoadRoundTrip();
    void loadingTenLinesUnchecksTheRest();
    void fileErrorsShowMessageAndChangeNothing_data();
    void fileErrorsShowMessageAndChangeNothing();
    void poolAndRowModes();
    void pickerNeverRepeatsAndFreezesFixedNumbers();
    void closingStopsThePicker_data();
    void closingStopsThePicker();
};

namespace {

void click(TForm6& form, int number, Qt::MouseButton button)
{
    QCheckBox* box = form.box(number);
    QTest::mouseClick(box, button, {}, QPoint(4, box->height() / 2));
}

QTimer* timerOf(TForm6& form)
{
    return form.findChild<QTimer*>(QStringLiteral("Timer1"));
}

QPushButton* button(TForm6& form, const char* name)
{
    return form.findChild<QPushButton*>(QLatin1String(name));
}

} // namespace

void TestTForm6::defaultValues()
{
    TForm6 form(nullptr);
    QCOMPARE(form.objectName(), QStringLiteral("Form6"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Welche Zahlen für die Berechnung"));
    for (int n = 1; n <= 49; ++n) {
        QCheckBox* box = form.findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n));
        QVERIFY(box);
        QCOMPARE(box->text(), QString::number(n));
        QVERIFY(box->isChecked());
        QCOMPARE(box->toolTip(), QString());
    }
    // Seven per line in number order.
    form.show();
    QCOMPARE(form.box(8)->y(), form.box(14)->y());
    QVERIFY(form.box(8)->y() > form.box(7)->y());
    QVERIFY(form.box(2)->x() > form.box(1)->x());

    QVERIFY(button(form, "BitBtn1")->isDefault());
    QCOMPARE(button(form, "BitBtn3")->text(), QStringLiteral("&Rechnen"));
    QVERIFY(button(form, "BitBtn3")->isVisible());
    QCOMPARE(button(form, "BitBtn4")->text(), QStringLiteral("&Zufall"));
    QVERIFY(!button(form, "BitBtn4")->isVisible());
    QCOMPARE(form.findChild<QToolButton*>(QStringLiteral("SpeedButton1"))->toolTip(),
             QStringLiteral("Speichern der Liste"));
    QCOMPARE(form.findChild<QToolButton*>(QStringLiteral("SpeedButton2"))->toolTip(),
             QStringLiteral("Laden der Liste"));
    QVERIFY(form.findChild<QStatusBar*>(QStringLiteral("StatusBar1")));
    QCOMPARE(timerOf(form)->interval(), 25);
    QVERIFY(!timerOf(form)->isActive());
    QCOMPARE(form.Losgeht, 1);
}

// Actions: L/R = left/right click on the box, c/u = a caller checks/unchecks it.
void TestTForm6::weightRule_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("actions");
    QTest::addColumn<bool>("expectChecked");
    QTest::addColumn<QString>("expectWeight");

    QTest::newRow("weight 4, one click unchecks and keeps 4") << true << "4" << "L" << false << "4";
    QTest::newRow("weight 4, two clicks give 5") << true << "4" << "LL" << true << "5";
    QTest::newRow("right click at weight 1 unchecks") << true << "1" << "R" << false << "0";
    QTest::newRow("right click at weight 3 lowers") << true << "3" << "R" << true << "2";
    QTest::newRow("right click on unchecked box") << false << "4" << "R" << false << "4";
    QTest::newRow("empty weight: first click stays off") << false << "" << "L" << false << "0";
    QTest::newRow("empty weight: second click checks") << false << "" << "LL" << true << "1";
    QTest::newRow("text weight counts as 0") << true << "x" << "R" << false << "0";
    QTest::newRow("caller's check raises too") << true << "2" << "uc" << true << "3";
    QTest::newRow("caller's uncheck keeps weight") << true << "2" << "u" << false << "2";
}

void TestTForm6::weightRule()
{
    QFETCH(bool, checked);
    QFETCH(QString, weight);
    QFETCH(QString, actions);
    QFETCH(bool, expectChecked);
    QFETCH(QString, expectWeight);

    TForm6 form(nullptr);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const int n = 12;
    form.setChecked(n, checked);
    form.setWeight(n, weight);
    for (QChar action : actions) {
        switch (action.toLatin1()) {
        case 'L': click(form, n, Qt::LeftButton); break;
        case 'R': click(form, n, Qt::RightButton); break;
        case 'c': form.setChecked(n, true); break;
        case 'u': form.setChecked(n, false); break;
        }
    }
    QCOMPARE(form.isChecked(n), expectChecked);
    QCOMPARE(form.weight(n), expectWeight);
    QVERIFY(!form.Minus);
}

void TestTForm6::statusTextFollowsChangesAndMouse()
{
    TForm6 form(nullptr);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.setWeight(12, QStringLiteral("4"));
    click(form, 12, Qt::LeftButton);
    click(form, 12, Qt::LeftButton);
    QCOMPARE(form.statusText(),
             QStringLiteral("Die Zahl 12 geht mit der Gewichtung 5 in die Berechnung ein"));

    form.setWeight(7, QStringLiteral("3"));
    QTest::mouseMove(form.box(7), QPoint(3, 3));
    QTRY_COMPARE(form.statusText(),
                 QStringLiteral("Die Zahl 7 geht mit der Gewichtung 3 in die Berechnung ein"));
}

void TestTForm6::buttonsEndWithTheirResult_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << "BitBtn1" << int(QDialog::Accepted);
    QTest::newRow("Abort") << "BitBtn2" << int(QDialog::Rejected);
    QTest::newRow("Rechnen") << "BitBtn3" << TForm6::Retry;
}

void TestTForm6::buttonsEndWithTheirResult()
{
    QFETCH(QString, name);
    QFETCH(int, result);
    TForm6 form(nullptr);
    form.open();
    QTest::mouseClick(form.findChild<QPushButton*>(name), Qt::LeftButton);
    QCOMPARE(form.result(), result);
    QVERIFY(!form.isVisible());
}

void TestTForm6::saveThenLoadRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("liste.vlw"));
    FakeDialogs dialogs;
    TForm6 form(nullptr);
    form.setDialogs(&dialogs);
    form.setDirectory(dir.path());
    for (int n = 2; n <= 48; ++n)
        form.setChecked(n, false);
    form.setWeight(1, QStringLiteral("2")); // box 49 keeps its empty weight

    dialogs.fileAnswers.enqueue(path);
    form.SpeedButton1Click();
    QCOMPARE(dialogs.fileDialogs.size(), 1);
    const FileDialogSetup setup = dialogs.fileDialogs.first();
    QCOMPARE(setup.proposedName, QDate::currentDate().toString("yyyyMMdd") + ".vlw");
    QCOMPARE(setup.filter, QStringLiteral("Werteliste|*.vlw"));
    QCOMPARE(setup.defaultSuffix, QStringLiteral("vlw"));
    QCOMPARE(setup.directory, dir.path());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), "2\r\n" + QByteArray("\r\n").repeated(47) + "1\r\n");
    QCOMPARE(form.weight(49), QStringLiteral("1"));

    // Scramble the dialog, then load the list back.
    for (int n = 1; n <= 49; ++n) {
        form.setChecked(n, n % 3 == 0);
        form.setWeight(n, QStringLiteral("9"));
    }
    dialogs.fileAnswers.enqueue(path);
    form.SpeedButton2Click();
    QCOMPARE(form.checkedNumbers(), (QList<int>{1, 49}));
    QCOMPARE(form.weight(1), QStringLiteral("2"));
    QCOMPARE(form.weight(49), QStringLiteral("1"));
    QCOMPARE(form.weight(30), QStringLiteral("1"));
    QVERIFY(dialogs.messages.isEmpty());

    // Cancelling either file dialog changes nothing.
    form.SpeedButton2Click();
    form.SpeedButton1Click();
    QCOMPARE(form.checkedNumbers(), (QList<int>{1, 49}));
}

void TestTForm6::loadingTenLinesUnchecksTheRest()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kurz.vlw"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("3\r5\r\r\r\r\r\r\r\r4"); // CR line ends, no final end
    file.close();

    FakeDialogs dialogs;
    TForm6 form(nullptr);
    form.setDialogs(&dialogs);
    form.setChecked(2, false); // unchecked before: loading must still check it
    form.setWeight(2, QStringLiteral("0"));
    dialogs.fileAnswers.enqueue(path);
    form.SpeedButton2Click();

    QCOMPARE(form.checkedNumbers(), (QList<int>{1, 2, 10}));
    QCOMPARE(form.weight(1), QStringLiteral("3"));
    QCOMPARE(form.weight(2), QStringLiteral("5"));
    QCOMPARE(form.weight(10), QStringLiteral("4"));
    QCOMPARE(form.weight(11), QStringLiteral("1"));
}

void TestTForm6::fileErrorsShowMessageAndChangeNothing_data()
{
    QTest::addColumn<bool>("saving");
    QTest::newRow("save into a missing folder") << true;
    QTest::newRow("load a missing file") << false;
}

void TestTForm6::fileErrorsShowMessageAndChangeNothing()
{
    QFETCH(bool, saving);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fehlt/liste.vlw"));
    FakeDialogs dialogs;
    TForm6 form(nullptr);
    form.setDialogs(&dialogs);
    form.setChecked(5, false);
    form.setWeight(5, QStringLiteral("3"));
    const QList<int> checkedBefore = form.checkedNumbers();

    dialogs.fileAnswers.enqueue(path);
    saving ? form.SpeedButton1Click() : form.SpeedButton2Click();

    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY(dialogs.messages.first().contains(path));
    QFile probe(path);
    probe.open(QIODevice::ReadOnly);
    QVERIFY2(dialogs.messages.first().contains(probe.errorString()),
             qPrintable(dialogs.messages.first()));
    QCOMPARE(form.checkedNumbers(), checkedBefore);
    QCOMPARE(form.weight(1), QString()); // saving did not fill in weights
    QCOMPARE(form.weight(5), QStringLiteral("3"));
}

void TestTForm6::poolAndRowModes()
{
    TForm6 form(nullptr);
    const int pool[] = {7, 3, 7, 49, 7};
    form.presetPool(pool);
    QCOMPARE(form.checkedNumbers(), (QList<int>{3, 7, 49}));
    QCOMPARE(form.weight(7), QStringLiteral("3"));
    QCOMPARE(form.weight(3), QStringLiteral("1"));
    QCOMPARE(form.weight(8), QStringLiteral("0"));

    form.beginRowMode({3, 17, 42, 0, 5});
    QVERIFY(!button(form, "BitBtn3")->isVisibleTo(&form));
    QVERIFY(button(form, "BitBtn4")->isVisibleTo(&form));
    QCOMPARE(form.MaxTipp, 6);
    QCOMPARE(form.checkedNumbers(), (QList<int>{3, 17, 42})); // stops at the invalid cell
    for (int n = 1; n <= 49; ++n)
        QCOMPARE(form.boxColor(n),
                 (n == 3 || n == 17 || n == 42) ? QColor(255, 255, 0) : TForm6::plainColor());

    form.endRowMode(QStringLiteral("Zahlen für Berechnung wählen"));
    QVERIFY(button(form, "BitBtn3")->isVisibleTo(&form));
    QVERIFY(!button(form, "BitBtn4")->isVisibleTo(&form));
    QCOMPARE(form.boxColor(17), TForm6::plainColor());
    QCOMPARE(form.checkedNumbers(), (QList<int>{3, 17, 42}));
    QCOMPARE(form.windowTitle(), QStringLiteral("Zahlen für Berechnung wählen"));
}

void TestTForm6::pickerNeverRepeatsAndFreezesFixedNumbers()
{
    Random::global().setSeed(4711);
    TForm6 form(nullptr);
    form.beginRowMode({});
    QPushButton* zufall = button(form, "BitBtn4");

    form.BitBtn4Click();
    QVERIFY(timerOf(form)->isActive());
    QList<int> frozen;
    for (int press = 1; press <= 5; ++press) {
        for (int step = 0; step < 20; ++step) {
            form.Timer1Timer();
            const QList<int> shown = form.checkedNumbers();
            QCOMPARE(shown.size(), 6); // six different numbers, none twice
            for (int n = 1; n <= 49; ++n)
                QCOMPARE(form.boxColor(n) == QColor(255, 255, 0), shown.contains(n));
            for (int i = 0; i < frozen.size(); ++i)
                QCOMPARE(form.Tippreihe[std::size_t(i + 1)], frozen[i]);
        }
        QCOMPARE(zufall->text(), QStringLiteral("%1 Stopp").arg(press));
        form.BitBtn4Click();
        frozen << form.Tippreihe[std::size_t(press)];
    }
    QCOMPARE(form.Losgeht, 6);
    form.Timer1Timer();
    const QList<int> last = form.checkedNumbers();
    form.BitBtn4Click(); // the press at MaxTipp stops
    QVERIFY(!timerOf(form)->isActive());
    QCOMPARE(zufall->text(), QStringLiteral("&Zufall"));
    QCOMPARE(form.Losgeht, 1);
    QCOMPARE(form.checkedNumbers(), last);
    for (int number : frozen)
        QVERIFY(last.contains(number));
}

void TestTForm6::closingStopsThePicker_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Abort button") << 0;
    QTest::newRow("OK button") << 1;
    QTest::newRow("window closed") << 2;
}

void TestTForm6::closingStopsThePicker()
{
    QFETCH(int, how);
    TForm6 form(nullptr);
    form.beginRowMode({});
    form.open();
    // As a language switch leaves it: the caption comes back as it was.
    button(form, "BitBtn4")->setText(QStringLiteral("&Random"));
    form.BitBtn4Click();
    form.Timer1Timer();
    form.BitBtn4Click();
    QCOMPARE(form.Losgeht, 2);
    if (how == 0)
        QTest::mouseClick(button(form, "BitBtn2"), Qt::LeftButton);
    else if (how == 1)
        QTest::mouseClick(button(form, "BitBtn1"), Qt::LeftButton);
    else
        form.close();
    QVERIFY(!timerOf(form)->isActive());
    QCOMPARE(button(form, "BitBtn4")->text(), QStringLiteral("&Random"));
    QCOMPARE(form.Losgeht, 1);
}

QTEST_MAIN(TestTForm6)
#include "tst_tform6.moc"
