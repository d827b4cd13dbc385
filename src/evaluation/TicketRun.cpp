#include "evaluation/TicketRun.h"

#include "draws/DateSerial.h"

#include <cmath>

bool TicketRun::covers(double date) const
{
    const double day = std::floor(date);
    const double first = std::floor(firstDate);
    if (day < first || (weeks > 0 && day >= first + 7.0 * weeks))
        return false;
    switch (DateSerial::weekday(day)) {
    case DateSerial::Saturday: return days != DrawDays::Wednesday;
    case DateSerial::Wednesday: return days != DrawDays::Saturday;
    default: return false;
    }
}

std::vector<int> drawsInRun(std::span<const Draw> draws, const TicketRun& run)
{
    std::vector<int> indexes;
    for (std::size_t i = 0; i < draws.size(); ++i)
        if (run.covers(draws[i].datum))
            indexes.push_back(static_cast<int>(i));
    return indexes;
}
