#include "evaluation/TicketRating.h"

#include <algorithm>
#include <utility>

bool TicketDrawResult::won() const
{
    return std::any_of(perClass.begin() + 1, perClass.end(), [](int n) { return n > 0; })
        || spiel77Class > 0 || super6Class > 0;
}

TicketDrawResult rateTicket(std::span<const TicketRow> rows, const Draw& draw, const TicketPlay& play)
{
    const int ticketSuper = Prize::ticketSuperNumber(play.losnummer);
    std::vector<Prize::RowResult> rated;
    rated.reserve(rows.size());
    for (const TicketRow& row : rows)
        rated.push_back(Prize::rateRow(row, draw, ticketSuper));
    return tallyTicket(std::move(rated), draw, play);
}

TicketDrawResult tallyTicket(std::vector<Prize::RowResult> rows, const Draw& draw, const TicketPlay& play)
{
    TicketDrawResult result;
    result.date = draw.datum;
    result.classTable = Prize::eraOn(draw.datum) != nullptr;
    result.rows = std::move(rows);
    for (const Prize::RowResult& rated : result.rows)
        ++result.perClass[static_cast<std::size_t>(rated.prizeClass)];
    if (play.spiel77) {
        result.spiel77Class = Prize::spiel77Class(play.losnummer, draw);
        result.fixedAmountCents += Prize::spiel77AmountCents(result.spiel77Class);
        result.jackpot = result.spiel77Class == 1;
    }
    if (play.super6) {
        result.super6Class = Prize::super6Class(play.losnummer, draw);
        result.fixedAmountCents += Prize::super6AmountCents(result.super6Class);
    }
    return result;
}

std::vector<TicketDrawResult> rateTicketRun(std::span<const TicketRow> rows,
                                            std::span<const Draw> draws,
                                            const TicketRun& run, const TicketPlay& play)
{
    std::vector<TicketDrawResult> results;
    for (int index : drawsInRun(draws, run)) {
        results.push_back(rateTicket(rows, draws[static_cast<std::size_t>(index)], play));
        results.back().drawIndex = index;
    }
    return results;
}
