#pragma once

#include <QDate>
#include <QWidget>

class Chart1;
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

    explicit DiagrammPage(QWidget* parent = nullptr);

    Chart1* chart() const { return chart_; }

    // `DateTimePicker2`: start of the counting window.
    QDate startDate() const;
    void setStartDate(const QDate& date);
    QDateEdit* startDatePicker() const { return startDate_; }

signals:
    void chartRequested(DiagrammPage::Chart chart);

private:
    Chart1* chart_ = nullptr;
    QDateEdit* startDate_ = nullptr;
};
