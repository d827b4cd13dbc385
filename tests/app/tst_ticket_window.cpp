#include "app/pages/DatenbankPage.h"
#include "app/pages/InternetPage.h"
#include "app/pages/LottotippPage.h"
#include "app/pages/TipBoard.h"
#include "draws/DateSerial.h"
#include "platform/ReportViewer.h"

#include "FakeDrawService.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QToolButton>

namespace {

// 01.05.2013, the last draw with the Zusatzzahl, and 04.05.2013, the first
// without, with the digit games.
std::vector<Draw> mayDraws()
{
    Draw saturday = makeDraw(QDate(2013, 5, 4), {5, 7, 11, 21, 22, 48}, 0, 8);
    saturday.spiel77 = {1, 2, 3, 4, 5, 6, 8};
    saturday.super6 = {9, 9, 9, 9, 9, 9};
    return {makeDraw(QDate(2013, 5, 1), {9, 12, 15, 16, 22, 28}, 5, 9), saturday};
}

} // namespace

class TicketWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rowClassBesideTheHits_data();
    void rowClassBesideTheHits();
    void invalidLosnummerIsSaidAndKept_data();
    void invalidLosnummerIsSaidAndKept();
    void ticketEditsRateWithoutTheSound();
    void summaryUnderTheBoard();
    void costWithTheFeeOfTheDrawDays();
    void runReportHasTheRunsDraws();
    void importedDrawOfTheRunIsAnnounced();
    void updatedDrawOfTheRunIsAnnounced();
    void saturdaysOnlyPresetsTheDays();

private:
    void chooseDate(const QDate& date);
    void setRow(int row, const QStringList& cells);
    // Types into the ticket number field and leaves it, as the user does.
    void typeLosnummer(const QString& number);
    void leaveLosnummer();
    TipBoard* board() const { return window_->tipBoard(); }
    LottotippPage* page() const { return window_->lottotippPage(); }
};

void TicketWindowTest::init()
{
    QVERIFY(setUp());
    window_ = makeWindow();
    window_->session().ratingOn = true;
}

void TicketWindowTest::cleanup()
{
    tearDown();
}

void TicketWindowTest::chooseDate(const QDate& date)
{
    control<QDateEdit>(QStringLiteral("DateTimePicker1"))->setDate(date);
    control<QToolButton>(QStringLiteral("SpeedButton5"))->click();
}

void TicketWindowTest::setRow(int row, const QStringList& cells)
{
    for (int k = 1; k <= 6; ++k)
        board()->setCellText(row, k, cells.value(k - 1));
}

void TicketWindowTest::typeLosnummer(const QString& number)
{
    auto* edit = control<QLineEdit>(QStringLiteral("LosnummerEdit"));
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClicks(edit, number);
    leaveLosnummer();
}

void TicketWindowTest::leaveLosnummer()
{
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(control<QLineEdit>(QStringLiteral("LosnummerEdit")), &leave);
}

void TicketWindowTest::rowClassBesideTheHits_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<QString>("losnummer");
    QTest::addColumn<QString>("classText");
    QTest::addColumn<QString>("hits");

    QTest::newRow("4 + SZ is class 5") << QDate(2013, 5, 4) << QStringList{"5", "7", "11", "21", "30", "40"}
                                       << "1234568" << "5" << "4";
    QTest::newRow("4 with another SZ is class 6")
        << QDate(2013, 5, 4) << QStringList{"5", "7", "11", "21", "30", "40"} << "1234563" << "6" << "4";
    QTest::newRow("2 + SZ is class 9") << QDate(2013, 5, 4) << QStringList{"1", "2", "3", "4", "5", "7"}
                                       << "1234568" << "9" << "2";
    QTest::newRow("5 + ZZ is class 3 of the older rules")
        << QDate(2013, 5, 1) << QStringList{"5", "9", "12", "15", "16", "22"} << "1234567" << "3" << "5 + B";
    QTest::newRow("nothing won, nothing marked")
        << QDate(2013, 5, 4) << QStringList{"1", "2", "3", "4", "6", "9"} << "1234568" << "" << "0";
}

void TicketWindowTest::rowClassBesideTheHits()
{
    QFETCH(QDate, date);
    QFETCH(QStringList, row);
    QFETCH(QString, losnummer);
    QFETCH(QString, classText);
    QFETCH(QString, hits);

    QVERIFY(writeDraws(mayDraws()));
    setRow(4, row);
    typeLosnummer(losnummer);
    chooseDate(date);

    QCOMPARE(board()->prizeClassText(4), classText);
    QCOMPARE(control<QLabel>(TipBoard::classLabelName(4))->text(), classText);
    QCOMPARE(board()->hitsText(4), hits);
    QCOMPARE(board()->hitsBold(4), !classText.isEmpty());
    QVERIFY(!board()->hitsBold(3));
    QVERIFY(dialogs_.messages.isEmpty());
}

// The sound is for the hits; typing the ticket number changes only the classes.
void TicketWindowTest::ticketEditsRateWithoutTheSound()
{
    QVERIFY(writeDraws(mayDraws()));
    chooseDate(QDate(2013, 5, 4));
    setRow(1, {"5", "7", "11", "21", "30", "40"});
    sound_.played.clear();

    typeLosnummer(QStringLiteral("1234568"));
    control<QCheckBox>(QStringLiteral("Spiel77Box"))->click();
    QCOMPARE(board()->prizeClassText(1), QStringLiteral("5"));
    QVERIFY(sound_.played.isEmpty());

    // Rating the draw again still sounds for the row's four hits.
    chooseDate(QDate(2013, 5, 4));
    QCOMPARE(sound_.played.size(), 1);
}

void TicketWindowTest::invalidLosnummerIsSaidAndKept_data()
{
    QTest::addColumn<QString>("number");
    QTest::newRow("six digits") << "123458";
    QTest::newRow("eight digits") << "12345678";
    QTest::newRow("a letter") << "123456a";
}

// Said when the user leaves the field; kept as typed; the rows are still
// rated, only without the classes that need the super number.
void TicketWindowTest::invalidLosnummerIsSaidAndKept()
{
    QFETCH(QString, number);
    QVERIFY(writeDraws(mayDraws()));
    chooseDate(QDate(2013, 5, 4));
    setRow(1, {"5", "7", "11", "21", "30", "40"});
    setRow(2, {"1", "2", "3", "4", "5", "7"});

    typeLosnummer(number);

    QCOMPARE(dialogs_.messages.size(), 1);
    QVERIFY2(dialogs_.messages.first().contains(QStringLiteral("„%1“").arg(number)),
             qPrintable(dialogs_.messages.first()));
    QCOMPARE(window_->session().ticket.number, number);
    QCOMPARE(control<QLineEdit>(QStringLiteral("LosnummerEdit"))->text(), number);
    QCOMPARE(board()->prizeClassText(1), QStringLiteral("6"));
    QCOMPARE(board()->prizeClassText(2), QString());
    QCOMPARE(board()->hitsText(2), QStringLiteral("2"));

    // Leaving the field again without a change says nothing more; a valid
    // number brings the super number classes back.
    leaveLosnummer();
    QCOMPARE(dialogs_.messages.size(), 1);
    typeLosnummer(QStringLiteral("1234568"));
    QCOMPARE(dialogs_.messages.size(), 1);
    QCOMPARE(board()->prizeClassText(1), QStringLiteral("5"));
    QCOMPARE(board()->prizeClassText(2), QStringLiteral("9"));
}

void TicketWindowTest::summaryUnderTheBoard()
{
    QVERIFY(writeDraws(mayDraws()));
    setRow(1, {"5", "7", "11", "21", "30", "40"});
    setRow(2, {"1", "2", "3", "4", "5", "7"});
    setRow(3, {"5", "7", "11", "21", "30", "41"});
    setRow(5, {"10", "20", "30", "40", "41", "42"});
    control<QCheckBox>(QStringLiteral("Spiel77Box"))->click();
    control<QCheckBox>(QStringLiteral("Super6Box"))->click();
    typeLosnummer(QStringLiteral("7654328"));
    chooseDate(QDate(2013, 5, 4));

    QCOMPARE(window_->session().ticket.spiel77, 1);
    QCOMPARE(window_->session().ticket.super6, 1);
    QStringList lines = page()->ticketSummary().split(u'\n');
    QCOMPARE(lines.mid(0, 2),
             (QStringList{"Gewinnklassen: Kl. 5 ×2, Kl. 9 ×1", "Spiel 77: Kl. 7, 5,00 € · Super 6: kein Gewinn"}));

    // The Wednesday before: the Zusatzzahl's rules, and no digit games stored.
    chooseDate(QDate(2013, 5, 1));
    lines = page()->ticketSummary().split(u'\n');
    QCOMPARE(lines.mid(0, 2), (QStringList{"Gewinnklassen: keine",
                                           "Spiel 77: Die Ziehung enthält keine Zahlen für dieses Spiel. · "
                                           "Super 6: Die Ziehung enthält keine Zahlen für dieses Spiel."}));

    // Before 22.05.1999: hits only, and the note why.
    QVERIFY(writeDraws({makeDraw(QDate(1998, 1, 3), {5, 7, 11, 21, 22, 48}, 9, 8)}));
    chooseDate(QDate(1998, 1, 3));
    QCOMPARE(board()->hitsText(1), QStringLiteral("4"));
    QCOMPARE(board()->prizeClassText(1), QString());
    QVERIFY2(page()->ticketSummary().startsWith(QStringLiteral("Für Ziehungen vor dem 22.05.1999")),
             qPrintable(page()->ticketSummary()));
}

// The stake's parts: the valid rows, the games played, and the fee of the
// field for the ticket's draw days.
void TicketWindowTest::costWithTheFeeOfTheDrawDays()
{
    QVERIFY(writeDraws(mayDraws()));
    control<QLineEdit>(QStringLiteral("Edit81"))->setText(QStringLiteral("0,50"));
    control<QLineEdit>(QStringLiteral("Edit82"))->setText(QStringLiteral("1,00"));
    for (int r = 1; r <= 12; ++r)
        setRow(r, {"1", "2", "3", "4", "5", QString::number(10 + r)});
    setRow(12, {"1", "2", "", "4", "5", "6"}); // not on the ticket
    control<QCheckBox>(QStringLiteral("Super6Box"))->click();
    control<QCheckBox>(QStringLiteral("SaturdayBox"))->setChecked(true);
    control<QCheckBox>(QStringLiteral("WednesdayBox"))->click();
    auto* weeks = control<QComboBox>(QStringLiteral("TicketWeeks"));
    weeks->setCurrentIndex(3);
    emit weeks->activated(3);
    chooseDate(QDate(2013, 5, 4));

    QCOMPARE(window_->session().ticket.days, 3);
    QCOMPARE(window_->session().ticket.weeks, 4);
    QStringList lines = page()->ticketSummary().split(u'\n');
    QCOMPARE(lines.mid(lines.size() - 2),
             (QStringList{"Einsatz je Ziehung: 11 Reihen × 1,20 € + 1,25 € (Super 6) = 14,45 €",
                          "Einsatz für 8 Ziehungen: 8 × 14,45 € + 1,00 € Gebühr = 116,60 €"}));

    // One draw day takes the other fee field; a fee that is no amount is
    // said, and the stake is counted without it.
    control<QCheckBox>(QStringLiteral("WednesdayBox"))->click();
    control<QLineEdit>(QStringLiteral("Edit81"))->setText(QStringLiteral("fünfzig"));
    window_->Komplettcheck();
    lines = page()->ticketSummary().split(u'\n');
    QCOMPARE(lines.mid(lines.size() - 3),
             (QStringList{"Die Gebühr „fünfzig“ ist kein Betrag; der Einsatz ist ohne Gebühr gerechnet.",
                          "Einsatz je Ziehung: 11 Reihen × 1,20 € + 1,25 € (Super 6) = 14,45 €",
                          "Einsatz für 4 Ziehungen: 4 × 14,45 € + 0,00 € Gebühr = 57,80 €"}));

    // The last draw day left cannot be taken away.
    control<QCheckBox>(QStringLiteral("SaturdayBox"))->click();
    QVERIFY(control<QCheckBox>(QStringLiteral("SaturdayBox"))->isChecked());
    QCOMPARE(window_->session().ticket.days, 1);
}

// 12 rows for 4 weeks on Wednesday and Saturday: the report names exactly
// those 8 stored draws, written to a file and shown in the report viewer.
void TicketWindowTest::runReportHasTheRunsDraws()
{
    std::vector<Draw> draws;
    const QDate first(2020, 12, 2); // a Wednesday
    for (QDate day = first.addDays(-14); day <= first.addDays(42); day = day.addDays(1))
        if (day.dayOfWeek() == Qt::Wednesday || day.dayOfWeek() == Qt::Saturday)
            draws.push_back(makeDraw(day, {1, 2, 3, 4, 5, 6}, 0, 1));
    QVERIFY(writeDraws(draws));
    for (int r = 1; r <= 12; ++r)
        setRow(r, {"1", "2", "3", QString::number(10 + r), "30", "40"});
    typeLosnummer(QStringLiteral("1234561"));
    control<QCheckBox>(QStringLiteral("WednesdayBox"))->click();
    control<QDateEdit>(QStringLiteral("TicketFirstDate"))->setDate(first);
    auto* weeks = control<QComboBox>(QStringLiteral("TicketWeeks"));
    weeks->setCurrentIndex(3);
    emit weeks->activated(3);

    control<QToolButton>(QStringLiteral("TicketRunButton"))->click();

    QCOMPARE(shownReports(), QStringList{home_ + QStringLiteral("Schein.txt")});
    QFile file(home_ + QStringLiteral("Schein.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.first(), QStringLiteral("Schein mit 12 Reihen, Losnummer 1234561, ab 02.12.2020, "
                                           "Mittwoch + Samstag, 4 Wochen"));
    QStringList expected;
    for (QDate day = first; day < first.addDays(28); day = day.addDays(1))
        if (day.dayOfWeek() == Qt::Wednesday || day.dayOfWeek() == Qt::Saturday)
            expected << day.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(": Gewinnklassen: Kl. 7 ×12");
    QCOMPARE(expected.size(), 8);
    QCOMPARE(lines.mid(2, 8), expected);
    QCOMPARE(lines.at(10), QString());
}

// A draw of the running ticket that an import brings is rated and said in
// the status bar without a question; one outside the run is not.
void TicketWindowTest::importedDrawOfTheRunIsAnnounced()
{
    QVERIFY(writeDraws({makeDraw(QDate(2020, 12, 2), {1, 2, 3, 4, 5, 6}, 0, 1)}));
    setRow(1, {"1", "2", "3", "4", "30", "40"});
    typeLosnummer(QStringLiteral("0000004"));
    control<QDateEdit>(QStringLiteral("TicketFirstDate"))->setDate(QDate(2020, 12, 5));
    chooseDate(QDate(2020, 12, 2)); // what is stored now is no news
    QVERIFY(window_->notice().isEmpty());

    QFile csv(dir_->filePath(QStringLiteral("new.csv")));
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("2020-12-05,1,2,3,4,5,6,,4\n"   // in the run (a Saturday)
              "2020-12-09,1,2,3,4,5,6,,4\n"); // a Wednesday: not played
    csv.close();
    window_->importDraws(csv.fileName());

    QCOMPARE(window_->notice(), QStringLiteral("Schein, Ziehung vom 05.12.2020: Gewinnklassen: Kl. 5 ×1"));
    QCOMPARE(dialogs_.messages.size(), 1); // the import's own report, nothing else

    // Rated again with nothing new: nothing to say.
    window_->clearNotice();
    chooseDate(QDate(2020, 12, 9));
    QVERIFY(window_->notice().isEmpty());
}

// The same after an update: in the status bar, never in a box.
void TicketWindowTest::updatedDrawOfTheRunIsAnnounced()
{
    FakeDrawService service;
    QVERIFY(service.listen());
    QDate saturday = QDate::currentDate().addDays(-1);
    while (saturday.dayOfWeek() != Qt::Saturday)
        saturday = saturday.addDays(-1);
    QVERIFY(writeDraws({makeDraw(saturday.addDays(-3), {7, 8, 9, 10, 11, 12}, 0, 5)}));
    window_ = makeWindow();
    showWindow();
    window_->internetPage()->setServiceUrl(service.address());
    service.byDay.insert(saturday.toString(QStringLiteral("yyyyMMdd")),
                         FakeDrawService::ok("x,1,2,3,4,5,6,0;"));
    setRow(1, {"1", "2", "3", "4", "30", "40"});
    typeLosnummer(QStringLiteral("1234560")); // the record keeps 0 as the super number
    control<QCheckBox>(QStringLiteral("SaturdayBox"))->setChecked(true);
    if (control<QCheckBox>(QStringLiteral("WednesdayBox"))->isChecked())
        control<QCheckBox>(QStringLiteral("WednesdayBox"))->click();
    control<QDateEdit>(QStringLiteral("TicketFirstDate"))->setDate(saturday);
    dialogs_.messages.clear();

    QTest::mouseClick(window_->datenbankPage()->updateButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window_->isBusy(), 20000);

    QCOMPARE(window_->notice(), QStringLiteral("Schein, Ziehung vom %1: Gewinnklassen: Kl. 5 ×1")
                                    .arg(saturday.toString(QStringLiteral("dd.MM.yyyy"))));
    QCOMPARE(dialogs_.messages, QStringList());
}

// "Ich spiele nur Samstags": a ticket without stored days starts as a
// Saturday ticket, and ticking it makes the ticket one.
void TicketWindowTest::saturdaysOnlyPresetsTheDays()
{
    {
        QSettings settings(settingsPath_, QSettings::IniFormat);
        settings.setValue(QStringLiteral("Chekcbox32"), true);
    }
    showWindow();
    QCOMPARE(window_->session().ticket.days, 1);
    QVERIFY(control<QCheckBox>(QStringLiteral("SaturdayBox"))->isChecked());
    QVERIFY(!control<QCheckBox>(QStringLiteral("WednesdayBox"))->isChecked());
    QCOMPARE(window_->session().ticket.firstDate, DateSerial::today());

    control<QCheckBox>(QStringLiteral("WednesdayBox"))->click();
    control<QCheckBox>(QStringLiteral("SaturdayBox"))->click();
    QCOMPARE(window_->session().ticket.days, 2);
    auto* saturdaysOnly = control<QCheckBox>(QStringLiteral("CheckBox32"));
    saturdaysOnly->click(); // off: the ticket stays as it is
    QCOMPARE(window_->session().ticket.days, 2);
    saturdaysOnly->click();
    QCOMPARE(window_->session().ticket.days, 1);
    QVERIFY(control<QCheckBox>(QStringLiteral("SaturdayBox"))->isChecked());
    QVERIFY(!control<QCheckBox>(QStringLiteral("WednesdayBox"))->isChecked());
}

QTEST_MAIN(TicketWindowTest)
#include "tst_ticket_window.moc"
