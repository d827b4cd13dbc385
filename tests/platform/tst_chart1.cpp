#include "platform/Chart1.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsTextItem>
#include <QStackedBarSeries>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QValueAxis>

namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kBlue(0, 0, 255);

QChart* drawing(Chart1& chart)
{
    return chart.findChild<QChartView*>()->chart();
}

QList<QBarSet*> drawnSets(Chart1& chart)
{
    const QList<QAbstractSeries*> series = drawing(chart)->series();
    if (series.size() != 1)
        return {};
    return static_cast<QStackedBarSeries*>(series.first())->barSets();
}

QValueAxis* leftAxis(Chart1& chart)
{
    return qobject_cast<QValueAxis*>(drawing(chart)->axes(Qt::Vertical).value(0));
}

QCategoryAxis* bottomAxis(Chart1& chart)
{
    return qobject_cast<QCategoryAxis*>(drawing(chart)->axes(Qt::Horizontal).value(0));
}

// Bars 1..count, primes red, the rest green, as the number charts use them.
QVector<ChartBar> numberBars(int count)
{
    QVector<ChartBar> bars;
    for (int n = 1; n <= count; ++n) {
        const bool prime = n == 2 || n == 3 || n == 5 || n == 7 || n == 11 || n == 13;
        bars.append({double(n), double(n % 7), prime ? kRed : kGreen});
    }
    return bars;
}

bool sameBars(const QVector<ChartBar>& a, const QVector<ChartBar>& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].x != b[i].x || a[i].y != b[i].y || a[i].color != b[i].color)
            return false;
    return true;
}

} // namespace

class TestChart1 : public QObject {
    Q_OBJECT
private slots:
    void defaultValues();
    void dataReadsBackAsSet();
    void oneRedrawPerChart();
    void barColours_data();
    void barColours();
    void inactiveSeriesIsNotDrawn();
    void leftAxisDrawing_data();
    void leftAxisDrawing();
    void bottomLabelsAreThinned_data();
    void bottomLabelsAreThinned();
    void captionKeepsItsBlanks();
    void axisTextsFollowTheWidgetFont();
    void zoomIsMarked();
    void barToolTips_data();
    void barToolTips();
    void hoveringABarShowsItsCount();
    void legendNamesTheColours();
    void keepingTheChart();
    void drawnTextsFollowEachChart();
};

void TestChart1::defaultValues()
{
    Chart1 chart;
    QCOMPARE(chart.objectName(), QStringLiteral("Chart1"));
    QCOMPARE(chart.seriesColor(Chart1::Series2), kGreen);
    QVERIFY(chart.isActive(Chart1::Series2));
    QVERIFY(chart.marksVisible());
    QVERIFY(chart.leftAxisAutomatic());
    QVERIFY(chart.bars(Chart1::Series2).isEmpty());
    QVERIFY(chart.bottomCaption().isEmpty());
    QVERIFY(!chart.zoomed());
    QVERIFY(chart.legend().isEmpty());
}

void TestChart1::dataReadsBackAsSet()
{
    Chart1 batched;
    Chart1 oneByOne;
    const QVector<ChartBar> bars{{1, 0.1, kRed}, {2, 1e9 + 0.5, QColor()}, {3, -4, kBlue}};
    batched.setBars(Chart1::Series2, bars);
    for (const ChartBar& bar : bars)
        oneByOne.addBar(Chart1::Series2, bar.x, bar.y, bar.color);

    QVector<ChartBar> expected = bars;
    expected[1].color = kGreen; // no colour given: the series colour
    QVERIFY(sameBars(batched.bars(Chart1::Series2), expected));
    QVERIFY(sameBars(oneByOne.bars(Chart1::Series2), expected));

    batched.setLeftAxisRange(5, 5); // equal bounds stay as given
    QVERIFY(!batched.leftAxisAutomatic());
    QCOMPARE(batched.leftMinimum(), 5.0);
    QCOMPARE(batched.leftMaximum(), 5.0);
    batched.setBottomCaption(QStringLiteral("Ziehungen: 1     Paare gefunden : 3"));
    QCOMPARE(batched.bottomCaption(), QStringLiteral("Ziehungen: 1     Paare gefunden : 3"));

    batched.refresh();
    QVERIFY(sameBars(batched.bars(Chart1::Series2), expected)); // drawing changes no data
    QCOMPARE(batched.leftMinimum(), 5.0);
    batched.clear(Chart1::Series2);
    QVERIFY(batched.bars(Chart1::Series2).isEmpty());
}

void TestChart1::oneRedrawPerChart()
{
    Chart1 chart;
    QCoreApplication::processEvents();
    const int before = chart.redrawCount();

    chart.setActive(Chart1::Series2, true);
    chart.setActive(Chart1::Series1, false);
    chart.clear(Chart1::Series2);
    for (const ChartBar& bar : numberBars(49))
        chart.addBar(Chart1::Series2, bar.x, bar.y, bar.color);
    chart.setLeftAxisRange(0, 6);
    chart.setBottomCaption(QStringLiteral("caption"));
    chart.setMarksVisible(false);
    QCOMPARE(chart.redrawCount(), before);
    QVERIFY(chart.refreshPending());

    QCoreApplication::processEvents();
    QCOMPARE(chart.redrawCount(), before + 1);
    QCOMPARE(drawnSets(chart).value(0)->count(), 49);

    chart.setBars(Chart1::Series2, numberBars(10));
    chart.refresh(); // an explicit redraw replaces the scheduled one
    QCoreApplication::processEvents();
    QCOMPARE(chart.redrawCount(), before + 2);
}

void TestChart1::barColours_data()
{
    QTest::addColumn<QVector<ChartBar>>("bars");
    QTest::addColumn<bool>("marks");
    QTest::addColumn<int>("expectedSets");
    QTest::addColumn<bool>("expectedLabels");

    QTest::newRow("series colour only") << QVector<ChartBar>{{0, 3, {}}, {1, 0, {}}, {2, 5, {}}} << true << 1 << true;
    QTest::newRow("primes red, others green") << numberBars(13) << true << 1 << true;
    QTest::newRow("marks hidden") << numberBars(13) << false << 1 << false;
    QTest::newRow("49 bars leave no room for marks") << numberBars(49) << true << 1 << false;
    // A third colour needs a second layer; marks would then label zero bars.
    QTest::newRow("three colours") << QVector<ChartBar>{{1, 2, kRed}, {2, 3, kGreen}, {3, 4, kBlue}, {4, 1, kGreen}}
                                   << true << 2 << false;
}

void TestChart1::barColours()
{
    QFETCH(QVector<ChartBar>, bars);
    QFETCH(bool, marks);
    QFETCH(int, expectedSets);
    QFETCH(bool, expectedLabels);

    Chart1 chart;
    chart.resize(550, 380);
    chart.setMarksVisible(marks);
    chart.setActive(Chart1::Series1, false);
    chart.setBars(Chart1::Series2, bars);
    chart.refresh();

    const QList<QBarSet*> sets = drawnSets(chart);
    QCOMPARE(sets.size(), expectedSets);
    const auto* series = static_cast<QStackedBarSeries*>(drawing(chart)->series().first());
    QCOMPARE(series->isLabelsVisible(), expectedLabels);

    // Every bar is drawn once, at its own position, in its own colour.
    const QVector<ChartBar>& stored = chart.bars(Chart1::Series2);
    for (int i = 0; i < stored.size(); ++i) {
        int drawnIn = 0;
        for (QBarSet* set : sets) {
            const QColor drawnColour = set->isBarSelected(i) ? set->selectedColor() : set->color();
            if (drawnColour == stored[i].color && set->at(i) == stored[i].y)
                ++drawnIn;
            else
                QCOMPARE(set->at(i), 0.0);
        }
        QCOMPARE(drawnIn, 1);
    }
}

void TestChart1::inactiveSeriesIsNotDrawn()
{
    Chart1 chart;
    chart.setBars(Chart1::Series1, {{1, 100, {}}, {2, 100, {}}});
    chart.setBars(Chart1::Series2, {{1, 1, {}}, {2, 2, {}}, {3, 3, {}}});
    chart.setActive(Chart1::Series1, false);
    chart.refresh();
    const QList<QBarSet*> sets = drawnSets(chart);
    QCOMPARE(sets.size(), 1);
    QCOMPARE(sets.first()->at(2), 3.0);
    QVERIFY(leftAxis(chart)->max() < 100.0); // the hidden series does not stretch the axis
}

void TestChart1::leftAxisDrawing_data()
{
    QTest::addColumn<bool>("zoomed");
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("drawnMin");
    QTest::addColumn<double>("drawnMax");
    // Bars 1, 4, 7 in every row; automatic scaling is checked for covering them.
    // Counts are drawn from zero, whatever range the statistic set.
    QTest::newRow("fixed range from zero") << false << false << 3.0 << 10.0 << 0.0 << 10.0;
    QTest::newRow("fixed, high counts from zero") << false << false << 140.0 << 190.0 << 0.0 << 190.0;
    QTest::newRow("equal bounds from zero") << false << false << 5.0 << 5.0 << 0.0 << 5.0;
    QTest::newRow("equal zero bounds widened") << false << false << 0.0 << 0.0 << 0.0 << 1.0;
    QTest::newRow("reversed bounds") << false << false << 9.0 << 2.0 << 0.0 << 1.0;
    // A fixed range set before must not linger in the read-back.
    QTest::newRow("automatic from zero") << false << true << 3.0 << 5.0 << 0.0 << 7.0;
    // Zoomed, the range is drawn from a little below, so bars at its minimum show.
    QTest::newRow("zoomed fixed range") << true << false << 3.0 << 10.0 << 2.0 << 10.0;
    QTest::newRow("zoomed high counts") << true << false << 140.0 << 190.0 << 137.0 << 190.0;
    QTest::newRow("zoomed equal bounds widened") << true << false << 5.0 << 5.0 << 4.0 << 6.0;
    QTest::newRow("zoomed from zero stays") << true << false << 0.0 << 10.0 << 0.0 << 10.0;
    QTest::newRow("zoomed automatic, room below reaches 0") << true << true << 3.0 << 5.0 << 0.0 << 7.0;
}

void TestChart1::leftAxisDrawing()
{
    QFETCH(bool, zoomed);
    QFETCH(bool, automatic);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(double, drawnMin);
    QFETCH(double, drawnMax);

    Chart1 chart;
    chart.setBars(Chart1::Series2, {{1, 1, {}}, {2, 4, {}}, {3, 7, {}}});
    chart.setLeftAxisRange(minimum, maximum);
    if (automatic)
        chart.setLeftAxisAutomatic();
    chart.setZoomed(zoomed);
    chart.refresh();

    QValueAxis* axis = leftAxis(chart);
    QVERIFY(axis);
    QCOMPARE(axis->min(), drawnMin);
    QCOMPARE(chart.drawnLeftMinimum(), drawnMin);
    if (automatic)
        QVERIFY(axis->max() >= drawnMax);
    else
        QCOMPARE(axis->max(), drawnMax);
    QVERIFY(axis->max() > axis->min());
    QVERIFY(axis->tickInterval() >= 1.0);
    // Read back: fixed bounds as set, whatever the drawing shows; automatic
    // bounds from 0 to the highest bar, as a statistic reader expects them.
    QCOMPARE(chart.leftMinimum(), automatic ? 0.0 : minimum);
    QCOMPARE(chart.leftMaximum(), automatic ? 7.0 : maximum);
}

void TestChart1::bottomLabelsAreThinned_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("minLabels");
    QTest::addColumn<int>("maxLabels");
    QTest::newRow("super numbers 0..9, all labelled") << 0 << 10 << 10 << 10;
    QTest::newRow("numbers 1..49") << 1 << 49 << 4 << 16;
    QTest::newRow("cross sums 21..280") << 21 << 260 << 4 << 16;
}

void TestChart1::bottomLabelsAreThinned()
{
    QFETCH(int, first);
    QFETCH(int, count);
    QFETCH(int, minLabels);
    QFETCH(int, maxLabels);

    Chart1 chart;
    chart.resize(550, 380);
    QVector<ChartBar> bars;
    for (int i = 0; i < count; ++i)
        bars.append({double(first + i), double(i % 13), {}});
    chart.setBars(Chart1::Series2, bars);
    chart.refresh();

    QCategoryAxis* axis = bottomAxis(chart);
    QVERIFY(axis);
    QVERIFY2(axis->count() >= minLabels && axis->count() <= maxLabels, qPrintable(QString::number(axis->count())));
    for (const QString& label : axis->categoriesLabels()) {
        const int x = label.toInt();
        QVERIFY(x >= first && x < first + count); // labels name the X values, not positions
    }
    QCOMPARE(axis->min(), -0.5);
    QCOMPARE(axis->max(), count - 0.5);
}

void TestChart1::captionKeepsItsBlanks()
{
    const QString caption = QStringLiteral("Zahlenverteilung     Ziehungen: 1    Quersumme: 21 <&>");
    Chart1 chart;
    chart.resize(550, 380);
    chart.setBottomCaption(caption);
    chart.show();
    QCOMPARE(chart.bottomCaption(), caption);

    // The text as drawn on screen, non-breaking blanks read as blanks.
    const auto drawnTexts = [&chart] {
        QStringList drawn;
        for (QGraphicsItem* item : chart.findChild<QChartView*>()->scene()->items())
            if (auto* text = dynamic_cast<QGraphicsTextItem*>(item))
                drawn << text->toPlainText().replace(QChar(0xA0), QLatin1Char(' '));
        return drawn;
    };
    QTRY_VERIFY2(drawnTexts().contains(caption), qPrintable(drawnTexts().join(QLatin1Char('|'))));
}

void TestChart1::axisTextsFollowTheWidgetFont()
{
    Chart1 chart;
    QFont big = chart.font();
    big.setPixelSize(21);
    chart.setFont(big);
    chart.addBar(Chart1::Series2, 1, 5);
    chart.refresh();

    const QColor ink = chart.palette().color(QPalette::WindowText);
    for (QAbstractAxis* axis : drawing(chart)->axes()) {
        QCOMPARE(axis->labelsFont().pixelSize(), 21);
        QCOMPARE(axis->titleFont().pixelSize(), 21);
        QCOMPARE(axis->labelsBrush().color(), ink);
        QCOMPARE(axis->titleBrush().color(), ink);
    }
    for (QBarSet* set : drawnSets(chart))
        QCOMPARE(set->labelFont().pixelSize(), 21);
}

void TestChart1::zoomIsMarked()
{
    Chart1 chart;
    chart.setBars(Chart1::Series2, {{1, 140, {}}, {2, 190, {}}});
    chart.setLeftAxisRange(140, 190);
    chart.setBottomCaption(QStringLiteral("Zahlenverteilung"));
    chart.setZoomNote(QStringLiteral("cut at %1"));
    chart.refresh();
    QVERIFY(!drawing(chart)->title().contains(QLatin1String("cut at")));

    chart.setZoomed(true);
    chart.refresh();
    QVERIFY2(drawing(chart)->title().contains(QLatin1String("cut at 137")), qPrintable(drawing(chart)->title()));
    QVERIFY(drawing(chart)->title().contains(QLatin1String("Zahlenverteilung")));
    // Nothing is cut when the lowest count is 0 already: no note then.
    chart.setLeftAxisRange(0, 190);
    chart.refresh();
    QVERIFY(!drawing(chart)->title().contains(QLatin1String("cut at")));
}

void TestChart1::barToolTips_data()
{
    QTest::addColumn<QString>("bottomTitle");
    QTest::addColumn<QString>("leftTitle");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");
    const QStringList none;
    QTest::newRow("number and count") << "Zahl" << "Wie oft gezogen" << none << 1
                                      << QStringLiteral("Zahl 7\nWie oft gezogen: 153");
    QTest::newRow("named run") << "Folge ab Zahl" << "Wie oft gezogen" << QStringList{"4–5", "7–8"} << 1
                               << QStringLiteral("7–8\nWie oft gezogen: 153");
    QTest::newRow("no titles") << "" << "" << none << 0 << QStringLiteral("3: 12");
    QTest::newRow("past the last bar") << "Zahl" << "Anzahl" << none << 2 << QString();
    QTest::newRow("before the first bar") << "Zahl" << "Anzahl" << none << -1 << QString();
}

void TestChart1::barToolTips()
{
    QFETCH(QString, bottomTitle);
    QFETCH(QString, leftTitle);
    QFETCH(QStringList, names);
    QFETCH(int, index);
    QFETCH(QString, expected);
    Chart1 chart;
    chart.setBars(Chart1::Series2, {{3, 12, {}}, {7, 153, {}}});
    chart.setAxisTitles(bottomTitle, leftTitle);
    chart.setBarNames(names);
    QCOMPARE(chart.barToolTip(index), expected);
}

void TestChart1::hoveringABarShowsItsCount()
{
    Chart1 chart;
    chart.resize(500, 350);
    chart.setMarksVisible(false);
    chart.setBars(Chart1::Series2, {{1, 10, {}}, {2, 40, kRed}, {3, 20, {}}});
    chart.setAxisTitles(QStringLiteral("Zahl"), QStringLiteral("Anzahl"));
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    chart.refresh();

    QChartView* view = chart.findChild<QChartView*>();
    QAbstractSeries* series = drawing(chart)->series().first();
    const QPointF inScene = drawing(chart)->mapToScene(drawing(chart)->mapToPosition(QPointF(1, 20), series));
    const QPoint over = view->mapFromScene(inScene);
    QTest::mouseMove(view->viewport(), over);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("Zahl 2\nAnzahl: 40"));
}

void TestChart1::legendNamesTheColours()
{
    Chart1 chart;
    chart.show();
    chart.setLegend({{kRed, QStringLiteral("Primzahl")}, {kGreen, QStringLiteral("keine <Primzahl>")}});
    QLabel* legend = chart.findChild<QLabel*>();
    QVERIFY(legend && legend->isVisible());
    QVERIFY(legend->text().contains(kRed.name()));
    QVERIFY(legend->text().contains(QLatin1String("Primzahl")));
    QVERIFY(legend->text().contains(QLatin1String("keine &lt;Primzahl&gt;")));
    chart.setLegend({});
    QVERIFY(!legend->isVisible());
}

void TestChart1::keepingTheChart()
{
    Chart1 chart;
    chart.resize(400, 300);
    chart.setBars(Chart1::Series2, numberBars(9));
    chart.setBottomCaption(QStringLiteral("Zahlenverteilung"));
    chart.setAxisTitles(QStringLiteral("Zahl"), QStringLiteral("Anzahl"));
    chart.setLegend({{kRed, QStringLiteral("Primzahl")}});

    QImage picture;
    QVERIFY(picture.loadFromData(chart.imageFile(QStringLiteral("a.png")), "PNG"));
    QCOMPARE(picture.size(), chart.size());
    QVERIFY(picture.pixelColor(picture.width() / 2, picture.height() / 2).isValid());

    const QByteArray svg = chart.imageFile(QStringLiteral("a.SVG"));
    QVERIFY(svg.contains("<svg"));
    QVERIFY(svg.contains("Zahlenverteilung")); // as text, not as pixels
    QVERIFY(svg.contains("Primzahl"));

    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("chart.pdf")));
    chart.print(printer);
    QFile pdf(printer.outputFileName());
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().startsWith("%PDF"));

    QGuiApplication::clipboard()->clear();
    chart.copyToClipboard();
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied && copied->hasImage());
    QCOMPARE(qvariant_cast<QImage>(copied->imageData()).size(), chart.size());
}

void TestChart1::drawnTextsFollowEachChart()
{
    Chart1 chart;
    chart.resize(550, 380);
    chart.show();
    const auto drawnTexts = [&chart] {
        QStringList drawn;
        for (QGraphicsItem* item : chart.findChild<QChartView*>()->scene()->items())
            if (auto* text = dynamic_cast<QGraphicsTextItem*>(item); text && text->isVisible())
                drawn << text->toPlainText().replace(QChar(0xA0), QLatin1Char(' '));
        return drawn.join(QLatin1Char('|'));
    };
    chart.setBars(Chart1::Series2, numberBars(49));
    chart.setBottomCaption(QStringLiteral("Zahlenverteilung"));
    chart.setAxisTitles(QStringLiteral("Zahl"), QStringLiteral("Wie oft gezogen"));
    QTRY_VERIFY2(drawnTexts().contains(QLatin1String("Wie oft gezogen")), qPrintable(drawnTexts()));

    // The next chart replaces every text, not only the bars, by the time
    // the chart is drawn: a picture taken then must not mix two charts.
    chart.setBars(Chart1::Series2, numberBars(10));
    chart.setBottomCaption(QStringLiteral("Welche Zahl ist überfällig?"));
    chart.setAxisTitles(QStringLiteral("Zahl"), QStringLiteral("Ziehungen seit dem letzten Erscheinen"));
    chart.refresh();
    QVERIFY2(drawnTexts().contains(QStringLiteral("Welche Zahl ist überfällig?")), qPrintable(drawnTexts()));
    QVERIFY2(drawnTexts().contains(QLatin1String("Ziehungen seit dem letzten Erscheinen")), qPrintable(drawnTexts()));
    QVERIFY2(!drawnTexts().contains(QLatin1String("Zahlenverteilung")), qPrintable(drawnTexts()));
}

QTEST_MAIN(TestChart1)
#include "tst_chart1.moc"
