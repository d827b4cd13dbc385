#include "app/dialogs/TForm6.h"
#include "app/pages/TipBoard.h"
#include "generator/Random.h"

#include "WindowFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

using Cells = QStringList; // six cell texts of one row
using Numbers = QList<int>;

const QColor kYellow(255, 255, 0);

// Five draws from the shared generator, the way the generator uses it.
QList<quint32> nextFive()
{
    QList<quint32> values;
    for (int i = 0; i < 5; ++i)
        values << Random::global().below(49);
    return values;
}

} // namespace

class TipBoardWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clearing_data();
    void clearing();
    void rowEditor_data();
    void rowEditor();
    void rowEditorRatesTheNewRow_data();
    void rowEditorRatesTheNewRow();
    void luckyNumberReproducesTheSequence();
    void luckyNumberAcceptsAny32BitValue_data();
    void luckyNumberAcceptsAny32BitValue();
    void badLuckyNumberKeepsTheSeed_data();
    void badLuckyNumberKeepsTheSeed();

private:
    TipBoard* board() const { return window_->tipBoard(); }
    void setRow(int row, const Cells& cells);
    Cells rowTexts(int row) const;
    void click(const QString& name)
    {
        QWidget* widget = control<QWidget>(name);
        QVERIFY2(widget, qPrintable(name));
        // The window is never laid out on screen, so a button may have no
        // area to click into; its click() takes the same way to the handler.
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->click();
        else
            QTest::mouseClick(widget, Qt::LeftButton);
    }
};

void TipBoardWindowTest::init()
{
    QVERIFY(setUp());
    // Never shown: the first show would run the whole start-up sequence.
    window_ = makeWindow();
}

void TipBoardWindowTest::cleanup()
{
    tearDown();
}

void TipBoardWindowTest::setRow(int row, const Cells& cells)
{
    for (int k = 1; k <= 6; ++k)
        board()->setCellText(row, k, cells.value(k - 1));
}

Cells TipBoardWindowTest::rowTexts(int row) const
{
    Cells texts;
    for (int k = 1; k <= 6; ++k)
        texts << board()->cellText(row, k);
    return texts;
}

void TipBoardWindowTest::clearing_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("yes clears the unlocked rows") << true;
    QTest::newRow("no changes nothing") << false;
}

void TipBoardWindowTest::clearing()
{
    QFETCH(bool, answer);

    // Every row rated against a draw, so all labels carry text; then rows
    // 2 and 5 are locked by clicking their row labels.
    window_->session().numbers = {0, 1, 2, 3, 4, 5, 6, 7, 8};
    for (int r = 1; r <= 12; ++r)
        setRow(r, {"1", "2", "3", "10", "20", QString::number(30 + r)});
    window_->session().ratingOn = true;
    window_->Komplettcheck();
    window_->session().ratingOn = false; // clearing must hand it back as it found it
    click(QStringLiteral("Label30"));
    click(QStringLiteral("Label33"));
    QVERIFY(board()->isLocked(2) && board()->isLocked(5));
    sound_.played.clear();

    dialogs_.yesNoAnswers.enqueue(answer);
    click(QStringLiteral("SpeedButton11"));

    QCOMPARE(dialogs_.questions,
             QStringList{"Alle Tipps löschen?|Sollen alle Tipps gelöscht werden??"});
    for (int r = 1; r <= 12; ++r) {
        const bool kept = !answer || r == 2 || r == 5;
        const Cells before{"1", "2", "3", "10", "20", QString::number(30 + r)};
        QCOMPARE(rowTexts(r), kept ? before : Cells(6));
        QCOMPARE(board()->hitsText(r), kept ? QStringLiteral("3") : QString());
        QCOMPARE(board()->crossSumText(r), kept ? QString::number(66 + r) : QString());
        if (!kept)
            QCOMPARE(board()->cellColor(r, 1), board()->palette().color(QPalette::Base));
    }
    QVERIFY(board()->isLocked(2) && board()->isLocked(5));
    QVERIFY(!window_->session().ratingOn);
}

void TipBoardWindowTest::rowEditor_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("firstCell");
    QTest::addColumn<Cells>("before");
    QTest::addColumn<Numbers>("marked"); // yellow and checked when the dialog opens
    QTest::addColumn<Numbers>("chosen"); // checked when the user closes it
    QTest::addColumn<bool>("ok");
    QTest::addColumn<Cells>("after");

    const Cells full{"1", "2", "3", "4", "5", "6"};
    const Numbers six{8, 13, 21, 34, 40, 49};
    const Cells sixTexts{"8", "13", "21", "34", "40", "49"};
    QTest::newRow("row 7 after the gap") << 7 << "Edit43" << full << Numbers{1, 2, 3, 4, 5, 6}
                                         << six << true << sixTexts;
    QTest::newRow("row 9 after the gap") << 9 << "Edit56" << full << Numbers{1, 2, 3, 4, 5, 6}
                                         << six << true << sixTexts;
    QTest::newRow("partial row, two chosen")
        << 4 << "Edit19" << Cells{"3", "17", "42", "", "", ""} << Numbers{3, 17, 42}
        << Numbers{5, 9} << true << Cells{"5", "9", "42", "", "", ""};
    QTest::newRow("empty cell ends the marking")
        << 1 << "Edit1" << Cells{"3", "", "42", "7", "8", "9"} << Numbers{3}
        << Numbers{1, 2, 3, 4, 5, 6} << true << Cells{"1", "2", "3", "4", "5", "6"};
    QTest::newRow("beyond the sixth ignored") << 12 << "Edit74" << full
                                              << Numbers{1, 2, 3, 4, 5, 6}
                                              << Numbers{2, 4, 6, 8, 10, 12, 14} << true
                                              << Cells{"2", "4", "6", "8", "10", "12"};
    QTest::newRow("cancel keeps the row") << 7 << "Edit43" << full << Numbers{1, 2, 3, 4, 5, 6}
                                          << six << false << full;
}

void TipBoardWindowTest::rowEditor()
{
    QFETCH(int, row);
    QFETCH(QString, firstCell);
    QFETCH(Cells, before);
    QFETCH(Numbers, marked);
    QFETCH(Numbers, chosen);
    QFETCH(bool, ok);
    QFETCH(Cells, after);

    setRow(row, before);
    QString caption;
    Numbers checkedAtOpen;
    Numbers yellowAtOpen;
    bool randomShown = false;
    bool recalcShown = true;
    dialogs_.dialogAnswers.enqueue([&](QDialog& dialog) {
        auto& form = static_cast<TForm6&>(dialog);
        caption = form.windowTitle();
        checkedAtOpen = form.checkedNumbers();
        for (int n = 1; n <= 49; ++n)
            if (form.boxColor(n) == kYellow)
                yellowAtOpen << n;
        randomShown = !form.findChild<QPushButton*>(QStringLiteral("BitBtn4"))->isHidden();
        recalcShown = !form.findChild<QPushButton*>(QStringLiteral("BitBtn3"))->isHidden();
        for (int n : checkedAtOpen)
            form.setChecked(n, false);
        for (int n : chosen) {
            form.setWeight(n, QStringLiteral("1"));
            form.setChecked(n, true);
        }
        return ok ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });
    click(TipBoard::editButtonName(row));

    QCOMPARE(caption, QString::number(row) + QStringLiteral(". Tipp"));
    QCOMPARE(checkedAtOpen, marked);
    QCOMPARE(yellowAtOpen, marked);
    QVERIFY(randomShown);
    QVERIFY(!recalcShown);

    QCOMPARE(rowTexts(row), after);
    // The named controls themselves, because of the gaps in the numbering.
    QCOMPARE(control<QLineEdit>(firstCell)->text(), after.first());
    QCOMPARE(control<QLineEdit>(firstCell.left(4) + QString::number(firstCell.mid(4).toInt() + 5))
                 ->text(),
             after.last());

    TForm6* form = window_->form6();
    QCOMPARE(form->windowTitle(), QStringLiteral("Zahlen für Berechnung wählen"));
    QVERIFY(form->findChild<QPushButton*>(QStringLiteral("BitBtn4"))->isHidden());
    QVERIFY(!form->findChild<QPushButton*>(QStringLiteral("BitBtn3"))->isHidden());
    for (int n = 1; n <= 49; ++n)
        QVERIFY(form->boxColor(n) != kYellow);
    QCOMPARE(form->checkedNumbers(), chosen); // kept for the next use
}

void TipBoardWindowTest::rowEditorRatesTheNewRow_data()
{
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("crossSum");
    QTest::addColumn<QString>("hits");

    QTest::newRow("OK: the new row's rating") << true << "165" << "6";
    QTest::newRow("cancel: the old row's rating") << false << "21" << "0";
}

void TipBoardWindowTest::rowEditorRatesTheNewRow()
{
    QFETCH(bool, ok);
    QFETCH(QString, crossSum);
    QFETCH(QString, hits);

    window_->session().ratingOn = true;
    window_->session().numbers = {0, 8, 13, 21, 34, 40, 49, 7, 0};
    setRow(1, Cells{"1", "2", "3", "4", "5", "6"});
    window_->Komplettcheck();
    QString statusInRowMode = QStringLiteral("<not read>");
    dialogs_.dialogAnswers.enqueue([&](QDialog& dialog) {
        auto& form = static_cast<TForm6&>(dialog);
        // Weights mean nothing when one row is picked.
        form.CheckBox1MouseMove(8);
        statusInRowMode = form.statusText();
        for (int n : form.checkedNumbers())
            form.setChecked(n, false);
        for (int n : {8, 13, 21, 34, 40, 49})
            form.setChecked(n, true);
        return ok ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });

    click(TipBoard::editButtonName(1));

    QCOMPARE(statusInRowMode, QString());
    QCOMPARE(board()->crossSumText(1), crossSum);
    QCOMPARE(board()->hitsText(1), hits);
    QCOMPARE(board()->cellColor(1, 1) == QColor(0, 255, 0), ok);
    // Back in pool mode, the weight shows again.
    window_->form6()->CheckBox1MouseMove(8);
    QVERIFY(window_->form6()->statusText().contains(QStringLiteral("Gewichtung")));
}

void TipBoardWindowTest::luckyNumberReproducesTheSequence()
{
    dialogs_.inputAnswers.enqueue(QStringLiteral("4711"));
    click(QStringLiteral("SpeedButton13"));
    const QList<quint32> first = nextFive();
    nextFive(); // other work moves the generator on in between

    dialogs_.inputAnswers.enqueue(QStringLiteral("4711"));
    click(QStringLiteral("SpeedButton13"));
    QCOMPARE(nextFive(), first);
    QCOMPARE(Random::global().seed(), 4711u);

    // The question, and a proposal drawn from 0 ... 99998.
    QCOMPARE(dialogs_.inputPrompts.size(), 2);
    const QStringList parts = dialogs_.inputPrompts.first().split(u'|');
    QCOMPARE(parts.value(0), QStringLiteral("Ihre Glückszahl (1-99999999)?"));
    QCOMPARE(parts.value(1), QStringLiteral("Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!"));
    bool ok = false;
    const int preset = parts.value(2).toInt(&ok);
    QVERIFY(ok && preset >= 0 && preset <= 99998);
    QVERIFY(dialogs_.messages.isEmpty());
}

void TipBoardWindowTest::luckyNumberAcceptsAny32BitValue_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("beyond the shown range") << "123456789" << 123456789u;
    QTest::newRow("negative") << "-1" << 0xFFFFFFFFu;
    QTest::newRow("lowest 32-bit") << "-2147483648" << 0x80000000u;
    QTest::newRow("blanks around") << " 42 " << 42u;
}

void TipBoardWindowTest::luckyNumberAcceptsAny32BitValue()
{
    QFETCH(QString, entered);
    QFETCH(quint32, seed);
    dialogs_.inputAnswers.enqueue(entered);
    window_->SpeedButton13Click();
    QCOMPARE(Random::global().seed(), seed);
    QVERIFY(dialogs_.messages.isEmpty());
}

void TipBoardWindowTest::badLuckyNumberKeepsTheSeed_data()
{
    QTest::addColumn<QString>("entered");
    QTest::newRow("letters") << "Glück";
    QTest::newRow("empty") << "";
    QTest::newRow("past 32 bits") << "2147483648";
    QTest::newRow("decimal") << "12,5";
}

void TipBoardWindowTest::badLuckyNumberKeepsTheSeed()
{
    QFETCH(QString, entered);
    Random::global().setSeed(99);
    dialogs_.inputAnswers.enqueue(entered);
    window_->SpeedButton13Click();

    QCOMPARE(dialogs_.messages, QStringList{"Fehler bei Eingabe der Zufallszahl"});
    QCOMPARE(Random::global().seed(), 99u);
}

QTEST_MAIN(TipBoardWindowTest)
#include "tst_tipboard_window.moc"
