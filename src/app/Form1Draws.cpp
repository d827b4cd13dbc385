#include "app/TForm1.h"

#include "app/dialogs/TForm3.h"
#include "app/pages/DatenbankPage.h"
#include "app/pages/DiagrammPage.h"
#include "app/pages/LottotippPage.h"
#include "draws/DateSerial.h"
#include "draws/DrawBrowser.h"
#include "draws/DrawEditing.h"
#include "draws/DrawFile.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "text/TextLine.h"

#include <QCursor>
#include <QDate>
#include <QDialog>
#include <QGuiApplication>

namespace {

// What the entry dialog offers when no draw is stored yet: the day and the
// values its number fields were designed with. The digit games stay empty:
// a made-up game number confirmed with OK would pass for a drawn one.
Draw designEntry(double day)
{
    Draw draw;
    draw.datum = day;
    draw.zahlen = {49, 49, 49, 49, 49, 49, 49, 9};
    return draw;
}


} // namespace

void TForm1::SpeedButton6Click()
{
    stepDraw(false);
}

void TForm1::SpeedButton7Click()
{
    stepDraw(true);
}

void TForm1::stepDraw(bool forward)
{
    const QDate start = diagrammPage()->startDate();
    if (start.isValid())
        session_.workingDate = DateSerial::fromDate(start);

    QString error;
    const auto draws = DrawFile(databasePath()).readAll(&error);
    if (!draws) {
        dialogs().showError(this, error);
        return;
    }
    const bool saturdays = datenbankPage()->saturdays();
    const bool wednesdays = datenbankPage()->wednesdays();
    const std::optional<int> shown = forward ? nextPosition(*draws, session_.position, saturdays, wednesdays)
                                             : previousPosition(*draws, session_.position, saturdays, wednesdays);
    if (!shown)
        return; // no draw stored: the display keeps what it shows

    session_.position = *shown;
    showCurrentDraw((*draws)[std::size_t(session_.position)], false);
    Komplettcheck();
}

void TForm1::BitBtn8Click()
{
    const DrawFile file(databasePath());
    QString error;
    const auto draws = file.readAll(&error);
    if (!draws) {
        dialogs().showError(this, error);
        return;
    }
    const double chosen = DateSerial::fromDate(datenbankPage()->endDate());
    const std::optional<Draw> reference = referenceDraw(*draws, chosen);
    session_.workingDate = reference ? reference->datum : chosen;
    form3()->preset(reference ? *reference : designEntry(DateSerial::today()));
    form3()->setGamesPlayed(session_.ticket.spiel77 != 0, session_.ticket.super6 != 0);

    if (dialogs().execDialog(*form3()) == QDialog::Accepted) {
        error = storeEntry(file, form3()->draw());
        if (!error.isEmpty()) {
            dialogs().showError(this, error);
            return;
        }
    }
    // The reference draw stays current; a new draw is reached by stepping.
    datenbankPage()->setEndDate(DateSerial::toDate(session_.workingDate));
    SpeedButton5Click();
}

void TForm1::BitBtn4Click()
{
    // One click must not cost a draw: ask first, No being the default.
    const QDate shown = DateSerial::toDate(session_.drawDate);
    if (session_.drawDate <= 0.0 || !shown.isValid())
        return; // no draw is shown, so there is none to delete
    const QString shownText = shown.toString(QStringLiteral("dd.MM.yyyy"));
    QString question = text(TextLine::DeleteDrawQuestion).arg(shownText);
    // The date field may have been moved on since the draw was shown; the
    // user must not take its date for the one that goes.
    const QDate chosen = datenbankPage()->endDate();
    if (chosen.isValid() && chosen != shown)
        question += QLatin1Char('\n')
            + text(TextLine::OtherDateChosen).arg(chosen.toString(QStringLiteral("dd.MM.yyyy")), shownText);
    if (!dialogs().askYesNo(this, text(TextLine::DeleteDrawCaption), question, Dialogs::Default::No))
        return;
    QString error;
    {
        const BusyCursor busy;
        error = deleteDrawsOf(DrawFile(databasePath()), session_.drawDate);
    }
    if (!error.isEmpty()) {
        dialogs().showError(this, error);
        return;
    }
    // DateTimePicker1 still holds the deleted date: the next later draw, or
    // the latest, becomes current.
    SpeedButton5Click();
}
