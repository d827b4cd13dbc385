#pragma once

#include <QColor>
#include <QString>
#include <QVector>
#include <QWidget>

class QChart;
class QChartView;

struct ChartBar {
    double x = 0.0;
    double y = 0.0;
    QColor color;
};

// The bar chart of the "Diagramm" tab with its two bar series `Series2` and
// `Series1`. Bars, axis bounds and captions are kept here as data exactly as
// set, so that the generator can read a statistic back; the drawing is made
// from this data and never read back.
class Chart1 : public QWidget {
    Q_OBJECT
public:
    enum SeriesId { Series1 = 0, Series2 = 1 };

    explicit Chart1(QWidget* parent = nullptr);
    ~Chart1() override;

    void setActive(SeriesId series, bool active);
    bool isActive(SeriesId series) const;
    void clear(SeriesId series);
    void addBar(SeriesId series, double x, double y, const QColor& color);
    const QVector<ChartBar>& bars(SeriesId series) const;
    QColor seriesColor(SeriesId series) const;

    void setMarksVisible(bool visible);
    bool marksVisible() const { return marksVisible_; }

    // Left (value) axis: fixed bounds with automatic scaling off, or automatic.
    void setLeftAxisRange(double minimum, double maximum);
    void setLeftAxisAutomatic();
    bool leftAxisAutomatic() const { return leftAutomatic_; }
    double leftMinimum() const { return leftMin_; }
    double leftMaximum() const { return leftMax_; }

    void setBottomCaption(const QString& caption);
    QString bottomCaption() const { return bottomCaption_; }

    // Rebuilds the drawing from the data; called by the setters.
    void refresh();

private:
    struct SeriesData {
        QVector<ChartBar> bars;
        bool active = true;
        QColor color;
    };

    SeriesData series_[2];
    bool marksVisible_ = true;
    bool leftAutomatic_ = true;
    double leftMin_ = 0.0;
    double leftMax_ = 0.0;
    QString bottomCaption_;

    QChart* chart_ = nullptr;
    QChartView* view_ = nullptr;
};
