#include "app/TForm1.h"

#include "app/pages/SystemPage.h"
#include "app/pages/TipBoard.h"
#include "draws/DateSerial.h"
#include "draws/DrawFile.h"
#include "evaluation/PrizeClasses.h"
#include "evaluation/ReportFile.h"
#include "evaluation/TicketCost.h"
#include "evaluation/TicketReport.h"
#include "evaluation/TicketRun.h"
#include "platform/Dialogs.h"
#include "systems/ShippedSystems.h"
#include "systems/SystemFile.h"
#include "systems/SystemRating.h"
#include "systems/SystemTexts.h"
#include "text/AtomicFile.h"
#include "text/TextLine.h"

#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QTabWidget>

#include <algorithm>

namespace {

// The reduced systems of the table for k numbers, in the table's order.
std::vector<const ShippedSystem*> reducedFor(std::size_t k)
{
    std::vector<const ShippedSystem*> found;
    for (const ShippedSystem& entry : ShippedSystems::all())
        if (std::size_t(entry.k) == k)
            found.push_back(&entry);
    return found;
}

QString fullName(std::size_t k)
{
    return QStringLiteral("%1").arg(int(k), 3, 10, QLatin1Char('0'));
}

// Rows per number of hits (2 and more) and per prize class, best first.
QStringList ratingLines(const TextTable& texts, const std::array<std::int64_t, 7>& perHits,
                        const std::array<std::int64_t, 10>& perClass, bool classTable)
{
    QStringList lines;
    for (int hits = 6; hits >= 2; --hits)
        lines << texts.line(TextLine::SystemHits).arg(hits).arg(perHits[std::size_t(hits)]);
    if (!classTable) {
        lines << texts.line(TextLine::NoClassTable);
        return lines;
    }
    for (int prizeClass = 1; prizeClass <= 9; ++prizeClass)
        if (perClass[std::size_t(prizeClass)] > 0)
            lines << texts.line(TextLine::SystemClassRows)
                         .arg(texts.line(TextLine::PrizeClass).arg(prizeClass))
                         .arg(perClass[std::size_t(prizeClass)]);
    return lines;
}

QString systemFolder(const QString& home)
{
    return QDir(home).absolutePath();
}

} // namespace

void TForm1::connectSystems()
{
    connect(system_, &SystemPage::numberClicked, this, &TForm1::SystemNumberClick);
    connect(system_, &SystemPage::systemChosen, this, &TForm1::SystemChosen);
    // The cost follows the ticket, which may have changed on another tab.
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
        if (PageControl1->currentWidget() == system_)
            showSystem();
    });
    showSystem();
}

void TForm1::SystemNumberClick(int number)
{
    auto at = std::lower_bound(systemNumbers_.begin(), systemNumbers_.end(), number);
    if (at != systemNumbers_.end() && *at == number) {
        systemNumbers_.erase(at);
    } else if (int(systemNumbers_.size()) >= Systems::kMaxFull) {
        dialogs().showMessage(this, text(TextLine::SystemTooMany));
    } else {
        systemNumbers_.insert(at, number);
    }
    showSystem();
}

void TForm1::SystemClearButtonClick()
{
    systemNumbers_.clear();
    showSystem();
}

void TForm1::SystemChosen()
{
    if (const std::optional<LottoSystem> system = currentSystem()) {
        systemHits_ = system->guarantee.hits;
        systemIfDrawn_ = system->guarantee.ifDrawn;
    }
    system_->setRating(QString());
    showSystem();
}

std::optional<LottoSystem> TForm1::currentSystem() const
{
    const std::size_t k = systemNumbers_.size();
    if (k < std::size_t(Systems::kMinFull) || k > std::size_t(Systems::kMaxFull))
        return std::nullopt;
    const int index = system_->systemIndex();
    const std::vector<const ShippedSystem*> reduced = reducedFor(k);
    if (index >= 1 && std::size_t(index) <= reduced.size()) {
        const ShippedSystem& entry = *reduced[std::size_t(index - 1)];
        LottoSystem system = ShippedSystems::onNumbers(entry, systemNumbers_);
        system.name = text(TextLine::SystemReduced)
                          .arg(entry.guarantee.hits)
                          .arg(entry.guarantee.ifDrawn)
                          .arg(entry.rows.size());
        return system;
    }
    LottoSystem system = Systems::fullSystem(systemNumbers_);
    system.name = text(TextLine::SystemFull).arg(fullName(k));
    return system;
}

void TForm1::showSystem()
{
    const std::size_t k = systemNumbers_.size();
    system_->setChosen(systemNumbers_);
    system_->setCountText(text(TextLine::SystemCount).arg(k));

    QStringList items;
    int current = 0;
    const std::vector<const ShippedSystem*> reduced = reducedFor(k);
    if (k >= std::size_t(Systems::kMinFull) && k <= std::size_t(Systems::kMaxFull)) {
        items << text(TextLine::SystemFull).arg(fullName(k));
        for (const ShippedSystem* entry : reduced) {
            if (entry->guarantee == Guarantee{systemHits_, systemIfDrawn_})
                current = int(items.size());
            items << text(TextLine::SystemReduced)
                         .arg(entry->guarantee.hits)
                         .arg(entry->guarantee.ifDrawn)
                         .arg(entry->rows.size());
        }
    }
    system_->setSystems(items, current);

    const std::optional<LottoSystem> system = currentSystem();
    if (!system) {
        system_->setInfo(text(TextLine::SystemTooFew).arg(k));
        return;
    }
    QStringList info;
    info << text(TextLine::SystemInfo)
                .arg(system->rows.size())
                .arg(SystemTexts::guarantee(system->guarantee));
    const int index = system_->systemIndex();
    if (index >= 1 && std::size_t(index) <= reduced.size())
        info << text(reduced[std::size_t(index - 1)]->provenMinimal ? TextLine::SystemMinimal
                                                                     : TextLine::SystemBestFound);
    info << TicketReport::costLines(int(system->rows.size()), ticketPlay(), ticketRun(), ticketFeeText(),
                                    numberLocale());
    system_->setInfo(info.join(u'\n'));
}

bool TForm1::haveSystem(std::optional<LottoSystem>& system)
{
    system = currentSystem();
    if (!system)
        dialogs().showMessage(this, text(TextLine::SystemTooFew).arg(systemNumbers_.size()));
    return system.has_value();
}

void TForm1::SystemBoardButtonClick()
{
    std::optional<LottoSystem> system;
    if (!haveSystem(system))
        return;
    const std::vector<SixNumbers> rows = system->sortedRows();
    TipBoard& board = *tipBoard();
    // The system decides every row of the board, as a loaded tip file does.
    for (int r = 1; r <= TipBoard::RowCount; ++r) {
        board.clearRow(r);
        if (std::size_t(r) > rows.size())
            continue;
        for (int c = 1; c <= TipBoard::CellCount; ++c)
            board.setCellText(r, c, QString::number(rows[std::size_t(r - 1)][std::size_t(c - 1)]));
    }
    const bool wasRating = session_.ratingOn;
    session_.ratingOn = true;
    Komplettcheck();
    session_.ratingOn = wasRating;
    if (rows.size() > std::size_t(TipBoard::RowCount))
        dialogs().showMessage(this, text(TextLine::SystemMoreRows).arg(rows.size()));
}

void TForm1::SystemRateButtonClick()
{
    std::optional<LottoSystem> system;
    if (!haveSystem(system))
        return;
    const std::vector<NumberMask> rows = system->numberRows();
    const int ticketSuper = Prize::ticketSuperNumber(session_.ticket.number);
    const QLocale locale = numberLocale();

    QStringList lines;
    const Draw draw = session_.currentRecord();
    const SystemDrawRating rating = SystemRating::rate(rows, draw, ticketSuper);
    if (rating.rated) {
        lines << text(TextLine::SystemRatingDraw)
                     .arg(DateSerial::toDate(draw.datum).toString(QStringLiteral("dd.MM.yyyy")),
                          SystemTexts::numbers(SystemRating::drawMask(draw)));
        SystemTotals one;
        one.add(rating, rows.size());
        lines << ratingLines(textTable, one.perHits, one.perClass, rating.classTable);
    } else {
        lines << text(TextLine::SystemNoDraw);
    }
    lines << TicketReport::costLines(int(rows.size()), ticketPlay(), ticketRun(), ticketFeeText(), locale);

    QString error;
    const std::optional<std::vector<Draw>> draws = DrawFile(databasePath()).readAll(&error);
    if (!draws) {
        dialogs().showError(this, error);
    } else {
        const std::vector<SystemDrawRating> run = SystemRating::rateRun(rows, *draws, ticketRun(), ticketSuper);
        lines << QString();
        if (run.empty()) {
            lines << text(TextLine::TicketRunNoDraw);
        } else {
            SystemTotals totals;
            for (const SystemDrawRating& one : run)
                totals.add(one, rows.size());
            lines << text(TextLine::SystemRunHeading).arg(totals.draws);
            lines << ratingLines(textTable, totals.perHits, totals.perClass, totals.drawsWithClasses > 0);
        }
    }
    system_->setRating(lines.join(u'\n'));
}

void TForm1::SystemSaveButtonClick()
{
    std::optional<LottoSystem> system;
    if (!haveSystem(system))
        return;
    const QString path = dialogs().saveFileName(
        this, {systemFolder(Home), QString(), SystemFile::filter(), SystemFile::defaultSuffix()});
    if (path.isEmpty())
        return;
    const QString error = SystemFile::write(path, *system);
    if (!error.isEmpty())
        dialogs().showError(this, error);
}

void TForm1::SystemCsvButtonClick()
{
    std::optional<LottoSystem> system;
    if (!haveSystem(system))
        return;
    const QString path = dialogs().saveFileName(
        this, {systemFolder(Home), QString(), text(TextLine::SystemCsvFiles) + QStringLiteral("|*.csv"),
               QStringLiteral("csv")});
    if (path.isEmpty())
        return;
    QByteArray bytes("n1,n2,n3,n4,n5,n6\r\n");
    for (const SixNumbers& row : system->sortedRows()) {
        QStringList cells;
        for (int number : row)
            cells << QString::number(number);
        bytes += cells.join(u',').toLatin1() + "\r\n";
    }
    const AtomicFile::Result result = AtomicFile::write(path, bytes);
    if (!result.ok())
        dialogs().showError(this, result.message);
}

void TForm1::SystemBacktestButtonClick()
{
    std::optional<LottoSystem> system;
    if (!haveSystem(system))
        return;
    QString error;
    const std::optional<std::vector<Draw>> draws = DrawFile(databasePath()).readAll(&error);
    if (!draws) {
        dialogs().showError(this, error);
        return;
    }
    const QDate from = system_->fromDate()->date();
    const QDate to = system_->toDate()->date();
    const QString fromText = from.toString(QStringLiteral("dd.MM.yyyy"));
    const QString toText = to.toString(QStringLiteral("dd.MM.yyyy"));
    const std::vector<NumberMask> rows = system->numberRows();
    // The same range gives the same random rows, so a report can be made again.
    const std::uint32_t seed = std::uint32_t(from.toJulianDay() * 7919 + to.toJulianDay());
    const SystemBacktest result =
        SystemRating::backtest(rows, *draws, DateSerial::fromDate(from), DateSerial::fromDate(to),
                               Prize::ticketSuperNumber(session_.ticket.number), seed);
    if (result.system.draws == 0) {
        dialogs().showMessage(this, text(TextLine::SystemBacktestNoDraw).arg(fromText, toText));
        return;
    }
    const QLocale locale = numberLocale();
    QStringList numbers;
    for (int number : system->numbers)
        numbers << QString::number(number);
    QStringList lines;
    lines << text(TextLine::SystemBacktestHeading).arg(system->name, numbers.join(u' '), fromText, toText);
    lines << text(TextLine::SystemInfo).arg(rows.size()).arg(SystemTexts::guarantee(system->guarantee));
    lines << text(TextLine::SystemBacktestDraws).arg(result.system.draws).arg(result.skipped);
    lines << QString();
    lines << ratingLines(textTable, result.system.perHits, result.system.perClass,
                         result.system.drawsWithClasses > 0);
    lines << text(TextLine::SystemBacktestStake).arg(euroText(result.system.stakeCents, locale));
    lines << QString() << text(TextLine::SystemBacktestRandom).arg(result.randomRows.size());
    lines << ratingLines(textTable, result.random.perHits, result.random.perClass,
                         result.random.drawsWithClasses > 0);
    lines << text(TextLine::SystemBacktestStake).arg(euroText(result.random.stakeCents, locale));

    const QString path = Home + QStringLiteral("System.txt");
    error = ReportFile::save(path, ReportFile::textLines(lines));
    if (!error.isEmpty()) {
        dialogs().showError(this, error);
        return;
    }
    showReport(path, lines.join(QLatin1Char('\n')));
}
