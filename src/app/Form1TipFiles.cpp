#include "app/TForm1.h"

#include "app/pages/DatenbankPage.h"
#include "app/pages/TipBoard.h"
#include "draws/DateSerial.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "tipfiles/TipFile.h"
#include "tipfiles/TipPrintout.h"
#include "text/TextLine.h"

#include <QDate>
#include <QFileInfo>
#include <QStandardPaths>
#include <QLocale>
#include <QPlainTextEdit>
#include <iterator>

namespace {

FileDialogSetup tipFileDialog(const QString& folder, const QString& proposedName)
{
    return {folder, proposedName, TipFile::filter(), TipFile::defaultSuffix()};
}

// Reads first and touches the board only when the whole file was read, so a
// file that cannot be opened or read leaves the tips as they were.
bool loadTipFile(TForm1& form, const QString& path)
{
    QString error;
    const std::optional<TipFile::Content> content = TipFile::read(path, &error);
    if (!content) {
        form.dialogs().showError(&form, error);
        return false;
    }
    TipBoard& board = *form.tipBoard();
    board.clearUnlockedRows();
    // Locked rows are overwritten too: the file decides every row it holds.
    for (int r = 1; r <= content->rowsRead; ++r)
        for (int c = 1; c <= TipBoard::CellCount; ++c)
            board.setCellText(r, c,
                              content->rows[static_cast<std::size_t>(r - 1)]
                                           [static_cast<std::size_t>(c - 1)]);
    if (content->losNr) {
        form.session().ticket.number = *content->losNr;
        form.showTicket();
    }
    return true;
}

} // namespace

void TForm1::SpeedButton15Click()
{
    const QString name = TipFile::proposedFileName(datenbank_->endDate(), QDate::currentDate());
    const QString path = dialogs().saveFileName(this, tipFileDialog(tipFileFolder(), name));
    if (path.isEmpty())
        return;
    lastTipFolder_ = QFileInfo(path).absolutePath();
    const QString error = TipFile::write(path, tipBoard()->cells(), session_.ticket.number);
    if (!error.isEmpty())
        dialogs().showError(this, error);
}

void TForm1::SpeedButton16Click()
{
    const QString path = dialogs().openFileName(this, tipFileDialog(tipFileFolder(), QString()));
    if (!path.isEmpty())
        lastTipFolder_ = QFileInfo(path).absolutePath();
    if (!path.isEmpty() && !loadTipFile(*this, path))
        return;
    SpeedButton5Click();
}

QString TForm1::tipFileFolder() const
{
    return TipFile::startFolder(lastTipFolder_, Home, executableDir_,
                                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

void TForm1::Textladen(const QString& Dateiname)
{
    loadTipFile(*this, Dateiname);
}

void TForm1::BitBtn7Click()
{
    const QDate nextDraw = TipPrintout::nextDrawDate(
        DateSerial::toDate(session_.drawDate), datenbank_->saturdays(), datenbank_->wednesdays());
    QString error;
    const std::optional<QStringList> lines = TipPrintout::lines(
        tipBoard()->cells(), nextDraw, text(TextLine::Tip), numberLocale(), &error);
    QPlainTextEdit* memo = datenbank_->lineBuffer();
    memo->clear();
    if (!lines) {
        dialogs().showError(this, error);
        return;
    }
    for (const QString& line : *lines)
        memo->appendPlainText(line);

    const QString path = Home + QStringLiteral("Tipp.txt");
    error = TipPrintout::write(path, *lines);
    if (!error.isEmpty()) {
        dialogs().showError(this, error);
        return;
    }
    showReport(path, lines->join(QLatin1Char('\n')));
}
