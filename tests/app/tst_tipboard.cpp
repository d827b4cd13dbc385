#include "app/pages/TipBoard.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

class TipBoardTest : public QObject {
    Q_OBJECT
private slots:
    void normaliseCell_data();
    void normaliseCell();
    void typingIsNormalisedOnEveryChange_data();
    void typingIsNormalisedOnEveryChange();
    void rowsAddressTheNamedControls_data();
    void rowsAddressTheNamedControls();
    void clickingTheRowLabelTogglesTheLock();
    void disabledBoardKeepsItsLocks();
    void hitsAndCrossSumColumnsHaveHeadings();
    void clearingKeepsLockedRows();
    void leavingACellAndTheEditButtonsReportTheirRow();
    void outOfRangeAddressesAreIgnored();
};

void TipBoardTest::normaliseCell_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "17" << "17";
    QTest::newRow("lowest") << "1" << "1";
    QTest::newRow("highest") << "49" << "49";
    QTest::newRow("leading zero") << "07" << "7";
    QTest::newRow("two leading zeros") << "007" << "7";
    QTest::newRow("zero") << "0" << "";
    QTest::newRow("fifty") << "50" << "";
    QTest::newRow("negative") << "-3" << "";
    QTest::newRow("letters") << "ab" << "";
    QTest::newRow("digit and letter") << "4a" << "";
    QTest::newRow("sign alone") << "-" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("decimal") << "1,5" << "";
    QTest::newRow("loaded sixth field") << "6,7" << "";
    QTest::newRow("beyond 32 bits") << "4294967303" << "";
}

void TipBoardTest::normaliseCell()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(TipBoard::normaliseCell(text), expected);
}

void TipBoardTest::typingIsNormalisedOnEveryChange_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    // Every keystroke is a change: a leading 0 is dropped at once, and a
    // second digit that takes the value past 49 empties the cell.
    QTest::newRow("007") << "007" << "7";
    QTest::newRow("42") << "42" << "42";
    QTest::newRow("50") << "50" << "";
    QTest::newRow("letters") << "xy" << "";
}

void TipBoardTest::typingIsNormalisedOnEveryChange()
{
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    TipBoard board;
    auto* cell = board.findChild<QLineEdit*>(QStringLiteral("Edit13"));
    QVERIFY(cell);
    QTest::keyClicks(cell, keys);
    QCOMPARE(cell->text(), expected);
    QCOMPARE(board.cellText(3, 1), expected);
}

void TipBoardTest::rowsAddressTheNamedControls_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("firstEdit");
    QTest::addColumn<QString>("rowLabel");
    QTest::addColumn<QString>("hitsLabel");
    QTest::addColumn<QString>("crossSumLabel");
    QTest::newRow("row 1") << 1 << 1 << "Label28" << "Label22" << "Label36";
    QTest::newRow("row 6") << 6 << 31 << "Label34" << "Label27" << "Label41";
    QTest::newRow("row 7 after the gap") << 7 << 43 << "Label46" << "Label45" << "Label49";
    QTest::newRow("row 9 after the gap") << 9 << 56 << "Label62" << "Label65" << "Label67";
    QTest::newRow("row 10") << 10 << 62 << "Label61" << "Label66" << "Label68";
    QTest::newRow("row 12") << 12 << 74 << "Label64" << "Label70" << "Label72";
}

void TipBoardTest::rowsAddressTheNamedControls()
{
    QFETCH(int, row);
    QFETCH(int, firstEdit);
    QFETCH(QString, rowLabel);
    QFETCH(QString, hitsLabel);
    QFETCH(QString, crossSumLabel);
    TipBoard board;

    for (int cell = 1; cell <= 6; ++cell) {
        const QString name = QStringLiteral("Edit%1").arg(firstEdit + cell - 1);
        QCOMPARE(TipBoard::cellName(row, cell), name);
        auto* edit = board.findChild<QLineEdit*>(name);
        QVERIFY2(edit, qPrintable(name));
        board.setCellText(row, cell, QString::number(10 + cell));
        QCOMPARE(edit->text(), QString::number(10 + cell));
    }

    auto* label = board.findChild<QLabel*>(rowLabel);
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("%1. Tipp").arg(row));
    QCOMPARE(label->toolTip(),
             QStringLiteral("Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!"));

    board.setHits(row, QStringLiteral("3 + B"), QColor(255, 0, 0));
    board.setCrossSum(row, QStringLiteral("81"));
    auto* hits = board.findChild<QLabel*>(hitsLabel);
    auto* crossSum = board.findChild<QLabel*>(crossSumLabel);
    QVERIFY(hits && crossSum);
    QCOMPARE(hits->text(), QStringLiteral("3 + B"));
    QCOMPARE(hits->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(crossSum->text(), QStringLiteral("81"));

    auto* button = board.findChild<QToolButton*>(QStringLiteral("Tipp%1Edit").arg(row));
    QVERIFY(button);
    QCOMPARE(button->toolTip(),
             QStringLiteral("Klicken Sie hier um Tipp 1 mit dem Tippformular zu ändern oder per "
                            "Zufallsgenerator erzeugen wollen"));
}

void TipBoardTest::clickingTheRowLabelTogglesTheLock()
{
    TipBoard board;
    auto* label = board.findChild<QLabel*>(QStringLiteral("Label33")); // row 5
    QVERIFY(label);
    const QColor windowText = board.palette().color(QPalette::WindowText);

    QTest::mouseClick(label, Qt::LeftButton);
    QVERIFY(board.isLocked(5));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    for (int row : {1, 4, 6, 12})
        QVERIFY(!board.isLocked(row));

    QTest::mouseClick(label, Qt::LeftButton);
    QVERIFY(!board.isLocked(5));
    QCOMPARE(label->palette().color(QPalette::WindowText), windowText);

    // A right click is no click on the label.
    QTest::mouseClick(label, Qt::RightButton);
    QVERIFY(!board.isLocked(5));
}

void TipBoardTest::disabledBoardKeepsItsLocks()
{
    // A run disables the board while it fills the rows.
    QWidget parent;
    auto* board = new TipBoard(&parent);
    board->toggleLock(2);
    parent.setEnabled(false);

    QTest::mouseClick(board->findChild<QLabel*>(TipBoard::rowLabelName(5)), Qt::LeftButton);
    QTest::mouseClick(board->findChild<QLabel*>(TipBoard::rowLabelName(2)), Qt::LeftButton);

    QVERIFY(!board->isLocked(5));
    QVERIFY(board->isLocked(2));
}

void TipBoardTest::hitsAndCrossSumColumnsHaveHeadings()
{
    TipBoard board;
    board.resize(board.sizeHint());
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    const struct {
        const char* heading;
        QString caption;
        QString column; // a label of that column
    } columns[] = {
        {"HitsHeading", QStringLiteral("Treffer"), TipBoard::hitsLabelName(1)},
        {"CrossSumHeading", QStringLiteral("QS"), TipBoard::crossSumLabelName(1)},
    };
    for (const auto& column : columns) {
        auto* heading = board.findChild<QLabel*>(QLatin1String(column.heading));
        auto* first = board.findChild<QLabel*>(column.column);
        QVERIFY2(heading && first, column.heading);
        QCOMPARE(heading->text(), column.caption);
        QVERIFY(!heading->toolTip().isEmpty());
        // Above the column, right-aligned like its numbers.
        QCOMPARE(heading->geometry().right(), first->geometry().right());
        QVERIFY(heading->geometry().bottom() < first->geometry().top());
    }
}

void TipBoardTest::clearingKeepsLockedRows()
{
    TipBoard board;
    for (int row = 1; row <= 12; ++row) {
        for (int cell = 1; cell <= 6; ++cell)
            board.setCellText(row, cell, QString::number(row + cell));
        board.setHits(row, QStringLiteral("2"), Qt::black);
        board.setCrossSum(row, QStringLiteral("99"));
    }
    board.toggleLock(2);
    board.toggleLock(5);

    board.clearUnlockedRows();

    for (int row = 1; row <= 12; ++row) {
        const bool kept = row == 2 || row == 5;
        QCOMPARE(board.hitsText(row), kept ? QStringLiteral("2") : QString());
        QCOMPARE(board.crossSumText(row), kept ? QStringLiteral("99") : QString());
        for (int cell = 1; cell <= 6; ++cell)
            QCOMPARE(board.cellText(row, cell), kept ? QString::number(row + cell) : QString());
    }
    QVERIFY(board.isLocked(2) && board.isLocked(5));
}

void TipBoardTest::leavingACellAndTheEditButtonsReportTheirRow()
{
    TipBoard board;
    board.show();
    QVERIFY(QTest::qWaitForWindowActive(&board));
    QSignalSpy edited(&board, &TipBoard::cellEdited);
    QSignalSpy editButton(&board, &TipBoard::editButtonClicked);

    auto* first = board.findChild<QLineEdit*>(QStringLiteral("Edit58")); // row 9, cell 3
    auto* other = board.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    first->setFocus();
    QTRY_VERIFY(first->hasFocus());
    edited.clear(); // the cell that had the focus on showing reported its exit
    QTest::keyClicks(first, QStringLiteral("12"));
    other->setFocus();
    QTRY_COMPARE(edited.count(), 1);
    QCOMPARE(edited.at(0).at(0).toInt(), 9);
    QCOMPARE(edited.at(0).at(1).toInt(), 3);

    QTest::mouseClick(board.findChild<QToolButton*>(QStringLiteral("Tipp7Edit")), Qt::LeftButton);
    QCOMPARE(editButton.count(), 1);
    QCOMPARE(editButton.at(0).at(0).toInt(), 7);
}

void TipBoardTest::outOfRangeAddressesAreIgnored()
{
    TipBoard board;
    board.setCellText(0, 1, QStringLiteral("5"));
    board.setCellText(13, 1, QStringLiteral("5"));
    board.setCellText(1, 7, QStringLiteral("5"));
    board.toggleLock(13);
    QCOMPARE(board.cellText(1, 7), QString());
    QVERIFY(!board.isLocked(0));
    QCOMPARE(TipBoard::cellName(13, 1), QString());
}

QTEST_MAIN(TipBoardTest)
#include "tst_tipboard.moc"
