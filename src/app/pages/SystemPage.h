#pragma once

#include <QWidget>

#include <vector>

class QComboBox;
class QDateEdit;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

// The "System" tab (`TabSheet13`): a 7 x 7 number grid like a lottery slip,
// the choice of a full or reduced system, what it guarantees and costs, its
// rating, and the buttons that play, save and export it. The page only shows
// what the window gives it and forwards the clicks.
class SystemPage : public QWidget {
    Q_OBJECT
public:
    enum class Command {
        ToBoard,    // SystemBoardButton
        SaveSystem, // SystemSaveButton
        ExportCsv,  // SystemCsvButton
        Rate,       // SystemRateButton
        Clear,      // SystemClearButton
        Backtest,   // SystemBacktestButton
        Build,      // SystemBuildButton: builds a system, or stops the build
        FromPool,   // SystemPoolButton
        Load,       // SystemLoadButton
        Print,      // SystemPrintButton
    };
    Q_ENUM(Command)

    explicit SystemPage(QWidget* parent = nullptr);

    // The grid's button of the number 1..49.
    QToolButton* numberButton(int number) const;
    // Ticks exactly the given numbers.
    void setChosen(const std::vector<int>& numbers);
    std::vector<int> chosen() const;
    void setCountText(const QString& text);
    QString countText() const;

    // The systems on offer for the chosen numbers, `current` chosen; says
    // nothing about the change.
    void setSystems(const QStringList& items, int current);
    int systemIndex() const;
    void setSystemIndex(int index);
    QComboBox* systemCombo() const { return systems_; }

    // Rows, guarantee and cost of the chosen system.
    void setInfo(const QString& text);
    QString info() const;
    // The backtest's range of draw dates.
    QDateEdit* fromDate() const { return from_; }
    QDateEdit* toDate() const { return to_; }
    // The rating of the system, or what a build found.
    void setRating(const QString& text);
    QString rating() const;
    // The guarantee "t if m" a build is asked for; t never exceeds m.
    QSpinBox* buildHits() const { return buildHits_; }
    QSpinBox* buildIfDrawn() const { return buildIfDrawn_; }
    QPushButton* buildButton() const { return build_; }

signals:
    void numberClicked(int number);
    void systemChosen(int index);
    void commandRequested(SystemPage::Command command);

private:
    QPushButton* addButton(const QString& name, const QString& caption, const QString& hint,
                           Command command);

    std::vector<QToolButton*> numbers_;
    QLabel* count_ = nullptr;
    QComboBox* systems_ = nullptr;
    QLabel* info_ = nullptr;
    QPlainTextEdit* rating_ = nullptr;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QSpinBox* buildHits_ = nullptr;
    QSpinBox* buildIfDrawn_ = nullptr;
    QPushButton* build_ = nullptr;
};
