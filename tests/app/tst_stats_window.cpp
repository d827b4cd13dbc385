#include "WindowFixture.h"
#include "app/pages/DatenbankPage.h"
#include "app/pages/DiagrammPage.h"
#include "app/pages/LottotippPage.h"
#include "app/pages/TipBoard.h"
#include "draws/DateSerial.h"
#include "platform/Chart1.h"

#include <QAction>
#include <QChart>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QChartView>
#include <QFile>
#include <QTabWidget>
#include <QTest>
#include <QValueAxis>

// The chart controls of the window, driven as a user would: which control
// starts which chart, what lands in the chart, where the window ends up.
// The counting itself is covered where the statistics live.
class StatsWindowTest : public QObject, private WindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void chartControls_data();
    void chartControls();
    void singleDrawThroughTheWindow();
    void emptySelection_data();
    void emptySelection();
    void superNumbersNeverBeforeAugust1995();
    void tipDistributionFromTheBoard();
    void countsLeaveTheLastSelectedDraw_data();
    void countsLeaveTheLastSelectedDraw();
    void captionsFollowTheTextTable();
    void missingDatabase_data();
    void missingDatabase();
    void chartCanBeKept();

private:
    void useDraws(const std::vector<Draw>& draws);
    void setWindow(const QDate& start, const QDate& end);
    void click(const QString& name);
    QWidget* pageOf(const QString& name) const;
    Chart1& chart() const { return *window_->chart(); }
    double drawnAxisSpan() const;
};

namespace {

const QString kOverdueCaption =
    QStringLiteral("Welche Zahl ist überfällig, wurde also seit wievielen Ziehungen nicht gezogen?");
const QString kSuperCaption = QStringLiteral("Welche Superzahl wurde am längsten nicht gezogen?");

const QDate kStart(2020, 1, 1);
const QDate kEnd(2020, 12, 31);

// Before the window, on its start date, two inside, one after its end.
std::vector<Draw> smallHistory()
{
    return {
        makeDraw(QDate(2019, 12, 28), {40, 41, 42, 43, 44, 45}, 46, 9),
        makeDraw(kStart, {1, 2, 3, 4, 5, 6}, 7, 3),
        makeDraw(QDate(2020, 1, 4), {5, 6, 7, 8, 20, 40}, 41, 1),
        makeDraw(QDate(2020, 1, 8), {2, 3, 5, 7, 11, 13}, 17, 1),
        makeDraw(QDate(2021, 1, 2), {10, 11, 12, 13, 14, 15}, 16, 2),
    };
}

bool isPrime(int n)
{
    for (int p : {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47})
        if (n == p)
            return true;
    return false;
}

} // namespace

void StatsWindowTest::init()
{
    QVERIFY(setUp());
    useDraws(smallHistory());
    window_ = makeWindow();
    showWindow();
    dialogs_.messages.clear();
    setWindow(kStart, kEnd);
}

void StatsWindowTest::cleanup()
{
    tearDown();
}

void StatsWindowTest::useDraws(const std::vector<Draw>& draws)
{
    QVERIFY(writeDraws(draws));
}

void StatsWindowTest::setWindow(const QDate& start, const QDate& end)
{
    window_->diagrammPage()->setStartDate(start);
    window_->datenbankPage()->setEndDate(end);
}

// Brings the control's tab (and sub-tab) to the front first, as a user must.
void StatsWindowTest::click(const QString& name)
{
    QWidget* control = window_->PageControl1->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    for (QWidget* page = control; page; page = page->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(page->parentWidget() ? page->parentWidget()->parentWidget() : nullptr);
            tabs && tabs->indexOf(page) >= 0)
            tabs->setCurrentWidget(page);
    QTest::mouseClick(control, Qt::LeftButton);
}

QWidget* StatsWindowTest::pageOf(const QString& name) const
{
    QWidget* control = window_->PageControl1->findChild<QWidget*>(name);
    for (QWidget* page = control; page; page = page->parentWidget())
        if (window_->PageControl1->indexOf(page) >= 0)
            return page;
    return nullptr;
}

// The value axis as drawn, which must never collapse to nothing.
double StatsWindowTest::drawnAxisSpan() const
{
    chart().refresh();
    auto* view = chart().findChild<QChartView*>(QStringLiteral("Chart1View"));
    const auto axes = view->chart()->axes(Qt::Vertical);
    auto* axis = axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.first());
    return axis ? axis->max() - axis->min() : 0.0;
}

void StatsWindowTest::chartControls_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("barCount");
    QTest::addColumn<double>("firstX");
    QTest::addColumn<QList<QPointF>>("probes"); // (x, y) of single bars
    QTest::addColumn<bool>("primeColours");
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<double>("axisMin");
    QTest::addColumn<double>("axisMax");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("toDiagramm");

    // The draw on the start date counts here only: 1 is in it alone, 7 is
    // its bonus. Average cross sum (21 + 86 + 41) / 3 = 49.3.
    const QList<QPointF> distribution{{1, 1}, {5, 3}, {7, 3}, {40, 1}, {41, 1}, {49, 0}};
    const QString distributionCaption =
        QStringLiteral("Zahlenverteilung     Ziehungen: 3    Quersumme: 49");
    for (const char* control : {"SpeedButton200", "SpeedButton26"})
        QTest::newRow(control) << control << 49 << 1.0 << distribution << true << false << 0.0
                               << 3.0 << distributionCaption << false;

    // 1 was drawn only on the start date, so it counts as never drawn.
    const QList<QPointF> overdue{{1, 3}, {2, 1}, {17, 1}, {6, 2}, {41, 2}, {49, 3}};
    for (const char* control : {"SpeedButton9", "Button5", "SpeedButton22"})
        QTest::newRow(control) << control << 49 << 1.0 << overdue << true << false << 1.0 << 3.0
                               << kOverdueCaption << true;

    // Sums 86 and 41; the average 63.5 rounds to the even 64.
    const QList<QPointF> crossSums{{41, 1}, {42, 0}, {86, 1}};
    const QString crossCaption =
        QStringLiteral("Quersummenverteilung     Ziehungen: 2    Quersumme: 64");
    QTest::newRow("SpeedButton900") << "SpeedButton900" << 46 << 41.0 << crossSums << false << true
                                    << 0.0 << 1.0 << crossCaption << false;
    for (const char* control : {"SpeedButton17", "Label88"})
        QTest::newRow(control) << control << 46 << 41.0 << crossSums << false << true << 0.0 << 1.0
                               << crossCaption << true;

    QTest::newRow("Button8") << "Button8" << 10 << 0.0
                             << QList<QPointF>{{0, 2}, {1, 1}, {3, 2}, {9, 2}} << false << false
                             << 1.0 << 2.0 << kSuperCaption << true;

    const QList<QPointF> pairs{{1, 0}, {2, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 0}, {48, 0}};
    for (const char* control : {"Button2", "SpeedButton1", "SpeedButton21", "SpeedButton23", "Label89"})
        QTest::newRow(control) << control << 48 << 1.0 << pairs << false << false << 0.0 << 1.0
                               << QStringLiteral("Ziehungen: 2     Paare gefunden : 4") << true;
    const QList<QPointF> triples{{2, 0}, {5, 1}, {6, 1}, {7, 0}, {47, 0}};
    for (const char* control : {"Button3", "SpeedButton3", "SpeedButton27", "SpeedButton24", "Label91"})
        QTest::newRow(control) << control << 47 << 1.0 << triples << false << false << 0.0 << 1.0
                               << QStringLiteral("Ziehungen: 2     Dreier gefunden : 2") << true;
    const QList<QPointF> quads{{5, 1}, {6, 0}, {49, 0}};
    for (const char* control : {"Button4", "SpeedButton2", "SpeedButton28", "SpeedButton25", "Label90"})
        QTest::newRow(control) << control << 49 << 1.0 << quads << false << true << 0.0 << 1.0
                               << QStringLiteral("Ziehungen: 2     Vierer gefunden : 1") << true;

    // 5, 6, 7, 8, 20, 40 holds 2 primes, 2 odd, 4 even numbers;
    // 2, 3, 5, 7, 11, 13 holds 6 primes, 5 odd, 1 even.
    for (const char* control : {"Button9", "SpeedButton29"})
        QTest::newRow(control)
            << control << 7 << 0.0 << QList<QPointF>{{0, 0}, {2, 1}, {6, 1}} << false << false << 0.0
            << 1.0 << QStringLiteral("Anzahl der Primzahlen pro Tipp bei 2 Ziehungen. 67% waren Primzahlen.")
            << true;
    for (const char* control : {"Button10", "SpeedButton32"})
        QTest::newRow(control)
            << control << 7 << 0.0 << QList<QPointF>{{2, 1}, {5, 1}, {6, 0}} << false << false << 0.0
            << 1.0
            << QStringLiteral("Anzahl der ungeraden Zahlen pro Tipp bei 2 Ziehungen.  58% waren Ungerade.")
            << true;
    for (const char* control : {"Button11", "SpeedButton31"})
        QTest::newRow(control)
            << control << 7 << 0.0 << QList<QPointF>{{1, 1}, {4, 1}, {0, 0}} << false << false << 0.0
            << 1.0
            << QStringLiteral("Anzahl der geraden Zahlen pro Tipp bei 2 Ziehungen.  42% waren Gerade.")
            << true;
}

void StatsWindowTest::chartControls()
{
    QFETCH(QString, control);
    QFETCH(int, barCount);
    QFETCH(double, firstX);
    QFETCH(QList<QPointF>, probes);
    QFETCH(bool, primeColours);
    QFETCH(bool, automatic);
    QFETCH(double, axisMin);
    QFETCH(double, axisMax);
    QFETCH(QString, caption);
    QFETCH(bool, toDiagramm);

    // Something stale in the other series, which must not show.
    chart().setBars(Chart1::Series1, {{1, 99, QColor()}});
    click(control);

    QVERIFY(dialogs_.messages.isEmpty());
    QVERIFY(chart().isActive(Chart1::Series2));
    QVERIFY(!chart().isActive(Chart1::Series1));
    const QVector<ChartBar>& bars = chart().bars(Chart1::Series2);
    QCOMPARE(bars.size(), barCount);
    for (int i = 0; i < bars.size(); ++i)
        QCOMPARE(bars[i].x, firstX + i);
    for (const QPointF& probe : probes)
        QCOMPARE(bars[int(probe.x() - firstX)].y, probe.y());
    for (const ChartBar& bar : bars) {
        const QColor expected = !primeColours ? chart().seriesColor(Chart1::Series2)
                                : isPrime(int(bar.x)) ? QColor(255, 0, 0)
                                                      : QColor(0, 128, 0);
        QCOMPARE(bar.color, expected);
    }
    QCOMPARE(chart().leftAxisAutomatic(), automatic);
    QCOMPARE(chart().leftMinimum(), axisMin);
    QCOMPARE(chart().leftMaximum(), axisMax);
    QCOMPARE(chart().bottomCaption(), caption);
    QCOMPARE(window_->PageControl1->currentWidget(),
             toDiagramm ? static_cast<QWidget*>(window_->diagrammPage()) : pageOf(control));
    QCOMPARE(window_->session().workingDate, DateSerial::fromDate(kStart));
    QCOMPARE(window_->session().windowEnd, DateSerial::fromDate(kEnd));
}

void StatsWindowTest::singleDrawThroughTheWindow()
{
    useDraws({makeDraw(QDate(2020, 3, 14), {1, 2, 3, 4, 5, 6}, 7)});

    click(QStringLiteral("SpeedButton200"));
    const QVector<ChartBar> distribution = chart().bars(Chart1::Series2);
    click(QStringLiteral("SpeedButton9"));
    const QVector<ChartBar> overdue = chart().bars(Chart1::Series2);

    QCOMPARE(distribution.size(), 49);
    QCOMPARE(overdue.size(), 49);
    for (int n = 1; n <= 49; ++n) {
        QCOMPARE(distribution[n - 1].y, n <= 7 ? 1.0 : 0.0);
        QCOMPARE(overdue[n - 1].y, n <= 7 ? 1.0 : 2.0);
    }
    click(QStringLiteral("SpeedButton200"));
    QCOMPARE(chart().bottomCaption(), QStringLiteral("Zahlenverteilung     Ziehungen: 1    Quersumme: 21"));
}

void StatsWindowTest::emptySelection_data()
{
    QTest::addColumn<bool>("weekdays");  // false: both weekday boxes cleared
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("barCount");
    QTest::addColumn<double>("barValue"); // every bar; -1: not all equal
    QTest::addColumn<QString>("caption");

    // Only the draw on the start date is stored: the distribution alone counts it.
    QTest::newRow("start date: distribution") << true << "SpeedButton200" << 49 << -1.0
        << QStringLiteral("Zahlenverteilung     Ziehungen: 1    Quersumme: 21");
    QTest::newRow("start date: overdue") << true << "SpeedButton9" << 49 << 1.0 << kOverdueCaption;
    QTest::newRow("start date: cross sums") << true << "SpeedButton900" << 0 << 0.0
        << QStringLiteral("Quersummenverteilung     Ziehungen: 0    Quersumme: 0");
    QTest::newRow("start date: super number") << true << "Button8" << 10 << 0.0 << kSuperCaption;
    QTest::newRow("start date: pairs") << true << "Button2" << 48 << 0.0
        << QStringLiteral("Ziehungen: 0     Paare gefunden : 0");
    QTest::newRow("start date: primes") << true << "Button9" << 7 << 0.0
        << QStringLiteral("Anzahl der Primzahlen pro Tipp bei 0 Ziehungen. 0% waren Primzahlen.");

    QTest::newRow("no weekday: distribution") << false << "SpeedButton200" << 49 << 0.0
        << QStringLiteral("Zahlenverteilung     Ziehungen: 0    Quersumme: 0");
    QTest::newRow("no weekday: overdue") << false << "SpeedButton9" << 49 << 1.0 << kOverdueCaption;
    QTest::newRow("no weekday: triples") << false << "Button3" << 47 << 0.0
        << QStringLiteral("Ziehungen: 0     Dreier gefunden : 0");
    QTest::newRow("no weekday: quads") << false << "Button4" << 49 << 0.0
        << QStringLiteral("Ziehungen: 0     Vierer gefunden : 0");
    QTest::newRow("no weekday: even") << false << "Button11" << 7 << 0.0
        << QStringLiteral("Anzahl der geraden Zahlen pro Tipp bei 0 Ziehungen.  0% waren Gerade.");
}

void StatsWindowTest::emptySelection()
{
    QFETCH(bool, weekdays);
    QFETCH(QString, control);
    QFETCH(int, barCount);
    QFETCH(double, barValue);
    QFETCH(QString, caption);

    if (weekdays) {
        useDraws({makeDraw(kStart, {1, 2, 3, 4, 5, 6}, 7, 4)});
    } else {
        window_->datenbankPage()->setSaturdays(false);
        window_->datenbankPage()->setWednesdays(false);
    }
    click(control);

    QVERIFY(dialogs_.messages.isEmpty());
    const QVector<ChartBar>& bars = chart().bars(Chart1::Series2);
    QCOMPARE(bars.size(), barCount);
    if (barValue >= 0)
        for (const ChartBar& bar : bars)
            QCOMPARE(bar.y, barValue);
    QCOMPARE(chart().bottomCaption(), caption);
    QVERIFY(drawnAxisSpan() > 0.0);
}

void StatsWindowTest::superNumbersNeverBeforeAugust1995()
{
    useDraws({
        makeDraw(QDate(1995, 7, 29), {1, 2, 3, 4, 5, 6}, 7, 5),
        makeDraw(QDate(1995, 8, 5), {1, 2, 3, 4, 5, 6}, 7, 8),
        makeDraw(QDate(1995, 8, 9), {1, 2, 3, 4, 5, 6}, 7, 2),
    });
    setWindow(QDate(1994, 11, 19), kEnd);

    click(QStringLiteral("Button8"));

    const QVector<ChartBar>& bars = chart().bars(Chart1::Series2);
    QCOMPARE(bars.size(), 10);
    for (int digit = 0; digit <= 9; ++digit)
        QCOMPARE(bars[digit].y, digit == 2 ? 1.0 : 2.0); // two draws count, not three
    QCOMPARE(window_->session().workingDate, DateSerial::fromDate(QDate(1995, 8, 1)));
}

void StatsWindowTest::tipDistributionFromTheBoard()
{
    TipBoard* board = window_->tipBoard();
    const int rows[3][6] = {{2, 3, 4, 5, 6, 7}, {3, 4, 10, 20, 30, 49}, {1, 1, 1, 1, 1, 1}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 6; ++c)
            board->setCellText(r + 1, c + 1, QString::number(rows[r][c]));
    // Row 3 stays empty, which ends the reading: row 4 does not count.
    for (int c = 0; c < 6; ++c)
        board->setCellText(4, c + 1, QString::number(rows[2][c]));
    QFile::remove(databasePath()); // reads no draws at all

    click(QStringLiteral("Button6"));

    QVERIFY(dialogs_.messages.isEmpty());
    const QVector<ChartBar>& bars = chart().bars(Chart1::Series2);
    QCOMPARE(bars.size(), 49);
    const QList<QPointF> probes{{1, 0}, {2, 1}, {3, 2}, {4, 2}, {10, 1}, {49, 1}, {48, 0}};
    for (const QPointF& probe : probes)
        QCOMPARE(bars[int(probe.x()) - 1].y, probe.y());
    QCOMPARE(bars[2].color, QColor(255, 0, 0));
    QCOMPARE(bars[3].color, QColor(0, 128, 0));
    QVERIFY(!chart().leftAxisAutomatic());
    QCOMPARE(chart().leftMinimum(), 0.0);
    QCOMPARE(chart().leftMaximum(), 2.0);
    QCOMPARE(chart().bottomCaption(), QStringLiteral("Zahlenverteilung des Tippes"));
    QCOMPARE(window_->PageControl1->currentWidget(), window_->diagrammPage());
}

void StatsWindowTest::countsLeaveTheLastSelectedDraw_data()
{
    QTest::addColumn<QString>("control");
    for (const char* control : {"Button2", "Button3", "Button4", "Button9", "Button10", "Button11"})
        QTest::newRow(control) << control;
}

void StatsWindowTest::countsLeaveTheLastSelectedDraw()
{
    QFETCH(QString, control);
    // The window ends before the latest stored draw.
    setWindow(kStart, QDate(2020, 1, 5));
    window_->session().numbers = {0, 40, 41, 42, 43, 44, 45, 46, 9};
    window_->datenbankPage()->setDrawLine(QStringLiteral("shown draw"));
    window_->lottotippPage()->setDrawLine(QStringLiteral("shown draw"));

    click(control);

    const std::array<qint32, 9> lastSelected{0, 5, 6, 7, 8, 20, 40, 41, 1};
    QCOMPARE(window_->session().numbers, lastSelected);
    QCOMPARE(window_->datenbankPage()->drawLine(), QStringLiteral("shown draw"));
    QCOMPARE(window_->lottotippPage()->drawLine(), QStringLiteral("shown draw"));

    // A rating after the count compares against that draw.
    window_->Zettelcheck(QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
                         QStringLiteral("8"), QStringLiteral("20"), QStringLiteral("41"));
    QCOMPARE(int(window_->session().lastRating.gewinn), 5);
    QVERIFY(window_->session().lastRating.zusatz);
}

void StatsWindowTest::captionsFollowTheTextTable()
{
    QStringList lines = window_->textTable.lines();
    lines[1] = QStringLiteral("Draws");
    lines[9] = QStringLiteral("Pairs");
    lines[10] = QStringLiteral("found");
    window_->textTable.setLines(lines);

    click(QStringLiteral("Button2"));

    QCOMPARE(chart().bottomCaption(), QStringLiteral("Draws: 2     Pairs found : 4"));
}

void StatsWindowTest::missingDatabase_data()
{
    QTest::addColumn<QString>("control");
    for (const char* control : {"SpeedButton200", "SpeedButton9", "SpeedButton900", "Button8",
                                "Button2", "Button3", "Button4", "Button9", "Button10", "Button11"})
        QTest::newRow(control) << control;
}

void StatsWindowTest::missingDatabase()
{
    QFETCH(QString, control);
    QFile::remove(databasePath());
    const QVector<ChartBar> before{{1, 4, QColor(1, 2, 3)}};
    chart().setBars(Chart1::Series2, before);
    chart().setBottomCaption(QStringLiteral("before"));
    const auto zahl = window_->session().numbers;

    click(control);

    QCOMPARE(dialogs_.messages.size(), 1);
    QVERIFY(!dialogs_.messages.first().isEmpty());
    QCOMPARE(chart().bars(Chart1::Series2).size(), 1);
    QCOMPARE(chart().bars(Chart1::Series2).first().y, 4.0);
    QCOMPARE(chart().bottomCaption(), QStringLiteral("before"));
    QCOMPARE(window_->session().numbers, zahl);
    QCOMPARE(window_->PageControl1->currentWidget(), pageOf(control));
    QVERIFY(!QFile::exists(databasePath()));
}

// Not a check: with NUMERANT_SHOTS set to a folder, grabs the window showing
// each chart over a long synthetic history, for a person to look at.
void StatsWindowTest::chartCanBeKept()
{
    // Every number drawn six or seven times: counts far from 0, so a zoomed
    // axis is cut.
    std::vector<Draw> draws;
    for (int i = 0; i < 49; ++i) {
        std::array<int, 6> numbers{};
        for (int k = 0; k < 6; ++k)
            numbers[std::size_t(k)] = (i + k) % 49 + 1;
        draws.push_back(makeDraw(kStart.addDays(3 + 7 * i), numbers, (i + 20) % 49 + 1, i % 10));
    }
    useDraws(draws);
    click(QStringLiteral("SpeedButton200"));
    DiagrammPage& page = *window_->diagrammPage();

    // Counts from zero unless the user asks for the zoom, which says so.
    chart().refresh();
    QCOMPARE(chart().drawnLeftMinimum(), 0.0);
    page.zoomBox()->click();
    QVERIFY(chart().zoomed());
    chart().refresh();
    QVERIFY(chart().drawnLeftMinimum() > 0.0);
    const QString title = chart().findChild<QChartView*>()->chart()->title();
    QVERIFY2(title.contains(window_->text(101).arg(chart().drawnLeftMinimum())), qPrintable(title));
    page.zoomBox()->click();
    QVERIFY(!chart().zoomed());
    // What the axes and colours mean, in the interface language.
    QCOMPARE(chart().bottomTitle(), window_->text(87));
    QCOMPARE(chart().leftTitle(), window_->text(88));
    QCOMPARE(chart().legend().size(), 2);
    QVERIFY(chart().note().contains(QStringLiteral("01.01.2020")));

    const QString svg = dir_->filePath(QStringLiteral("chart.svg"));
    const QString png = dir_->filePath(QStringLiteral("chart.png"));
    dialogs_.fileAnswers << svg << png << QString();
    for (int i = 0; i < 3; ++i)
        page.keepAction(DiagrammPage::Keep::Save)->trigger();
    QCOMPARE(dialogs_.fileDialogs.size(), 3);
    QCOMPARE(dialogs_.fileDialogs.first().filter, window_->text(102) + "|*.png|" + window_->text(103) + "|*.svg");
    QFile svgFile(svg);
    QVERIFY(svgFile.open(QIODevice::ReadOnly));
    QVERIFY(svgFile.readAll().contains("<svg"));
    QImage picture;
    QVERIFY(picture.load(png, "PNG"));
    QCOMPARE(picture.size(), chart().size());

    const QString pdf = dir_->filePath(QStringLiteral("chart.pdf"));
    dialogs_.printAnswers << pdf;
    page.keepAction(DiagrammPage::Keep::Print)->trigger();
    QFile printed(pdf);
    QVERIFY(printed.open(QIODevice::ReadOnly));
    QVERIFY(printed.readAll().startsWith("%PDF"));

    page.keepAction(DiagrammPage::Keep::Copy)->trigger();
    QVERIFY(QGuiApplication::clipboard()->mimeData()->hasImage());

    // A folder that cannot be written: the system's reason, nothing else.
    dialogs_.fileAnswers << dir_->filePath(QStringLiteral("missing/chart.png"));
    page.keepAction(DiagrammPage::Keep::Save)->trigger();
    QCOMPARE(dialogs_.errors.size(), 1);
    QVERIFY(dialogs_.messages.size() == 1);
}

QTEST_MAIN(StatsWindowTest)
#include "tst_stats_window.moc"
