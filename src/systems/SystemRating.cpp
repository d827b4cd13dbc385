#include "systems/SystemRating.h"

#include "evaluation/ChanceComparison.h"
#include "evaluation/PrizeClasses.h"
#include "evaluation/TicketCost.h"
#include "evaluation/TicketRun.h"
#include "generator/Random.h"

#include <bit>
#include <cmath>

void SystemTotals::add(const SystemDrawRating& rating, std::size_t rows)
{
    if (!rating.rated)
        return;
    ++draws;
    drawsWithClasses += rating.classTable ? 1 : 0;
    for (std::size_t i = 0; i < perHits.size(); ++i)
        perHits[i] += rating.perHits[i];
    for (std::size_t i = 0; i < perClass.size(); ++i)
        perClass[i] += rating.perClass[i];
    stakeCents += std::int64_t(rows) * Prices::kRowCents;
}

namespace SystemRating {

NumberMask drawMask(const Draw& draw)
{
    // A number outside 1..49 sets no bit and a repeated one sets its bit once:
    // six bits only for six different valid numbers.
    const NumberMask mask = Chance::drawMask(
        {draw.number(0), draw.number(1), draw.number(2), draw.number(3), draw.number(4), draw.number(5)});
    return std::popcount(mask) == 6 ? mask : 0;
}

SystemDrawRating rate(std::span<const NumberMask> rows, const Draw& draw, int ticketSuper)
{
    SystemDrawRating rating;
    rating.date = draw.datum;
    const NumberMask drawn = drawMask(draw);
    if (drawn == 0)
        return rating;
    rating.rated = true;
    const NumberMask bonus = isLottoNumber(draw.bonus()) ? NumberMask(1) << draw.bonus() : 0;

    // Count rows by hits and bonus once; the class depends on nothing else.
    std::array<std::array<int, 2>, 7> byHits{};
    for (NumberMask row : rows) {
        const int hits = std::min(6, std::popcount(row & drawn));
        ++byHits[std::size_t(hits)][(row & bonus) != 0 ? 1 : 0];
    }
    rating.classTable = Prize::eraOn(draw.datum) != nullptr;
    for (int hits = 0; hits <= 6; ++hits) {
        for (int b = 0; b < 2; ++b) {
            const int count = byHits[std::size_t(hits)][std::size_t(b)];
            if (count == 0)
                continue;
            rating.perHits[std::size_t(hits)] += count;
            const int prizeClass = Prize::rateHits(hits, b == 1, draw, ticketSuper).prizeClass;
            if (prizeClass >= 0 && prizeClass < int(rating.perClass.size()))
                rating.perClass[std::size_t(prizeClass)] += count;
        }
    }
    return rating;
}

std::vector<SystemDrawRating> rateRun(std::span<const NumberMask> rows, std::span<const Draw> draws,
                                      const TicketRun& run, int ticketSuper)
{
    std::vector<SystemDrawRating> ratings;
    for (int index : drawsInRun(draws, run))
        ratings.push_back(rate(rows, draws[std::size_t(index)], ticketSuper));
    return ratings;
}

std::vector<NumberMask> randomRows(std::size_t count, std::uint32_t seed)
{
    Random random(seed);
    std::vector<NumberMask> rows;
    rows.reserve(count);
    while (rows.size() < count) {
        NumberMask row = 0;
        while (std::popcount(row) < 6)
            row |= NumberMask(1) << (1 + random.below(49));
        rows.push_back(row);
    }
    return rows;
}

SystemBacktest backtest(std::span<const NumberMask> rows, std::span<const Draw> draws, double fromDate,
                        double toDate, int ticketSuper, std::uint32_t seed)
{
    SystemBacktest result;
    result.randomRows = randomRows(rows.size(), seed);
    const double first = std::floor(fromDate);
    const double last = std::floor(toDate);
    for (const Draw& draw : draws) {
        const double day = std::floor(draw.datum);
        if (!(day >= first && day <= last))
            continue;
        const SystemDrawRating system = rate(rows, draw, ticketSuper);
        if (!system.rated) {
            ++result.skipped;
            continue;
        }
        result.system.add(system, rows.size());
        result.random.add(rate(result.randomRows, draw, ticketSuper), rows.size());
    }
    return result;
}

} // namespace SystemRating
