#include "platform/Chart1.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QStackedBarSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

Chart1::Chart1(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Chart1"));
    series_[Series2].color = QColor(0, 128, 0);
    series_[Series1].color = QColor(255, 0, 0);

    chart_ = new QChart;
    chart_->setAnimationOptions(QChart::NoAnimation);
    chart_->legend()->hide();
    chart_->setMargins(QMargins(2, 2, 2, 2));
    view_ = new QChartView(chart_, this);
    view_->setRenderHint(QPainter::Antialiasing, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    refresh();
}

Chart1::~Chart1() = default;

void Chart1::setActive(SeriesId series, bool active)
{
    series_[series].active = active;
    refresh();
}

bool Chart1::isActive(SeriesId series) const
{
    return series_[series].active;
}

void Chart1::clear(SeriesId series)
{
    series_[series].bars.clear();
    refresh();
}

void Chart1::addBar(SeriesId series, double x, double y, const QColor& color)
{
    series_[series].bars.append(ChartBar{x, y, color.isValid() ? color : series_[series].color});
    refresh();
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
    refresh();
}

void Chart1::setLeftAxisRange(double minimum, double maximum)
{
    leftAutomatic_ = false;
    leftMin_ = minimum;
    leftMax_ = maximum;
    refresh();
}

void Chart1::setLeftAxisAutomatic()
{
    leftAutomatic_ = true;
    refresh();
}

void Chart1::setBottomCaption(const QString& caption)
{
    bottomCaption_ = caption;
    refresh();
}

void Chart1::refresh()
{
    if (!updatesEnabled())
        return;
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }

    // One stacked set per colour draws every bar in its own colour.
    auto* stacked = new QStackedBarSeries;
    stacked->setBarWidth(0.8);
    stacked->setLabelsVisible(marksVisible_);
    QVector<const ChartBar*> shown;
    for (int id : {Series2, Series1}) {
        if (!series_[id].active)
            continue;
        for (const ChartBar& bar : series_[id].bars)
            shown.append(&bar);
    }
    QVector<QColor> colours;
    for (const ChartBar* bar : shown)
        if (!colours.contains(bar->color))
            colours.append(bar->color);
    double highest = 0.0;
    double lowest = 0.0;
    for (const QColor& colour : colours) {
        auto* set = new QBarSet(QString());
        set->setColor(colour);
        set->setBorderColor(colour.darker(130));
        for (const ChartBar* bar : shown)
            set->append(bar->color == colour ? bar->y : 0.0);
        stacked->append(set);
    }
    for (const ChartBar* bar : shown) {
        highest = std::max(highest, bar->y);
        lowest = std::min(lowest, bar->y);
    }
    chart_->addSeries(stacked);

    auto* bottom = new QCategoryAxis;
    bottom->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const int count = static_cast<int>(shown.size());
    const int step = std::max(1, static_cast<int>(std::ceil(count / 25.0)));
    for (int i = 0; i < count; i += step)
        bottom->append(QString::number(shown[i]->x), i);
    bottom->setRange(-0.5, std::max(0, count - 1) + 0.5);
    bottom->setTitleText(bottomCaption_);
    chart_->addAxis(bottom, Qt::AlignBottom);
    stacked->attachAxis(bottom);

    auto* left = new QValueAxis;
    double low = leftAutomatic_ ? std::min(0.0, lowest) : leftMin_;
    double high = leftAutomatic_ ? highest : leftMax_;
    if (high <= low) // equal bounds would collapse the drawing
        high = low + 1.0;
    left->setRange(low, high);
    if (leftAutomatic_)
        left->applyNiceNumbers();
    left->setLabelFormat(QStringLiteral("%.0f"));
    chart_->addAxis(left, Qt::AlignLeft);
    stacked->attachAxis(left);
}
