#include "app/TForm1.h"

#include "app/dialogs/TForm6.h"
#include "app/pages/TipBoard.h"
#include "generator/Random.h"
#include "platform/Dialogs.h"
#include "text/TextLine.h"

#include <optional>
#include <utility>

namespace {

// Row and cell of the entry field `EditN`; none for a number that is no cell.
std::optional<std::pair<int, int>> cellOfEdit(int number)
{
    for (int row = 1; row <= TipBoard::RowCount; ++row) {
        const int cell = number - TipBoard::firstCellNumber(row) + 1;
        if (cell >= 1 && cell <= TipBoard::CellCount)
            return std::pair{row, cell};
    }
    return std::nullopt;
}

} // namespace

void TForm1::connectTipBoard()
{
    connect(tipBoard(), &TipBoard::cellEdited, this, &TForm1::Edit1Exit);
    connect(tipBoard(), &TipBoard::editButtonClicked, this, &TForm1::TippEditClick);
}

void TForm1::Edit1Exit(int, int)
{
    if (session_.ratingOn)
        Komplettcheck();
}

void TForm1::Loeschendertipp()
{
    if (dialogs().askYesNo(this, text(TextLine::DeleteAllTipsCaption), text(TextLine::DeleteAllTipsQuestion)))
        SpeedButton11Click();
}

void TForm1::SpeedButton11Click()
{
    tipBoard()->clearUnlockedRows();
    // The emptied rows must lose their colours even while rating is off.
    const bool wasSorting = session_.ratingOn;
    session_.ratingOn = true;
    Komplettcheck();
    session_.ratingOn = wasSorting;
}

void TForm1::TippEditClick(int row)
{
    if (row < 1 || row > TipBoard::RowCount)
        return;
    form6()->setWindowTitle(QString::number(row) + QStringLiteral(". ") + text(TextLine::Tip));
    const int first = TipBoard::firstCellNumber(row);
    TippEdit(first, first + TipBoard::CellCount - 1);
}

void TForm1::TippEdit(int Anfang, int Ende)
{
    TipBoard* board = tipBoard();
    QList<int> marked;
    for (int n = Anfang; n <= Ende; ++n) {
        const auto cell = cellOfEdit(n);
        bool ok = false;
        const int value = cell ? board->cellText(cell->first, cell->second).toInt(&ok) : 0;
        if (!ok)
            break; // the boxes marked so far stay marked
        marked << value;
    }
    form6()->beginRowMode(marked);

    if (dialogs().execDialog(*form6()) == QDialog::Accepted) {
        // Ascending, at most one number per cell; cells after the last
        // checked number keep their text.
        int j = Anfang;
        for (int number : form6()->checkedNumbers()) {
            if (j > Ende)
                break;
            if (const auto cell = cellOfEdit(j))
                board->setCellText(cell->first, cell->second, QString::number(number));
            ++j;
        }
    }
    form6()->endRowMode(text(TextLine::ChooseNumbersForRun));
    // The row's colours, hits and cross sum belong to its new numbers.
    if (session_.ratingOn)
        Komplettcheck();
}

void TForm1::SpeedButton13Click()
{
    const std::optional<int> lucky = askWholeNumber(
        dialogs(), this, text(TextLine::LuckyNumber) + QStringLiteral(" (1-99999999)?"), text(TextLine::LuckyNumberPrompt),
        QString::number(Random::global().below(99999)), [this](const QString&) { return text(TextLine::BadLuckyNumber); });
    if (!lucky)
        return;
    const qint32 value = *lucky;
    // The range in the caption is a suggestion; any 32-bit value seeds.
    Random::global().setSeed(static_cast<quint32>(value));
}
