#include "app/pages/BerechnungPage.h"
#include "app/pages/FilterCountLine.h"
#include "platform/UpDown.h"
#include "text/Languages.h"
#include "text/TextTable.h"

#include "WindowFixture.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {

// One stored draw for each filter to single out, and a damaged record that
// counts in neither figure.
std::vector<Draw> fixtureDraws()
{
    return {makeDraw(QDate(2020, 12, 5), {13, 2, 3, 5, 7, 11}, 17),      // six primes, pair 2 3
            makeDraw(QDate(2020, 12, 9), {2, 4, 6, 8, 10, 12}, 1),       // six even
            makeDraw(QDate(2020, 12, 12), {1, 3, 5, 7, 9, 11}, 2),       // six odd
            makeDraw(QDate(2020, 12, 16), {20, 21, 22, 30, 40, 49}, 3),  // run of three
            makeDraw(QDate(2020, 12, 19), {5, 5, 6, 7, 8, 9}, 4)};       // damaged
}

// A control change as the user makes it: a check box or a spin field by name.
struct Change {
    QString control;
    int value;
};
using Changes = QList<Change>;

QString line(const QString& rows, const QString& rowShare, const QString& draws, const QString& drawShare)
{
    return QStringLiteral("Die Filter lassen %1 von 13.983.816 möglichen Reihen zu (%2 %). %3 der 4 "
                          "gespeicherten Ziehungen hätten sie bestanden (%4 %).")
        .arg(rows, rowShare, draws, drawShare);
}

} // namespace

Q_DECLARE_METATYPE(Changes)
Q_DECLARE_METATYPE(std::optional<DrawPassCount>)

class FilterCountWindowTest : public QObject, private WindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void followsTheRowFilterControls_data();
    void followsTheRowFilterControls();
    void staleCountsNeverOverwriteTheLatest();
    void ratingAfterADatabaseChangeRecountsTheDraws();
    void showingThePageRecountsTheDraws();
    void texts_data();
    void texts();

private:
    void apply(const Changes& changes);
    FilterCountLine* filterLine() const { return window_->berechnungPage()->filterCountLine(); }
};

void FilterCountWindowTest::init()
{
    QVERIFY(setUp());
    QVERIFY(writeDraws(fixtureDraws()));
    window_ = makeWindow(); // never shown: no start-up sequence
    control<QToolButton>(QStringLiteral("SpeedButton5"))->click();
    // Nothing filtered to begin with.
    apply({{"UpDown1", 21}, {"UpDown2", 279}, {"CheckBox18", 0}});
    QTRY_COMPARE(filterLine()->text(), line("13.983.816", "100,0", "4", "100,0"));
}

void FilterCountWindowTest::cleanup()
{
    tearDown();
}

void FilterCountWindowTest::apply(const Changes& changes)
{
    for (const Change& change : changes) {
        if (change.control.startsWith(QLatin1String("CheckBox")))
            control<QCheckBox>(change.control)->setChecked(change.value != 0);
        else
            control<UpDown>(change.control)->setPosition(change.value);
    }
}

void FilterCountWindowTest::followsTheRowFilterControls_data()
{
    QTest::addColumn<Changes>("changes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("cross sum exactly 21")
        << Changes{{"UpDown2", 21}} << line("1", "0,0", "0", "0,0");
    QTest::newRow("cross sum 279 without runs")
        << Changes{{"UpDown1", 279}, {"CheckBox18", 1}} << line("0", "0,0", "0", "0,0");
    QTest::newRow("six primes") << Changes{{"CheckBox22", 1}, {"UpDown10", 6}}
                                << line("5.005", "0,0", "1", "25,0");
    QTest::newRow("six even") << Changes{{"UpDown16", 0}, {"UpDown15", 6}, {"CheckBox25", 1}}
                              << line("134.596", "1,0", "1", "25,0");
    QTest::newRow("six odd") << Changes{{"UpDown15", 0}, {"UpDown16", 6}, {"CheckBox26", 1}}
                             << line("177.100", "1,3", "1", "25,0");
    QTest::newRow("pair required") << Changes{{"CheckBox8", 1}} << line("6.924.764", "49,5", "2", "50,0");
    QTest::newRow("a minimum whose box is off")
        << Changes{{"UpDown10", 6}, {"CheckBox22", 0}} << line("13.983.816", "100,0", "4", "100,0");
}

void FilterCountWindowTest::followsTheRowFilterControls()
{
    QFETCH(Changes, changes);
    QFETCH(QString, expected);
    apply(changes);
    QTRY_COMPARE(filterLine()->text(), expected);
}

void FilterCountWindowTest::staleCountsNeverOverwriteTheLatest()
{
    // Many changes, some while counts are running: only the last settings
    // may end up on the line, and no late result may replace them.
    auto* highest = control<UpDown>(QStringLiteral("UpDown2"));
    for (int sum = 279; sum >= 22; sum -= 7) {
        highest->setPosition(sum);
        if (sum % 2 == 0)
            QCoreApplication::processEvents();
    }
    highest->setPosition(21);
    const QString expected = line("1", "0,0", "0", "0,0");
    QTRY_COMPARE(filterLine()->text(), expected);
    QSignalSpy updated(filterLine(), &FilterCountLine::updated);
    QTest::qWait(300);
    QCOMPARE(filterLine()->text(), expected);
    QCOMPARE(updated.count(), 0);
}

void FilterCountWindowTest::ratingAfterADatabaseChangeRecountsTheDraws()
{
    // Entries, updates and imports all end by rating against the current
    // draw; that is where the line learns of the new draws.
    std::vector<Draw> draws = fixtureDraws();
    draws.push_back(makeDraw(QDate(2020, 12, 23), {1, 2, 10, 20, 30, 40}, 5));
    QVERIFY(writeDraws(draws));
    control<QToolButton>(QStringLiteral("SpeedButton5"))->click();
    QTRY_COMPARE(filterLine()->text(),
                 QStringLiteral("Die Filter lassen 13.983.816 von 13.983.816 möglichen Reihen zu "
                                "(100,0 %). 5 der 5 gespeicherten Ziehungen hätten sie bestanden "
                                "(100,0 %)."));
}

void FilterCountWindowTest::showingThePageRecountsTheDraws()
{
    BerechnungPage page;
    page.drawsChanged(databasePath());
    FilterCountLine* line = page.filterCountLine();
    // With the design defaults (sums 50..250, no runs) no fixture draw passes.
    QTRY_VERIFY(line->text().contains(QStringLiteral("0 der 4 gespeicherten Ziehungen")));
    QVERIFY(writeDraws({makeDraw(QDate(2021, 1, 2), {1, 2, 10, 20, 30, 40}, 5)}));
    page.show();
    QTRY_VERIFY(line->text().contains(QStringLiteral("1 der 1 gespeicherten Ziehungen")));
}

void FilterCountWindowTest::texts_data()
{
    QTest::addColumn<qint64>("rows");
    QTest::addColumn<std::optional<DrawPassCount>>("draws");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QLocale>("numbers");
    QTest::addColumn<QString>("expected");
    const QLocale german(QLocale::German, QLocale::Germany);
    const QString rows = QStringLiteral("Die Filter lassen 8.231.004 von 13.983.816 möglichen Reihen zu (58,9 %).");
    QTest::newRow("rows and draws")
        << qint64(8231004) << std::optional(DrawPassCount{2911, 5040}) << QString() << german
        << rows + QStringLiteral(" 2.911 der 5.040 gespeicherten Ziehungen hätten sie bestanden (57,8 %).");
    // The sentences stay those of the table; the separators are the language's.
    QTest::newRow("English separators")
        << qint64(8231004) << std::optional(DrawPassCount{2911, 5040}) << QString() << Languages::locale(QStringLiteral("en"))
        << QStringLiteral("Die Filter lassen 8,231,004 von 13,983,816 möglichen Reihen zu (58.9 %). "
                          "2,911 der 5,040 gespeicherten Ziehungen hätten sie bestanden (57.8 %).");
    QTest::newRow("no database yet") << qint64(8231004) << std::optional<DrawPassCount>() << QString() << german << rows;
    QTest::newRow("no draws stored")
        << qint64(8231004) << std::optional(DrawPassCount{0, 0}) << QString() << german
        << rows + QStringLiteral(" Es sind noch keine Ziehungen gespeichert.");
    QTest::newRow("database unreadable")
        << qint64(8231004) << std::optional<DrawPassCount>() << QStringLiteral("Permission denied") << german
        << rows + QStringLiteral(" Die gespeicherten Ziehungen konnten nicht gelesen werden: Permission denied");
}

void FilterCountWindowTest::texts()
{
    QFETCH(qint64, rows);
    QFETCH(std::optional<DrawPassCount>, draws);
    QFETCH(QString, error);
    QFETCH(QLocale, numbers);
    QFETCH(QString, expected);
    QCOMPARE(FilterCountLine::describe(FilterCountTexts::from(TextTable(), numbers), rows, draws, error), expected);
}

QTEST_MAIN(FilterCountWindowTest)
#include "tst_filtercount_window.moc"
