#include "app/dialogs/TForm3.h"
#include "app/pages/DatenbankPage.h"
#include "app/pages/DiagrammPage.h"
#include "app/pages/LottotippPage.h"
#include "app/pages/TipBoard.h"
#include "draws/DateSerial.h"
#include "draws/DrawFile.h"
#include "draws/DrawText.h"
#include "platform/UpDown.h"

#include "WindowFixture.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>

#include <map>

namespace {

QByteArray recordBytes(const Draw& draw)
{
    QByteArray bytes(32, '\0');
    encodeDraw(draw, bytes.data());
    return bytes;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A draw whose hidden fields are all set, so a rewrite that loses or shifts
// any byte shows in a comparison of the file.
Draw fullDraw(const QDate& date, const std::array<int, 6>& numbers, int bonus, int seed)
{
    Draw draw = makeDraw(date, numbers, bonus, seed % 10);
    for (std::size_t i = 0; i < draw.spiel77.size(); ++i)
        draw.spiel77[i] = std::uint8_t((seed + int(i)) % 10);
    for (std::size_t i = 0; i < draw.super6.size(); ++i)
        draw.super6[i] = std::uint8_t((seed * 3 + int(i)) % 10);
    draw.reserve = {std::uint8_t(0xA0 + seed), 0x00, 0x7F};
    return draw;
}

// Consecutive draws on the weekdays given by letter (S Saturday, U Sunday,
// W Wednesday, T Tuesday), from January 2021 on; each has numbers of its own.
std::vector<Draw> drawsOnWeekdays(const QString& days)
{
    const std::map<QChar, int> weekdays{{u'S', DateSerial::Saturday}, {u'U', DateSerial::Sunday},
                                        {u'W', DateSerial::Wednesday}, {u'T', DateSerial::Tuesday}};
    std::vector<Draw> draws;
    QDate date(2021, 1, 1);
    for (int i = 0; i < days.size(); ++i) {
        date = date.addDays(1);
        while (DateSerial::weekday(date) != weekdays.at(days.at(i)))
            date = date.addDays(1);
        draws.push_back(makeDraw(date, {i + 1, i + 2, i + 3, i + 4, i + 5, i + 6}, 49));
    }
    return draws;
}

QString germanLine(const Draw& draw, bool firstRecord = false)
{
    return drawLine(draw, shortWeekdayNames(0), firstRecord);
}

void setRow(TipBoard* board, int row, const std::array<int, 6>& numbers)
{
    for (int cell = 1; cell <= 6; ++cell)
        board->setCellText(row, cell, QString::number(numbers[std::size_t(cell - 1)]));
}

std::array<int, 6> numbersOf(const Draw& draw)
{
    std::array<int, 6> numbers{};
    for (int i = 0; i < 6; ++i)
        numbers[std::size_t(i)] = draw.number(i);
    return numbers;
}

// Types the numbers into the entry dialog and ends it with the given button.
int answerEntry(QDialog& dialog, const QDate& date, const QList<int>& typed, const char* button)
{
    dialog.show();
    dialog.findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"))->setDate(date);
    for (int i = 0; i < typed.size(); ++i) {
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(i + 1));
        edit->selectAll();
        QTest::keyClicks(edit, QString::number(typed.at(i)));
        QTest::keyClick(edit, Qt::Key_Tab);
    }
    QTest::mouseClick(dialog.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    return dialog.result();
}

} // namespace

class TestDrawsWindow : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void steppingThroughALongHistoryShowsAndRatesEachDraw();
    void stepping_data();
    void stepping();
    void entry_data();
    void entry();
    void abortedEntryChangesNothing();
    void entryIntoEmptyDatabaseStartsFromToday();
    void entryShowsTheGamesTheTicketPlays();
    void impossibleEntryIsRefused_data();
    void impossibleEntryIsRefused();
    void drawWithoutBonusKeepsNone_data();
    void drawWithoutBonusKeepsNone();
    void deletion_data();
    void deletion();
    void deletionWithThePickerMovedNamesBothDates();
    void failedRewriteKeepsDatabase_data();
    void failedRewriteKeepsDatabase();
    void missingDatabaseIsReported_data();
    void missingDatabaseIsReported();

private:
    // The draws as the database, then the window on it, shown.
    void makeWindow(const std::vector<Draw>& draws);
    void click(const QString& buttonName);
    void showDraw(int index); // by stepping forward onto it
    QString label(const QString& name);
    QDate endDate() { return window_->datenbankPage()->endDate(); }

    QString database_;
};

void TestDrawsWindow::init()
{
    QVERIFY(setUp());
    database_ = databasePath();
}

void TestDrawsWindow::cleanup()
{
    tearDown();
}

void TestDrawsWindow::makeWindow(const std::vector<Draw>& draws)
{
    QVERIFY(writeDraws(draws));
    window_ = WindowFixture::makeWindow();
    window_->session().ratingOn = true;
    window_->show();
}

void TestDrawsWindow::click(const QString& buttonName)
{
    auto* pages = window_->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    auto* button = pages->findChild<QAbstractButton*>(buttonName);
    QVERIFY2(button, qPrintable(buttonName));
    for (int i = 0; i < pages->count(); ++i)
        if (pages->widget(i)->isAncestorOf(button))
            pages->setCurrentIndex(i);
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestDrawsWindow::showDraw(int index)
{
    window_->session().position = index - 1;
    click(QStringLiteral("SpeedButton7"));
    QCOMPARE(window_->session().position, index);
}

QString TestDrawsWindow::label(const QString& name)
{
    auto* pages = window_->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    auto* found = pages->findChild<QLabel*>(name);
    return found ? found->text() : QStringLiteral("<no %1>").arg(name);
}

void TestDrawsWindow::steppingThroughALongHistoryShowsAndRatesEachDraw()
{
    // Wednesday and Saturday draws over fourteen years; one of them matches
    // the first tip row exactly.
    const int count = 3000;
    const int matching = count - 10;
    std::vector<Draw> draws;
    QDate date(1995, 1, 4);
    for (int i = 0; i < count; ++i) {
        const int band = i % 8;
        draws.push_back(makeDraw(date, {band + 1, band + 9, band + 17, band + 25, band + 33, band + 41},
                                 i % 49 + 1, i % 10));
        date = date.addDays(DateSerial::weekday(date) == DateSerial::Wednesday ? 3 : 4);
    }
    draws[matching] = makeDraw(DateSerial::toDate(draws[matching].datum), {2, 13, 24, 35, 46, 48}, 7, 3);
    makeWindow(draws);
    setRow(window_->tipBoard(), 1, {2, 13, 24, 35, 46, 48});
    window_->diagrammPage()->setStartDate(QDate(2001, 2, 3));
    window_->session().position = count - 1;

    QList<int> expected;
    for (int i = count - 2; i >= count - 21; --i)
        expected << i; // back twenty
    for (int i = count - 20; i < count; ++i)
        expected << i; // forward again to the latest ...
    expected << count - 1 << count - 1; // ... which the next step shows again

    for (int index : expected) {
        const bool back = index < window_->session().position;
        click(back ? QStringLiteral("SpeedButton6") : QStringLiteral("SpeedButton7"));
        const Draw& draw = draws[std::size_t(index)];
        QCOMPARE(window_->session().position, index);
        QCOMPARE(window_->session().drawDate, draw.datum);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(window_->session().numbers[std::size_t(i + 1)], int(draw.zahlen[std::size_t(i)]));
        QCOMPARE(label(QStringLiteral("Label29")), germanLine(draw));
        QCOMPARE(label(QStringLiteral("Label35")), germanLine(draw));
        QCOMPARE(label(QStringLiteral("Label13")), QStringLiteral("QS: %1").arg(draw.crossSum()));
        QCOMPARE(endDate(), DateSerial::toDate(draw.datum));
        QCOMPARE(window_->session().workingDate, DateSerial::fromDate(QDate(2001, 2, 3)));
        QCOMPARE(window_->tipBoard()->hitsText(1) == QLatin1String("6"), index == matching);
    }
    // The latest draw, of 2023, shows its super number and no bonus.
    QVERIFY(label(QStringLiteral("Label35")).endsWith(QLatin1String("  8  16  24  32  40  48 SZ:9")));
    QVERIFY(dialogs_.messages.isEmpty());
}

void TestDrawsWindow::stepping_data()
{
    QTest::addColumn<QString>("days");
    QTest::addColumn<bool>("saturdays");  // CheckBox16
    QTest::addColumn<bool>("wednesdays"); // CheckBox17
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("expected"); // -1: nothing shown

    QTest::newRow("previous steps back") << "SWSWS" << true << true << 3 << false << 2;
    QTest::newRow("previous at the oldest but one stays") << "SWSWS" << true << true << 1 << false << 1;
    QTest::newRow("previous shows the oldest only when it is alone") << "S" << true << true << 0 << false << 0;
    QTest::newRow("next at the latest shows it again") << "SWSWS" << true << true << 4 << true << 4;
    QTest::newRow("previous passes a Wednesday") << "SSWS" << true << false << 3 << false << 1;
    QTest::newRow("next passes a Wednesday") << "SWS" << true << false << 0 << true << 2;
    QTest::newRow("previous passes Saturday and Sunday") << "WWSUW" << false << true << 4 << false << 1;
    QTest::newRow("Tuesday is never passed") << "STW" << false << false << 2 << false << 1;
    QTest::newRow("excluded latest: next lands before it") << "SSW" << true << false << 1 << true << 1;
    QTest::newRow("nothing earlier admitted: stays") << "WWWS" << true << false << 3 << false << 3;
    QTest::newRow("nothing later admitted: stays") << "SWW" << true << false << 0 << true << 0;
    QTest::newRow("no draw admitted at all") << "WWW" << true << false << 1 << false << 1;
    QTest::newRow("empty database") << "" << true << true << 0 << false << -1;
}

void TestDrawsWindow::stepping()
{
    QFETCH(QString, days);
    QFETCH(bool, saturdays);
    QFETCH(bool, wednesdays);
    QFETCH(int, position);
    QFETCH(bool, forward);
    QFETCH(int, expected);

    const std::vector<Draw> draws = drawsOnWeekdays(days);
    makeWindow(draws);
    window_->datenbankPage()->setSaturdays(saturdays);
    window_->datenbankPage()->setWednesdays(wednesdays);
    window_->session().position = position;
    window_->lottotippPage()->setDrawLine(QStringLiteral("before"));
    if (expected >= 0)
        setRow(window_->tipBoard(), 1, numbersOf(draws[std::size_t(expected)]));

    click(forward ? QStringLiteral("SpeedButton7") : QStringLiteral("SpeedButton6"));

    QVERIFY(dialogs_.messages.isEmpty());
    if (expected < 0) {
        QCOMPARE(label(QStringLiteral("Label35")), QStringLiteral("before"));
        return;
    }
    const Draw& shown = draws[std::size_t(expected)];
    QCOMPARE(window_->session().position, expected);
    QCOMPARE(window_->session().drawDate, shown.datum);
    QCOMPARE(label(QStringLiteral("Label35")), germanLine(shown));
    QCOMPARE(endDate(), DateSerial::toDate(shown.datum));
    // The tips are rated against the draw that is shown.
    QCOMPARE(window_->tipBoard()->hitsText(1), QStringLiteral("6"));
}

// Stored: an early Wednesday E and a Saturday S0 from 1985, then A (Sat),
// B (Wed), C (Sat) from 2021. The layout names the records of the file after
// the entry, N being the entered draw.
void TestDrawsWindow::entry_data()
{
    QTest::addColumn<QString>("reference"); // stored draw the end date shows
    QTest::addColumn<QDate>("date");        // typed into the dialog
    QTest::addColumn<QList<int>>("typed");  // six numbers and the bonus
    QTest::addColumn<QStringList>("layout");
    QTest::addColumn<QString>("afterNext"); // shown by the next step from the reference

    QTest::newRow("between two stored draws")
        << "A" << QDate(2021, 1, 4) << QList<int>{5, 6, 7, 8, 9, 10, 11}
        << QStringList{"S0", "A", "N", "B", "C"} << "N";
    QTest::newRow("same date replaces, numbers sorted")
        << "B" << QDate(2021, 1, 6) << QList<int>{40, 3, 17, 9, 22, 1, 33}
        << QStringList{"S0", "A", "N", "C"} << "C";
    QTest::newRow("after the latest appends")
        << "C" << QDate(2021, 1, 13) << QList<int>{40, 3, 17, 9, 22, 1, 33}
        << QStringList{"E", "S0", "A", "B", "C", "N"} << "N";
    QTest::newRow("before the oldest")
        << "C" << QDate(1980, 1, 5) << QList<int>{1, 2, 3, 4, 5, 6, 7}
        << QStringList{"N", "S0", "A", "B", "C"} << "C";
}

void TestDrawsWindow::entry()
{
    QFETCH(QString, reference);
    QFETCH(QDate, date);
    QFETCH(QList<int>, typed);
    QFETCH(QStringList, layout);
    QFETCH(QString, afterNext);

    std::map<QString, Draw> stored{
        {QStringLiteral("E"), fullDraw(QDate(1985, 5, 1), {2, 4, 6, 8, 10, 12}, 14, 1)},
        {QStringLiteral("S0"), fullDraw(QDate(1985, 5, 4), {3, 5, 7, 9, 11, 13}, 15, 2)},
        {QStringLiteral("A"), fullDraw(QDate(2021, 1, 2), {11, 12, 13, 14, 15, 16}, 17, 3)},
        {QStringLiteral("B"), fullDraw(QDate(2021, 1, 6), {21, 22, 23, 24, 25, 26}, 27, 4)},
        {QStringLiteral("C"), fullDraw(QDate(2021, 1, 9), {31, 32, 33, 34, 35, 36}, 37, 5)},
    };
    makeWindow({stored["E"], stored["S0"], stored["A"], stored["B"], stored["C"]});
    const Draw ref = stored[reference];
    window_->datenbankPage()->setEndDate(DateSerial::toDate(ref.datum));

    Draw presetSeen;
    dialogs_.dialogAnswers.enqueue([&](QDialog& dialog) {
        presetSeen = static_cast<TForm3&>(dialog).draw();
        return answerEntry(dialog, date, typed, "BitBtn2");
    });
    click(QStringLiteral("BitBtn8"));
    QVERIFY(dialogs_.dialogAnswers.isEmpty());
    QVERIFY(dialogs_.messages.isEmpty());
    QCOMPARE(presetSeen.datum, ref.datum);
    QCOMPARE(presetSeen.zahlen, ref.zahlen);

    // The entry keeps the reference draw's hidden values: super number
    // (unless its date had none), game digits and reserved bytes.
    Draw entered = ref;
    entered.datum = DateSerial::fromDate(date);
    if (date < QDate(1991, 12, 7))
        entered.zahlen[7] = 0;
    QList<int> sorted = typed.mid(0, 6);
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < 6; ++i)
        entered.zahlen[std::size_t(i)] = std::uint8_t(sorted.at(i));
    entered.zahlen[6] = std::uint8_t(typed.at(6));
    stored[QStringLiteral("N")] = entered;

    QByteArray expectedBytes;
    for (const QString& name : layout)
        expectedBytes += recordBytes(stored[name]);
    QCOMPARE(fileBytes(database_), expectedBytes);

    // The reference draw stays current; the entry is reached by stepping.
    QCOMPARE(endDate(), DateSerial::toDate(ref.datum));
    QCOMPARE(window_->session().drawDate, ref.datum);
    click(QStringLiteral("SpeedButton7"));
    QCOMPARE(label(QStringLiteral("Label35")), germanLine(stored[afterNext]));
}

void TestDrawsWindow::abortedEntryChangesNothing()
{
    const std::vector<Draw> draws = drawsOnWeekdays(QStringLiteral("SWS"));
    makeWindow(draws);
    const QByteArray before = fileBytes(database_);
    window_->datenbankPage()->setEndDate(DateSerial::toDate(draws[1].datum));
    dialogs_.dialogAnswers.enqueue([&](QDialog& dialog) {
        return answerEntry(dialog, QDate(2021, 1, 5), {1, 2, 3, 4, 5, 6, 7}, "BitBtn1");
    });
    click(QStringLiteral("BitBtn8"));
    QVERIFY(dialogs_.dialogAnswers.isEmpty());
    QCOMPARE(fileBytes(database_), before);
    QVERIFY(!QFile::exists(database_ + QLatin1Char('~')));
    QVERIFY(dialogs_.messages.isEmpty());
    QCOMPARE(endDate(), DateSerial::toDate(draws[1].datum));
}

void TestDrawsWindow::entryIntoEmptyDatabaseStartsFromToday()
{
    makeWindow({});
    QDate presetDate;
    QList<int> presetPositions;
    QStringList presetDigits;
    dialogs_.dialogAnswers.enqueue([&](QDialog& dialog) {
        presetDate = dialog.findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"))->date();
        for (int i = 1; i <= 8; ++i)
            presetPositions << dialog.findChild<UpDown*>(QStringLiteral("UpDown%1").arg(i))->position();
        for (int i = 1; i <= 7; ++i)
            presetDigits << dialog.findChild<QLineEdit*>(QStringLiteral("S77_%1").arg(i))->text();
        for (int i = 1; i <= 6; ++i)
            presetDigits << dialog.findChild<QLineEdit*>(QStringLiteral("SS_%1").arg(i))->text();
        return answerEntry(dialog, presetDate, {4, 8, 15, 16, 23, 42}, "BitBtn2");
    });
    click(QStringLiteral("BitBtn8"));

    QCOMPARE(presetDate, QDate::currentDate());
    QCOMPARE(presetPositions, (QList<int>{49, 49, 49, 49, 49, 49, 49, 9}));
    QCOMPARE(presetDigits, QStringList(13, QString())); // no made-up game number
    QVERIFY(dialogs_.messages.isEmpty());

    const auto stored = DrawFile(database_).readAll();
    QVERIFY(stored);
    QCOMPARE(stored->size(), std::size_t(1));
    const Draw& draw = stored->front();
    QCOMPARE(draw.datum, DateSerial::today());
    const std::array<std::uint8_t, 8> numbers{4, 8, 15, 16, 23, 42, 49, 9};
    QCOMPARE(draw.zahlen, numbers);
    QCOMPARE(window_->session().drawDate, DateSerial::today());
}

void TestDrawsWindow::impossibleEntryIsRefused_data()
{
    QTest::addColumn<QList<int>>("typed"); // six numbers and the bonus
    QTest::addColumn<QString>("named");    // the number the message names

    QTest::newRow("six times 49") << QList<int>{49, 49, 49, 49, 49, 49, 0} << "49";
    QTest::newRow("one number twice") << QList<int>{2, 4, 5, 5, 6, 7, 0} << "5";
    QTest::newRow("bonus among the numbers") << QList<int>{1, 2, 3, 4, 5, 6, 3} << "3";
}

void TestDrawsWindow::impossibleEntryIsRefused()
{
    QFETCH(QList<int>, typed);
    QFETCH(QString, named);

    makeWindow(drawsOnWeekdays(QStringLiteral("SWS")));
    const QByteArray before = fileBytes(database_);
    bool stillOpen = false;
    dialogs_.dialogAnswers.enqueue([&](QDialog& dialog) {
        const int result = answerEntry(dialog, QDate(2021, 1, 12), typed, "BitBtn2");
        stillOpen = dialog.isVisible();
        dialog.hide();
        return result;
    });

    click(QStringLiteral("BitBtn8"));

    QVERIFY(stillOpen);
    QCOMPARE(dialogs_.errors.size(), 1);
    const QRegularExpression number(QStringLiteral("\\b%1\\b").arg(named));
    QVERIFY2(dialogs_.errors.first().contains(number), qPrintable(dialogs_.errors.first()));
    QCOMPARE(fileBytes(database_), before);
}

void TestDrawsWindow::drawWithoutBonusKeepsNone_data()
{
    QTest::addColumn<int>("typedBonus"); // -1: left as preset
    QTest::addColumn<int>("storedBonus");

    QTest::newRow("kept as none") << -1 << 0;
    QTest::newRow("a bonus typed in") << 7 << 7;
}

void TestDrawsWindow::entryShowsTheGamesTheTicketPlays()
{
    const Draw recent = fullDraw(QDate(2021, 1, 2), {3, 11, 17, 25, 38, 44}, 0, 1);
    makeWindow({recent});
    window_->datenbankPage()->setEndDate(DateSerial::toDate(recent.datum));
    QList<bool> shown;
    const auto look = [&shown](QDialog& dialog) {
        shown << dialog.findChild<QLineEdit*>(QStringLiteral("S77_1"))->isVisibleTo(&dialog)
              << dialog.findChild<QLineEdit*>(QStringLiteral("SS_1"))->isVisibleTo(&dialog);
        return int(QDialog::Rejected);
    };
    dialogs_.dialogAnswers.enqueue(look);
    click(QStringLiteral("BitBtn8"));
    window_->session().ticket.spiel77 = 1;
    dialogs_.dialogAnswers.enqueue(look);
    click(QStringLiteral("BitBtn8"));
    window_->session().ticket.spiel77 = 0;
    window_->session().ticket.super6 = 1;
    dialogs_.dialogAnswers.enqueue(look);
    click(QStringLiteral("BitBtn8"));
    QCOMPARE(shown, (QList<bool>{false, false, true, false, false, true}));
}

void TestDrawsWindow::drawWithoutBonusKeepsNone()
{
    QFETCH(int, typedBonus);
    QFETCH(int, storedBonus);

    // Since 2013 a draw has no bonus number: stored as 0.
    const Draw recent = fullDraw(QDate(2021, 1, 2), {3, 11, 17, 25, 38, 44}, 0, 1);
    makeWindow({recent});
    window_->datenbankPage()->setEndDate(DateSerial::toDate(recent.datum));
    QString shownBonus;
    dialogs_.dialogAnswers.enqueue([&](QDialog& dialog) {
        shownBonus = dialog.findChild<QLineEdit*>(QStringLiteral("Edit7"))->text();
        QList<int> typed{3, 11, 17, 25, 38, 44};
        if (typedBonus >= 0)
            typed << typedBonus;
        return answerEntry(dialog, QDate(2021, 1, 2), typed, "BitBtn2");
    });

    click(QStringLiteral("BitBtn8"));

    QCOMPARE(shownBonus, QStringLiteral("keine"));
    QVERIFY(dialogs_.messages.isEmpty());
    const auto stored = DrawFile(database_).readAll();
    QVERIFY(stored && stored->size() == 1);
    QCOMPARE(int(stored->front().bonus()), storedBonus);
    // A draw of 2021 had no bonus number: the line shows none, whatever is stored.
    QVERIFY(label(QStringLiteral("Label35")).endsWith(QStringLiteral("  38  44 SZ:1")));
}

void TestDrawsWindow::deletion_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<int>("nowShown"); // index in the file before the deletion

    QTest::newRow("a draw in the middle: the next later one") << 1 << true << 2;
    QTest::newRow("the oldest: the next later one") << 0 << true << 1;
    QTest::newRow("the latest: the one before") << 3 << true << 2;
    QTest::newRow("answered No: nothing changes") << 2 << false << 2;
}

void TestDrawsWindow::deletion()
{
    QFETCH(int, shown);
    QFETCH(bool, confirmed);
    QFETCH(int, nowShown);

    std::vector<Draw> draws;
    for (int i = 0; i < 4; ++i)
        draws.push_back(fullDraw(QDate(2021, 1, 2).addDays(7 * i), {1 + i, 10, 20, 30, 40, 45}, 49, i));
    makeWindow(draws);
    showDraw(shown);
    dialogs_.yesNoAnswers.enqueue(confirmed);

    click(QStringLiteral("BitBtn6"));

    // One question naming the draw, No being the answer Enter gives.
    const QString day = DateSerial::toDate(draws[std::size_t(shown)].datum).toString(QStringLiteral("dd.MM.yyyy"));
    QCOMPARE(dialogs_.questions,
             QStringList{QStringLiteral("Ziehung löschen|Ziehung vom %1 löschen?").arg(day)});
    QCOMPARE(dialogs_.questionDefaults, QList<Dialogs::Default>{Dialogs::Default::No});
    QByteArray expected;
    for (int i = 0; i < 4; ++i)
        if (i != shown || !confirmed)
            expected += recordBytes(draws[std::size_t(i)]);
    QCOMPARE(fileBytes(database_), expected);
    QVERIFY(!QFile::exists(dir_->filePath(QStringLiteral("Zahlen.da~"))));
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(dialogs_.messages.isEmpty());
    QCOMPARE(window_->session().drawDate, draws[std::size_t(nowShown)].datum);
    // Located by date, the file's first record gets one blank more.
    if (confirmed)
        QCOMPARE(label(QStringLiteral("Label35")),
                 germanLine(draws[std::size_t(nowShown)], nowShown == 1 && shown == 0));
}

void TestDrawsWindow::deletionWithThePickerMovedNamesBothDates()
{
    std::vector<Draw> draws;
    for (int i = 0; i < 3; ++i)
        draws.push_back(fullDraw(QDate(2026, 8, 12).addDays(7 * i), {1 + i, 10, 20, 30, 40, 45}, 49, i));
    makeWindow(draws);
    showDraw(1); // 19.08.2026
    // The date field moved on without the draw being shown anew.
    window_->datenbankPage()->setEndDate(QDate(2026, 8, 26));
    QCOMPARE(window_->session().drawDate, draws[1].datum);
    dialogs_.yesNoAnswers.enqueue(true);

    click(QStringLiteral("BitBtn6"));

    QCOMPARE(dialogs_.questions,
             QStringList{QStringLiteral("Ziehung löschen|Ziehung vom 19.08.2026 löschen?\n"
                                        "Das Datumsfeld zeigt den 26.08.2026, gelöscht wird aber "
                                        "die angezeigte Ziehung vom 19.08.2026.")});
    // The draw named is the one that went.
    QCOMPARE(fileBytes(database_), recordBytes(draws[0]) + recordBytes(draws[2]));
}

void TestDrawsWindow::failedRewriteKeepsDatabase_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("tempName");

    QTest::newRow("entry") << "BitBtn8" << "ZahlenOB.dat~";
    QTest::newRow("deletion") << "BitBtn6" << "Zahlen.da~";
}

void TestDrawsWindow::failedRewriteKeepsDatabase()
{
    QFETCH(QString, button);
    QFETCH(QString, tempName);

    const std::vector<Draw> draws = drawsOnWeekdays(QStringLiteral("SWS"));
    makeWindow(draws);
    showDraw(1);
    const QByteArray before = fileBytes(database_);
    // A folder where the temporary file must go: it cannot be written, for
    // any user, root included.
    QVERIFY(QDir(dir_->path()).mkpath(tempName + QStringLiteral("/inside")));
    dialogs_.dialogAnswers.enqueue([&](QDialog& dialog) {
        return answerEntry(dialog, QDate(2021, 1, 4), {1, 2, 3, 4, 5, 6, 7}, "BitBtn2");
    });
    dialogs_.yesNoAnswers.enqueue(true); // the deletion's question

    click(button);

    QCOMPARE(dialogs_.messages.size(), 1);
    QVERIFY2(dialogs_.messages.first().contains(tempName), qPrintable(dialogs_.messages.first()));
    QCOMPARE(fileBytes(database_), before);
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(window_->session().drawDate, draws[1].datum); // the shown draw stays
}

void TestDrawsWindow::missingDatabaseIsReported_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("previous") << "SpeedButton6";
    QTest::newRow("next") << "SpeedButton7";
    QTest::newRow("entry") << "BitBtn8";
    QTest::newRow("deletion") << "BitBtn6";
}

void TestDrawsWindow::missingDatabaseIsReported()
{
    QFETCH(QString, button);
    makeWindow(drawsOnWeekdays(QStringLiteral("SWS")));
    showDraw(1);
    QVERIFY(QFile::remove(database_));
    dialogs_.dialogAnswers.enqueue([](QDialog&) { return int(QDialog::Accepted); });
    dialogs_.yesNoAnswers.enqueue(true); // the deletion's question

    click(button);

    QCOMPARE(dialogs_.messages.size(), 1);
    QCOMPARE(dialogs_.dialogAnswers.size(), 1); // the entry dialog was not offered
    QVERIFY(!QFile::exists(database_));          // nor was an empty database made up
    QCOMPARE(window_->session().position, 1);
    QVERIFY(!QGuiApplication::overrideCursor());
}

QTEST_MAIN(TestDrawsWindow)
#include "tst_draws_window.moc"
