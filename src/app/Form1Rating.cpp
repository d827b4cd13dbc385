#include "app/TForm1.h"

#include "app/pages/BerechnungPage.h"
#include "app/pages/DatenbankPage.h"
#include "app/pages/LottotippPage.h"
#include "app/pages/TipBoard.h"
#include "draws/DamagedDraws.h"
#include "draws/DateSerial.h"
#include "draws/DrawFile.h"
#include "draws/DrawLocator.h"
#include "draws/DrawText.h"
#include "evaluation/BoardRating.h"
#include "evaluation/Zettelcheck.h"
#include "platform/Dialogs.h"
#include "platform/Sound.h"
#include "text/TextLine.h"
#include "text/UiText.h"

#include <QDateEdit>
#include <QDir>

#include <cmath>

namespace {

const QColor kDrawnColor(0, 255, 0);
const QColor kBonusColor(255, 255, 0);
const QColor kHighlightColor(255, 0, 0);

// Shows one row's rating; true when the row calls for the sound.
bool showRowRating(TipBoard& board, int row, const RowRating& rating)
{
    const QColor neutral = board.palette().color(QPalette::Base);
    board.setPrizeClass(row, rating.valid && rating.prize.prizeClass > 0
                                 ? QString::number(rating.prize.prizeClass)
                                 : QString());
    if (!rating.valid) {
        for (int k = 1; k <= TipBoard::CellCount; ++k)
            board.setCellColor(row, k, neutral);
        board.setCrossSum(row, QString());
        board.setHits(row, QString(), Qt::black);
        return false;
    }

    board.setCrossSum(row, QString::number(rating.crossSum));
    for (int k = 1; k <= TipBoard::CellCount; ++k) {
        board.setCellText(row, k, rating.sortedTexts[k - 1]);
        const quint8 state = rating.cellState[k - 1];
        board.setCellColor(row, k, state == 1 ? kDrawnColor : state == 2 ? kBonusColor : neutral);
    }
    board.setHits(row, rating.hitsText, rating.highlight ? kHighlightColor : QColor(Qt::black));
    return rating.highlight;
}

// Before any draw was loaded the session's draw date is no draw date; and a
// date the picker cannot hold is left out instead of being clamped to a wrong
// one.
void showDrawDate(DatenbankPage& page, double datum)
{
    const QDate date = DateSerial::toDate(datum);
    const QDateEdit* picker = page.endDatePicker();
    if (datum <= 0.0 || !date.isValid() || date < picker->minimumDate()
        || date > picker->maximumDate())
        return;
    page.setEndDate(date);
}

QString damagedRecordsText(qint64 count, const QString& fileName)
{
    return count == 1 ? UiText::line(TextLine::DamagedRecord).arg(fileName)
                      : UiText::line(TextLine::DamagedRecords).arg(QString::number(count), fileName);
}

} // namespace

void TForm1::Zettelcheck(const QString& Edit1T, const QString& Edit2T, const QString& Edit3T,
                         const QString& Edit4T, const QString& Edit5T, const QString& Edit6T)
{
    const CheckResult result =
        zettelcheck({Edit1T, Edit2T, Edit3T, Edit4T, Edit5T, Edit6T}, session_.numbers);
    session_.lastRating.treffer = result.treffer;
    session_.lastRating.gewinn = result.gewinn;
    session_.lastRating.zusatz = result.zusatz;
}

void TForm1::Komplettcheck()
{
    rateBoardShown(true);
}

void TForm1::rateBoardShown(bool withSound)
{
    session_.lastRating.statistik = {};
    if (!session_.ratingOn)
        return;

    TipBoard* board = tipBoard();
    const BoardRows rows = board->cells();

    const BoardRating rating = rateBoard(rows, session_.currentRecord(), ticketPlay());
    // The sound is started per row, each start replacing the one playing.
    // It is looked for beside the program, not in the working directory.
    const QString soundFile = QDir(ProgramDir).filePath(SoundName);
    for (int r = 1; r <= TipBoard::RowCount; ++r)
        if (showRowRating(*board, r, rating.rows[r - 1]) && withSound)
            sound().play(soundFile);
    showTicketResult(rating);

    session_.lastRating.statistik = rating.statistik;
    if (rating.last) {
        session_.lastRating.treffer = rating.last->treffer;
        session_.lastRating.gewinn = rating.last->gewinn;
        session_.lastRating.zusatz = rating.last->zusatz;
    }
}

void TForm1::SpeedButton5Click()
{
    const DrawFile file(databasePath());
    if (!file.exists()) {
        dialogs().showMessage(this, text(TextLine::ReadDrawsFirst));
        const QString error = file.create();
        if (!error.isEmpty())
            dialogs().showError(this, error);
        return;
    }
    // Every change of the stored draws ends here: the filter line recounts.
    berechnungPage()->drawsChanged(databasePath());

    session_.workingDate = std::nearbyint(DateSerial::fromDate(datenbankPage()->endDate()));
    QString error;
    const std::optional<std::vector<Draw>> draws = file.readAll(&error);
    if (!draws) {
        dialogs().showError(this, error);
        return;
    }
    // Start-up, every update, entry and deletion end here: the one place that
    // sees each new state of the file.
    reportDamagedRecords(*draws);
    announceTicketDraws(*draws);

    if (const std::optional<LocatedDraw> located = locateDraw(*draws, session_.workingDate)) {
        session_.position = located->index;
        showCurrentDraw(located->draw, located->firstRecord);
    } else {
        session_.position = 0; // an empty database: the previous draw stays current
    }
    Komplettcheck();
}

void TForm1::showDrawLine()
{
    if (!shownDraw_)
        return;
    const QString line = drawLine(*shownDraw_, shortWeekdayNames(Sprache), shownFirstRecord_);
    datenbankPage()->setDrawLine(line);
    lottotippPage()->setDrawLine(line);
    lottotippPage()->setCrossSum(crossSumText(*shownDraw_, text(TextLine::CrossSumLabel)));
}

void TForm1::showCurrentDraw(const Draw& draw, bool firstRecord)
{
    session_.makeCurrent(draw);
    shownDraw_ = draw;
    shownFirstRecord_ = firstRecord;
    showDrawLine();
    // The end of the counting window follows the shown draw.
    showDrawDate(*datenbankPage(), session_.drawDate);
}

void TForm1::showDrawAgain()
{
    showDrawLine();
    Komplettcheck();
}

void TForm1::reportDamagedRecords(const std::vector<Draw>& draws)
{
    const auto damaged = qint64(countDamagedDraws(draws));
    if (damaged > 0 && damaged != damagedSaid_)
        setStatusPanel(0, [damaged, file = ZahlenFile] { return damagedRecordsText(damaged, file); });
    damagedSaid_ = damaged;
}
