#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QToolButton;

// The twelve tip rows of six cells on the "Lottotipp" tab. Rows and cells are
// numbered from 1, as everywhere in the program; the cells carry the names of
// the entry fields they always had (`Edit1` … `Edit79`, with gaps), so the
// settings and language files can address them. A row's lock is the colour of
// its row label and nothing else.
class TipBoard : public QWidget {
    Q_OBJECT
public:
    static constexpr int RowCount = 12;
    static constexpr int CellCount = 6;

    explicit TipBoard(QWidget* parent = nullptr);

    // Number N of the entry field `EditN` holding cell 1 of a row (1, 7, …, 43, 49, 56, …).
    static int firstCellNumber(int row);
    static QString cellName(int row, int cell);
    static QString rowLabelName(int row);
    static QString hitsLabelName(int row);
    static QString crossSumLabelName(int row);
    static QString classLabelName(int row);
    static QString editButtonName(int row);

    // A cell holds the empty text or a number 1 … 49 without sign or leading
    // zeros; anything else becomes the empty text.
    static QString normaliseCell(const QString& text);

    QString cellText(int row, int cell) const;
    // Goes through the normalisation, like typing into the cell.
    void setCellText(int row, int cell, const QString& text);
    QColor cellColor(int row, int cell) const;
    void setCellColor(int row, int cell, const QColor& color);

    bool isLocked(int row) const;
    // What a click on the row label does.
    void toggleLock(int row);

    QString hitsText(int row) const;
    QColor hitsColor(int row) const;
    void setHits(int row, const QString& text, const QColor& color);
    // The row's prize class in the draw shown ("5", under the heading "Kl.");
    // a row with a class also gets its hits in bold, so that it stands out.
    QString prizeClassText(int row) const;
    void setPrizeClass(int row, const QString& text);
    bool hitsBold(int row) const;
    QString crossSumText(int row) const;
    void setCrossSum(int row, const QString& text);

    // Empties the cells, hits and cross-sum label of one row, locked or not.
    void clearRow(int row);
    void clearUnlockedRows();

    // The texts of all cells, row by row: what the rating, the tip file and a
    // run that may fail take (the last to put the user's tips back). Hits and
    // cross sums follow from a rating.
    using Cells = std::array<std::array<QString, CellCount>, RowCount>;
    Cells cells() const;
    void setCells(const Cells& cells);

    static const QColor LockedColor; // RGB 255, 0, 0

signals:
    // Focus left a cell (the rating runs then, when enabled).
    void cellEdited(int row, int cell);
    void editButtonClicked(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Row {
        QLabel* label = nullptr;
        QToolButton* editButton = nullptr;
        std::array<QLineEdit*, CellCount> cells{};
        QLabel* hits = nullptr;
        QLabel* crossSum = nullptr;
        QLabel* prizeClass = nullptr;
    };

    static bool validRow(int row) { return row >= 1 && row <= RowCount; }
    static bool validCell(int row, int cell)
    {
        return validRow(row) && cell >= 1 && cell <= CellCount;
    }
    QLineEdit* cellEdit(int row, int cell) const;
    // Handlers of every cell's change and every row label's click.
    void Edit1Change(QLineEdit* edit);
    void Label30Click(int row);
    QColor unlockedColor() const;
    void updateMetrics();

    std::array<Row, RowCount> rows_{};
};
