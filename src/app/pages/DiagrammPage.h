#pragma once

#include <QDate>
#include <QWidget>

class Chart1;
class QAction;
class QCheckBox;
class QDateEdit;

// The "Diagramm" tab (`TabSheet5`): the chart `Chart1` and the tool row
// `Panel7` with the start date of the counting window and the chart buttons.
class DiagrammPage : public QWidget {
    Q_OBJECT
public:
    enum class Chart {
        NumberDistribution, // SpeedButton200
        Overdue,            // SpeedButton9
        CrossSums,          // SpeedButton900
        PairCount,          // SpeedButton1
        TripleCount,        // SpeedButton3
        QuadCount,          // SpeedButton2
    };
    Q_ENUM(Chart)

    // What the user can do with the chart shown.
    enum class Keep { Save, Print, Copy };
    Q_ENUM(Keep)

    explicit DiagrammPage(QWidget* parent = nullptr);

    Chart1* chart() const { return chart_; }

    // `DateTimePicker2`: start of the counting window.
    QDate startDate() const;
    void setStartDate(const QDate& date);
    QDateEdit* startDatePicker() const { return startDate_; }

    // `ChartZoom`: the value axis starts near the lowest bar instead of 0.
    QCheckBox* zoomBox() const { return zoom_; }
    QAction* keepAction(Keep keep) const;

signals:
    void chartRequested(DiagrammPage::Chart chart);
    void keepRequested(DiagrammPage::Keep keep);

private:
    Chart1* chart_ = nullptr;
    QCheckBox* zoom_ = nullptr;
    QAction* save_ = nullptr;
    QAction* print_ = nullptr;
    QAction* copy_ = nullptr;
    QDateEdit* startDate_ = nullptr;
};
