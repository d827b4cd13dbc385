#include "app/pages/TipBoard.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>

namespace {

// The entry-field numbers of cell 1 per row; the gaps belong to the
// generation parameters.
constexpr std::array<int, TipBoard::RowCount> firstCells{1, 7, 13, 19, 25, 31,
                                                         43, 49, 56, 62, 68, 74};
constexpr std::array<int, TipBoard::RowCount> rowLabels{28, 30, 31, 32, 33, 34,
                                                        46, 48, 62, 61, 63, 64};
constexpr std::array<int, TipBoard::RowCount> hitsLabels{22, 23, 24, 25, 26, 27,
                                                         45, 47, 65, 66, 69, 70};
constexpr std::array<int, TipBoard::RowCount> crossSumLabels{36, 37, 38, 39, 40, 41,
                                                             49, 50, 67, 68, 71, 72};

const QString lockHint =
    QStringLiteral("Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!");
const QString editHint = QStringLiteral(
    "Klicken Sie hier um Tipp 1 mit dem Tippformular zu ändern oder per Zufallsgenerator "
    "erzeugen wollen");

QString labelName(int number)
{
    return QStringLiteral("Label") + QString::number(number);
}

void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

} // namespace

const QColor TipBoard::LockedColor(255, 0, 0);

TipBoard::TipBoard(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TipBoard"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(2);
    // Twelve rows must fit the design height with any Arial-like font.
    grid->setVerticalSpacing(1);

    // Line 0 names the two columns of numbers that follow the cells.
    const auto heading = [this, grid](const char* name, const QString& caption,
                                      const QString& hint, int column) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(QLatin1String(name));
        label->setToolTip(hint);
        label->setAlignment(Qt::AlignRight | Qt::AlignBottom);
        grid->addWidget(label, 0, column);
    };
    heading("HitsHeading", QStringLiteral("Treffer"),
            QStringLiteral("Treffer der Reihe in der angezeigten Ziehung, + B mit der Zusatzzahl"), 8);
    heading("CrossSumHeading", QStringLiteral("QS"), QStringLiteral("Quersumme der Reihe"), 9);
    heading("ClassHeading", QStringLiteral("Kl."),
            QStringLiteral("Gewinnklasse der Reihe in der angezeigten Ziehung, mit der Superzahl der Losnummer"),
            10);

    for (int r = 1; r <= RowCount; ++r) {
        Row& row = rows_[r - 1];
        const int line = r;

        row.label = new QLabel(QString::number(r) + QStringLiteral(". Tipp"), this);
        row.label->setObjectName(rowLabelName(r));
        row.label->setToolTip(lockHint);
        row.label->setCursor(Qt::PointingHandCursor);
        row.label->installEventFilter(this);
        grid->addWidget(row.label, line, 0);

        row.editButton = new QToolButton(this);
        row.editButton->setObjectName(editButtonName(r));
        row.editButton->setText(QStringLiteral("…"));
        row.editButton->setToolTip(editHint);
        row.editButton->setFocusPolicy(Qt::NoFocus);
        connect(row.editButton, &QToolButton::clicked, this,
                [this, r] { emit editButtonClicked(r); });
        grid->addWidget(row.editButton, line, 1);

        for (int c = 1; c <= CellCount; ++c) {
            auto* edit = new QLineEdit(this);
            edit->setObjectName(cellName(r, c));
            edit->setAlignment(Qt::AlignCenter);
            edit->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
            edit->installEventFilter(this);
            connect(edit, &QLineEdit::textChanged, this, [this, edit] { Edit1Change(edit); });
            row.cells[c - 1] = edit;
            grid->addWidget(edit, line, 1 + c);
        }

        row.hits = new QLabel(this);
        row.hits->setObjectName(hitsLabelName(r));
        row.hits->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(row.hits, line, 8);

        row.crossSum = new QLabel(this);
        row.crossSum->setObjectName(crossSumLabelName(r));
        row.crossSum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(row.crossSum, line, 9);

        row.prizeClass = new QLabel(this);
        row.prizeClass->setObjectName(classLabelName(r));
        row.prizeClass->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont bold; // only the weight, so the size still follows the window scaling
        bold.setBold(true);
        row.prizeClass->setFont(bold);
        grid->addWidget(row.prizeClass, line, 10);
    }
    grid->setColumnStretch(11, 1);
    updateMetrics();
}

int TipBoard::firstCellNumber(int row)
{
    return validRow(row) ? firstCells[row - 1] : 0;
}

QString TipBoard::cellName(int row, int cell)
{
    if (!validCell(row, cell))
        return {};
    return QStringLiteral("Edit") + QString::number(firstCells[row - 1] + cell - 1);
}

QString TipBoard::rowLabelName(int row)
{
    return validRow(row) ? labelName(rowLabels[row - 1]) : QString();
}

QString TipBoard::hitsLabelName(int row)
{
    return validRow(row) ? labelName(hitsLabels[row - 1]) : QString();
}

QString TipBoard::crossSumLabelName(int row)
{
    return validRow(row) ? labelName(crossSumLabels[row - 1]) : QString();
}

QString TipBoard::classLabelName(int row)
{
    return validRow(row) ? QStringLiteral("ClassLabel%1").arg(row) : QString();
}

QString TipBoard::editButtonName(int row)
{
    return validRow(row) ? QStringLiteral("Tipp%1Edit").arg(row) : QString();
}

QString TipBoard::normaliseCell(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok || value < 1 || value > 49)
        return {};
    return QString::number(value);
}

QLineEdit* TipBoard::cellEdit(int row, int cell) const
{
    return validCell(row, cell) ? rows_[row - 1].cells[cell - 1] : nullptr;
}

QString TipBoard::cellText(int row, int cell) const
{
    const QLineEdit* edit = cellEdit(row, cell);
    return edit ? edit->text() : QString();
}

void TipBoard::setCellText(int row, int cell, const QString& text)
{
    if (QLineEdit* edit = cellEdit(row, cell))
        edit->setText(text); // the change handler normalises
}

QColor TipBoard::cellColor(int row, int cell) const
{
    const QLineEdit* edit = cellEdit(row, cell);
    return edit ? edit->palette().color(QPalette::Base) : QColor();
}

void TipBoard::setCellColor(int row, int cell, const QColor& color)
{
    QLineEdit* edit = cellEdit(row, cell);
    if (!edit)
        return;
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, color);
    edit->setPalette(palette);
}

void TipBoard::Edit1Change(QLineEdit* edit)
{
    const QString normalised = normaliseCell(edit->text());
    // Writing back changes the text once more; the normalised text is a fixed
    // point, so the second round leaves it alone.
    if (normalised != edit->text())
        edit->setText(normalised);
}

QColor TipBoard::unlockedColor() const
{
    return palette().color(QPalette::WindowText);
}

bool TipBoard::isLocked(int row) const
{
    return validRow(row)
        && rows_[row - 1].label->palette().color(QPalette::WindowText) == LockedColor;
}

void TipBoard::Label30Click(int row)
{
    toggleLock(row);
}

void TipBoard::toggleLock(int row)
{
    if (!validRow(row))
        return;
    QLabel* label = rows_[row - 1].label;
    const bool unlocked = label->palette().color(QPalette::WindowText) == unlockedColor();
    setTextColor(label, unlocked ? LockedColor : unlockedColor());
}

QString TipBoard::hitsText(int row) const
{
    return validRow(row) ? rows_[row - 1].hits->text() : QString();
}

QColor TipBoard::hitsColor(int row) const
{
    return validRow(row) ? rows_[row - 1].hits->palette().color(QPalette::WindowText) : QColor();
}

void TipBoard::setHits(int row, const QString& text, const QColor& color)
{
    if (!validRow(row))
        return;
    rows_[row - 1].hits->setText(text);
    setTextColor(rows_[row - 1].hits, color);
}

QString TipBoard::prizeClassText(int row) const
{
    return validRow(row) ? rows_[row - 1].prizeClass->text() : QString();
}

void TipBoard::setPrizeClass(int row, const QString& text)
{
    if (!validRow(row))
        return;
    const Row& line = rows_[row - 1];
    line.prizeClass->setText(text);
    QFont font; // only the weight, as above
    font.setBold(!text.isEmpty());
    line.hits->setFont(font);
}

bool TipBoard::hitsBold(int row) const
{
    return validRow(row) && rows_[row - 1].hits->font().bold();
}

QString TipBoard::crossSumText(int row) const
{
    return validRow(row) ? rows_[row - 1].crossSum->text() : QString();
}

void TipBoard::setCrossSum(int row, const QString& text)
{
    if (validRow(row))
        rows_[row - 1].crossSum->setText(text);
}

void TipBoard::clearRow(int row)
{
    if (!validRow(row))
        return;
    for (QLineEdit* edit : rows_[row - 1].cells)
        edit->clear();
    rows_[row - 1].hits->clear();
    rows_[row - 1].crossSum->clear();
    setPrizeClass(row, QString());
}

void TipBoard::clearUnlockedRows()
{
    for (int r = 1; r <= RowCount; ++r) {
        if (!isLocked(r))
            clearRow(r);
    }
}

TipBoard::Cells TipBoard::cells() const
{
    Cells all;
    for (int r = 1; r <= RowCount; ++r)
        for (int c = 1; c <= CellCount; ++c)
            all[std::size_t(r - 1)][std::size_t(c - 1)] = cellText(r, c);
    return all;
}

void TipBoard::setCells(const Cells& cells)
{
    for (int r = 1; r <= RowCount; ++r)
        for (int c = 1; c <= CellCount; ++c)
            setCellText(r, c, cells[std::size_t(r - 1)][std::size_t(c - 1)]);
}

void TipBoard::updateMetrics()
{
    // Cells wide enough for two digits at the current font, so the board
    // follows the window scaling through the font alone.
    const QFontMetrics metrics(font());
    const int cellWidth = metrics.horizontalAdvance(QStringLiteral("00")) + 8;
    const int labelWidth = metrics.horizontalAdvance(QStringLiteral("0 + B")) + 4;
    const int buttonSide = metrics.height() + 6;
    for (const Row& row : rows_) {
        row.editButton->setFixedSize(buttonSide, buttonSide);
        for (QLineEdit* edit : row.cells)
            edit->setFixedWidth(cellWidth);
        row.hits->setMinimumWidth(labelWidth);
        row.crossSum->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("000")) + 4);
        row.prizeClass->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("0")) + 4);
    }
}

void TipBoard::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        updateMetrics();
    QWidget::changeEvent(event);
}

bool TipBoard::eventFilter(QObject* watched, QEvent* event)
{
    for (int r = 1; r <= RowCount; ++r) {
        const Row& row = rows_[r - 1];
        if (watched == row.label) {
            // A disabled board (a run is filling it) is not disabled for
            // this filter, which sees the click before the label does.
            if (event->type() == QEvent::MouseButtonRelease && row.label->isEnabled()) {
                const auto* mouse = static_cast<QMouseEvent*>(event);
                if (mouse->button() == Qt::LeftButton
                    && row.label->rect().contains(mouse->position().toPoint()))
                    Label30Click(r);
            }
            break;
        }
        if (event->type() != QEvent::FocusOut)
            continue;
        for (int c = 1; c <= CellCount; ++c) {
            if (watched == row.cells[c - 1]) {
                emit cellEdited(r, c);
                return false;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
