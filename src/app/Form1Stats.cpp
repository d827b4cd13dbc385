#include "app/TForm1.h"

#include "app/pages/BerechnungPage.h"
#include "app/pages/DatenbankPage.h"
#include "app/pages/DiagrammPage.h"
#include "app/pages/LottotippPage.h"
#include "app/pages/TipBoard.h"
#include "draws/CountingWindow.h"
#include "draws/DateSerial.h"
#include "draws/DrawFile.h"
#include "platform/Chart1.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "evaluation/ReportFile.h"
#include "stats/GroupStats.h"
#include "stats/NumberStats.h"
#include "stats/PropertyStats.h"
#include "stats/StatsTexts.h"
#include "text/TextLine.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QPrinter>
#include <QStringList>
#include <QTabWidget>

#include <algorithm>
#include <functional>

namespace {


using Statistic = std::function<StatResult(const DrawSource&, const CountingWindow&, const StatsTexts&)>;

StatsTexts captionTexts(const TForm1& form)
{
    return StatsTexts::fromLines([&form](int line) { return form.text(line); });
}

// Reads the window and weekday switches; the pickers also become the
// session's working date and window end, which other operations read
// afterwards.
CountingWindow countingWindow(TForm1& form)
{
    CountingWindow window;
    window.start = DateSerial::fromDate(form.diagrammPage()->startDate());
    const QDate end = form.datenbankPage()->endDate();
    window.end = end.isValid() ? DateSerial::fromDate(end) : DateSerial::today();
    window.saturdays = form.datenbankPage()->saturdays();
    window.wednesdays = form.datenbankPage()->wednesdays();
    form.session().workingDate = window.start;
    form.session().windowEnd = window.end;
    return window;
}

void showChart(TForm1& form, const ChartData& data)
{
    Chart1& chart = *form.chart();
    chart.setZoomNote(form.text(TextLine::ZoomNote));
    QVector<ChartBar> bars;
    bars.reserve(data.bars.size());
    for (const StatBar& bar : data.bars) {
        const QColor color = bar.color ? QColor(bar.color->red, bar.color->green, bar.color->blue)
                                       : QColor();
        bars.append(ChartBar{bar.x, bar.y, color});
    }
    chart.setActive(Chart1::Series2, true);
    chart.setActive(Chart1::Series1, false);
    if (data.hideMarks)
        chart.setMarksVisible(false);
    chart.setBars(Chart1::Series2, std::move(bars));
    if (data.leftAutomatic)
        chart.setLeftAxisAutomatic();
    else
        chart.setLeftAxisRange(data.leftMin, data.leftMax);
    chart.setBottomCaption(data.caption);
    chart.setNote(data.note);
    chart.setAxisTitles(data.bottomTitle, data.leftTitle);
    QVector<LegendEntry> legend;
    for (const LegendItem& item : data.legend)
        legend.append({QColor(item.color.red, item.color.green, item.color.blue), item.text});
    chart.setLegend(std::move(legend));
    chart.setBarNames(data.barNames);
}

// Runs one statistic over the database and charts it. A file error is shown
// and leaves the chart as it was; false then, so the caller stops too.
bool chartFromDatabase(TForm1& form, const Statistic& statistic, bool keepsLastDraw)
{
    const CountingWindow window = countingWindow(form);
    const DrawFile database(form.databasePath());
    StatResult result;
    {
        BusyCursor busy;
        result = statistic(DrawSource(database), window, captionTexts(form));
    }
    if (!result.ok()) {
        form.dialogs().showError(&form, result.error);
        return false;
    }
    // The counts compare every selected draw as the current draw, so the
    // last one stays current for the next rating.
    if (keepsLastDraw && result.lastDraw)
        form.session().numbers = *result.lastDraw;
    showChart(form, result.chart);
    return true;
}

void showDiagrammTab(TForm1& form)
{
    form.PageControl1->setCurrentWidget(form.diagrammPage());
}

void groupChart(TForm1& form, GroupKind kind)
{
    const auto statistic = [kind](const DrawSource& source, const CountingWindow& window,
                                  const StatsTexts& texts) {
        return groupCounts(source, window, kind, texts);
    };
    if (chartFromDatabase(form, statistic, true))
        showDiagrammTab(form);
}

void propertyChart(TForm1& form, DrawProperty property)
{
    const auto statistic = [property](const DrawSource& source, const CountingWindow& window,
                                      const StatsTexts& texts) {
        return perDrawCounts(source, window, property, texts);
    };
    if (chartFromDatabase(form, statistic, true))
        showDiagrammTab(form);
}

void keepChart(TForm1& form, DiagrammPage::Keep keep)
{
    Chart1& chart = *form.chart();
    switch (keep) {
    case DiagrammPage::Keep::Save: {
        const FileDialogSetup setup{form.tipFileFolder(), QString(),
                                    form.text(TextLine::PngPicture) + QStringLiteral("|*.png|")
                                        + form.text(TextLine::SvgPicture) + QStringLiteral("|*.svg"),
                                    QStringLiteral("png")};
        const QString path = form.dialogs().saveFileName(&form, setup);
        if (path.isEmpty())
            return;
        const QString error = ReportFile::save(path, chart.imageFile(path));
        if (!error.isEmpty())
            form.dialogs().showError(&form, error);
        break;
    }
    case DiagrammPage::Keep::Print: {
        QPrinter printer;
        printer.setPageOrientation(QPageLayout::Landscape);
        if (form.dialogs().choosePrinter(&form, printer))
            chart.print(printer);
        break;
    }
    case DiagrammPage::Keep::Copy:
        chart.copyToClipboard();
        break;
    }
}

} // namespace

void TForm1::connectStats()
{
    connect(berechnungPage(), &BerechnungPage::chartRequested, this,
            [this](BerechnungPage::Chart chart) {
                using C = BerechnungPage::Chart;
                switch (chart) {
                case C::NumberDistribution: SpeedButton2Click(); break;
                case C::Overdue: Button5Click(); break;
                case C::PairChart: Label89Click(); break;
                case C::TripleChart: Label91Click(); break;
                case C::QuadChart: Label90Click(); break;
                case C::CrossSums: DiagrammQuersummen(); break;
                case C::PairCount: Button2Click(); break;
                case C::TripleCount: Button3Click(); break;
                case C::QuadCount: Button4Click(); break;
                case C::PrimesPerTip: Button9Click(); break;
                case C::OddPerTip: Button10Click(); break;
                case C::EvenPerTip: Button11Click(); break;
                }
            });
    connect(diagrammPage(), &DiagrammPage::chartRequested, this, [this](DiagrammPage::Chart chart) {
        using C = DiagrammPage::Chart;
        switch (chart) {
        case C::NumberDistribution: SpeedButton2Click(); break;
        case C::Overdue: Button5Click(); break;
        case C::CrossSums: SpeedButton9Click(); break;
        case C::PairCount: Button2Click(); break;
        case C::TripleCount: Button3Click(); break;
        case C::QuadCount: Button4Click(); break;
        }
    });
    connect(diagrammPage(), &DiagrammPage::keepRequested, this,
            [this](DiagrammPage::Keep keep) { keepChart(*this, keep); });
    // The note follows the interface language whenever the box is ticked.
    connect(diagrammPage()->zoomBox(), &QCheckBox::toggled, this,
            [this] { chart()->setZoomNote(text(TextLine::ZoomNote)); });
}

void TForm1::showStatistic(const ChartData& data)
{
    showChart(*this, data);
}

void TForm1::SpeedButton2Click()
{
    chartFromDatabase(*this, numberDistribution, false);
}

void TForm1::Button5Click()
{
    if (chartFromDatabase(*this, overdueNumbers, false))
        showDiagrammTab(*this);
}

void TForm1::SpeedButton9Click()
{
    chartFromDatabase(*this, crossSumDistribution, false);
}

void TForm1::Button8Click()
{
    const bool charted = chartFromDatabase(*this, superNumberOverdue, false);
    // Super numbers exist only from this day on; the start before it is moved up.
    session_.workingDate = std::max(session_.workingDate, superNumberFloor());
    if (charted)
        showDiagrammTab(*this);
}

void TForm1::Button6Click()
{
    QStringList cells;
    for (int row = 1; row <= TipBoard::RowCount; ++row)
        for (int cell = 1; cell <= TipBoard::CellCount; ++cell)
            cells << tipBoard()->cellText(row, cell);
    showChart(*this, tipDistribution(cells, captionTexts(*this)));
    showDiagrammTab(*this);
}

void TForm1::Button2Click()
{
    groupChart(*this, GroupKind::Pairs);
}

void TForm1::Button3Click()
{
    groupChart(*this, GroupKind::Triples);
}

void TForm1::Button4Click()
{
    groupChart(*this, GroupKind::Quads);
}

void TForm1::Button9Click()
{
    propertyChart(*this, DrawProperty::Prime);
}

void TForm1::Button10Click()
{
    propertyChart(*this, DrawProperty::Odd);
}

void TForm1::Button11Click()
{
    propertyChart(*this, DrawProperty::Even);
}

void TForm1::Label88Click()
{
    showDiagrammTab(*this);
    SpeedButton9Click();
}

void TForm1::DiagrammQuersummen()
{
    Label88Click();
}

void TForm1::Label89Click()
{
    showDiagrammTab(*this);
    Button2Click();
}

void TForm1::Label91Click()
{
    showDiagrammTab(*this);
    Button3Click();
}

void TForm1::Label90Click()
{
    showDiagrammTab(*this);
    Button4Click();
}
