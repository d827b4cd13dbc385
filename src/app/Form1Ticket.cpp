#include "app/TForm1.h"

#include "app/pages/InternetPage.h"
#include "app/pages/LottotippPage.h"
#include "app/pages/TipBoard.h"
#include "draws/DateSerial.h"
#include "draws/DrawFile.h"
#include "evaluation/BoardRating.h"
#include "evaluation/TicketReport.h"
#include "platform/Dialogs.h"
#include "text/Languages.h"
#include "text/TextLine.h"

#include <QLabel>

#include <algorithm>
#include <cmath>

namespace {

DrawDays drawDays(qint32 stored)
{
    switch (stored) {
    case 2: return DrawDays::Wednesday;
    case 3: return DrawDays::Both;
    default: return DrawDays::Saturday;
    }
}

QStringList weeksTexts()
{
    QStringList texts;
    for (int weeks = 1; weeks <= TicketRun::kMaxWeeks; ++weeks)
        texts << TicketReport::weeksText(weeks);
    return texts << TicketReport::weeksText(0);
}

} // namespace

void TForm1::connectTicket()
{
    LottotippPage* page = lottotippPage();
    connect(page, &LottotippPage::ticketEdited, this, &TForm1::TicketEdited);
    connect(page, &LottotippPage::losnummerLeft, this, &TForm1::LosnummerExit);
    // "Saturday predefined" is a preset: ticking it makes the ticket a
    // Saturday ticket, which the user may still change on "Lottotipp".
    connect(internetPage(), &InternetPage::saturdaysOnlyTicked, this, [this] {
        session_.ticket.days = int(DrawDays::Saturday);
        showTicket();
        rateBoardShown(false);
    });
    // The fee belongs to the stake shown under the board.
    connect(internetPage(), &InternetPage::feeEdited, this, [this] { rateBoardShown(false); });
    // A run may read the ticket (the backtest its super number); its report
    // only reads and stays allowed.
    for (QWidget* field : page->ticketPanel()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (field->objectName() != u"TicketRunButton" && !qobject_cast<QLabel*>(field))
            addBusyLockedControl(field);
}

void TForm1::ticketAfterLoad()
{
    Ticket& ticket = session_.ticket;
    if (ticket.days < 1 || ticket.days > 3) {
        ticket.days = int(internetPage()->saturdaysOnly() ? DrawDays::Saturday : DrawDays::Both);
    }
    if (ticket.weeks < 0 || ticket.weeks > TicketRun::kMaxWeeks)
        ticket.weeks = 1;
    if (!DateSerial::toDate(ticket.firstDate).isValid() || ticket.firstDate <= 0.0)
        ticket.firstDate = DateSerial::today();
    showTicket();
}

void TForm1::showTicket()
{
    const Ticket& ticket = session_.ticket;
    LottotippPage::TicketFields fields;
    fields.losnummer = ticket.number;
    fields.spiel77 = ticket.spiel77 != 0;
    fields.super6 = ticket.super6 != 0;
    const DrawDays days = drawDays(ticket.days);
    fields.wednesday = days != DrawDays::Saturday;
    fields.saturday = days != DrawDays::Wednesday;
    fields.firstDate = DateSerial::toDate(ticket.firstDate);
    fields.weeks = ticket.weeks;
    lottotippPage()->setWeeksTexts(weeksTexts());
    lottotippPage()->setTicketFields(fields);
}

void TForm1::TicketEdited()
{
    const LottotippPage::TicketFields fields = lottotippPage()->ticketFields();
    Ticket& ticket = session_.ticket;
    ticket.number = fields.losnummer;
    ticket.spiel77 = fields.spiel77 ? 1 : 0;
    ticket.super6 = fields.super6 ? 1 : 0;
    ticket.days = int(fields.wednesday && fields.saturday ? DrawDays::Both
                      : fields.wednesday                  ? DrawDays::Wednesday
                                                          : DrawDays::Saturday);
    ticket.weeks = fields.weeks;
    if (fields.firstDate.isValid())
        ticket.firstDate = DateSerial::fromDate(fields.firstDate);
    // The hits stay as they are: no sound for every digit of the ticket number.
    rateBoardShown(false);
}

void TForm1::LosnummerExit()
{
    TicketEdited();
    // Kept as typed, so nothing is lost; the rating goes on without the
    // classes that need the super number.
    // Said once per number typed, however often the field is left.
    const QString number = session_.ticket.number;
    if (number == losnummerSaid_)
        return;
    losnummerSaid_ = number;
    if (!number.trimmed().isEmpty() && !Prize::isValidLosnummer(number))
        dialogs().showMessage(this, text(TextLine::LosnummerInvalid).arg(number));
}

TicketPlay TForm1::ticketPlay() const
{
    return {session_.ticket.number, session_.ticket.spiel77 != 0, session_.ticket.super6 != 0};
}

TicketRun TForm1::ticketRun() const
{
    TicketRun run;
    run.firstDate = session_.ticket.firstDate;
    run.weeks = std::clamp(session_.ticket.weeks, 0, TicketRun::kMaxWeeks);
    run.days = drawDays(session_.ticket.days);
    return run;
}

QString TForm1::ticketFeeText() const
{
    return internetPage()->feeText(ticketRun().days == DrawDays::Both);
}

int TForm1::ticketSuperNumber() const
{
    return Prize::ticketSuperNumber(session_.ticket.number);
}

QStringList TForm1::ticketCostLines(int rows) const
{
    return TicketReport::costLines(rows, ticketPlay(), ticketRun(), ticketFeeText(), numberLocale());
}

QLocale TForm1::numberLocale() const
{
    const Language* language = Languages::byNumber(Sprache);
    return Languages::locale(language ? language->code : QStringLiteral("de"));
}

void TForm1::showTicketResult(const BoardRating& rating)
{
    const QLocale locale = numberLocale();
    const TicketPlay play = ticketPlay();
    const Draw draw = session_.currentRecord();
    // A board without a valid row is no ticket yet: nothing to rate or pay.
    QStringList lines;
    if (rating.validRows > 0) {
        lines << TicketReport::classesText(rating.ticket);
        QStringList games;
        for (const QString& game : {TicketReport::spiel77Text(rating.ticket, play, draw, locale),
                                    TicketReport::super6Text(rating.ticket, play, draw, locale)})
            if (!game.isEmpty())
                games << game;
        if (!games.isEmpty())
            lines << games.join(QStringLiteral(" · "));
        lines << ticketCostLines(rating.validRows);
    }
    lottotippPage()->setTicketSummary(lines.join(u'\n'));
}

void TForm1::TicketRunButtonClick()
{
    QString error;
    const std::optional<std::vector<Draw>> draws = DrawFile(databasePath()).readAll(&error);
    if (!draws) {
        dialogs().showError(this, error);
        return;
    }
    const BoardRows rows = tipBoard()->cells();
    const std::vector<TicketRow> played = ticketRows(rateBoard(rows, session_.numbers));
    saveTextReport(QStringLiteral("Schein.txt"), TicketReport::runReport(played, *draws, ticketRun(), ticketPlay(),
                                                                         ticketFeeText(), numberLocale()));
}

void TForm1::announceTicketDraws(const std::vector<Draw>& draws)
{
    std::vector<double> stored;
    stored.reserve(draws.size());
    for (const Draw& draw : draws)
        stored.push_back(std::floor(draw.datum));
    std::sort(stored.begin(), stored.end());
    const bool first = !ticketDatesSeen_;
    const std::vector<double> before = first ? std::vector<double>() : std::move(*ticketDatesSeen_);
    ticketDatesSeen_ = std::move(stored);
    // The draws the start-up found are not news; what an update, an import
    // or an entry brings afterwards is.
    if (first)
        return;

    const BoardRows rows = tipBoard()->cells();
    const std::vector<TicketRow> played = ticketRows(rateBoard(rows, session_.numbers));
    if (played.empty())
        return;

    const TicketRun run = ticketRun();
    const TicketPlay play = ticketPlay();
    const QLocale locale = numberLocale();
    QStringList news;
    for (int index : drawsInRun(draws, run)) {
        const Draw& draw = draws[std::size_t(index)];
        if (std::binary_search(before.begin(), before.end(), std::floor(draw.datum)))
            continue;
        const TicketDrawResult result = rateTicket(played, draw, play);
        news << text(TextLine::TicketNewResult)
                    .arg(DateSerial::toDate(draw.datum).toString(QStringLiteral("dd.MM.yyyy")),
                         TicketReport::drawResultText(result, play, draw, locale));
    }
    if (!news.isEmpty())
        showNotice(news.join(QStringLiteral(" · ")));
}
