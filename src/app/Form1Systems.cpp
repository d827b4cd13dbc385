#include "app/TForm1.h"

#include "app/SystemBuildJob.h"
#include "app/pages/SystemPage.h"
#include "app/pages/TipBoard.h"
#include "draws/DateSerial.h"
#include "draws/DrawFile.h"
#include "evaluation/PrizeClasses.h"
#include "evaluation/TicketRun.h"
#include "platform/Dialogs.h"
#include "systems/ShippedSystems.h"
#include "systems/SystemFile.h"
#include "systems/SystemRating.h"
#include "systems/SystemSearch.h"
#include "systems/SystemTexts.h"
#include "text/AtomicFile.h"
#include "text/TextLine.h"

#include <QDateEdit>
#include <QDir>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include <algorithm>

namespace {

// One entry of the system list for k numbers: the full system first, then
// the table's reduced systems, then those built or loaded in this session.
struct SystemOffer {
    const ShippedSystem* design = nullptr; // none: the full system
    bool built = false;

    Guarantee guarantee() const { return design ? design->guarantee : Guarantee{6, 6}; }
};

std::vector<SystemOffer> offersFor(std::size_t k, const std::vector<ShippedSystem>& built)
{
    std::vector<SystemOffer> offers;
    if (k < std::size_t(Systems::kMinFull) || k > std::size_t(Systems::kMaxFull))
        return offers;
    offers.push_back({});
    for (const ShippedSystem& entry : ShippedSystems::all())
        if (std::size_t(entry.k) == k)
            offers.push_back({&entry, false});
    for (const ShippedSystem& entry : built)
        if (std::size_t(entry.k) == k)
            offers.push_back({&entry, true});
    return offers;
}

// A search as "build one" runs it: the budget the shipped table was built
// with, so the same seed gives the same rows on every machine; the time
// limit only guards slow machines.
constexpr std::int64_t kBuildSteps = 3'000'000;
constexpr int kBuildMilliseconds = 60'000;

// The same rows, whatever their order.
bool sameRows(std::vector<NumberMask> a, std::vector<NumberMask> b)
{
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

QString fullName(std::size_t k)
{
    return QStringLiteral("%1").arg(int(k), 3, 10, QLatin1Char('0'));
}

// The offer as the list names it.
QString offerName(const TForm1& form, const SystemOffer& offer, std::size_t k)
{
    if (!offer.design)
        return form.text(TextLine::SystemFull).arg(fullName(k));
    const ShippedSystem& design = *offer.design;
    if (!design.guarantee.isSet())
        return form.text(TextLine::SystemOwnPlain).arg(design.rows.size());
    return form.text(offer.built ? TextLine::SystemBuilt : TextLine::SystemReduced)
        .arg(design.guarantee.hits)
        .arg(design.guarantee.ifDrawn)
        .arg(design.rows.size());
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
    system_->setRating(QString()); // it was about other numbers
    showSystem();
}

void TForm1::SystemClearButtonClick()
{
    systemNumbers_.clear();
    system_->setRating(QString());
    showSystem();
}

void TForm1::SystemChosen()
{
    const std::vector<SystemOffer> offers = offersFor(systemNumbers_.size(), builtSystems_);
    const int index = system_->systemIndex();
    if (index >= 0 && std::size_t(index) < offers.size())
        systemChoice_ = {offers[std::size_t(index)].guarantee(), offers[std::size_t(index)].built};
    system_->setRating(QString());
    showSystem();
}

std::optional<LottoSystem> TForm1::currentSystem() const
{
    const std::vector<SystemOffer> offers = offersFor(systemNumbers_.size(), builtSystems_);
    if (offers.empty())
        return std::nullopt;
    const int index = system_->systemIndex();
    const SystemOffer offer = index >= 0 && std::size_t(index) < offers.size() ? offers[std::size_t(index)]
                                                                               : offers.front();
    LottoSystem system = offer.design ? ShippedSystems::onNumbers(*offer.design, systemNumbers_)
                                      : Systems::fullSystem(systemNumbers_);
    system.name = offerName(*this, offer, systemNumbers_.size());
    return system;
}

void TForm1::showSystem()
{
    const std::size_t k = systemNumbers_.size();
    system_->setChosen(systemNumbers_);
    system_->setCountText(text(TextLine::SystemCount).arg(k));

    // The guarantee last chosen stays chosen, of the same kind where there
    // is one; otherwise the full system.
    const std::vector<SystemOffer> offers = offersFor(k, builtSystems_);
    QStringList items;
    int current = -1;
    int sameGuarantee = -1;
    for (const SystemOffer& offer : offers) {
        if (offer.design && offer.design->guarantee == systemChoice_.guarantee) {
            if (sameGuarantee < 0)
                sameGuarantee = int(items.size());
            if (current < 0 && offer.built == systemChoice_.built)
                current = int(items.size());
        }
        items << offerName(*this, offer, k);
    }
    system_->setSystems(items, current >= 0 ? current : std::max(sameGuarantee, 0));

    const std::optional<LottoSystem> system = currentSystem();
    if (!system) {
        system_->setInfo(text(TextLine::SystemTooFew).arg(k));
        return;
    }
    const SystemOffer offer = offers[std::size_t(std::max(system_->systemIndex(), 0))];
    QStringList info{SystemTexts::info(*system)};
    if (offer.design && offer.design->guarantee.isSet()) {
        info << text(offer.design->provenMinimal ? TextLine::SystemMinimal : TextLine::SystemBestFound);
        // The table's entries were proven or searched hard; for a session's
        // own the counting bound says how far from the best it may be.
        if (offer.built && !offer.design->provenMinimal)
            info << text(TextLine::SystemLowerBound)
                        .arg(SystemSearch::countingBound(offer.design->k, offer.design->guarantee));
    }
    info << ticketCostLines(int(system->rows.size()));
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

    QStringList lines;
    const Draw draw = session_.currentRecord();
    const SystemDrawRating rating = SystemRating::rate(rows, draw, ticketSuperNumber());
    if (rating.rated) {
        lines << text(TextLine::SystemRatingDraw)
                     .arg(DateSerial::toDate(draw.datum).toString(QStringLiteral("dd.MM.yyyy")),
                          SystemTexts::numbers(SystemRating::drawMask(draw)));
        SystemTotals one;
        one.add(rating, rows.size());
        lines << SystemTexts::totalsLines(one);
    } else {
        lines << text(TextLine::SystemNoDraw);
    }
    lines << ticketCostLines(int(rows.size()));

    QString error;
    const std::optional<std::vector<Draw>> draws = DrawFile(databasePath()).readAll(&error);
    if (!draws) {
        dialogs().showError(this, error);
    } else {
        const std::vector<SystemDrawRating> run =
            SystemRating::rateRun(rows, *draws, ticketRun(), ticketSuperNumber());
        lines << QString();
        if (run.empty()) {
            lines << text(TextLine::TicketRunNoDraw);
        } else {
            SystemTotals totals;
            for (const SystemDrawRating& one : run)
                totals.add(one, rows.size());
            lines << text(TextLine::SystemRunHeading).arg(totals.draws);
            lines << SystemTexts::totalsLines(totals);
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
    const AtomicFile::Result result = AtomicFile::write(path, SystemFile::csv(*system));
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
    // The same range gives the same random rows, so a report can be made again.
    const std::uint32_t seed = std::uint32_t(from.toJulianDay() * 7919 + to.toJulianDay());
    const SystemBacktest result = SystemRating::backtest(system->numberRows(), *draws, DateSerial::fromDate(from),
                                                         DateSerial::fromDate(to), ticketSuperNumber(), seed);
    if (result.system.draws == 0) {
        dialogs().showMessage(this, text(TextLine::SystemBacktestNoDraw).arg(fromText, toText));
        return;
    }
    saveTextReport(QStringLiteral("System.txt"),
                   SystemTexts::backtestReport(*system, result, fromText, toText, numberLocale()));
}

void TForm1::chooseSystem(Guarantee guarantee, bool built)
{
    systemChoice_ = {guarantee, built};
}

ShippedSystem* TForm1::builtSystem(int k, Guarantee guarantee)
{
    const auto found = std::find_if(builtSystems_.begin(), builtSystems_.end(), [&](const ShippedSystem& entry) {
        return entry.k == k && entry.guarantee == guarantee;
    });
    return found != builtSystems_.end() ? &*found : nullptr;
}

void TForm1::adoptSystem(ShippedSystem design)
{
    if (design.rows.size() == std::size_t(Systems::binomial(design.k, 6)))
        return chooseSystem({6, 6}, false); // every row of the numbers: the full system
    for (const ShippedSystem& entry : ShippedSystems::all())
        if (entry.k == design.k && sameRows(entry.rows, design.rows))
            return chooseSystem(entry.guarantee, false);
    // One own system per guarantee (or none) and count: the newest replaces
    // the older; a build only hands over a smaller one.
    ShippedSystem* same = builtSystem(design.k, design.guarantee);
    ShippedSystem& kept = same ? *same : builtSystems_.emplace_back();
    kept = std::move(design);
    chooseSystem(kept.guarantee, true);
}

void TForm1::SystemBuildButtonClick()
{
    if (activity() == Activity::Building) {
        requestStop();
        return;
    }
    if (refuseWhileBusy())
        return;
    const std::size_t k = systemNumbers_.size();
    if (k < std::size_t(Systems::kMinFull) || k > std::size_t(Systems::kMaxFull)) {
        dialogs().showMessage(this, text(TextLine::SystemTooFew).arg(k));
        return;
    }
    const Guarantee guarantee{system_->buildHits()->value(), system_->buildIfDrawn()->value()};
    if (!guarantee.isValid())
        return; // the boxes keep t <= m
    // The full system and the table's systems need no search.
    if (guarantee == Guarantee{6, 6} || ShippedSystems::find(int(k), guarantee)) {
        chooseSystem(guarantee, false);
        showSystem();
        system_->setRating(text(TextLine::SystemBuildShipped));
        return;
    }

    SearchOptions options;
    options.k = int(k);
    options.guarantee = guarantee;
    options.seed = std::uint32_t(1 + systemBuilds_++);
    options.maxSteps = kBuildSteps;
    options.maxMilliseconds = kBuildMilliseconds;
    if (!systemBuild_) {
        systemBuild_ = new SystemBuildJob(this);
        connect(systemBuild_, &SystemBuildJob::finished, this, &TForm1::systemBuildFinished);
        // The button that stops the search tells how long it has been going.
        connect(systemBuild_, &SystemBuildJob::running, this, [this](int seconds) {
            system_->buildButton()->setText(QStringLiteral("%1 (%2 s)").arg(text(TextLine::Stop)).arg(seconds));
        });
    }
    systemBuildCaption_ = system_->buildButton()->text();
    systemBuild_->start(options);
    beginActivity(Activity::Building, [this] { systemBuild_->stop(); });
    system_->buildButton()->setText(text(TextLine::Stop));
    system_->setRating(text(TextLine::SystemBuilding).arg(guarantee.hits).arg(guarantee.ifDrawn).arg(k));
}

void TForm1::systemBuildFinished()
{
    const SearchOptions options = systemBuild_->options();
    const SearchResult& found = systemBuild_->result();
    system_->buildButton()->setText(systemBuildCaption_);
    QStringList lines;
    if (!found.rows.empty()) {
        const ShippedSystem* same = builtSystem(options.k, options.guarantee);
        if (same && same->rows.size() <= found.rows.size()) {
            lines << text(TextLine::SystemBuildKept).arg(found.rows.size()).arg(same->rows.size());
            chooseSystem(options.guarantee, true);
        } else {
            // The checker proved the rows inside the search; the counting
            // bound reached proves that none can be smaller.
            adoptSystem({options.k, options.guarantee, int(found.rows.size()) <= found.lowerBound, found.rows});
            // The greedy start may reach the bound before any step.
            lines << (found.steps == 0 ? text(TextLine::SystemBuildAtOnce).arg(found.rows.size())
                                       : text(TextLine::SystemBuildDone)
                                             .arg(found.rows.size())
                                             .arg(numberLocale().toString(qlonglong(found.steps))));
        }
        if (systemBuild_->stopped())
            lines << text(TextLine::SystemBuildStopped);
    }
    endActivity();
    showSystem();
    system_->setRating(lines.join(u'\n'));
}

void TForm1::SystemPoolButtonClick()
{
    if (!lastPool_ || lastPool_->count() == 0) {
        dialogs().showMessage(this, text(TextLine::SystemNoPool));
        return;
    }
    const std::size_t k = systemNumbers_.size();
    const bool keepCount = k >= std::size_t(Systems::kMinFull) && k <= std::size_t(Systems::kMaxFull);
    systemNumbers_ = lastPool_->strongest(keepCount ? int(k) : Systems::kMaxFull);
    showSystem();
    system_->setRating(text(TextLine::SystemFromPool).arg(systemNumbers_.size()));
}

void TForm1::SystemLoadButtonClick()
{
    const QString path = dialogs().openFileName(
        this, {systemFolder(Home), QString(), SystemFile::filter(), SystemFile::defaultSuffix()});
    if (path.isEmpty())
        return;
    QString error;
    const std::optional<LottoSystem> loaded = SystemFile::read(path, &error);
    if (!loaded) {
        dialogs().showError(this, text(TextLine::CheckSystemFileBad).arg(QDir::toNativeSeparators(path), error));
        return;
    }
    const std::size_t k = loaded->numbers.size();
    if (k < std::size_t(Systems::kMinFull) || k > std::size_t(Systems::kMaxFull)) {
        dialogs().showMessage(this, text(TextLine::SystemLoadCount).arg(k));
        return;
    }
    const Guarantee guarantee = loaded->guarantee;
    const bool minimal =
        guarantee.isSet() && int(loaded->rows.size()) <= SystemSearch::countingBound(int(k), guarantee);
    systemNumbers_ = loaded->numbers;
    adoptSystem({int(k), guarantee, minimal, loaded->rows});
    showSystem();
    system_->setRating(QString());
}

void TForm1::SystemPrintButtonClick()
{
    std::optional<LottoSystem> system;
    if (!haveSystem(system))
        return;
    saveTextReport(QStringLiteral("Systemreihen.txt"),
                   SystemTexts::printout(*system, ticketCostLines(int(system->rows.size()))));
}
