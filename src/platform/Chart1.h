#pragma once

#include <QColor>
#include <QImage>
#include <QStringList>
#include <QString>
#include <QVector>
#include <QWidget>
#include <utility>

class QBarSet;
class QCategoryAxis;
class QChart;
class QChartView;
class QLabel;
class QPainter;
class QPrinter;
class QStackedBarSeries;
class QValueAxis;

struct ChartBar {
    double x = 0.0;
    double y = 0.0;
    QColor color; // invalid: the series colour
};

// One entry of the legend: what a bar colour means.
struct LegendEntry {
    QColor color;
    QString text;
};

// The bar chart of the "Diagramm" tab with its two bar series `Series2` and
// `Series1`. Bars, axis bounds and captions are kept here as data exactly as
// set, so that the generator can read a statistic back; the drawing is made
// from this data and never read back.
//
// Setters only record the data and schedule one redraw for the next turn of
// the event loop, so filling a chart with many calls costs one redraw.
class Chart1 : public QWidget {
    Q_OBJECT
public:
    enum SeriesId { Series1 = 0, Series2 = 1 };

    explicit Chart1(QWidget* parent = nullptr);
    ~Chart1() override;

    void setActive(SeriesId series, bool active);
    bool isActive(SeriesId series) const;
    void clear(SeriesId series);
    void addBar(SeriesId series, double x, double y, const QColor& color = QColor());
    // Replaces all bars of the series at once; a bar without a valid colour
    // takes the series colour, as with addBar.
    void setBars(SeriesId series, QVector<ChartBar> bars);
    const QVector<ChartBar>& bars(SeriesId series) const;
    QColor seriesColor(SeriesId series) const;

    void setMarksVisible(bool visible);
    bool marksVisible() const { return marksVisible_; }

    // Left (value) axis: fixed bounds with automatic scaling off, or automatic.
    // Fixed bounds read back exactly as given, even when equal (only the
    // drawing widens them). Automatic bounds read back as the scaling makes
    // them from the bars of the active series: from 0 (or a lower negative
    // bar) to the highest bar.
    void setLeftAxisRange(double minimum, double maximum);
    void setLeftAxisAutomatic();
    bool leftAxisAutomatic() const { return leftAutomatic_; }
    double leftMinimum() const;
    double leftMaximum() const;

    // The caption says what the chart shows; it heads the drawing. The note
    // under it says which draws were counted.
    void setBottomCaption(const QString& caption);
    QString bottomCaption() const { return bottomCaption_; }
    void setNote(const QString& note);
    QString note() const { return note_; }

    // What the axes measure, in the interface language.
    void setAxisTitles(const QString& bottom, const QString& left);
    QString bottomTitle() const { return bottomTitle_; }
    QString leftTitle() const { return leftTitle_; }
    // Shown above the drawing while not empty.
    void setLegend(QVector<LegendEntry> entries);
    const QVector<LegendEntry>& legend() const { return legend_; }
    // Names the bars in the hover text (a pair as "5-6"); without a name a
    // bar is named by its X value.
    void setBarNames(QStringList names);

    // Counts are drawn from zero. Zoomed, the value axis starts near the
    // lowest bar instead, and the left axis title carries the note (with %1
    // for where the axis starts) so the cut is never mistaken for zero.
    void setZoomed(bool zoomed);
    bool zoomed() const { return zoomed_; }
    void setZoomNote(const QString& note);
    double drawnLeftMinimum() const;

    // The hover text of bar `index` of the drawing: its name and count.
    QString barToolTip(int index) const;

    // The chart as it is shown, legend and captions included.
    QImage image();
    QByteArray png();
    QByteArray svg();
    // The file contents for a picture named `path`: SVG by the suffix
    // ".svg", PNG for anything else.
    QByteArray imageFile(const QString& path);
    void print(QPrinter& printer);
    void copyToClipboard();

    // Rebuilds the drawing from the data now (a scheduled redraw is dropped).
    void refresh();
    bool refreshPending() const { return refreshPending_; }
    // How often the drawing was rebuilt; lets tests and benchmarks see that a
    // chart filled with many calls is drawn once.
    int redrawCount() const { return redrawCount_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct SeriesData {
        QVector<ChartBar> bars;
        bool active = true;
        QColor color;
    };

    void scheduleRefresh();
    void applyTextStyle();
    std::pair<double, double> activeBarRange() const; // lowest (at most 0), highest (at least 0)
    double labelStep(int positions) const;
    void addBarLayers(QStackedBarSeries* stacked, int& layers) const;
    const QVector<ChartBar>* labelledBars() const;
    void showBarToolTip(bool hovering, int index);
    void updateLegend();
    void paintInto(QPainter& painter, const QRect& target) const;
    void prepareForPainting();

    SeriesData series_[2];
    bool marksVisible_ = true;
    bool leftAutomatic_ = true;
    double leftMin_ = 0.0;
    double leftMax_ = 0.0;
    QString bottomCaption_;
    QString note_;
    QString bottomTitle_;
    QString leftTitle_;
    QVector<LegendEntry> legend_;
    QStringList barNames_;
    bool zoomed_ = false;
    QString zoomNote_;
    bool refreshPending_ = false;
    int redrawCount_ = 0;
    int positions_ = 0;       // bar positions in the current drawing
    double labelStep_ = 1.0;  // X-label step of the current drawing

    QLabel* legendLabel_ = nullptr;
    QChart* chart_ = nullptr;
    QChartView* view_ = nullptr;
    QStackedBarSeries* stacked_ = nullptr;
    QCategoryAxis* bottom_ = nullptr;
    QValueAxis* left_ = nullptr;
};
