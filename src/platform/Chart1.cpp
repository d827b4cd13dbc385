#include "platform/Chart1.h"

#include <QBarSet>
#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QGraphicsLayout>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QStackedBarSeries>
#include <QSvgGenerator>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// Wider than this many pixels per X label and they start to overlap.
constexpr double kPixelsPerLabel = 34.0;

// 1, 2, 5, 10, 20, 50, ... : the smallest such step not below `raw`.
double niceStep(double raw)
{
    if (!(raw > 1.0))
        return 1.0;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * magnitude >= raw)
            return factor * magnitude;
    return 10.0 * magnitude;
}

// The colours of a series' bars, most frequent first.
QVector<QColor> coloursByUse(const QVector<ChartBar>& bars)
{
    QVector<QColor> colours;
    QVector<int> uses;
    for (const ChartBar& bar : bars) {
        const qsizetype at = colours.indexOf(bar.color);
        if (at < 0) {
            colours.append(bar.color);
            uses.append(1);
        } else {
            ++uses[at];
        }
    }
    QVector<qsizetype> order(colours.size());
    for (qsizetype i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return uses[a] > uses[b]; });
    QVector<QColor> sorted;
    for (qsizetype i : order)
        sorted.append(colours[i]);
    return sorted;
}

QString xLabel(double x)
{
    return QString::number(x, 'g', 10);
}

// Rich text would fold the caption's runs of blanks into one: all blanks of a
// run but the last are kept as non-breaking ones. The last one stays a place
// where a narrow chart may wrap the caption, so it never wraps inside a word.
QString captionHtml(const QString& caption)
{
    QString html;
    const QString escaped = caption.toHtmlEscaped();
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        const bool blank = escaped[i] == QLatin1Char(' ');
        const bool lastOfRun = i + 1 == escaped.size() || escaped[i + 1] != QLatin1Char(' ');
        if (blank && !lastOfRun)
            html += QStringLiteral("&nbsp;");
        else
            html += escaped[i];
    }
    return html;
}

// The zoom note stands out in this colour, so a cut axis is not read as one from zero.
const QColor kZoomInk(176, 64, 0);

QString legendHtml(const QVector<LegendEntry>& entries)
{
    QStringList parts;
    for (const LegendEntry& entry : entries)
        parts << QStringLiteral("<span style=\"color:%1\">&#9632;</span>&nbsp;%2")
                     .arg(entry.color.name(), entry.text.toHtmlEscaped());
    return parts.join(QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;"));
}

} // namespace

Chart1::Chart1(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Chart1"));
    series_[Series2].color = QColor(0, 128, 0);
    series_[Series1].color = QColor(255, 0, 0);

    chart_ = new QChart;
    chart_->setAnimationOptions(QChart::NoAnimation);
    chart_->legend()->hide();
    chart_->setMargins(QMargins(2, 2, 2, 2));
    chart_->setBackgroundRoundness(0);
    stacked_ = new QStackedBarSeries;
    stacked_->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    stacked_->setLabelsPrecision(6);
    chart_->addSeries(stacked_);
    connect(stacked_, &QAbstractBarSeries::hovered, this,
            [this](bool hovering, int index, QBarSet*) { showBarToolTip(hovering, index); });

    bottom_ = new QCategoryAxis;
    bottom_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    chart_->addAxis(bottom_, Qt::AlignBottom);
    stacked_->attachAxis(bottom_);
    left_ = new QValueAxis;
    left_->setTickType(QValueAxis::TicksDynamic);
    left_->setLabelFormat(QStringLiteral("%.0f"));
    chart_->addAxis(left_, Qt::AlignLeft);
    stacked_->attachAxis(left_);

    applyTextStyle();
    view_ = new QChartView(chart_, this);
    view_->setObjectName(QStringLiteral("Chart1View"));
    view_->setRenderHint(QPainter::Antialiasing, false);
    legendLabel_ = new QLabel(this);
    legendLabel_->setObjectName(QStringLiteral("Chart1Legend"));
    legendLabel_->setTextFormat(Qt::RichText);
    legendLabel_->setAlignment(Qt::AlignCenter);
    legendLabel_->setAutoFillBackground(true);
    legendLabel_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(legendLabel_);
    layout->addWidget(view_);
    refresh();
}

Chart1::~Chart1() = default;

void Chart1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        applyTextStyle();
}

void Chart1::applyTextStyle()
{
    // The axis texts are the window's text: its size, which grows with the
    // window, and its colour, not the chart theme's small grey.
    const QFont text = font();
    const QBrush ink = palette().color(QPalette::WindowText);
    for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(bottom_), static_cast<QAbstractAxis*>(left_)}) {
        axis->setLabelsFont(text);
        axis->setLabelsBrush(ink);
        axis->setTitleFont(text);
        axis->setTitleBrush(ink);
    }
    for (QBarSet* set : stacked_->barSets())
        set->setLabelFont(text);
    chart_->setTitleFont(text);
    chart_->setTitleBrush(ink);
}

void Chart1::setActive(SeriesId series, bool active)
{
    series_[series].active = active;
    scheduleRefresh();
}

bool Chart1::isActive(SeriesId series) const
{
    return series_[series].active;
}

void Chart1::clear(SeriesId series)
{
    series_[series].bars.clear();
    scheduleRefresh();
}

void Chart1::addBar(SeriesId series, double x, double y, const QColor& color)
{
    series_[series].bars.append(ChartBar{x, y, color.isValid() ? color : series_[series].color});
    scheduleRefresh();
}

void Chart1::setBars(SeriesId series, QVector<ChartBar> bars)
{
    for (ChartBar& bar : bars)
        if (!bar.color.isValid())
            bar.color = series_[series].color;
    series_[series].bars = std::move(bars);
    scheduleRefresh();
}

const QVector<ChartBar>& Chart1::bars(SeriesId series) const
{
    return series_[series].bars;
}

QColor Chart1::seriesColor(SeriesId series) const
{
    return series_[series].color;
}

void Chart1::setMarksVisible(bool visible)
{
    marksVisible_ = visible;
    scheduleRefresh();
}

void Chart1::setLeftAxisRange(double minimum, double maximum)
{
    leftAutomatic_ = false;
    leftMin_ = minimum;
    leftMax_ = maximum;
    scheduleRefresh();
}

std::pair<double, double> Chart1::activeBarRange() const
{
    double lowest = 0.0;
    double highest = 0.0;
    for (int id : {Series2, Series1})
        if (series_[id].active)
            for (const ChartBar& bar : series_[id].bars) {
                highest = std::max(highest, bar.y);
                lowest = std::min(lowest, bar.y);
            }
    return {lowest, highest};
}

double Chart1::leftMinimum() const
{
    return leftAutomatic_ ? activeBarRange().first : leftMin_;
}

double Chart1::leftMaximum() const
{
    return leftAutomatic_ ? activeBarRange().second : leftMax_;
}

void Chart1::setLeftAxisAutomatic()
{
    leftAutomatic_ = true;
    scheduleRefresh();
}

void Chart1::setBottomCaption(const QString& caption)
{
    bottomCaption_ = caption;
    scheduleRefresh();
}

void Chart1::setNote(const QString& note)
{
    note_ = note;
    scheduleRefresh();
}

void Chart1::setAxisTitles(const QString& bottom, const QString& left)
{
    bottomTitle_ = bottom;
    leftTitle_ = left;
    scheduleRefresh();
}

void Chart1::setLegend(QVector<LegendEntry> entries)
{
    legend_ = std::move(entries);
    updateLegend();
}

void Chart1::updateLegend()
{
    legendLabel_->setText(legendHtml(legend_));
    legendLabel_->setVisible(!legend_.isEmpty());
}

void Chart1::setBarNames(QStringList names)
{
    barNames_ = std::move(names);
}

void Chart1::setZoomed(bool zoomed)
{
    zoomed_ = zoomed;
    scheduleRefresh();
}

void Chart1::setZoomNote(const QString& note)
{
    zoomNote_ = note;
    scheduleRefresh();
}

double Chart1::drawnLeftMinimum() const
{
    return left_->min();
}

const QVector<ChartBar>* Chart1::labelledBars() const
{
    const QVector<ChartBar>* labelled = nullptr;
    for (int id : {Series2, Series1})
        if (series_[id].active && (!labelled || series_[id].bars.size() > labelled->size()))
            labelled = &series_[id].bars;
    return labelled;
}

QString Chart1::barToolTip(int index) const
{
    const QVector<ChartBar>* bars = labelledBars();
    if (!bars || index < 0 || index >= bars->size())
        return {};
    const ChartBar& bar = (*bars)[index];
    // A name says what the bar is by itself ("5–6"); a bare X value needs
    // the axis title beside it ("Zahl 7").
    const bool named = index < barNames_.size() && !barNames_[index].isEmpty();
    const QString name = named ? barNames_[index] : xLabel(bar.x);
    const QString what = named || bottomTitle_.isEmpty() ? name : bottomTitle_ + QLatin1Char(' ') + name;
    const QString count = QString::number(bar.y, 'g', 10);
    return leftTitle_.isEmpty() ? what + QStringLiteral(": ") + count
                                : what + QLatin1Char('\n') + leftTitle_ + QStringLiteral(": ") + count;
}

void Chart1::showBarToolTip(bool hovering, int index)
{
    if (hovering)
        QToolTip::showText(QCursor::pos(), barToolTip(index), view_);
    else
        QToolTip::hideText();
}

void Chart1::paintInto(QPainter& painter, const QRect& target) const
{
    if (width() <= 0 || height() <= 0)
        return;
    const double scale = std::min(double(target.width()) / width(), double(target.height()) / height());
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    const_cast<Chart1*>(this)->render(&painter, QPoint(), QRegion(), RenderFlag::DrawChildren);
    painter.restore();
}

void Chart1::prepareForPainting()
{
    // A chart saved before it was ever shown still needs its layout.
    if (layout())
        layout()->activate();
    if (refreshPending_)
        refresh();
}

QImage Chart1::image()
{
    prepareForPainting();
    QImage picture(size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(palette().color(QPalette::Window));
    QPainter painter(&picture);
    render(&painter);
    return picture;
}

QByteArray Chart1::png()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image().save(&buffer, "PNG");
    return bytes;
}

QByteArray Chart1::svg()
{
    prepareForPainting();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size());
    generator.setViewBox(rect());
    generator.setTitle(bottomCaption_);
    QPainter painter(&generator);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    render(&painter);
    painter.end();
    return bytes;
}

QByteArray Chart1::imageFile(const QString& path)
{
    const bool vector = path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
    return vector ? svg() : png();
}

void Chart1::print(QPrinter& printer)
{
    prepareForPainting();
    QPainter painter(&printer);
    paintInto(painter, painter.viewport());
}

void Chart1::copyToClipboard()
{
    auto* data = new QMimeData;
    data->setImageData(image());
    data->setData(QStringLiteral("image/svg+xml"), svg());
    QGuiApplication::clipboard()->setMimeData(data);
}

double Chart1::labelStep(int positions) const
{
    const double fitting = std::max(2.0, std::max(300, width()) / kPixelsPerLabel);
    return niceStep(positions / fitting);
}

void Chart1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (labelStep(positions_) != labelStep_)
        scheduleRefresh();
}

void Chart1::scheduleRefresh()
{
    if (refreshPending_)
        return;
    refreshPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (refreshPending_)
                refresh();
        },
        Qt::QueuedConnection);
}

// A bar set draws in two colours (its own and the selected-bar colour), so
// each series becomes one set per pair of colours. With the usual one or two
// colours that is a single set, whose value marks then sit on the right bars.
void Chart1::addBarLayers(QStackedBarSeries* stacked, int& layers) const
{
    qsizetype positions = 0;
    for (int id : {Series2, Series1})
        if (series_[id].active)
            positions = std::max(positions, series_[id].bars.size());

    for (int id : {Series2, Series1}) {
        const SeriesData& data = series_[id];
        if (!data.active || data.bars.isEmpty())
            continue;
        const QVector<QColor> colours = coloursByUse(data.bars);
        for (qsizetype first = 0; first < colours.size(); first += 2) {
            const QColor main = colours[first];
            const QColor other = first + 1 < colours.size() ? colours[first + 1] : main;
            auto* set = new QBarSet(QString());
            set->setColor(main);
            set->setBorderColor(main.darker(130));
            set->setSelectedColor(other);
            set->setLabelColor(palette().color(QPalette::WindowText));
            set->setLabelFont(font());
            QList<qreal> values(positions, 0.0);
            QList<int> selected;
            for (qsizetype i = 0; i < data.bars.size(); ++i) {
                const QColor& colour = data.bars[i].color;
                if (colour == main) {
                    values[i] = data.bars[i].y;
                } else if (colour == other) {
                    values[i] = data.bars[i].y;
                    selected.append(static_cast<int>(i));
                }
            }
            set->append(values);
            set->selectBars(selected);
            stacked->append(set);
            ++layers;
        }
    }
}

void Chart1::refresh()
{
    refreshPending_ = false;
    ++redrawCount_;

    // The series and axes live as long as the widget; replacing them would
    // leave stale axis labels behind in the scene.
    stacked_->clear();
    int layers = 0;
    addBarLayers(stacked_, layers);
    const int positions = stacked_->count() > 0 ? static_cast<int>(stacked_->barSets().first()->count()) : 0;
    stacked_->setBarWidth(positions > 100 ? 0.9 : 0.75);
    // Stacked layers would each mark their zero bars, and dense bars leave
    // no room: marks only when they are unambiguous and readable.
    const bool roomForMarks = positions * 16 <= std::max(300, width());
    stacked_->setLabelsVisible(marksVisible_ && layers == 1 && roomForMarks);

    // X labels: the bars whose value is a multiple of a step chosen so the
    // labels fit the width; without integer X values every step-th bar.
    const QVector<ChartBar>* labelled = labelledBars();
    for (const QString& label : bottom_->categoriesLabels())
        bottom_->remove(label);
    const double step = labelStep(positions);
    positions_ = positions;
    labelStep_ = step;
    if (labelled) {
        for (int i = 0; i < static_cast<int>(labelled->size()); ++i) {
            const double x = (*labelled)[i].x;
            const bool whole = x == std::floor(x) && std::fabs(x) < 1e9;
            const bool take = whole ? std::fmod(std::fabs(x), step) == 0.0 : i % static_cast<int>(step) == 0;
            // Category labels must be unique; a repeated X value keeps its first label.
            if (take && !bottom_->categoriesLabels().contains(xLabel(x)))
                bottom_->append(xLabel(x), i);
        }
    }
    bottom_->setRange(-0.5, std::max(0, positions - 1) + 0.5);
    bottom_->setTitleText(bottomTitle_.toHtmlEscaped());

    double low = leftMinimum();
    double high = leftMaximum();
    if (!std::isfinite(low) || !std::isfinite(high) || high < low) {
        low = 0.0;
        high = 1.0;
    }
    if (zoomed_ && leftAutomatic_) {
        // Automatic bounds start at zero; the zoom starts at the lowest bar.
        double lowest = high;
        for (int id : {Series2, Series1})
            if (series_[id].active)
                for (const ChartBar& bar : series_[id].bars)
                    lowest = std::min(lowest, bar.y);
        low = std::max(low, lowest);
    }
    const bool cut = zoomed_ && low > 0.0;
    if (!cut) {
        // Counts are drawn from zero, so that bar heights compare truly.
        low = std::min(low, 0.0);
        high = std::max(high, 0.0);
    }
    if (high == low) { // equal bounds would collapse the drawing
        if (low >= 1.0)
            low -= 1.0;
        high += 1.0;
    } else if (cut) {
        // A bar at the lowest counter would have no height and look like a
        // missing one; a little room below the range keeps it visible. A
        // whole number, as the note names it.
        low = std::floor(std::max(0.0, low - (high - low) * 0.05));
    }
    if (leftAutomatic_ && stacked_->isLabelsVisible())
        high += (high - low) * 0.08; // room for the marks above the tallest bar
    const double interval = niceStep((high - low) / 6.0);
    left_->setTickAnchor(std::floor(low / interval) * interval);
    left_->setTickInterval(interval);
    left_->setRange(low, high);

    left_->setTitleText(leftTitle_.toHtmlEscaped());
    QString title = captionHtml(bottomCaption_);
    if (!note_.isEmpty())
        title += QStringLiteral("<br>") + captionHtml(note_);
    if (cut && !zoomNote_.isEmpty())
        title += QStringLiteral("<br><b style=\"color:%1\">%2</b>")
                     .arg(kZoomInk.name(), captionHtml(zoomNote_.arg(QString::number(low, 'g', 10))));
    chart_->setTitle(title);
    // Titles are laid out only when the chart's layout runs, which Qt leaves
    // to a later turn of the event loop; a picture taken before it would
    // show the new bars under the old chart's texts.
    if (QGraphicsLayout* layout = chart_->layout())
        layout->activate();
}
