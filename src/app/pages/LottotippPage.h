#pragma once

#include <QDate>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;
class QToolButton;
class TipBoard;
class UpDown;

// The "Lottotipp" tab (`TabSheet1`): the tip board, the latest-draw panel
// `Panel4`, the generation panel `Panel3`, the file, search and printout
// buttons, the two banners and the hidden text buffers `Memo2` and `RichEdit1`.
class LottotippPage : public QWidget {
    Q_OBJECT
public:
    // What the buttons of this tab ask the window to do; each names the
    // control that asks for it.
    enum class Command {
        PreviousDraw,     // SpeedButton6
        NextDraw,         // SpeedButton7
        UpdateDatabase,   // SpeedButton10
        LuckyNumber,      // SpeedButton13
        GenerateTips,     // BitBtn4
        ClearTips,        // SpeedButton11
        SaveTips,         // SpeedButton15
        LoadTips,         // SpeedButton16
        SearchTips,       // SpeedButton4
        TipDistribution,  // Button6
        PrintTips,        // BitBtn7
        OpenProductPage,  // Label43, Label44, Panel8, Panel9
        EvaluateTicket,   // TicketRunButton
    };
    Q_ENUM(Command)

    explicit LottotippPage(QWidget* parent = nullptr);

    TipBoard* tipBoard() const { return tipBoard_; }

    // Latest-draw panel: the draw line `Label35` and the cross sum `Label13`.
    QString drawLine() const;
    void setDrawLine(const QString& text);
    QString crossSum() const;
    void setCrossSum(const QString& text);
    void setUpdateEnabled(bool enabled); // SpeedButton10

    // `UpDown8`: how many rows the generator fills.
    int rowCount() const;
    void setRowCount(int rows);
    // `BitBtn4` reads "Tipps &berechnen" or "Stoppen" while a run goes.
    QString generateCaption() const;
    void setGenerateCaption(const QString& caption);

    // The ticket panel `PanelTicket`: what the ticket plays and when.
    struct TicketFields {
        QString losnummer;       // as typed
        bool spiel77 = false;
        bool super6 = false;
        bool wednesday = false;
        bool saturday = true;    // at least one of the two days stays on
        QDate firstDate;
        int weeks = 1;           // 1..5, 0 until changed
    };
    TicketFields ticketFields() const;
    // Shows the values without announcing them as edits.
    void setTicketFields(const TicketFields& fields);
    // The texts of the run's choices: 1..5 weeks, then "until changed".
    void setWeeksTexts(const QStringList& texts);
    QWidget* ticketPanel() const;
    // What the ticket won in the current draw and what it costs, under the board.
    QString ticketSummary() const;
    void setTicketSummary(const QString& text);

    QPlainTextEdit* textTableMemo() const { return memo2_; } // Memo2, hidden
    QTextEdit* richEdit() const { return richEdit1_; }       // RichEdit1, hidden

signals:
    void commandRequested(LottotippPage::Command command);
    // The user changed a field of the ticket panel.
    void ticketEdited();
    // The user left the ticket number field (or pressed Return in it).
    void losnummerLeft();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* addToolButton(QWidget* parent, const QString& name, const QString& text,
                               const QString& hint, Command command);
    QPushButton* addButton(QWidget* parent, const QString& name, const QString& caption,
                           const QString& hint, Command command);
    QWidget* buildDrawPanel();
    QWidget* buildGeneratePanel();
    QWidget* buildTicketPanel();
    QWidget* buildBanner(const QString& panelName, const QString& labelName,
                         const QString& text, int pixelSize);

    TipBoard* tipBoard_ = nullptr;
    QLabel* drawLine_ = nullptr;
    QLabel* crossSum_ = nullptr;
    QToolButton* updateButton_ = nullptr;
    UpDown* rowCount_ = nullptr;
    QPushButton* generate_ = nullptr;
    QPlainTextEdit* memo2_ = nullptr;
    QTextEdit* richEdit1_ = nullptr;
    QGroupBox* ticketPanel_ = nullptr;
    QLineEdit* losnummer_ = nullptr;
    QCheckBox* spiel77_ = nullptr;
    QCheckBox* super6_ = nullptr;
    QCheckBox* wednesday_ = nullptr;
    QCheckBox* saturday_ = nullptr;
    QDateEdit* firstDate_ = nullptr;
    QComboBox* weeks_ = nullptr;
    QLabel* ticketSummary_ = nullptr;
};
