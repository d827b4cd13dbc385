#pragma once

#include <QDate>
#include <QWidget>

class QCheckBox;
class QDateEdit;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

// The "Datenbank" tab (`TabSheet4`): the end date `DateTimePicker1` with the
// shown draw `Label29`, the database operations, the statistics buttons, the
// historical analysis, and the controls that are kept but never shown: the
// weekday switches `CheckBox16`, `CheckBox17` and the line buffer `Memo1`.
class DatenbankPage : public QWidget {
    Q_OBJECT
public:
    enum class Command {
        RateChosenDraw,      // SpeedButton5
        UpdateDatabase,      // BitBtn1
        StopUpdate,          // SpeedButton8
        EnterDraw,           // BitBtn8
        DeleteDraw,          // BitBtn6
        Overdue,             // Button5
        SuperNumberOverdue,  // Button8
        PairCount,           // Button2
        TripleCount,         // Button3
        QuadCount,           // Button4
        PrimesPerTip,        // Button9
        OddPerTip,           // Button10
        EvenPerTip,          // Button11
        Backtest,            // BitBtn9
        DrawComparison,      // BitBtn19
        ImportDraws,         // ImportButton
        ExportDraws,         // ExportButton
    };
    Q_ENUM(Command)

    explicit DatenbankPage(QWidget* parent = nullptr);

    // `DateTimePicker1`: end of the counting window and the chosen draw's date.
    QDate endDate() const;
    void setEndDate(const QDate& date);
    QDateEdit* endDatePicker() const { return endDate_; }

    QString drawLine() const; // Label29
    void setDrawLine(const QString& text);

    // While an update runs: `BitBtn1` disabled and the stop button
    // `SpeedButton8` shown; hiding the stop button asks the update to stop.
    void setUpdateEnabled(bool enabled);
    QPushButton* updateButton() const { return update_; } // BitBtn1
    bool stopButtonShown() const;
    void setStopButtonShown(bool shown);

    bool saturdays() const;  // CheckBox16
    bool wednesdays() const; // CheckBox17
    void setSaturdays(bool on);
    void setWednesdays(bool on);
    bool recalcOnlyAfterThree() const; // CheckBox31

    QPlainTextEdit* lineBuffer() const { return memo1_; } // Memo1, hidden

signals:
    void commandRequested(DatenbankPage::Command command);

private:
    QPushButton* addButton(QWidget* parent, const char* name, const QString& caption,
                           const QString& hint, Command command);

    QDateEdit* endDate_ = nullptr;
    QLabel* drawLine_ = nullptr;
    QPushButton* update_ = nullptr;
    QToolButton* stop_ = nullptr;
    QCheckBox* saturdays_ = nullptr;
    QCheckBox* wednesdays_ = nullptr;
    QCheckBox* onlyAfterThree_ = nullptr;
    QPlainTextEdit* memo1_ = nullptr;
};
