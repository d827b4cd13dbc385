#pragma once

#include <QColor>
#include <QDialog>
#include <QList>
#include <array>
#include <memory>
#include <optional>
#include <span>

class Dialogs;
class QCheckBox;
class QPushButton;
class QStatusBar;
class QTimer;
class QToolButton;

// The number weighting dialog: one check box per number 1..49, each with a
// weight kept as the box's hint text. The generator shows it with the
// composition of its pool ("&Rechnen" asks for the pool to be rebuilt from
// the boxes); the row editor shows it to pick one row, by hand or with the
// rolling random picker "&Zufall".
class TForm6 : public QDialog {
    Q_OBJECT
public:
    // Result of "&Rechnen"; OK and Abort are QDialog::Accepted / Rejected.
    static constexpr int Retry = 4;

    explicit TForm6(QWidget* parent = nullptr);
    ~TForm6() override;

    // Where the modal file dialogs and messages go; without one the real
    // Qt dialogs are used.
    void setDialogs(Dialogs* dialogs);
    // Folder the file dialogs open in (the program's `Home`).
    void setDirectory(const QString& directory) { directory_ = directory; }

    QCheckBox* box(int number) const;
    bool isChecked(int number) const;
    // A change of the checked state runs the weight rule, as every change does.
    void setChecked(int number, bool checked);
    QString weight(int number) const;
    void setWeight(int number, const QString& weight); // the rule does not run
    // The weight as a whole number, or nothing when the text is not one.
    std::optional<int> weightValue(int number) const;

    QColor boxColor(int number) const;
    void paintBox(int number, const QColor& color);
    static QColor chosenColor();
    static QColor plainColor();

    QString statusText() const;

    // Pool mode: a box is checked when its number has entries in the pool,
    // and its weight is the number of entries.
    void presetPool(std::span<const int> pool);

    // Row mode: hide "&Rechnen", show "&Zufall", draw six numbers, and mark
    // the row's numbers (up to the first that is not 1..49) in yellow.
    void beginRowMode(const QList<int>& numbers);
    // Back to pool mode with the given caption; the checked states stay.
    void endRowMode(const QString& caption);
    QList<int> checkedNumbers() const; // ascending

    // ---- fields of the random picker ----
    std::array<qint32, 27> Tippreihe{}; // entries 1..MaxTipp: the picker's numbers
    qint32 Losgeht = 1;                 // first index not yet fixed
    qint32 MaxTipp = 6;                 // how many numbers the picker draws
    bool Minus = false;                 // the change being applied is a decrease

    // ---- handlers ----
    void CheckBox1Click(int number);
    void CheckBox17MouseDown(int number, Qt::MouseButton button);
    void CheckBox1MouseMove(int number);
    void SpeedButton1Click();
    void SpeedButton2Click();
    void BitBtn4Click();
    void Timer1Timer();
    void FormClose();

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Dialogs& dialogs();
    // Checks a box for sure: a weight that is not a number makes the rule
    // refuse the first check, and a second one then succeeds.
    void mark(int number);
    QString listFileName() const;

    std::array<QCheckBox*, 50> boxes_{}; // index = number; 0 unused
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QTimer* Timer1 = nullptr;
    QString idleCaption_; // BitBtn4's caption while the picker is not running

    Dialogs* dialogs_ = nullptr;
    std::unique_ptr<Dialogs> ownDialogs_;
    bool rowMode_ = false;
    QString directory_;
};
