#pragma once

#include "generator/GenerationParams.h"

#include <QHash>
#include <QWidget>

class FilterCountLine;
class QCheckBox;
class QGridLayout;
class QLabel;
class QTabWidget;
class QToolButton;
class UpDown;

// The "Berechnung" tab (`TabSheet6`): the inner page control `PageControl2`
// with the generation parameters on the sub-tabs "Statistisch",
// "Schein Optimierung", "Mathematisch" and "Allgemein", plus one hidden
// sub-tab with the two option groups of the additional games.
class BerechnungPage : public QWidget {
    Q_OBJECT
public:
    // The statistics the chart buttons and link labels of these sub-tabs ask
    // for; the window runs the matching chart operation.
    enum class Chart {
        NumberDistribution, // SpeedButton26
        Overdue,            // SpeedButton22
        PairChart,          // SpeedButton23, Label89 (switch to the chart tab first)
        TripleChart,        // SpeedButton24, Label91
        QuadChart,          // SpeedButton25, Label90
        CrossSums,          // SpeedButton17, Label88
        PairCount,          // SpeedButton21
        TripleCount,        // SpeedButton27
        QuadCount,          // SpeedButton28
        PrimesPerTip,       // SpeedButton29
        OddPerTip,          // SpeedButton32
        EvenPerTip,         // SpeedButton31
    };
    Q_ENUM(Chart)

    explicit BerechnungPage(QWidget* parent = nullptr);

    QTabWidget* pageControl() const { return pageControl2_; }

    // The row count is not on this page; it keeps the value passed in.
    GenerationParams params(int rowCount = 12) const;
    // Sets every control of the page. The coupled bounds are widened first,
    // so any consistent set of values arrives unclipped.
    void setParams(const GenerationParams& params);

    QCheckBox* checkBox(int number) const { return checks_.value(number); }
    UpDown* upDown(int number) const { return upDowns_.value(number); }
    FilterCountLine* filterCountLine() const { return filterLine_; }

public slots:
    // The stored draws may have changed: the filter line counts them again.
    void drawsChanged(const QString& databasePath);

signals:
    void chartRequested(BerechnungPage::Chart chart);
    // The run-limit field `UpDown7` changed; carries the position it had
    // before, which is what the session's run limit follows.
    void runLimitChanging(int positionBefore);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildStatistisch(QWidget* page);
    void buildScheinOptimierung(QWidget* page);
    void buildMathematisch(QWidget* page);
    void buildAllgemein(QWidget* page);
    void buildHiddenOptions(QWidget* page);

    QCheckBox* addCheck(QWidget* parent, int number, const QString& caption,
                        const QString& hint, bool checked);
    UpDown* addUpDown(QWidget* parent, int number, int editNumber, int minimum, int maximum,
                      int position, const QString& hint);
    QLabel* addLabel(QWidget* parent, int number, const QString& caption);
    QLabel* addLinkLabel(QWidget* parent, int number, const QString& caption, Chart chart);
    QToolButton* addChartButton(QWidget* parent, int number, const QString& hint, Chart chart);

    void watchForUse(UpDown* upDown);
    void keepBoundsInStep(int changed); // number of the UpDown that changed, 0: none
    void loosenBounds();
    void watchRowFilters();

    QTabWidget* pageControl2_ = nullptr;
    FilterCountLine* filterLine_ = nullptr;
    QHash<int, QCheckBox*> checks_;
    QHash<int, UpDown*> upDowns_;
    QHash<QObject*, Chart> linkLabels_;
    int runLimitPosition_ = 50;
};
